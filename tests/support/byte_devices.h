// Byte streams that misbehave on purpose, and small helpers shared by tests.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "korbit/engine/byte_stream.h"

namespace korbit::testing {

// Hands out the data in pieces of random size (1 to maxPiece bytes), as a
// pipe or a slow disk may.
class ShortReadSource final : public engine::ByteSource {
public:
    ShortReadSource(std::vector<std::uint8_t> bytes, std::size_t maxPiece, std::uint32_t seed)
        : bytes_(std::move(bytes)), maxPiece_(maxPiece), random_(seed) {}
    engine::Result<std::size_t> read(std::span<std::uint8_t> buffer) override;

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t at_ = 0;
    std::size_t maxPiece_;
    std::mt19937 random_;
};

// Fails every read once `failAfter` bytes have been delivered.
class FailingSource final : public engine::ByteSource {
public:
    FailingSource(std::vector<std::uint8_t> bytes, std::size_t failAfter)
        : bytes_(std::move(bytes)), inner_(bytes_), failAfter_(failAfter) {}
    engine::Result<std::size_t> read(std::span<std::uint8_t> buffer) override;

private:
    std::vector<std::uint8_t> bytes_;
    engine::MemorySource inner_;
    std::size_t failAfter_;
    std::size_t delivered_ = 0;
};

// Accepts `capacity` bytes, then fails every write, like a full disk.
class FailingSink final : public engine::ByteSink {
public:
    explicit FailingSink(std::size_t capacity) : capacity_(capacity) {}
    engine::Status write(std::span<const std::uint8_t> bytes) override;
    const std::vector<std::uint8_t>& bytes() const noexcept { return bytes_; }

private:
    std::size_t capacity_;
    std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> randomBytes(std::size_t count, std::uint32_t seed);
std::vector<std::uint8_t> bytesOf(std::string_view text);
std::string toHex(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> fromHex(std::string_view hex);  // blanks between digits allowed

// The whole content of the file at `path` (empty when it cannot be read), and
// a file made or replaced with exactly `bytes`.
std::vector<std::uint8_t> contentOf(const std::string& path);
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace korbit::testing

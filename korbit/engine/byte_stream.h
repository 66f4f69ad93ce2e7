// Where the container transform reads from and writes to. Files, memory and
// failing test devices all implement these two.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "korbit/engine/status.h"

namespace korbit::engine {

class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Reads up to buffer.size() bytes into buffer. Returns how many were
    // read, 0 only at the end of the data; fewer than asked is allowed
    // anywhere. Fails with ReadFailed.
    virtual Result<std::size_t> read(std::span<std::uint8_t> buffer) = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;

    // Writes all of `bytes` or fails with WriteFailed.
    virtual Status write(std::span<const std::uint8_t> bytes) = 0;
};

// Reads until `buffer` is full or the source ends. Returns the count.
Result<std::size_t> readFully(ByteSource& source, std::span<std::uint8_t> buffer);

// Reads from bytes the caller owns and keeps alive.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    Result<std::size_t> read(std::span<std::uint8_t> buffer) override;

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

class MemorySink final : public ByteSink {
public:
    Status write(std::span<const std::uint8_t> bytes) override;
    const std::vector<std::uint8_t>& bytes() const noexcept { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace korbit::engine

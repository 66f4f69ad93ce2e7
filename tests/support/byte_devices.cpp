#include "support/byte_devices.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace korbit::testing {

engine::Result<std::size_t> ShortReadSource::read(std::span<std::uint8_t> buffer) {
    const std::size_t piece = std::uniform_int_distribution<std::size_t>(1, maxPiece_)(random_);
    const std::size_t n = std::min({buffer.size(), piece, bytes_.size() - at_});
    std::memcpy(buffer.data(), bytes_.data() + at_, n);
    at_ += n;
    return n;
}

engine::Result<std::size_t> FailingSource::read(std::span<std::uint8_t> buffer) {
    if (delivered_ >= failAfter_) {
        return engine::Status{engine::ErrorCode::ReadFailed, "Input/output error"};
    }
    engine::Result<std::size_t> got = inner_.read(buffer.first(std::min(buffer.size(), failAfter_ - delivered_)));
    if (got) {
        delivered_ += got.value();
    }
    return got;
}

engine::Status FailingSink::write(std::span<const std::uint8_t> bytes) {
    if (bytes_.size() + bytes.size() > capacity_) {
        return {engine::ErrorCode::WriteFailed, "No space left on device"};
    }
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return engine::Status::ok();
}

std::vector<std::uint8_t> randomBytes(std::size_t count, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> out(count);
    for (auto& b : out) {
        b = static_cast<std::uint8_t>(random());
    }
    return out;
}

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

std::string toHex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (std::uint8_t b : bytes) {
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0x0F]);
    }
    return out;
}

std::vector<std::uint8_t> fromHex(std::string_view hex) {
    std::vector<std::uint8_t> out;
    int high = -1;
    for (char c : hex) {
        if (c == ' ' || c == '|') {
            continue;
        }
        const int v = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
        if (v < 0) {
            throw std::invalid_argument("not a hex digit");
        }
        if (high < 0) {
            high = v;
        } else {
            out.push_back(static_cast<std::uint8_t>(high * 16 + v));
            high = -1;
        }
    }
    return out;
}

std::vector<std::uint8_t> contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

}  // namespace korbit::testing

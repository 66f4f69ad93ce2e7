#include "korbit/engine/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace korbit::engine {

Result<std::size_t> readFully(ByteSource& source, std::span<std::uint8_t> buffer) {
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        Result<std::size_t> got = source.read(buffer.subspan(filled));
        if (!got) {
            return got.status();
        }
        if (got.value() == 0) {
            break;
        }
        filled += got.value();
    }
    return filled;
}

Result<std::size_t> MemorySource::read(std::span<std::uint8_t> buffer) {
    const std::size_t n = std::min(buffer.size(), bytes_.size() - at_);
    if (n > 0) {
        std::memcpy(buffer.data(), bytes_.data() + at_, n);
    }
    at_ += n;
    return n;
}

Status MemorySink::write(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return Status::ok();
}

}  // namespace korbit::engine

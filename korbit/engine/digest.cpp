#include "korbit/engine/digest.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace korbit::engine::sha256 {

namespace {

inline std::uint32_t toBigEndian(std::uint32_t word) noexcept {
    if constexpr (std::endian::native == std::endian::little) {
        return __builtin_bswap32(word);
    } else {
        return word;
    }
}

const Implementation& choose() noexcept {
    if (const Implementation* fast = shaExtensions()) {
        return *fast;
    }
    return portable();
}

}  // namespace

const Implementation& active() noexcept {
    static const Implementation& chosen = choose();
    return chosen;
}

void Hasher::update(std::span<const std::uint8_t> bytes) noexcept {
    totalBytes_ += bytes.size();
    const std::uint8_t* data = bytes.data();
    std::size_t left = bytes.size();

    if (buffered_ > 0) {
        const std::size_t take = std::min(left, kBlockSize - buffered_);
        std::memcpy(buffer_.data() + buffered_, data, take);
        buffered_ += take;
        data += take;
        left -= take;
        if (buffered_ < kBlockSize) {
            return;
        }
        impl_->compress(state_, buffer_.data(), 1);
        buffered_ = 0;
    }

    if (const std::size_t whole = left / kBlockSize; whole > 0) {
        impl_->compress(state_, data, whole);
        data += whole * kBlockSize;
        left -= whole * kBlockSize;
    }

    if (left > 0) {
        std::memcpy(buffer_.data(), data, left);
        buffered_ = left;
    }
}

Digest Hasher::finish() noexcept {
    alignas(16) std::uint8_t blocks[2 * kBlockSize];
    std::memcpy(blocks, buffer_.data(), buffered_);
    impl_->compress(state_, blocks, padFinalBlocks(blocks, buffered_, totalBytes_));
    return toBytes(state_);
}

void Hasher::reset() noexcept {
    state_ = kInitialState;
    buffered_ = 0;
    totalBytes_ = 0;
}

std::size_t padFinalBlocks(std::uint8_t (&blocks)[2 * kBlockSize], std::size_t used,
                           std::uint64_t messageBytes) noexcept {
    blocks[used++] = 0x80;
    const std::size_t total = used + 8 <= kBlockSize ? kBlockSize : 2 * kBlockSize;
    std::memset(blocks + used, 0, total - 8 - used);
    const std::uint64_t bits = messageBytes * 8U;
    for (std::size_t i = 0; i < 8; ++i) {
        blocks[total - 1 - i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    return total / kBlockSize;
}

Digest digest(std::span<const std::uint8_t> bytes, const Implementation& impl) noexcept {
    // Whole blocks straight from the input, the rest padded on the stack.
    State state = kInitialState;
    const std::size_t whole = bytes.size() / kBlockSize;
    if (whole > 0) {
        impl.compress(state, bytes.data(), whole);
    }
    const std::size_t rest = bytes.size() - whole * kBlockSize;
    alignas(16) std::uint8_t blocks[2 * kBlockSize];
    if (rest > 0) {
        std::memcpy(blocks, bytes.data() + whole * kBlockSize, rest);
    }
    impl.compress(state, blocks, padFinalBlocks(blocks, rest, bytes.size()));
    return toBytes(state);
}

Digest digest(std::string_view bytes, const Implementation& impl) noexcept {
    return digest(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), impl);
}

Digest toBytes(const State& state) noexcept {
    Digest out;
    for (std::size_t w = 0; w < state.size(); ++w) {
        const std::uint32_t bigEndian = toBigEndian(state[w]);
        std::memcpy(out.data() + 4 * w, &bigEndian, 4);
    }
    return out;
}

std::string_view toHex(const Digest& digest, std::array<char, 2 * kDigestSize>& out) noexcept {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < digest.size(); ++i) {
        out[2 * i] = kDigits[digest[i] >> 4];
        out[2 * i + 1] = kDigits[digest[i] & 0x0F];
    }
    return {out.data(), out.size()};
}

}  // namespace korbit::engine::sha256

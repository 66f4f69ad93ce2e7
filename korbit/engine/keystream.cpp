#include "korbit/engine/keystream.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>

#include "korbit/engine/sha256.h"

namespace korbit::engine {

namespace {

// Digest words to key words: the 256-bit digest shifted left by one nibble,
// with the last nibble kept in place (see keyFromDigest). Word w holds key
// bytes 4w..4w+3, most significant first.
inline void keyWords(const sha256::State& h, std::uint32_t (&key)[8]) noexcept {
    for (std::size_t w = 0; w + 1 < 8; ++w) {
        key[w] = (h[w] << 4) | (h[w + 1] >> 28);
    }
    key[7] = ((h[7] << 4) & 0xFFFFFF00U) | (h[7] & 0x0FU);
}

inline std::uint32_t byteSwapIfLittle(std::uint32_t word) noexcept {
    if constexpr (std::endian::native == std::endian::little) {
        return __builtin_bswap32(word);
    } else {
        return word;
    }
}

inline void storeKey(const sha256::State& h, BlockKey& key) noexcept {
    std::uint32_t words[8];
    keyWords(h, words);
    for (std::size_t w = 0; w < 8; ++w) {
        const std::uint32_t bigEndian = byteSwapIfLittle(words[w]);
        std::memcpy(key.data() + 4 * w, &bigEndian, 4);
    }
}

}  // namespace

Keystream::Keystream(std::u16string_view password, std::int32_t seed, const sha256::Implementation& impl)
    : impl_(&impl), seed_(seed), prefixState_(sha256::kInitialState) {
    std::string prefix = lowBytes(password);
    prefix.push_back('?');
    prefixBytes_ = prefix.size();
    const std::size_t whole = prefix.size() / sha256::kBlockSize;
    if (whole > 0) {
        impl_->compress(prefixState_, reinterpret_cast<const std::uint8_t*>(prefix.data()), whole);
    }
    prefixTail_ = prefix.substr(whole * sha256::kBlockSize);
}

std::size_t Keystream::finalBlocks(std::int32_t counter, std::uint8_t (&blocks)[2 * sha256::kBlockSize]) const noexcept {
    // What is left of the prefix, then the counter's digits, then the padding.
    const std::size_t tail = prefixTail_.size();
    std::memcpy(blocks, prefixTail_.data(), tail);
    char* digitsAt = reinterpret_cast<char*>(blocks + tail);
    const auto digits = static_cast<std::size_t>(std::to_chars(digitsAt, digitsAt + 11, counter).ptr - digitsAt);
    return sha256::padFinalBlocks(blocks, tail + digits, prefixBytes_ + digits);
}

BlockKey Keystream::keyFor(std::int32_t counter) const noexcept {
    alignas(16) std::uint8_t blocks[2 * sha256::kBlockSize];
    sha256::State state = prefixState_;
    impl_->compress(state, blocks, finalBlocks(counter, blocks));

    BlockKey key;
    storeKey(state, key);
    return key;
}

void Keystream::apply(std::span<std::uint8_t> data, std::uint64_t firstBlock) const noexcept {
    // Blocks go in pairs so that the digest can work on two at once.
    std::uint64_t block = firstBlock;
    std::size_t at = 0;
    while (at < data.size()) {
        alignas(16) std::uint8_t first[2 * sha256::kBlockSize];
        alignas(16) std::uint8_t second[2 * sha256::kBlockSize];
        sha256::State firstState = prefixState_;
        const std::size_t firstCount = finalBlocks(blockCounter(seed_, block), first);
        const std::size_t firstLength = std::min(kBlockBytes, data.size() - at);
        if (at + kBlockBytes >= data.size()) {
            impl_->compress(firstState, first, firstCount);
            xorWithKey(data.subspan(at, firstLength), firstState);
            break;
        }
        sha256::State secondState = prefixState_;
        const std::size_t secondCount = finalBlocks(blockCounter(seed_, block + 1), second);
        if (firstCount == secondCount) {
            impl_->compressPair(firstState, first, secondState, second, firstCount);
        } else {
            impl_->compress(firstState, first, firstCount);
            impl_->compress(secondState, second, secondCount);
        }
        xorWithKey(data.subspan(at, firstLength), firstState);
        xorWithKey(data.subspan(at + kBlockBytes, std::min(kBlockBytes, data.size() - at - kBlockBytes)), secondState);
        at += 2 * kBlockBytes;
        block += 2;
    }
}

void Keystream::fillKeys(std::uint64_t firstBlock, std::span<BlockKey> keys) const noexcept {
    std::size_t i = 0;
    for (; i + 1 < keys.size(); i += 2) {
        alignas(16) std::uint8_t first[2 * sha256::kBlockSize];
        alignas(16) std::uint8_t second[2 * sha256::kBlockSize];
        sha256::State firstState = prefixState_;
        sha256::State secondState = prefixState_;
        const std::size_t firstCount = finalBlocks(blockCounter(seed_, firstBlock + i), first);
        const std::size_t secondCount = finalBlocks(blockCounter(seed_, firstBlock + i + 1), second);
        if (firstCount == secondCount) {
            impl_->compressPair(firstState, first, secondState, second, firstCount);
        } else {
            impl_->compress(firstState, first, firstCount);
            impl_->compress(secondState, second, secondCount);
        }
        storeKey(firstState, keys[i]);
        storeKey(secondState, keys[i + 1]);
    }
    if (i < keys.size()) {
        keys[i] = keyFor(blockCounter(seed_, firstBlock + i));
    }
}

void Keystream::xorBlock(std::span<std::uint8_t> block, const BlockKey& key) noexcept {
    std::uint8_t* p = block.data();
    if (block.size() == kBlockBytes) {
        std::uint64_t d[4], k[4];
        std::memcpy(d, p, kBlockBytes);
        std::memcpy(k, key.data(), kBlockBytes);
        for (std::size_t w = 0; w < 4; ++w) {
            d[w] ^= k[w];
        }
        std::memcpy(p, d, kBlockBytes);
    } else {
        for (std::size_t j = 0; j < block.size(); ++j) {
            p[j] = static_cast<std::uint8_t>(p[j] ^ key[j]);
        }
    }
}

void Keystream::xorWithKey(std::span<std::uint8_t> block, const sha256::State& digestState) noexcept {
    std::uint32_t words[8];
    keyWords(digestState, words);
    std::uint8_t* p = block.data();
    if (block.size() == kBlockBytes) {
        for (std::size_t w = 0; w < 8; ++w) {
            std::uint32_t d;
            std::memcpy(&d, p + 4 * w, 4);
            d ^= byteSwapIfLittle(words[w]);
            std::memcpy(p + 4 * w, &d, 4);
        }
    } else {
        for (std::size_t j = 0; j < block.size(); ++j) {
            p[j] = static_cast<std::uint8_t>(p[j] ^ (words[j / 4] >> (24 - 8 * (j % 4))));
        }
    }
}

}  // namespace korbit::engine

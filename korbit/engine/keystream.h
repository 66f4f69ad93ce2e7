// The key stream of one container: the password check and the key of every
// data block, for one password and one Seed. It yields exactly the bytes of
// DeriveBlockKey(keyText(password, counter)), but works out the part of the
// digest that is the same for every counter once, when it is made (the
// whole 64-byte blocks of password + "?", and for each number of digits the
// rounds and schedule words that do not depend on the digits), and then
// makes the keys of consecutive blocks many at once with the fastest
// implementation this processor has (keystream_implementations.h): in runs
// of counters that differ only in their last four digits where it can
// (keystream_runs.h), lane by lane from the digit count's plan elsewhere
// (keystream_lanes.h).
//
// A Keystream does not change once made: any number of threads may use one
// at the same time.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "korbit/engine/container.h"
#include "korbit/engine/keystream_implementations.h"

namespace korbit::engine {

class Keystream {
public:
    Keystream(std::u16string_view password, std::int32_t seed,
              const keylanes::Implementation& impl = keylanes::active());

    std::int32_t seed() const noexcept { return seed_; }
    const keylanes::Implementation& implementation() const noexcept { return *impl_; }

    // The key of any counter value.
    BlockKey keyFor(std::int32_t counter) const noexcept;

    // The 32 bytes stored after the header.
    BlockKey passwordCheck() const noexcept { return keyFor(checkCounter(seed_)); }

    // The keys of blocks firstBlock, firstBlock+1, ... into `keys`, to be
    // XORed block by block (xorBlock). The caller keeps
    // firstBlock + keys.size() within kMaxBlocks. The plan of a run is
    // worked out once per call and run, so calls of a few thousand keys and
    // more go at full speed.
    void fillKeys(std::uint64_t firstBlock, std::span<BlockKey> keys) const noexcept;

    // XORs one block (1 to 32 bytes) with the first bytes of `key`. Inline:
    // block-by-block callers call it once per 32 bytes.
    static void xorBlock(std::span<std::uint8_t> block, const BlockKey& key) noexcept {
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

private:
    // Keys of consecutive counters from `first`, all with the same number of
    // characters, at most kMaxLanes of them, by the general kernel.
    void makeRun(std::int32_t first, std::span<BlockKey> keys) const noexcept;

    const keylanes::Implementation* impl_;
    std::int32_t seed_;
    std::vector<keylanes::DigitsPlan> plans_;  // by the counter's number of characters, 1..kMaxDigits
};

}  // namespace korbit::engine

// The key stream of one container: the password check and the key of every
// data block, for one password and one Seed. It yields exactly the bytes of
// DeriveBlockKey(keyText(password, counter)), but digests the constant part
// of the key text once and builds each final digest block in place, so a
// block costs one compression for passwords of up to 43 characters, and
// blocks are digested two at a time.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "korbit/engine/container.h"
#include "korbit/engine/digest.h"

namespace korbit::engine {

class Keystream {
public:
    Keystream(std::u16string_view password, std::int32_t seed,
              const sha256::Implementation& impl = sha256::active());

    std::int32_t seed() const noexcept { return seed_; }

    // The key of any counter value.
    BlockKey keyFor(std::int32_t counter) const noexcept;

    // The 32 bytes stored after the header.
    BlockKey passwordCheck() const noexcept { return keyFor(checkCounter(seed_)); }

    // XORs `data` in place with the keys of blocks firstBlock, firstBlock+1, ...
    // Every block is 32 bytes but the last, which may be shorter and is XORed
    // with the first bytes of its key. The caller keeps firstBlock + blocks
    // within kMaxBlocks.
    void apply(std::span<std::uint8_t> data, std::uint64_t firstBlock) const noexcept;

    // The keys of blocks firstBlock, firstBlock+1, ... into `keys`, two at a
    // time: what apply() uses, for callers that XOR block by block.
    void fillKeys(std::uint64_t firstBlock, std::span<BlockKey> keys) const noexcept;

    // XORs one block (1 to 32 bytes) with the first bytes of `key`.
    static void xorBlock(std::span<std::uint8_t> block, const BlockKey& key) noexcept;

private:
    // Writes the final digest blocks of the key text of `counter` (what
    // follows the whole prefix blocks) and returns how many there are.
    std::size_t finalBlocks(std::int32_t counter, std::uint8_t (&blocks)[2 * sha256::kBlockSize]) const noexcept;

    // XORs one block (1 to 32 bytes) with the start of the key of a digest.
    static void xorWithKey(std::span<std::uint8_t> block, const sha256::State& digestState) noexcept;

    const sha256::Implementation* impl_;
    std::int32_t seed_;
    sha256::State prefixState_;   // after the whole 64-byte blocks of password + "?"
    std::string prefixTail_;      // what follows them, fewer than 64 bytes
    std::uint64_t prefixBytes_;   // length of password + "?"
};

}  // namespace korbit::engine

// The key stream of one container: the password check and the key of every
// data block, for one password and one Seed. It yields exactly the bytes of
// DeriveBlockKey(keyText(password, counter)), but digests the constant part
// of the key text once and builds each final digest block in place, so a
// block costs one compression for passwords of up to 43 characters.
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

private:
    // The digest state after the whole key text of `counter`.
    sha256::State digestOf(std::int32_t counter) const noexcept;

    const sha256::Implementation* impl_;
    std::int32_t seed_;
    sha256::State prefixState_;   // after the whole 64-byte blocks of password + "?"
    std::string prefixTail_;      // what follows them, fewer than 64 bytes
    std::uint64_t prefixBytes_;   // length of password + "?"
};

}  // namespace korbit::engine

// The encrypted container: header, password check and block keys.
//
//   offset  size  field
//   0       4     Magic            "xjeS"
//   4       2     n                byte length of PlainExtension, little-endian
//   6       n     PlainExtension   "." + extension, Windows-1252, no terminator
//   6+n     2     PlainAttributes  16-bit signed, little-endian
//   8+n     4     Seed             32-bit signed, little-endian, 0..2^31-1
//   12+n    32    PasswordCheck    DeriveBlockKey(password + "?" + Seed)
//   44+n    rest  data             plain bytes XORed, 32 at a time, with the
//                                  key of counter (NOT Seed) + k for block k
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "korbit/engine/digest.h"
#include "korbit/engine/status.h"

namespace korbit::engine {

inline constexpr std::array<std::uint8_t, 4> kContainerMagic = {0x78, 0x6A, 0x65, 0x53};  // "xjeS"
inline constexpr std::size_t kBlockBytes = 32;
inline constexpr std::size_t kPasswordCheckBytes = 32;
inline constexpr std::size_t kFixedHeaderBytes = 12;  // everything but PlainExtension's text
inline constexpr std::int32_t kMaxSeed = 2147483647;

// Block k uses counter (NOT Seed) + k, a signed 32-bit value that must not
// wrap: 2^31 blocks are numbered safely whatever the seed (64 GiB of data).
inline constexpr std::uint64_t kMaxBlocks = std::uint64_t{1} << 31;
// The largest file a container holds: 64 GiB.
inline constexpr std::uint64_t kMaxFileBytes = kMaxBlocks * kBlockBytes;

using BlockKey = std::array<std::uint8_t, kBlockBytes>;

struct ContainerHeader {
    std::array<std::uint8_t, 4> Magic = kContainerMagic;
    std::string PlainExtension;        // bytes in Windows-1252, "." + extension
    std::int16_t PlainAttributes = 0;  // the plain file's attribute word
    std::int32_t Seed = 0;

    // Bytes the header occupies on disk, PasswordCheck not included.
    std::size_t encodedSize() const noexcept { return kFixedHeaderBytes + PlainExtension.size(); }

    bool operator==(const ContainerHeader&) const = default;
};

// "." followed by `extension` (without its dot) in the container's code page.
std::string makePlainExtension(std::u16string_view extension);

// makePlainExtension for the extension of a file's name as the platform
// carries names: a character U+DC80 to U+DCFF stands for a byte of the name
// that is no UTF-8, and is stored as that very byte (the character it is in
// the container's code page).
std::string storedPlainExtension(std::u16string_view extension);

// The header's bytes; fails with InvalidArgument when PlainExtension is longer
// than its 16-bit length field can count.
Result<std::vector<std::uint8_t>> encodeHeader(const ContainerHeader& header);

// Parses a header from the start of `bytes`. Fails with NotAContainer when
// the bytes differ from the signature (as far as there are any), and with
// WrongPassword when they end inside the header: a cut container cannot be
// opened with any password.
Result<ContainerHeader> decodeHeader(std::span<const std::uint8_t> bytes);

// True when `firstBytes` starts with the container signature.
bool hasContainerMagic(std::span<const std::uint8_t> firstBytes) noexcept;

// Data blocks of a plain file of `bytes` bytes (the last may be short).
constexpr std::uint64_t blocksOf(std::uint64_t bytes) noexcept { return (bytes + kBlockBytes - 1) / kBlockBytes; }

// A new Seed for a container of `blocks` data blocks, uniform over the seeds
// that keep every block's key out of reach of any password check: the check
// of a container is the key of counter Seed, never negative, so a Seed of at
// least `blocks` makes every data counter negative, and no data block ever
// shares its key with the stored check of any container made with the same
// password. Where that leaves too few seeds (more than 2^30 blocks), the
// Seed is at least half the block count, which still keeps the container's
// own check apart from its blocks (block 2 Seed + 1 would share it).
// `randomWord` gives uniformly random 32-bit words.
std::int32_t NewSeed(std::uint64_t blocks, const std::function<std::uint32_t()>& randomWord);

// The lowest Seed NewSeed may give for `blocks` data blocks.
constexpr std::int32_t lowestSeedFor(std::uint64_t blocks) noexcept {
    const std::uint64_t lowest = blocks <= (std::uint64_t{1} << 30) ? blocks : (blocks + 1) / 2;
    return static_cast<std::int32_t>(lowest < static_cast<std::uint64_t>(kMaxSeed) ? lowest : kMaxSeed);
}

// Counters of the key texts.
constexpr std::int32_t checkCounter(std::int32_t seed) noexcept { return seed; }
constexpr std::int32_t blockCounter(std::int32_t seed, std::uint64_t block) noexcept {
    return static_cast<std::int32_t>(~static_cast<std::uint32_t>(seed) + static_cast<std::uint32_t>(block));
}

// The key text of a counter: password, "?", counter in decimal.
std::u16string keyText(std::u16string_view password, std::int32_t counter);

// The 32 key bytes of a digest. The key is read from the digest's hex text:
// byte i (1-based) is the pair of digits starting at digit 2i, and byte 32 is
// the last digit alone, so the first digit is never used. On bytes that is the
// digest shifted left by one nibble, with the last nibble kept as it is.
BlockKey keyFromDigest(const sha256::Digest& digest) noexcept;

// The key of a key text: digest of its low bytes, then keyFromDigest.
BlockKey DeriveBlockKey(std::u16string_view text);

// Data XOR key, byte by byte; empty when the lengths differ.
std::vector<std::uint8_t> XorBlock(std::span<const std::uint8_t> data, std::span<const std::uint8_t> key);

}  // namespace korbit::engine

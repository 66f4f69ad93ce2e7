// SHA-256 on bytes (FIPS 180-4), the primitive under every key the engine
// derives. Two compression functions exist: a portable one and one built on
// the x86 SHA extensions. The fastest one the processor supports is chosen
// once, on first use; both stay reachable so that each can be tested and
// measured on its own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace korbit::engine::sha256 {

inline constexpr std::size_t kBlockSize = 64;
inline constexpr std::size_t kDigestSize = 32;

using Digest = std::array<std::uint8_t, kDigestSize>;
using State = std::array<std::uint32_t, 8>;

// Runs the compression function over `blockCount` consecutive 64-byte blocks,
// updating `state` in place.
using CompressFn = void (*)(State& state, const std::uint8_t* blocks, std::size_t blockCount);

struct Implementation {
    std::string_view name;
    CompressFn compress;
};

// The standard's initial hash values H(0).
inline constexpr State kInitialState = {0x6a09e667U, 0xbb67ae85U, 0x3c6ef372U, 0xa54ff53aU,
                                        0x510e527fU, 0x9b05688cU, 0x1f83d9abU, 0x5be0cd19U};

// Always available.
const Implementation& portable() noexcept;

// The SHA-extension implementation, or nullptr when this build or this
// processor has none.
const Implementation* shaExtensions() noexcept;

// The implementation chosen for this process: SHA extensions when present,
// otherwise portable. Chosen on the first call, never changed afterwards.
const Implementation& active() noexcept;

// Incremental hasher. Copying one forks a common prefix.
class Hasher {
public:
    explicit Hasher(const Implementation& impl = active()) noexcept : impl_(&impl) {}

    void update(std::span<const std::uint8_t> bytes) noexcept;
    void update(std::string_view bytes) noexcept {
        update(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    }

    // Pads, finishes and returns the digest. The hasher must not be used
    // afterwards without reset().
    Digest finish() noexcept;

    void reset() noexcept;

private:
    const Implementation* impl_;
    State state_ = kInitialState;
    std::array<std::uint8_t, kBlockSize> buffer_{};
    std::size_t buffered_ = 0;
    std::uint64_t totalBytes_ = 0;
};

// Completes the last blocks of a message in `blocks` (room for two blocks):
// `used` message bytes already stand at its start, `messageBytes` is the
// length of the whole message. Appends 0x80, zeros and the bit length, and
// returns how many blocks (1 or 2) are now ready to compress.
std::size_t padFinalBlocks(std::uint8_t (&blocks)[2 * kBlockSize], std::size_t used,
                           std::uint64_t messageBytes) noexcept;

// One-shot digest of `bytes`.
Digest digest(std::span<const std::uint8_t> bytes, const Implementation& impl = active()) noexcept;
Digest digest(std::string_view bytes, const Implementation& impl = active()) noexcept;

// Writes the state words big-endian, as the standard outputs H0..H7.
Digest toBytes(const State& state) noexcept;

// 64 lower-case hexadecimal digits.
std::string_view toHex(const Digest& digest, std::array<char, 2 * kDigestSize>& out) noexcept;

}  // namespace korbit::engine::sha256

// The lane kernel on plain 32-bit words, two keys at a time (their rounds
// interleaved, for the processor to overlap): any processor.
#include "korbit/engine/digest_functions.h"
#include "korbit/engine/keystream_implementations.h"

#define KORBIT_LANES_TARGET
#include "korbit/engine/keystream_kernel.h"
#include "korbit/engine/keystream_run_kernel.h"

namespace korbit::engine::keylanes {

namespace {

struct PortableOps {
    using V = std::uint32_t;
    static constexpr std::size_t kWidth = 1;

    static V set1(std::uint32_t x) noexcept { return x; }
    static V laneIndex() noexcept { return 0; }
    static V add(V x, V y) noexcept { return x + y; }
    static V sub(V x, V y) noexcept { return x - y; }
    static V mulLow(V x, V y) noexcept { return x * y; }
    static V orBits(V x, V y) noexcept { return x | y; }
    template <int N>
    static V shiftRight(V x) noexcept {
        return x >> N;
    }
    // By 0 to 32 bits; 32 gives 0, as the vector shifts do.
    static V shiftLeft(V x, std::uint32_t n) noexcept { return n < 32 ? x << n : 0; }
    static V shiftRightBy(V x, std::uint32_t n) noexcept { return n < 32 ? x >> n : 0; }
    static V lookup4(const std::uint32_t* table, V index) noexcept { return table[index]; }
    static V bigSigma0(V x) noexcept { return sha256::bigSigma0(x); }
    static V bigSigma1(V x) noexcept { return sha256::bigSigma1(x); }
    static V smallSigma0(V x) noexcept { return sha256::smallSigma0(x); }
    static V smallSigma1(V x) noexcept { return sha256::smallSigma1(x); }
    static V ch(V x, V y, V z) noexcept { return sha256::ch(x, y, z); }
    static V maj(V x, V y, V z) noexcept { return sha256::maj(x, y, z); }
    static V keyWord(V x, V next) noexcept { return (x << 4) | (next >> 28); }
    static V lastKeyWord(V x) noexcept { return ((x << 4) & 0xFFFFFF00U) | (x & 0x0FU); }
    static void storeKeys(const V (&k)[8], BlockKey* keys, std::size_t /*count: always 1*/) noexcept {
        BlockKey& key = keys[0];
        for (std::size_t w = 0; w < 8; ++w) {
            key[4 * w] = static_cast<std::uint8_t>(k[w] >> 24);
            key[4 * w + 1] = static_cast<std::uint8_t>(k[w] >> 16);
            key[4 * w + 2] = static_cast<std::uint8_t>(k[w] >> 8);
            key[4 * w + 3] = static_cast<std::uint8_t>(k[w]);
        }
    }
};

void makeKeysPortable(const DigitsPlan& plan, const LaneDigits& digits, std::size_t count, BlockKey* keys) noexcept {
    laneKeysInGroups<Twice<PortableOps>>(plan, digits, 0, count, keys);
}

constexpr Implementation kPortable{"portable", &makeKeysPortable, Twice<PortableOps>::kWidth,
                                   &runKeys<Twice<PortableOps>, RunForm::kStraight>};

}  // namespace

const Implementation& portable() noexcept { return kPortable; }

}  // namespace korbit::engine::keylanes

// The lane kernel on AVX-512 (F and VL): sixteen key texts per 512-bit
// register, two registers' worth interleaved. Rotations are single vprord
// instructions and each three-input function (Ch, Maj, the XORs of the
// sigmas) a single vpternlogd.
#include "korbit/engine/keystream_implementations.h"

#if defined(__x86_64__) || defined(__i386__)

// GCC 12's AVX-512 intrinsics leave their "undefined" vectors initialised
// from themselves, and GCC then warns about its own header once they are
// inlined; the warning is switched off for that header's lines only.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#include "korbit/engine/cpu_features.h"

#define KORBIT_LANES_TARGET __attribute__((target("avx512f,avx512vl")))
#include "korbit/engine/keystream_kernel.h"
#include "korbit/engine/keystream_run_kernel.h"

namespace korbit::engine::keylanes {

namespace {

// vpternlogd truth tables, inputs in the order x, y, z.
constexpr int kXor3 = 0x96;
constexpr int kChoose = 0xCA;  // x ? y : z, bit by bit
constexpr int kMajority = 0xE8;

struct Avx512Ops {
    using V = __m512i;
    static constexpr std::size_t kWidth = 16;

    static KORBIT_LANES_INLINE V set1(std::uint32_t x) noexcept { return _mm512_set1_epi32(static_cast<int>(x)); }
    static KORBIT_LANES_INLINE V laneIndex() noexcept {
        return _mm512_set_epi32(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
    }
    static KORBIT_LANES_INLINE V add(V x, V y) noexcept { return _mm512_add_epi32(x, y); }
    static KORBIT_LANES_INLINE V sub(V x, V y) noexcept { return _mm512_sub_epi32(x, y); }
    static KORBIT_LANES_INLINE V mulLow(V x, V y) noexcept { return _mm512_mullo_epi32(x, y); }
    static KORBIT_LANES_INLINE V orBits(V x, V y) noexcept { return _mm512_or_si512(x, y); }
    template <int N>
    static KORBIT_LANES_INLINE V shiftRight(V x) noexcept {
        return _mm512_srli_epi32(x, N);
    }
    // By 0 to 32 bits; 32 gives 0.
    static KORBIT_LANES_INLINE V shiftLeft(V x, std::uint32_t n) noexcept {
        return _mm512_sll_epi32(x, _mm_cvtsi32_si128(static_cast<int>(n)));
    }
    static KORBIT_LANES_INLINE V shiftRightBy(V x, std::uint32_t n) noexcept {
        return _mm512_srl_epi32(x, _mm_cvtsi32_si128(static_cast<int>(n)));
    }
    // table[index] for indices 0..3.
    static KORBIT_LANES_INLINE V lookup4(const std::uint32_t* table, V index) noexcept {
        const V entries = _mm512_broadcast_i32x4(_mm_load_si128(reinterpret_cast<const __m128i*>(table)));
        return _mm512_permutexvar_epi32(index, entries);
    }
    static KORBIT_LANES_INLINE V bigSigma0(V x) noexcept {
        return _mm512_ternarylogic_epi32(_mm512_ror_epi32(x, 2), _mm512_ror_epi32(x, 13), _mm512_ror_epi32(x, 22),
                                         kXor3);
    }
    static KORBIT_LANES_INLINE V bigSigma1(V x) noexcept {
        return _mm512_ternarylogic_epi32(_mm512_ror_epi32(x, 6), _mm512_ror_epi32(x, 11), _mm512_ror_epi32(x, 25),
                                         kXor3);
    }
    static KORBIT_LANES_INLINE V smallSigma0(V x) noexcept {
        return _mm512_ternarylogic_epi32(_mm512_ror_epi32(x, 7), _mm512_ror_epi32(x, 18), _mm512_srli_epi32(x, 3),
                                         kXor3);
    }
    static KORBIT_LANES_INLINE V smallSigma1(V x) noexcept {
        return _mm512_ternarylogic_epi32(_mm512_ror_epi32(x, 17), _mm512_ror_epi32(x, 19), _mm512_srli_epi32(x, 10),
                                         kXor3);
    }
    static KORBIT_LANES_INLINE V ch(V x, V y, V z) noexcept { return _mm512_ternarylogic_epi32(x, y, z, kChoose); }
    static KORBIT_LANES_INLINE V maj(V x, V y, V z) noexcept { return _mm512_ternarylogic_epi32(x, y, z, kMajority); }
    static KORBIT_LANES_INLINE V keyWord(V x, V next) noexcept {
        return _mm512_or_si512(_mm512_slli_epi32(x, 4), _mm512_srli_epi32(next, 28));
    }
    static KORBIT_LANES_INLINE V lastKeyWord(V x) noexcept {
        return _mm512_or_si512(_mm512_and_si512(_mm512_slli_epi32(x, 4), set1(0xFFFFFF00U)),
                               _mm512_and_si512(x, set1(0x0FU)));
    }
    // Big-endian bytes without AVX512BW's byte shuffle: the top and third
    // bytes come from rotating right by 8, the other two from rotating left.
    static KORBIT_LANES_INLINE V byteSwap(V x) noexcept {
        return _mm512_ternarylogic_epi32(set1(0xFF00FF00U), _mm512_ror_epi32(x, 8), _mm512_rol_epi32(x, 8), kChoose);
    }
    // Row w holds word w of sixteen keys; key i wants its eight words
    // together. Within each 128-bit quarter j the unpacks gather words 0..3
    // (u[m]) and 4..7 (u[4+m]) of key 4j+m; one two-source permutation per
    // pair of quarters then puts both halves of two keys side by side.
    static KORBIT_LANES_INLINE void storeKeys(const V (&k)[8], BlockKey* keys, std::size_t count) noexcept {
        V r[8];
        KORBIT_LANES_UNROLL
        for (std::size_t w = 0; w < 8; ++w) {
            r[w] = byteSwap(k[w]);
        }
        const V t0 = _mm512_unpacklo_epi32(r[0], r[1]), t1 = _mm512_unpackhi_epi32(r[0], r[1]);
        const V t2 = _mm512_unpacklo_epi32(r[2], r[3]), t3 = _mm512_unpackhi_epi32(r[2], r[3]);
        const V t4 = _mm512_unpacklo_epi32(r[4], r[5]), t5 = _mm512_unpackhi_epi32(r[4], r[5]);
        const V t6 = _mm512_unpacklo_epi32(r[6], r[7]), t7 = _mm512_unpackhi_epi32(r[6], r[7]);
        const V u[8] = {_mm512_unpacklo_epi64(t0, t2), _mm512_unpackhi_epi64(t0, t2),
                        _mm512_unpacklo_epi64(t1, t3), _mm512_unpackhi_epi64(t1, t3),
                        _mm512_unpacklo_epi64(t4, t6), _mm512_unpackhi_epi64(t4, t6),
                        _mm512_unpacklo_epi64(t5, t7), _mm512_unpackhi_epi64(t5, t7)};
        // Quarters 0 and 1 (keys m and 4+m), quarters 2 and 3 (keys 8+m and 12+m).
        const V firstPair = _mm512_set_epi64(11, 10, 3, 2, 9, 8, 1, 0);
        const V secondPair = _mm512_set_epi64(15, 14, 7, 6, 13, 12, 5, 4);
        alignas(64) BlockKey spare[kWidth];
        BlockKey* out = count == kWidth ? keys : spare;
        KORBIT_LANES_UNROLL
        for (std::size_t m = 0; m < 4; ++m) {
            const V low = _mm512_permutex2var_epi64(u[m], firstPair, u[4 + m]);
            const V high = _mm512_permutex2var_epi64(u[m], secondPair, u[4 + m]);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out[m].data()), _mm512_castsi512_si256(low));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out[4 + m].data()), _mm512_extracti64x4_epi64(low, 1));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out[8 + m].data()), _mm512_castsi512_si256(high));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out[12 + m].data()), _mm512_extracti64x4_epi64(high, 1));
        }
        if (out == spare) {
            std::copy(spare, spare + count, keys);
        }
    }
};

KORBIT_LANES_TARGET void makeKeysAvx512(const DigitsPlan& plan, const LaneDigits& digits, std::size_t count,
                                        BlockKey* keys) noexcept {
    // Two groups at a time while more than one group's worth is left, then
    // at most one single group.
    using Pair = Twice<Avx512Ops>;
    const std::size_t paired = (count + Avx512Ops::kWidth - 1) / Pair::kWidth * Pair::kWidth;
    if (paired > 0) {
        laneKeysInGroups<Pair>(plan, digits, 0, std::min(paired, count), keys);
    }
    if (paired < count) {
        laneKeysInGroups<Avx512Ops>(plan, digits, paired, count, keys);
    }
}

constexpr Implementation kAvx512{"avx512", &makeKeysAvx512, Twice<Avx512Ops>::kWidth,
                                 &runKeys<Twice<Avx512Ops>, RunForm::kStraight>};

}  // namespace

const Implementation* avx512() noexcept { return cpuFeatures().avx512 ? &kAvx512 : nullptr; }

}  // namespace korbit::engine::keylanes

#else

namespace korbit::engine::keylanes {

const Implementation* avx512() noexcept { return nullptr; }

}  // namespace korbit::engine::keylanes

#endif

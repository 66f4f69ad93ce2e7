// The lane kernels on AVX2: eight key texts per 256-bit register. AVX2 has
// no rotate, so each rotation is two shifts and an OR, and no three-input
// logic: a round takes about 35 instructions per register of lanes, where
// the same code given AVX-512VL's three-input logic takes about 24. With only
// 16 registers a run's batch is one group of eight lanes, rolled (see
// RunLayout::batchRolled): two groups interleaved spill more than they gain.
#include "korbit/engine/keystream_implementations.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include "korbit/engine/cpu_features.h"

#define KORBIT_LANES_TARGET __attribute__((target("avx2")))
#include "korbit/engine/keystream_kernel.h"
#include "korbit/engine/keystream_run_kernel.h"

namespace korbit::engine::keylanes {

namespace {

struct Avx2Ops {
    using V = __m256i;
    static constexpr std::size_t kWidth = 8;

    static KORBIT_LANES_INLINE V set1(std::uint32_t x) noexcept { return _mm256_set1_epi32(static_cast<int>(x)); }
    static KORBIT_LANES_INLINE V laneIndex() noexcept { return _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7); }
    static KORBIT_LANES_INLINE V add(V x, V y) noexcept { return _mm256_add_epi32(x, y); }
    static KORBIT_LANES_INLINE V sub(V x, V y) noexcept { return _mm256_sub_epi32(x, y); }
    static KORBIT_LANES_INLINE V mulLow(V x, V y) noexcept { return _mm256_mullo_epi32(x, y); }
    static KORBIT_LANES_INLINE V orBits(V x, V y) noexcept { return _mm256_or_si256(x, y); }
    template <int N>
    static KORBIT_LANES_INLINE V shiftRight(V x) noexcept {
        return _mm256_srli_epi32(x, N);
    }
    // By 0 to 32 bits; 32 gives 0.
    static KORBIT_LANES_INLINE V shiftLeft(V x, std::uint32_t n) noexcept {
        return _mm256_sll_epi32(x, _mm_cvtsi32_si128(static_cast<int>(n)));
    }
    static KORBIT_LANES_INLINE V shiftRightBy(V x, std::uint32_t n) noexcept {
        return _mm256_srl_epi32(x, _mm_cvtsi32_si128(static_cast<int>(n)));
    }
    // table[index] for indices 0..3.
    static KORBIT_LANES_INLINE V lookup4(const std::uint32_t* table, V index) noexcept {
        const V entries = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(table)));
        return _mm256_permutevar8x32_epi32(entries, index);
    }
    template <int N>
    static KORBIT_LANES_INLINE V rotr(V x) noexcept {
        return _mm256_or_si256(_mm256_srli_epi32(x, N), _mm256_slli_epi32(x, 32 - N));
    }
    static KORBIT_LANES_INLINE V xor3(V x, V y, V z) noexcept { return _mm256_xor_si256(_mm256_xor_si256(x, y), z); }
    static KORBIT_LANES_INLINE V bigSigma0(V x) noexcept { return xor3(rotr<2>(x), rotr<13>(x), rotr<22>(x)); }
    static KORBIT_LANES_INLINE V bigSigma1(V x) noexcept { return xor3(rotr<6>(x), rotr<11>(x), rotr<25>(x)); }
    static KORBIT_LANES_INLINE V smallSigma0(V x) noexcept {
        return xor3(rotr<7>(x), rotr<18>(x), _mm256_srli_epi32(x, 3));
    }
    static KORBIT_LANES_INLINE V smallSigma1(V x) noexcept {
        return xor3(rotr<17>(x), rotr<19>(x), _mm256_srli_epi32(x, 10));
    }
    // (x AND y) XOR (NOT x AND z) = ((y XOR z) AND x) XOR z
    static KORBIT_LANES_INLINE V ch(V x, V y, V z) noexcept {
        return _mm256_xor_si256(_mm256_and_si256(_mm256_xor_si256(y, z), x), z);
    }
    // majority = y XOR ((x XOR y) AND (y XOR z)); a round's a XOR b is the
    // next round's b XOR c, so the compiler can keep it.
    static KORBIT_LANES_INLINE V maj(V x, V y, V z) noexcept {
        return _mm256_xor_si256(y, _mm256_and_si256(_mm256_xor_si256(x, y), _mm256_xor_si256(y, z)));
    }
    static KORBIT_LANES_INLINE V keyWord(V x, V next) noexcept {
        return _mm256_or_si256(_mm256_slli_epi32(x, 4), _mm256_srli_epi32(next, 28));
    }
    static KORBIT_LANES_INLINE V lastKeyWord(V x) noexcept {
        return _mm256_or_si256(_mm256_and_si256(_mm256_slli_epi32(x, 4), set1(0xFFFFFF00U)),
                               _mm256_and_si256(x, set1(0x0FU)));
    }
    // Key words to bytes (big-endian), then the 8 x 8 word transposition:
    // row w holds word w of eight keys, key i wants its eight words together.
    static KORBIT_LANES_INLINE void storeKeys(const V (&k)[8], BlockKey* keys, std::size_t count) noexcept {
        const V byteSwap = _mm256_set_epi8(12, 13, 14, 15, 8, 9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3, 12, 13, 14, 15, 8,
                                           9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3);
        V r[8];
        KORBIT_LANES_UNROLL
        for (std::size_t w = 0; w < 8; ++w) {
            r[w] = _mm256_shuffle_epi8(k[w], byteSwap);
        }
        const V t0 = _mm256_unpacklo_epi32(r[0], r[1]), t1 = _mm256_unpackhi_epi32(r[0], r[1]);
        const V t2 = _mm256_unpacklo_epi32(r[2], r[3]), t3 = _mm256_unpackhi_epi32(r[2], r[3]);
        const V t4 = _mm256_unpacklo_epi32(r[4], r[5]), t5 = _mm256_unpackhi_epi32(r[4], r[5]);
        const V t6 = _mm256_unpacklo_epi32(r[6], r[7]), t7 = _mm256_unpackhi_epi32(r[6], r[7]);
        // u[m], 128-bit half j: words 0..3 of key 4j+m; u[4+m]: its words 4..7.
        const V u[8] = {_mm256_unpacklo_epi64(t0, t2), _mm256_unpackhi_epi64(t0, t2),
                        _mm256_unpacklo_epi64(t1, t3), _mm256_unpackhi_epi64(t1, t3),
                        _mm256_unpacklo_epi64(t4, t6), _mm256_unpackhi_epi64(t4, t6),
                        _mm256_unpacklo_epi64(t5, t7), _mm256_unpackhi_epi64(t5, t7)};
        alignas(32) BlockKey spare[kWidth];
        BlockKey* out = count == kWidth ? keys : spare;
        KORBIT_LANES_UNROLL
        for (std::size_t m = 0; m < 4; ++m) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out[m].data()),
                                _mm256_permute2x128_si256(u[m], u[4 + m], 0x20));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out[4 + m].data()),
                                _mm256_permute2x128_si256(u[m], u[4 + m], 0x31));
        }
        if (out == spare) {
            std::copy(spare, spare + count, keys);
        }
    }
};

KORBIT_LANES_TARGET void makeKeysAvx2(const DigitsPlan& plan, const LaneDigits& digits, std::size_t count,
                                      BlockKey* keys) noexcept {
    laneKeysInGroups<Avx2Ops>(plan, digits, 0, count, keys);
}

constexpr Implementation kAvx2{"avx2", &makeKeysAvx2, Avx2Ops::kWidth, &runKeys<Avx2Ops, RunForm::kRolled>};

}  // namespace

const Implementation* avx2() noexcept { return cpuFeatures().avx2 ? &kAvx2 : nullptr; }

}  // namespace korbit::engine::keylanes

#else

namespace korbit::engine::keylanes {

const Implementation* avx2() noexcept { return nullptr; }

}  // namespace korbit::engine::keylanes

#endif

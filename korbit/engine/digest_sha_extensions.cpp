// Compression function on the x86 SHA extensions (SHA-NI). Each
// sha256rnds2 instruction performs two rounds; sha256msg1/msg2 extend the
// message schedule four words at a time. The state is kept as the ABEF/CDGH
// register pair the instructions expect.
#include "korbit/engine/digest.h"

#if defined(__x86_64__) || defined(__i386__)

#include <cpuid.h>
#include <immintrin.h>

#include <utility>

#include "korbit/engine/digest_constants.h"

#define KORBIT_SHA_TARGET __attribute__((target("sha,sse4.1,ssse3")))

namespace korbit::engine::sha256 {

namespace {

struct Lanes {
    __m128i abef;
    __m128i cdgh;
    __m128i msg[4];
    __m128i byteSwap;
    const std::uint8_t* block;
};

// Rounds 4i .. 4i+3, with the schedule words for later rounds prepared on the way.
template <int I>
KORBIT_SHA_TARGET __attribute__((always_inline)) inline void fourRounds(Lanes& s) noexcept {
    constexpr int cur = I % 4;
    constexpr int next = (I + 1) % 4;
    constexpr int prev = (I + 3) % 4;

    if constexpr (I < 4) {
        s.msg[cur] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s.block + 16 * I)),
                                      s.byteSwap);
    }
    __m128i wk = _mm_add_epi32(s.msg[cur], _mm_load_si128(reinterpret_cast<const __m128i*>(&kRoundConstants[4 * I])));
    s.cdgh = _mm_sha256rnds2_epu32(s.cdgh, s.abef, wk);
    if constexpr (I >= 3 && I <= 14) {
        const __m128i carried = _mm_alignr_epi8(s.msg[cur], s.msg[prev], 4);
        s.msg[next] = _mm_sha256msg2_epu32(_mm_add_epi32(s.msg[next], carried), s.msg[cur]);
    }
    wk = _mm_shuffle_epi32(wk, 0x0E);
    s.abef = _mm_sha256rnds2_epu32(s.abef, s.cdgh, wk);
    if constexpr (I >= 1 && I <= 12) {
        s.msg[prev] = _mm_sha256msg1_epu32(s.msg[prev], s.msg[cur]);
    }
}

template <int... I>
KORBIT_SHA_TARGET __attribute__((always_inline)) inline void allRounds(Lanes& s,
                                                                       std::integer_sequence<int, I...>) noexcept {
    (fourRounds<I>(s), ...);
}

KORBIT_SHA_TARGET __attribute__((always_inline)) inline Lanes loadState(const State& state) noexcept {
    // From H0..H7 in memory order to the ABEF / CDGH layout.
    Lanes s{};
    s.byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
    const __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[0]));
    const __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[4]));
    const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
    const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
    s.abef = _mm_alignr_epi8(cdab, efgh, 8);
    s.cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);
    return s;
}

KORBIT_SHA_TARGET __attribute__((always_inline)) inline void storeState(const Lanes& s, State& state) noexcept {
    const __m128i feba = _mm_shuffle_epi32(s.abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(s.cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[0]), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[4]), _mm_alignr_epi8(dchg, feba, 8));
}

KORBIT_SHA_TARGET void compressShaExtensions(State& state, const std::uint8_t* blocks,
                                             std::size_t blockCount) noexcept {
    Lanes s = loadState(state);
    for (; blockCount > 0; --blockCount, blocks += kBlockSize) {
        const __m128i abefSaved = s.abef;
        const __m128i cdghSaved = s.cdgh;
        s.block = blocks;
        allRounds(s, std::make_integer_sequence<int, 16>{});
        s.abef = _mm_add_epi32(s.abef, abefSaved);
        s.cdgh = _mm_add_epi32(s.cdgh, cdghSaved);
    }
    storeState(s, state);
}

// Two independent messages, their rounds interleaved group by group: one
// compression is a chain of dependent round instructions, and the second
// chain fills the gaps the first one leaves.
template <int... I>
KORBIT_SHA_TARGET __attribute__((always_inline)) inline void allRoundsPair(Lanes& x, Lanes& y,
                                                                           std::integer_sequence<int, I...>) noexcept {
    ((fourRounds<I>(x), fourRounds<I>(y)), ...);
}

KORBIT_SHA_TARGET void compressPairShaExtensions(State& first, const std::uint8_t* firstBlocks, State& second,
                                                 const std::uint8_t* secondBlocks, std::size_t blockCount) noexcept {
    Lanes x = loadState(first);
    Lanes y = loadState(second);
    for (; blockCount > 0; --blockCount, firstBlocks += kBlockSize, secondBlocks += kBlockSize) {
        const __m128i xAbef = x.abef, xCdgh = x.cdgh, yAbef = y.abef, yCdgh = y.cdgh;
        x.block = firstBlocks;
        y.block = secondBlocks;
        allRoundsPair(x, y, std::make_integer_sequence<int, 16>{});
        x.abef = _mm_add_epi32(x.abef, xAbef);
        x.cdgh = _mm_add_epi32(x.cdgh, xCdgh);
        y.abef = _mm_add_epi32(y.abef, yAbef);
        y.cdgh = _mm_add_epi32(y.cdgh, yCdgh);
    }
    storeState(x, first);
    storeState(y, second);
}

bool processorHasShaExtensions() noexcept {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) {
        return false;
    }
    const bool ssse3 = (ecx & (1U << 9)) != 0;
    const bool sse41 = (ecx & (1U << 19)) != 0;
    if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) {
        return false;
    }
    const bool sha = (ebx & (1U << 29)) != 0;
    return ssse3 && sse41 && sha;
}

constexpr Implementation kShaExtensions{"sha-extensions", &compressShaExtensions, &compressPairShaExtensions};

}  // namespace

const Implementation* shaExtensions() noexcept {
    static const bool available = processorHasShaExtensions();
    return available ? &kShaExtensions : nullptr;
}

}  // namespace korbit::engine::sha256

#else

namespace korbit::engine::sha256 {

const Implementation* shaExtensions() noexcept { return nullptr; }

}  // namespace korbit::engine::sha256

#endif

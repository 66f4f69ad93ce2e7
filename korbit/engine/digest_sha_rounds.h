// SHA-256 rounds on the x86 SHA extensions (SHA-NI), shared by the digest and
// the key stream. Each sha256rnds2 instruction performs two rounds;
// sha256msg1/msg2 extend the message schedule four words at a time. The
// state is kept as the ABEF/CDGH register pair the instructions expect.
//
// Everything here carries KORBIT_SHA_TARGET and may only run once the
// processor has been checked (cpuFeatures().shaExtensions).
#pragma once

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <cstddef>
#include <cstdint>
#include <utility>

#include "korbit/engine/digest.h"
#include "korbit/engine/digest_constants.h"

#define KORBIT_SHA_TARGET __attribute__((target("sha,sse4.1,ssse3")))
#define KORBIT_SHA_INLINE KORBIT_SHA_TARGET __attribute__((always_inline)) inline

namespace korbit::engine::sha256::shani {

struct Message {
    __m128i abef;
    __m128i cdgh;
    __m128i msg[4];  // W0..W15 to start with, then the schedule words as they are made
};

// Rounds 4i .. 4i+3, with the schedule words for later rounds prepared on the way.
template <int I>
KORBIT_SHA_INLINE void fourRounds(Message& s) noexcept {
    constexpr int cur = I % 4;
    constexpr int next = (I + 1) % 4;
    constexpr int prev = (I + 3) % 4;

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

// Four rounds of every message in `s`: independent chains, so that the
// processor can overlap one message's round instructions with another's.
template <int I, std::size_t... M>
KORBIT_SHA_INLINE void fourRoundsEach(Message* s, std::index_sequence<M...>) noexcept {
    (fourRounds<I>(s[M]), ...);
}

// The 64 rounds of `N` messages at once.
template <std::size_t N, int... I>
KORBIT_SHA_INLINE void allRounds(Message* s, std::integer_sequence<int, I...>) noexcept {
    (fourRoundsEach<I>(s, std::make_index_sequence<N>{}), ...);
}

// From H0..H7 in memory order to the ABEF / CDGH layout.
KORBIT_SHA_INLINE void loadState(const State& state, Message& s) noexcept {
    const __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[0]));
    const __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[4]));
    const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
    const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
    s.abef = _mm_alignr_epi8(cdab, efgh, 8);
    s.cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);
}

KORBIT_SHA_INLINE void storeState(const Message& s, State& state) noexcept {
    const __m128i feba = _mm_shuffle_epi32(s.abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(s.cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[0]), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[4]), _mm_alignr_epi8(dchg, feba, 8));
}

// W0..W15 from a 64-byte block (big-endian words).
KORBIT_SHA_INLINE void loadBlock(const std::uint8_t* block, Message& s) noexcept {
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
    for (int i = 0; i < 4; ++i) {
        s.msg[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)), byteSwap);
    }
}

// W0..W15 from words already in host order.
KORBIT_SHA_INLINE void loadWords(const std::uint32_t* words, Message& s) noexcept {
    for (int i = 0; i < 4; ++i) {
        s.msg[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words + 4 * i));
    }
}

}  // namespace korbit::engine::sha256::shani

#endif

// The kernels on the x86 SHA extensions, written once and compiled twice:
// with AVX encodings (keystream_sha_extensions.cpp) and with SSE encodings
// only (keystream_sha_extensions_sse.cpp), each file defining
// KORBIT_SHA_KEYS_TARGET, its function target, first. Everything here has
// internal linkage, so each file gets its own copy.
//
// Four key texts at a time, their round instructions interleaved. One
// message is a chain of dependent sha256rnds2 instructions; the other three
// fill the cycles it leaves idle. The round instructions take the whole
// block and make their own schedule, so of a plan only the message words and
// the state before the rounds serve here: for runs the state after the rounds
// before the digits (in pairs, as the instructions run them), for the general
// kernel the state after the prefix blocks. Four messages take 24 vector
// registers; with the 16 that SSE and AVX have, some go through the stack,
// which still beats interleaving fewer (two or three measured slower).
#pragma once

#ifndef KORBIT_SHA_KEYS_TARGET
#error "define KORBIT_SHA_KEYS_TARGET before including keystream_sha_kernel.h"
#endif

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "korbit/engine/digest_sha_rounds.h"
#include "korbit/engine/keystream_implementations.h"

#define KORBIT_SHA_KEYS_INLINE KORBIT_SHA_KEYS_TARGET __attribute__((always_inline)) inline

// For the runs' digits, worked out four lanes at a time (fourDigits).
#define KORBIT_LANES_TARGET KORBIT_SHA_KEYS_TARGET
#include "korbit/engine/keystream_kernel.h"
#include "korbit/engine/keystream_run_kernel.h"

namespace korbit::engine::keylanes {
namespace {

constexpr std::size_t kInterleaved = 4;

// The general kernel: any counters of one digit count, from its plan.
KORBIT_SHA_KEYS_TARGET void makeKeysShaExtensions(const DigitsPlan& plan, const LaneDigits& digits,
                                                  std::size_t count, BlockKey* keys) noexcept {
    sha256::shani::Message chain;
    sha256::shani::loadState(plan.chain, chain);
    // The final blocks of each interleaved message: the plan's constant
    // words, the digit words replaced lane by lane.
    alignas(16) std::uint32_t message[2][kInterleaved][16];
    for (std::size_t b = 0; b < plan.blockCount; ++b) {
        for (std::size_t i = 0; i < kInterleaved; ++i) {
            std::copy(plan.blocks[b].words.begin(), plan.blocks[b].words.begin() + 16, message[b][i]);
        }
    }
    for (std::size_t lane = 0; lane < count; lane += kInterleaved) {
        for (std::size_t i = 0; i < kInterleaved; ++i) {
            // Lanes past `count` repeat the last one.
            std::uint32_t rows[kWordRows];
            laneWords(digits, static_cast<std::uint32_t>(std::min(lane + i, count - 1)), rows);
            for (std::size_t b = 0; b < plan.blockCount; ++b) {
                const BlockPlan& block = plan.blocks[b];
                for (std::size_t t = 0; t < 16; ++t) {
                    if (((block.variable >> t) & 1U) != 0) {
                        message[b][i][t] = rows[static_cast<std::size_t>(static_cast<int>(t) + block.row)];
                    }
                }
            }
        }
        sha256::shani::Message m[kInterleaved];
        for (std::size_t i = 0; i < kInterleaved; ++i) {
            m[i].abef = chain.abef;
            m[i].cdgh = chain.cdgh;
        }
        for (std::size_t b = 0; b < plan.blockCount; ++b) {
            __m128i saved[kInterleaved][2];
            for (std::size_t i = 0; i < kInterleaved; ++i) {
                sha256::shani::loadWords(message[b][i], m[i]);
                saved[i][0] = m[i].abef;
                saved[i][1] = m[i].cdgh;
            }
            sha256::shani::allRounds<kInterleaved>(m, std::make_integer_sequence<int, 16>{});
            for (std::size_t i = 0; i < kInterleaved; ++i) {
                m[i].abef = _mm_add_epi32(m[i].abef, saved[i][0]);
                m[i].cdgh = _mm_add_epi32(m[i].cdgh, saved[i][1]);
            }
        }
        for (std::size_t i = 0; i < std::min(kInterleaved, count - lane); ++i) {
            sha256::State h;
            sha256::shani::storeState(m[i], h);
            storeKey(h, keys[lane + i]);
        }
    }
}

// What fourDigits needs of a lane vector, on SSE: one lane per message of a batch.
struct SseOps {
    using V = __m128i;
    static KORBIT_SHA_KEYS_INLINE V set1(std::uint32_t x) noexcept { return _mm_set1_epi32(static_cast<int>(x)); }
    static KORBIT_SHA_KEYS_INLINE V add(V x, V y) noexcept { return _mm_add_epi32(x, y); }
    static KORBIT_SHA_KEYS_INLINE V sub(V x, V y) noexcept { return _mm_sub_epi32(x, y); }
    static KORBIT_SHA_KEYS_INLINE V mulLow(V x, V y) noexcept { return _mm_mullo_epi32(x, y); }
    static KORBIT_SHA_KEYS_INLINE V orBits(V x, V y) noexcept { return _mm_or_si128(x, y); }
    template <int N>
    static KORBIT_SHA_KEYS_INLINE V shiftRight(V x) noexcept {
        return _mm_srli_epi32(x, N);
    }
    // By 0 to 32 bits; 32 gives 0.
    static KORBIT_SHA_KEYS_INLINE V shiftLeft(V x, std::uint32_t n) noexcept {
        return _mm_sll_epi32(x, _mm_cvtsi32_si128(static_cast<int>(n)));
    }
    static KORBIT_SHA_KEYS_INLINE V shiftRightBy(V x, std::uint32_t n) noexcept {
        return _mm_srl_epi32(x, _mm_cvtsi32_si128(static_cast<int>(n)));
    }
};

// The key of a final state (ABEF / CDGH, the chain already added), as
// storeKey makes it, on the vector registers.
KORBIT_SHA_KEYS_INLINE void storeKeyOfState(__m128i abef, __m128i cdgh, BlockKey& key) noexcept {
    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    const __m128i h0 = _mm_blend_epi16(feba, dchg, 0xF0);  // H0 H1 H2 H3
    const __m128i h4 = _mm_alignr_epi8(dchg, feba, 8);     // H4 H5 H6 H7
    const __m128i h1 = _mm_alignr_epi8(h4, h0, 4);         // H1 H2 H3 H4
    const __m128i h5 = _mm_srli_si128(h4, 4);              // H5 H6 H7 0
    const __m128i k0 = _mm_or_si128(_mm_slli_epi32(h0, 4), _mm_srli_epi32(h1, 28));
    __m128i k4 = _mm_or_si128(_mm_slli_epi32(h4, 4), _mm_srli_epi32(h5, 28));
    // The last key word keeps H7's last nibble where the others take the next word's first.
    k4 = _mm_or_si128(_mm_and_si128(k4, _mm_set_epi32(static_cast<int>(0xFFFFFF00U), -1, -1, -1)),
                      _mm_and_si128(h4, _mm_set_epi32(0x0F, 0, 0, 0)));
    const __m128i bigEndian = _mm_set_epi8(12, 13, 14, 15, 8, 9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(key.data()), _mm_shuffle_epi8(k0, bigEndian));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(key.data() + 16), _mm_shuffle_epi8(k4, bigEndian));
}

// Messages of a run made at once, their instructions interleaved.
constexpr int kRunMessages = 4;

// The run kernel for the layout whose last four digits start in word First.
template <int First>
struct ShaRun {
    using Message = sha256::shani::Message;
    static constexpr int kStart = First & ~1;  // the first round run: rounds go in pairs

    // Schedule words 4I..4I+3 in place of the four words sixteen before them.
    template <int I>
    static KORBIT_SHA_KEYS_INLINE void extend(__m128i (&w)[4]) noexcept {
        const __m128i sum = _mm_add_epi32(_mm_sha256msg1_epu32(w[I % 4], w[(I + 1) % 4]),
                                          _mm_alignr_epi8(w[(I + 3) % 4], w[(I + 2) % 4], 4));
        w[I % 4] = _mm_sha256msg2_epu32(sum, w[(I + 3) % 4]);
    }

    // Rounds 4I..4I+3 of one message, those before kStart left out.
    template <int I>
    static KORBIT_SHA_KEYS_INLINE void rounds(Message& s, __m128i k) noexcept {
        __m128i wk = _mm_add_epi32(s.msg[I % 4], k);
        if constexpr (4 * I >= kStart) {
            const __m128i next = _mm_sha256rnds2_epu32(s.cdgh, s.abef, wk);
            s.cdgh = s.abef;
            s.abef = next;
        }
        wk = _mm_shuffle_epi32(wk, 0x0E);
        const __m128i next = _mm_sha256rnds2_epu32(s.cdgh, s.abef, wk);
        s.cdgh = s.abef;
        s.abef = next;
    }

    template <int I, int... M>
    static KORBIT_SHA_KEYS_INLINE void quarter(Message (&m)[kRunMessages], std::integer_sequence<int, M...>) noexcept {
        if constexpr (I >= 4) {
            (extend<I>(m[M].msg), ...);
        }
        if constexpr (4 * I + 4 > kStart) {
            const __m128i k = _mm_load_si128(reinterpret_cast<const __m128i*>(&sha256::kRoundConstants[4 * I]));
            (rounds<I>(m[M], k), ...);
        }
    }

    template <int... I>
    static KORBIT_SHA_KEYS_INLINE void quarters(Message (&m)[kRunMessages], std::integer_sequence<int, I...>) noexcept {
        (quarter<I>(m, std::make_integer_sequence<int, kRunMessages>{}), ...);
    }

    // Word `Word` of message M's block: lane M of `lanes` in place of the
    // run's word.
    template <int Word, int M>
    static KORBIT_SHA_KEYS_INLINE __m128i withLane(__m128i quarter, __m128i lanes) noexcept {
        return _mm_blend_epi16(quarter, _mm_shuffle_epi32(lanes, M * 0x55), 3 << (2 * (Word % 4)));
    }

    // Message M of a batch: the run's words with its lane's digit words put in.
    template <int M>
    static KORBIT_SHA_KEYS_INLINE void prepare(const __m128i (&words)[4], const Message& start, __m128i firstWords,
                                          __m128i secondWords, Message& m) noexcept {
        for (std::size_t q = 0; q < 4; ++q) {
            m.msg[q] = words[q];
        }
        m.msg[First / 4] = withLane<First, M>(m.msg[First / 4], firstWords);
        m.msg[(First + 1) / 4] = withLane<First + 1, M>(m.msg[(First + 1) / 4], secondWords);
        m.abef = start.abef;
        m.cdgh = start.cdgh;
    }

    template <int... M>
    static KORBIT_SHA_KEYS_INLINE void batch(const RunPlan& run, const __m128i (&words)[4], const Message& start,
                                        const Message& chain, std::uint32_t low, BlockKey* keys,
                                        std::integer_sequence<int, M...>) noexcept {
        const __m128i index = _mm_setr_epi32(0, 1, 2, 3);
        const __m128i lanes = run.descending ? _mm_sub_epi32(_mm_set1_epi32(static_cast<int>(low)), index)
                                             : _mm_add_epi32(_mm_set1_epi32(static_cast<int>(low)), index);
        const __m128i digits = fourDigits<SseOps>(lanes);
        const __m128i firstWords =
            _mm_or_si128(SseOps::set1(run.words[First]), SseOps::shiftRightBy(digits, run.shift));
        const __m128i secondWords =
            _mm_or_si128(SseOps::set1(run.words[First + 1]), SseOps::shiftLeft(digits, 32 - run.shift));
        Message m[kRunMessages];
        (prepare<M>(words, start, firstWords, secondWords, m[M]), ...);
        quarters(m, std::make_integer_sequence<int, 16>{});
        (storeKeyOfState(_mm_add_epi32(m[M].abef, chain.abef), _mm_add_epi32(m[M].cdgh, chain.cdgh), keys[M]), ...);
    }

    static KORBIT_SHA_KEYS_TARGET void keys(const RunPlan& run, std::uint32_t low, std::size_t batches,
                                       BlockKey* keys) noexcept {
        __m128i words[4];
        for (std::size_t q = 0; q < 4; ++q) {
            words[q] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(run.words.data() + 4 * q));
        }
        Message start;
        sha256::shani::loadState(run.evenRounds, start);
        Message chain;
        sha256::shani::loadState(run.chain, chain);
        for (std::size_t b = 0; b < batches; ++b) {
            const auto offset = static_cast<std::uint32_t>(b * kRunMessages);
            batch(run, words, start, chain, run.descending ? low - offset : low + offset, keys + b * kRunMessages,
                  std::make_integer_sequence<int, kRunMessages>{});
        }
    }
};

template <int... First>
constexpr std::array<RunKeysFn, kRunLayouts> shaRunKernels(std::integer_sequence<int, First...>) noexcept {
    return {&ShaRun<First>::keys...};
}

KORBIT_SHA_KEYS_TARGET void runKeysShaExtensions(const RunPlan& run, std::uint32_t low, std::size_t batches,
                                                 BlockKey* keys) noexcept {
    static constexpr std::array<RunKeysFn, kRunLayouts> kKernels =
        shaRunKernels(std::make_integer_sequence<int, kRunLayouts>{});
    kKernels[run.first](run, low, batches, keys);
}

}  // namespace
}  // namespace korbit::engine::keylanes

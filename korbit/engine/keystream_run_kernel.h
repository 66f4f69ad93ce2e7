// The run kernel over a lane vector: the keys of whole batches of a run
// (keystream_runs.h), Ops::kWidth lanes per batch, for one layout of the
// digits known at compile time. Included after keystream_kernel.h by the
// implementation files whose Ops it serves, compiled for their target.
//
// A batch starts at round `First` + 1 from the run's plan: round `First`
// only adds the lane's first digit word to the plan's partial a and e. Which
// schedule words vary is a compile-time fact of the layout, so the rounds
// and the schedule are straight code: a word that is the same for every
// lane is the plan's K + W, broadcast from memory, and a varying word sums
// its varying terms onto the plan's sum of the constant ones.
#pragma once

#ifndef KORBIT_LANES_TARGET
#error "include keystream_kernel.h, with KORBIT_LANES_TARGET defined, before keystream_run_kernel.h"
#endif

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "korbit/engine/digest_constants.h"
#include "korbit/engine/keystream_runs.h"

#define KORBIT_LANES_NO_UNROLL _Pragma("GCC unroll 1")

namespace korbit::engine::keylanes {
namespace {

// Straight: every round and schedule word unrolled, for vectors with
// registers enough (AVX-512 has 32). Rolled: see RunLayout::batchRolled.
enum class RunForm { kStraight, kRolled };

// The last four digits of each lane's magnitude v (below 10,000) as
// characters, most significant in the top byte: v * 52429 >> 19 is v / 10
// for v < 43,690.
template <class Ops>
KORBIT_LANES_INLINE typename Ops::V fourDigits(typename Ops::V v) noexcept {
    using V = typename Ops::V;
    const V tenth = Ops::set1(52429);
    const V ten = Ops::set1(10);
    const V q1 = Ops::template shiftRight<19>(Ops::mulLow(v, tenth));
    const V q2 = Ops::template shiftRight<19>(Ops::mulLow(q1, tenth));
    const V q3 = Ops::template shiftRight<19>(Ops::mulLow(q2, tenth));
    const V ones = Ops::sub(v, Ops::mulLow(q1, ten));
    const V tens = Ops::sub(q1, Ops::mulLow(q2, ten));
    const V hundreds = Ops::sub(q2, Ops::mulLow(q3, ten));
    const V packed = Ops::orBits(Ops::orBits(Ops::shiftLeft(q3, 24), Ops::shiftLeft(hundreds, 16)),
                                 Ops::orBits(Ops::shiftLeft(tens, 8), ones));
    return Ops::add(packed, Ops::set1(0x30303030U));
}

template <class Ops, int First>
struct RunLayout {
    using V = typename Ops::V;
    static constexpr std::uint64_t kVarying = runVaryingWords(First);

    static constexpr bool varies(int t) noexcept { return ((kVarying >> t) & 1U) != 0; }

    // W[T] where it varies, for T >= 16.
    template <int T>
    static KORBIT_LANES_INLINE void scheduleWord(const RunPlan& run, V (&w)[64]) noexcept {
        if constexpr (T >= 16 && varies(T)) {
            constexpr bool kAllVary = varies(T - 16) && varies(T - 15) && varies(T - 7) && varies(T - 2);
            V x;
            if constexpr (kAllVary) {
                x = w[T - 16];
            } else {
                x = Ops::set1(run.constantTerms[T]);
                if constexpr (varies(T - 16)) {
                    x = Ops::add(x, w[T - 16]);
                }
            }
            if constexpr (varies(T - 15)) {
                x = Ops::add(x, Ops::smallSigma0(w[T - 15]));
            }
            if constexpr (varies(T - 7)) {
                x = Ops::add(x, w[T - 7]);
            }
            if constexpr (varies(T - 2)) {
                x = Ops::add(x, Ops::smallSigma1(w[T - 2]));
            }
            w[T] = x;
        }
    }

    // K[T] + W[T]: the lanes' where W[T] varies, the plan's where it does not.
    template <int T>
    static KORBIT_LANES_INLINE V keyedWord(const RunPlan& run, const V (&w)[64]) noexcept {
        if constexpr (varies(T)) {
            return Ops::add(w[T], Ops::set1(sha256::kRoundConstants[T]));
        } else {
            return Ops::set1(run.keyed[T]);
        }
    }

    template <int T>
    static KORBIT_LANES_INLINE void step(const RunPlan& run, V (&w)[64], V (&s)[8]) noexcept {
        scheduleWord<T>(run, w);
        laneRound<Ops, T>(s, keyedWord<T>(run, w));
    }

    template <int... T>
    static KORBIT_LANES_INLINE void steps(const RunPlan& run, V (&w)[64], V (&s)[8],
                                          std::integer_sequence<int, T...>) noexcept {
        (step<First + 1 + T>(run, w, s), ...);
    }

    // Slot of working variable r at round First + 1 (see laneRound).
    static constexpr std::size_t slot(int r) noexcept { return static_cast<std::size_t>((r - First - 1 + 16) % 8); }

    // The lanes' digit words W[First] and W[First + 1], and the state after
    // round First.
    static KORBIT_LANES_INLINE void start(const RunPlan& run, std::uint32_t low, V (&w)[64], V (&s)[8]) noexcept {
        const V index = Ops::laneIndex();
        const V lane = run.descending ? Ops::sub(Ops::set1(low), index) : Ops::add(Ops::set1(low), index);
        const V digits = fourDigits<Ops>(lane);
        w[First] = Ops::orBits(Ops::set1(run.words[First]), Ops::shiftRightBy(digits, run.shift));
        w[First + 1] = Ops::orBits(Ops::set1(run.words[First + 1]), Ops::shiftLeft(digits, 32 - run.shift));
        s[slot(0)] = Ops::add(Ops::set1(run.partialA), w[First]);
        s[slot(1)] = Ops::set1(run.rounds[0]);
        s[slot(2)] = Ops::set1(run.rounds[1]);
        s[slot(3)] = Ops::set1(run.rounds[2]);
        s[slot(4)] = Ops::add(Ops::set1(run.partialE), w[First]);
        s[slot(5)] = Ops::set1(run.rounds[4]);
        s[slot(6)] = Ops::set1(run.rounds[5]);
        s[slot(7)] = Ops::set1(run.rounds[6]);
    }

    // One batch as straight code, each schedule word made just before its round.
    static KORBIT_LANES_INLINE void batch(const RunPlan& run, std::uint32_t low, BlockKey* keys) noexcept {
        V w[64];
        V s[8];
        start(run, low, w, s);
        steps(run, w, s, std::make_integer_sequence<int, 63 - First>{});
        finish(run, s, keys);
    }

    // The first schedule word from which every later one has four varying terms.
    static constexpr int kAllVaryFrom = [] {
        int from = 64;
        while (from > 16 && varies(from - 17) && varies(from - 16) && varies(from - 8) && varies(from - 3)) {
            --from;
        }
        return from;
    }();

    // Schedule words 16 .. 16 + sizeof...(T) - 1 and their K + W into `keyed`.
    template <int... T>
    static KORBIT_LANES_INLINE void keyedWords(const RunPlan& run, V (&w)[64], V (&keyed)[64],
                                               std::integer_sequence<int, T...>) noexcept {
        ((scheduleWord<16 + T>(run, w), keyed[16 + T] = keyedWord<16 + T>(run, w)), ...);
    }

    // Rounds First + 1 .. 15.
    template <int... T>
    static KORBIT_LANES_INLINE void firstRounds(const RunPlan& run, const V (&w)[64], V (&s)[8],
                                                std::integer_sequence<int, T...>) noexcept {
        (laneRound<Ops, First + 1 + T>(s, keyedWord<First + 1 + T>(run, w)), ...);
    }

    // One batch in two phases, for vectors with few registers: the schedule
    // first, K + W of rounds 16..63 into memory, then the rounds, 16..63 as a
    // loop of eight that reads them from there. A fifth of the code of the
    // straight form, and no round waits for a schedule word.
    static KORBIT_LANES_INLINE void batchRolled(const RunPlan& run, std::uint32_t low, BlockKey* keys) noexcept {
        V w[64];
        V s[8];
        start(run, low, w, s);
        V keyed[64];
        keyedWords(run, w, keyed, std::make_integer_sequence<int, kAllVaryFrom - 16>{});
        KORBIT_LANES_NO_UNROLL
        for (std::size_t t = kAllVaryFrom; t < 64; ++t) {
            w[t] = Ops::add(Ops::add(w[t - 16], Ops::smallSigma0(w[t - 15])),
                            Ops::add(w[t - 7], Ops::smallSigma1(w[t - 2])));
            keyed[t] = Ops::add(w[t], Ops::set1(sha256::kRoundConstants[t]));
        }
        firstRounds(run, w, s, std::make_integer_sequence<int, 15 - First>{});
        KORBIT_LANES_NO_UNROLL
        for (std::size_t t = 16; t < 64; t += 8) {
            laneRound<Ops, 0>(s, keyed[t]);
            laneRound<Ops, 1>(s, keyed[t + 1]);
            laneRound<Ops, 2>(s, keyed[t + 2]);
            laneRound<Ops, 3>(s, keyed[t + 3]);
            laneRound<Ops, 4>(s, keyed[t + 4]);
            laneRound<Ops, 5>(s, keyed[t + 5]);
            laneRound<Ops, 6>(s, keyed[t + 6]);
            laneRound<Ops, 7>(s, keyed[t + 7]);
        }
        finish(run, s, keys);
    }

    // The keys of the state after round 63.
    static KORBIT_LANES_INLINE void finish(const RunPlan& run, const V (&s)[8], BlockKey* keys) noexcept {
        V h[8];
        KORBIT_LANES_UNROLL
        for (std::size_t r = 0; r < 8; ++r) {
            h[r] = Ops::add(s[r], Ops::set1(run.chain[r]));
        }
        V key[8];
        KORBIT_LANES_UNROLL
        for (std::size_t r = 0; r + 1 < 8; ++r) {
            key[r] = Ops::keyWord(h[r], h[r + 1]);
        }
        key[7] = Ops::lastKeyWord(h[7]);
        Ops::storeKeys(key, keys, Ops::kWidth);
    }
};

// w[t] is written and read only where the layout says W[t] varies; GCC does
// not follow that through the templates and would warn on the others.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
template <class Ops, RunForm Form, int First>
KORBIT_LANES_TARGET void runKeysOfLayout(const RunPlan& run, std::uint32_t low, std::size_t batches,
                                         BlockKey* keys) noexcept {
    for (std::size_t b = 0; b < batches; ++b) {
        const auto offset = static_cast<std::uint32_t>(b * Ops::kWidth);
        const std::uint32_t first = run.descending ? low - offset : low + offset;
        if constexpr (Form == RunForm::kStraight) {
            RunLayout<Ops, First>::batch(run, first, keys + b * Ops::kWidth);
        } else {
            RunLayout<Ops, First>::batchRolled(run, first, keys + b * Ops::kWidth);
        }
    }
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

template <class Ops, RunForm Form, int... First>
constexpr std::array<RunKeysFn, kRunLayouts> runKernels(std::integer_sequence<int, First...>) noexcept {
    return {&runKeysOfLayout<Ops, Form, First>...};
}

// The implementation's RunKeysFn: the kernel of the run's layout.
template <class Ops, RunForm Form>
KORBIT_LANES_TARGET void runKeys(const RunPlan& run, std::uint32_t low, std::size_t batches,
                                 BlockKey* keys) noexcept {
    static constexpr std::array<RunKeysFn, kRunLayouts> kKernels =
        runKernels<Ops, Form>(std::make_integer_sequence<int, kRunLayouts>{});
    kKernels[run.first](run, low, batches, keys);
}

}  // namespace
}  // namespace korbit::engine::keylanes

// The lane kernel: SHA-256 of the final blocks of many key texts at once,
// one key text per lane, from a DigitsPlan. Written once over an `Ops`
// type that supplies the lane vector (one 32-bit word of each of
// Ops::kWidth messages) and its operations; each implementation file
// defines KORBIT_LANES_TARGET (its instruction set as a function target,
// empty for the portable code) and its Ops, then includes this header.
// Besides the SHA-256 functions, Ops has the few integer operations that
// work out each lane's digits (laneLowDigits here, fourDigits in the run
// kernel, keystream_run_kernel.h). Everything here has internal linkage, so
// each file gets its own copy compiled for its own target and nothing leaks
// into the rest of the build.
//
// Registers rotate instead of values: at round t, working variable r lives
// in slot (r - t) mod 8, so a round writes two slots and moves nothing, and
// a block that skips its first `begin` rounds starts from the plan's state
// already laid out for round `begin`. After round 63 variable r is in slot r.
#pragma once

#ifndef KORBIT_LANES_TARGET
#error "define KORBIT_LANES_TARGET before including keystream_kernel.h"
#endif

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "korbit/engine/digest_constants.h"
#include "korbit/engine/keystream_lanes.h"

#define KORBIT_LANES_INLINE KORBIT_LANES_TARGET __attribute__((always_inline)) inline
// Loops over the eight state words must become straight code, or their
// vectors go through memory.
#define KORBIT_LANES_UNROLL _Pragma("GCC unroll 8")

namespace korbit::engine::keylanes {
namespace {

constexpr bool varies(std::uint64_t variable, int t) noexcept { return ((variable >> t) & 1U) != 0; }

template <class Ops, int T>
KORBIT_LANES_INLINE void laneRound(typename Ops::V (&s)[8], typename Ops::V keyedWord) noexcept {
    using V = typename Ops::V;
    constexpr int r = (8 - T % 8) % 8;  // slot of variable a
    V& a = s[r];
    V& b = s[(r + 1) % 8];
    V& c = s[(r + 2) % 8];
    V& d = s[(r + 3) % 8];
    V& e = s[(r + 4) % 8];
    V& f = s[(r + 5) % 8];
    V& g = s[(r + 6) % 8];
    V& h = s[(r + 7) % 8];
    // h + K + W and Ch need no Σ1(e), so they go first.
    const V t1 = Ops::add(Ops::add(Ops::add(h, keyedWord), Ops::ch(e, f, g)), Ops::bigSigma1(e));
    const V t2 = Ops::add(Ops::bigSigma0(a), Ops::maj(a, b, c));
    d = Ops::add(d, t1);
    h = Ops::add(t1, t2);  // becomes variable a of the next round
}

// Rounds 0..15 may be skipped (the plan's `begin`); the others always run.
template <class Ops, int T>
KORBIT_LANES_INLINE void laneRoundStep(const BlockPlan& p, const typename Ops::V* keyed,
                                       typename Ops::V (&s)[8]) noexcept {
    if constexpr (T < 16) {
        if (static_cast<std::uint32_t>(T) < p.begin) {
            return;
        }
    }
    laneRound<Ops, T>(s, keyed[T]);
}

template <class Ops, int... T>
KORBIT_LANES_INLINE void laneRounds(const BlockPlan& p, const typename Ops::V* keyed, typename Ops::V (&s)[8],
                                    std::integer_sequence<int, T...>) noexcept {
    (laneRoundStep<Ops, T>(p, keyed, s), ...);
}

// What the rounds of one block add, K[t] + W[t], for a group of lanes: the
// words that are the same for every counter are laid out (broadcast) once
// per call; laneSchedule fills in the others for each group.
template <class Ops>
struct KeyedWords {
    typename Ops::V keyed[64];
};

template <class Ops>
KORBIT_LANES_INLINE void laneConstantWords(const BlockPlan& p, KeyedWords<Ops>& k) noexcept {
    for (std::size_t t = 0; t < 64; ++t) {
        if (((p.variable >> t) & 1U) == 0) {
            k.keyed[t] = Ops::set1(p.keyed[t]);
        }
    }
}

// The lanes' last two digits as characters in place (see LaneDigits), and
// how many carries reached the digits above them.
template <class Ops>
struct LowDigits {
    typename Ops::V carries;
    typename Ops::V ones;
    typename Ops::V tens;
};

template <class Ops>
KORBIT_LANES_INLINE LowDigits<Ops> laneLowDigits(const LaneDigits& d, std::size_t lane) noexcept {
    using V = typename Ops::V;
    const V index = Ops::add(Ops::laneIndex(), Ops::set1(static_cast<std::uint32_t>(lane)));
    const V v = d.descending ? Ops::sub(Ops::set1(d.first), index) : Ops::add(Ops::set1(d.first), index);
    // Division by constants: v * 41 >> 12 is v / 100 for v < 1099, and
    // r * 205 >> 11 is r / 10 for r < 100.
    const V q = Ops::template shiftRight<12>(Ops::mulLow(v, Ops::set1(41)));
    const V r = Ops::sub(v, Ops::mulLow(q, Ops::set1(100)));
    const V tens = Ops::template shiftRight<11>(Ops::mulLow(r, Ops::set1(205)));
    const V ones = Ops::sub(r, Ops::mulLow(tens, Ops::set1(10)));
    const V zero = Ops::set1(0x30);
    return {q, Ops::shiftLeft(Ops::add(ones, zero), d.onesShift), Ops::shiftLeft(Ops::add(tens, zero), d.tensShift)};
}

// W[t] into w[t] where it depends on the counter: the lanes' digit words,
// then the plan's sum of the constant terms plus the terms that vary; and
// K[t] + W[t] into k for the rounds.
template <class Ops>
KORBIT_LANES_INLINE void laneSchedule(const BlockPlan& p, const LaneDigits& d, const LowDigits<Ops>& low,
                                      typename Ops::V* w, KeyedWords<Ops>& k) noexcept {
    using V = typename Ops::V;
    for (int t = 0; t < 16; ++t) {
        if (varies(p.variable, t)) {
            const auto row = static_cast<std::uint32_t>(t + p.row);
            V word = Ops::lookup4(d.high[row], low.carries);
            if (row == d.onesRow) {
                word = Ops::orBits(word, low.ones);
            }
            if (d.hasTens && row == d.tensRow) {
                word = Ops::orBits(word, low.tens);
            }
            w[t] = word;
            k.keyed[t] = Ops::add(word, Ops::set1(sha256::kRoundConstants[static_cast<std::size_t>(t)]));
        }
    }
    for (int t = 16; t < 64; ++t) {
        const unsigned terms = p.terms[static_cast<std::size_t>(t)];
        if (terms == 0) {
            continue;
        }
        V x = Ops::set1(p.words[static_cast<std::size_t>(t)]);
        if ((terms & 1U) != 0) {
            x = Ops::add(x, w[t - 16]);
        }
        if ((terms & 2U) != 0) {
            x = Ops::add(x, Ops::smallSigma0(w[t - 15]));
        }
        if ((terms & 4U) != 0) {
            x = Ops::add(x, w[t - 7]);
        }
        if ((terms & 8U) != 0) {
            x = Ops::add(x, Ops::smallSigma1(w[t - 2]));
        }
        w[t] = x;
        k.keyed[t] = Ops::add(x, Ops::set1(sha256::kRoundConstants[static_cast<std::size_t>(t)]));
    }
}

// One block for the Ops::kWidth lanes from `lane` on. `s` holds the working
// variables as of round p.begin on entry and after round 63 on return.
// w[t] is written and read only where the plan says W[t] varies; GCC
// cannot follow that through the plan's masks and would warn on every read.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
template <class Ops>
KORBIT_LANES_TARGET __attribute__((noinline)) void laneBlock(const BlockPlan& p, const LaneDigits& d,
                                                             const LowDigits<Ops>& low, KeyedWords<Ops>& k,
                                                             typename Ops::V (&s)[8]) noexcept {
    typename Ops::V w[64];
    laneSchedule<Ops>(p, d, low, w, k);
    // A local copy: `s` might alias k's words as far as the compiler knows,
    // and would be stored back after every round.
    typename Ops::V v[8];
    KORBIT_LANES_UNROLL
    for (std::size_t r = 0; r < 8; ++r) {
        v[r] = s[r];
    }
    laneRounds<Ops>(p, k.keyed, v, std::make_integer_sequence<int, 64>{});
    KORBIT_LANES_UNROLL
    for (std::size_t r = 0; r < 8; ++r) {
        s[r] = v[r];
    }
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// The keys of lanes lane .. lane+count-1 (count at most Ops::kWidth) into
// keys[0..count-1]; `k` holds the constant words of the plan's blocks.
template <class Ops>
KORBIT_LANES_INLINE void laneKeys(const DigitsPlan& plan, const LaneDigits& d, std::size_t lane, std::size_t count,
                                  KeyedWords<Ops> (&k)[2], BlockKey* keys) noexcept {
    using V = typename Ops::V;
    const LowDigits<Ops> low = laneLowDigits<Ops>(d, lane);
    V s[8];
    V h[8];
    KORBIT_LANES_UNROLL
    for (std::size_t r = 0; r < 8; ++r) {
        s[r] = Ops::set1(plan.blocks[0].start[r]);
    }
    laneBlock<Ops>(plan.blocks[0], d, low, k[0], s);
    KORBIT_LANES_UNROLL
    for (std::size_t r = 0; r < 8; ++r) {
        h[r] = Ops::add(s[r], Ops::set1(plan.chain[r]));
    }
    if (plan.blockCount == 2) {
        KORBIT_LANES_UNROLL
        for (std::size_t r = 0; r < 8; ++r) {
            s[r] = h[r];
        }
        laneBlock<Ops>(plan.blocks[1], d, low, k[1], s);
        KORBIT_LANES_UNROLL
        for (std::size_t r = 0; r < 8; ++r) {
            h[r] = Ops::add(h[r], s[r]);
        }
    }
    V key[8];
    KORBIT_LANES_UNROLL
    for (std::size_t w = 0; w + 1 < 8; ++w) {
        key[w] = Ops::keyWord(h[w], h[w + 1]);
    }
    key[7] = Ops::lastKeyWord(h[7]);
    Ops::storeKeys(key, keys, count);
}

// Lanes first .. count-1 in groups of Ops::kWidth, the last one partial.
template <class Ops>
KORBIT_LANES_TARGET void laneKeysInGroups(const DigitsPlan& plan, const LaneDigits& d, std::size_t first,
                                          std::size_t count, BlockKey* keys) noexcept {
    KeyedWords<Ops> k[2];
    for (std::size_t b = 0; b < plan.blockCount; ++b) {
        laneConstantWords<Ops>(plan.blocks[b], k[b]);
    }
    for (std::size_t lane = first; lane < count; lane += Ops::kWidth) {
        laneKeys<Ops>(plan, d, lane, std::min(Ops::kWidth, count - lane), k, keys + lane);
    }
}

// Two lane vectors working as one: every operation is issued for both, so
// two independent dependency chains interleave instruction by instruction.
template <class Single>
struct Twice {
    using S = typename Single::V;
    struct V {
        S lo;
        S hi;
    };
    static constexpr std::size_t kWidth = 2 * Single::kWidth;

    static KORBIT_LANES_INLINE V set1(std::uint32_t x) noexcept {
        const S one = Single::set1(x);
        return {one, one};
    }
    static KORBIT_LANES_INLINE V laneIndex() noexcept {
        const S index = Single::laneIndex();
        return {index, Single::add(index, Single::set1(Single::kWidth))};
    }
    static KORBIT_LANES_INLINE V add(V x, V y) noexcept { return {Single::add(x.lo, y.lo), Single::add(x.hi, y.hi)}; }
    static KORBIT_LANES_INLINE V sub(V x, V y) noexcept { return {Single::sub(x.lo, y.lo), Single::sub(x.hi, y.hi)}; }
    static KORBIT_LANES_INLINE V mulLow(V x, V y) noexcept {
        return {Single::mulLow(x.lo, y.lo), Single::mulLow(x.hi, y.hi)};
    }
    static KORBIT_LANES_INLINE V orBits(V x, V y) noexcept {
        return {Single::orBits(x.lo, y.lo), Single::orBits(x.hi, y.hi)};
    }
    template <int N>
    static KORBIT_LANES_INLINE V shiftRight(V x) noexcept {
        return {Single::template shiftRight<N>(x.lo), Single::template shiftRight<N>(x.hi)};
    }
    static KORBIT_LANES_INLINE V shiftLeft(V x, std::uint32_t n) noexcept {
        return {Single::shiftLeft(x.lo, n), Single::shiftLeft(x.hi, n)};
    }
    static KORBIT_LANES_INLINE V shiftRightBy(V x, std::uint32_t n) noexcept {
        return {Single::shiftRightBy(x.lo, n), Single::shiftRightBy(x.hi, n)};
    }
    static KORBIT_LANES_INLINE V lookup4(const std::uint32_t* table, V index) noexcept {
        return {Single::lookup4(table, index.lo), Single::lookup4(table, index.hi)};
    }
    static KORBIT_LANES_INLINE V bigSigma0(V x) noexcept { return {Single::bigSigma0(x.lo), Single::bigSigma0(x.hi)}; }
    static KORBIT_LANES_INLINE V bigSigma1(V x) noexcept { return {Single::bigSigma1(x.lo), Single::bigSigma1(x.hi)}; }
    static KORBIT_LANES_INLINE V smallSigma0(V x) noexcept {
        return {Single::smallSigma0(x.lo), Single::smallSigma0(x.hi)};
    }
    static KORBIT_LANES_INLINE V smallSigma1(V x) noexcept {
        return {Single::smallSigma1(x.lo), Single::smallSigma1(x.hi)};
    }
    static KORBIT_LANES_INLINE V ch(V x, V y, V z) noexcept {
        return {Single::ch(x.lo, y.lo, z.lo), Single::ch(x.hi, y.hi, z.hi)};
    }
    static KORBIT_LANES_INLINE V maj(V x, V y, V z) noexcept {
        return {Single::maj(x.lo, y.lo, z.lo), Single::maj(x.hi, y.hi, z.hi)};
    }
    static KORBIT_LANES_INLINE V keyWord(V x, V next) noexcept {
        return {Single::keyWord(x.lo, next.lo), Single::keyWord(x.hi, next.hi)};
    }
    static KORBIT_LANES_INLINE V lastKeyWord(V x) noexcept { return {Single::lastKeyWord(x.lo), Single::lastKeyWord(x.hi)}; }
    static KORBIT_LANES_INLINE void storeKeys(const V (&k)[8], BlockKey* keys, std::size_t count) noexcept {
        S half[8];
        KORBIT_LANES_UNROLL
        for (std::size_t w = 0; w < 8; ++w) {
            half[w] = k[w].lo;
        }
        Single::storeKeys(half, keys, std::min(count, Single::kWidth));
        if (count > Single::kWidth) {
            KORBIT_LANES_UNROLL
            for (std::size_t w = 0; w < 8; ++w) {
                half[w] = k[w].hi;
            }
            Single::storeKeys(half, keys + Single::kWidth, count - Single::kWidth);
        }
    }
};

}  // namespace
}  // namespace korbit::engine::keylanes

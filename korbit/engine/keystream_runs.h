// Runs: the fast side of the key stream. Consecutive counters whose key
// texts fit one final block and differ only in their last four digits (up
// to 10,000 of them, fewer at the ends of the counter's range) share
// everything else: the message words before the word where those digits
// start, so the rounds over them; and every schedule word built from the
// words that do not change. A RunPlan holds that shared part once, worked
// out on plain words; a run kernel then makes the keys of its lanes in
// batches, computing only what depends on the digits.
//
// The layout of a run (the word where its last four digits start) is known
// to the kernels at compile time: each implementation has one kernel per
// layout (kRunLayouts of them), so which schedule words vary and which do
// not is decided by the compiler, not tested round by round.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "korbit/engine/container.h"
#include "korbit/engine/digest.h"
#include "korbit/engine/keystream_lanes.h"

namespace korbit::engine::keylanes {

// Digits a run's lanes differ in: the last four, so a run is at most 10,000
// counters and only counters of four digits or more start one.
inline constexpr std::uint32_t kRunDigits = 4;
// The four digits end by byte 54 of the final block (55 bytes of key text at
// most fit one), so they start in word 0 to 12.
inline constexpr std::size_t kRunLayouts = 13;

// Bit t: schedule word W[t] depends on the lane, when the lanes' last four
// digits lie in words `first` and `first + 1` (the second may hold only the
// padding; it is counted as varying all the same, which costs a few
// additions and halves the number of layouts).
constexpr std::uint64_t runVaryingWords(int first) noexcept {
    std::uint64_t varying = std::uint64_t{3} << first;
    for (int t = 16; t < 64; ++t) {
        const std::uint64_t terms = (varying >> (t - 16)) | (varying >> (t - 15)) | (varying >> (t - 7)) |
                                    (varying >> (t - 2));
        varying |= (terms & 1U) << t;
    }
    return varying;
}

// What the keys of one run share.
struct RunPlan {
    sha256::State chain{};  // the hash state before the final block, added at the end
    // The final block with the last four digits as zeros: sign, higher digits,
    // padding and length in place.
    std::array<std::uint32_t, 16> words{};
    std::uint32_t first = 0;  // the layout: the word where the last four digits start
    std::uint32_t shift = 0;  // 8 times the byte of that word they start at
    bool descending = false;  // negative counters: the magnitude falls as the counter climbs

    // The working variables a..h after rounds 0..first-1, which are the same
    // for every lane, and after the even number of rounds below that
    // (first & ~1, for kernels that run rounds in pairs).
    sha256::State rounds{};
    sha256::State evenRounds{};
    // Round `first` without its message word: a and e come out as these
    // plus W[first].
    std::uint32_t partialA = 0;
    std::uint32_t partialE = 0;
    // K[t] + W[t] where W[t] is the same for every lane.
    std::array<std::uint32_t, 64> keyed{};
    // Where W[t] varies (t >= 16): the sum of those of its terms that do not.
    std::array<std::uint32_t, 64> constantTerms{};
};

// How many counters from `counter` up belong to its run: they keep the sign,
// the number of characters and every digit but the last four, and never pass
// the int32 range. 0 when `counter` starts no run: fewer than four digits, or
// key texts of two final blocks (`plan` is the plan of its digit count).
std::uint32_t runLength(const DigitsPlan& plan, std::int32_t counter) noexcept;

// The plan of the run `counter` belongs to (runLength(plan, counter) > 0).
void makeRunPlan(const DigitsPlan& plan, std::int32_t counter, RunPlan& run) noexcept;

// The last four digits of a counter's magnitude: its lane number in the run.
constexpr std::uint32_t runLane(std::int32_t counter) noexcept {
    const std::uint64_t magnitude =
        counter < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(static_cast<std::int64_t>(counter))
                    : static_cast<std::uint64_t>(counter);
    return static_cast<std::uint32_t>(magnitude % 10000);
}

// Makes `batches` batches of the implementation's runLanes keys of `run`
// into keys[0..]: lane i of batch b has the last four digits low + (b * runLanes + i),
// or low - (...) when the run descends; every one of them lies in the run.
using RunKeysFn = void (*)(const RunPlan& run, std::uint32_t low, std::size_t batches, BlockKey* keys) noexcept;

}  // namespace korbit::engine::keylanes

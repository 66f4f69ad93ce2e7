// The general side of the key stream: any counters of one digit count. The
// key texts of consecutive counters differ only in the counter's digits, so
// for each digit count the part of the final digest blocks that is the same
// for every counter is worked out once per password (a DigitsPlan): the
// message words without the digits, the rounds before the first word holding
// a digit, and the schedule terms that come from constant words only. An
// implementation then makes up to kMaxLanes keys of consecutive counters at
// once from a plan and a LaneDigits, one key per lane.
//
// Most keys come from the faster runs (keystream_runs.h); these kernels make
// the rest: counters of fewer than four digits, key texts of two final blocks,
// the ends of runs and single keys.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "korbit/engine/container.h"
#include "korbit/engine/digest.h"

namespace korbit::engine::keylanes {

inline constexpr std::size_t kMaxLanes = 128;  // keys per makeKeys call
inline constexpr std::size_t kMaxDigits = 11;  // "-2147483648"
// Words that can hold a digit: 11 bytes starting anywhere in a word span
// at most four.
inline constexpr std::size_t kWordRows = 4;

// One 64-byte message block of the key texts of one digit count.
struct BlockPlan {
    // words[t]: schedule word W[t] where it is the same for every counter;
    // where it is not (bit t of `variable`), the sum of those of its terms
    // that are (0 for t < 16).
    std::array<std::uint32_t, 64> words{};
    // keyed[t] = K[t] + words[t], what a round adds when W[t] is constant.
    std::array<std::uint32_t, 64> keyed{};
    // Bit t: W[t] depends on the counter.
    std::uint64_t variable = 0;
    // For t >= 16 where W[t] varies: which of its terms do (1: W[t-16],
    // 2: σ0(W[t-15]), 4: W[t-7], 8: σ1(W[t-2])); 0 where W[t] is constant.
    std::array<std::uint8_t, 64> terms{};
    // Digit word row of message word 0 of this block (used only for the
    // variable words 0..15, whose rows lie in 0..kWordRows-1).
    int row = 0;
    // Rounds that are the same for every counter and need not be run: those
    // before the first word holding a digit in the first block, none in the
    // second (its input state differs from counter to counter).
    std::uint32_t begin = 0;
    // The working variables a..h after `begin` rounds (first block only), in
    // the rotating layout of the lane kernels: slot (r - begin) mod 8 holds
    // variable r.
    sha256::State start{};
};

// Everything the keys of counters with one number of characters share.
struct DigitsPlan {
    sha256::State chain{};  // hash state after the whole 64-byte blocks of password + "?"
    std::array<BlockPlan, 2> blocks{};
    std::uint32_t blockCount = 1;  // final blocks: 2 when tail, digits and padding overflow one
    std::uint32_t digits = 1;      // characters of the counter, its sign included
    std::uint32_t rows = 1;        // message words that hold a digit
    // The message bytes of those words, digits left as zeros, and where in
    // them the counter's text starts.
    std::array<char, 4 * kWordRows> text{};
    std::uint32_t digitsAt = 0;
};

// The digit words of a run of consecutive counters (at most kMaxLanes, all
// with the same number of characters), for the kernels to work out lane by
// lane. Lane i's counter has a magnitude whose last two digits come from
// v = first + i (first - i when the counters are negative and the magnitude
// falls): q = v / 100 carries have reached the higher digits, v % 100 gives
// the two characters. high[r][q] is message word r with those higher digits
// (and the sign) in place and zeros where the last two go.
struct LaneDigits {
    alignas(16) std::uint32_t high[kWordRows][4] = {};
    std::uint32_t first = 0;
    bool descending = false;
    // Where the last digit goes, and the one before it when the magnitude
    // has two or more: word row and left shift within it.
    std::uint32_t onesRow = 0;
    std::uint32_t onesShift = 0;
    bool hasTens = false;
    std::uint32_t tensRow = 0;
    std::uint32_t tensShift = 0;
};

// The digit words of lane `lane`, on plain words: what the vector kernels
// compute many lanes at a time.
inline void laneWords(const LaneDigits& d, std::uint32_t lane, std::uint32_t (&words)[kWordRows]) noexcept {
    const std::uint32_t v = d.descending ? d.first - lane : d.first + lane;
    const std::uint32_t q = v / 100;
    const std::uint32_t r = v % 100;
    for (std::size_t row = 0; row < kWordRows; ++row) {
        words[row] = d.high[row][q];
    }
    words[d.onesRow] |= (0x30U + r % 10) << d.onesShift;
    if (d.hasTens) {
        words[d.tensRow] |= (0x30U + r / 10) << d.tensShift;
    }
}

// The plan of counters with `digits` characters (1 to kMaxDigits) for a
// key text whose constant part is `prefixBytes` long; `chain` is the state
// after its whole blocks and `tail` what follows them (fewer than 64 bytes).
DigitsPlan makeDigitsPlan(const sha256::State& chain, std::string_view tail, std::uint64_t prefixBytes,
                          std::uint32_t digits) noexcept;

// Characters of `counter` in decimal, the minus sign included.
std::uint32_t digitCount(std::int32_t counter) noexcept;

// How many counters from `counter` up have as many characters as it.
std::uint64_t sameLengthRun(std::int32_t counter) noexcept;

// The digit words of counters first, first+1, ... first+count-1 (count 1
// to kMaxLanes, all with plan.digits characters).
LaneDigits laneDigits(const DigitsPlan& plan, std::int32_t first, std::size_t count) noexcept;

// Makes the keys of lanes 0..count-1 (1 to kMaxLanes) of `digits` into
// keys[0..count-1].
using MakeKeysFn = void (*)(const DigitsPlan& plan, const LaneDigits& digits, std::size_t count,
                            BlockKey* keys) noexcept;

// The key of a final hash state: the digest shifted left by one nibble, the
// last nibble kept (see keyFromDigest). Word w holds key bytes 4w..4w+3,
// most significant first.
inline void keyWords(const sha256::State& h, std::uint32_t (&key)[8]) noexcept {
    for (std::size_t w = 0; w + 1 < 8; ++w) {
        key[w] = (h[w] << 4) | (h[w + 1] >> 28);
    }
    key[7] = ((h[7] << 4) & 0xFFFFFF00U) | (h[7] & 0x0FU);
}

inline void storeKey(const sha256::State& h, BlockKey& key) noexcept {
    std::uint32_t words[8];
    keyWords(h, words);
    for (std::size_t w = 0; w < 8; ++w) {
        const std::uint32_t bigEndian =
            std::endian::native == std::endian::little ? __builtin_bswap32(words[w]) : words[w];
        std::memcpy(key.data() + 4 * w, &bigEndian, 4);
    }
}

}  // namespace korbit::engine::keylanes

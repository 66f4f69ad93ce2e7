// What the keys of one digit count share, and the digit words of each lane.
#include <algorithm>
#include <charconv>
#include <cstring>

#include "korbit/engine/digest_constants.h"
#include "korbit/engine/digest_functions.h"
#include "korbit/engine/keystream_lanes.h"

namespace korbit::engine::keylanes {

namespace {

inline std::uint32_t loadBigEndian(const void* p) noexcept {
    std::uint8_t b[4];
    std::memcpy(b, p, 4);
    return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) | b[3];
}

constexpr bool isSet(std::uint64_t mask, std::size_t bit) noexcept { return ((mask >> bit) & 1U) != 0; }

}  // namespace

DigitsPlan makeDigitsPlan(const sha256::State& chain, std::string_view tail, std::uint64_t prefixBytes,
                          std::uint32_t digits) noexcept {
    DigitsPlan plan;
    plan.chain = chain;
    plan.digits = digits;

    // The final blocks with zeros where the digits go.
    const std::size_t used = tail.size() + digits;
    alignas(16) std::uint8_t bytes[2 * sha256::kBlockSize] = {};
    std::memcpy(bytes, tail.data(), tail.size());
    plan.blockCount = static_cast<std::uint32_t>(sha256::padFinalBlocks(bytes, used, prefixBytes + digits));

    const std::size_t firstWord = tail.size() / 4;
    const std::size_t lastWord = (used - 1) / 4;
    plan.rows = static_cast<std::uint32_t>(lastWord - firstWord + 1);
    std::memcpy(plan.text.data(), bytes + 4 * firstWord, 4 * plan.rows);
    plan.digitsAt = static_cast<std::uint32_t>(tail.size() - 4 * firstWord);

    for (std::size_t b = 0; b < plan.blockCount; ++b) {
        BlockPlan& block = plan.blocks[b];
        block.row = static_cast<int>(16 * b) - static_cast<int>(firstWord);
        for (std::size_t i = 0; i < 16; ++i) {
            const std::size_t word = 16 * b + i;
            if (word >= firstWord && word <= lastWord) {
                block.variable |= std::uint64_t{1} << i;
            } else {
                block.words[i] = loadBigEndian(bytes + 4 * word);
            }
        }
        // W[t] = σ1(W[t-2]) + W[t-7] + σ0(W[t-15]) + W[t-16]: keep the sum of
        // the constant terms; W[t] varies as soon as one term does.
        for (std::size_t t = 16; t < 64; ++t) {
            const std::uint64_t v = block.variable;
            std::uint32_t sum = 0;
            sum += isSet(v, t - 16) ? 0 : block.words[t - 16];
            sum += isSet(v, t - 15) ? 0 : sha256::smallSigma0(block.words[t - 15]);
            sum += isSet(v, t - 7) ? 0 : block.words[t - 7];
            sum += isSet(v, t - 2) ? 0 : sha256::smallSigma1(block.words[t - 2]);
            block.words[t] = sum;
            block.terms[t] = static_cast<std::uint8_t>((isSet(v, t - 16) ? 1 : 0) | (isSet(v, t - 15) ? 2 : 0) |
                                                       (isSet(v, t - 7) ? 4 : 0) | (isSet(v, t - 2) ? 8 : 0));
            if (block.terms[t] != 0) {
                block.variable |= std::uint64_t{1} << t;
            }
        }
        for (std::size_t t = 0; t < 64; ++t) {
            block.keyed[t] = sha256::kRoundConstants[t] + block.words[t];
        }

        // The first block starts from the same state for every counter, so
        // the rounds before the first digit word are the same too.
        block.begin = b == 0 ? static_cast<std::uint32_t>(firstWord) : 0;
        sha256::State v = chain;
        for (std::size_t t = 0; t < block.begin; ++t) {
            sha256::round(v, block.keyed[t]);
        }
        for (std::size_t r = 0; r < 8; ++r) {
            block.start[(r + 8 - block.begin % 8) % 8] = v[r];
        }
    }
    return plan;
}

std::uint32_t digitCount(std::int32_t counter) noexcept {
    char text[kMaxDigits];
    return static_cast<std::uint32_t>(std::to_chars(text, text + kMaxDigits, counter).ptr - text);
}

std::uint64_t sameLengthRun(std::int32_t counter) noexcept {
    const std::int64_t c = counter;
    if (c >= 0) {
        std::int64_t longer = 10;  // the first value with one more digit
        while (longer <= c) {
            longer *= 10;
        }
        return static_cast<std::uint64_t>(longer - c);
    }
    // Climbing towards zero, a negative counter loses a digit after -10^k.
    const std::int64_t magnitude = -c;
    std::int64_t shortest = 1;
    while (shortest * 10 <= magnitude) {
        shortest *= 10;
    }
    return static_cast<std::uint64_t>(magnitude - shortest + 1);
}

LaneDigits laneDigits(const DigitsPlan& plan, std::int32_t first, std::size_t count) noexcept {
    LaneDigits d;
    const bool negative = first < 0;
    const std::int64_t magnitude = negative ? -std::int64_t{first} : first;
    const std::int64_t high = magnitude / 100;
    const auto low = static_cast<std::uint32_t>(magnitude % 100);
    const auto last = static_cast<std::uint32_t>(count - 1);
    // Negative counters climb towards zero, so their magnitude falls; 300
    // keeps v positive over kMaxLanes lanes.
    d.descending = negative;
    d.first = negative ? low + 300 : low;
    d.hasTens = magnitude >= 10;  // the same for the whole run: its length does not change
    const std::uint32_t qFirst = d.first / 100;
    const std::uint32_t qLast = (negative ? d.first - last : d.first + last) / 100;

    const std::uint32_t onesAt = plan.digitsAt + plan.digits - 1;
    d.onesRow = onesAt / 4;
    d.onesShift = 8 * (3 - onesAt % 4);
    if (d.hasTens) {
        d.tensRow = (onesAt - 1) / 4;
        d.tensShift = 8 * (3 - (onesAt - 1) % 4);
    }

    for (std::uint32_t q = std::min(qFirst, qLast); q <= std::max(qFirst, qLast); ++q) {
        const std::int64_t higher = negative ? high - (3 - q) : high + q;
        std::array<char, 4 * kWordRows> text = plan.text;
        char* at = text.data() + plan.digitsAt;
        if (negative) {
            *at++ = '-';
        }
        if (higher > 0) {
            at = std::to_chars(at, text.data() + text.size(), higher).ptr;
        }
        // The last one or two characters stay zero for the lanes to fill in.
        for (std::size_t r = 0; r < kWordRows; ++r) {
            d.high[r][q] = loadBigEndian(text.data() + 4 * r);
        }
    }
    return d;
}

}  // namespace korbit::engine::keylanes

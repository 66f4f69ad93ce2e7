// The part of a run's digests that is the same for every lane, on plain words.
#include "korbit/engine/keystream_runs.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "korbit/engine/digest_constants.h"
#include "korbit/engine/digest_functions.h"

namespace korbit::engine::keylanes {

namespace {

std::uint64_t magnitudeOf(std::int32_t counter) noexcept {
    const auto wide = static_cast<std::int64_t>(counter);
    return static_cast<std::uint64_t>(wide < 0 ? -wide : wide);
}

std::uint32_t loadBigEndian(const char* p) noexcept {
    std::uint8_t b[4];
    std::memcpy(b, p, 4);
    return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) | b[3];
}

constexpr bool varies(std::uint64_t varying, int t) noexcept { return ((varying >> t) & 1U) != 0; }

}  // namespace

std::uint32_t runLength(const DigitsPlan& plan, std::int32_t counter) noexcept {
    const std::uint64_t magnitude = magnitudeOf(counter);
    if (plan.blockCount != 1 || magnitude < 1000) {
        return 0;
    }
    const auto low = static_cast<std::uint32_t>(magnitude % 10000);
    if (counter < 0) {
        // Down to the next multiple of 10,000, or to 1000 where the number
        // would lose a digit.
        return magnitude < 10000 ? low - 999 : low + 1;
    }
    const auto toLimit = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max() - counter) + 1;
    return toLimit < 10000 - low ? static_cast<std::uint32_t>(toLimit) : 10000 - low;
}

void makeRunPlan(const DigitsPlan& plan, std::int32_t counter, RunPlan& run) noexcept {
    // The digit words with the sign and the higher digits written; the last
    // four stay zero for the lanes.
    std::array<char, 4 * kWordRows> text = plan.text;
    char* at = text.data() + plan.digitsAt;
    if (counter < 0) {
        *at++ = '-';
    }
    const std::uint64_t higher = magnitudeOf(counter) / 10000;
    if (higher > 0) {
        std::to_chars(at, text.data() + text.size(), higher);
    }
    const BlockPlan& block = plan.blocks[0];
    const auto firstRow = static_cast<std::size_t>(-block.row);
    std::copy(block.words.begin(), block.words.begin() + 16, run.words.begin());
    for (std::size_t r = 0; r < plan.rows; ++r) {
        run.words[firstRow + r] = loadBigEndian(text.data() + 4 * r);
    }
    const std::size_t end = 4 * firstRow + plan.digitsAt + plan.digits;  // bytes of key text in the block
    run.first = static_cast<std::uint32_t>((end - kRunDigits) / 4);
    run.shift = static_cast<std::uint32_t>(8 * ((end - kRunDigits) % 4));
    run.descending = counter < 0;
    run.chain = plan.chain;

    // The schedule words that are the same for every lane, and for the others
    // the sum of their constant terms.
    const auto first = static_cast<int>(run.first);
    const std::uint64_t varying = runVaryingWords(first);
    std::uint32_t w[64] = {};
    for (int t = 0; t < 16; ++t) {
        w[t] = varies(varying, t) ? 0 : run.words[static_cast<std::size_t>(t)];
    }
    for (int t = 16; t < 64; ++t) {
        std::uint32_t sum = 0;
        sum += varies(varying, t - 16) ? 0 : w[t - 16];
        sum += varies(varying, t - 15) ? 0 : sha256::smallSigma0(w[t - 15]);
        sum += varies(varying, t - 7) ? 0 : w[t - 7];
        sum += varies(varying, t - 2) ? 0 : sha256::smallSigma1(w[t - 2]);
        if (varies(varying, t)) {
            run.constantTerms[static_cast<std::size_t>(t)] = sum;
        } else {
            w[t] = sum;
        }
    }
    for (std::size_t t = 0; t < 64; ++t) {
        run.keyed[t] = sha256::kRoundConstants[t] + w[t];
    }

    sha256::State v = run.chain;
    for (int t = 0; t < first; ++t) {
        if (t == (first & ~1)) {
            run.evenRounds = v;
        }
        sha256::round(v, run.keyed[static_cast<std::size_t>(t)]);
    }
    if ((first & 1) == 0) {
        run.evenRounds = v;
    }
    run.rounds = v;
    const std::uint32_t u =
        v[7] + sha256::bigSigma1(v[4]) + sha256::ch(v[4], v[5], v[6]) + sha256::kRoundConstants[run.first];
    run.partialA = u + sha256::bigSigma0(v[0]) + sha256::maj(v[0], v[1], v[2]);
    run.partialE = v[3] + u;
}

}  // namespace korbit::engine::keylanes

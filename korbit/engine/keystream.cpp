#include "korbit/engine/keystream.h"

#include <algorithm>
#include <string>

#include "korbit/engine/sha256.h"

namespace korbit::engine {

Keystream::Keystream(std::u16string_view password, std::int32_t seed, const keylanes::Implementation& impl)
    : impl_(&impl), seed_(seed) {
    std::string prefix = lowBytes(password);
    prefix.push_back('?');
    const std::size_t whole = prefix.size() / sha256::kBlockSize;
    sha256::State chain = sha256::kInitialState;
    if (whole > 0) {
        sha256::active().compress(chain, reinterpret_cast<const std::uint8_t*>(prefix.data()), whole);
    }
    const std::string_view tail = std::string_view(prefix).substr(whole * sha256::kBlockSize);
    plans_.resize(keylanes::kMaxDigits + 1);
    for (std::uint32_t digits = 1; digits <= keylanes::kMaxDigits; ++digits) {
        plans_[digits] = keylanes::makeDigitsPlan(chain, tail, prefix.size(), digits);
    }
}

void Keystream::makeRun(std::int32_t first, std::span<BlockKey> keys) const noexcept {
    const keylanes::DigitsPlan& plan = plans_[keylanes::digitCount(first)];
    impl_->makeKeys(plan, keylanes::laneDigits(plan, first, keys.size()), keys.size(), keys.data());
}

BlockKey Keystream::keyFor(std::int32_t counter) const noexcept {
    BlockKey key;
    makeRun(counter, std::span(&key, 1));
    return key;
}

void Keystream::fillKeys(std::uint64_t firstBlock, std::span<BlockKey> keys) const noexcept {
    // Whole batches of a run go to the run kernel; what is left of a run,
    // and counters that start none, to the general one, in pieces that end
    // where the counter's number of characters changes (…, -10 | -9, -1 | 0,
    // 9 | 10, …) or its run does, so that the next run starts with a batch.
    const std::size_t lanes = impl_->runLanes;
    keylanes::RunPlan run;
    // The run `run` was made for: its digit count's plan and its digits but the last four.
    const keylanes::DigitsPlan* runPlanOf = nullptr;
    std::int32_t runHigher = 0;
    std::size_t done = 0;
    while (done < keys.size()) {
        const std::int32_t counter = blockCounter(seed_, firstBlock + done);
        const keylanes::DigitsPlan& plan = plans_[keylanes::digitCount(counter)];
        const std::size_t inRun = keylanes::runLength(plan, counter);
        const std::size_t left = keys.size() - done;
        if (inRun >= lanes && left >= lanes) {
            const std::int32_t higher = counter / 10000;
            if (runPlanOf != &plan || runHigher != higher) {
                keylanes::makeRunPlan(plan, counter, run);
                runPlanOf = &plan;
                runHigher = higher;
            }
            const std::size_t batches = std::min(inRun, left) / lanes;
            impl_->runKeys(run, keylanes::runLane(counter), batches, keys.data() + done);
            done += batches * lanes;
            continue;
        }
        std::size_t count = std::min<std::uint64_t>({left, keylanes::kMaxLanes, keylanes::sameLengthRun(counter)});
        if (inRun > 0) {
            count = std::min(count, inRun);
        }
        makeRun(counter, keys.subspan(done, count));
        done += count;
    }
}

}  // namespace korbit::engine

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
    // Runs end where the counter's number of characters changes (…, -10 | -9,
    // -1 | 0, 9 | 10, …): the lanes of one call share one plan.
    std::size_t done = 0;
    while (done < keys.size()) {
        const std::int32_t counter = blockCounter(seed_, firstBlock + done);
        const std::size_t count =
            std::min<std::uint64_t>({keys.size() - done, keylanes::kMaxLanes, keylanes::sameLengthRun(counter)});
        makeRun(counter, keys.subspan(done, count));
        done += count;
    }
}

}  // namespace korbit::engine

#include "korbit/engine/keystream.h"

#include <algorithm>
#include <string>

#include "korbit/engine/sha256.h"

namespace korbit::engine {

namespace {

// Keys made per step of apply(), on the stack.
constexpr std::size_t kApplyKeys = keylanes::kMaxLanes;

std::size_t sameLengthRunCapped(std::int32_t counter) noexcept {
    return static_cast<std::size_t>(std::min<std::uint64_t>(keylanes::kMaxLanes, keylanes::sameLengthRun(counter)));
}

}  // namespace

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
            std::min({keys.size() - done, keylanes::kMaxLanes, sameLengthRunCapped(counter)});
        makeRun(counter, keys.subspan(done, count));
        done += count;
    }
}

void Keystream::apply(std::span<std::uint8_t> data, std::uint64_t firstBlock) const noexcept {
    BlockKey keys[kApplyKeys];
    std::uint64_t block = firstBlock;
    for (std::size_t at = 0; at < data.size();) {
        const std::size_t blocks = std::min(kApplyKeys, (data.size() - at + kBlockBytes - 1) / kBlockBytes);
        fillKeys(block, std::span(keys, blocks));
        for (std::size_t i = 0; i < blocks; ++i, at += kBlockBytes) {
            xorBlock(data.subspan(at, std::min(kBlockBytes, data.size() - at)), keys[i]);
        }
        block += blocks;
    }
}

}  // namespace korbit::engine

#include "korbit/engine/key_ahead.h"

#include <algorithm>
#include <system_error>

namespace korbit::engine {

// Memory ordering. Every shared counter and mark (released_, claimed_,
// ready_) is read and written under mutex_ only, and stop_ is written under
// it. Key bytes are
// written outside the lock, by the one thread that claimed their chunk, and
// read outside it by the caller:
//  - a chunk's keys are complete before its maker locks and sets ready_; the
//    caller reads them only after seeing that mark under the lock, so the
//    unlock/lock pair orders the writes before the reads;
//  - a slot is written again only for a chunk claimed after the caller
//    raised released_ past the chunk it held there, which the caller does
//    under the lock after its last read of that chunk, so those reads come
//    before the new writes.
// Read outside the lock, stop_ is only a hint to abandon a chunk early
// (relaxed is enough): an abandoned chunk is never marked ready, and join() orders everything the
// producer did before the destructor goes on.

namespace {

// Blocks made between two looks at the stop flag: enough that the plan of a
// run, worked out once per fillKeys call, costs nothing worth measuring, few
// enough that the portable code takes about a millisecond.
constexpr std::size_t kPieceBlocks = 4096;

}  // namespace

KeyAhead::KeyAhead(const Keystream& keys, std::size_t chunkBlocks, KeyAheadOptions options)
    : keys_(keys),
      firstBlock_(std::min(options.firstBlock, kMaxBlocks)),
      endBlock_(std::clamp(options.endBlock, firstBlock_, kMaxBlocks)),
      chunkBlocks_(static_cast<std::size_t>(std::clamp<std::uint64_t>(chunkBlocks, 1, kMaxBlocks))),
      chunkCount_((endBlock_ - firstBlock_ + chunkBlocks_ - 1) / chunkBlocks_),
      slotBlocks_(static_cast<std::size_t>(std::min<std::uint64_t>(chunkBlocks_, endBlock_ - firstBlock_))),
      ring_(options.useThread && chunkCount_ >= 2 && std::thread::hardware_concurrency() >= 2) {
    storage_ = std::make_unique_for_overwrite<BlockKey[]>((ring_ ? kSlots : 1) * slotBlocks_);
    if (ring_) {
        try {
            producer_ = std::thread([this] { produce(); });
        } catch (const std::system_error&) {
            // No producer: the caller claims and makes every chunk itself.
        }
    }
}

KeyAhead::~KeyAhead() {
    if (!producer_.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        stop_.store(true, std::memory_order_relaxed);
    }
    changed_.notify_all();
    producer_.join();
}

std::span<BlockKey> KeyAhead::slotOf(std::uint64_t chunk) noexcept {
    const std::size_t slot = ring_ ? chunk % kSlots : 0;
    return {storage_.get() + slot * slotBlocks_, blocksOf(chunk)};
}

std::size_t KeyAhead::blocksOf(std::uint64_t chunk) const noexcept {
    const std::uint64_t begin = firstBlock_ + chunk * chunkBlocks_;
    return static_cast<std::size_t>(std::min<std::uint64_t>(chunkBlocks_, endBlock_ - begin));
}

bool KeyAhead::make(std::uint64_t chunk, bool stoppable) noexcept {
    const std::span<BlockKey> keys = slotOf(chunk);
    const std::uint64_t first = firstBlock_ + chunk * chunkBlocks_;
    for (std::size_t done = 0; done < keys.size(); done += kPieceBlocks) {
        if (stoppable && stop_.load(std::memory_order_relaxed)) {
            return false;
        }
        const std::size_t n = std::min(kPieceBlocks, keys.size() - done);
        keys_.fillKeys(first + done, keys.subspan(done, n));
    }
    return true;
}

std::uint64_t KeyAhead::claimFree() noexcept {
    if (claimed_ < chunkCount_ && claimed_ < released_ + kSlots) {
        return claimed_++;
    }
    return kNone;
}

void KeyAhead::produce() noexcept {
    std::unique_lock lock(mutex_);
    for (;;) {
        std::uint64_t chunk = kNone;
        const auto stopped = [this] { return stop_.load(std::memory_order_relaxed); };
        changed_.wait(lock, [&] { return stopped() || (chunk = claimFree()) != kNone; });
        if (stopped()) {
            return;
        }
        lock.unlock();
        const bool complete = make(chunk, true);
        lock.lock();
        if (!complete) {
            return;
        }
        ready_[chunk % kSlots] = chunk;
        changed_.notify_all();
    }
}

std::span<const BlockKey> KeyAhead::next() {
    const std::uint64_t chunk = nextChunk_;
    if (!ring_) {
        if (chunk >= chunkCount_) {
            return {};
        }
        make(chunk, false);
        ++nextChunk_;
        return slotOf(chunk);
    }

    std::unique_lock lock(mutex_);
    released_ = chunk;  // the caller is done with the chunk it had: its slot may be filled again
    changed_.notify_all();
    if (chunk >= chunkCount_) {
        return {};
    }
    while (ready_[chunk % kSlots] != chunk) {
        // Nobody has begun it, or the producer has and a later chunk is
        // still free: make that one here instead of waiting idle.
        const std::uint64_t mine = claimFree();
        if (mine == kNone) {
            changed_.wait(lock);
            continue;
        }
        lock.unlock();
        make(mine, false);
        lock.lock();
        ready_[mine % kSlots] = mine;
        changed_.notify_all();
    }
    ++nextChunk_;
    return slotOf(chunk);
}

}  // namespace korbit::engine

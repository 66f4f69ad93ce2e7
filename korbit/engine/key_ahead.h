// Keys of consecutive blocks handed out chunk by chunk, made ahead on a
// second core. A producer thread fills a small ring of chunks while the
// caller XORs, reads and writes; the caller's thread stays the only one
// that touches files or the host.
//
//   KeyAhead ahead(keys, chunkBlocks);
//   for each chunk of data: std::span<const BlockKey> k = ahead.next(); XOR block i with k[i]
//
// When the caller asks for a chunk nobody has begun, it makes the keys
// itself rather than wait; when the producer is in the middle of it, the
// caller makes a later chunk nobody has begun (while a slot is free) and
// then waits for it. So with nothing else to do both cores make keys, and
// with slow I/O the producer alone keeps the ring full.
//
// Without a second core (hardware_concurrency() < 2), when a thread cannot
// be started, with fewer than two chunks, or when asked not to use one, the
// same object makes every chunk on the caller's thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

#include "korbit/engine/container.h"
#include "korbit/engine/keystream.h"

namespace korbit::engine {

struct KeyAheadOptions {
    std::uint64_t firstBlock = 0;
    // One past the last block wanted; never more than kMaxBlocks.
    std::uint64_t endBlock = kMaxBlocks;
    // False: no thread, every chunk made on the caller's thread when asked for.
    bool useThread = true;
};

class KeyAhead {
public:
    // Chunks the ring holds with a producer thread.
    static constexpr std::size_t kSlots = 4;

    // `keys` must outlive this object; `chunkBlocks` must be at least 1.
    // Memory: kSlots * chunkBlocks keys of 32 bytes with the thread, one
    // chunk's worth without. Throws std::bad_alloc when that cannot be had.
    KeyAhead(const Keystream& keys, std::size_t chunkBlocks, KeyAheadOptions options = {});

    // Stops the producer (within a few thousand blocks' work) and joins it.
    ~KeyAhead();

    KeyAhead(const KeyAhead&) = delete;
    KeyAhead& operator=(const KeyAhead&) = delete;

    // The keys of the next chunk of blocks: chunkBlocks of them, fewer for
    // the last chunk before endBlock, none after it. Valid until the next
    // call or the end of this object.
    std::span<const BlockKey> next();

    // True when a producer thread makes keys ahead. Caller's thread only.
    bool threaded() const noexcept { return producer_.joinable(); }

private:
    static constexpr std::uint64_t kNone = ~std::uint64_t{0};

    std::span<BlockKey> slotOf(std::uint64_t chunk) noexcept;
    std::size_t blocksOf(std::uint64_t chunk) const noexcept;
    // Fills the slot of `chunk`; false when the producer was told to stop
    // before it finished (`stoppable`).
    bool make(std::uint64_t chunk, bool stoppable) noexcept;
    void produce() noexcept;
    // Caller, with the lock held: the first chunk nobody has begun, when its
    // slot is free, or kNone.
    std::uint64_t claimFree() noexcept;

    const Keystream& keys_;
    const std::uint64_t firstBlock_;
    const std::uint64_t endBlock_;
    const std::size_t chunkBlocks_;
    const std::uint64_t chunkCount_;
    const std::size_t slotBlocks_;  // room per slot: a chunk, or all blocks when they are fewer
    // kSlots slots for a producer thread, or one; fixed before the thread
    // starts, as both threads read it.
    const bool ring_;
    std::unique_ptr<BlockKey[]> storage_;  // every key is made before it is read
    std::uint64_t nextChunk_ = 0;  // the chunk the caller gets next; only the caller's thread uses it

    // Shared between the caller and the producer, under mutex_. Chunk c
    // lives in slot c % kSlots. Chunks below `released_` are done with;
    // chunks below `claimed_` have been begun by one thread or the other;
    // ready_[slot] is the chunk whose keys are complete in that slot.
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t released_ = 0;
    std::uint64_t claimed_ = 0;
    std::uint64_t ready_[kSlots] = {kNone, kNone, kNone, kNone};
    // Set by the destructor under mutex_; the producer also reads it between
    // pieces of a chunk, so that the destructor need not wait for a whole one.
    std::atomic<bool> stop_{false};

    std::thread producer_;  // last: started once everything above is set
};

}  // namespace korbit::engine

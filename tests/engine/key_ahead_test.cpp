// Keys made ahead on a second core: exactly fillKeys' keys, chunk by chunk,
// whoever made them.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "korbit/engine/key_ahead.h"

namespace korbit::engine {
namespace {

struct Case {
    const char* label;
    std::size_t chunkBlocks;
    KeyAheadOptions options;
    bool expectThread;
};

TEST(KeyAhead, HandsOutFillKeysKeysChunkByChunkWithAndWithoutItsThread) {
    const Keystream keys(u"correct horse", 999999990);  // counters cross -1000000000 | -999999999
    const std::vector<Case> cases = {
        {"thread, short last chunk", 700, {.endBlock = 20 * 700 + 37}, true},
        {"no thread", 700, {.endBlock = 20 * 700 + 37, .useThread = false}, false},
        {"thread, chunks of one block", 1, {.endBlock = 300}, true},
        {"thread, up to the last block a Seed can number",
         64,
         {.firstBlock = kMaxBlocks - 1000, .endBlock = kMaxBlocks + 100},
         true},
        {"a single chunk needs no thread", 5000, {.endBlock = 4000}, false},
        {"nothing to make", 100, {.firstBlock = 50, .endBlock = 50}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::uint64_t first = c.options.firstBlock;
        const std::uint64_t end = std::min(c.options.endBlock, kMaxBlocks);
        KeyAhead ahead(keys, c.chunkBlocks, c.options);
        if (std::thread::hardware_concurrency() >= 2) {
            EXPECT_EQ(ahead.threaded(), c.expectThread);
        }
        std::uint64_t block = first;
        for (std::span<const BlockKey> chunk = ahead.next(); !chunk.empty(); chunk = ahead.next()) {
            ASSERT_EQ(chunk.size(), std::min<std::uint64_t>(c.chunkBlocks, end - block));
            // Checking each chunk on the caller's thread gives the producer
            // time to run ahead and fill the ring.
            std::vector<BlockKey> expected(chunk.size());
            keys.fillKeys(block, expected);
            ASSERT_TRUE(std::equal(chunk.begin(), chunk.end(), expected.begin())) << "chunk at block " << block;
            block += chunk.size();
        }
        EXPECT_EQ(block, end);
        EXPECT_TRUE(ahead.next().empty());
    }
}

TEST(KeyAhead, StopsItsProducerWhenDestroyedInTheMiddleOfAChunk) {
    // Large chunks of the slowest implementation: the producer is busy when
    // each object goes, after no chunk, one chunk or a few.
    constexpr std::size_t kChunk = std::size_t{1} << 15;
    const Keystream keys(u"correct horse", 12345, keylanes::portable());
    for (const std::uint64_t taken : {0U, 1U, 3U}) {
        KeyAhead ahead(keys, kChunk);
        for (std::uint64_t i = 0; i < taken; ++i) {
            const std::span<const BlockKey> chunk = ahead.next();
            ASSERT_EQ(chunk.size(), kChunk);
            EXPECT_EQ(chunk.front(), keys.keyFor(blockCounter(12345, i * kChunk)));
            EXPECT_EQ(chunk.back(), keys.keyFor(blockCounter(12345, (i + 1) * kChunk - 1)));
        }
    }
}

}  // namespace
}  // namespace korbit::engine

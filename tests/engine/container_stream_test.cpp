// Whole containers written and read through byte streams.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <thread>

#include "korbit/engine/container_stream.h"
#include "support/byte_devices.h"

namespace korbit::engine {
namespace {

using korbit::testing::FailingSink;
using korbit::testing::FailingSource;
using korbit::testing::randomBytes;
using korbit::testing::ShortReadSource;

const std::u16string kPassword = u"correct horse";

ContainerHeader headerWithSeed(std::int32_t seed) {
    ContainerHeader header;
    header.PlainExtension = ".bin";
    header.PlainAttributes = 33;
    header.Seed = seed;
    return header;
}

// The container as its definition builds it, one block at a time.
std::vector<std::uint8_t> referenceContainer(const std::vector<std::uint8_t>& plain, const ContainerHeader& header,
                                             std::u16string_view password) {
    std::vector<std::uint8_t> out = encodeHeader(header).value();
    const BlockKey check = DeriveBlockKey(keyText(password, header.Seed));
    out.insert(out.end(), check.begin(), check.end());
    for (std::size_t at = 0, k = 0; at < plain.size(); at += 32, ++k) {
        const std::size_t length = std::min<std::size_t>(32, plain.size() - at);
        const BlockKey key = DeriveBlockKey(keyText(password, blockCounter(header.Seed, k)));
        const auto block = XorBlock(std::span(plain).subspan(at, length), std::span(key).first(length));
        out.insert(out.end(), block.begin(), block.end());
    }
    return out;
}

std::vector<std::uint8_t> encrypt(const std::vector<std::uint8_t>& plain, const ContainerHeader& header,
                                  const TransformOptions& options = {}) {
    MemorySource source(plain);
    MemorySink sink;
    EXPECT_TRUE(writeContainer(source, sink, header, kPassword, options));
    return sink.bytes();
}

TEST(ContainerRoundTrip, EverySizeMatchesTheBlockByBlockDefinitionAndDecryptsBack) {
    const ContainerHeader header = headerWithSeed(41);
    for (std::size_t size : {0U, 1U, 31U, 32U, 33U, 63U, 64U, 65U, 1000U, 65536U, 65537U, 200000U}) {
        const auto plain = randomBytes(size, static_cast<std::uint32_t>(size));
        const auto container = encrypt(plain, header);
        ASSERT_EQ(container.size(), header.encodedSize() + 32 + size) << size;
        ASSERT_EQ(container, referenceContainer(plain, header, kPassword)) << size;

        MemorySource source(container);
        MemorySink sink;
        const auto read = readContainer(source, sink, kPassword);
        ASSERT_TRUE(read) << size << ": " << read.status().message();
        EXPECT_EQ(read.value(), header);
        EXPECT_EQ(sink.bytes(), plain) << size;
    }
}

TEST(ContainerRoundTrip, ChunkSizeAndShortReadsNeverShiftTheBlocks) {
    const ContainerHeader header = headerWithSeed(kMaxSeed);
    const auto plain = randomBytes(10007, 5);
    const auto expected = referenceContainer(plain, header, kPassword);
    for (std::size_t chunk : {1U, 32U, 33U, 96U, 4096U}) {
        ShortReadSource source(plain, 45, static_cast<std::uint32_t>(chunk));
        MemorySink sink;
        TransformOptions options;
        options.chunkBytes = chunk;
        ASSERT_TRUE(writeContainer(source, sink, header, kPassword, options));
        ASSERT_EQ(sink.bytes(), expected) << "chunk " << chunk;

        ShortReadSource back(expected, 7, 3);
        MemorySink plainSink;
        ASSERT_TRUE(readContainer(back, plainSink, kPassword, options));
        ASSERT_EQ(plainSink.bytes(), plain) << "chunk " << chunk;
    }
}

TEST(ContainerRoundTrip, ASourceThatGrewOrShrankSinceItsSizeWasTakenStillGetsEveryKey) {
    const ContainerHeader header = headerWithSeed(1234567);
    const auto plain = randomBytes(10007, 9);
    const auto expected = referenceContainer(plain, header, kPassword);
    // Announced: one block, one chunk less, a chunk boundary, too many.
    for (std::uint64_t announced : {1U, 4000U, 4096U, 9000U, 10007U, 20000U}) {
        for (bool keysAhead : {false, true}) {
            TransformOptions options;
            options.chunkBytes = 4096;
            options.expectedBytes = announced;
            options.keysAhead = keysAhead;
            EXPECT_EQ(encrypt(plain, header, options), expected)
                << announced << " bytes announced, keys ahead " << keysAhead;
        }
    }
}

// The threads of this process, as the system counts them.
std::size_t threadsNow() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Threads:")) {
            return std::stoul(line.substr(8));
        }
    }
    ADD_FAILURE() << "no thread count in /proc/self/status";
    return 0;
}

// Notes how many threads the process has when the transform first reads.
class ThreadCountingSource final : public ByteSource {
public:
    explicit ThreadCountingSource(std::span<const std::uint8_t> bytes) : inner_(bytes) {}
    Result<std::size_t> read(std::span<std::uint8_t> buffer) override {
        if (threads_ == 0) {
            threads_ = threadsNow();
        }
        return inner_.read(buffer);
    }
    std::size_t threads() const noexcept { return threads_; }

private:
    MemorySource inner_;
    std::size_t threads_ = 0;
};

TEST(ContainerRoundTrip, KeysAreMadeOnASecondThreadOnlyWhenMoreThanOneChunkMayCome) {
    if (std::thread::hardware_concurrency() < 2) {
        GTEST_SKIP() << "one core: keys are never made on a second thread";
    }
    struct Case {
        const char* label;
        std::size_t bytes;
        std::optional<std::uint64_t> announced;
        bool thread;
    };
    const Case cases[] = {
        {"an empty source announced as such", 0, 0, false},
        {"one chunk announced", 4096, 4096, false},
        {"an empty source of unknown size", 0, std::nullopt, true},
        {"two chunks announced", 8192, 8192, true},
    };
    const Keystream keys(kPassword, 41);
    for (const Case& c : cases) {
        const auto plain = randomBytes(c.bytes, 3);
        TransformOptions options;
        options.chunkBytes = 4096;
        options.expectedBytes = c.announced;
        const std::size_t before = threadsNow();
        ThreadCountingSource source(plain);
        MemorySink sink;
        const Result<std::uint64_t> moved = transformBlocks(source, sink, keys, options);
        ASSERT_TRUE(moved) << c.label;
        EXPECT_EQ(moved.value(), c.bytes) << c.label;
        EXPECT_EQ(source.threads() > before, c.thread) << c.label;
    }
}

TEST(ContainerRoundTrip, TwoEncryptionsWithNewSeedsDifferButBothDecrypt) {
    std::mt19937 random(8);
    const auto word = [&] { return static_cast<std::uint32_t>(random()); };
    const auto plain = randomBytes(100, 1);
    const auto first = encrypt(plain, headerWithSeed(NewSeed(blocksOf(plain.size()), word)));
    const auto second = encrypt(plain, headerWithSeed(NewSeed(blocksOf(plain.size()), word)));
    EXPECT_NE(first, second);
    for (const auto& container : {first, second}) {
        MemorySource source(container);
        MemorySink sink;
        ASSERT_TRUE(readContainer(source, sink, kPassword));
        EXPECT_EQ(sink.bytes(), plain);
    }
}

TEST(ContainerPassword, AWrongPasswordIsRefusedBeforeAnyByteIsWritten) {
    const auto container = encrypt(randomBytes(500, 2), headerWithSeed(77));
    for (const std::u16string wrong : {u"correct horsE", u"", u"correct horse ", u"\u0163orrect horsf"}) {
        MemorySource source(container);
        MemorySink sink;
        const auto read = readContainer(source, sink, wrong);
        ASSERT_FALSE(read);
        EXPECT_EQ(read.status().code(), ErrorCode::WrongPassword);
        EXPECT_TRUE(sink.bytes().empty());
    }
    // U+0163 and U+0063 share their low byte: to the container they are the same password.
    MemorySource source(container);
    MemorySink sink;
    EXPECT_TRUE(readContainer(source, sink, u"\u0163orrect horse"));
}

TEST(ContainerPassword, AContainerCutInsideHeaderOrCheckIsAWrongPassword) {
    ContainerHeader header = headerWithSeed(12);
    header.PlainExtension = ".jpeg";
    const auto container = encrypt(randomBytes(64, 4), header);
    const std::size_t dataStart = header.encodedSize() + 32;
    for (std::size_t cut = 0; cut < dataStart; ++cut) {
        // An exact-size copy, so that any read past the cut is caught.
        const std::vector<std::uint8_t> part(container.begin(), container.begin() + static_cast<std::ptrdiff_t>(cut));
        MemorySource source(part);
        MemorySink sink;
        const auto read = readContainer(source, sink, kPassword);
        ASSERT_FALSE(read) << "cut at " << cut;
        EXPECT_EQ(read.status().code(), ErrorCode::WrongPassword) << "cut at " << cut;
        EXPECT_TRUE(sink.bytes().empty());
    }
    // Cut right after the check: a valid, shorter plain file.
    const std::vector<std::uint8_t> part(container.begin(), container.begin() + static_cast<std::ptrdiff_t>(dataStart + 5));
    MemorySource source(part);
    MemorySink sink;
    ASSERT_TRUE(readContainer(source, sink, kPassword));
    EXPECT_EQ(sink.bytes().size(), 5U);
}

TEST(ContainerPassword, APlainFileThatStartsWithTheSignatureFailsEveryPassword) {
    std::vector<std::uint8_t> plain = korbit::testing::bytesOf("xjeS and then an ordinary text file.");
    for (const std::u16string password : {u"", u"xjeS", u"correct horse"}) {
        MemorySource source(plain);
        MemorySink sink;
        const auto read = readContainer(source, sink, password);
        ASSERT_FALSE(read);
        EXPECT_EQ(read.status().code(), ErrorCode::WrongPassword);
    }
    const auto text = korbit::testing::bytesOf("Plain text");
    MemorySource source(text);
    MemorySink sink;
    EXPECT_EQ(readContainer(source, sink, kPassword).status().code(), ErrorCode::NotAContainer);
}

TEST(ContainerFailures, DeviceErrorsAndCancelStopTheTransformAndSayWhy) {
    const auto plain = randomBytes(5000, 6);
    const ContainerHeader header = headerWithSeed(3);

    FailingSource unreadable(plain, 1000);
    MemorySink sink;
    EXPECT_EQ(writeContainer(unreadable, sink, header, kPassword).code(), ErrorCode::ReadFailed);

    MemorySource source(plain);
    FailingSink full(2000);
    EXPECT_EQ(writeContainer(source, full, header, kPassword).code(), ErrorCode::WriteFailed);

    const auto container = encrypt(plain, header);
    FailingSource cutOff(container, 10);
    MemorySink out;
    EXPECT_EQ(readContainer(cutOff, out, kPassword).status().code(), ErrorCode::ReadFailed);
    EXPECT_TRUE(out.bytes().empty());

    std::vector<std::uint64_t> progress;
    TransformOptions options;
    options.chunkBytes = 1024;
    options.eachChunk = [&](ChunkSteps& chunk) {
        chunk.transformRest();
        progress.push_back(chunk.blocks());
        return progress.size() < 3;
    };
    MemorySource again(plain);
    MemorySink partial;
    EXPECT_EQ(writeContainer(again, partial, header, kPassword, options).code(), ErrorCode::Cancelled);
    EXPECT_EQ(progress, (std::vector<std::uint64_t>{32, 32, 32}));
    EXPECT_EQ(partial.bytes().size(), header.encodedSize() + 32 + 3 * 1024);  // the blocks done are written
}

TEST(ContainerFailures, AChunkCallbackStepsBlockByBlockAndMayStopInsideAChunk) {
    const ContainerHeader header = headerWithSeed(9);
    const auto plain = randomBytes(1000, 3);  // 31 full blocks and one of 8 bytes
    const auto expected = referenceContainer(plain, header, kPassword);
    for (const std::size_t stopAfter : {1U, 5U, 31U, 32U, 99U}) {
        SCOPED_TRACE(stopAfter);
        std::size_t blocks = 0;
        TransformOptions options;
        options.chunkBytes = 160;
        options.eachChunk = [&](ChunkSteps& chunk) {
            while (!chunk.atEnd()) {
                chunk.transformNext();
                if (++blocks == stopAfter) {
                    return false;
                }
            }
            return true;
        };
        MemorySource source(plain);
        MemorySink sink;
        const Status status = writeContainer(source, sink, header, kPassword, options);
        const std::size_t written = std::min<std::size_t>(stopAfter * 32, plain.size());
        EXPECT_EQ(status.code(), stopAfter <= 32 ? ErrorCode::Cancelled : ErrorCode::None);
        const std::size_t dataStart = header.encodedSize() + 32;
        ASSERT_EQ(sink.bytes().size(), dataStart + written);
        EXPECT_TRUE(std::equal(sink.bytes().begin(), sink.bytes().end(), expected.begin()));
    }
}

}  // namespace
}  // namespace korbit::engine

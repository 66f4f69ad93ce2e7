// From password and Seed to the 32 key bytes of the check and of every block.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

#include "korbit/engine/container.h"
#include "korbit/engine/container_stream.h"
#include "korbit/engine/keystream.h"
#include "korbit/engine/sha256.h"
#include "support/byte_devices.h"

namespace korbit::engine {
namespace {

using korbit::testing::fromHex;

// The key as its definition reads, on the digest's hex text: byte i (1-based)
// is the two digits starting at digit 2i; byte 32 is digit 64 alone.
BlockKey keyFromHexDigits(std::u16string_view text) {
    const std::u16string hex = SHA256{}(std::u16string(text));
    const auto digit = [&](std::size_t position) {  // 1-based
        const char16_t c = hex.at(position - 1);
        return c <= u'9' ? c - u'0' : c - u'a' + 10;
    };
    BlockKey key{};
    for (std::size_t i = 1; i <= 31; ++i) {
        key[i - 1] = static_cast<std::uint8_t>(digit(2 * i) * 16 + digit(2 * i + 1));
    }
    key[31] = static_cast<std::uint8_t>(digit(64));
    return key;
}

std::u16string randomText(std::mt19937& random, std::size_t length) {
    std::u16string text(length, u' ');
    for (auto& c : text) {
        // Mostly ASCII, some Latin-1 and some characters whose high byte is dropped.
        const auto pick = random() % 10;
        c = static_cast<char16_t>(pick < 7 ? 0x20 + random() % 0x5F : pick < 9 ? random() % 0x100 : random() % 0x10000);
    }
    return text;
}

TEST(BlockKeyDerivation, ReproducesTheAbcExample) {
    const BlockKey expected = [] {
        BlockKey k{};
        const auto bytes = fromHex("a7 81 6b f8 f0 1c fe a4 14 14 0d e5 da e2 22 3b"
                                   "00 36 1a 39 61 77 a9 cb 41 0f f6 1f 20 01 5a 0d");
        std::copy(bytes.begin(), bytes.end(), k.begin());
        return k;
    }();
    EXPECT_EQ(DeriveBlockKey(u"abc"), expected);
    EXPECT_EQ(keyFromHexDigits(u"abc"), expected);
}

TEST(BlockKeyDerivation, WorkingOnDigestBytesEqualsTheHexDigitDefinition) {
    std::mt19937 random(42);
    for (int i = 0; i < 2000; ++i) {
        const std::u16string text = randomText(random, random() % 120);
        ASSERT_EQ(DeriveBlockKey(text), keyFromHexDigits(text)) << i;
    }
}

TEST(BlockKeyCounters, SpellTheKeyTextsOfSeed41) {
    EXPECT_EQ(keyText(u"secret", checkCounter(41)), u"secret?41");
    EXPECT_EQ(keyText(u"secret", blockCounter(41, 0)), u"secret?-42");
    EXPECT_EQ(keyText(u"secret", blockCounter(41, 1)), u"secret?-41");
    EXPECT_EQ(keyText(u"secret", blockCounter(41, 41)), u"secret?-1");
    EXPECT_EQ(keyText(u"secret", blockCounter(41, 42)), u"secret?0");
    EXPECT_EQ(keyText(u"", blockCounter(41, 43)), u"?1");
}

TEST(BlockKeyCounters, ClimbFromNotSeedWithoutWrappingOverTheWholeRange) {
    EXPECT_EQ(blockCounter(0, 0), -1);
    EXPECT_EQ(blockCounter(kMaxSeed, 0), -2147483647 - 1);
    EXPECT_EQ(blockCounter(kMaxSeed, kMaxBlocks - 1), -1);
    EXPECT_EQ(blockCounter(0, kMaxBlocks - 1), 2147483646);
    EXPECT_EQ(keyText(u"p", blockCounter(kMaxSeed, 0)), u"p?-2147483648");
    EXPECT_EQ(keyText(u"p", kMaxSeed), u"p?2147483647");
}

TEST(BlockKeyStream, GivesTheKeyOfTheKeyTextForEveryPasswordLengthAndCounter) {
    // Password lengths around the one-compression limit (43) and past a whole
    // prefix block (63, 64, 127), with every key-stream implementation.
    std::mt19937 random(1);
    for (const auto* impl : keylanes::available()) {
        for (std::size_t length : {0U, 1U, 6U, 32U, 42U, 43U, 44U, 52U, 53U, 54U, 62U, 63U, 64U, 100U, 127U, 200U}) {
            const std::u16string password = randomText(random, length);
            for (std::int32_t seed : {0, 41, 1234567, kMaxSeed}) {
                const Keystream keys(password, seed, *impl);
                ASSERT_EQ(keys.passwordCheck(), DeriveBlockKey(keyText(password, seed)));
                for (std::uint64_t block : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{9}, std::uint64_t{12345},
                                            kMaxBlocks - 1}) {
                    const std::int32_t counter = blockCounter(seed, block);
                    ASSERT_EQ(keys.keyFor(counter), DeriveBlockKey(keyText(password, counter)))
                        << impl->name << " password length " << length << " seed " << seed << " block " << block;
                }
            }
        }
    }
}

TEST(BlockKeyStream, XorsEachBlockWithItsOwnKeyAndTheShortLastBlockWithTheKeysStart) {
    struct Case {
        std::u16string password;
        std::int32_t seed;
    };
    const std::vector<Case> cases = {
        {u"hunter22", 41},
        // 44 characters: the key text of counter -1000000000 needs two digest
        // blocks, that of -999999999 one; with this seed they are blocks 0 and 1.
        {std::u16string(44, u'p'), 999999999},
        {std::u16string(130, u'q'), 7},  // two whole prefix blocks digested up front
    };
    for (const Case& c : cases) {
        const auto plain = korbit::testing::randomBytes(32 * 5 + 5, 3);
        for (std::uint64_t firstBlock : {std::uint64_t{0}, std::uint64_t{7}}) {
            auto data = plain;
            std::vector<BlockKey> keys((data.size() + 31) / 32);
            Keystream(c.password, c.seed).fillKeys(firstBlock, keys);
            ChunkSteps(data, keys).transformRest();
            for (std::size_t block = 0; block * 32 < plain.size(); ++block) {
                const BlockKey key = DeriveBlockKey(keyText(c.password, blockCounter(c.seed, firstBlock + block)));
                const std::size_t length = std::min<std::size_t>(32, plain.size() - block * 32);
                const auto expected = XorBlock(std::span(plain).subspan(block * 32, length), std::span(key).first(length));
                ASSERT_EQ(expected.size(), length);
                EXPECT_TRUE(std::equal(expected.begin(), expected.end(),
                                       data.begin() + static_cast<std::ptrdiff_t>(block * 32)))
                    << "password length " << c.password.size() << ", block " << firstBlock + block;
            }
        }
    }
}

TEST(BlockKeyStream, FillsKeysExactlyAsOneByOne) {
    for (const std::u16string& password : {std::u16string(u"hunter22"), std::u16string(44, u'p')}) {
        const Keystream keys(password, 999999999);
        for (std::size_t count : {0U, 1U, 2U, 7U}) {
            std::vector<BlockKey> filled(count);
            keys.fillKeys(0, filled);
            for (std::size_t i = 0; i < count; ++i) {
                EXPECT_EQ(filled[i], keys.keyFor(blockCounter(999999999, i))) << count << " keys, key " << i;
            }
        }
    }
    auto block = korbit::testing::bytesOf("abc");
    Keystream::xorBlock(block, DeriveBlockKey(u"abc"));
    EXPECT_EQ(block, korbit::testing::fromHex("c6 e3 08"));  // 61^a7 62^81 63^6b
}

TEST(BlockKeyXor, IsItsOwnInverseAndRefusesUnequalLengths) {
    const auto data = fromHex("00 ff 10 20");
    const auto key = fromHex("ff ff 01 02");
    EXPECT_EQ(XorBlock(data, key), fromHex("ff 00 11 22"));
    EXPECT_EQ(XorBlock(XorBlock(data, key), key), data);
    EXPECT_TRUE(XorBlock(data, fromHex("ff ff 01")).empty());
    EXPECT_TRUE(XorBlock({}, {}).empty());
}

// Random words played from a list, then from a fixed generator.
class Words {
public:
    explicit Words(std::vector<std::uint32_t> first) : first_(std::move(first)) {}
    std::uint32_t operator()() { return at_ < first_.size() ? first_[at_++] : static_cast<std::uint32_t>(more_()); }
    std::size_t used() const noexcept { return at_; }

private:
    std::vector<std::uint32_t> first_;
    std::size_t at_ = 0;
    std::mt19937 more_{7};
};

TEST(SeedDrawing, KeepsEveryDataCounterNegativeOrAtLeastClearOfTheOwnCheck) {
    struct Case {
        std::uint64_t blocks;
        std::int32_t lowest;
    };
    constexpr std::uint64_t kBillion = std::uint64_t{1} << 30;
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{33554432, 33554432}, Case{kBillion, 1 << 30},
                         Case{kBillion + 1, (1 << 29) + 1}, Case{kMaxBlocks, 1 << 30}}) {
        SCOPED_TRACE(c.blocks);
        EXPECT_EQ(lowestSeedFor(c.blocks), c.lowest);
        Words words({});
        for (int i = 0; i < 200; ++i) {
            const std::int32_t seed = NewSeed(c.blocks, std::ref(words));
            ASSERT_GE(seed, c.lowest);
            ASSERT_LE(seed, kMaxSeed);
            if (c.blocks == 0) {
                continue;
            }
            if (c.blocks <= kBillion) {
                // Every block's counter is below zero, where no check ever is.
                ASSERT_LT(blockCounter(seed, c.blocks - 1), 0);
            } else {
                // Block 2 Seed + 1 would use the check's own counter.
                ASSERT_GE(2 * std::uint64_t(seed) + 1, c.blocks);
            }
        }
    }
}

TEST(SeedDrawing, DrawsFromTheWholeRangeAndRejectsWhatIsTooLow) {
    // The top bit never counts; words below the lowest seed are drawn again.
    Words words({0xFFFFFFFFU, 5, 99, 100, 0x80000064U});
    EXPECT_EQ(NewSeed(100, std::ref(words)), kMaxSeed);
    EXPECT_EQ(NewSeed(100, std::ref(words)), 100);
    EXPECT_EQ(words.used(), 4U);
    EXPECT_EQ(NewSeed(100, std::ref(words)), 100);

    // A source that only gives low words still ends in range.
    EXPECT_GE(NewSeed(1000, [] { return 3U; }), 1000);

    // Seeds spread over all 31 bits, low bits included.
    Words random({});
    std::set<std::int32_t> seen;
    int above24Bits = 0;
    int odd = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::int32_t seed = NewSeed(1, std::ref(random));
        seen.insert(seed);
        above24Bits += seed >= (1 << 24) ? 1 : 0;
        odd += seed & 1;
    }
    EXPECT_EQ(seen.size(), 10000U);
    EXPECT_GT(above24Bits, 9800);
    EXPECT_GT(odd, 4700);
    EXPECT_LT(odd, 5300);
}

}  // namespace
}  // namespace korbit::engine

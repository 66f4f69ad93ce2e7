// Every key-stream implementation this processor has, against the key's
// definition computed independently: OpenSSL's SHA-256 of the key text's
// low bytes, then keyFromDigest.
#include <openssl/evp.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "korbit/engine/container.h"
#include "korbit/engine/container_stream.h"
#include "korbit/engine/keystream.h"
#include "support/byte_devices.h"

namespace korbit::engine {
namespace {

BlockKey referenceKey(std::u16string_view password, std::int32_t counter) {
    std::string text;
    for (const char16_t c : password) {
        text.push_back(static_cast<char>(c & 0xFF));
    }
    text += '?';
    text += std::to_string(counter);
    sha256::Digest digest{};
    unsigned int length = 0;
    EXPECT_EQ(EVP_Digest(text.data(), text.size(), digest.data(), &length, EVP_sha256(), nullptr), 1);
    return keyFromDigest(digest);
}

struct Password {
    const char* label;
    std::u16string text;
};

// 0 and 9 characters; 43, the longest whose every key text fits one final
// block; 44, where 11-character counters need a second one; 60, where the
// digits themselves straddle the two; 100, a whole prefix block first; and
// characters beyond U+00FF, of which only the low byte counts.
const std::vector<Password>& passwords() {
    static const std::vector<Password> all = {
        {"empty", u""},
        {"9 characters", u"secret-pw"},
        {"43 characters", std::u16string(43, u'k')},
        {"44 characters", std::u16string(44, u'l')},
        {"60 characters", std::u16string(60, u'm')},
        {"100 characters", std::u16string(100, u'n')},
        {"beyond U+00FF", u"\u20AC\u0141\u00E9-\uFFFFpass\u0100"},
    };
    return all;
}

// A run of consecutive counters, reached as blocks of some Seed.
struct Window {
    std::int32_t firstCounter;
    std::size_t count;
};

std::vector<Window> windows() {
    std::vector<Window> all;
    // Around every change of the counter's length, sign change included:
    // -1000000000 | -999999999, ..., -10 | -9, -1 | 0, 9 | 10, ..., 999999999 | 1000000000.
    // Odd widths and offsets leave partial lane groups on both sides.
    std::vector<std::int64_t> boundaries{0};
    for (std::int64_t p = 10; p <= 1000000000; p *= 10) {
        boundaries.push_back(p);
        boundaries.push_back(-p + 1);
    }
    for (const std::int64_t b : boundaries) {
        all.push_back({static_cast<std::int32_t>(b - 45), 91});
    }
    all.push_back({-2147483647 - 1, 77});           // the first counter of Seed 2147483647
    all.push_back({2147483646 - 68, 69});           // the last block any Seed can number
    all.push_back({blockCounter(41, 0), 8000});     // Seed 41 from block 0, through -1 and 0
    all.push_back({blockCounter(1234567, 0), 8000});
    return all;
}

// Seed and first block whose counters start at `counter`.
std::pair<std::int32_t, std::uint64_t> seedAndBlockOf(std::int32_t counter) {
    if (counter < 0) {
        return {-(counter + 1), 0};
    }
    return {0, static_cast<std::uint64_t>(counter) + 1};
}

class KeystreamImplementation : public ::testing::TestWithParam<const keylanes::Implementation*> {
protected:
    const keylanes::Implementation& impl() const { return *GetParam(); }
};

TEST_P(KeystreamImplementation, MakesTheDefinitionsKeyForEveryCounterAcrossEveryLengthChange) {
    // Filled in pieces of these sizes in turn, so that runs start at every
    // phase of the lane groups.
    const std::size_t pieces[] = {1, 7, 16, 17, 31, 32, 33, 50, 3};
    std::size_t checked = 0;
    for (const Password& password : passwords()) {
        for (const Window& window : windows()) {
            const auto [seed, firstBlock] = seedAndBlockOf(window.firstCounter);
            const Keystream keys(password.text, seed, impl());
            std::vector<BlockKey> made(window.count);
            for (std::size_t at = 0, p = 0; at < made.size(); ++p) {
                const std::size_t n = std::min(pieces[p % std::size(pieces)], made.size() - at);
                keys.fillKeys(firstBlock + at, std::span(made).subspan(at, n));
                at += n;
            }
            for (std::size_t i = 0; i < made.size(); ++i) {
                const auto counter = static_cast<std::int32_t>(window.firstCounter + static_cast<std::int64_t>(i));
                ASSERT_EQ(made[i], referenceKey(password.text, counter))
                    << impl().name << ", password " << password.label << ", counter " << counter;
            }
            checked += made.size();
        }
        for (const std::int32_t seed : {0, 41, kMaxSeed}) {
            EXPECT_EQ(Keystream(password.text, seed, impl()).passwordCheck(), referenceKey(password.text, seed))
                << impl().name << ", password " << password.label << ", check of Seed " << seed;
        }
    }
    EXPECT_GE(checked, 100000U);
}

TEST_P(KeystreamImplementation, MakesTheDefinitionsKeysInLongCallsWhereverTheDigitsFallInTheBlock) {
    // Passwords of 0 to 100 characters put the counter's last four digits at
    // every byte of the final block that can hold them (after a whole prefix
    // block from 63 characters on). Each window is filled in one call, so that
    // whole batches run up to the end of a run (every 10,000 counters), of a
    // digit count or of the counters, and the next run starts in the same call.
    const Window windows[] = {
        {-1230000 - 150, 300},       // -1230000 | -1229999: a run of negative counters ends
        {-10000 - 60, 120},          // -10000 | -9999
        {1000 - 50, 100},            // 999 | 1000: counters start runs from four digits on
        {9999 - 70, 140},            // 9999 | 10000
        {-2147483647 - 1, 150},      // eleven characters
        {2147483646 - 149, 150},     // the last block any Seed can number
    };
    const std::u16string letters = u"correct horse battery staple, ";
    for (std::size_t length = 0; length <= 100; ++length) {
        std::u16string password;
        for (std::size_t i = 0; i < length; ++i) {
            password += letters[i % letters.size()];
        }
        for (const Window& window : windows) {
            const auto [seed, firstBlock] = seedAndBlockOf(window.firstCounter);
            std::vector<BlockKey> made(window.count);
            Keystream(password, seed, impl()).fillKeys(firstBlock, made);
            for (std::size_t i = 0; i < made.size(); ++i) {
                const auto counter = static_cast<std::int32_t>(window.firstCounter + static_cast<std::int64_t>(i));
                ASSERT_EQ(made[i], referenceKey(password, counter))
                    << impl().name << ", password of " << length << " characters, counter " << counter;
            }
        }
    }
}

TEST_P(KeystreamImplementation, XorsDataWithTheKeysOfItsBlocks) {
    // A short last block takes the first bytes of its key.
    for (const Password& password : passwords()) {
        const auto plain = korbit::testing::randomBytes(32 * 75 + 13, 5);
        auto data = plain;
        std::vector<BlockKey> keys((data.size() + 31) / 32);
        Keystream(password.text, 41, impl()).fillKeys(3, keys);
        ChunkSteps(data, keys).transformRest();
        for (std::size_t at = 0; at < plain.size(); at += 32) {
            const BlockKey key = referenceKey(password.text, blockCounter(41, 3 + at / 32));
            for (std::size_t j = at; j < std::min(at + 32, plain.size()); ++j) {
                ASSERT_EQ(data[j], plain[j] ^ key[j - at]) << impl().name << ", password " << password.label
                                                           << ", byte " << j;
            }
        }
    }
}

std::string implementationName(const ::testing::TestParamInfo<const keylanes::Implementation*>& param) {
    std::string name(param.param->name);
    std::erase(name, '-');
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllAvailable, KeystreamImplementation,
                         ::testing::ValuesIn(keylanes::available().begin(), keylanes::available().end()),
                         implementationName);

TEST(KeystreamSelection, OffersTheFastestFirstAndThePortableCodeLast) {
    const std::vector<std::string_view> fastestFirst = {"avx512", "sha-extensions", "sha-extensions-sse", "avx2",
                                                        "portable"};
    std::vector<std::string_view> names;
    for (const keylanes::Implementation* impl : keylanes::available()) {
        names.push_back(impl->name);
    }
    std::vector<std::string_view> expected;
    std::copy_if(fastestFirst.begin(), fastestFirst.end(), std::back_inserter(expected),
                 [&](std::string_view n) { return std::find(names.begin(), names.end(), n) != names.end(); });
    EXPECT_EQ(names, expected);
    EXPECT_EQ(names.back(), "portable");
    EXPECT_EQ(&keylanes::active(), keylanes::available().front());
    EXPECT_EQ(&Keystream(u"pw", 1).implementation(), &keylanes::active());
}

}  // namespace
}  // namespace korbit::engine

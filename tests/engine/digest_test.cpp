// The byte-level digest, run against every implementation this processor has.
#include <openssl/evp.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "korbit/engine/digest.h"
#include "support/byte_devices.h"

namespace korbit::engine::sha256 {
namespace {

using korbit::testing::randomBytes;

std::vector<const Implementation*> implementations() {
    std::vector<const Implementation*> all{&portable()};
    if (const Implementation* fast = shaExtensions()) {
        all.push_back(fast);
    }
    return all;
}

Digest reference(std::span<const std::uint8_t> bytes) {
    Digest out{};
    unsigned int length = 0;
    EXPECT_EQ(EVP_Digest(bytes.data(), bytes.size(), out.data(), &length, EVP_sha256(), nullptr), 1);
    EXPECT_EQ(length, out.size());
    return out;
}

class DigestImplementation : public ::testing::TestWithParam<const Implementation*> {
protected:
    const Implementation& impl() const { return *GetParam(); }
};

// Known answers from FIPS 180-4's examples (NIST, "SHA256.pdf" and the
// SHAVS long-message set).
struct KnownAnswer {
    std::string message;
    const char* digest;
};

TEST_P(DigestImplementation, ReproducesTheStandardsExamples) {
    const std::vector<KnownAnswer> answers = {
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrst"
         "nopqrstu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const KnownAnswer& answer : answers) {
        std::array<char, 64> hex{};
        EXPECT_EQ(sha256::toHex(digest(answer.message, impl()), hex), answer.digest)
            << impl().name << ", message of " << answer.message.size() << " bytes";
    }
}

TEST_P(DigestImplementation, PadsAroundTheBlockBoundaryWithTheRightNumberOfCompressions) {
    // 55 bytes leave room for 0x80 and the length in one block; 56 do not.
    struct Case {
        std::size_t length;
        std::size_t compressions;
    };
    static thread_local std::size_t counted = 0;
    static thread_local CompressFn inner = nullptr;
    inner = impl().compress;
    const Implementation counting{"counting", [](State& s, const std::uint8_t* b, std::size_t n) {
                                      counted += n;
                                      inner(s, b, n);
                                  }};
    for (const Case c : {Case{0, 1}, Case{55, 1}, Case{56, 2}, Case{63, 2}, Case{64, 2}, Case{119, 2},
                         Case{120, 3}, Case{128, 3}}) {
        const auto message = randomBytes(c.length, static_cast<std::uint32_t>(c.length));
        counted = 0;
        EXPECT_EQ(digest(message, counting), reference(message)) << "length " << c.length;
        EXPECT_EQ(counted, c.compressions) << "length " << c.length;
    }
}

TEST_P(DigestImplementation, AgreesWithOpenSslOnRandomMessages) {
    std::mt19937 random(20261207U);
    for (int i = 0; i < 3000; ++i) {
        const std::size_t length = std::uniform_int_distribution<std::size_t>(0, i < 2000 ? 200 : 5000)(random);
        const auto message = randomBytes(length, static_cast<std::uint32_t>(random()));
        ASSERT_EQ(digest(message, impl()), reference(message)) << impl().name << ", length " << length;
    }
}

TEST_P(DigestImplementation, GivesTheSameDigestHoweverTheInputIsSplit) {
    std::mt19937 random(7);
    for (int i = 0; i < 300; ++i) {
        const auto message =
            randomBytes(std::uniform_int_distribution<std::size_t>(0, 700)(random), static_cast<std::uint32_t>(random()));
        Hasher hasher(impl());
        std::size_t at = 0;
        while (at < message.size()) {
            const std::size_t piece =
                std::min(message.size() - at, std::uniform_int_distribution<std::size_t>(0, 150)(random));
            hasher.update(std::span(message).subspan(at, piece));
            at += piece;
        }
        ASSERT_EQ(hasher.finish(), reference(message)) << "length " << message.size();

        hasher.reset();
        hasher.update(message);
        ASSERT_EQ(hasher.finish(), reference(message)) << "after reset, length " << message.size();
    }
}

std::string implementationName(const ::testing::TestParamInfo<const Implementation*>& param) {
    std::string name(param.param->name);
    std::erase(name, '-');
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllAvailable, DigestImplementation, ::testing::ValuesIn(implementations()),
                         implementationName);

TEST(DigestSelection, PrefersTheShaExtensionsWhenTheProcessorHasThem) {
    const Implementation* fast = shaExtensions();
    EXPECT_EQ(&active(), fast != nullptr ? fast : &portable());
    EXPECT_EQ(&active(), &active());
}

}  // namespace
}  // namespace korbit::engine::sha256

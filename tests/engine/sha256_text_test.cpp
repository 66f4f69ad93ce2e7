// The published class: texts in, lower-case hex out.
#include <gtest/gtest.h>

#include <string>

#include "korbit/engine/sha256.h"

namespace korbit::engine {
namespace {

std::u16string u16(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

TEST(SHA256Text, GivesTheStandardDigestsAsLowerCaseHex) {
    const SHA256 sha;
    EXPECT_EQ(sha(u"abc"), u"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha(u""), u"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

TEST(SHA256Text, TakesTheLowByteOfEveryCharacter) {
    const SHA256 sha;
    // U+0141 and U+0041 share their low byte.
    EXPECT_EQ(sha(u"\u0141\u0141"), sha(u"AA"));
    // U+20AC stands for 0xAC, U+00E9 for 0xE9: the same as those Latin-1 bytes.
    EXPECT_EQ(sha(u"\u20AC"), sha(u"\u00AC"));
    EXPECT_EQ(sha(u"caf\u00E9"), sha(std::u16string{u'c', u'a', u'f', char16_t{0xE9}}));
    EXPECT_NE(sha(u"\u00E9"), sha(u"e"));
    // Each half of a surrogate pair gives its own byte: U+1F600 is D83D DE00.
    EXPECT_EQ(sha(u"\U0001F600"), sha(std::u16string{char16_t{0x3D}, char16_t{0x00}}));
    EXPECT_EQ(lowBytes(u"A\u0141\u20AC"), std::string("AA\xAC"));
}

TEST(SHA256Text, AlwaysAnswersSixtyFourHexDigitsAndLeavesItsArgumentAlone) {
    const SHA256 sha;
    for (std::size_t length : {0U, 1U, 55U, 56U, 63U, 64U, 65U, 1000U}) {
        const std::u16string message = u16(std::string(length, 'x'));
        const std::u16string copy = message;
        const std::u16string digest = sha(message);
        EXPECT_EQ(message, copy);
        ASSERT_EQ(digest.size(), 64U) << length;
        for (char16_t c : digest) {
            EXPECT_TRUE((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')) << length;
        }
    }
}

}  // namespace
}  // namespace korbit::engine

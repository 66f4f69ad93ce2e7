// Text to and from the operating system's UTF-8.
#include <gtest/gtest.h>

#include "korbit/platform/text_encoding.h"

namespace korbit::platform {
namespace {

TEST(TextEncoding, RoundTripsEveryPlaneAndReplacesLoneSurrogates) {
    for (const std::u16string& text : {std::u16string(u"a/b.txt"), std::u16string(u"caf\u00E9 \u20AC \U0010FFFF")}) {
        EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    }
    EXPECT_EQ(toUtf8(u"\u00E9\U0001F600"), "\xC3\xA9\xF0\x9F\x98\x80");
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(toUtf8(std::u16string{char16_t{0xD83D}}), replacement);
    EXPECT_EQ(toUtf8(std::u16string{char16_t{0xDE00}, char16_t{0xD83D}, u'x'}), replacement + replacement + "x");

    // Kept: each on its own three bytes; a proper pair is still one character.
    const std::u16string lone{char16_t{0xDE00}, char16_t{0xD83D}, u'x', char16_t{0xD83D}, char16_t{0xDE00}};
    EXPECT_EQ(toUtf8(lone, LoneSurrogates::kKeep), "\xED\xB8\x80\xED\xA0\xBDx\xF0\x9F\x98\x80");
}

TEST(TextEncoding, ReadsEachInvalidSequenceAsOneReplacementCharacter) {
    const struct {
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"a\x80z", u"a\uFFFDz"},
        {"\xC0\x80", u"\uFFFD\uFFFD"},                      // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // an encoded surrogate
        {"\xE2\x82z", u"\uFFFDz"},                          // cut short
        {"\xE2\x82", u"\uFFFD"},                            // cut short at the end
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromUtf8(c.bytes), c.text) << c.bytes.size();
    }
}

TEST(TextEncoding, RefusesPathsHoldingANul) {
    EXPECT_EQ(toOsPath(u"/tmp/\u00E9"), std::optional<std::string>("/tmp/\xC3\xA9"));
    EXPECT_EQ(toOsPath(std::u16string(u"/etc/passwd\0.txt", 16)), std::nullopt);
}

}  // namespace
}  // namespace korbit::platform

// Text to and from the operating system's UTF-8.
#include <gtest/gtest.h>

#include <vector>

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

TEST(TextEncoding, CarriesEveryByteThatIsNoUtf8AsItsEscapeOrReplacesTheSequence) {
    const struct {
        std::string bytes;
        std::u16string escaped;   // names: one escape per byte
        std::u16string replaced;  // a password: one U+FFFD per sequence
    } cases[] = {
        {"caf\xE9.txt", u"caf\xDCE9.txt", u"caf\uFFFD.txt"},                        // Latin-1
        {"a\x80z", u"a\xDC80z", u"a\uFFFDz"},                                       // a lone continuation byte
        {"\xC0\x80", u"\xDCC0\xDC80", u"\uFFFD\uFFFD"},                             // overlong
        {"\xED\xB3\xA9", u"\xDCED\xDCB3\xDCA9", u"\uFFFD\uFFFD\uFFFD"},             // an encoded escape stays three bytes
        {"\xE2\x82z", u"\xDCE2\xDC82z", u"\uFFFDz"},                                // cut short
        {"\xE2\x82", u"\xDCE2\xDC82", u"\uFFFD"},                                   // cut short at the end
        {"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {"\xFF\xC3\xA9", u"\xDCFF\u00E9", u"\uFFFD\u00E9"},                         // a valid character after
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        EXPECT_EQ(fromUtf8(c.bytes), c.escaped);
        EXPECT_EQ(fromUtf8(c.bytes, InvalidBytes::kReplace), c.replaced);
        EXPECT_EQ(toOsPath(c.escaped), std::optional<std::string>(c.bytes));
    }
    EXPECT_EQ(displayUtf8("r\xE9sum\xE9 \xC3\xA9.d\xE9j\xE0"), "r\\xE9sum\\xE9 \xC3\xA9.d\\xE9j\\xE0");
}

// Every name of one or two bytes, and some longer ones, comes back the same
// after a trip through the 16-bit text.
TEST(TextEncoding, EveryNameTheSystemAllowsComesBackByteForByte) {
    std::vector<std::string> names;
    for (unsigned a = 1; a < 256; ++a) {
        names.emplace_back(1, static_cast<char>(a));
        for (unsigned b = 1; b < 256; ++b) {
            names.push_back({static_cast<char>(a), static_cast<char>(b)});
        }
    }
    for (const char* longer : {"\xF0\x9F\x98\x80", "\xF0\x9F\x98", "\xED\xA0\xBD\xED\xB8\x80", "\xEF\xBF\xBD\xE9"}) {
        names.emplace_back(longer);
    }
    for (const std::string& name : names) {
        ASSERT_EQ(toOsPath(fromUtf8(name)), std::optional<std::string>(name)) << ::testing::PrintToString(name);
    }
}

TEST(TextEncoding, RefusesPathsNoNameCanHold) {
    EXPECT_EQ(toOsPath(u"/tmp/\u00E9"), std::optional<std::string>("/tmp/\xC3\xA9"));
    EXPECT_EQ(toOsPath(std::u16string(u"/etc/passwd\0.txt", 16)), std::nullopt);
    // Lone surrogates that stand for no byte: replacing them would name another file.
    for (const char16_t lone : {char16_t{0xD83D}, char16_t{0xDC7F}, char16_t{0xDD00}, char16_t{0xDFFF}}) {
        EXPECT_EQ(toOsPath(std::u16string(u"/tmp/a") + lone), std::nullopt) << static_cast<int>(lone);
        EXPECT_EQ(displayText(std::u16string(u"a") + lone), u"a\uFFFD");
    }
}

}  // namespace
}  // namespace korbit::platform

// The container's header: layout, code page, and what a damaged one gives.
#include <gtest/gtest.h>

#include "korbit/engine/container.h"
#include "korbit/engine/windows1252.h"
#include "support/byte_devices.h"

namespace korbit::engine {
namespace {

using korbit::testing::fromHex;

ContainerHeader reportTxt() {
    ContainerHeader header;
    header.PlainExtension = makePlainExtension(u"txt");  // Report.TXT, extension lower-cased by the caller
    header.PlainAttributes = 32;                         // archive only
    header.Seed = 1234567;
    return header;
}

TEST(ContainerHeaderLayout, WritesTheReportTxtExampleByteForByte) {
    const auto encoded = encodeHeader(reportTxt());
    ASSERT_TRUE(encoded);
    EXPECT_EQ(encoded.value(), fromHex("78 6A 65 53 | 04 00 | 2E 74 78 74 | 20 00 | 87 D6 12 00"));
    EXPECT_EQ(reportTxt().encodedSize(), 16U);
}

TEST(ContainerHeaderLayout, ReadsBackEveryFieldIncludingSignedValues) {
    for (const auto& [extension, attributes, seed] :
         {std::tuple{std::string("."), std::int16_t{0}, std::int32_t{0}},
          std::tuple{std::string(".txt"), std::int16_t{33}, std::int32_t{kMaxSeed}},
          std::tuple{std::string(".d\xE9j\xE0"), std::int16_t{-1}, std::int32_t{-5}},
          std::tuple{std::string(300, 'x'), std::int16_t{-32768}, std::int32_t{41}}}) {
        ContainerHeader header;
        header.PlainExtension = extension;
        header.PlainAttributes = attributes;
        header.Seed = seed;
        const auto encoded = encodeHeader(header);
        ASSERT_TRUE(encoded);
        ASSERT_EQ(encoded.value().size(), header.encodedSize());
        const auto decoded = decodeHeader(encoded.value());
        ASSERT_TRUE(decoded) << decoded.status().message();
        EXPECT_EQ(decoded.value(), header);
    }
}

TEST(ContainerHeaderLayout, AnExtensionlessNameStoresTheLoneDot) {
    ContainerHeader header;
    header.PlainExtension = makePlainExtension(u"");
    const auto encoded = encodeHeader(header);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(encoded.value(), fromHex("78 6A 65 53 01 00 2E 00 00 00 00 00 00"));
}

TEST(ContainerHeaderLayout, RefusesAnExtensionItsLengthFieldCannotCount) {
    ContainerHeader header;
    header.PlainExtension = std::string(0x10000, 'a');
    const auto encoded = encodeHeader(header);
    ASSERT_FALSE(encoded);
    EXPECT_EQ(encoded.status().code(), ErrorCode::InvalidArgument);
    header.PlainExtension.pop_back();
    EXPECT_TRUE(encodeHeader(header));
}

TEST(ContainerHeaderDamage, AHeaderCutAnywhereReadsAsAWrongPassword) {
    const auto whole = encodeHeader(reportTxt()).value();
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        const auto decoded = decodeHeader(part);
        ASSERT_FALSE(decoded) << "cut at " << cut;
        EXPECT_EQ(decoded.status().code(), ErrorCode::WrongPassword) << "cut at " << cut;
    }
    // A length field larger than the bytes that follow is a cut header too.
    const auto decoded = decodeHeader(fromHex("78 6A 65 53 FF FF 2E"));
    ASSERT_FALSE(decoded);
    EXPECT_EQ(decoded.status().code(), ErrorCode::WrongPassword);
}

TEST(ContainerHeaderDamage, OtherSignaturesAreNoContainer) {
    for (const char* hex : {"78 6A 65 54 04 00 2E 74 78 74 20 00 87 D6 12 00", "58 4A 45 53", "00", "78 6B"}) {
        const auto decoded = decodeHeader(fromHex(hex));
        ASSERT_FALSE(decoded) << hex;
        EXPECT_EQ(decoded.status().code(), ErrorCode::NotAContainer) << hex;
    }
    EXPECT_TRUE(hasContainerMagic(fromHex("78 6A 65 53")));
    EXPECT_TRUE(hasContainerMagic(fromHex("78 6A 65 53 00 11")));
    EXPECT_FALSE(hasContainerMagic(fromHex("78 6A 65")));
    EXPECT_FALSE(hasContainerMagic({}));
}

TEST(ContainerCodePage, StoresExtensionsInWindows1252) {
    EXPECT_EQ(makePlainExtension(u"txt"), ".txt");
    EXPECT_EQ(toWindows1252(u"d\u00E9j\u00E0"), "d\xE9j\xE0");
    EXPECT_EQ(toWindows1252(u"\u20AC\u0160\u2122\u0178"), "\x80\x8A\x99\x9F");
    // What the code page cannot hold becomes '?'.
    EXPECT_EQ(toWindows1252(u"\u0141\u4E2D"), "??");
    // Every byte reads back to one character, and those characters write back
    // to the same byte.
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::u16string text = fromWindows1252(all);
    ASSERT_EQ(text.size(), 256U);
    EXPECT_EQ(text[0x80], u'\u20AC');
    EXPECT_EQ(text[0x81], u'\u0081');
    EXPECT_EQ(text[0xE9], u'\u00E9');
    EXPECT_EQ(toWindows1252(text), all);
}

}  // namespace
}  // namespace korbit::engine

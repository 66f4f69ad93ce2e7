// The password rule both hosts apply: length in characters, the warning for
// characters whose upper bits do not count, the guessing-time hint and the
// suggested password.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "korbit/hosting/password_rule.h"

namespace korbit::hosting {
namespace {

const std::u16string kKey = u"\U0001F511";  // one character, two 16-bit units

std::u16string times(const std::u16string& part, int n) {
    std::u16string out;
    for (int i = 0; i < n; ++i) {
        out += part;
    }
    return out;
}

TEST(PasswordRule, CountsCharactersNotUnitsAndAcceptsSixToTwentySix) {
    struct Case {
        std::u16string password;
        std::size_t length;
        PasswordVerdict verdict;
    };
    const Case cases[] = {
        {u"", 0, PasswordVerdict::kTooShort},
        {u"abcde", 5, PasswordVerdict::kTooShort},
        {times(kKey, 3), 3, PasswordVerdict::kTooShort},  // six units, three characters
        {u"secret", 6, PasswordVerdict::kAccepted},
        {std::u16string(u"\xD800") + u"bcdef", 6, PasswordVerdict::kAccepted},  // a lone surrogate counts once
        {std::u16string(26, u'x'), 26, PasswordVerdict::kAccepted},
        {times(kKey, 26), 26, PasswordVerdict::kAccepted},
        {std::u16string(27, u'x'), 27, PasswordVerdict::kTooLong},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(passwordLength(c.password), c.length) << c.password.size();
        EXPECT_EQ(checkNewPassword(c.password), c.verdict) << c.password.size();
    }
}

TEST(PasswordRule, WarnsOnlyAboutCharactersBeyondLatin1) {
    EXPECT_FALSE(hasCharactersBeyondLatin1(u"plain ASCII"));
    EXPECT_FALSE(hasCharactersBeyondLatin1(u"\u00e9t\u00e9 \u00ff"));
    EXPECT_TRUE(hasCharactersBeyondLatin1(u"\u0444\u0444\u0444\u0444\u0444\u0444"));
    EXPECT_TRUE(hasCharactersBeyondLatin1(u"abc" + kKey));
}

// What an attacker tries first falls first: the strength of passwords people
// choose, as libzxcvbn counts the guesses for them.
TEST(GuessingTime, WordsNamesDatesAndWalksAreWeakAndRandomCharactersAreNot) {
    const struct {
        std::u16string password;
        Strength strength;
    } cases[] = {
        {u"correct horse", Strength::kWeak},      // two dictionary words
        {u"password123", Strength::kWeak},        // a word and a sequence
        {u"qwertyuiop", Strength::kWeak},         // a keyboard walk
        {u"19.07.1985", Strength::kWeak},         // a date
        {u"Tr0ub4dour&3", Strength::kWeak},       // a word with its letters swapped for digits
        {std::u16string(26, u'a'), Strength::kWeak},
        {u"qZ4X!KrT9", Strength::kFair},
        {u"correct horse battery staple", Strength::kStrong},
        {u"k3#Vq9!zR@w8Lp2$", Strength::kStrong},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(estimateStrength(c.password).strength, c.strength) << std::string(c.password.begin(), c.password.end());
    }
    // U+0444 enters the key as 0x44, 'D': the same password, the same estimate.
    EXPECT_EQ(guessingSeconds(u"\u0444\u0444\u0444\u0444\u0444\u0444"), guessingSeconds(u"DDDDDD"));
    // U+0100 enters it as a zero byte, which the estimate still counts.
    EXPECT_GT(guessingSeconds(u"\u0100bc1x9Qz"), 0.0);
    // More of the same kind of character: longer.
    EXPECT_LT(guessingSeconds(u"qZ4X!KrT"), guessingSeconds(u"qZ4X!KrT9"));
}

TEST(GuessingTime, IsSaidInPlainWordsForOneGraphicsCard) {
    constexpr double kDay = 86400;
    constexpr double kYear = 365.25 * kDay;
    const std::pair<double, const char*> durations[] = {
        {0.2, "less than a second"},      {1, "about 1 second"},       {42, "about 42 seconds"},
        {90, "about 2 minutes"},          {3 * 3600, "about 3 hours"}, {1.5 * kDay, "about 2 days"},
        {40 * kYear, "about 40 years"},   {5e3 * kYear, "thousands of years"},
        {2e7 * kYear, "millions of years"}, {1e30, "more than a billion years"},
    };
    for (const auto& [seconds, words] : durations) {
        EXPECT_EQ(describeDuration(seconds), words) << seconds;
    }
    EXPECT_EQ(strengthHint(u"secret"), "Weak: one graphics card could guess it in less than a second.");
    EXPECT_EQ(strengthHint(u"k3#Vq9!zR@w8Lp2$"), "Strong: one graphics card would need more than a billion years to guess it.");
}

// A suggestion fits the box, carries 100 bits, is read without doubt and is
// rated strong, whatever the random numbers.
TEST(SuggestedPassword, FitsTheBoxCarriesAHundredBitsAndIsRatedStrong) {
    EXPECT_EQ(kSuggestionBits, 100);
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    const auto random = [&state] {  // splitmix64: every suggestion differs
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::uint32_t>(z ^ (z >> 31));
    };
    for (int i = 0; i < 500; ++i) {
        const std::u16string suggestion = suggestPassword(random);
        ASSERT_EQ(suggestion.size(), 24U);
        EXPECT_EQ(checkNewPassword(suggestion), PasswordVerdict::kAccepted);
        for (std::size_t at = 0; at < suggestion.size(); ++at) {
            if (at % 5 == 4) {
                EXPECT_EQ(suggestion[at], u'-');
            } else {
                EXPECT_NE(kSuggestionAlphabet.find(suggestion[at]), std::u16string_view::npos);
            }
        }
        EXPECT_EQ(estimateStrength(suggestion).strength, Strength::kStrong)
            << std::string(suggestion.begin(), suggestion.end());
    }
    // The highest number picks the last symbol.
    const std::u16string last = suggestPassword([] { return 0xFFFFFFFFU; });
    EXPECT_EQ(last, u"zzzz-zzzz-zzzz-zzzz-zzzz");
}

}  // namespace
}  // namespace korbit::hosting

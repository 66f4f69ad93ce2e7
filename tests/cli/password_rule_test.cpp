// The password rule both hosts apply: length in characters, the warning for
// characters whose upper bits do not count, and the guessing-time hint.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cli/password_strength.h"
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

TEST(GuessingTime, FollowsTheBytesTheKeyActuallySees) {
    // Six random lower-case letters: 26^6 / 2 guesses at 10^10 a second.
    EXPECT_NEAR(guessingSeconds(u"qzmxrk"), std::pow(26.0, 6) / 2 / 1e10, 1e-9);
    // U+0444 enters the key as 0x44, 'D': the same password, the same estimate.
    EXPECT_EQ(guessingSeconds(u"\u0444\u0444\u0444\u0444\u0444\u0444"), guessingSeconds(u"DDDDDD"));
    // Repeats and runs add almost nothing.
    EXPECT_LT(guessingSeconds(std::u16string(26, u'a')), 1.0);
    EXPECT_LT(guessingSeconds(u"abcdefghijklmnop"), 1.0);
    // More kinds of characters and more of them: longer.
    EXPECT_LT(guessingSeconds(u"qzmxrkrt"), guessingSeconds(u"qZmXwKrT"));
    EXPECT_LT(guessingSeconds(u"qZmXwKrT"), guessingSeconds(u"qZ4X!KrT"));
    EXPECT_LT(guessingSeconds(u"qZ4X!KrT"), guessingSeconds(u"qZ4X!KrT9"));
}

TEST(GuessingTime, IsSaidInPlainWordsWithItsAssumption) {
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
    EXPECT_EQ(strengthHint(u"secret"),
              "Weak: one graphics card (10 billion guesses a second) could find it in less than a second, if it "
              "was chosen at random. Words, names and dates fall much sooner.");
    EXPECT_TRUE(strengthHint(u"k3#Vq9!zR@w8Lp2$").starts_with("Strong: "));
}

// The estimate of korbit's warning knows words, names, keyboard walks and
// repeats: two dictionary words are weak however long they are.
TEST(PasswordStrength, WordsWalksAndRepeatsAreWeakWhateverTheirLength) {
    const std::pair<const char*, cli::Strength> cases[] = {
        {"correct horse", cli::Strength::kWeak},
        {"qwertyuiop", cli::Strength::kWeak},
        {"hunter2hunter2", cli::Strength::kWeak},
        {"pppppppppppppppppppppppppp", cli::Strength::kWeak},
        {"qZ4X!KrT9", cli::Strength::kFair},
        {"correct horse battery staple", cli::Strength::kStrong},
        {"k7Qm-x9Pe-2Lrz-W4hn-Bc8t", cli::Strength::kStrong},
    };
    for (const auto& [password, strength] : cases) {
        EXPECT_EQ(cli::estimateStrength(password).strength, strength) << password;
    }
    EXPECT_EQ(cli::strengthText(cli::estimateStrength("correct horse")),
              "Weak: one graphics card (10 billion guesses a second) could find it in less than a second.");
    EXPECT_EQ(cli::strengthText({cli::Strength::kFair, 3 * 86400.0}),
              "Fair: one graphics card (10 billion guesses a second) could find it in about 3 days.");
}

}  // namespace
}  // namespace korbit::hosting

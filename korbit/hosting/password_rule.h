// The password rule both hosts apply before they hand a password to the
// control: its length in Unicode characters, the warning for characters whose
// upper bits the key ignores, an estimate of how long offline guessing would
// take, and a random password to suggest. The control itself takes any text
// as a password.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace korbit::hosting {

inline constexpr std::size_t kMinimumPasswordLength = 6;
inline constexpr std::size_t kMaximumPasswordLength = 26;

// The texts the hosts show (UTF-8).
inline constexpr std::string_view kPasswordTooShort = "Passwords must be 6 or more characters!";
inline constexpr std::string_view kPasswordTooLong = "Passwords must be 26 or fewer characters!";
inline constexpr std::string_view kBeyondLatin1Warning =
    "This password holds characters beyond U+00FF. Only the lowest 8 bits of each character enter the key, "
    "so each such character counts the same as 255 others: \"\xD1\x84\xD1\x84\xD1\x84\xD1\x84\xD1\x84\xD1\x84\" and "
    "\"DDDDDD\" are the same password.";

// Unicode characters in `password`: a surrogate pair counts once, and so does
// a surrogate without its partner.
std::size_t passwordLength(std::u16string_view password);

enum class PasswordVerdict { kAccepted, kTooShort, kTooLong };

// A password for a new container: 6 to 26 characters.
PasswordVerdict checkNewPassword(std::u16string_view password);

// True when a character of `password` lies beyond U+00FF: its upper bits do
// not count, so it matches every character with the same lowest 8 bits.
bool hasCharactersBeyondLatin1(std::u16string_view password);

// The guesses an attacker with one current graphics card makes a second: a
// guess costs one SHA-256 of the password check.
inline constexpr double kGuessesPerSecond = 1e10;

// The average time, in seconds, one graphics card (kGuessesPerSecond) needs
// to find `password`: half the guesses an attacker who tries dictionary
// words, names, dates, keyboard walks, repeats and sequences first would
// make, as libzxcvbn counts them, over the bytes the key actually sees (the
// lowest 8 bits of each 16-bit character).
double guessingSeconds(std::u16string_view password);

// How a password stands against offline guessing: found within a day, within
// a century, or not.
enum class Strength { kWeak, kFair, kStrong };
Strength strengthOf(double guessingSeconds);

struct StrengthEstimate {
    double seconds = 0;  // guessingSeconds()
    Strength strength = Strength::kWeak;
};
StrengthEstimate estimateStrength(std::u16string_view password);

// A duration rounded as people say it: "about 3 hours" is {kHours, 3};
// the thousands, millions and billions of years carry no count.
enum class DurationWords {
    kLessThanASecond,
    kSeconds,
    kMinutes,
    kHours,
    kDays,
    kYears,
    kThousandsOfYears,
    kMillionsOfYears,
    kMoreThanABillionYears,
};
struct RoundedDuration {
    DurationWords words = DurationWords::kLessThanASecond;
    long count = 0;  // for kSeconds to kYears
};
RoundedDuration roundDuration(double seconds);

// `seconds` in plain words: "less than a second", "about 3 hours",
// "thousands of years"...
std::string describeDuration(double seconds);

// One sentence in plain words for the person choosing `password`:
// "Weak: one graphics card could guess it in less than a second.",
// "Strong: one graphics card would need thousands of years to guess it."
std::string strengthHint(std::u16string_view password);

// The symbols a suggested password is made of: lower-case letters and digits
// without those read as another (0 and o, 1 and l): 32 of them, 5 bits each.
inline constexpr std::u16string_view kSuggestionAlphabet = u"23456789abcdefghijkmnpqrstuvwxyz";
inline constexpr int kSuggestionGroups = 5;
inline constexpr int kSuggestionGroupLength = 4;
// 100: the randomness of a suggestion, in bits.
inline constexpr int kSuggestionBits = kSuggestionGroups * kSuggestionGroupLength * 5;

// A random password to write down: five groups of four symbols of
// kSuggestionAlphabet joined by "-" ("k7qm-3xpn-a9fe-w2rh-tt8d"), 24
// characters, kSuggestionBits bits. `random` gives uniformly random 32-bit
// numbers (the system's random source in the hosts).
std::u16string suggestPassword(const std::function<std::uint32_t()>& random);

}  // namespace korbit::hosting

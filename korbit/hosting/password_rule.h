// The password rule both hosts apply before they hand a password to the
// control: its length in Unicode characters, the warning for characters whose
// upper bits the key ignores, and an estimate of how long offline guessing
// would take. The control itself takes any text as a password.
#pragma once

#include <cstddef>
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

// The average time, in seconds, to find `password` by trying the passwords of
// its kind in turn at kGuessesPerSecond: its length over the classes of
// bytes it uses (only the lowest 8 bits of a character count), with repeats
// and runs such as "aaa" or "abc" counted as nearly free. Words and names
// fall much sooner than this; it is an upper bound, not a promise.
double guessingSeconds(std::u16string_view password);

// `seconds` in plain words: "less than a second", "about 3 hours",
// "thousands of years"...
std::string describeDuration(double seconds);

// One sentence for the person choosing `password`, naming the assumption:
// "Weak: one graphics card (10 billion guesses a second) could find it in
// less than a second."
std::string strengthHint(std::u16string_view password);

}  // namespace korbit::hosting

#include "korbit/hosting/password_rule.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace korbit::hosting {

namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The byte classes an attacker would try, by the byte that enters the key.
enum ByteClass : unsigned { kLower = 1, kUpper = 2, kDigit = 4, kPunctuation = 8, kControl = 16, kHigh = 32 };

unsigned classOf(std::uint8_t b) {
    if (b >= 'a' && b <= 'z') {
        return kLower;
    }
    if (b >= 'A' && b <= 'Z') {
        return kUpper;
    }
    if (b >= '0' && b <= '9') {
        return kDigit;
    }
    if (b >= 0x20 && b < 0x7F) {
        return kPunctuation;  // the space and the 32 ASCII signs
    }
    if (b >= 0x80) {
        return kHigh;
    }
    return kControl;
}

double poolOf(unsigned classes) {
    double pool = 0;
    pool += (classes & kLower) != 0 ? 26 : 0;
    pool += (classes & kUpper) != 0 ? 26 : 0;
    pool += (classes & kDigit) != 0 ? 10 : 0;
    pool += (classes & kPunctuation) != 0 ? 33 : 0;
    pool += (classes & kControl) != 0 ? 33 : 0;
    pool += (classes & kHigh) != 0 ? 128 : 0;
    return pool;
}

std::string about(double count, const char* unit) {
    const long rounded = std::lround(count);
    char text[64];
    std::snprintf(text, sizeof text, "about %ld %s%s", rounded, unit, rounded == 1 ? "" : "s");
    return text;
}

}  // namespace

std::size_t passwordLength(std::u16string_view password) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < password.size(); ++i) {
        if (isHighSurrogate(password[i]) && i + 1 < password.size() && isLowSurrogate(password[i + 1])) {
            ++i;
        }
        ++n;
    }
    return n;
}

PasswordVerdict checkNewPassword(std::u16string_view password) {
    const std::size_t length = passwordLength(password);
    if (length < kMinimumPasswordLength) {
        return PasswordVerdict::kTooShort;
    }
    return length > kMaximumPasswordLength ? PasswordVerdict::kTooLong : PasswordVerdict::kAccepted;
}

bool hasCharactersBeyondLatin1(std::u16string_view password) {
    for (const char16_t c : password) {
        if (c > 0xFF) {
            return true;
        }
    }
    return false;
}

double guessingSeconds(std::u16string_view password) {
    // The key sees one byte per 16-bit character.
    unsigned classes = 0;
    for (const char16_t c : password) {
        classes |= classOf(static_cast<std::uint8_t>(c & 0xFF));
    }
    const double perCharacter = std::log2(std::max(poolOf(classes), 1.0));
    double bits = 0;
    for (std::size_t i = 0; i < password.size(); ++i) {
        const int b = password[i] & 0xFF;
        const int previous = i > 0 ? (password[i - 1] & 0xFF) : -1000;
        // A repeat or a step of one from the previous byte is one of a few
        // guesses an attacker makes first.
        bits += std::abs(b - previous) <= 1 ? 1.0 : perCharacter;
    }
    // On average the search finds it halfway.
    return std::exp2(std::max(bits - 1, 0.0)) / kGuessesPerSecond;
}

std::string describeDuration(double seconds) {
    constexpr double kMinute = 60;
    constexpr double kHour = 60 * kMinute;
    constexpr double kDay = 24 * kHour;
    constexpr double kYear = 365.25 * kDay;
    if (seconds < 1) {
        return "less than a second";
    }
    if (seconds < 59.5) {
        return about(seconds, "second");
    }
    if (seconds < 59.5 * kMinute) {
        return about(seconds / kMinute, "minute");
    }
    if (seconds < 23.5 * kHour) {
        return about(seconds / kHour, "hour");
    }
    if (seconds < 364.5 * kDay) {
        return about(seconds / kDay, "day");
    }
    if (seconds < 999.5 * kYear) {
        return about(seconds / kYear, "year");
    }
    if (seconds < 1e6 * kYear) {
        return "thousands of years";
    }
    if (seconds < 1e9 * kYear) {
        return "millions of years";
    }
    return "more than a billion years";
}

std::string strengthHint(std::u16string_view password) {
    constexpr double kDay = 24 * 3600;
    constexpr double kCentury = 100 * 365.25 * kDay;
    const double seconds = guessingSeconds(password);
    const char* verdict = seconds < kDay ? "Weak" : seconds < kCentury ? "Fair" : "Strong";
    return std::string(verdict) + ": one graphics card (10 billion guesses a second) could find it in " +
           describeDuration(seconds) + ", if it was chosen at random. Words, names and dates fall much sooner.";
}

}  // namespace korbit::hosting

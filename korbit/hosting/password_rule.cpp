#include "korbit/hosting/password_rule.h"

#include <zxcvbn.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace korbit::hosting {

namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The bytes the key is made of: the lowest 8 bits of each 16-bit character.
// A zero byte would end the estimator's text; it stands in as 0x01, another
// control character, so repeats of it still show as repeats.
std::string keyBytes(std::u16string_view password) {
    std::string bytes;
    bytes.reserve(password.size());
    for (const char16_t c : password) {
        const auto b = static_cast<char>(c & 0xFF);
        bytes.push_back(b == '\0' ? '\x01' : b);
    }
    return bytes;
}

std::string about(long count, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, "about %ld %s%s", count, unit, count == 1 ? "" : "s");
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
    return std::any_of(password.begin(), password.end(), [](char16_t c) { return c > 0xFF; });
}

double guessingSeconds(std::u16string_view password) {
    const std::string bytes = keyBytes(password);
    // The estimator's entropy is the base-2 logarithm of the guesses it
    // counts; on average the search finds the password halfway.
    const double bits = ZxcvbnMatch(bytes.c_str(), nullptr, nullptr);
    return std::exp2(std::max(bits - 1, 0.0)) / kGuessesPerSecond;
}

Strength strengthOf(double seconds) {
    constexpr double kDay = 24 * 3600;
    constexpr double kCentury = 100 * 365.25 * kDay;
    return seconds < kDay ? Strength::kWeak : seconds < kCentury ? Strength::kFair : Strength::kStrong;
}

StrengthEstimate estimateStrength(std::u16string_view password) {
    const double seconds = guessingSeconds(password);
    return {seconds, strengthOf(seconds)};
}

RoundedDuration roundDuration(double seconds) {
    constexpr double kMinute = 60;
    constexpr double kHour = 60 * kMinute;
    constexpr double kDay = 24 * kHour;
    constexpr double kYear = 365.25 * kDay;
    if (seconds < 1) {
        return {DurationWords::kLessThanASecond, 0};
    }
    if (seconds < 59.5) {
        return {DurationWords::kSeconds, std::lround(seconds)};
    }
    if (seconds < 59.5 * kMinute) {
        return {DurationWords::kMinutes, std::lround(seconds / kMinute)};
    }
    if (seconds < 23.5 * kHour) {
        return {DurationWords::kHours, std::lround(seconds / kHour)};
    }
    if (seconds < 364.5 * kDay) {
        return {DurationWords::kDays, std::lround(seconds / kDay)};
    }
    if (seconds < 999.5 * kYear) {
        return {DurationWords::kYears, std::lround(seconds / kYear)};
    }
    if (seconds < 1e6 * kYear) {
        return {DurationWords::kThousandsOfYears, 0};
    }
    if (seconds < 1e9 * kYear) {
        return {DurationWords::kMillionsOfYears, 0};
    }
    return {DurationWords::kMoreThanABillionYears, 0};
}

std::string describeDuration(double seconds) {
    const RoundedDuration d = roundDuration(seconds);
    switch (d.words) {
        case DurationWords::kLessThanASecond:
            return "less than a second";
        case DurationWords::kSeconds:
            return about(d.count, "second");
        case DurationWords::kMinutes:
            return about(d.count, "minute");
        case DurationWords::kHours:
            return about(d.count, "hour");
        case DurationWords::kDays:
            return about(d.count, "day");
        case DurationWords::kYears:
            return about(d.count, "year");
        case DurationWords::kThousandsOfYears:
            return "thousands of years";
        case DurationWords::kMillionsOfYears:
            return "millions of years";
        case DurationWords::kMoreThanABillionYears:
            break;
    }
    return "more than a billion years";
}

std::string strengthHint(std::u16string_view password) {
    const StrengthEstimate estimate = estimateStrength(password);
    const std::string time = describeDuration(estimate.seconds);
    switch (estimate.strength) {
        case Strength::kWeak:
            return "Weak: one graphics card could guess it in " + time + ".";
        case Strength::kFair:
            return "Fair: one graphics card could guess it in " + time + ".";
        case Strength::kStrong:
            break;
    }
    return "Strong: one graphics card would need " + time + " to guess it.";
}

std::u16string suggestPassword(const std::function<std::uint32_t()>& random) {
    static_assert(kSuggestionAlphabet.size() == 32, "5 bits a symbol, drawn without bias from 32 bits");
    std::u16string password;
    for (int group = 0; group < kSuggestionGroups; ++group) {
        if (group > 0) {
            password.push_back(u'-');
        }
        for (int i = 0; i < kSuggestionGroupLength; ++i) {
            password.push_back(kSuggestionAlphabet[random() % kSuggestionAlphabet.size()]);
        }
    }
    return password;
}

}  // namespace korbit::hosting

#include "korbit/platform/text_encoding.h"

#include <cstdint>

namespace korbit::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        const char32_t v = c - 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
    }
}

bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// A byte that is no UTF-8 (0x80..0xFF) carried in text: U+DC80..U+DCFF.
constexpr char32_t kEscapeBase = 0xDC00;
bool isEscapedByte(char32_t c) { return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF; }

// Bounds of the second byte that keep a sequence minimal and out of the
// surrogate range (Unicode table 3-7).
struct LeadInfo {
    int length;  // 0: not a lead byte
    std::uint8_t secondMin;
    std::uint8_t secondMax;
};

LeadInfo leadInfo(std::uint8_t b) {
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF};
    if (b == 0xED) return {3, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

}  // namespace

std::string toUtf8(std::u16string_view text, LoneSurrogates lone) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            appendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00));
            ++i;
        } else if ((isHighSurrogate(c) || isLowSurrogate(c)) && lone == LoneSurrogates::kReplace) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

std::u16string fromUtf8(std::string_view bytes, InvalidBytes invalid) {
    std::u16string out;
    out.reserve(bytes.size());
    // The `count` bytes from `at`, which are no UTF-8.
    const auto undecodable = [&](std::size_t at, std::size_t count) {
        if (invalid == InvalidBytes::kReplace) {
            appendUtf16(out, kReplacement);
            return;
        }
        for (std::size_t k = at; k < at + count; ++k) {
            out.push_back(static_cast<char16_t>(kEscapeBase + static_cast<std::uint8_t>(bytes[k])));
        }
    };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        const LeadInfo info = leadInfo(lead);
        if (info.length == 0) {
            undecodable(i, 1);
            ++i;
            continue;
        }
        char32_t c = lead & (0xFFU >> (info.length + 1));
        std::size_t used = 1;
        for (; used < static_cast<std::size_t>(info.length) && i + used < bytes.size(); ++used) {
            const auto b = static_cast<std::uint8_t>(bytes[i + used]);
            const std::uint8_t low = used == 1 ? info.secondMin : std::uint8_t{0x80};
            const std::uint8_t high = used == 1 ? info.secondMax : std::uint8_t{0xBF};
            if (b < low || b > high) {
                break;
            }
            c = (c << 6) | (b & 0x3FU);
        }
        if (used == static_cast<std::size_t>(info.length)) {
            appendUtf16(out, c);
        } else {
            undecodable(i, used);
        }
        i += used;
    }
    return out;
}

std::optional<std::string> toOsPath(std::u16string_view path) {
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char32_t c = path[i];
        if (isHighSurrogate(c) && i + 1 < path.size() && isLowSurrogate(path[i + 1])) {
            appendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (char32_t{path[i + 1]} - 0xDC00));
            ++i;
        } else if (isEscapedByte(c)) {
            out.push_back(static_cast<char>(c - kEscapeBase));
        } else if (c == 0 || isHighSurrogate(c) || isLowSurrogate(c)) {
            return std::nullopt;
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

std::u16string displayText(std::u16string_view text) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            out.push_back(c);
            out.push_back(text[++i]);
        } else if (isEscapedByte(c)) {
            const unsigned byte = c - kEscapeBase;
            out += u"\\x";
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0xFU]);
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            out.push_back(static_cast<char16_t>(kReplacement));
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string displayUtf8(std::string_view bytes) { return toUtf8(displayText(fromUtf8(bytes))); }

}  // namespace korbit::platform

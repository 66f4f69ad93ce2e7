// Built into the component library as well as into the hosts: both sides
// compare and write identifiers.
#include "korbit/hosting/registry/guid.h"

#include <algorithm>

namespace korbit::hosting {

namespace {

void appendHex(std::string& out, std::uint32_t value, int digits) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out.push_back(kDigits[(value >> shift) & 0xFU]);
    }
}

std::optional<std::uint32_t> parseHex(std::string_view digits) {
    std::uint32_t value = 0;
    for (const char c : digits) {
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<std::uint32_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        value = value << 4 | digit;
    }
    return value;
}

}  // namespace

std::string guidToText(const KorbitGuid& guid) {
    std::string text = "{";
    appendHex(text, guid.data1, 8);
    text += '-';
    appendHex(text, guid.data2, 4);
    text += '-';
    appendHex(text, guid.data3, 4);
    text += '-';
    for (std::size_t i = 0; i < 8; ++i) {
        if (i == 2) {
            text += '-';
        }
        appendHex(text, guid.data4[i], 2);
    }
    return text + "}";
}

std::optional<KorbitGuid> guidFromText(std::string_view text) {
    if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' ||
        text[19] != '-' || text[24] != '-') {
        return std::nullopt;
    }
    const auto d1 = parseHex(text.substr(1, 8));
    const auto d2 = parseHex(text.substr(10, 4));
    const auto d3 = parseHex(text.substr(15, 4));
    if (!d1 || !d2 || !d3) {
        return std::nullopt;
    }
    KorbitGuid guid{*d1, static_cast<std::uint16_t>(*d2), static_cast<std::uint16_t>(*d3), {}};
    for (std::size_t i = 0; i < 8; ++i) {
        const std::size_t at = i < 2 ? 20 + 2 * i : 25 + 2 * (i - 2);
        const auto byte = parseHex(text.substr(at, 2));
        if (!byte) {
            return std::nullopt;
        }
        guid.data4[i] = static_cast<std::uint8_t>(*byte);
    }
    return guid;
}

}  // namespace korbit::hosting

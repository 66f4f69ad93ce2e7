#include "korbit/c_interface/c_text.h"

#include "korbit/platform/text_encoding.h"

namespace korbit::c_interface {

namespace {

bool isHigh(char16_t c) noexcept { return c >= 0xD800 && c <= 0xDBFF; }
bool isLow(char16_t c) noexcept { return c >= 0xDC00 && c <= 0xDFFF; }
bool isEscape(char16_t c) noexcept { return c >= 0xDC80 && c <= 0xDCFF; }

}  // namespace

control::Text textOf(std::string_view bytes) { return platform::fromUtf8(bytes, platform::InvalidBytes::kEscape); }

std::string bytesOf(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t run = 0;  // start of the run of text that UTF-8 holds as it is
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHigh(c) && i + 1 < text.size() && isLow(text[i + 1])) {
            ++i;  // a pair: part of the run
            continue;
        }
        if (!isHigh(c) && !isLow(c)) {
            continue;
        }
        out += platform::toUtf8(text.substr(run, i - run));
        if (isEscape(c)) {
            out.push_back(static_cast<char>(c & 0xFF));
        } else {
            out += "\xEF\xBF\xBD";  // U+FFFD
        }
        run = i + 1;
    }
    out += platform::toUtf8(text.substr(run));
    return out;
}

}  // namespace korbit::c_interface

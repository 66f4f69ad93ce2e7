#include "korbit/platform/text_case.h"

#include <QString>
#include <clocale>
#include <cwctype>

namespace korbit::platform {

std::u16string toLowerCase(std::u16string_view text) {
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString().toLower().toStdU16String();
}

char16_t toUpperCase(char16_t c) {
    if (c < 0x80) {
        return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
    }
    static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    if (utf8 == nullptr || (c >= 0xD800 && c <= 0xDFFF)) {
        return c;
    }
    const wint_t upper = ::towupper_l(static_cast<wint_t>(c), utf8);
    return upper <= 0xFFFF ? static_cast<char16_t>(upper) : c;
}

}  // namespace korbit::platform

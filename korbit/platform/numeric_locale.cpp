#include "korbit/platform/numeric_locale.h"

#include <clocale>

#include "korbit/platform/text_encoding.h"

namespace korbit::platform {

std::u16string decimalMark() {
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr || *conventions->decimal_point == '\0') {
        return u".";
    }
    return fromUtf8(conventions->decimal_point);
}

}  // namespace korbit::platform

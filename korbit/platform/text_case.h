// Letter case by the Unicode character tables, the same for every locale.
#pragma once

#include <string>
#include <string_view>

namespace korbit::platform {

// `text` in lower case; characters without a lower-case form stay as they are.
std::u16string toLowerCase(std::u16string_view text);

// The upper case of one 16-bit character by the C library's UTF-8 tables;
// the character itself when it has none in the same range, or for a
// surrogate.
char16_t toUpperCase(char16_t c);

}  // namespace korbit::platform

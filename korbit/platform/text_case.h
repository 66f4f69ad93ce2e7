// Letter case by the Unicode character tables, the same for every locale.
#pragma once

#include <string>
#include <string_view>

namespace korbit::platform {

// `text` in lower case; characters without a lower-case form stay as they are.
std::u16string toLowerCase(std::u16string_view text);

}  // namespace korbit::platform

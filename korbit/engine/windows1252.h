// The single-byte code page that container headers store texts in. It is the
// one Windows-1252 defines, so that containers stay exchangeable with the
// program's other builds.
#pragma once

#include <string>
#include <string_view>

namespace korbit::engine {

// Characters the code page cannot hold become '?', as the system's own
// conversion does with its default character.
std::string toWindows1252(std::u16string_view text);

// Every byte maps to one character; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same value.
std::u16string fromWindows1252(std::string_view bytes);

}  // namespace korbit::engine

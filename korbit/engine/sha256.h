// The published digest class: SHA-256 of a text, as 64 lower-case hex digits.
#pragma once

#include <string>
#include <string_view>

namespace korbit::engine {

// The bytes a text stands for wherever the engine digests it: one byte per
// 16-bit character, its low 8 bits. No code-page conversion takes place, so
// U+00E9 gives 0xE9 and U+20AC gives 0xAC.
std::string lowBytes(std::u16string_view text);

// Stateless; every call starts from the standard's initial hash values.
// Automation callers reach the call operator as the class's method "SHA256"
// (a C++ member cannot carry its class's name).
class SHA256 {
public:
    // Returns exactly 64 characters in 0-9 and a-f. `sMessage` is not changed.
    std::u16string operator()(const std::u16string& sMessage) const;
};

}  // namespace korbit::engine

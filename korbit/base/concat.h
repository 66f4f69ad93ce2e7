// Texts joined into a new string by appending each part in turn. Write this,
// not "text" + std::string: GCC 12 reports a false overlap on that form at
// -O3 (GCC bug 105651), and a packager's build must not break on it.
#pragma once

#include <string>
#include <string_view>

namespace korbit {

template <typename... Parts>
std::string concat(const Parts&... parts) {
    std::string out;
    out.reserve((std::string_view(parts).size() + ... + 0));
    (out.append(std::string_view(parts)), ...);
    return out;
}

}  // namespace korbit

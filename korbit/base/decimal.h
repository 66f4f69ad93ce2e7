// The decimal digits of a count, without the library's number formatting:
// the component library, whose only exports are its entry points, is built
// from code that uses this, and std::to_string would add an export of its own.
#pragma once

#include <cstdint>
#include <string>

namespace korbit {

inline std::string decimal(std::uint64_t n) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + n % 10));
        n /= 10;
    } while (n != 0);
    return digits;
}

}  // namespace korbit

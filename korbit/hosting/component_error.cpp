#include "korbit/hosting/component_error.h"

namespace korbit::hosting {

std::string statusText(com::HResult code) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    const auto bits = static_cast<std::uint32_t>(code);
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) {
        text.push_back(kDigits[(bits >> shift) & 0xFU]);
    }
    return text;
}

}  // namespace korbit::hosting

#include "korbit/engine/sha256.h"

#include "korbit/engine/digest.h"

namespace korbit::engine {

std::string lowBytes(std::u16string_view text) {
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[i] = static_cast<char>(text[i] & 0xFFU);
    }
    return bytes;
}

std::u16string SHA256::operator()(const std::u16string& sMessage) const {
    std::array<char, 2 * sha256::kDigestSize> hex{};
    const std::string_view digits = sha256::toHex(sha256::digest(lowBytes(sMessage)), hex);
    return {digits.begin(), digits.end()};
}

}  // namespace korbit::engine

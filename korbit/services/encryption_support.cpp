#include "korbit/services/encryption_support.h"

#include "korbit/control/type_library.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/path_helpers.h"

namespace korbit::services {

std::string fallbackFolder(control::KorbitControl&) { return platform::toUtf8(ApplicationDataFolderMade()); }

bool sizeAllowed(control::KorbitControl& control, std::uint64_t bytes, const control::Text& title) {
    if (bytes <= kMaxFileBytes) {
        return true;
    }
    control.host().messageBox(u"This file is too large to encrypt: 64 GB at most.", control::box::kExclamation,
                              title);
    return false;
}

std::int16_t attributeWord(const platform::FileRewrite& file) noexcept {
    std::int32_t word = control::eFILE_ATTRIBUTE_ARCHIVE;
    if ((file.mode() & 0222U) == 0) {
        word |= control::eFILE_ATTRIBUTE_READONLY;
    }
    if (file.hiddenName()) {
        word |= control::eFILE_ATTRIBUTE_HIDDEN;
    }
    return static_cast<std::int16_t>(word);
}

}  // namespace korbit::services

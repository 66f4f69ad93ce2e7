#include "korbit/platform/text_case.h"

#include <QString>

namespace korbit::platform {

std::u16string toLowerCase(std::u16string_view text) {
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString().toLower().toStdU16String();
}

}  // namespace korbit::platform

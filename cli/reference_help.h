// `korbit help NAME` for what the method reference describes: a method of
// KorbitControl, a member or a class of the two classes, an enumeration or a
// record, as text for an 80-column terminal.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korbit::cli {

// The entry of `name` (compared without regard to ASCII case): a method of
// KorbitControl first, then a member of SHA256 or BinHexDecCls, a class, an
// enumeration, a record. Nothing when the reference names nothing so.
std::optional<std::string> referenceHelpText(std::string_view name);

}  // namespace korbit::cli

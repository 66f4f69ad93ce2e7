// The method reference (korbit/control/values/method_reference.md) as data:
// what `korbit help NAME` shows and `korbit methods --json` carries. The
// build writes it from the reference (scripts/generate_reference.py), so
// the two never differ.
#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace korbit::cli {

// The reference as one JSON document, in the shape scripts/generate_reference.py
// describes: "methods" (of KorbitControl and of the two classes), "classes",
// "enumerations" and "records". Texts keep the reference's marks (`name`,
// **bold**); paragraphs are apart by a blank line, a list is "- " lines.
std::string_view methodReferenceJson();

// The same, read once.
const nlohmann::json& methodReference();

// The entry of member `name` of `className` (KorbitControl, SHA256 or
// BinHexDecCls), names compared without regard to ASCII case; nullptr when
// the reference has none.
const nlohmann::json* findMemberEntry(std::string_view className, std::string_view name);

// A text of the reference as a terminal shows it: its marks taken away.
std::string plainText(std::string_view marked);

}  // namespace korbit::cli

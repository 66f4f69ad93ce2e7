#include "cli/method_reference.h"

#include "korbit/control/values/value.h"

namespace korbit::cli {

const nlohmann::json& methodReference() {
    static const nlohmann::json reference = nlohmann::json::parse(methodReferenceJson());
    return reference;
}

const nlohmann::json* findMemberEntry(std::string_view className, std::string_view name) {
    for (const nlohmann::json& entry : methodReference()["methods"]) {
        if (control::equalsIgnoreCase(entry["class"].get<std::string>(), className) &&
            control::equalsIgnoreCase(entry["name"].get<std::string>(), name)) {
            return &entry;
        }
    }
    return nullptr;
}

std::string plainText(std::string_view marked) {
    std::string out;
    out.reserve(marked.size());
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (marked[i] == '`') {
            continue;
        }
        if (marked.substr(i, 2) == "**") {
            ++i;
            continue;
        }
        out += marked[i];
    }
    return out;
}

}  // namespace korbit::cli

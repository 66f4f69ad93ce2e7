#include "cli/reference_help.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "cli/help_page.h"
#include "cli/method_reference.h"
#include "korbit/base/concat.h"
#include "korbit/control/values/value.h"

namespace korbit::cli {

namespace {

using nlohmann::json;
using help::fillWords;

// A text of the reference: paragraphs filled, each item of a list on lines
// of its own that hang after its "- ".
void textBlock(std::string& out, const std::string& marked, std::size_t indent) {
    const std::string text = plainText(marked);
    if (text.empty()) {
        return;
    }
    std::size_t start = 0;
    bool first = true;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find("\n\n", start), text.size());
        const std::string_view paragraph = std::string_view(text).substr(start, end - start);
        if (!first) {
            out += '\n';
        }
        first = false;
        if (paragraph.starts_with("- ")) {
            std::size_t line = 0;
            while (line < paragraph.size()) {
                const std::size_t stop = std::min(paragraph.find('\n', line), paragraph.size());
                out.append(indent, ' ').append("- ");
                fillWords(out, paragraph.substr(line + 2, stop - line - 2), indent + 2, indent + 2);
                line = stop + 1;
            }
        } else {
            fillWords(out, paragraph, indent);
        }
        start = end + 2;
    }
}

// "Label: text", the text going on after the label.
void labelled(std::string& out, std::string_view label, const std::string& marked) {
    out += '\n';
    out.append(label).append(": ");
    fillWords(out, plainText(marked), 0, label.size() + 2);
}

bool named(const json& entry, std::string_view name) {
    return control::equalsIgnoreCase(entry["name"].get<std::string>(), name);
}

const json* findIn(const json& list, std::string_view name) {
    for (const json& entry : list) {
        if (named(entry, name)) {
            return &entry;
        }
    }
    return nullptr;
}

std::string signature(const json& member) {
    std::string out = member["name"].get<std::string>() + "(";
    bool first = true;
    for (const json& a : member["arguments"]) {
        out.append(first ? "" : ", ").append(a["name"].get<std::string>());
        first = false;
    }
    out += ")";
    if (member["result"]["type"] != "none") {
        out += " As " + member["result"]["type"].get<std::string>();
    }
    return out;
}

std::string memberText(const json& member) {
    const json& reference = methodReference();
    // The signature, its arguments lined up after the "(" where it is long;
    // "As" stays with its type.
    std::string out;
    std::string head = signature(member);
    const std::size_t open = head.find('(') + 1;
    if (const std::size_t as = head.rfind(") As "); as != std::string::npos) {
        head[as + 4] = '\x01';
    }
    out += head.substr(0, open);
    fillWords(out, head.substr(open), open, open);
    std::replace(out.begin(), out.end(), '\x01', ' ');
    const std::string className = member["class"].get<std::string>();
    if (member.contains("dispid")) {
        char dispid[16];
        std::snprintf(dispid, sizeof dispid, "0x%08x", member["dispid"].get<std::uint32_t>());
        fillWords(out, "A method of " + className + " (" + member["group"].get<std::string>() +
                           "), dispatch identifier " + dispid + ".", 0);
    } else {
        fillWords(out, "A member of the class " + className + ": korbit call --class " + className + " " +
                           member["name"].get<std::string>() + ".", 0);
    }
    out += '\n';
    textBlock(out, member["summary"].get<std::string>(), 0);

    std::vector<std::string> types;  // the enumerations and records it takes or gives
    auto note = [&](const std::string& type) {
        if ((findIn(reference["enumerations"], type) != nullptr || findIn(reference["records"], type) != nullptr) &&
            std::find(types.begin(), types.end(), type) == types.end()) {
            types.push_back(type);
        }
    };
    out += '\n';
    if (member["arguments"].empty()) {
        out += "Arguments: none.\n";
    } else {
        out += "Arguments:\n";
        for (const json& a : member["arguments"]) {
            std::string attributes = a["type"].get<std::string>() + "; " + a["passing"].get<std::string>();
            if (a["optional"].get<bool>()) {
                attributes += "; optional, default " + a["default"].get<std::string>();
            }
            if (a["givenBack"].get<bool>()) {
                attributes += "; given back";
            }
            out += "  ";
            fillWords(out, a["name"].get<std::string>() + " (" + attributes + ")", 4, 2);
            fillWords(out, plainText(a["meaning"].get<std::string>()), 6);
            note(a["type"].get<std::string>());
        }
    }
    note(member["result"]["type"].get<std::string>());
    labelled(out, "Result", member["result"]["type"].get<std::string>() + ". " +
                                member["result"]["meaning"].get<std::string>());
    out += '\n';
    if (member["failures"].empty()) {
        out += "Failures: never fails.\n";
    } else {
        out += "Failures:\n";
        for (const json& failure : member["failures"]) {
            out += "  - ";
            fillWords(out, plainText(failure.get<std::string>()), 4, 4);
        }
    }
    if (member.contains("onLinux")) {
        labelled(out, "On Linux", member["onLinux"].get<std::string>());
    }
    if (member.contains("traps")) {
        labelled(out, "Traps", member["traps"].get<std::string>());
    }
    if (!types.empty()) {
        out += '\n';
        std::string also = "See also:";
        for (std::size_t i = 0; i < types.size(); ++i) {
            also += (i == 0 ? " korbit help " : ", korbit help ") + types[i];
        }
        fillWords(out, also + ".", 0);
    }
    return out;
}

std::string classText(const json& cls) {
    const std::string name = cls["name"].get<std::string>();
    std::string out = name + ": a class of the library, created as Korbit." + name + "\n\n";
    if (!cls["text"].get<std::string>().empty()) {
        textBlock(out, cls["text"].get<std::string>(), 0);
        out += '\n';
    }
    out += "Members (korbit help MEMBER):\n";
    for (const json& member : methodReference()["methods"]) {
        if (member["class"] == name) {
            out += "  " + signature(member) + "\n";
        }
    }
    return out;
}

// A table of names, a middle column and meanings, the meanings filled in
// their own column.
std::string tableText(const json& rows, const char* middle, bool rightAligned) {
    std::size_t nameWidth = 0;
    std::size_t middleWidth = 0;
    std::vector<std::string> middles;
    for (const json& row : rows) {
        nameWidth = std::max(nameWidth, row["name"].get<std::string>().size());
        middles.push_back(row[middle].is_string() ? row[middle].get<std::string>() : row[middle].dump());
        middleWidth = std::max(middleWidth, middles.back().size());
    }
    std::string out;
    const std::size_t meaningColumn = 2 + nameWidth + 2 + middleWidth + 2;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string name = rows[i]["name"].get<std::string>();
        const std::string& value = middles[i];
        out += "  " + name + std::string(nameWidth - name.size() + 2, ' ');
        const std::string pad(middleWidth - value.size(), ' ');
        out += rightAligned ? pad + value : value + pad;
        out += "  ";
        fillWords(out, plainText(rows[i]["meaning"].get<std::string>()), meaningColumn, meaningColumn);
    }
    return out;
}

std::string enumerationText(const json& enumeration) {
    std::string out = enumeration["name"].get<std::string>() + ": an enumeration\n\n";
    textBlock(out, enumeration["summary"].get<std::string>(), 0);
    out += korbit::concat("\n", tableText(enumeration["members"], "value", true), "\n");
    fillWords(out, "korbit call takes a member by its name or by its value.", 0);
    return out;
}

std::string recordText(const json& record) {
    std::string out = record["name"].get<std::string>() + ": a record\n\n";
    textBlock(out, record["summary"].get<std::string>(), 0);
    out += korbit::concat("\n", tableText(record["fields"], "type", false), "\n");
    fillWords(out,
              "korbit call takes a record as a JSON object of the fields to set, " + std::string("{\"") +
                  record["fields"][0]["name"].get<std::string>() +
                  "\": ...}; the fields left out take 0, \"\", false or an empty array.",
              0);
    return out;
}

}  // namespace

std::optional<std::string> referenceHelpText(std::string_view name) {
    const json& reference = methodReference();
    if (const json* member = findMemberEntry("KorbitControl", name)) {
        return memberText(*member);
    }
    for (const json& member : reference["methods"]) {
        if (named(member, name)) {
            return memberText(member);
        }
    }
    if (const json* cls = findIn(reference["classes"], name)) {
        return classText(*cls);
    }
    if (const json* enumeration = findIn(reference["enumerations"], name)) {
        return enumerationText(*enumeration);
    }
    if (const json* record = findIn(reference["records"], name)) {
        return recordText(*record);
    }
    return std::nullopt;
}

}  // namespace korbit::cli

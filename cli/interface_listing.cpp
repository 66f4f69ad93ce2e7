#include "cli/interface_listing.h"

#include <cstdio>
#include <iostream>

#include "cli/help_page.h"
#include "cli/json_values.h"
#include "cli/method_reference.h"
#include "cli/terminal_host.h"
#include "korbit/hosting/component_error.h"
#include "korbit/hosting/component_loader.h"

namespace korbit::cli {

namespace {

std::string hex(std::int32_t dispid) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08x", static_cast<std::uint32_t>(dispid));
    return buffer;
}

std::string_view kindName(control::MemberKind kind) {
    switch (kind) {
        case control::MemberKind::kPropertyGet: return "propget";
        case control::MemberKind::kPropertyPut: return "propput";
        default: return "method";
    }
}

}  // namespace

nlohmann::json describeInterface(const control::InterfaceInfo& info, std::string_view className) {
    nlohmann::json members = nlohmann::json::array();
    for (const control::MethodInfo& m : info.methods()) {
        const nlohmann::json* entry = findMemberEntry(className, m.name);
        nlohmann::json params = nlohmann::json::array();
        for (const control::ParamInfo& p : m.params) {
            nlohmann::json param = {{"name", p.name},
                                    {"type", control::paramTypeName(p.type)},
                                    {"byRef", !p.byValue()},
                                    {"optional", p.optional},
                                    {"givenBack", p.givenBack()}};
            if (p.optional && !p.defaultValue.isEmpty()) {
                param["default"] = toJson(p.defaultValue);
            }
            if (entry != nullptr) {
                for (const nlohmann::json& argument : (*entry)["arguments"]) {
                    if (argument["name"].get<std::string>() == p.name) {
                        param["meaning"] = argument["meaning"];
                    }
                }
            }
            params.push_back(std::move(param));
        }
        nlohmann::json member = {{"name", m.name},
                                 {"dispid", m.dispid},
                                 {"dispidHex", hex(m.dispid)},
                                 {"kind", kindName(m.kind)},
                                 {"params", std::move(params)},
                                 {"result", m.result == control::ResultType::kNone
                                                ? nlohmann::json(nullptr)
                                                : nlohmann::json(control::resultTypeName(m.result))},
                                 {"implemented", m.handler != nullptr}};
        if (entry != nullptr) {
            if (entry->contains("group")) {
                member["group"] = (*entry)["group"];
            }
            member["summary"] = (*entry)["summary"];
            member["resultMeaning"] = (*entry)["result"]["meaning"];
            member["failures"] = (*entry)["failures"];
            for (const char* part : {"onLinux", "traps"}) {
                if (entry->contains(part)) {
                    member[part] = (*entry)[part];
                }
            }
            if (entry->contains("onLinux")) {
                member["note"] = plainText((*entry)["onLinux"].get<std::string>());
            }
        }
        members.push_back(std::move(member));
    }
    return {{"interface", info.name()}, {"members", std::move(members)}};
}

bool listInterfaces(std::ostream& out, bool json) {
    struct Published {
        const char* className;
        const char* progId;
    };
    const Published classes[] = {{"KorbitControl", com::kProgIdKorbitControl},
                                 {"SHA256", com::kProgIdSHA256},
                                 {"BinHexDecCls", com::kProgIdBinHexDecCls}};
    nlohmann::json all = nlohmann::json::array();
    for (const Published& c : classes) {
        hosting::ComPtr<com::IDispatch> object;
        try {
            object = createObjectTelling(c.progId);
        } catch (const hosting::ComponentError& e) {
            std::cerr << "korbit: " << e.what() << '\n';
            return false;
        }
        nlohmann::json described = describeInterface(*object->TypeInfo(), c.className);
        described["class"] = c.className;
        described["progid"] = c.progId;
        for (const nlohmann::json& entry : methodReference()["classes"]) {
            if (entry["name"] == c.className) {
                described["summary"] = entry["text"];
            }
        }
        all.push_back(std::move(described));
    }
    if (json) {
        out << nlohmann::json{{"classes", std::move(all)},
                              {"enumerations", methodReference()["enumerations"]},
                              {"records", methodReference()["records"]}}
                   .dump(2)
            << '\n';
        return true;
    }
    for (const nlohmann::json& c : all) {
        out << c["class"].get<std::string>() << " (" << c["progid"].get<std::string>() << "), interface "
            << c["interface"].get<std::string>() << ", " << c["members"].size() << " members\n";
        for (const nlohmann::json& m : c["members"]) {
            out << "  " << m["dispidHex"].get<std::string>() << "  " << m["name"].get<std::string>();
            if (m["kind"] != "method") {
                out << " [" << m["kind"].get<std::string>() << "]";
            }
            out << "(";
            bool first = true;
            for (const nlohmann::json& p : m["params"]) {
                out << (first ? "" : ", ") << (p["optional"].get<bool>() ? "[" : "")
                    << (p["byRef"].get<bool>() ? "" : "ByVal ") << p["name"].get<std::string>() << " As "
                    << p["type"].get<std::string>();
                if (p.contains("default")) {
                    out << " = " << p["default"].dump();
                }
                out << (p["optional"].get<bool>() ? "]" : "");
                first = false;
            }
            out << ")";
            if (!m["result"].is_null()) {
                out << " As " << m["result"].get<std::string>();
            }
            if (!m["implemented"].get<bool>()) {
                out << "  (not implemented yet)";
            }
            out << '\n';
            if (m.contains("note")) {
                std::string note;
                help::fillWords(note, m["note"].get<std::string>(), 14);
                out << note;
            }
        }
    }
    return true;
}

}  // namespace korbit::cli

#include "cli/late_bound_call.h"

#include <iostream>
#include <optional>

#include "cli/json_values.h"
#include "korbit/hosting/component_error.h"
#include "korbit/hosting/component_loader.h"
#include "korbit/hosting/dispatch_call.h"
#include "korbit/control/values/type_library.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::cli {

namespace {

using control::Value;

nlohmann::json errorJson(std::int32_t code, const std::string& description) {
    return {{"error", {{"code", code}, {"description", description}}}};
}

// Invokes a member; on failure fills `failure` and returns false.
bool invokeMember(com::IDispatch& object, const control::MethodInfo& member, std::vector<Value>& args, Value& result,
                  nlohmann::json& failure) {
    const std::uint16_t flags = member.kind == control::MemberKind::kPropertyGet   ? com::kInvokePropertyGet
                                : member.kind == control::MemberKind::kPropertyPut ? com::kInvokePropertyPut
                                                                                   : com::kInvokeMethod;
    com::ExceptionInfo info;
    const com::HResult hr = object.Invoke(member.dispid, flags, args.data(), args.size(), &result, &info);
    if (hr != com::kOk) {
        std::string description = platform::toUtf8(platform::displayText(info.description));
        if (info.argumentError >= 0 && static_cast<std::size_t>(info.argumentError) < member.params.size()) {
            description += " (argument " + std::string(member.params[static_cast<std::size_t>(info.argumentError)].name) + ")";
        }
        if (description.empty()) {
            description = "The call failed with status " + hosting::statusText(hr) + ".";
        }
        failure = errorJson(hr, description);
        return false;
    }
    return true;
}

const control::MethodInfo* findMember(const control::InterfaceInfo& info, const std::string& name,
                                      control::MemberKind kind) {
    for (const control::MethodInfo& m : info.methods()) {
        if (control::equalsIgnoreCase(m.name, name) && m.kind == kind) {
            return &m;
        }
    }
    return nullptr;
}

// What a given-back argument that was left out starts as: its default, or
// the empty value of its type, for the method to fill in.
Value startingValue(const control::ParamInfo& param) {
    if (!param.defaultValue.isEmpty()) {
        return control::coerce(param.defaultValue, param.type);
    }
    switch (param.type) {
        case control::ParamType::kText: return control::Text();
        case control::ParamType::kBool: return control::Boolean{};
        case control::ParamType::kInt16: return std::int16_t{0};
        case control::ParamType::kDouble: return 0.0;
        case control::ParamType::kDate: return control::Date{};
        case control::ParamType::kVariant: return control::Empty{};
        case control::ParamType::kTextArray: return control::Array(control::VarType::kText);
        case control::ParamType::kVariantArray: return control::Array(control::VarType::kVariant);
        case control::ParamType::kFileParams:
        case control::ParamType::kArrayParams:
        case control::ParamType::kBackupFileParams:
            return control::makeRecord(*control::findRecord(control::paramTypeName(param.type)));
        default: return std::int32_t{0};  // 32-bit integers and enumerations
    }
}

// The argument named `name` of `member`; -1 when it has none.
std::ptrdiff_t argumentIndex(const control::MethodInfo& member, const std::string& name) {
    for (std::size_t i = 0; i < member.params.size(); ++i) {
        if (control::equalsIgnoreCase(member.params[i].name, name)) {
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return -1;
}

}  // namespace

std::string progIdOf(const std::string& className) {
    if (control::equalsIgnoreCase(className, "SHA256")) {
        return com::kProgIdSHA256;
    }
    if (control::equalsIgnoreCase(className, "BinHexDecCls")) {
        return com::kProgIdBinHexDecCls;
    }
    return com::kProgIdKorbitControl;
}

bool parseCallRequest(const std::vector<std::string>& words, CallRequest& request, std::string& error) {
    std::size_t i = 0;
    for (; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "--class") {
            if (++i == words.size()) {
                error = "--class needs a class name (SHA256 or BinHexDecCls)";
                return false;
            }
            if (!control::equalsIgnoreCase(words[i], "SHA256") && !control::equalsIgnoreCase(words[i], "BinHexDecCls") &&
                !control::equalsIgnoreCase(words[i], "KorbitControl")) {
                error = "unknown class '" + words[i] + "' (SHA256, BinHexDecCls or KorbitControl)";
                return false;
            }
            request.className = words[i];
        } else if (w == "--set") {
            if (++i == words.size() || words[i].find('=') == std::string::npos) {
                error = "--set needs PROPERTY=VALUE";
                return false;
            }
            const std::size_t eq = words[i].find('=');
            request.propertySets.emplace_back(words[i].substr(0, eq), words[i].substr(eq + 1));
        } else if (w == "--secret") {
            if (++i == words.size()) {
                error = "--secret needs the name of the method's argument to read";
                return false;
            }
            request.secretNames.push_back(words[i]);
        } else if (w == "--") {
            ++i;
            break;
        } else {
            break;
        }
    }
    if (i == words.size()) {
        error = "no method named";
        return false;
    }
    request.method = words[i++];
    request.arguments.assign(words.begin() + static_cast<std::ptrdiff_t>(i), words.end());
    for (std::size_t n = 0; n < request.arguments.size(); ++n) {
        if (nestingDepth(request.arguments[n]) > kMaxNesting) {
            error = "argument " + std::to_string(n + 1) + " nests arrays or records more than " +
                    std::to_string(kMaxNesting) + " levels deep";
            return false;
        }
    }
    for (const auto& [property, value] : request.propertySets) {
        if (nestingDepth(value) > kMaxNesting) {
            error = "the value of " + property + " nests arrays or records more than " + std::to_string(kMaxNesting) +
                    " levels deep";
            return false;
        }
    }
    return true;
}

ObjectPool::~ObjectPool() {
    for (auto& [name, object] : objects_) {
        hosting::lendHost(*object, nullptr);
    }
}

com::IDispatch& ObjectPool::object(const std::string& className) {
    const std::string progId = progIdOf(className);
    auto found = objects_.find(progId);
    if (found == objects_.end()) {
        hosting::ComPtr<com::IDispatch> created = createObjectTelling(progId);
        hosting::lendHost(*created, &host_);
        found = objects_.emplace(progId, std::move(created)).first;
    }
    return *found->second;
}

nlohmann::json runCall(ObjectPool& pool, TerminalHost& host, const CallRequest& request, DateStyle dates, bool& ok) {
    ok = false;
    com::IDispatch* object = nullptr;
    try {
        object = &pool.object(request.className);
    } catch (const hosting::ComponentError& e) {
        return errorJson(e.code(), e.what());
    }
    const control::InterfaceInfo* info = object->TypeInfo();
    if (info == nullptr) {
        return errorJson(com::kFail, "The object describes no interface.");
    }
    nlohmann::json failure;
    // A failed call still tells the boxes it showed and the failures it
    // reported (a property set before it, say).
    auto failed = [&host](nlohmann::json reply) {
        if (nlohmann::json boxes = host.takeBoxes(); !boxes.empty()) {
            reply["boxes"] = std::move(boxes);
        }
        if (nlohmann::json failures = host.takeFailures(); !failures.empty()) {
            reply["failures"] = std::move(failures);
        }
        return reply;
    };

    for (const auto& [property, text] : request.propertySets) {
        const control::MethodInfo* put = findMember(*info, property, control::MemberKind::kPropertyPut);
        if (put == nullptr) {
            return failed(errorJson(control::status::kUnknownName, "Unknown property '" + property + "'"));
        }
        std::vector<Value> args;
        try {
            args.push_back(argumentFromText(text, put->params.empty() ? nullptr : &put->params[0]));
        } catch (const control::AutomationError& e) {
            return failed(errorJson(e.statusCode(), e.description()));
        }
        Value ignored;
        if (!invokeMember(*object, *put, args, ignored, failure)) {
            return failed(std::move(failure));
        }
    }

    const control::MethodInfo* member = findMember(*info, request.method, control::MemberKind::kMethod);
    if (member == nullptr) {
        member = findMember(*info, request.method, control::MemberKind::kPropertyGet);
    }
    if (member == nullptr) {
        return failed(errorJson(control::status::kUnknownName,
                                "Unknown method '" + request.method + "' of " + std::string(info->name())));
    }

    // The secret arguments by position; the words fill the others in order.
    const std::size_t declared = member->params.size();
    std::vector<std::optional<std::string>> secrets(declared);
    for (std::size_t k = 0; k < request.secretNames.size(); ++k) {
        const std::ptrdiff_t at = argumentIndex(*member, request.secretNames[k]);
        if (at < 0 || secrets[static_cast<std::size_t>(at)]) {
            return failed(errorJson(control::status::kUnknownName,
                                    std::string(member->name) + (at < 0 ? " has no argument '" : " reads '") +
                                        request.secretNames[k] +
                                        (at < 0 ? "' to read as a secret" : "' as a secret twice")));
        }
        secrets[static_cast<std::size_t>(at)] = k < request.secretValues.size() ? request.secretValues[k] : "";
    }
    std::vector<Value> args;
    std::size_t word = 0;
    for (std::size_t i = 0; i < declared || word < request.arguments.size(); ++i) {
        const control::ParamInfo* param = i < declared ? &member->params[i] : nullptr;
        try {
            if (i < declared && secrets[i]) {
                Value secret(platform::fromUtf8(*secrets[i]));  // as it was read, never as JSON
                args.push_back(std::move(secret));
            } else if (word < request.arguments.size()) {
                args.push_back(argumentFromText(request.arguments[word++], param));
            } else {
                args.emplace_back(control::Missing{});
            }
        } catch (const control::AutomationError& e) {
            const std::string which = param != nullptr ? " (argument " + std::string(param->name) + ")" : "";
            return failed(errorJson(e.statusCode(), e.description() + which));
        }
        if (param != nullptr && param->givenBack() && (args.back().isMissing() || args.back().isNull())) {
            args.back() = startingValue(*param);
        }
    }
    while (!args.empty() && args.back().isMissing()) {
        args.pop_back();
    }

    Value result;
    if (!invokeMember(*object, *member, args, result, failure)) {
        return failed(std::move(failure));
    }
    nlohmann::json byref = nlohmann::json::object();
    for (std::size_t i = 0; i < args.size() && i < declared; ++i) {
        if (!member->params[i].byValue() && !args[i].isMissing() && !secrets[i]) {
            byref[std::string(member->params[i].name)] = toJson(args[i], dates);
        }
    }
    nlohmann::json failures = host.takeFailures();
    ok = failures.empty();
    return {{"result", toJson(result, dates)},
            {"byref", std::move(byref)},
            {"boxes", host.takeBoxes()},
            {"failures", std::move(failures)}};
}

}  // namespace korbit::cli

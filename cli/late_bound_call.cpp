#include "cli/late_bound_call.h"

#include <iostream>

#include "cli/json_values.h"
#include "korbit/hosting/component_error.h"
#include "korbit/hosting/component_loader.h"
#include "korbit/hosting/dispatch_call.h"
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

nlohmann::json runCall(ObjectPool& pool, TerminalHost& host, const CallRequest& request, bool& ok) {
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

    for (const auto& [property, text] : request.propertySets) {
        const control::MethodInfo* put = findMember(*info, property, control::MemberKind::kPropertyPut);
        if (put == nullptr) {
            return errorJson(control::status::kUnknownName, "Unknown property '" + property + "'");
        }
        std::vector<Value> args;
        try {
            args.push_back(argumentFromText(text, put->params.empty() ? nullptr : &put->params[0]));
        } catch (const control::AutomationError& e) {
            return errorJson(e.statusCode(), e.description());
        }
        Value ignored;
        if (!invokeMember(*object, *put, args, ignored, failure)) {
            return failure;
        }
    }

    const control::MethodInfo* member = findMember(*info, request.method, control::MemberKind::kMethod);
    if (member == nullptr) {
        member = findMember(*info, request.method, control::MemberKind::kPropertyGet);
    }
    if (member == nullptr) {
        return errorJson(control::status::kUnknownName, "Unknown method '" + request.method + "' of " +
                                                            std::string(info->name()));
    }

    std::vector<Value> args;
    for (std::size_t i = 0; i < request.arguments.size(); ++i) {
        const control::ParamInfo* param = i < member->params.size() ? &member->params[i] : nullptr;
        try {
            args.push_back(argumentFromText(request.arguments[i], param));
        } catch (const control::AutomationError& e) {
            return errorJson(e.statusCode(), e.description());
        }
    }

    Value result;
    if (!invokeMember(*object, *member, args, result, failure)) {
        if (nlohmann::json boxes = host.takeBoxes(); !boxes.empty()) {
            failure["boxes"] = std::move(boxes);
        }
        return failure;
    }
    nlohmann::json byref = nlohmann::json::object();
    for (std::size_t i = 0; i < args.size() && i < member->params.size(); ++i) {
        if (!member->params[i].byValue()) {
            byref[std::string(member->params[i].name)] = toJson(args[i]);
        }
    }
    ok = true;
    return {{"result", toJson(result)}, {"byref", std::move(byref)}, {"boxes", host.takeBoxes()}};
}

}  // namespace korbit::cli

// The published classes besides the control: SHA256 and BinHexDecCls.
#include "korbit/control/classes.h"
#include "korbit/control/korbit_control.h"
#include "korbit/engine/sha256.h"

namespace korbit::control {

namespace {

Value sha256Method(DispatchObject&, std::span<Value> args) {
    return engine::SHA256{}(args[0].get<Text>());
}

const InterfaceInfo& sha256Interface() {
    static const InterfaceInfo info("_SHA256", {{"SHA256", 0x60030000, ResultType::kText,
                                                 {{"sMessage", ParamType::kText, kByRef}}, &sha256Method}});
    return info;
}

class Sha256Object final : public DispatchObject {
public:
    const InterfaceInfo& interfaceInfo() const noexcept override { return sha256Interface(); }
};

// The three properties of BinHexDecCls, each with a getter and a setter.
const InterfaceInfo& binHexDecInterface() {
    static const InterfaceInfo info("_BinHexDecCls", [] {
        std::vector<MethodInfo> members;
        const std::pair<std::string_view, ParamType> properties[] = {
            {"HexNum", ParamType::kText}, {"BinNum", ParamType::kText}, {"DeciNum", ParamType::kInt32}};
        std::int32_t dispid = 0x68030000;
        for (const auto& [name, type] : properties) {
            const ResultType result = type == ParamType::kText ? ResultType::kText : ResultType::kInt32;
            members.push_back({name, dispid, result, {}, nullptr, MemberKind::kPropertyGet});
            members.push_back({name, dispid, ResultType::kNone, {{"value", type, kByValue}}, nullptr,
                               MemberKind::kPropertyPut});
            ++dispid;
        }
        return members;
    }());
    return info;
}

class BinHexDecObject final : public DispatchObject {
public:
    const InterfaceInfo& interfaceInfo() const noexcept override { return binHexDecInterface(); }
};

}  // namespace

std::unique_ptr<DispatchObject> newSHA256() { return std::make_unique<Sha256Object>(); }
std::unique_ptr<DispatchObject> newBinHexDecCls() { return std::make_unique<BinHexDecObject>(); }

}  // namespace korbit::control

// The published SHA256 class (BinHexDecCls lives with the number helpers).
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

}  // namespace

std::unique_ptr<DispatchObject> newSHA256() { return std::make_unique<Sha256Object>(); }

}  // namespace korbit::control

// The published BinHexDecCls class: its interface _BinHexDecCls with the
// read-write properties HexNum, BinNum and DeciNum.
#include "korbit/control/classes.h"
#include "korbit/utilities/bin_hex_dec.h"

namespace korbit::control {

namespace {

class BinHexDecObject final : public DispatchObject {
public:
    const InterfaceInfo& interfaceInfo() const noexcept override;
    utilities::BinHexDec number;
};

utilities::BinHexDec& numberOf(DispatchObject& self) { return static_cast<BinHexDecObject&>(self).number; }

Value getHex(DispatchObject& self, std::span<Value>) { return numberOf(self).hexNum(); }
Value getBin(DispatchObject& self, std::span<Value>) { return numberOf(self).binNum(); }
Value getDeci(DispatchObject& self, std::span<Value>) { return numberOf(self).deciNum(); }

Value putHex(DispatchObject& self, std::span<Value> args) {
    numberOf(self).setHexNum(args[0].get<Text>());
    return {};
}
Value putBin(DispatchObject& self, std::span<Value> args) {
    numberOf(self).setBinNum(args[0].get<Text>());
    return {};
}
Value putDeci(DispatchObject& self, std::span<Value> args) {
    numberOf(self).setDeciNum(args[0].get<std::int32_t>());
    return {};
}

// The three properties, each with a getter and a setter, in the order of
// their identifiers.
const InterfaceInfo& binHexDecInterface() {
    static const InterfaceInfo info("_BinHexDecCls", [] {
        struct Property {
            std::string_view name;
            ParamType type;
            MethodHandler get;
            MethodHandler put;
        };
        const Property properties[] = {{"HexNum", ParamType::kText, &getHex, &putHex},
                                       {"BinNum", ParamType::kText, &getBin, &putBin},
                                       {"DeciNum", ParamType::kInt32, &getDeci, &putDeci}};
        std::vector<MethodInfo> members;
        std::int32_t dispid = 0x68030000;
        for (const Property& p : properties) {
            const ResultType result = p.type == ParamType::kText ? ResultType::kText : ResultType::kInt32;
            members.push_back({p.name, dispid, result, {}, p.get, MemberKind::kPropertyGet});
            members.push_back({p.name, dispid, ResultType::kNone, {{"value", p.type, kByValue}}, p.put,
                               MemberKind::kPropertyPut});
            ++dispid;
        }
        return members;
    }());
    return info;
}

const InterfaceInfo& BinHexDecObject::interfaceInfo() const noexcept { return binHexDecInterface(); }

}  // namespace

std::unique_ptr<DispatchObject> newBinHexDecCls() { return std::make_unique<BinHexDecObject>(); }

}  // namespace korbit::control

// The dispatch identifiers of KorbitControl's methods, one enumerator per
// method named after it, drawn from the table the control's interface is
// built from (control_methods.def). A host calls by these identifiers and
// looks no name up; the component interface version (component_abi.h)
// guarantees that the library it loaded was built from the same table.
#pragma once

#include <cstdint>

namespace korbit::control {

enum class ControlMethod : std::int32_t {
#define KORBIT_METHOD(family, name, dispid, ...) name = dispid,
#include "korbit/control/values/control_methods.def"
#undef KORBIT_METHOD
};

constexpr std::int32_t dispatchIdOf(ControlMethod method) noexcept { return static_cast<std::int32_t>(method); }

// The method's name, as the interface spells it.
constexpr const char* methodName(ControlMethod method) noexcept {
    switch (method) {
#define KORBIT_METHOD(family, name, dispid, ...) \
    case ControlMethod::name:                    \
        return #name;
#include "korbit/control/values/control_methods.def"
#undef KORBIT_METHOD
    }
    return "";
}

}  // namespace korbit::control

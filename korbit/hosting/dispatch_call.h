// Calling a component object late-bound from a hosting program.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "korbit/control/values/component_abi.h"
#include "korbit/control/values/host.h"
#include "korbit/control/values/value.h"

namespace korbit::hosting {

struct CallOutcome {
    com::HResult status = com::kOk;
    control::Value result;     // Empty when the call failed
    com::ExceptionInfo error;  // filled when the call failed

    bool ok() const noexcept { return status == com::kOk; }
};

// The dispatch identifier of member `name` (ASCII case ignored); nothing
// when the object has no such member.
std::optional<std::int32_t> dispatchId(com::IDispatch& object, std::u16string_view name);

// Invokes member `dispid` with `args`, first argument first; by-reference
// arguments come back as the member left them. `flags` is a combination of
// com::kInvokeMethod, kInvokePropertyGet and kInvokePropertyPut.
CallOutcome call(com::IDispatch& object, std::int32_t dispid, std::vector<control::Value>& args,
                 std::uint16_t flags = com::kInvokeMethod);

// Lends `object` the host's message boxes, event pump and windows (null
// withdraws them; the host must outlive the loan). False when the object
// takes no host: only KorbitControl does.
bool lendHost(com::IDispatch& object, control::Host* host);

}  // namespace korbit::hosting

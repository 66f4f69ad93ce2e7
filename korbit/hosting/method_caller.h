// Calling the control's methods by their dispatch identifiers, and what a
// failed call says. The typed client (korbit_client.h, generated from the
// method table) calls through a MethodCaller: the control behind its
// component interface for a host, or any other way a caller provides.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "korbit/control/values/component_abi.h"
#include "korbit/control/values/value.h"
#include "korbit/hosting/dispatch_call.h"

namespace korbit::hosting {

// A call the control failed: the method, the failing status and the
// control's description of it (the status in words when it gave none).
struct CallFailure {
    std::string method;
    com::HResult status = com::kOk;
    control::Text description;
};

// What a client without a failure handler throws for a failed call.
class CallError : public std::runtime_error {
public:
    explicit CallError(CallFailure failure);
    const CallFailure& failure() const noexcept { return failure_; }

private:
    CallFailure failure_;
};

class MethodCaller {
public:
    virtual ~MethodCaller() = default;
    // Invokes member `dispid` with `args`, first argument first; by-reference
    // arguments come back as the member left them.
    virtual CallOutcome call(std::int32_t dispid, std::vector<control::Value>& args) = 0;
};

// The control behind its component interface; the object must outlive this.
class DispatchCaller final : public MethodCaller {
public:
    explicit DispatchCaller(com::IDispatch& object) noexcept : object_(object) {}
    CallOutcome call(std::int32_t dispid, std::vector<control::Value>& args) override;

private:
    com::IDispatch& object_;
};

// The failure of `outcome`, a failed call of `method`.
CallFailure failureOf(std::string method, const CallOutcome& outcome);

}  // namespace korbit::hosting

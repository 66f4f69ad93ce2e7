// The typed client (korbit_client.h) for tests: a MethodCaller that calls a
// control of this process by dispatch identifier, the way a host calls the
// one behind the component interface, and the method table as a list.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "korbit/control/values/control_methods.h"
#include "korbit/control/values/dispatch.h"
#include "korbit/hosting/korbit_client.h"
#include "korbit/hosting/method_caller.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::testing {

// Every method of the table (control_methods.def), in its order.
inline constexpr control::ControlMethod kEveryMethod[] = {
#define KORBIT_METHOD(family, name, ...) control::ControlMethod::name,
#include "korbit/control/values/control_methods.def"
#undef KORBIT_METHOD
};

// Calls `control` (a KorbitControl) through control::invoke; a failed call
// comes back with its status, error number and description, as the
// component interface gives them.
class ControlCaller final : public hosting::MethodCaller {
public:
    explicit ControlCaller(control::DispatchObject& control) noexcept : control_(control) {}

    hosting::CallOutcome call(std::int32_t dispid, std::vector<control::Value>& args) override {
        control::InvokeResult r = control::invoke(control_, dispid, args);
        hosting::CallOutcome outcome;
        outcome.status = r.status;
        if (r.ok()) {
            outcome.result = std::move(r.result);
        } else {
            outcome.error.errorNumber = r.errorNumber;
            outcome.error.argumentError = r.argumentError;
            outcome.error.description = platform::fromUtf8(r.description);
        }
        return outcome;
    }

private:
    control::DispatchObject& control_;
};

// The failure of `call`, a call of the client that must fail.
template <typename Call>
hosting::CallFailure failedCall(Call&& call) {
    try {
        std::forward<Call>(call)();
    } catch (const hosting::CallError& e) {
        return e.failure();
    }
    ADD_FAILURE() << "the call worked";
    return {};
}

// A path or other UTF-8 text as the control takes it.
inline control::Text text(const std::string& utf8) { return platform::fromUtf8(utf8); }

}  // namespace korbit::testing

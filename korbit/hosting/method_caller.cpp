#include "korbit/hosting/method_caller.h"

#include <utility>

#include "korbit/hosting/component_error.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::hosting {

CallError::CallError(CallFailure failure)
    : std::runtime_error(failure.method + ": " + platform::toUtf8(failure.description)),
      failure_(std::move(failure)) {}

CallOutcome DispatchCaller::call(std::int32_t dispid, std::vector<control::Value>& args) {
    return hosting::call(object_, dispid, args);
}

CallFailure failureOf(std::string method, const CallOutcome& outcome) {
    control::Text description = outcome.error.description;
    if (description.empty()) {
        description = platform::fromUtf8("status " + statusText(outcome.status));
    }
    return {std::move(method), outcome.status, std::move(description)};
}

}  // namespace korbit::hosting

#include "korbit/hosting/dispatch_call.h"

#include <string>

#include "korbit/hosting/com_ptr.h"

namespace korbit::hosting {

std::optional<std::int32_t> dispatchId(com::IDispatch& object, std::u16string_view name) {
    const std::u16string terminated(name);
    if (terminated.find(u'\0') != std::u16string::npos) {
        return std::nullopt;
    }
    std::int32_t dispid = -1;
    if (object.GetIDsOfNames(terminated.c_str(), &dispid) != com::kOk) {
        return std::nullopt;
    }
    return dispid;
}

CallOutcome call(com::IDispatch& object, std::int32_t dispid, std::vector<control::Value>& args,
                 std::uint16_t flags) {
    CallOutcome outcome;
    outcome.status = object.Invoke(dispid, flags, args.data(), args.size(), &outcome.result, &outcome.error);
    return outcome;
}

bool lendHost(com::IDispatch& object, control::Host* host) {
    const ComPtr<com::IObjectWithHost> withHost =
        ComPtr<com::IDispatch>::share(&object).query<com::IObjectWithHost>(com::kIID_IObjectWithHost);
    return withHost && withHost->SetHost(host) == com::kOk;
}

}  // namespace korbit::hosting

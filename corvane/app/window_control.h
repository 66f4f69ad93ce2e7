// A window's KorbitControl1: the control created by its program identifier,
// lent the window's host, and called typed through the client written from
// the control's method table (korbit/hosting/korbit_client.h). A call the
// control fails is shown through the host (Host::reportFailure) and gives
// the result type's empty value (False, empty text, 0); the control shows
// its own messages.
#pragma once

#include "korbit/hosting/com_ptr.h"
#include "korbit/hosting/korbit_client.h"
#include "korbit/hosting/method_caller.h"

namespace korbit::control {
class Host;
}

namespace corvane {

// The control object itself, made before the client that calls it.
struct CreatedControl {
    CreatedControl();
    korbit::hosting::ComPtr<korbit::com::IDispatch> object;
    korbit::hosting::DispatchCaller caller;
};

// The control's methods are the client's: control->IsFileEncrypted2(path).
class WindowControl : private CreatedControl, public korbit::hosting::KorbitClient {
public:
    // Creates a Korbit.KorbitControl and lends it `host` for as long as this
    // object lives. Throws korbit::hosting::ComponentError when the control
    // library cannot be found or loaded, or is of another interface version.
    explicit WindowControl(korbit::control::Host& host);
    ~WindowControl();
    WindowControl(const WindowControl&) = delete;
    WindowControl& operator=(const WindowControl&) = delete;
};

}  // namespace corvane

// The library's creatable classes, as the component server makes them.
#pragma once

#include <memory>

#include "korbit/control/values/dispatch.h"

namespace korbit::control {

class Host;

// A new KorbitControl; `host` may be null (a headless default is used).
std::unique_ptr<DispatchObject> newKorbitControl(Host* host = nullptr);
std::unique_ptr<DispatchObject> newSHA256();
std::unique_ptr<DispatchObject> newBinHexDecCls();

// Lends `object` the host's services when it is a control; other objects
// have no use for them.
void setObjectHost(DispatchObject& object, Host* host);

}  // namespace korbit::control

#include "korbit/control/bindings.h"

namespace korbit::control {

void bindAllFamilies(InterfaceInfo& info) { services::bindPathMethods(info); }

}  // namespace korbit::control

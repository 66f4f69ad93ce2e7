// Each family of methods binds its implementations into the control's
// interface; a family not yet built leaves its members unbound, and they
// answer "not implemented".
#pragma once

#include "korbit/control/dispatch.h"

namespace korbit::services {
void bindPathMethods(control::InterfaceInfo& info);
}  // namespace korbit::services

namespace korbit::control {

void bindAllFamilies(InterfaceInfo& info);

}  // namespace korbit::control

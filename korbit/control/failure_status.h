// How a failure of the library ends a call of the control's interface when
// the method's contract gives it no result of its own to report it with: as
// the failing status of the run-time error that says the same.
#pragma once

#include "korbit/control/automation_error.h"
#include "korbit/engine/status.h"

namespace korbit::control {

// The automation error for `failure` (which must not be ok): "File not
// found" for NotFound, "Permission denied" for AccessDenied, "Path/File
// access error" for files that cannot be used, "Invalid procedure call or
// argument" for InvalidArgument, ...; the description is the failure's
// message where it has one.
AutomationError automationErrorOf(const engine::Status& failure);

}  // namespace korbit::control

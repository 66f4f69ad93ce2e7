// How a failure of the library ends a call of the control's interface when
// the method's contract gives it no result of its own to report it with: as
// the failing status of the run-time error that says the same.
#pragma once

#include "korbit/control/values/automation_error.h"
#include "korbit/engine/status.h"

namespace korbit::control {

// The run-time error for `failure` (which must not be ok), with its own
// description: "File not found" for NotFound, "Permission denied" for
// AccessDenied, "Invalid procedure call or argument" for InvalidArgument,
// "Overflow" for TooLarge, "Path/File access error" for anything else.
AutomationError automationErrorOf(const engine::Status& failure);

}  // namespace korbit::control

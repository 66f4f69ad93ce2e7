#include "korbit/control/frame/failure_status.h"

namespace korbit::control {

AutomationError automationErrorOf(const engine::Status& failure) {
    switch (failure.code()) {
        case engine::ErrorCode::NotFound: return AutomationError::fileNotFound();
        case engine::ErrorCode::AccessDenied: return AutomationError::permissionDenied();
        case engine::ErrorCode::InvalidArgument: return AutomationError::invalidProcedureCall();
        case engine::ErrorCode::TooLarge: return AutomationError::overflow();
        default: return AutomationError::pathFileAccessError();
    }
}

}  // namespace korbit::control

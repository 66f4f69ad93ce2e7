#include "korbit/control/failure_status.h"

namespace korbit::control {

AutomationError automationErrorOf(const engine::Status& failure) {
    const auto withMessage = [&](const AutomationError& e) {
        return AutomationError(e.statusCode(), e.errorNumber(),
                               failure.message().empty() ? e.description() : failure.message());
    };
    switch (failure.code()) {
        case engine::ErrorCode::NotFound: return withMessage(AutomationError::fileNotFound());
        case engine::ErrorCode::AccessDenied: return withMessage(AutomationError::permissionDenied());
        case engine::ErrorCode::InvalidArgument: return withMessage(AutomationError::invalidProcedureCall());
        case engine::ErrorCode::TooLarge: return withMessage(AutomationError::overflow());
        default: return withMessage(AutomationError::pathFileAccessError());
    }
}

}  // namespace korbit::control

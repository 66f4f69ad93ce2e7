#include "korbit/control/bindings.h"

namespace korbit::control {

void bindAllFamilies(InterfaceInfo& info) {
    services::bindPathMethods(info);
    services::bindEncryptionMethods(info);
    services::bindSettingsMethods(info);
    services::bindFileOperationMethods(info);
    services::bindFileTimeMethods(info);
    utilities::bindArrayRecordMethods(info);
    utilities::bindNumberTextMethods(info);
    utilities::bindDateFinanceMethods(info);
    utilities::bindCalculatorMethods(info);
    utilities::bindBackupMethods(info);
    utilities::bindSearchMethods(info);
    // (more families)
}

}  // namespace korbit::control

// Each family of methods binds its implementations into the control's
// interface; a family not yet built leaves its members unbound, and they
// answer "not implemented".
#pragma once

#include "korbit/control/dispatch.h"

// One binder per family, each defined in the family's own file.
namespace korbit::services {
void bindPathMethods(control::InterfaceInfo& info);
void bindEncryptionMethods(control::InterfaceInfo& info);
void bindSettingsMethods(control::InterfaceInfo& info);
void bindFileOperationMethods(control::InterfaceInfo& info);
void bindFileTimeMethods(control::InterfaceInfo& info);
// (services binders)
}  // namespace korbit::services

namespace korbit::utilities {
void bindArrayRecordMethods(control::InterfaceInfo& info);
void bindNumberTextMethods(control::InterfaceInfo& info);
void bindDateFinanceMethods(control::InterfaceInfo& info);
void bindCalculatorMethods(control::InterfaceInfo& info);
void bindBackupMethods(control::InterfaceInfo& info);
void bindSearchMethods(control::InterfaceInfo& info);
// (utilities binders)
}  // namespace korbit::utilities

namespace korbit::control {

void bindAllFamilies(InterfaceInfo& info);

}  // namespace korbit::control

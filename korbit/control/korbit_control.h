// KorbitControl: the control object. Its frame (control_frame.h) keeps the
// host, the control's state, its random sequence and its size; its methods
// come from one object per family, each written in its own layer:
//
//   services/   paths, settings files, file operations, file times, encryption
//   utilities/  backup, search, array records, numbers and text, dates and
//               finance, calculators
//
// Hosts call it late-bound through its interface (interfaceInfo(),
// invoke()); C++ callers call the families' methods on it directly.
#pragma once

#include "korbit/control/frame/control_frame.h"
#include "korbit/control/values/dispatch.h"
#include "korbit/services/encryption_methods.h"
#include "korbit/services/file_operation_methods.h"
#include "korbit/services/file_time_methods.h"
#include "korbit/services/path_methods.h"
#include "korbit/services/settings_methods.h"
#include "korbit/utilities/array_record_methods.h"
#include "korbit/utilities/backup_methods.h"
#include "korbit/utilities/calculator_methods.h"
#include "korbit/utilities/date_finance_methods.h"
#include "korbit/utilities/number_text_methods.h"
#include "korbit/utilities/search_methods.h"

namespace korbit::control {

// The control's interface, every method of it bound to its family.
const InterfaceInfo& korbitControlInterface();

// Each family reaches the frame and the families it builds on through the
// references it is given here; the bases are built in the order listed.
class KorbitControl final : public DispatchObject,
                            public ControlFrame,
                            public services::PathMethods,
                            public services::SettingsMethods,
                            public services::FileOperationMethods,
                            public services::FileTimeMethods,
                            public services::EncryptionMethods,
                            public utilities::SearchMethods,
                            public utilities::BackupMethods,
                            public utilities::ArrayRecordMethods,
                            public utilities::NumberTextMethods,
                            public utilities::DateFinanceMethods,
                            public utilities::CalculatorMethods {
public:
    // `host` may be null: boxes then go to standard error with their safe
    // answer. The host must outlive the control or be withdrawn first; so
    // must `system` (a test's, say).
    explicit KorbitControl(Host* host = nullptr, platform::System& system = platform::realSystem());

    const InterfaceInfo& interfaceInfo() const noexcept override { return korbitControlInterface(); }

private:
    // The parts handed to the families as they are built (a family's copy
    // constructor would take the whole control as well).
    ControlFrame& frame() noexcept { return *this; }
    services::PathMethods& paths() noexcept { return *this; }
    services::FileOperationMethods& files() noexcept { return *this; }
    services::FileTimeMethods& times() noexcept { return *this; }
    utilities::SearchMethods& search() noexcept { return *this; }
};

// The control behind a late-bound handler's object.
inline KorbitControl& controlOf(DispatchObject& object) { return static_cast<KorbitControl&>(object); }

}  // namespace korbit::control

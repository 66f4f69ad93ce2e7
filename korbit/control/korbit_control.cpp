#include "korbit/control/korbit_control.h"

#include "korbit/control/classes.h"

namespace korbit::control {

KorbitControl::KorbitControl(Host* host, platform::System& system)
    : ControlFrame(host, system),
      PathMethods(frame()),
      FileOperationMethods(frame(), paths()),
      EncryptionMethods(frame(), paths()),
      SearchMethods(frame(), paths()),
      BackupMethods(frame(), paths(), files(), times(), search()),
      ArrayRecordMethods(frame(), paths()),
      NumberTextMethods(frame()),
      DateFinanceMethods(frame()) {}

std::unique_ptr<DispatchObject> newKorbitControl(Host* host) { return std::make_unique<KorbitControl>(host); }

void setObjectHost(DispatchObject& object, Host* host) {
    if (auto* control = dynamic_cast<KorbitControl*>(&object)) {
        control->setHost(host);
    }
}

}  // namespace korbit::control

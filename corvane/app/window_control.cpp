#include "corvane/app/window_control.h"

#include <QtGlobal>

#include "korbit/control/values/host.h"
#include "korbit/hosting/hosting.h"

namespace corvane {

namespace hosting = korbit::hosting;

namespace {

// A registered library passed over for the one installed with the program
// (another interface version) is worth a line in the log, not a box.
hosting::ComPtr<korbit::com::IDispatch> newControl() {
    std::string notice;
    hosting::ComPtr<korbit::com::IDispatch> made = hosting::createObject(korbit::com::kProgIdKorbitControl, &notice);
    if (!notice.empty()) {
        qWarning("%s", notice.c_str());
    }
    return made;
}

}  // namespace

CreatedControl::CreatedControl() : object(newControl()), caller(*object) {}

WindowControl::WindowControl(korbit::control::Host& host)
    : KorbitClient(caller, [&host](const hosting::CallFailure& failure) {
          host.reportFailure(korbit::control::Text(failure.method.begin(), failure.method.end()), failure.description);
      }) {
    hosting::lendHost(*object, &host);
}

WindowControl::~WindowControl() { hosting::lendHost(*object, nullptr); }

}  // namespace corvane

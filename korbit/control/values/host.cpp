#include "korbit/control/values/host.h"

#include <iostream>

#include "korbit/platform/text_encoding.h"

namespace korbit::control {

std::int32_t box::safeAnswer(std::int32_t style) noexcept {
    switch (buttons(style)) {
        case kOkOnly: return kOk;
        case kAbortRetryIgnore: return kAbort;
        case kYesNo: return kNo;
        default: return kCancel;  // OK/Cancel, Yes/No/Cancel, Retry/Cancel
    }
}

std::int32_t HeadlessHost::messageBox(const Text& text, std::int32_t style, const Text& title) {
    std::cerr << platform::toUtf8(platform::displayText(title)) << ": " << platform::toUtf8(platform::displayText(text))
              << '\n';
    return box::safeAnswer(style);
}

void Host::reportFailure(const Text& method, const Text& description) {
    std::cerr << "Korbit: " << platform::toUtf8(method) << ": " << platform::toUtf8(platform::displayText(description))
              << '\n';
}

HeadlessHost& headlessHost() {
    static HeadlessHost host;
    return host;
}

}  // namespace korbit::control

#include "korbit/c_interface/c_host.h"

#include <utility>

#include "korbit/c_interface/c_text.h"

namespace korbit::c_interface {

void CallbackHost::lend(const korbit_host* host) noexcept { callbacks_ = host != nullptr ? *host : korbit_host{}; }

std::int32_t CallbackHost::messageBox(const control::Text& text, std::int32_t style, const control::Text& title) {
    if (callbacks_.message_box == nullptr) {
        return control::box::safeAnswer(style);
    }
    return callbacks_.message_box(callbacks_.context, bytesOf(text).c_str(), style, bytesOf(title).c_str());
}

void CallbackHost::pumpEvents() {
    if (callbacks_.pump_events != nullptr) {
        callbacks_.pump_events(callbacks_.context);
    }
}

bool CallbackHost::inputPending() {
    return callbacks_.input_pending != nullptr && callbacks_.input_pending(callbacks_.context) != 0;
}

void CallbackHost::reportFailure(const control::Text& method, const control::Text& description) {
    std::string methodBytes = bytesOf(method);
    std::string descriptionBytes = bytesOf(description);
    if (callbacks_.report_failure != nullptr) {
        callbacks_.report_failure(callbacks_.context, methodBytes.c_str(), descriptionBytes.c_str());
    }
    sink_.failed(std::move(methodBytes), std::move(descriptionBytes));
}

}  // namespace korbit::c_interface

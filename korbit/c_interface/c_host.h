// The host a C program lends the control: its callbacks behind the
// control's Host interface, with the default host's answer wherever a
// callback is missing.
#pragma once

#include <string>

#include "include/korbit/korbit.h"
#include "korbit/control/values/host.h"

namespace korbit::c_interface {

// Where the failures a method reports through its host are kept: the call
// that is running.
class FailureSink {
public:
    virtual void failed(std::string method, std::string description) = 0;

protected:
    ~FailureSink() = default;
};

class CallbackHost final : public control::Host {
public:
    explicit CallbackHost(FailureSink& sink) noexcept : sink_(sink) {}

    // The callbacks from now on; nullptr: the default host's.
    void lend(const korbit_host* host) noexcept;

    std::int32_t messageBox(const control::Text& text, std::int32_t style, const control::Text& title) override;
    void pumpEvents() override;
    bool inputPending() override;
    control::Text browseForFolder(std::int32_t, const control::Text&) override { return {}; }
    bool freezeWindow(std::int32_t, bool) override { return false; }
    bool drawFileIcon(std::int32_t, const control::Text&, bool, std::int32_t) override { return false; }
    void reportFailure(const control::Text& method, const control::Text& description) override;

private:
    FailureSink& sink_;
    korbit_host callbacks_{};
};

}  // namespace korbit::c_interface

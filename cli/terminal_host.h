// The command line as a host: message boxes are recorded for the JSON
// output and answered by --answer, by the person at the terminal, or with
// their safe answer; the failures a method reports are recorded for it too.
#pragma once

#include <optional>
#include <vector>

#include <nlohmann/json.hpp>

#include "korbit/control/values/component_abi.h"
#include "korbit/control/values/host.h"
#include "korbit/hosting/com_ptr.h"

namespace korbit::cli {

class TerminalHost final : public control::Host {
public:
    // `answer`: the answer every box gets (box::kOk, kYes, ...); without it
    // the person at the terminal is asked when `interactive`, and otherwise
    // every box gets its safe answer. `echo`: print every box on standard
    // error.
    TerminalHost(std::optional<std::int32_t> answer, bool interactive, bool echo)
        : answer_(answer), interactive_(interactive), echo_(echo) {}

    std::int32_t messageBox(const control::Text& text, std::int32_t style, const control::Text& title) override;
    void pumpEvents() override {}
    bool inputPending() override { return false; }
    control::Text browseForFolder(std::int32_t ownerWindow, const control::Text& prompt) override;
    bool freezeWindow(std::int32_t, bool) override { return false; }
    bool drawFileIcon(std::int32_t, const control::Text&, bool, std::int32_t) override { return false; }
    // Recorded for the JSON output; on standard error too, as
    // "korbit: METHOD: DESCRIPTION", when `echo`.
    void reportFailure(const control::Text& method, const control::Text& description) override;

    // The boxes shown since the last call, as {"text", "style", "title"}.
    nlohmann::json takeBoxes();
    // The failures reported since the last call, as {"method", "description"}.
    nlohmann::json takeFailures();

private:
    std::int32_t ask(std::int32_t style) const;

    std::optional<std::int32_t> answer_;
    bool interactive_;
    bool echo_;
    nlohmann::json boxes_ = nlohmann::json::array();
    nlohmann::json failures_ = nlohmann::json::array();
};

// "ok", "yes", "no", "cancel" -> the answer code; none for anything else.
std::optional<std::int32_t> parseAnswer(std::string_view word);

// The object of `progId` (hosting::createObject); what the loader has to
// say about it (another library used instead of a refused one) goes to
// standard error. Throws hosting::ComponentError.
hosting::ComPtr<com::IDispatch> createObjectTelling(std::string_view progId);

}  // namespace korbit::cli

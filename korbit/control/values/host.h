// What a hosting program lends the control: its message boxes, its event
// pump, its input queue, its folder picker and its windows. The desktop
// program implements it with Qt Widgets, the command-line host with the
// terminal, the tests with a scripted host.
#pragma once

#include <cstdint>

#include "korbit/control/values/value.h"

namespace korbit::control {

// Message box styles: an icon plus a button set.
namespace box {
inline constexpr std::int32_t kOkOnly = 0;
inline constexpr std::int32_t kOkCancel = 1;
inline constexpr std::int32_t kAbortRetryIgnore = 2;
inline constexpr std::int32_t kYesNoCancel = 3;
inline constexpr std::int32_t kYesNo = 4;
inline constexpr std::int32_t kRetryCancel = 5;
inline constexpr std::int32_t kCritical = 16;
inline constexpr std::int32_t kQuestion = 32;
inline constexpr std::int32_t kExclamation = 48;
inline constexpr std::int32_t kInformation = 64;

inline constexpr std::int32_t buttons(std::int32_t style) noexcept { return style & 0x0F; }
inline constexpr std::int32_t icon(std::int32_t style) noexcept { return style & 0x70; }

// Answers.
inline constexpr std::int32_t kOk = 1;
inline constexpr std::int32_t kCancel = 2;
inline constexpr std::int32_t kAbort = 3;
inline constexpr std::int32_t kRetry = 4;
inline constexpr std::int32_t kIgnore = 5;
inline constexpr std::int32_t kYes = 6;
inline constexpr std::int32_t kNo = 7;

// The answer that changes nothing: OK for a lone OK button, otherwise No,
// Cancel or Abort.
std::int32_t safeAnswer(std::int32_t style) noexcept;
}  // namespace box

class Host {
public:
    virtual ~Host() = default;

    // Shows a modal message box and returns the button chosen (box::kOk ...).
    virtual std::int32_t messageBox(const Text& text, std::int32_t style, const Text& title) = 0;

    // Lets the host's pending events run: its timers, its buttons. A host may
    // return at once when it ran them only a moment ago.
    virtual void pumpEvents() = 0;

    // True when keyboard or mouse input arrived since the previous call.
    virtual bool inputPending() = 0;

    // Lets the user pick a folder; empty text when cancelled.
    virtual Text browseForFolder(std::int32_t ownerWindow, const Text& prompt) = 0;

    // Pauses (true) or resumes (false) the repaint of a window the host gave
    // out; false when the handle is not one of its windows.
    virtual bool freezeWindow(std::int32_t window, bool freeze) = 0;

    // Draws the icon of `file`'s type (`size` pixels, highlighted when
    // `selected`) on a drawing surface the host gave out; false when the
    // handle is not one of its surfaces.
    virtual bool drawFileIcon(std::int32_t surface, const Text& file, bool selected, std::int32_t size) = 0;

    // A failure that the method `method` could not report through its result
    // (a settings write that changed nothing, say): the host decides whether
    // and how to show it. By default it goes to standard error.
    virtual void reportFailure(const Text& method, const Text& description);
};

// The host of a control nobody hosts: boxes go to standard error and get
// their safe answer, there are no events, no input, no windows.
class HeadlessHost final : public Host {
public:
    std::int32_t messageBox(const Text& text, std::int32_t style, const Text& title) override;
    void pumpEvents() override {}
    bool inputPending() override { return false; }
    Text browseForFolder(std::int32_t, const Text&) override { return {}; }
    bool freezeWindow(std::int32_t, bool) override { return false; }
    bool drawFileIcon(std::int32_t, const Text&, bool, std::int32_t) override { return false; }
};

HeadlessHost& headlessHost();

}  // namespace korbit::control

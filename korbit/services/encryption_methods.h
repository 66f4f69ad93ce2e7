// The encryption family of the control: the second-generation routine,
// which encrypts or decrypts a file in place (the direction follows from the
// file's first four bytes), the first-generation routine, which writes a new
// ".xje" container beside the plain file or the plain file beside it, and
// the progress, cancel and message methods both share. The run's state
// (busy, cancel, progress, last message) is the control's (ControlState).
#pragma once

#include <cstdint>

#include "korbit/control/frame/control_frame.h"
#include "korbit/services/families.h"

namespace korbit::services {

class EncryptionMethods {
public:
    EncryptionMethods(control::ControlFrame& frame, PathMethods& paths) noexcept : frame_(frame), paths_(paths) {}

    VBool EncryptionRoutine2(const Text& InFileName, const Text& MyPassword,
                             const Text& MyApplicationName = u"Velmora Software");
    VBool IsFileEncrypted2(const Text& FileNameSTR);  // throws AutomationError when the file cannot be read
    std::int16_t EncryptionProgressPercentage() const noexcept;
    void CancelOps() noexcept { frame_.state().CancelRequested = control::kTrue; }
    Text GetEncryptRoutineMessage() const { return frame_.state().LastMessage; }
    void EncryptionRoutine(const Text& InFileName, const Text& MyPassword, VBool SuppressMSGBOX = control::kFalse);
    VBool IsFileEncrypted(const Text& FileNameSTR) const;

private:
    control::ControlFrame& frame_;
    PathMethods& paths_;
};

}  // namespace korbit::services

// The operating system as the library reaches it where a test has to step
// in: the system calls a replacement makes, the clock, and the moments of a
// rewrite at which something may happen. One object is handed down from the
// control to what it opens (the way FileCalls is), so that a test changes
// what one control sees and nothing else; the real one makes the calls.
#pragma once

#include <chrono>

#include "korbit/platform/atomic_file.h"

namespace korbit::platform {

// The moments of a rewrite at which a test can act (swap a name, say) or
// make the step fail.
enum class RewriteStep {
    kOpened,          // the file is open and locked; nothing is written yet
    kWriting,         // before each write to the temporary file
    kBeforeReplace,   // the temporary file is complete and flushed, just before it is renamed over the file
    kMarkedComplete,  // in place: the record is written and the copy named complete; the file is untouched
    kCopyingBack,     // in place: before each piece of the copy into the file
    kReplaced,        // the file holds the new content; its folder is not flushed yet
};

// How often a long operation lets its host's events run: when at least
// `interval` has passed, the clock being read every `stepsPerClockRead`
// steps (a step is a block of a run, an entry of a walk).
struct PumpPace {
    unsigned stepsPerClockRead = 64;
    std::chrono::nanoseconds interval = std::chrono::milliseconds(8);
};

class System {
public:
    virtual ~System() = default;

    // The calls a replacement of a file makes.
    virtual FileCalls& fileCalls() { return systemFileCalls(); }

    // A clock that never goes back.
    virtual std::chrono::steady_clock::time_point now() { return std::chrono::steady_clock::now(); }

    virtual PumpPace pumpPace() { return {}; }

    // Called when a rewrite reaches `step`, on the thread doing it. A
    // nonzero result is an errno value that makes that step fail as the
    // platform would.
    virtual int atRewriteStep(RewriteStep step) {
        static_cast<void>(step);
        return 0;
    }
};

// The system as it is.
System& realSystem();

}  // namespace korbit::platform

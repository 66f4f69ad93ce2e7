// Ctrl-C (SIGINT) and SIGTERM during encrypt and decrypt: recorded instead
// of ending the program, so that a run stops between two blocks and leaves
// every file as it was. A blocking read or write is interrupted (no
// SA_RESTART) and looks at interruptSignal().
#pragma once

namespace korbit::cli {

// Call on the main thread.
void catchInterrupts();

// The signal that came, 0 while none did.
int interruptSignal() noexcept;

// The exit status of a run a signal ended: 128 + the signal, 130 for Ctrl-C.
inline int interruptedStatus() noexcept { return 128 + interruptSignal(); }

}  // namespace korbit::cli

#include "cli/interrupt.h"

#include <signal.h>

#include <csignal>

namespace korbit::cli {

namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void onInterrupt(int signal) { caught = signal; }

}  // namespace

void catchInterrupts() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

int interruptSignal() noexcept { return caught; }

}  // namespace korbit::cli

#include "cli/interrupt.h"

#include <pthread.h>
#include <signal.h>

#include <csignal>

namespace korbit::cli {

namespace {

volatile std::sig_atomic_t caught = 0;
pthread_t mainThread;

// A signal taken by another thread (the engine makes keys on one) is passed
// on to the main thread, so that a read or write it is blocked in ends.
extern "C" void onInterrupt(int signal) {
    caught = signal;
    if (pthread_equal(pthread_self(), mainThread) == 0) {
        pthread_kill(mainThread, signal);
    }
}

}  // namespace

void catchInterrupts() {
    mainThread = pthread_self();
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

int interruptSignal() noexcept { return caught; }

}  // namespace korbit::cli

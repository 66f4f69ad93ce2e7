#include "cli/secret_input.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

namespace korbit::cli {

namespace {

// Turns the terminal's echo off for as long as it lives.
class EchoOff {
public:
    explicit EchoOff(int fd) : fd_(fd) {
        if (::tcgetattr(fd_, &saved_) == 0) {
            termios quiet = saved_;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            changed_ = ::tcsetattr(fd_, TCSAFLUSH, &quiet) == 0;
        }
    }
    ~EchoOff() {
        if (changed_) {
            ::tcsetattr(fd_, TCSAFLUSH, &saved_);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int fd_;
    termios saved_{};
    bool changed_ = false;
};

}  // namespace

std::optional<std::string> SecretInput::readLine(std::string_view prompt) const {
    const bool terminal = ::isatty(fd_) != 0;
    std::optional<EchoOff> echoOff;
    if (terminal) {
        std::cerr << prompt << std::flush;
        echoOff.emplace(fd_);
    }
    std::string line;
    bool any = false;
    for (;;) {
        char c = 0;
        const ssize_t n = ::read(fd_, &c, 1);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0 || c == '\n') {
            any = any || n > 0;
            break;
        }
        any = true;
        line += c;
    }
    if (terminal) {
        std::cerr << '\n';
    }
    if (!any) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

std::optional<int> parseSecretFd(std::string_view word) {
    if (word.empty() || word.size() > 4) {
        return std::nullopt;
    }
    int fd = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        fd = fd * 10 + (c - '0');
    }
    if (fd > 1023 || ::fcntl(fd, F_GETFD) == -1) {
        return std::nullopt;
    }
    return fd;
}

}  // namespace korbit::cli

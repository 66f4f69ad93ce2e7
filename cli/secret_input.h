// Arguments that must not stand on the command line (a password shows in
// every process list there): read one line each from standard input or
// another file descriptor.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korbit::cli {

class SecretInput {
public:
    // Reads from `fd`, which stays open and the caller's.
    explicit SecretInput(int fd) : fd_(fd) {}

    // The next line of the input, without its line end ("\n" or "\r\n"), byte
    // by byte so that nothing after it is taken from the input. At a
    // terminal, `prompt` is written on standard error first and what is typed
    // is not shown. Empty at the end of the input, or when it cannot be read.
    std::optional<std::string> readLine(std::string_view prompt) const;

    int fd() const noexcept { return fd_; }

private:
    int fd_;
};

// The file descriptor that "--secret-fd N" names: N in 0 to 1023 written in
// decimal digits and open; empty otherwise.
std::optional<int> parseSecretFd(std::string_view word);

}  // namespace korbit::cli

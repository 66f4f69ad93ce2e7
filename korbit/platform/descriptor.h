// Owns one open file descriptor of the platform layer and closes it once.
#pragma once

#include <unistd.h>

#include <utility>

namespace korbit::platform {

class Descriptor {
public:
    explicit Descriptor(int fd) noexcept : fd_(fd) {}
    ~Descriptor() { closeNow(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            closeNow();
            fd_ = other.release();
        }
        return *this;
    }

    int get() const noexcept { return fd_; }
    bool valid() const noexcept { return fd_ >= 0; }

    // Hands the descriptor over; the caller closes it.
    int release() noexcept { return std::exchange(fd_, -1); }

    // Closes it now; returns what close() returned (0 when none was open).
    int closeNow() noexcept {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

}  // namespace korbit::platform

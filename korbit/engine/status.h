// The one error type of the library: a failure is a value, a code the caller
// can act on, a message a person can read and, where the operating system
// said why, its error number. Every layer returns them (Status, or Result<T>
// for a value); the control's interface turns them into whatever each
// method's contract promises (False, an empty text, a message box, a failing
// status), in one place.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace korbit::engine {

enum class ErrorCode {
    None = 0,
    // The container and its transform.
    WrongPassword,   // the stored password check does not match, or the container ends before it
    NotAContainer,   // the first bytes are not the container signature
    ReadFailed,      // the byte source reported an error
    WriteFailed,     // the byte sink reported an error
    Cancelled,       // the caller asked the transform to stop
    TooLarge,        // more data than the block counter can number
    InvalidArgument, // a value that cannot be encoded (an over-long extension, say), or a name that names nothing
    // Files and the operating system.
    NotFound,        // no such file or folder
    NotAFile,        // a folder, pipe, socket or device where a regular file is needed
    AccessDenied,    // the user may not read or write it, or it is marked read-only
    Busy,            // another run holds the file
    Exists,          // a new file's name is taken
    Changed,         // the file was changed, moved or replaced while it was worked on; nothing was replaced
    IoFailed,        // reading, writing, flushing or renaming failed
};

class [[nodiscard]] Status {
public:
    Status() = default;
    Status(ErrorCode code, std::string message, int systemError = 0)
        : code_(code), message_(std::move(message)), systemError_(systemError) {}

    static Status ok() { return {}; }

    bool isOk() const noexcept { return code_ == ErrorCode::None; }
    explicit operator bool() const noexcept { return isOk(); }
    ErrorCode code() const noexcept { return code_; }
    const std::string& message() const noexcept { return message_; }
    // The operating system's error number behind the failure; 0 when there is none.
    int systemError() const noexcept { return systemError_; }

private:
    ErrorCode code_ = ErrorCode::None;
    std::string message_;
    int systemError_ = 0;
};

// Reading the value of a Result that holds a failure: a fault of the caller.
class BadResultAccess : public std::logic_error {
public:
    explicit BadResultAccess(const Status& failure)
        : std::logic_error("a failed result was read as a value: " + failure.message()) {}
};

// A value or the Status that explains its absence.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT(google-explicit-constructor)
    // A failure; an ok Status here is the caller's fault and reads as an
    // InvalidArgument failure, never as a value.
    Result(Status failure)  // NOLINT(google-explicit-constructor)
        : status_(failure.isOk() ? Status(ErrorCode::InvalidArgument, "a result was made of no value")
                                 : std::move(failure)) {}

    bool isOk() const noexcept { return value_.has_value(); }
    explicit operator bool() const noexcept { return isOk(); }
    const Status& status() const noexcept { return status_; }

    // The value; throws BadResultAccess when there is none.
    T& value() & { return checked(); }
    const T& value() const& { return checked(); }
    T&& value() && { return std::move(checked()); }
    T* operator->() { return &checked(); }
    const T* operator->() const { return &checked(); }

private:
    T& checked() {
        if (!value_) {
            throw BadResultAccess(status_);
        }
        return *value_;
    }
    const T& checked() const {
        if (!value_) {
            throw BadResultAccess(status_);
        }
        return *value_;
    }

    std::optional<T> value_;
    Status status_;
};

}  // namespace korbit::engine

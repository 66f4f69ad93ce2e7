// Failures inside the engine are values: a code the caller can act on and a
// message a person can read. The public methods of the control turn them into
// whatever their contract promises (False, a message box, a text).
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace korbit::engine {

enum class ErrorCode {
    None = 0,
    WrongPassword,   // the stored password check does not match, or the container ends before it
    NotAContainer,   // the first bytes are not the container signature
    ReadFailed,      // the byte source reported an error
    WriteFailed,     // the byte sink reported an error
    Cancelled,       // the caller asked the transform to stop
    TooLarge,        // more data than the block counter can number
    InvalidArgument, // a value that cannot be encoded (an over-long extension, say)
};

class [[nodiscard]] Status {
public:
    Status() = default;
    Status(ErrorCode code, std::string message) : code_(code), message_(std::move(message)) {}

    static Status ok() { return {}; }

    bool isOk() const noexcept { return code_ == ErrorCode::None; }
    explicit operator bool() const noexcept { return isOk(); }
    ErrorCode code() const noexcept { return code_; }
    const std::string& message() const noexcept { return message_; }

private:
    ErrorCode code_ = ErrorCode::None;
    std::string message_;
};

// A value or the Status that explains its absence.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT(google-explicit-constructor)
    Result(Status failure) : status_(std::move(failure)) {}  // NOLINT(google-explicit-constructor)

    bool isOk() const noexcept { return value_.has_value(); }
    explicit operator bool() const noexcept { return isOk(); }
    const Status& status() const noexcept { return status_; }

    T& value() & { return *value_; }
    const T& value() const& { return *value_; }
    T&& value() && { return std::move(*value_); }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }

private:
    std::optional<T> value_;
    Status status_;
};

}  // namespace korbit::engine

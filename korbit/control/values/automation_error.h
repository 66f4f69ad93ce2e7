// An error that ends a method call with a failing status: the status code a
// caller of the dispatch interface receives, the run-time error number a
// script host would show, and a description.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace korbit::control {

// Status codes of the dispatch interface (the values hosts of automation
// objects know).
namespace status {
inline constexpr std::int32_t kOk = 0;
inline constexpr std::int32_t kNotImplemented = static_cast<std::int32_t>(0x80004001U);  // E_NOTIMPL
inline constexpr std::int32_t kUnknownName = static_cast<std::int32_t>(0x80020006U);     // DISP_E_UNKNOWNNAME
inline constexpr std::int32_t kMemberNotFound = static_cast<std::int32_t>(0x80020003U);  // DISP_E_MEMBERNOTFOUND
inline constexpr std::int32_t kTypeMismatch = static_cast<std::int32_t>(0x80020005U);    // DISP_E_TYPEMISMATCH
inline constexpr std::int32_t kOverflow = static_cast<std::int32_t>(0x8002000AU);        // DISP_E_OVERFLOW
inline constexpr std::int32_t kBadParamCount = static_cast<std::int32_t>(0x8002000EU);   // DISP_E_BADPARAMCOUNT
inline constexpr std::int32_t kParamNotOptional = static_cast<std::int32_t>(0x8002000FU);
inline constexpr std::int32_t kException = static_cast<std::int32_t>(0x80020009U);  // DISP_E_EXCEPTION
}  // namespace status

class AutomationError : public std::runtime_error {
public:
    AutomationError(std::int32_t statusCode, std::int32_t errorNumber, const std::string& description)
        : std::runtime_error(description), status_(statusCode), number_(errorNumber) {}

    std::int32_t statusCode() const noexcept { return status_; }
    std::int32_t errorNumber() const noexcept { return number_; }
    std::string description() const { return what(); }

    // The run-time errors the methods raise.
    static AutomationError typeMismatch() { return {status::kTypeMismatch, 13, "Type mismatch"}; }
    static AutomationError overflow() { return {status::kOverflow, 6, "Overflow"}; }
    static AutomationError invalidProcedureCall() {
        return {status::kException, 5, "Invalid procedure call or argument"};
    }
    static AutomationError invalidUseOfNull() { return {status::kException, 94, "Invalid use of Null"}; }
    static AutomationError subscriptOutOfRange() { return {status::kException, 9, "Subscript out of range"}; }
    static AutomationError fileNotFound() { return {status::kException, 53, "File not found"}; }
    static AutomationError permissionDenied() { return {status::kException, 70, "Permission denied"}; }
    static AutomationError divisionByZero() { return {status::kException, 11, "Division by zero"}; }
    static AutomationError pathFileAccessError() { return {status::kException, 75, "Path/File access error"}; }

private:
    std::int32_t status_;
    std::int32_t number_;
};

}  // namespace korbit::control

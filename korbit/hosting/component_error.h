// Why a hosting program could not get, register or unregister a component.
#pragma once

#include <stdexcept>
#include <string>

#include "korbit/control/values/component_abi.h"

namespace korbit::hosting {

enum class ComponentFailure {
    kNotRegistered,      // the program identifier is in no registry entry and no library was found for it
    kLibraryMissing,     // the library file does not exist
    kLibraryNotLoaded,   // the file exists but the dynamic loader refused it
    kEntryPointMissing,  // the library does not export the entry point needed
    kClassNotAvailable,  // the library does not provide the class asked for
    kRegistryDamaged,    // the registry file cannot be read or understood
    kCallFailed,         // an entry point or the class factory reported a failure
    kVersionMismatch,    // the library was built for another interface version than this program
    kNotTrusted,         // the registry or the library lies where someone but the user and root could change it
};

// The message is a full sentence for a person; code() is the status the
// failing call returned, or the one that best describes the failure.
class ComponentError : public std::runtime_error {
public:
    ComponentError(ComponentFailure failure, com::HResult code, const std::string& message)
        : std::runtime_error(message), failure_(failure), code_(code) {}

    ComponentFailure failure() const noexcept { return failure_; }
    com::HResult code() const noexcept { return code_; }

private:
    ComponentFailure failure_;
    com::HResult code_;
};

// A status code as a person reads it: "0x80040154".
std::string statusText(com::HResult code);

}  // namespace korbit::hosting

// The per-user component registry: which library serves which program
// identifier. A text file with one section per program identifier:
//
//   [Korbit.KorbitControl]
//   clsid={5B2C7E41-9D3A-4F1E-8C6B-217A904ED315}
//   library=/opt/korbit/lib/libkorbit.so
//   version=2
//
// `version` is the component interface version the library was built with
// (component_abi.h); registrations made before there was one have none.
// Lines starting with ';' or '#' are comments; other keys are kept as they
// are. Component libraries write the file when
// they are registered and unregistered; hosts read it to find them. Every
// change replaces the whole file at once (temporary file, fsync, rename),
// under an exclusive lock on its folder, so a reader sees the old file or
// the new one and two writers never lose each other's entries.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "korbit/control/values/component_abi.h"

namespace korbit::hosting {

struct RegistryEntry {
    std::string progId;
    KorbitGuid clsid{};
    std::filesystem::path library;
    std::uint32_t version = 0;  // the interface version recorded; 0 when none is
};

// The registry cannot be located, read or written, or holds a line it does
// not understand (the message names the file and the line).
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// $XDG_DATA_HOME/korbit/registry.ini; when XDG_DATA_HOME is unset, empty or
// not absolute, ~/.local/share/korbit/registry.ini (the home folder from
// $HOME, else from the user database). Throws RegistryError when no home
// folder is known either.
std::filesystem::path registryFilePath();

// Every entry of `file`, in file order; none when the file does not exist.
// Throws RegistryError for a damaged file, including a section without a
// valid clsid or library, or with a version that is no number.
std::vector<RegistryEntry> readRegistry(const std::filesystem::path& file);

// The entry for `progId`, compared without regard to ASCII case.
std::optional<RegistryEntry> findRegistryEntry(const std::filesystem::path& file, std::string_view progId);

// Adds `entries`, each replacing any section of the same program
// identifier; every other section stays. Creates the file and its folders
// when needed. Throws RegistryError and leaves the file as it was on any
// failure, a damaged file included (it is never overwritten).
void addRegistryEntries(const std::filesystem::path& file, const std::vector<RegistryEntry>& entries);

// Removes the sections that match one of `entries` in program identifier,
// class and library; a section naming another library stays. Deletes the
// file when no section is left. Failures as addRegistryEntries.
void removeRegistryEntries(const std::filesystem::path& file, const std::vector<RegistryEntry>& entries);

}  // namespace korbit::hosting

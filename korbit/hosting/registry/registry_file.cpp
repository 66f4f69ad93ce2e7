#include "korbit/hosting/registry/registry_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "korbit/base/decimal.h"
#include "korbit/hosting/registry/guid.h"
#include "korbit/platform/atomic_file.h"
#include "korbit/platform/environment.h"
#include "korbit/platform/folder_lock.h"
#include "korbit/platform/regular_file.h"

namespace korbit::hosting {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kClsidKey = "clsid";
constexpr std::string_view kLibraryKey = "library";
constexpr std::string_view kVersionKey = "version";
constexpr std::string_view kHeading =
    "; Korbit component registry: the library that serves each program identifier.\n"
    "; Written when a component library is registered or unregistered.\n";

struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;

    const std::string* value(std::string_view key) const {
        for (const auto& [k, v] : keys) {
            if (control::equalsIgnoreCase(k, key)) {
                return &v;
            }
        }
        return nullptr;
    }
};

[[noreturn]] void fail(const std::string& what, const fs::path& path, int error) {
    throw RegistryError(what + " " + path.string() + ": " + std::strerror(error));
}

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// The file's bytes; empty when it does not exist.
std::string readWhole(const fs::path& file) {
    errno = 0;
    std::optional<std::string> text = platform::readRegularFile(file.string());
    if (!text) {
        if (errno == ENOENT) {
            return {};
        }
        fail("cannot read", file, errno != 0 ? errno : EIO);
    }
    return std::move(*text);
}

std::vector<Section> parse(std::string_view text, const fs::path& file) {
    std::vector<Section> sections;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string_view content = trim(line);
        if (content.empty() || content.front() == ';' || content.front() == '#') {
            continue;
        }
        const auto damaged = [&](const char* why) {
            return RegistryError("the component registry " + file.string() + " is damaged: line " +
                                 decimal(lineNumber) + " " + why);
        };
        if (content.front() == '[') {
            const std::string_view name = content.back() == ']' ? trim(content.substr(1, content.size() - 2)) : "";
            if (name.empty()) {
                throw damaged("is not a valid section heading");
            }
            sections.push_back({std::string(name), {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || trim(line.substr(0, equals)).empty()) {
            throw damaged("is neither a section heading nor a key=value line");
        }
        if (sections.empty()) {
            throw damaged("comes before the first section");
        }
        std::string_view value = line.substr(equals + 1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) {
            value.remove_prefix(1);
        }
        sections.back().keys.emplace_back(std::string(trim(line.substr(0, equals))), std::string(value));
    }
    return sections;
}

std::string serialize(const std::vector<Section>& sections) {
    std::string text(kHeading);
    for (const Section& section : sections) {
        text += "\n[" + section.name + "]\n";
        for (const auto& [key, value] : section.keys) {
            text += key + "=" + value + "\n";
        }
    }
    return text;
}

// The decimal number `text`, below 2^32; nothing for anything else.
std::optional<std::uint32_t> versionOf(std::string_view text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::uint32_t n = 0;
    for (const char c : text) {
        n = n * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return n;
}

std::optional<RegistryEntry> toEntry(const Section& section) {
    const std::string* clsidText = section.value(kClsidKey);
    const std::string* library = section.value(kLibraryKey);
    const std::string* versionText = section.value(kVersionKey);
    if (clsidText == nullptr || library == nullptr) {
        return std::nullopt;
    }
    const std::optional<KorbitGuid> clsid = guidFromText(trim(*clsidText));
    const fs::path libraryPath(*library);
    const std::optional<std::uint32_t> version = versionText ? versionOf(trim(*versionText)) : std::uint32_t{0};
    if (!clsid || !libraryPath.is_absolute() || !version) {
        return std::nullopt;
    }
    return RegistryEntry{section.name, *clsid, libraryPath, *version};
}

RegistryEntry validEntry(const Section& section, const fs::path& file) {
    std::optional<RegistryEntry> entry = toEntry(section);
    if (!entry) {
        throw RegistryError("the component registry " + file.string() + " is damaged: section [" + section.name +
                            "] lacks a valid clsid or an absolute library path, or has a version that is no number");
    }
    return *std::move(entry);
}

Section toSection(const RegistryEntry& entry) {
    const std::string library = entry.library.string();
    const bool badName = entry.progId.empty() || trim(entry.progId).size() != entry.progId.size() ||
                         entry.progId.find_first_of("[]\r\n") != std::string::npos;
    if (badName) {
        throw RegistryError("'" + entry.progId + "' cannot be a program identifier");
    }
    if (!entry.library.is_absolute() || library.find_first_of("\r\n") != std::string::npos) {
        throw RegistryError("'" + library + "' cannot be registered: it must be an absolute path on one line");
    }
    Section section{entry.progId,
                    {{std::string(kClsidKey), guidToText(entry.clsid)}, {std::string(kLibraryKey), library}}};
    if (entry.version != 0) {
        section.keys.emplace_back(std::string(kVersionKey), decimal(entry.version));
    }
    return section;
}

bool sameLibrary(const fs::path& a, const fs::path& b) { return a.lexically_normal() == b.lexically_normal(); }

// Runs `change` on the file's sections while holding the folder's lock and
// writes the outcome back when it reports a change.
template <typename Change>
void changeRegistry(const fs::path& file, Change change) {
    if (!file.has_parent_path()) {
        throw RegistryError("the component registry path " + file.string() + " names no folder");
    }
    const fs::path folder = file.parent_path();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw RegistryError("cannot create the folder " + folder.string() + ": " + error.message());
    }
    const engine::Result<platform::Descriptor> lock = platform::lockFolder(folder.string());
    if (!lock) {
        throw RegistryError("cannot change the component registry: " + lock.status().message());
    }
    std::vector<Section> sections = parse(readWhole(file), file);
    if (!change(sections)) {
        return;
    }
    // The registry is the user's alone; an existing file keeps its mode.
    const engine::Status written = sections.empty()
                                       ? platform::removeFile(file.string())
                                       : platform::replaceFile(file.string(), serialize(sections),
                                                               platform::ReplaceOptions(0600));
    if (!written) {
        throw RegistryError("cannot change the component registry: " + written.message());
    }
}

}  // namespace

fs::path registryFilePath() {
    const std::optional<std::string> base = platform::baseFolder("XDG_DATA_HOME", ".local/share");
    if (!base) {
        throw RegistryError("cannot locate the component registry: neither XDG_DATA_HOME nor a home folder is known");
    }
    return fs::path(*base) / "korbit" / "registry.ini";
}

std::vector<RegistryEntry> readRegistry(const fs::path& file) {
    std::vector<RegistryEntry> entries;
    for (const Section& section : parse(readWhole(file), file)) {
        entries.push_back(validEntry(section, file));
    }
    return entries;
}

std::optional<RegistryEntry> findRegistryEntry(const fs::path& file, std::string_view progId) {
    for (const Section& section : parse(readWhole(file), file)) {
        if (control::equalsIgnoreCase(section.name, progId)) {
            return validEntry(section, file);
        }
    }
    return std::nullopt;
}

void addRegistryEntries(const fs::path& file, const std::vector<RegistryEntry>& entries) {
    std::vector<Section> added;
    for (const RegistryEntry& entry : entries) {
        added.push_back(toSection(entry));
    }
    changeRegistry(file, [&](std::vector<Section>& sections) {
        for (Section& section : added) {
            const auto same = [&](const Section& s) { return control::equalsIgnoreCase(s.name, section.name); };
            auto at = std::find_if(sections.begin(), sections.end(), same);
            if (at == sections.end()) {
                sections.push_back(std::move(section));
                continue;
            }
            *at = std::move(section);
            sections.erase(std::remove_if(at + 1, sections.end(), same), sections.end());
        }
        return !added.empty();
    });
}

void removeRegistryEntries(const fs::path& file, const std::vector<RegistryEntry>& entries) {
    const auto listed = [&](const Section& section) {
        const std::optional<RegistryEntry> present = toEntry(section);
        return present && std::any_of(entries.begin(), entries.end(), [&](const RegistryEntry& entry) {
                   return control::equalsIgnoreCase(present->progId, entry.progId) &&
                          present->clsid == entry.clsid && sameLibrary(present->library, entry.library);
               });
    };
    changeRegistry(file, [&](std::vector<Section>& sections) { return std::erase_if(sections, listed) > 0; });
}

}  // namespace korbit::hosting

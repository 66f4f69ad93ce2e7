// The file search methods of the control and their bindings.
#include <cerrno>

#include "korbit/control/bindings.h"
#include "korbit/platform/folder_walk.h"
#include "korbit/platform/text_case.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/path_helpers.h"
#include "korbit/utilities/file_walk.h"

namespace korbit::utilities {

using control::Array;
using control::KorbitControl;
using control::Text;
using control::VBool;

namespace {

// Adds every file named `wanted` (lower-cased) below `folder` to the
// control's location results; dot-named entries are passed over.
void locateAll(KorbitControl& self, const Text& folder, const Text& wanted) {
    const auto entries = platform::listFolder(systemPath(folder));
    if (!entries) {
        return;
    }
    const Text base = services::BackSlashNeeded(folder);
    for (const platform::FolderEntry& entry : *entries) {
        const Text name = platform::fromUtf8(entry.name);
        if (name.front() != u'.') {
            if (entry.isFolder) {
                if (!entry.isLink) {
                    locateAll(self, base + name + u'/', wanted);
                }
            } else if (platform::toLowerCase(name) == wanted) {
                control::ControlState& state = self.state();
                state.LocationResults.resize(static_cast<std::size_t>(state.LocationCount));
                state.LocationResults.push_back(base + name);
                state.LocationCount = plusOne(state.LocationCount);
            }
        }
        self.host().pumpEvents();
    }
}

// The first file named `wanted` (lower-cased) below `folder`, depth-first,
// staying on the file system `device`.
std::optional<std::string> findInTree(KorbitControl& self, const std::string& folder, const Text& wanted,
                                      std::uint64_t device) {
    const auto entries = platform::listFolder(folder);
    if (!entries) {
        return std::nullopt;
    }
    const std::string base = folder.back() == '/' ? folder : folder + "/";
    for (const platform::FolderEntry& entry : *entries) {
        self.host().pumpEvents();
        if (entry.name == "." || entry.name == "..") {
            continue;
        }
        const std::string path = base + entry.name;
        if (!entry.isFolder) {
            if (platform::toLowerCase(platform::fromUtf8(entry.name)) == wanted) {
                return path;
            }
        } else if (!entry.isLink && platform::deviceOf(path) == device) {
            if (auto found = findInTree(self, path, wanted, device)) {
                return found;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

}  // namespace korbit::utilities

namespace korbit::control {

using utilities::FileSearch;

void KorbitControl::SearchForFiles(const Text& MyDir, Array& MyArray, Record& FP) {
    FileSearch search = utilities::fileSearchOf(FP);
    try {
        utilities::CollectFiles(*this, MyDir, MyArray, search);
    } catch (...) {
        utilities::storeFileSearch(search, FP);
        throw;
    }
    utilities::storeFileSearch(search, FP);
}

VBool KorbitControl::FolderContainsFiles(Text& MyFolder) {
    MyFolder = BackSlashNeeded(MyFolder);
    const auto entries = platform::listFolder(utilities::systemPath(MyFolder));
    if (entries) {
        for (const platform::FolderEntry& entry : *entries) {
            if (!entry.isFolder) {
                return kTrue;
            }
        }
    }
    return kFalse;
}

VBool KorbitControl::FolderContainsSubfolders(Text& MyFolder) {
    MyFolder = BackSlashNeeded(MyFolder);
    const auto entries = platform::listFolder(utilities::systemPath(MyFolder));
    if (entries) {
        for (const platform::FolderEntry& entry : *entries) {
            if (entry.isFolder && entry.name.front() != '.') {
                return kTrue;
            }
        }
    }
    return kFalse;
}

VBool KorbitControl::SearchForAllFileLocations(const Text& DriveLetter, const Text& sFname, Array& FileLocsArray) {
    try {
        if (!DriveLetter.empty()) {
            utilities::locateAll(*this, DriveLetter, platform::toLowerCase(sFname));
        }
        if (state_.LocationResults.empty()) {
            return kFalse;
        }
        FileLocsArray = Array::ofTexts(state_.LocationResults);
        return kTrue;
    } catch (...) {
        return kFalse;
    }
}

Value KorbitControl::SearchForAllFileLocationsCLEANUP() {
    state_.LocationResults.clear();
    state_.LocationCount = 0;
    return Empty{};
}

Text KorbitControl::SearchForFileLocation(Text& sDrive2Scan, const Text& sFile2Find) {
    sDrive2Scan = GetDriveLetter(sDrive2Scan);
    const std::string root = utilities::systemPath(sDrive2Scan);
    const auto device = root.empty() ? std::nullopt : platform::deviceOf(root);
    if (device && !sFile2Find.empty()) {
        if (auto found = utilities::findInTree(*this, root, platform::toLowerCase(sFile2Find), *device)) {
            return platform::fromUtf8(*found);
        }
    }
    return u"File was not found.  Error: " + formatNumber(ENOENT);
}

}  // namespace korbit::control

namespace korbit::utilities {

namespace {

using control::DispatchObject;
using control::Value;


Value searchForFiles(DispatchObject& object, std::span<Value> args) {
    controlOf(object).SearchForFiles(args[0].get<Text>(), args[1].get<Array>(), args[2].get<control::Record>());
    return {};
}

template <VBool (KorbitControl::*M)(Text&)>
Value boolOfFolder(DispatchObject& object, std::span<Value> args) {
    return control::Boolean{(controlOf(object).*M)(args[0].get<Text>())};
}

Value searchForAllFileLocations(DispatchObject& object, std::span<Value> args) {
    return control::Boolean{
        controlOf(object).SearchForAllFileLocations(args[0].get<Text>(), args[1].get<Text>(), args[2].get<Array>())};
}

Value searchForFileLocation(DispatchObject& object, std::span<Value> args) {
    return controlOf(object).SearchForFileLocation(args[0].get<Text>(), args[1].get<Text>());
}

Value searchCleanup(DispatchObject& object, std::span<Value>) {
    return controlOf(object).SearchForAllFileLocationsCLEANUP();
}

}  // namespace

void bindSearchMethods(control::InterfaceInfo& info) {
    info.bind("SearchForFiles", &searchForFiles);
    info.bind("FolderContainsFiles", &boolOfFolder<&KorbitControl::FolderContainsFiles>);
    info.bind("FolderContainsSubfolders", &boolOfFolder<&KorbitControl::FolderContainsSubfolders>);
    info.bind("SearchForAllFileLocations", &searchForAllFileLocations);
    info.bind("SearchForFileLocation", &searchForFileLocation);
    info.bind("SearchForAllFileLocationsCLEANUP", &searchCleanup);
}

}  // namespace korbit::utilities

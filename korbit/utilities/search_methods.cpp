// The file search methods of the control.
#include "korbit/utilities/search_methods.h"

#include <cerrno>

#include "korbit/platform/folder_walk.h"
#include "korbit/platform/text_case.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/path_methods.h"
#include "korbit/utilities/file_walk.h"

namespace korbit::utilities {


// Adds every file named `wanted` (lower-cased) below `folder` to the
// control's location results; dot-named entries are passed over.
void SearchMethods::locateAll(const Text& folder, const Text& wanted) {
    const auto entries = platform::listFolder(platform::osPathOrEmpty(folder));
    if (!entries) {
        return;
    }
    const Text base = paths_.BackSlashNeeded(folder);
    for (const platform::FolderEntry& entry : *entries) {
        const Text name = platform::fromUtf8(entry.name);
        if (name.front() != u'.') {
            if (entry.isFolder) {
                if (!entry.isLink) {
                    locateAll(base + name + u'/', wanted);
                }
            } else if (platform::toLowerCase(name) == wanted) {
                Locations& state = locations_;
                state.LocationResults.resize(static_cast<std::size_t>(state.LocationCount));
                state.LocationResults.push_back(base + name);
                state.LocationCount = plusOne(state.LocationCount);
            }
        }
        frame_.yieldToHost();
    }
}

namespace {

// The first file named `wanted` (lower-cased) below `folder`, depth-first,
// staying on the file system `device`.
std::optional<std::string> findInTree(control::ControlFrame& frame, const std::string& folder, const Text& wanted,
                                      std::uint64_t device) {
    const auto entries = platform::listFolder(folder);
    if (!entries) {
        return std::nullopt;
    }
    const std::string base = folder.back() == '/' ? folder : folder + "/";
    for (const platform::FolderEntry& entry : *entries) {
        frame.yieldToHost();
        if (entry.name == "." || entry.name == "..") {
            continue;
        }
        const std::string path = base + entry.name;
        if (!entry.isFolder) {
            if (platform::toLowerCase(platform::fromUtf8(entry.name)) == wanted) {
                return path;
            }
        } else if (!entry.isLink && platform::deviceOf(path) == device) {
            if (auto found = findInTree(frame, path, wanted, device)) {
                return found;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

void SearchMethods::SearchForFiles(const Text& MyDir, Array& MyArray, Record& FP) {
    FileSearch search = fileSearchOf(FP);
    try {
        CollectFiles(frame_, paths_, MyDir, MyArray, search);
    } catch (...) {
        storeFileSearch(search, FP);
        throw;
    }
    storeFileSearch(search, FP);
}

VBool SearchMethods::FolderContainsFiles(Text& MyFolder) {
    MyFolder = paths_.BackSlashNeeded(MyFolder);
    const auto entries = platform::listFolder(platform::osPathOrEmpty(MyFolder));
    if (entries) {
        for (const platform::FolderEntry& entry : *entries) {
            if (!entry.isFolder) {
                return control::kTrue;
            }
        }
    }
    return control::kFalse;
}

VBool SearchMethods::FolderContainsSubfolders(Text& MyFolder) {
    MyFolder = paths_.BackSlashNeeded(MyFolder);
    const auto entries = platform::listFolder(platform::osPathOrEmpty(MyFolder));
    if (entries) {
        for (const platform::FolderEntry& entry : *entries) {
            if (entry.isFolder && entry.name.front() != '.') {
                return control::kTrue;
            }
        }
    }
    return control::kFalse;
}

VBool SearchMethods::SearchForAllFileLocations(const Text& DriveLetter, const Text& sFname, Array& FileLocsArray) {
    try {
        if (!DriveLetter.empty()) {
            locateAll(DriveLetter, platform::toLowerCase(sFname));
        }
        if (locations_.LocationResults.empty()) {
            return control::kFalse;
        }
        FileLocsArray = Array::ofTexts(locations_.LocationResults);
        return control::kTrue;
    } catch (...) {
        return control::kFalse;
    }
}

Value SearchMethods::SearchForAllFileLocationsCLEANUP() {
    locations_.LocationResults.clear();
    locations_.LocationCount = 0;
    return control::Empty{};
}

Text SearchMethods::SearchForFileLocation(Text& sDrive2Scan, const Text& sFile2Find) {
    sDrive2Scan = paths_.GetDriveLetter(sDrive2Scan);
    const std::string root = platform::osPathOrEmpty(sDrive2Scan);
    const auto device = root.empty() ? std::nullopt : platform::deviceOf(root);
    if (device && !sFile2Find.empty()) {
        if (auto found = findInTree(frame_, root, platform::toLowerCase(sFile2Find), *device)) {
            return platform::fromUtf8(*found);
        }
    }
    return u"File was not found.  Error: " + control::formatNumber(ENOENT);
}

}  // namespace korbit::utilities


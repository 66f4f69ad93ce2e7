// The file search family of the control. The walks list a folder's entries
// in a stable order without regard to letter case, never enter dot-named
// folders or symbolic links, and yield to the host after every entry.
// Counters past 2,147,483,647 throw overflow. The whole-tree search keeps
// its results (LocationResults, LocationCount) until its clean-up.
#pragma once

#include <vector>

#include "korbit/control/frame/control_frame.h"
#include "korbit/utilities/families.h"

namespace korbit::utilities {

class SearchMethods {
public:
    SearchMethods(control::ControlFrame& frame, services::PathMethods& paths) noexcept : frame_(frame), paths_(paths) {}

    void SearchForFiles(const Text& MyDir, Array& MyArray, Record& FP);  // FILE_PARAMS; appends from FP.nCount on
    VBool FolderContainsFiles(Text& MyFolder);       // MyFolder gets its trailing separator
    VBool FolderContainsSubfolders(Text& MyFolder);  // dot-named folders don't count
    VBool SearchForAllFileLocations(const Text& DriveLetter, const Text& sFname, Array& FileLocsArray);
    Text SearchForFileLocation(Text& sDrive2Scan, const Text& sFile2Find);  // sDrive2Scan becomes the mount root
    Value SearchForAllFileLocationsCLEANUP();  // Empty

    struct Locations {
        std::vector<Text> LocationResults;
        std::int32_t LocationCount = 0;
    };
    const Locations& locations() const noexcept { return locations_; }

private:
    void locateAll(const Text& folder, const Text& wanted);

    control::ControlFrame& frame_;
    services::PathMethods& paths_;
    Locations locations_;
};

}  // namespace korbit::utilities

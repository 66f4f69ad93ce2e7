// The path and file-name helpers as a family of the control's methods:
// take paths apart, test files, folders and drives, find the special
// folders and describe file sizes. The rules are those of path_helpers.h.
#pragma once

#include <cstdint>

#include "korbit/control/frame/control_frame.h"
#include "korbit/services/families.h"

namespace korbit::services {

class PathMethods {
public:
    explicit PathMethods(control::ControlFrame& frame) noexcept : frame_(frame) {}

    Text ExtractLastFolderInDir(const Text& MyDir);
    Text CompactDirectoryString(const Text& MyDir);
    Text GetFileType(const Text& MyFile);
    Text GetFileName(const Text& MyFile);
    VBool DoesFileExist(const Text& strFile);
    Text GetDriveLetter(const Text& MyFile);
    VBool IsDriveWritable(const Text& MyFile);
    Text GetFileExt(const Text& MyFile);
    Text CutFileExt(const Text& MyFile);
    Text GetMyFileSize(const Text& MyFile);
    double GetMyFileSizeBytes(const Text& MyFile);
    Text SetBytes(std::int32_t mBytes);
    Text GetSpecialFolderA(std::int32_t eSpecialFolder);  // shows "GetSpecialFolderA" when nothing can be found
    VBool FileExistQ(const Text& sSource);
    Text GetFilePath(const Text& MyFile);
    VBool FolderExists(const Text& sFolder);
    Text CutFilePath(const Text& MyFile);
    Text BackSlashNeeded(const Text& sPath);
    Text TrimNull(const Text& startstr);

    // The application-data folder with one "/" appended, made (for the user
    // alone) when missing; empty when it cannot be found or made. Not a
    // method of the interface: the encryption's fallback folder.
    Text ApplicationDataFolderMade();

    // True when `folder` names no folder: it is empty up to its first NUL.
    // Such a folder is never taken for the root folder that BackSlashNeeded
    // would make of it. Not a method of the interface.
    bool NamesNoFolder(const Text& folder) { return TrimNull(folder).empty(); }

private:
    control::ControlFrame& frame_;
};

}  // namespace korbit::services

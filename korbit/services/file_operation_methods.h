// The file and folder operations of the control: create, move, copy, trash,
// delete and destroy; in-use tests; starting files with the desktop's
// applications; a few questions about the system. The Boolean ones answer
// True only when what was asked for happened, and False, with everything as
// it was, when the system refused it.
#pragma once

#include <cstdint>

#include "korbit/control/frame/control_frame.h"
#include "korbit/services/families.h"

namespace korbit::services {

class FileOperationMethods {
public:
    FileOperationMethods(control::ControlFrame& frame, PathMethods& paths) noexcept : frame_(frame), paths_(paths) {}

    void FreezeControl(std::int32_t CtrlHWND, VBool FreezeMe);
    VBool IsProcedureAvailable(const Text& ProcedureName, const Text& DllFilename);
    void DisplayFileIcon(const Text& MyFile, std::int32_t PictureBoxHDC, VBool SelectedIcon = control::kFalse,
                         std::int32_t ICON32or16 = 32);
    VBool BrowserLaunch(const Text& WebSite);  // False when the desktop's opener could not be started
    VBool CreateMyFile(const Text& MyFile);
    Text File2String(const Text& MyTxtFile);
    Text GetThreadUserName();
    Text GetLocalComputerName();
    VBool IsFileOpen(const Text& strFullPathFileName);  // creates a missing file
    std::int32_t IsFileInUseQ(const Text& sFile);       // an IsFileResults value
    void StartRunOpenFile(const Text& FileName, std::int32_t FormHWND);
    Text GetMyCurrentDirectory();  // NUL-padded to 255 characters
    VBool SetMyCurrentDirectory(const Text& MyDir);
    // The deletes: False for a missing entry, a declined question and a
    // refused delete (each but the declined question shown in a box).
    VBool DeleteFileOrFolderToBin(const Text& MyFile);  // asks first
    VBool DeleteFileOrFolderSilentToBin(const Text& MyFile);
    VBool DeleteFileOrFolderSilent(const Text& MyFile);  // permanent; links removed, never followed
    VBool CreateMyDIR(const Text& MyDir);
    VBool MoveMyFileReplaceExisting(const Text& MyFile, Text& MoveToDir);  // MoveToDir becomes the target path
    VBool MoveMyFile(const Text& MyFile, Text& MoveToDir);                 // MoveToDir becomes the target path
    VBool CopyMyFile(const Text& MyFile, const Text& CopyToDir);
    VBool DestroyAllFilesInFolder(const Text& PathName);  // asks first; changes the current folder; False when a
                                                          // file could not be destroyed (the others still are)
    VBool DestroyFileQ(const Text& PathName);
    Text BrowseForFolderQ(std::int32_t hwndOwner, const Text& sPrompt = {});
    double GetDiskAvailSpace(const Text& sDrive);
    double GetDiskTotalSpace(const Text& sDrive);
    double GetDiskFreeSpace(const Text& sDrive);

private:
    control::ControlFrame& frame_;
    PathMethods& paths_;
};

}  // namespace korbit::services

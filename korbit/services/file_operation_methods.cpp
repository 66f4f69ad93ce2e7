#include "korbit/services/file_operation_methods.h"

#include <cerrno>
#include <string>

#include "korbit/control/values/type_library.h"
#include "korbit/platform/file_copy.h"
#include "korbit/platform/file_info.h"
#include "korbit/platform/file_operations.h"
#include "korbit/platform/launcher.h"
#include "korbit/platform/regular_file.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/platform/trash.h"
#include "korbit/services/file_operations.h"
#include "korbit/services/path_methods.h"

namespace korbit::services {

namespace {

using control::Text;
using control::VBool;

// What a method that catches every error gives when one comes.
template <typename Result, typename Body>
Result guarded(Result onError, Body body) {
    try {
        return body();
    } catch (...) {
        return onError;
    }
}

void showDeleteError(control::Host& host, const Text& path, int error) {
    host.messageBox(u"Cannot delete " + path + u": " + platform::fromUtf8(platform::errorText(error)),
                    control::box::kCritical | control::box::kOkOnly, Text(kDeleteErrorTitle));
}

enum class Removal { kTrashAsking, kTrash, kPermanent };

// True only when the entry is gone because of this call: a missing entry,
// a declined question and a refused delete answer False, the last two after
// the box that says why.
VBool removeEntry(control::Host& host, const Text& MyFile, Removal how) {
    const std::string path = platform::osPathOrEmpty(MyFile);
    if (path.empty() || !platform::entryExists(path)) {
        showDeleteError(host, MyFile, ENOENT);
        return control::kFalse;
    }
    if (how == Removal::kTrashAsking) {
        const bool folder = platform::isFolder(path);
        const Text text = u"Are you sure you want to move \"" + MyFile + u"\" to the trash?";
        if (host.messageBox(text, control::box::kYesNo | control::box::kQuestion,
                            folder ? u"Delete Folder" : u"Delete File") != control::box::kYes) {
            return control::kFalse;
        }
    }
    const int error = how == Removal::kPermanent ? platform::removeTree(path) : platform::moveToTrash(path);
    if (error != 0) {
        showDeleteError(host, MyFile, error);
    }
    return control::toVBool(error == 0);
}

VBool move(PathMethods& paths, const Text& MyFile, Text& MoveToDir, bool replace) {
    return guarded(control::kFalse, [&] {
        const bool noFolder = paths.NamesNoFolder(MoveToDir);
        Text target = paths.BackSlashNeeded(MoveToDir) + paths.CutFilePath(MyFile);
        MoveToDir = target;
        const std::string from = platform::osPathOrEmpty(MyFile);
        const std::string to = platform::osPathOrEmpty(target);
        return control::toVBool(!noFolder && !from.empty() && !to.empty() && platform::moveEntry(from, to, replace) == 0);
    });
}

double diskSpace(const Text& sDrive, std::uint64_t platform::DiskSpace::*which) {
    Text drive = sDrive;
    if (drive.empty() || (drive.back() != u'/' && drive.back() != u'\\')) {
        drive += u'/';
    }
    const std::string path = platform::osPathOrEmpty(drive);
    return path.empty() ? 0.0 : static_cast<double>(platform::diskSpace(path).*which);
}

}  // namespace

Text verbFor(const Text& FileName) {
    Text tail = FileName.size() > 4 ? FileName.substr(FileName.size() - 4) : FileName;
    for (char16_t& c : tail) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    for (const char16_t* media : {u".WAV", u".MP2", u".MP3", u".MID", u".AVI"}) {
        if (tail == media) {
            return u"play";
        }
    }
    return u"open";
}

Text paddedCurrentFolder(const Text& folder) {
    if (folder.size() >= kCurrentFolderBuffer) {
        return folder;
    }
    Text padded = folder;
    padded.resize(kCurrentFolderBuffer, u'\0');
    return padded;
}


void FileOperationMethods::FreezeControl(std::int32_t CtrlHWND, VBool FreezeMe) {
    frame_.host().freezeWindow(CtrlHWND, FreezeMe != control::kFalse);
}

VBool FileOperationMethods::IsProcedureAvailable(const Text& ProcedureName, const Text& DllFilename) {
    return control::toVBool(platform::libraryExports(platform::osPathOrEmpty(DllFilename), platform::osPathOrEmpty(ProcedureName)));
}

void FileOperationMethods::DisplayFileIcon(const Text& MyFile, std::int32_t PictureBoxHDC, VBool SelectedIcon,
                                           std::int32_t ICON32or16) {
    frame_.host().drawFileIcon(PictureBoxHDC, MyFile, SelectedIcon != control::kFalse, ICON32or16);
}

VBool FileOperationMethods::BrowserLaunch(const Text& WebSite) {
    return guarded(control::kFalse, [&] {
        const std::string target = platform::osPathOrEmpty(WebSite);
        return control::toVBool(!target.empty() &&
                       platform::launcher().open(target, "open", "") == platform::LaunchResult::kStarted);
    });
}

VBool FileOperationMethods::CreateMyFile(const Text& MyFile) {
    return guarded(control::kFalse, [&] {
        const std::string path = platform::osPathOrEmpty(MyFile);
        return control::toVBool(paths_.DoesFileExist(MyFile) == control::kFalse && !path.empty() &&
                       platform::createNewFile(path) == 0);
    });
}

Text FileOperationMethods::File2String(const Text& MyTxtFile) {
    return guarded(Text(), [&] {
        if (paths_.GetFileExt(MyTxtFile) != u"txt") {
            return Text();
        }
        const auto content = platform::readRegularFile(platform::osPathOrEmpty(MyTxtFile));
        return content ? platform::fromUtf8(*content, platform::InvalidBytes::kReplace) : Text();
    });
}

Text FileOperationMethods::GetThreadUserName() { return platform::fromUtf8(platform::userName()); }

Text FileOperationMethods::GetLocalComputerName() { return platform::fromUtf8(platform::computerName()); }

VBool FileOperationMethods::IsFileOpen(const Text& strFullPathFileName) {
    const std::string path = platform::osPathOrEmpty(strFullPathFileName);
    return control::toVBool(path.empty() || !platform::openExclusivelyForRandomAccess(path));
}

std::int32_t FileOperationMethods::IsFileInUseQ(const Text& sFile) {
    if (paths_.FileExistQ(sFile) == control::kFalse) {
        return control::FILE_DOESNT_EXIST;
    }
    return platform::openableAndUnlocked(platform::osPathOrEmpty(sFile)) ? control::FILE_FREE : control::FILE_IN_USE;
}

void FileOperationMethods::StartRunOpenFile(const Text& FileName, std::int32_t FormHWND) {
    static_cast<void>(FormHWND);  // the desktop places the application's window itself
    const Text verb = verbFor(FileName);
    if (FileName.empty() || paths_.FileExistQ(FileName) == control::kFalse) {
        return;
    }
    const platform::LaunchResult result =
        platform::launcher().open(platform::osPathOrEmpty(FileName), platform::toUtf8(verb), platform::libraryFolder());
    if (result == platform::LaunchResult::kNoApplication) {
        frame_.host().messageBox(u"Unknown Filetype.", control::box::kInformation | control::box::kOkOnly,
                                 Text(kDefaultTitle));
    }
}

Text FileOperationMethods::GetMyCurrentDirectory() {
    return paddedCurrentFolder(platform::fromUtf8(platform::currentFolder()));
}

VBool FileOperationMethods::SetMyCurrentDirectory(const Text& MyDir) {
    const std::string path = platform::osPathOrEmpty(MyDir);
    return control::toVBool(!path.empty() && platform::changeFolder(path) == 0);
}

VBool FileOperationMethods::DeleteFileOrFolderToBin(const Text& MyFile) {
    return removeEntry(frame_.host(), MyFile, Removal::kTrashAsking);
}

VBool FileOperationMethods::DeleteFileOrFolderSilentToBin(const Text& MyFile) {
    return removeEntry(frame_.host(), MyFile, Removal::kTrash);
}

VBool FileOperationMethods::DeleteFileOrFolderSilent(const Text& MyFile) {
    return removeEntry(frame_.host(), MyFile, Removal::kPermanent);
}

VBool FileOperationMethods::CreateMyDIR(const Text& MyDir) {
    return guarded(control::kFalse, [&] {
        const std::string path = platform::osPathOrEmpty(MyDir);
        return control::toVBool(paths_.FolderExists(MyDir) == control::kFalse && !path.empty() && platform::createFolder(path) == 0);
    });
}

VBool FileOperationMethods::MoveMyFileReplaceExisting(const Text& MyFile, Text& MoveToDir) {
    return move(paths_, MyFile, MoveToDir, true);
}

VBool FileOperationMethods::MoveMyFile(const Text& MyFile, Text& MoveToDir) { return move(paths_, MyFile, MoveToDir, false); }

VBool FileOperationMethods::CopyMyFile(const Text& MyFile, const Text& CopyToDir) {
    return guarded(control::kFalse, [&] {
        if (paths_.NamesNoFolder(CopyToDir)) {
            return control::kFalse;
        }
        const Text target = paths_.TrimNull(paths_.BackSlashNeeded(CopyToDir) + paths_.CutFilePath(MyFile));
        const std::string from = platform::osPathOrEmpty(MyFile);
        const std::string to = platform::osPathOrEmpty(target);
        return control::toVBool(!from.empty() && !to.empty() &&
                       platform::copyRegularFile(from, to, platform::ExistingTarget::kReplace) == 0);
    });
}

VBool FileOperationMethods::DestroyAllFilesInFolder(const Text& PathName) {
    const std::string path = platform::osPathOrEmpty(PathName);
    if (path.empty() || platform::changeFolder(path) != 0) {
        return control::kFalse;
    }
    if (frame_.host().messageBox(u"Select Yes to Permanently delete all files in: " + PathName,
                                 control::box::kYesNoCancel, u"Delete ALL Files?") != control::box::kYes) {
        return control::kFalse;
    }
    // The folder as it is now named, so that a relative PathName is not
    // taken a second time inside itself.
    const std::string folder = platform::currentFolder();
    const auto names = platform::fileNamesIn(".");
    if (!names || folder.empty()) {
        return control::kFalse;
    }
    // A file that cannot be destroyed is passed over; the answer says so.
    bool allDestroyed = true;
    for (const std::string& name : *names) {
        frame_.yieldToHost();
        allDestroyed = platform::destroyFile(folder == "/" ? "/" + name : folder + "/" + name) && allDestroyed;
    }
    return control::toVBool(allDestroyed);
}

VBool FileOperationMethods::DestroyFileQ(const Text& PathName) {
    const std::string path = platform::osPathOrEmpty(PathName);
    return control::toVBool(!path.empty() && platform::destroyFile(path));
}

Text FileOperationMethods::BrowseForFolderQ(std::int32_t hwndOwner, const Text& sPrompt) {
    try {
        return paths_.TrimNull(frame_.host().browseForFolder(hwndOwner, sPrompt));
    } catch (...) {
        frame_.host().messageBox(u"An error occured while using BrowseForFolderQ",
                                 control::box::kCritical | control::box::kOkOnly, u"BrowseForFolder Error");
        return {};
    }
}

double FileOperationMethods::GetDiskAvailSpace(const Text& sDrive) {
    return diskSpace(sDrive, &platform::DiskSpace::availableToUser);
}

double FileOperationMethods::GetDiskTotalSpace(const Text& sDrive) {
    return diskSpace(sDrive, &platform::DiskSpace::total);
}

double FileOperationMethods::GetDiskFreeSpace(const Text& sDrive) {
    return diskSpace(sDrive, &platform::DiskSpace::free);
}

}  // namespace korbit::services

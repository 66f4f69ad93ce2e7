// The file and folder operations of the control: create, move, copy, trash,
// delete and destroy; in-use tests; starting files with the desktop's
// applications; a few questions about the system.
#include <cerrno>
#include <string>

#include "korbit/control/korbit_control.h"
#include "korbit/control/type_library.h"
#include "korbit/platform/file_copy.h"
#include "korbit/platform/file_info.h"
#include "korbit/platform/file_operations.h"
#include "korbit/platform/launcher.h"
#include "korbit/platform/regular_file.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/platform/trash.h"
#include "korbit/services/file_operations.h"
#include "korbit/services/path_helpers.h"

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

// The path the system is asked about; empty when `text` names no path.
std::string osPath(const Text& text) { return platform::toOsPath(text).value_or(std::string()); }

void showDeleteError(control::Host& host, const Text& path, int error) {
    host.messageBox(u"Cannot delete " + path + u": " + platform::fromUtf8(platform::errorText(error)),
                    control::box::kCritical | control::box::kOkOnly, Text(kDeleteErrorTitle));
}

enum class Removal { kTrashAsking, kTrash, kPermanent };

// True only when the entry is gone because of this call: a missing entry,
// a declined question and a refused delete answer False, the last two after
// the box that says why.
VBool removeEntry(control::Host& host, const Text& MyFile, Removal how) {
    const std::string path = osPath(MyFile);
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

VBool move(const Text& MyFile, Text& MoveToDir, bool replace) {
    return guarded(control::kFalse, [&] {
        Text target = BackSlashNeeded(MoveToDir) + CutFilePath(MyFile);
        MoveToDir = target;
        const std::string from = osPath(MyFile);
        const std::string to = osPath(target);
        return control::toVBool(!from.empty() && !to.empty() && platform::moveEntry(from, to, replace) == 0);
    });
}

double diskSpace(const Text& sDrive, std::uint64_t platform::DiskSpace::*which) {
    Text drive = sDrive;
    if (drive.empty() || (drive.back() != u'/' && drive.back() != u'\\')) {
        drive += u'/';
    }
    const std::string path = osPath(drive);
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

}  // namespace korbit::services

namespace korbit::control {

using services::osPath;

void KorbitControl::FreezeControl(std::int32_t CtrlHWND, VBool FreezeMe) {
    host().freezeWindow(CtrlHWND, FreezeMe != kFalse);
}

VBool KorbitControl::IsProcedureAvailable(const Text& ProcedureName, const Text& DllFilename) {
    return toVBool(platform::libraryExports(osPath(DllFilename), osPath(ProcedureName)));
}

void KorbitControl::DisplayFileIcon(const Text& MyFile, std::int32_t PictureBoxHDC, VBool SelectedIcon,
                                    std::int32_t ICON32or16) {
    host().drawFileIcon(PictureBoxHDC, MyFile, SelectedIcon != kFalse, ICON32or16);
}

VBool KorbitControl::BrowserLaunch(const Text& WebSite) {
    return services::guarded(kFalse, [&] {
        const std::string target = osPath(WebSite);
        return toVBool(!target.empty() &&
                       platform::launcher().open(target, "open", "") == platform::LaunchResult::kStarted);
    });
}

VBool KorbitControl::CreateMyFile(const Text& MyFile) {
    return services::guarded(kFalse, [&] {
        const std::string path = osPath(MyFile);
        return toVBool(services::DoesFileExist(MyFile) == kFalse && !path.empty() &&
                       platform::createNewFile(path) == 0);
    });
}

Text KorbitControl::File2String(const Text& MyTxtFile) {
    return services::guarded(Text(), [&] {
        if (services::GetFileExt(MyTxtFile) != u"txt") {
            return Text();
        }
        const auto content = platform::readRegularFile(osPath(MyTxtFile));
        return content ? platform::fromUtf8(*content) : Text();
    });
}

Text KorbitControl::GetThreadUserName() { return platform::fromUtf8(platform::userName()); }

Text KorbitControl::GetLocalComputerName() { return platform::fromUtf8(platform::computerName()); }

VBool KorbitControl::IsFileOpen(const Text& strFullPathFileName) {
    const std::string path = osPath(strFullPathFileName);
    return toVBool(path.empty() || !platform::openExclusivelyForRandomAccess(path));
}

std::int32_t KorbitControl::IsFileInUseQ(const Text& sFile) {
    if (services::FileExistQ(sFile) == kFalse) {
        return FILE_DOESNT_EXIST;
    }
    return platform::openableAndUnlocked(osPath(sFile)) ? FILE_FREE : FILE_IN_USE;
}

void KorbitControl::StartRunOpenFile(const Text& FileName, std::int32_t FormHWND) {
    static_cast<void>(FormHWND);  // the desktop places the application's window itself
    const Text verb = services::verbFor(FileName);
    if (FileName.empty() || services::FileExistQ(FileName) == kFalse) {
        return;
    }
    const platform::LaunchResult result =
        platform::launcher().open(osPath(FileName), platform::toUtf8(verb), platform::libraryFolder());
    if (result == platform::LaunchResult::kNoApplication) {
        host().messageBox(u"Unknown Filetype.", box::kInformation | box::kOkOnly, Text(services::kDefaultTitle));
    }
}

Text KorbitControl::GetMyCurrentDirectory() {
    return services::paddedCurrentFolder(platform::fromUtf8(platform::currentFolder()));
}

VBool KorbitControl::SetMyCurrentDirectory(const Text& MyDir) {
    const std::string path = osPath(MyDir);
    return toVBool(!path.empty() && platform::changeFolder(path) == 0);
}

VBool KorbitControl::DeleteFileOrFolderToBin(const Text& MyFile) {
    return services::removeEntry(host(), MyFile, services::Removal::kTrashAsking);
}

VBool KorbitControl::DeleteFileOrFolderSilentToBin(const Text& MyFile) {
    return services::removeEntry(host(), MyFile, services::Removal::kTrash);
}

VBool KorbitControl::DeleteFileOrFolderSilent(const Text& MyFile) {
    return services::removeEntry(host(), MyFile, services::Removal::kPermanent);
}

VBool KorbitControl::CreateMyDIR(const Text& MyDir) {
    return services::guarded(kFalse, [&] {
        const std::string path = osPath(MyDir);
        return toVBool(services::FolderExists(MyDir) == kFalse && !path.empty() && platform::createFolder(path) == 0);
    });
}

VBool KorbitControl::MoveMyFileReplaceExisting(const Text& MyFile, Text& MoveToDir) {
    return services::move(MyFile, MoveToDir, true);
}

VBool KorbitControl::MoveMyFile(const Text& MyFile, Text& MoveToDir) { return services::move(MyFile, MoveToDir, false); }

VBool KorbitControl::CopyMyFile(const Text& MyFile, const Text& CopyToDir) {
    return services::guarded(kFalse, [&] {
        const Text target = services::TrimNull(services::BackSlashNeeded(CopyToDir) + services::CutFilePath(MyFile));
        const std::string from = osPath(MyFile);
        const std::string to = osPath(target);
        return toVBool(!from.empty() && !to.empty() &&
                       platform::copyRegularFile(from, to, platform::ExistingTarget::kReplace) == 0);
    });
}

VBool KorbitControl::DestroyAllFilesInFolder(const Text& PathName) {
    const std::string path = osPath(PathName);
    if (path.empty() || platform::changeFolder(path) != 0) {
        return kFalse;
    }
    if (host().messageBox(u"Select Yes to Permanently delete all files in: " + PathName, box::kYesNoCancel,
                          u"Delete ALL Files?") != box::kYes) {
        return kFalse;
    }
    // The folder as it is now named, so that a relative PathName is not
    // taken a second time inside itself.
    const std::string folder = platform::currentFolder();
    const auto names = platform::fileNamesIn(".");
    if (!names || folder.empty()) {
        return kFalse;
    }
    // A file that cannot be destroyed is passed over; the answer says so.
    bool allDestroyed = true;
    for (const std::string& name : *names) {
        host().pumpEvents();
        allDestroyed = platform::destroyFile(folder == "/" ? "/" + name : folder + "/" + name) && allDestroyed;
    }
    return toVBool(allDestroyed);
}

VBool KorbitControl::DestroyFileQ(const Text& PathName) {
    const std::string path = osPath(PathName);
    return toVBool(!path.empty() && platform::destroyFile(path));
}

Text KorbitControl::BrowseForFolderQ(std::int32_t hwndOwner, const Text& sPrompt) {
    try {
        return services::TrimNull(host().browseForFolder(hwndOwner, sPrompt));
    } catch (...) {
        host().messageBox(u"An error occured while using BrowseForFolderQ", box::kCritical | box::kOkOnly,
                          u"BrowseForFolder Error");
        return {};
    }
}

double KorbitControl::GetDiskAvailSpace(const Text& sDrive) {
    return services::diskSpace(sDrive, &platform::DiskSpace::availableToUser);
}

double KorbitControl::GetDiskTotalSpace(const Text& sDrive) {
    return services::diskSpace(sDrive, &platform::DiskSpace::total);
}

double KorbitControl::GetDiskFreeSpace(const Text& sDrive) {
    return services::diskSpace(sDrive, &platform::DiskSpace::free);
}

}  // namespace korbit::control

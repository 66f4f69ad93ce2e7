// The path and file-name helpers as methods of the control.
#include "korbit/services/path_methods.h"

#include "korbit/services/path_helpers.h"

namespace korbit::services {

Text PathMethods::ExtractLastFolderInDir(const Text& MyDir) { return services::ExtractLastFolderInDir(MyDir); }
Text PathMethods::CompactDirectoryString(const Text& MyDir) { return services::CompactDirectoryString(MyDir); }
Text PathMethods::GetFileType(const Text& MyFile) { return services::GetFileType(MyFile); }
Text PathMethods::GetFileName(const Text& MyFile) { return services::GetFileName(MyFile); }
VBool PathMethods::DoesFileExist(const Text& strFile) { return services::DoesFileExist(strFile); }
Text PathMethods::GetDriveLetter(const Text& MyFile) { return services::GetDriveLetter(MyFile); }
VBool PathMethods::IsDriveWritable(const Text& MyFile) { return services::IsDriveWritable(MyFile); }
Text PathMethods::GetFileExt(const Text& MyFile) { return services::GetFileExt(MyFile); }
Text PathMethods::CutFileExt(const Text& MyFile) { return services::CutFileExt(MyFile); }
Text PathMethods::GetMyFileSize(const Text& MyFile) { return services::GetMyFileSize(MyFile); }
double PathMethods::GetMyFileSizeBytes(const Text& MyFile) { return services::GetMyFileSizeBytes(MyFile); }
Text PathMethods::SetBytes(std::int32_t mBytes) { return services::SetBytes(mBytes); }
VBool PathMethods::FileExistQ(const Text& sSource) { return services::FileExistQ(sSource); }
Text PathMethods::GetFilePath(const Text& MyFile) { return services::GetFilePath(MyFile); }
VBool PathMethods::FolderExists(const Text& sFolder) { return services::FolderExists(sFolder); }
Text PathMethods::CutFilePath(const Text& MyFile) { return services::CutFilePath(MyFile); }
Text PathMethods::BackSlashNeeded(const Text& sPath) { return services::BackSlashNeeded(sPath); }
Text PathMethods::TrimNull(const Text& startstr) { return services::TrimNull(startstr); }

Text PathMethods::GetSpecialFolderA(std::int32_t eSpecialFolder) {
    bool boxDue = false;
    Text folder = services::GetSpecialFolderA(eSpecialFolder, boxDue);
    if (boxDue) {
        frame_.host().messageBox(Text(kSpecialFolderMessage), control::box::kOkOnly, u"Korbit");
    }
    return folder;
}

Text PathMethods::ApplicationDataFolderMade() { return services::ApplicationDataFolderMade(); }

}  // namespace korbit::services

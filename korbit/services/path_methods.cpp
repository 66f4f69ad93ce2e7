// The path and file-name helpers as methods of the control, and their
// bindings into its interface.
#include "korbit/control/bindings.h"
#include "korbit/control/korbit_control.h"
#include "korbit/services/path_helpers.h"

namespace korbit::control {

Text KorbitControl::ExtractLastFolderInDir(const Text& MyDir) { return services::ExtractLastFolderInDir(MyDir); }
Text KorbitControl::CompactDirectoryString(const Text& MyDir) { return services::CompactDirectoryString(MyDir); }
Text KorbitControl::GetFileType(const Text& MyFile) { return services::GetFileType(MyFile); }
Text KorbitControl::GetFileName(const Text& MyFile) { return services::GetFileName(MyFile); }
VBool KorbitControl::DoesFileExist(const Text& strFile) { return services::DoesFileExist(strFile); }
Text KorbitControl::GetDriveLetter(const Text& MyFile) { return services::GetDriveLetter(MyFile); }
VBool KorbitControl::IsDriveWritable(const Text& MyFile) { return services::IsDriveWritable(MyFile); }
Text KorbitControl::GetFileExt(const Text& MyFile) { return services::GetFileExt(MyFile); }
Text KorbitControl::CutFileExt(const Text& MyFile) { return services::CutFileExt(MyFile); }
Text KorbitControl::GetMyFileSize(const Text& MyFile) { return services::GetMyFileSize(MyFile); }
double KorbitControl::GetMyFileSizeBytes(const Text& MyFile) { return services::GetMyFileSizeBytes(MyFile); }
Text KorbitControl::SetBytes(std::int32_t mBytes) { return services::SetBytes(mBytes); }
VBool KorbitControl::FileExistQ(const Text& sSource) { return services::FileExistQ(sSource); }
Text KorbitControl::GetFilePath(const Text& MyFile) { return services::GetFilePath(MyFile); }
VBool KorbitControl::FolderExists(const Text& sFolder) { return services::FolderExists(sFolder); }
Text KorbitControl::CutFilePath(const Text& MyFile) { return services::CutFilePath(MyFile); }
Text KorbitControl::BackSlashNeeded(const Text& sPath) { return services::BackSlashNeeded(sPath); }
Text KorbitControl::TrimNull(const Text& startstr) { return services::TrimNull(startstr); }

Text KorbitControl::GetSpecialFolderA(std::int32_t eSpecialFolder) {
    bool boxDue = false;
    Text folder = services::GetSpecialFolderA(eSpecialFolder, boxDue);
    if (boxDue) {
        host().messageBox(Text(services::kSpecialFolderMessage), box::kOkOnly, u"Korbit");
    }
    return folder;
}

}  // namespace korbit::control

namespace korbit::services {

namespace {

using control::DispatchObject;
using control::KorbitControl;
using control::Text;
using control::Value;

// Adapters from a typed method to a late-bound handler.
template <Text (KorbitControl::*M)(const Text&)>
Value textOfText(DispatchObject& self, std::span<Value> args) {
    return (controlOf(self).*M)(args[0].get<Text>());
}

template <control::VBool (KorbitControl::*M)(const Text&)>
Value boolOfText(DispatchObject& self, std::span<Value> args) {
    return control::Boolean{(controlOf(self).*M)(args[0].get<Text>())};
}

Value fileSizeBytes(DispatchObject& self, std::span<Value> args) {
    return controlOf(self).GetMyFileSizeBytes(args[0].get<Text>());
}

Value setBytes(DispatchObject& self, std::span<Value> args) {
    return controlOf(self).SetBytes(args[0].get<std::int32_t>());
}

Value specialFolder(DispatchObject& self, std::span<Value> args) {
    return controlOf(self).GetSpecialFolderA(args[0].get<std::int32_t>());
}

}  // namespace

void bindPathMethods(control::InterfaceInfo& info) {
    info.bind("ExtractLastFolderInDir", &textOfText<&KorbitControl::ExtractLastFolderInDir>);
    info.bind("CompactDirectoryString", &textOfText<&KorbitControl::CompactDirectoryString>);
    info.bind("GetFileType", &textOfText<&KorbitControl::GetFileType>);
    info.bind("GetFileName", &textOfText<&KorbitControl::GetFileName>);
    info.bind("DoesFileExist", &boolOfText<&KorbitControl::DoesFileExist>);
    info.bind("GetDriveLetter", &textOfText<&KorbitControl::GetDriveLetter>);
    info.bind("IsDriveWritable", &boolOfText<&KorbitControl::IsDriveWritable>);
    info.bind("GetFileExt", &textOfText<&KorbitControl::GetFileExt>);
    info.bind("CutFileExt", &textOfText<&KorbitControl::CutFileExt>);
    info.bind("GetMyFileSize", &textOfText<&KorbitControl::GetMyFileSize>);
    info.bind("GetMyFileSizeBytes", &fileSizeBytes);
    info.bind("SetBytes", &setBytes);
    info.bind("GetSpecialFolderA", &specialFolder);
    info.bind("FileExistQ", &boolOfText<&KorbitControl::FileExistQ>);
    info.bind("GetFilePath", &textOfText<&KorbitControl::GetFilePath>);
    info.bind("FolderExists", &boolOfText<&KorbitControl::FolderExists>);
    info.bind("CutFilePath", &textOfText<&KorbitControl::CutFilePath>);
    info.bind("BackSlashNeeded", &textOfText<&KorbitControl::BackSlashNeeded>);
    info.bind("TrimNull", &textOfText<&KorbitControl::TrimNull>);
}

}  // namespace korbit::services

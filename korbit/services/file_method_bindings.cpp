// The bindings of the file and folder operations and of the file time and
// attribute methods into the control's interface.
#include "korbit/control/bindings.h"
#include "korbit/control/korbit_control.h"

namespace korbit::services {

namespace {

using control::Boolean;
using control::Date;
using control::DispatchObject;
using control::KorbitControl;
using control::Text;
using control::Value;
using control::VBool;
using Args = std::span<Value>;

const Text& text(const Value& v) { return v.get<Text>(); }
std::int32_t int32(const Value& v) { return v.get<std::int32_t>(); }
VBool vbool(const Value& v) { return v.get<Boolean>().value; }
Date date(const Value& v) { return v.get<Date>(); }

template <VBool (KorbitControl::*M)(const Text&)>
Value boolOfText(DispatchObject& self, Args a) {
    return Boolean{(controlOf(self).*M)(text(a[0]))};
}

template <Text (KorbitControl::*M)()>
Value textOfNothing(DispatchObject& self, Args) {
    return (controlOf(self).*M)();
}

template <double (KorbitControl::*M)(const Text&)>
Value doubleOfText(DispatchObject& self, Args a) {
    return (controlOf(self).*M)(text(a[0]));
}

template <VBool (KorbitControl::*M)(const Text&, Text&)>
Value boolRewritingSecond(DispatchObject& self, Args a) {
    Text second = text(a[1]);
    const VBool result = (controlOf(self).*M)(text(a[0]), second);
    a[1] = std::move(second);
    return Boolean{result};
}

template <std::int32_t (KorbitControl::*M)(const Text&, const Text&)>
Value compare(DispatchObject& self, Args a) {
    return (controlOf(self).*M)(text(a[0]), text(a[1]));
}

template <VBool (KorbitControl::*M)(const Text&, Date, VBool)>
Value setStamp(DispatchObject& self, Args a) {
    return Boolean{(controlOf(self).*M)(text(a[0]), date(a[1]), vbool(a[2]))};
}

}  // namespace

void bindFileOperationMethods(control::InterfaceInfo& info) {
    info.bind("FreezeControl", +[](DispatchObject& self, Args a) -> Value {
        controlOf(self).FreezeControl(int32(a[0]), vbool(a[1]));
        return {};
    });
    info.bind("IsProcedureAvailable", +[](DispatchObject& self, Args a) -> Value {
        return Boolean{controlOf(self).IsProcedureAvailable(text(a[0]), text(a[1]))};
    });
    info.bind("DisplayFileIcon", +[](DispatchObject& self, Args a) -> Value {
        controlOf(self).DisplayFileIcon(text(a[0]), int32(a[1]), vbool(a[2]), int32(a[3]));
        return {};
    });
    info.bind("BrowserLaunch", &boolOfText<&KorbitControl::BrowserLaunch>);
    info.bind("CreateMyFile", &boolOfText<&KorbitControl::CreateMyFile>);
    info.bind("File2String", +[](DispatchObject& self, Args a) -> Value {
        return controlOf(self).File2String(text(a[0]));
    });
    info.bind("GetThreadUserName", &textOfNothing<&KorbitControl::GetThreadUserName>);
    info.bind("GetLocalComputerName", &textOfNothing<&KorbitControl::GetLocalComputerName>);
    info.bind("IsFileOpen", &boolOfText<&KorbitControl::IsFileOpen>);
    info.bind("IsFileInUseQ", +[](DispatchObject& self, Args a) -> Value {
        return controlOf(self).IsFileInUseQ(text(a[0]));
    });
    info.bind("StartRunOpenFile", +[](DispatchObject& self, Args a) -> Value {
        controlOf(self).StartRunOpenFile(text(a[0]), int32(a[1]));
        return {};
    });
    info.bind("GetMyCurrentDirectory", &textOfNothing<&KorbitControl::GetMyCurrentDirectory>);
    info.bind("SetMyCurrentDirectory", &boolOfText<&KorbitControl::SetMyCurrentDirectory>);
    info.bind("DeleteFileOrFolderToBin", &boolOfText<&KorbitControl::DeleteFileOrFolderToBin>);
    info.bind("DeleteFileOrFolderSilentToBin", &boolOfText<&KorbitControl::DeleteFileOrFolderSilentToBin>);
    info.bind("DeleteFileOrFolderSilent", &boolOfText<&KorbitControl::DeleteFileOrFolderSilent>);
    info.bind("CreateMyDIR", &boolOfText<&KorbitControl::CreateMyDIR>);
    info.bind("MoveMyFileReplaceExisting", &boolRewritingSecond<&KorbitControl::MoveMyFileReplaceExisting>);
    info.bind("MoveMyFile", &boolRewritingSecond<&KorbitControl::MoveMyFile>);
    info.bind("CopyMyFile", +[](DispatchObject& self, Args a) -> Value {
        return Boolean{controlOf(self).CopyMyFile(text(a[0]), text(a[1]))};
    });
    info.bind("DestroyAllFilesInFolder", &boolOfText<&KorbitControl::DestroyAllFilesInFolder>);
    info.bind("DestroyFileQ", &boolOfText<&KorbitControl::DestroyFileQ>);
    info.bind("BrowseForFolderQ", +[](DispatchObject& self, Args a) -> Value {
        return controlOf(self).BrowseForFolderQ(int32(a[0]), text(a[1]));
    });
    info.bind("GetDiskAvailSpace", &doubleOfText<&KorbitControl::GetDiskAvailSpace>);
    info.bind("GetDiskTotalSpace", &doubleOfText<&KorbitControl::GetDiskTotalSpace>);
    info.bind("GetDiskFreeSpace", &doubleOfText<&KorbitControl::GetDiskFreeSpace>);
}

void bindFileTimeMethods(control::InterfaceInfo& info) {
    info.bind("GetMyFileAttributes", +[](DispatchObject& self, Args a) -> Value {
        return Boolean{controlOf(self).GetMyFileAttributes(text(a[0]), int32(a[1]))};
    });
    info.bind("GetFolderCreatedDate", +[](DispatchObject& self, Args a) -> Value {
        Text readable = text(a[1]);
        const double result = controlOf(self).GetFolderCreatedDate(text(a[0]), readable);
        a[1] = std::move(readable);
        return result;
    });
    info.bind("FileCompareCreatedDates", &compare<&KorbitControl::FileCompareCreatedDates>);
    info.bind("FileCompareAccessDates", &compare<&KorbitControl::FileCompareAccessDates>);
    info.bind("FileCompareModDates", &compare<&KorbitControl::FileCompareModDates>);
    info.bind("SetFileCreatedDate", &setStamp<&KorbitControl::SetFileCreatedDate>);
    info.bind("SetFileAccessedDate", &setStamp<&KorbitControl::SetFileAccessedDate>);
    info.bind("SetFileModifiedDate", &setStamp<&KorbitControl::SetFileModifiedDate>);
    info.bind("SetFileTimes", +[](DispatchObject& self, Args a) -> Value {
        return Boolean{controlOf(self).SetFileTimes(text(a[0]), date(a[1]), date(a[2]), date(a[3]), vbool(a[4]))};
    });
    info.bind("GetFileTimes", +[](DispatchObject& self, Args a) -> Value {
        Date created = date(a[1]);
        Date accessed = date(a[2]);
        Date modified = date(a[3]);
        const VBool result = controlOf(self).GetFileTimes(text(a[0]), created, accessed, modified, vbool(a[4]));
        a[1] = created;
        a[2] = accessed;
        a[3] = modified;
        return Boolean{result};
    });

    info.annotate("SetFileCreatedDate", "Always False: Linux keeps a file's creation (birth) time itself and "
                                        "offers no way to set it.");
    info.annotate("SetFileTimes", "Sets the accessed and modified times; True when both were set. The creation "
                                  "(birth) time cannot be set on Linux: creation_date is checked, then left unused.");
    info.annotate("GetFileTimes", "creation_date is the birth time where the file system keeps one, otherwise the "
                                  "earlier of the last change of the file's status and its last modification.");
}

}  // namespace korbit::services

#include "korbit/services/path_helpers.h"

#include <array>
#include <optional>
#include <utility>

#include "korbit/control/values/automation_error.h"
#include "korbit/platform/drives.h"
#include "korbit/platform/file_info.h"
#include "korbit/platform/file_search.h"
#include "korbit/platform/numeric_locale.h"
#include "korbit/platform/known_folders.h"
#include "korbit/platform/text_case.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::services {

namespace {

using platform::UserFolder;

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;
constexpr std::int16_t toBoolean(bool value) { return value ? kTrue : kFalse; }

constexpr std::u16string_view kSeparators = u"/\\";
constexpr std::size_t kNone = std::u16string::npos;

bool isSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

void requireScannable(const std::u16string& text) {
    if (text.size() > kMaxScannedLength) {
        throw control::AutomationError::overflow();
    }
}

// The last "." of the file name, the part after the last separator.
std::size_t extensionDot(const std::u16string& path) {
    const std::size_t dot = path.rfind(u'.');
    const std::size_t separator = path.find_last_of(kSeparators);
    if (dot == kNone || (separator != kNone && dot < separator)) {
        return kNone;
    }
    return dot;
}

bool startsWithDriveLetter(const std::u16string& path) {
    if (path.size() < 2 || path[1] != u':') {
        return false;
    }
    const char16_t letter = path[0];
    return (letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z');
}

std::u16string trimBlanks(const std::u16string& text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == kNone) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// The root folder "/" keeps its only separator.
std::u16string cutTrailingBackSlash(std::u16string path) {
    if (path.size() > 1 && isSeparator(path.back())) {
        path.pop_back();
    }
    return path;
}

std::u16string formatByteCount(std::int64_t bytes) {
    constexpr std::int64_t kKilo = 1024;
    constexpr std::int64_t kMega = kKilo * 1024;
    constexpr std::int64_t kGiga = kMega * 1024;
    if (bytes < kKilo) {
        const std::string digits = std::to_string(bytes);
        return std::u16string(digits.begin(), digits.end()) + u" Bytes";
    }
    const auto [divisor, unit] = bytes >= kGiga   ? std::pair{kGiga, u" GB"}
                                 : bytes >= kMega ? std::pair{kMega, u" MB"}
                                                  : std::pair{kKilo, u" KB"};
    // Exact "#0.00": two decimals, halves rounded up, no grouping.
    const std::int64_t hundredths =
        bytes / divisor * 100 + (bytes % divisor * 100 + divisor / 2) / divisor;
    const std::string whole = std::to_string(hundredths / 100);
    const std::int64_t fraction = hundredths % 100;
    const std::array<char16_t, 2> decimals = {static_cast<char16_t>(u'0' + fraction / 10),
                                              static_cast<char16_t>(u'0' + fraction % 10)};
    return std::u16string(whole.begin(), whole.end()) + platform::decimalMark() +
           std::u16string(decimals.begin(), decimals.end()) + unit;
}

struct FolderMapping {
    std::int32_t id;
    UserFolder folder;
};

// mceIDLPaths values and the folders that serve their purpose here. Ids not
// listed (recycle bin, favourites, cookies, history, send-to, system and
// Windows folders) have no counterpart.
constexpr std::array<FolderMapping, 22> kSpecialFolders = {{
    {2, UserFolder::Applications},      // CSIDL_PROGRAMS
    {5, UserFolder::Documents},         // CSIDL_PERSONAL
    {7, UserFolder::Autostart},         // CSIDL_STARTUP
    {8, UserFolder::Data},              // CSIDL_RECENT: holds recently-used.xbel
    {11, UserFolder::Applications},     // CSIDL_STARTMENU
    {16, UserFolder::Desktop},          // CSIDL_DESKTOPDIRECTORY
    {20, UserFolder::Fonts},            // CSIDL_FONTS
    {21, UserFolder::Templates},        // CSIDL_TEMPLATES
    {22, UserFolder::Applications},     // CSIDL_COMMON_STARTMENU
    {23, UserFolder::Applications},     // CSIDL_COMMON_PROGRAMS
    {24, UserFolder::Autostart},        // CSIDL_COMMON_STARTUP
    {25, UserFolder::Desktop},          // CSIDL_COMMON_DESKTOPDIRECTORY
    {26, UserFolder::Config},           // CSIDL_APPDATA
    {28, UserFolder::Data},             // CSIDL_LOCAL_APPDATA
    {29, UserFolder::Autostart},        // CSIDL_ALTSTARTUP
    {30, UserFolder::Autostart},        // CSIDL_COMMON_ALTSTARTUP
    {32, UserFolder::Cache},            // CSIDL_INTERNET_CACHE
    {35, UserFolder::SystemConfig},     // CSIDL_COMMON_APPDATA
    {38, UserFolder::Programs},         // CSIDL_PROGRAM_FILES
    {43, UserFolder::SharedLibraries},  // CSIDL_PROGRAM_FILES_COMMON
    {45, UserFolder::Templates},        // CSIDL_COMMON_TEMPLATES
    {46, UserFolder::Documents},        // CSIDL_COMMON_DOCUMENTS
}};

}  // namespace

std::u16string GetDriveLetter(const std::u16string& MyFile) {
    if (!MyFile.empty() && MyFile.front() == u'/') {
        if (const auto path = platform::toOsPath(MyFile)) {
            if (const auto mountPoint = platform::mountPointOf(*path, platform::currentMounts())) {
                return platform::fromUtf8(*mountPoint);
            }
        }
        return u"/";
    }
    return MyFile.substr(0, 2);
}

std::u16string GetFileExt(const std::u16string& MyFile) {
    requireScannable(MyFile);
    const std::size_t dot = extensionDot(MyFile);
    if (dot == kNone) {
        return {};
    }
    return platform::toLowerCase(TrimNull(MyFile.substr(dot + 1)));
}

std::u16string CutFileExt(const std::u16string& MyFile) {
    requireScannable(MyFile);
    return MyFile.substr(0, extensionDot(MyFile));
}

std::u16string GetFilePath(const std::u16string& MyFile) {
    requireScannable(MyFile);
    const std::size_t separator = MyFile.find_last_of(kSeparators);
    if (separator == kNone || (separator == 0 && MyFile[0] == u'\\')) {
        return {};
    }
    return MyFile.substr(0, separator + 1);
}

std::u16string CutFilePath(const std::u16string& MyFile) {
    requireScannable(MyFile);
    const std::size_t separator = MyFile.find_last_of(kSeparators);
    return separator == kNone ? MyFile : MyFile.substr(separator + 1);
}

std::u16string BackSlashNeeded(const std::u16string& sPath) {
    if (!sPath.empty() && isSeparator(sPath.back())) {
        return sPath;
    }
    return sPath + u"/";
}

std::u16string TrimNull(const std::u16string& startstr) { return startstr.substr(0, startstr.find(u'\0')); }

std::u16string ExtractLastFolderInDir(const std::u16string& MyDir) {
    std::u16string folder = MyDir;
    if (!folder.empty() && isSeparator(folder.back())) {
        folder.pop_back();
    }
    const std::size_t separator = folder.find_last_of(kSeparators);
    return separator == kNone ? std::u16string{} : folder.substr(separator);
}

std::u16string CompactDirectoryString(const std::u16string& MyDir) {
    const std::u16string last = ExtractLastFolderInDir(MyDir);
    return last.empty() ? MyDir : u"....." + last;
}

std::int16_t FileExistQ(const std::u16string& sSource) {
    const auto path = platform::toOsPath(sSource);
    return toBoolean(path && platform::findFirst(*path));
}

std::int16_t DoesFileExist(const std::u16string& strFile) {
    const auto path = platform::toOsPath(strFile);
    return toBoolean(path && platform::fileLength(*path).has_value());
}

std::int16_t FolderExists(const std::u16string& sFolder) {
    const std::u16string folder = cutTrailingBackSlash(trimBlanks(sFolder));
    const auto path = platform::toOsPath(folder);
    return toBoolean(path && platform::isFolder(*path));
}

std::int16_t IsDriveWritable(const std::u16string& MyFile) {
    if (startsWithDriveLetter(MyFile)) {
        return kFalse;
    }
    const auto path = platform::toOsPath(MyFile);
    return toBoolean(path && platform::isOnWritableDrive(*path, platform::currentMounts()));
}

std::u16string GetSpecialFolderA(std::int32_t eSpecialFolder, bool& messageBoxDue) {
    messageBoxDue = false;
    for (const FolderMapping& mapping : kSpecialFolders) {
        if (mapping.id != eSpecialFolder) {
            continue;
        }
        const platform::FolderLocation location = platform::locateUserFolder(mapping.folder, false);
        switch (location.state) {
            case platform::FolderState::Present:
                return BackSlashNeeded(platform::fromUtf8(location.path));
            case platform::FolderState::Missing:
                return {};
            case platform::FolderState::Unknown:
                messageBoxDue = true;
                return {};
        }
    }
    return {};
}

std::u16string ApplicationDataFolderMade() {
    const platform::FolderLocation location = platform::locateUserFolder(UserFolder::Config, true);
    return location.state == platform::FolderState::Present ? BackSlashNeeded(platform::fromUtf8(location.path))
                                                            : std::u16string{};
}

std::u16string GetFileType(const std::u16string& MyFile) {
    try {
        const auto path = platform::toOsPath(MyFile);
        if (!path) {
            return u"File Type Error";
        }
        return platform::typeDescription(*path).value_or(std::u16string{});
    } catch (...) {
        return u"File Type Error";
    }
}

std::u16string GetFileName(const std::u16string& MyFile) {
    try {
        const auto path = platform::toOsPath(MyFile);
        if (!path) {
            return u"File Name Error";
        }
        return platform::displayName(*path).value_or(std::u16string{});
    } catch (...) {
        return u"File Name Error";
    }
}

double GetMyFileSizeBytes(const std::u16string& MyFile) {
    const auto path = platform::toOsPath(MyFile);
    const auto size = path ? platform::readableFileSize(*path) : std::nullopt;
    return size ? static_cast<double>(*size) : -1.0;
}

std::u16string GetMyFileSize(const std::u16string& MyFile) {
    const auto path = platform::toOsPath(MyFile);
    const auto size = path ? platform::readableFileSize(*path) : std::nullopt;
    return formatByteCount(size ? static_cast<std::int64_t>(*size) : -1);
}

std::u16string SetBytes(std::int32_t mBytes) { return formatByteCount(mBytes); }

}  // namespace korbit::services

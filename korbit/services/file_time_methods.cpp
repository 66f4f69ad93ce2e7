#include "korbit/services/file_time_methods.h"

#include <optional>
#include <string>

#include "korbit/control/values/automation_date.h"
#include "korbit/platform/file_info.h"
#include "korbit/platform/file_times.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/file_times.h"

namespace korbit::services {

namespace {

using control::AutomationError;
using control::Date;
using control::Text;
using control::VBool;

// The Unix seconds (UTC) of `date`, read as local time when `local` is set;
// throws invalid procedure call for a date no time stamp can hold.
std::int64_t stampOf(Date date, VBool local) {
    auto seconds = unixSecondsOf(date);
    if (seconds && local != control::kFalse) {
        seconds = platform::localToUtc(*seconds);
    }
    if (!seconds) {
        throw AutomationError::invalidProcedureCall();
    }
    return *seconds;
}

std::optional<Date> dateOfStamp(std::int64_t utc, bool local) {
    const auto seconds = local ? platform::utcToLocal(utc) : std::optional<std::int64_t>(utc);
    if (!seconds) {
        return std::nullopt;
    }
    return dateOfUnixSeconds(*seconds);
}

enum class Stamp { kCreated, kAccessed, kModified };

// SetFileAccessedDate and SetFileModifiedDate: True when the stamp was set.
VBool setOneStamp(const Text& file, Date date, VBool local, Stamp which) {
    try {
        const std::int64_t seconds = stampOf(date, local);
        const std::string path = platform::osPathOrEmpty(file);
        const auto only = [&](Stamp s) { return s == which ? std::optional<std::int64_t>(seconds) : std::nullopt; };
        return control::toVBool(!path.empty() &&
                                platform::writeFileStamps(path, only(Stamp::kAccessed), only(Stamp::kModified)));
    } catch (...) {
        return control::kFalse;
    }
}

std::int32_t compareStamps(FileTimeMethods& self, const Text& source, const Text& target, Stamp which) {
    Date dates[2][3] = {};
    Text names[2] = {source, target};
    for (int i = 0; i < 2; ++i) {
        self.GetFileTimes(names[i], dates[i][0], dates[i][1], dates[i][2], control::kTrue);
    }
    const auto index = static_cast<std::size_t>(which);
    return compareDates(dates[0][index], dates[1][index]);
}

}  // namespace

VBool FileTimeMethods::GetMyFileAttributes(const Text& MyFile, std::int32_t MyAttr) {
    const auto attributes = platform::fileAttributes(platform::osPathOrEmpty(MyFile));
    if (!attributes) {
        return control::kFalse;
    }
    return control::toVBool((*attributes & static_cast<std::uint32_t>(MyAttr)) != 0);
}

double FileTimeMethods::GetFolderCreatedDate(const Text& MyFolder, Text& HumanReadableDate) {
    const std::string path = platform::osPathOrEmpty(MyFolder);
    const auto stamps = path.empty() || !platform::isFolder(path) ? std::nullopt : platform::readFileStamps(path);
    const auto date = stamps ? dateOfStamp(stamps->created, true) : std::nullopt;
    const auto civil = date ? control::toCivil(*date) : std::nullopt;
    if (!civil) {
        HumanReadableDate.clear();
        return 0.0;
    }
    HumanReadableDate =
        platform::generalDateText(civil->year, civil->month, civil->day, civil->hour, civil->minute, civil->second);
    return date->days;
}

std::int32_t FileTimeMethods::FileCompareCreatedDates(const Text& Source_File, const Text& Target_File) {
    return compareStamps(*this, Source_File, Target_File, Stamp::kCreated);
}

std::int32_t FileTimeMethods::FileCompareAccessDates(const Text& Source_File, const Text& Target_File) {
    return compareStamps(*this, Source_File, Target_File, Stamp::kAccessed);
}

std::int32_t FileTimeMethods::FileCompareModDates(const Text& Source_File, const Text& Target_File) {
    return compareStamps(*this, Source_File, Target_File, Stamp::kModified);
}

VBool FileTimeMethods::SetFileCreatedDate(const Text&, Date, VBool) {
    return control::kFalse;  // the system keeps the birth time itself and offers no way to set it
}

VBool FileTimeMethods::SetFileAccessedDate(const Text& file_name, Date accessed_date, VBool local_times) {
    return setOneStamp(file_name, accessed_date, local_times, Stamp::kAccessed);
}

VBool FileTimeMethods::SetFileModifiedDate(const Text& file_name, Date modified_date, VBool local_times) {
    return setOneStamp(file_name, modified_date, local_times, Stamp::kModified);
}

VBool FileTimeMethods::SetFileTimes(const Text& file_name, Date creation_date, Date access_date, Date modified_date,
                                    VBool local_times) {
    try {
        stampOf(creation_date, local_times);  // checked like the others, though it cannot be set
        const std::int64_t accessed = stampOf(access_date, local_times);
        const std::int64_t modified = stampOf(modified_date, local_times);
        const std::string path = platform::osPathOrEmpty(file_name);
        return control::toVBool(!path.empty() && platform::writeFileStamps(path, accessed, modified));
    } catch (...) {
        return control::kFalse;
    }
}

VBool FileTimeMethods::GetFileTimes(const Text& file_name, Date& creation_date, Date& access_date, Date& modified_date,
                                    VBool local_time) {
    const std::string path = platform::osPathOrEmpty(file_name);
    const auto stamps = path.empty() ? std::nullopt : platform::readFileStamps(path);
    if (!stamps) {
        return control::kFalse;
    }
    const bool local = local_time != control::kFalse;
    const auto created = dateOfStamp(stamps->created, local);
    const auto accessed = dateOfStamp(stamps->accessed, local);
    const auto modified = dateOfStamp(stamps->modified, local);
    if (!created || !accessed || !modified) {
        return control::kFalse;
    }
    creation_date = *created;
    access_date = *accessed;
    modified_date = *modified;
    return control::kTrue;
}

}  // namespace korbit::services

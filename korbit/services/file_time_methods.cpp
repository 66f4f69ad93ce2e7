// The file time and attribute methods of the control: read, set and compare
// the created, accessed and modified stamps, a folder's creation date, and
// the attribute word.
#include <optional>
#include <string>

#include "korbit/control/automation_date.h"
#include "korbit/control/korbit_control.h"
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

std::string osPath(const Text& text) { return platform::toOsPath(text).value_or(std::string()); }

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
        const std::string path = osPath(file);
        const auto only = [&](Stamp s) { return s == which ? std::optional<std::int64_t>(seconds) : std::nullopt; };
        return control::toVBool(!path.empty() &&
                                platform::writeFileStamps(path, only(Stamp::kAccessed), only(Stamp::kModified)));
    } catch (...) {
        return control::kFalse;
    }
}

std::int32_t compareStamps(control::KorbitControl& self, const Text& source, const Text& target, Stamp which) {
    Date dates[2][3] = {};
    Text names[2] = {source, target};
    for (int i = 0; i < 2; ++i) {
        self.GetFileTimes(names[i], dates[i][0], dates[i][1], dates[i][2], control::kTrue);
    }
    const auto index = static_cast<std::size_t>(which);
    return compareDates(dates[0][index], dates[1][index]);
}

}  // namespace

}  // namespace korbit::services

namespace korbit::control {

VBool KorbitControl::GetMyFileAttributes(const Text& MyFile, std::int32_t MyAttr) {
    const auto attributes = platform::fileAttributes(services::osPath(MyFile));
    if (!attributes) {
        return kFalse;
    }
    return toVBool((*attributes & static_cast<std::uint32_t>(MyAttr)) != 0);
}

double KorbitControl::GetFolderCreatedDate(const Text& MyFolder, Text& HumanReadableDate) {
    const std::string path = services::osPath(MyFolder);
    const auto stamps = path.empty() || !platform::isFolder(path) ? std::nullopt : platform::readFileStamps(path);
    const auto date = stamps ? services::dateOfStamp(stamps->created, true) : std::nullopt;
    const auto civil = date ? toCivil(*date) : std::nullopt;
    if (!civil) {
        HumanReadableDate.clear();
        return 0.0;
    }
    HumanReadableDate =
        platform::generalDateText(civil->year, civil->month, civil->day, civil->hour, civil->minute, civil->second);
    return date->days;
}

std::int32_t KorbitControl::FileCompareCreatedDates(const Text& Source_File, const Text& Target_File) {
    return services::compareStamps(*this, Source_File, Target_File, services::Stamp::kCreated);
}

std::int32_t KorbitControl::FileCompareAccessDates(const Text& Source_File, const Text& Target_File) {
    return services::compareStamps(*this, Source_File, Target_File, services::Stamp::kAccessed);
}

std::int32_t KorbitControl::FileCompareModDates(const Text& Source_File, const Text& Target_File) {
    return services::compareStamps(*this, Source_File, Target_File, services::Stamp::kModified);
}

VBool KorbitControl::SetFileCreatedDate(const Text&, Date, VBool) {
    return kFalse;  // the system keeps the birth time itself and offers no way to set it
}

VBool KorbitControl::SetFileAccessedDate(const Text& file_name, Date accessed_date, VBool local_times) {
    return services::setOneStamp(file_name, accessed_date, local_times, services::Stamp::kAccessed);
}

VBool KorbitControl::SetFileModifiedDate(const Text& file_name, Date modified_date, VBool local_times) {
    return services::setOneStamp(file_name, modified_date, local_times, services::Stamp::kModified);
}

VBool KorbitControl::SetFileTimes(const Text& file_name, Date creation_date, Date access_date, Date modified_date,
                                  VBool local_times) {
    try {
        services::stampOf(creation_date, local_times);  // checked like the others, though it cannot be set
        const std::int64_t accessed = services::stampOf(access_date, local_times);
        const std::int64_t modified = services::stampOf(modified_date, local_times);
        const std::string path = services::osPath(file_name);
        return toVBool(!path.empty() && platform::writeFileStamps(path, accessed, modified));
    } catch (...) {
        return kFalse;
    }
}

VBool KorbitControl::GetFileTimes(const Text& file_name, Date& creation_date, Date& access_date, Date& modified_date,
                                  VBool local_time) {
    const std::string path = services::osPath(file_name);
    const auto stamps = path.empty() ? std::nullopt : platform::readFileStamps(path);
    if (!stamps) {
        return kFalse;
    }
    const bool local = local_time != kFalse;
    const auto created = services::dateOfStamp(stamps->created, local);
    const auto accessed = services::dateOfStamp(stamps->accessed, local);
    const auto modified = services::dateOfStamp(stamps->modified, local);
    if (!created || !accessed || !modified) {
        return kFalse;
    }
    creation_date = *created;
    access_date = *accessed;
    modified_date = *modified;
    return kTrue;
}

}  // namespace korbit::control

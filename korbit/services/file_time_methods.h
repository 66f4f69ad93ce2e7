// The file time and attribute methods of the control: read, set and compare
// the created, accessed and modified stamps, a folder's creation date, and
// the attribute word.
#pragma once

#include <cstdint>

#include "korbit/control/values/value.h"
#include "korbit/services/families.h"

namespace korbit::services {

class FileTimeMethods {
public:
    VBool GetMyFileAttributes(const Text& MyFile, std::int32_t MyAttr);
    double GetFolderCreatedDate(const Text& MyFolder, Text& HumanReadableDate);
    std::int32_t FileCompareCreatedDates(const Text& Source_File, const Text& Target_File);
    std::int32_t FileCompareAccessDates(const Text& Source_File, const Text& Target_File);
    std::int32_t FileCompareModDates(const Text& Source_File, const Text& Target_File);
    VBool SetFileCreatedDate(const Text& file_name, Date created_date, VBool local_times);  // always False: a
                                                                                          // birth time can't be set
    VBool SetFileAccessedDate(const Text& file_name, Date accessed_date, VBool local_times);
    VBool SetFileModifiedDate(const Text& file_name, Date modified_date, VBool local_times);
    // Sets the accessed and modified stamps (the birth time cannot be set
    // here; creation_date must still be a date a stamp can hold). True when
    // both were set; False for a missing or read-only file.
    VBool SetFileTimes(const Text& file_name, Date creation_date, Date access_date, Date modified_date,
                       VBool local_times = control::kFalse);
    VBool GetFileTimes(const Text& file_name, Date& creation_date, Date& access_date, Date& modified_date,
                       VBool local_time = control::kTrue);
};

}  // namespace korbit::services

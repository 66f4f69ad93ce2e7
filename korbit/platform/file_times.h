// A file's time stamps and attribute word, and local time by the system's
// time-zone database. Times are whole seconds since 1970-01-01 00:00 UTC
// ("Unix seconds"), rounded down; local times are the same count read as the
// local wall clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace korbit::platform {

struct FileStamps {
    std::int64_t created = 0;   // the birth time; where the file system keeps none, the earlier of the
                                // last status change and the last modification
    std::int64_t accessed = 0;
    std::int64_t modified = 0;
    bool birthTimeKnown = false;
};

// The stamps of the entry at `path` (links followed); nothing when it cannot be asked.
std::optional<FileStamps> readFileStamps(const std::string& path);

// Sets the stamps given (whole seconds) and leaves the other; true when they
// were set. False, nothing changed, when there is no such entry or it has no
// write permission bit (a read-only file). The birth time has no setter on
// this system: it is the moment the file was made, kept by the file system.
bool writeFileStamps(const std::string& path, std::optional<std::int64_t> accessed,
                     std::optional<std::int64_t> modified);

// UTC to the local wall clock at that moment, and back (for a wall-clock time
// that occurs twice, the first; for one skipped by a change, shifted by the
// change). Nothing outside the range the system can convert.
std::optional<std::int64_t> utcToLocal(std::int64_t utc);
std::optional<std::int64_t> localToUtc(std::int64_t local);

// A local date and time in the user's general form: short date, long time.
std::u16string generalDateText(int year, int month, int day, int hour, int minute, int second);

// The attribute word of `path` (links followed): read-only 1 when no write
// permission bit is set, hidden 2 for a name starting with ".", directory 16,
// archive 32 for a regular file, normal 128 when no other bit is set.
// Nothing when there is no such entry.
std::optional<std::uint32_t> fileAttributes(const std::string& path);

}  // namespace korbit::platform

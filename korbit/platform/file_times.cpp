#include "korbit/platform/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <ctime>

namespace korbit::platform {

namespace {

std::int64_t secondsOf(const struct statx_timestamp& stamp) { return stamp.tv_sec; }

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// The last part of `path`, trailing separators ignored.
std::string lastName(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The long time format without a time-zone part.
QString timeFormatWithoutZone(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        }
        if (!quoted && c == u't') {
            continue;
        }
        out += c;
    }
    return out.trimmed();
}

}  // namespace

std::optional<FileStamps> readFileStamps(const std::string& path) {
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &info) != 0) {
        return std::nullopt;
    }
    FileStamps stamps;
    stamps.accessed = secondsOf(info.stx_atime);
    stamps.modified = secondsOf(info.stx_mtime);
    stamps.birthTimeKnown = (info.stx_mask & STATX_BTIME) != 0;
    stamps.created = stamps.birthTimeKnown ? secondsOf(info.stx_btime)
                                           : std::min(secondsOf(info.stx_ctime), stamps.modified);
    return stamps;
}

bool writeFileStamps(const std::string& path, std::optional<std::int64_t> accessed,
                     std::optional<std::int64_t> modified) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || (info.st_mode & kAnyWrite) == 0) {
        return false;
    }
    const auto stamp = [](std::optional<std::int64_t> seconds) {
        struct timespec t {};
        t.tv_sec = seconds ? *seconds : 0;
        t.tv_nsec = seconds ? 0 : UTIME_OMIT;
        return t;
    };
    const struct timespec times[2] = {stamp(accessed), stamp(modified)};
    return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

std::optional<std::int64_t> utcToLocal(std::int64_t utc) {
    const time_t t = utc;
    struct tm fields {};
    if (::localtime_r(&t, &fields) == nullptr) {
        return std::nullopt;
    }
    return ::timegm(&fields);
}

std::optional<std::int64_t> localToUtc(std::int64_t local) {
    const time_t t = local;
    struct tm fields {};
    if (::gmtime_r(&t, &fields) == nullptr) {
        return std::nullopt;
    }
    fields.tm_isdst = -1;
    const time_t utc = ::mktime(&fields);
    if (utc == -1 && fields.tm_year != 69) {
        return std::nullopt;
    }
    return utc;
}

std::u16string generalDateText(int year, int month, int day, int hour, int minute, int second) {
    const QLocale locale = QLocale::system();
    const QString text = locale.toString(QDate(year, month, day), QLocale::ShortFormat) + u' ' +
                         locale.toString(QTime(hour, minute, second), timeFormatWithoutZone(locale));
    return text.toStdU16String();
}

std::optional<std::uint32_t> fileAttributes(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    std::uint32_t word = 0;
    if ((info.st_mode & kAnyWrite) == 0) {
        word |= 1;
    }
    const std::string name = lastName(path);
    if (name.size() > 1 && name.front() == '.' && name != "..") {
        word |= 2;
    }
    if (S_ISDIR(info.st_mode)) {
        word |= 16;
    } else if (S_ISREG(info.st_mode)) {
        word |= 32;
    }
    return word == 0 ? 128U : word;
}

}  // namespace korbit::platform

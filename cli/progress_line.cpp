#include "cli/progress_line.h"

#include <sys/ioctl.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QtGlobal>

#include "cli/translation.h"

namespace korbit::cli {

namespace {

// The characters of UTF-8 text, each as its bytes (a byte that starts no
// character counts as one).
std::vector<std::string_view> charactersOf(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0U) == 0x80U && n < 4) {
            ++n;
        }
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

__attribute__((format(printf, 1, 2))) std::string printed(const char* format, ...) {
    char text[128];
    va_list values;
    va_start(values, format);
    std::vsnprintf(text, sizeof text, format, values);
    va_end(values);
    return text;
}

std::string sizeText(std::uint64_t bytes) {
    const double b = static_cast<double>(bytes);
    return b < 1e6 ? printed("%.0f kB", b / 1e3) : b < 1e9 ? printed("%.1f MB", b / 1e6) : printed("%.2f GB", b / 1e9);
}

}  // namespace

std::string shortenMiddle(std::string_view text, std::size_t width) {
    const std::vector<std::string_view> characters = charactersOf(text);
    if (characters.size() <= width) {
        return std::string(text);
    }
    if (width <= 3) {
        return std::string(width, '.');
    }
    const std::size_t tail = (width - 3) / 2;
    const std::size_t head = width - 3 - tail;
    std::string out;
    for (std::size_t i = 0; i < head; ++i) {
        out += characters[i];
    }
    out += "...";
    for (std::size_t i = characters.size() - tail; i < characters.size(); ++i) {
        out += characters[i];
    }
    return out;
}

std::string progressLine(const Progress& progress, int columns) {
    const std::size_t room = columns > 1 ? static_cast<std::size_t>(columns - 1) : 0;
    const std::string amount =
        progress.percent ? printed("%3d%%", *progress.percent) : sizeText(progress.bytesDone);
    std::string rate = printed("  %.1f MB/s", progress.bytesPerSecond / 1e6);
    if (progress.secondsLeft) {
        const long left = static_cast<long>(*progress.secondsLeft);
        rate += "  " + translated(QT_TRANSLATE_NOOP("korbit", "%1 left"), {printed("%ld:%02ld", left / 60, left % 60)});
    }
    constexpr std::size_t kLongestBar = 30;
    constexpr std::size_t kShortestBar = 10;
    constexpr std::size_t kShortestName = 12;
    const std::size_t nameLength = charactersOf(progress.name).size();
    std::size_t fixed = amount.size() + 1;
    // The speed goes last: with it, the bar goes too.
    const bool roomForRate = fixed + charactersOf(rate).size() + std::min(nameLength, kShortestName) <= room;
    if (!roomForRate) {
        rate.clear();
    }
    fixed += charactersOf(rate).size();
    const std::size_t available = room > fixed ? room - fixed : 0;
    std::size_t bar = 0;
    if (progress.percent && roomForRate) {
        if (available >= nameLength + 3 + kShortestBar) {
            bar = std::min(kLongestBar, available - nameLength - 3);
        } else if (available >= kShortestName + 3 + kShortestBar) {
            bar = kShortestBar;
        }
    }
    fixed += bar > 0 ? bar + 3 : 0;
    std::string line = shortenMiddle(progress.name, room > fixed ? room - fixed : 0);
    if (bar > 0) {
        const std::size_t filled = static_cast<std::size_t>(std::clamp(*progress.percent, 0, 100)) * bar / 100;
        line += " [" + std::string(filled, '#') + std::string(bar - filled, ' ') + "]";
    }
    line += " " + amount + rate;
    return line;
}

int terminalColumns(int fd) {
    winsize size{};
    if (::ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    if (const char* columns = std::getenv("COLUMNS")) {
        const int n = std::atoi(columns);
        if (n > 0) {
            return n;
        }
    }
    return 80;
}

}  // namespace korbit::cli

// The one progress line of a run on standard error, redrawn in place: it
// fits the terminal's width, so that it never wraps onto a second line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korbit::cli {

// What the line tells.
struct Progress {
    std::string_view name;           // the file, UTF-8
    std::optional<int> percent;      // empty when the size is not known (a pipe)
    std::uint64_t bytesDone = 0;     // shown when the percentage is not known
    double bytesPerSecond = 0;
    std::optional<double> secondsLeft;
};

// The line's text, without "\r" or erasing: at most `columns` - 1
// characters (the last column is left free, where some terminals wrap).
// What gives way first is the bar, then the middle of the name ("/home/me/
// ...ort.pdf"), then the speed and time left; the percentage stays.
std::string progressLine(const Progress& progress, int columns);

// `text` (UTF-8) in at most `width` characters, its middle replaced by
// "..." when it is longer.
std::string shortenMiddle(std::string_view text, std::size_t width);

// The width of the terminal on `fd`; $COLUMNS or 80 when it does not say.
int terminalColumns(int fd);

}  // namespace korbit::cli

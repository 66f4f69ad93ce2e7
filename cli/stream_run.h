// `korbit encrypt|decrypt -o OUT` and the pipes: the container (or the plain
// file) made from one file or standard input and written to another file or
// standard output, the original kept. A file is written as every file is
// replaced (a temporary file beside it, renamed over it when complete, a
// link at its name replaced rather than followed); a run that fails or is
// interrupted removes the temporary file and leaves OUT as it was.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

#include "korbit/platform/descriptor.h"

namespace korbit::cli {

inline constexpr const char* kStandardStream = "-";

class StreamRun {
public:
    // Opens `input` (a file, or "-": standard input) and looks at the place
    // of `output` (a file, or "-": standard output) before a password is
    // asked for. Empty, with the refusal in `error` (a full message line
    // without "korbit: "), when the run cannot succeed: the input cannot be
    // read, is a folder, is too large or already what the run makes; OUT
    // exists and `force` is not given, or is a folder, or its folder cannot
    // be opened.
    static std::optional<StreamRun> prepare(bool encrypting, std::string input, std::string output, bool force,
                                            std::string& error);

    bool fromStandardInput() const noexcept { return input_ == kStandardStream; }
    bool toStandardOutput() const noexcept { return output_ == kStandardStream; }
    const std::string& input() const noexcept { return input_; }

    // Encrypts or decrypts; `extension` is the input file's (the control's
    // GetFileExt), unused for standard input, whose container stores ".".
    // Tells the outcome on standard error; draws the progress line there
    // when `bar`. Returns the exit status: 0, 1, or interruptedStatus().
    int run(const std::u16string& password, const std::u16string& extension, bool bar, bool quiet);

private:
    StreamRun() = default;

    bool encrypting_ = false;
    bool force_ = false;
    std::string input_;
    std::string output_;
    platform::Descriptor in_{-1};  // a file; standard input stays open
    std::optional<std::uint64_t> inputBytes_;  // known for a regular file
    std::int16_t attributes_ = 0;
    platform::Descriptor folder_{-1};  // OUT's folder
    std::string folderPath_;
    std::string outName_;
    mode_t outMode_ = 0;
};

}  // namespace korbit::cli

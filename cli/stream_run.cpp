#include "cli/stream_run.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>

#include <QtGlobal>

#include "cli/interrupt.h"
#include "cli/progress_line.h"
#include "cli/translation.h"
#include "korbit/control/values/type_library.h"
#include "korbit/engine/container_stream.h"
#include "korbit/platform/atomic_file.h"
#include "korbit/platform/secure_random.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::cli {

namespace {

using engine::ErrorCode;
using engine::Status;

Status interrupted() { return Status{ErrorCode::Cancelled, "The operation was cancelled."}; }

// A file descriptor as the engine's source, counting what it read; a signal
// ends a blocked read as a cancel.
class DescriptorSource final : public engine::ByteSource {
public:
    explicit DescriptorSource(int fd) : fd_(fd) {}
    engine::Result<std::size_t> read(std::span<std::uint8_t> buffer) override {
        for (;;) {
            if (interruptSignal() != 0) {
                return interrupted();
            }
            const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
            if (interruptSignal() != 0) {
                return interrupted();  // the end of a pipe whose writer Ctrl-C ended too is no end of the data
            }
            if (n >= 0) {
                bytes_ += static_cast<std::uint64_t>(n);
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) {
                return Status{ErrorCode::ReadFailed, std::string("Cannot read: ") + std::strerror(errno), errno};
            }
        }
    }
    std::uint64_t bytes() const noexcept { return bytes_; }

private:
    int fd_;
    std::uint64_t bytes_ = 0;
};

class StandardOutputSink final : public engine::ByteSink {
public:
    Status write(std::span<const std::uint8_t> bytes) override {
        while (!bytes.empty()) {
            const ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR && interruptSignal() == 0) {
                continue;
            }
            if (n < 0) {
                return errno == EINTR ? interrupted()
                                      : Status{ErrorCode::WriteFailed,
                                               std::string("Cannot write to standard output: ") + std::strerror(errno),
                                               errno};
            }
            bytes = bytes.subspan(static_cast<std::size_t>(n));
        }
        return Status::ok();
    }
};

class ReplacementSink final : public engine::ByteSink {
public:
    explicit ReplacementSink(platform::Replacement& file) : file_(file) {}
    Status write(std::span<const std::uint8_t> bytes) override {
        const Status written = file_.write(bytes);
        return written ? written : Status(ErrorCode::WriteFailed, written.message(), written.systemError());
    }

private:
    platform::Replacement& file_;
};

std::string shown(const std::string& name, bool standardInput) {
    return standardInput ? translated(QT_TRANSLATE_NOOP("korbit", "standard input")) : platform::displayUtf8(name);
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::optional<StreamRun> StreamRun::prepare(bool encrypting, std::string input, std::string output, bool force,
                                            std::string& error) {
    StreamRun run;
    run.encrypting_ = encrypting;
    run.force_ = force;
    run.input_ = std::move(input);
    run.output_ = std::move(output);
    const std::string in = platform::displayUtf8(run.input_);
    if (struct stat st {}; run.fromStandardInput() && ::fstat(STDIN_FILENO, &st) == 0 && S_ISREG(st.st_mode)) {
        // A file given with "<": what is left of it from where it stands.
        const off_t at = ::lseek(STDIN_FILENO, 0, SEEK_CUR);
        run.inputBytes_ = static_cast<std::uint64_t>(st.st_size - std::min<off_t>(std::max<off_t>(at, 0), st.st_size));
    }
    if (!run.fromStandardInput()) {
        run.in_ = platform::Descriptor(::open(run.input_.c_str(), O_RDONLY | O_CLOEXEC));
        if (!run.in_.valid()) {
            error = platform::systemFailure(errno, in).message();
            return std::nullopt;
        }
        struct stat st {};
        if (::fstat(run.in_.get(), &st) != 0) {
            error = platform::systemFailure(errno, in).message();
            return std::nullopt;
        }
        if (S_ISDIR(st.st_mode)) {
            error = encrypting
                        ? translated(QT_TRANSLATE_NOOP("korbit", "%1 is a folder: only files can be encrypted."), {in})
                        : translated(QT_TRANSLATE_NOOP("korbit", "%1 is a folder: only files can be decrypted."), {in});
            return std::nullopt;
        }
        if (S_ISREG(st.st_mode)) {
            run.inputBytes_ = static_cast<std::uint64_t>(st.st_size);
            std::uint8_t magic[4] = {};
            const ssize_t got = ::pread(run.in_.get(), magic, sizeof magic, 0);
            if (engine::hasContainerMagic(std::span(magic, got > 0 ? static_cast<std::size_t>(got) : 0)) ==
                encrypting) {
                error =
                    encrypting
                        ? translated(QT_TRANSLATE_NOOP("korbit", "%1: encrypted already; use 'korbit decrypt'"), {in})
                        : translated(QT_TRANSLATE_NOOP("korbit", "%1: not encrypted; use 'korbit encrypt'"), {in});
                return std::nullopt;
            }
            // The attribute word of the in-place routine: archive, read-only
            // without any write permission, hidden for a dot name.
            std::int32_t word = control::eFILE_ATTRIBUTE_ARCHIVE;
            if ((st.st_mode & 0222U) == 0) {
                word |= control::eFILE_ATTRIBUTE_READONLY;
            }
            if (std::filesystem::path(run.input_).filename().string().starts_with('.')) {
                word |= control::eFILE_ATTRIBUTE_HIDDEN;
            }
            run.attributes_ = static_cast<std::int16_t>(word);
        }
    }
    if (encrypting && run.inputBytes_ && *run.inputBytes_ > engine::kMaxFileBytes) {
        error = translated(QT_TRANSLATE_NOOP("korbit", "%1: This file is too large to encrypt: 64 GB at most."),
                           {shown(run.input_, run.fromStandardInput())});
        return std::nullopt;
    }
    if (run.toStandardOutput()) {
        return run;
    }
    const std::filesystem::path out(run.output_);
    const std::string outShown = platform::displayUtf8(run.output_);
    run.outName_ = out.filename().string();
    run.folderPath_ = out.has_parent_path() ? out.parent_path().string() : ".";
    if (run.outName_.empty() || run.outName_ == "." || run.outName_ == "..") {
        error =
            translated(QT_TRANSLATE_NOOP("korbit", "%1 is a folder: give the name of a file to write."), {outShown});
        return std::nullopt;
    }
    run.folder_ = platform::Descriptor(::open(run.folderPath_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!run.folder_.valid()) {
        error = platform::systemFailure(errno, platform::displayUtf8(run.folderPath_)).message();
        return std::nullopt;
    }
    run.outMode_ = newFileMode();
    struct stat st {};
    if (::fstatat(run.folder_.get(), run.outName_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(st.st_mode)) {
            error = translated(QT_TRANSLATE_NOOP("korbit", "%1 is a folder: give the name of a file to write."),
                               {outShown});
            return std::nullopt;
        }
        if (!force) {
            error = translated(QT_TRANSLATE_NOOP("korbit", "%1 exists: give --force to replace it."), {outShown});
            return std::nullopt;
        }
        if (S_ISREG(st.st_mode)) {
            run.outMode_ = st.st_mode & 0777U;  // a file replaced keeps its permission bits
        }
    }
    return run;
}

int StreamRun::run(const std::u16string& password, const std::u16string& extension, bool bar, bool quiet) {
    const std::string in = shown(input_, fromStandardInput());
    const std::string out = toStandardOutput() ? translated(QT_TRANSLATE_NOOP("korbit", "standard output"))
                                               : platform::displayUtf8(output_);
    std::optional<platform::Replacement> file;
    if (!toStandardOutput()) {
        engine::Result<platform::Replacement> made =
            platform::Replacement::create(folder_.get(), folderPath_, outName_);
        if (!made) {
            std::cerr << "korbit: " << platform::displayUtf8(made.status().message()) << '\n';
            return 1;
        }
        file.emplace(std::move(made.value()));
    }
    StandardOutputSink standardOutput;
    std::optional<ReplacementSink> replacementSink;
    if (file) {
        replacementSink.emplace(*file);
    }
    engine::ByteSink& sink = replacementSink ? static_cast<engine::ByteSink&>(*replacementSink) : standardOutput;
    DescriptorSource source(fromStandardInput() ? STDIN_FILENO : in_.get());

    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    auto lastDrawn = started;
    bool drawn = false;
    engine::TransformOptions options;
    options.expectedBytes = inputBytes_;
    options.eachChunk = [&](engine::ChunkSteps& chunk) {
        if (interruptSignal() != 0) {
            return false;
        }
        chunk.transformRest();
        const auto now = Clock::now();
        if (bar && now - lastDrawn >= std::chrono::milliseconds(100)) {
            lastDrawn = now;
            const double seconds = std::chrono::duration<double>(now - started).count();
            Progress progress;
            progress.name = in;
            progress.bytesDone = source.bytes();
            progress.bytesPerSecond = seconds > 0 ? static_cast<double>(source.bytes()) / seconds : 0;
            if (inputBytes_ && *inputBytes_ > 0) {
                progress.percent = static_cast<int>(std::min<std::uint64_t>(100, source.bytes() * 100 / *inputBytes_));
                if (progress.bytesPerSecond > 0) {
                    progress.secondsLeft =
                        static_cast<double>(*inputBytes_ - std::min(*inputBytes_, source.bytes())) /
                        progress.bytesPerSecond;
                }
            }
            std::cerr << '\r' << progressLine(progress, terminalColumns(STDERR_FILENO)) << "\033[K" << std::flush;
            drawn = true;
        }
        return true;
    };

    Status outcome;
    if (encrypting_) {
        engine::ContainerHeader header;
        header.PlainExtension =
            fromStandardInput() ? engine::makePlainExtension(u"") : engine::storedPlainExtension(extension);
        header.PlainAttributes = fromStandardInput() ? 0 : attributes_;
        // A stream of unknown length gets a seed that suits the longest one.
        header.Seed = engine::NewSeed(inputBytes_ ? engine::blocksOf(*inputBytes_) : engine::kMaxBlocks,
                                      platform::randomWord);
        outcome = engine::writeContainer(source, sink, header, password, options);
    } else {
        engine::Result<engine::ContainerHeader> read = engine::readContainer(source, sink, password, options);
        outcome = read ? Status::ok() : read.status();
    }
    if (outcome && interruptSignal() != 0) {
        outcome = interrupted();
    }
    if (outcome && file) {
        outcome = file->commit(outMode_, {},
                               force_ ? platform::ExistingTarget::kReplace : platform::ExistingTarget::kKeep);
        if (!outcome && outcome.code() == ErrorCode::Exists) {
            outcome = Status{ErrorCode::Exists,
                             translated(QT_TRANSLATE_NOOP("korbit", "%1 exists: give --force to replace it."), {out})};
        }
    }
    if (drawn) {
        std::cerr << "\r\033[K" << std::flush;
    }
    if (outcome) {
        if (!quiet) {
            std::cerr << "korbit: "
                      << (encrypting_ ? translated(QT_TRANSLATE_NOOP("korbit", "%1: encrypted to %2"), {in, out})
                                      : translated(QT_TRANSLATE_NOOP("korbit", "%1: decrypted to %2"), {in, out}))
                      << '\n';
        }
        return 0;
    }
    switch (outcome.code()) {
    case ErrorCode::Cancelled:
        std::cerr << "korbit: "
                  << (file ? translated(QT_TRANSLATE_NOOP("korbit", "%1: cancelled; %2 was not written"), {in, out})
                           : translated(QT_TRANSLATE_NOOP("korbit", "%1: cancelled; standard output is incomplete"),
                                        {in}))
                  << '\n';
        return interruptedStatus();
    case ErrorCode::WrongPassword:
        std::cerr << "korbit: Invalid Password!!!\n";
        return 1;
    case ErrorCode::NotAContainer:
        std::cerr << "korbit: "
                  << translated(QT_TRANSLATE_NOOP("korbit", "%1: not encrypted; use 'korbit encrypt'"), {in}) << '\n';
        return 1;
    default:
        std::cerr << "korbit: " << in << ": " << platform::displayUtf8(outcome.message()) << '\n';
        return 1;
    }
}

}  // namespace korbit::cli

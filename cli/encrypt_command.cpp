#include "cli/encrypt_command.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <optional>

#include <QtGlobal>

#include "cli/interrupt.h"
#include "cli/progress_line.h"
#include "cli/secret_input.h"
#include "cli/stream_run.h"
#include "cli/terminal_host.h"
#include "cli/translation.h"
#include "korbit/hosting/component_error.h"
#include "korbit/hosting/component_loader.h"
#include "korbit/hosting/dispatch_call.h"
#include "korbit/hosting/korbit_client.h"
#include "korbit/hosting/method_caller.h"
#include "korbit/hosting/password_rule.h"
#include "korbit/platform/rewrite_check.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::cli {

namespace {

using control::Text;
using control::Value;

// Where the password comes from.
enum class PasswordSource { kTerminal, kStandardInput, kFile, kDescriptor };

enum class Asked { kGiven, kEnded, kInterrupted };

// The controlling terminal, where a password is asked for even when standard
// input and output carry data.
class Terminal {
public:
    Terminal() : fd_(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}
    ~Terminal() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    bool available() const noexcept { return fd_ >= 0; }

    // Writes `prompt` and reads a line without showing it; a signal ends
    // the reading with the echo restored.
    Asked askHidden(std::string_view prompt, std::string& line) const {
        // The echo goes off before the prompt shows: what is typed after it
        // is never shown, and nothing typed is thrown away.
        termios saved{};
        const bool hide = ::tcgetattr(fd_, &saved) == 0;
        if (hide) {
            termios quiet = saved;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            ::tcsetattr(fd_, TCSAFLUSH, &quiet);
        }
        say(prompt);
        line.clear();
        Asked asked = Asked::kGiven;
        for (;;) {
            if (interruptSignal() != 0) {
                asked = Asked::kInterrupted;
                break;
            }
            char c = 0;
            const ssize_t n = ::read(fd_, &c, 1);
            if (n < 0 && errno == EINTR && interruptSignal() == 0) {
                continue;
            }
            if (n < 0 && errno == EINTR) {
                asked = Asked::kInterrupted;
                break;
            }
            if (n <= 0) {
                asked = line.empty() ? Asked::kEnded : Asked::kGiven;
                break;
            }
            if (c == '\n') {
                break;
            }
            line += c;
        }
        if (hide) {
            ::tcsetattr(fd_, TCSANOW, &saved);
        }
        say("\n");
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return asked;
    }

    void say(std::string_view text) const {
        while (!text.empty()) {
            const ssize_t n = ::write(fd_, text.data(), text.size());
            if (n <= 0 && errno != EINTR) {
                return;
            }
            text.remove_prefix(n > 0 ? static_cast<std::size_t>(n) : 0);
        }
    }

private:
    int fd_;
};

constexpr int kTries = 3;

// The hosts' password texts, as korbit says them in its user's language.
constexpr const char* kTooShort = QT_TRANSLATE_NOOP("korbit", "Passwords must be 6 or more characters!");
constexpr const char* kTooLong = QT_TRANSLATE_NOOP("korbit", "Passwords must be 26 or fewer characters!");
constexpr const char* kBeyondLatin1 = QT_TRANSLATE_NOOP(
    "korbit",
    "This password holds characters beyond U+00FF. Only the lowest 8 bits of each character enter the key, "
    "so each such character counts the same as 255 others: \"фффффф\" and "
    "\"DDDDDD\" are the same password.");
static_assert(std::string_view(kTooShort) == hosting::kPasswordTooShort);
static_assert(std::string_view(kTooLong) == hosting::kPasswordTooLong);
static_assert(std::string_view(kBeyondLatin1) == hosting::kBeyondLatin1Warning);

std::string tooShort() {
    return translated(kTooShort);
}
std::string tooLong() {
    return translated(kTooLong);
}
std::string beyondLatin1() {
    return translated(kBeyondLatin1);
}

// The weak-password warning: the window's sentence, with the time in words.
std::string weakHint(std::u16string_view password) {
    const hosting::RoundedDuration d = hosting::roundDuration(hosting::estimateStrength(password).seconds);
    std::string time;
    switch (d.words) {
        case hosting::DurationWords::kLessThanASecond:
            time = translated(QT_TRANSLATE_NOOP("korbit", "less than a second"));
            break;
        case hosting::DurationWords::kSeconds:
            time = translatedCount(QT_TRANSLATE_N_NOOP("korbit", "about %n seconds"), d.count);
            break;
        case hosting::DurationWords::kMinutes:
            time = translatedCount(QT_TRANSLATE_N_NOOP("korbit", "about %n minutes"), d.count);
            break;
        case hosting::DurationWords::kHours:
            time = translatedCount(QT_TRANSLATE_N_NOOP("korbit", "about %n hours"), d.count);
            break;
        case hosting::DurationWords::kDays:
            time = translatedCount(QT_TRANSLATE_N_NOOP("korbit", "about %n days"), d.count);
            break;
        case hosting::DurationWords::kYears:
            time = translatedCount(QT_TRANSLATE_N_NOOP("korbit", "about %n years"), d.count);
            break;
        default:  // no weak password takes thousands of years
            return hosting::strengthHint(password);
    }
    return translated(QT_TRANSLATE_NOOP("korbit", "Weak: one graphics card could guess it in %1."), {time});
}

// The password asked at the terminal: a new one twice, with its strength
// told between the two, asked again (three tries in all) when it is too
// short or too long or the two differ.
std::optional<std::u16string> askAtTerminal(const Terminal& terminal, bool encrypting, int& status) {
    for (int attempt = 0; attempt < kTries; ++attempt) {
        std::string first;
        const Asked asked = terminal.askHidden(translated(QT_TRANSLATE_NOOP("korbit", "Password: ")), first);
        if (asked != Asked::kGiven) {
            status = asked == Asked::kInterrupted ? interruptedStatus() : 1;
            if (asked == Asked::kEnded) {
                std::cerr << "korbit: " << translated(QT_TRANSLATE_NOOP("korbit", "no password given")) << '\n';
            }
            return std::nullopt;
        }
        const Text password = platform::fromUtf8(first, platform::InvalidBytes::kReplace);
        const hosting::PasswordVerdict verdict = hosting::checkNewPassword(password);
        if (verdict == hosting::PasswordVerdict::kTooShort) {
            std::cerr << "korbit: " << tooShort() << '\n';
            continue;
        }
        if (!encrypting) {
            return password;
        }
        if (verdict == hosting::PasswordVerdict::kTooLong) {
            std::cerr << "korbit: " << tooLong() << '\n';
            continue;
        }
        if (hosting::estimateStrength(password).strength == hosting::Strength::kWeak) {
            std::cerr << "korbit: " << translated(QT_TRANSLATE_NOOP("korbit", "warning: %1"), {weakHint(password)})
                      << '\n';
        }
        std::string again;
        const Asked confirmed = terminal.askHidden(translated(QT_TRANSLATE_NOOP("korbit", "Password again: ")), again);
        if (confirmed == Asked::kInterrupted) {
            status = interruptedStatus();
            return std::nullopt;
        }
        if (confirmed == Asked::kGiven && again == first) {
            return password;
        }
        std::cerr << "korbit: " << translated(QT_TRANSLATE_NOOP("korbit", "the passwords do not match")) << '\n';
    }
    std::cerr << "korbit: "
              << translated(QT_TRANSLATE_NOOP("korbit", "no password after %1 tries; nothing was changed"),
                            {std::to_string(kTries)})
              << '\n';
    status = 1;
    return std::nullopt;
}

// The password read as one line from a file, standard input or a
// descriptor: one try.
std::optional<std::u16string> readGiven(int fd, const std::string& from, bool encrypting, int& status) {
    std::optional<std::string> line = SecretInput(fd).readLine(translated(QT_TRANSLATE_NOOP("korbit", "Password: ")));
    if (interruptSignal() != 0) {
        status = interruptedStatus();
        return std::nullopt;
    }
    if (!line) {
        std::cerr << "korbit: "
                  << translated(QT_TRANSLATE_NOOP("korbit", "no password given: %1 holds no line"), {from}) << '\n';
        status = 1;
        return std::nullopt;
    }
    const Text password = platform::fromUtf8(*line, platform::InvalidBytes::kReplace);
    const hosting::PasswordVerdict verdict = hosting::checkNewPassword(password);
    // Containers made here must open in Corvane, whose box takes 26
    // characters; a container made elsewhere may have a longer password.
    if (verdict == hosting::PasswordVerdict::kTooShort ||
        (encrypting && verdict == hosting::PasswordVerdict::kTooLong)) {
        std::cerr << "korbit: " << (verdict == hosting::PasswordVerdict::kTooShort ? tooShort() : tooLong()) << '\n';
        status = 1;
        return std::nullopt;
    }
    return password;
}

// The host of a run: boxes on standard error, Ctrl-C turned into CancelOps,
// a progress bar drawn at most every 100 ms.
class ProgressHost final : public control::Host {
public:
    ProgressHost(TerminalHost& boxes, bool bar, std::uint64_t bytes, std::string name)
        : boxes_(boxes), bar_(bar), bytes_(bytes), name_(std::move(name)), started_(Clock::now()) {}

    void attach(hosting::KorbitClient* control) { control_ = control; }

    std::int32_t messageBox(const Text& text, std::int32_t style, const Text& title) override {
        clearBar();
        return boxes_.messageBox(text, style, title);
    }
    bool inputPending() override { return false; }
    Text browseForFolder(std::int32_t o, const Text& p) override { return boxes_.browseForFolder(o, p); }
    bool freezeWindow(std::int32_t, bool) override { return false; }
    bool drawFileIcon(std::int32_t, const Text&, bool, std::int32_t) override { return false; }

    // Called by the control at its own pace during a run.
    void pumpEvents() override {
        if (control_ == nullptr) {
            return;
        }
        if (interruptSignal() != 0 && !cancelled_) {
            cancelled_ = true;
            control_->CancelOps();
        }
        const auto now = Clock::now();
        if (bar_ && now - lastDrawn_ >= std::chrono::milliseconds(100)) {
            lastDrawn_ = now;
            draw(control_->EncryptionProgressPercentage(), now);
        }
    }

    void clearBar() {
        if (drawn_) {
            std::cerr << "\r\033[K" << std::flush;
            drawn_ = false;
        }
    }

private:
    using Clock = std::chrono::steady_clock;

    void draw(std::int32_t percent, Clock::time_point now) {
        const double seconds = std::chrono::duration<double>(now - started_).count();
        const double done = static_cast<double>(bytes_) * percent / 100.0;
        Progress progress;
        progress.name = name_;
        progress.percent = percent;
        progress.bytesPerSecond = seconds > 0 ? done / seconds : 0;
        if (progress.bytesPerSecond > 0) {
            progress.secondsLeft = (static_cast<double>(bytes_) - done) / progress.bytesPerSecond;
        }
        std::cerr << '\r' << progressLine(progress, terminalColumns(STDERR_FILENO)) << "\033[K" << std::flush;
        drawn_ = true;
    }

    TerminalHost& boxes_;
    bool bar_;
    std::uint64_t bytes_;
    std::string name_;
    Clock::time_point started_;
    Clock::time_point lastDrawn_{};
    hosting::KorbitClient* control_ = nullptr;
    bool drawn_ = false;
    bool cancelled_ = false;
};

}  // namespace

namespace {

int usage(const std::string& message) {
    std::cerr << "korbit: " << message << '\n'
              << translated(QT_TRANSLATE_NOOP("korbit", "Try 'korbit --help'.")) << '\n';
    return 2;
}

}  // namespace

int runEncryptCommand(bool encrypting, std::vector<std::string> words) {
    const std::string command = encrypting ? "encrypt" : "decrypt";
    std::optional<PasswordSource> source;
    std::string passwordFile;
    int passwordFd = -1;
    bool quiet = false;
    bool force = false;
    std::optional<std::string> output;
    std::optional<std::int32_t> answer;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        const bool takesValue = w == "--answer" || w == "-o" || w == "--output" || w == "--password-file" ||
                                w == "--password-fd";
        if (takesValue && i + 1 == words.size()) {
            return usage(
                w == "--answer"
                    ? translated(QT_TRANSLATE_NOOP("korbit", "--answer needs a value: ok, yes, no or cancel"))
                : w == "--password-file"
                    ? translated(QT_TRANSLATE_NOOP("korbit", "--password-file needs the name of a file"))
                : w == "--password-fd"
                    ? translated(
                          QT_TRANSLATE_NOOP("korbit", "--password-fd needs the number of an open file descriptor"))
                    : translated(QT_TRANSLATE_NOOP("korbit", "%1 needs a file to write, or - for standard output"),
                                 {w}));
        }
        const bool passwordOption = w == "--password-stdin" || w == "--password-file" || w == "--password-fd";
        if (passwordOption && source) {
            return usage(translated(
                QT_TRANSLATE_NOOP("korbit", "give one of --password-stdin, --password-file and --password-fd")));
        }
        if (w == "--password-stdin") {
            source = PasswordSource::kStandardInput;
        } else if (w == "--password-file") {
            source = PasswordSource::kFile;
            passwordFile = words[++i];
        } else if (w == "--password-fd") {
            source = PasswordSource::kDescriptor;
            const std::optional<int> fd = parseSecretFd(words[++i]);
            if (!fd) {
                return usage(translated(
                    QT_TRANSLATE_NOOP("korbit", "--password-fd takes the number of an open file descriptor, not '%1'"),
                    {words[i]}));
            }
            passwordFd = *fd;
        } else if (w == "--quiet" || w == "-q") {
            quiet = true;
        } else if (w == "--force") {
            force = true;
        } else if (w == "-o" || w == "--output") {
            output = words[++i];
        } else if (w == "--answer") {
            answer = parseAnswer(words[++i]);
            if (!answer) {
                return usage(translated(QT_TRANSLATE_NOOP("korbit", "--answer takes ok, yes, no or cancel, not '%1'"),
                                        {words[i]}));
            }
        } else if (w == "--") {
            files.insert(files.end(), words.begin() + static_cast<std::ptrdiff_t>(i + 1), words.end());
            break;
        } else if (w.starts_with("-") && w != kStandardStream) {
            return usage(translated(QT_TRANSLATE_NOOP("korbit", "unknown option '%1'"), {w}));
        } else {
            files.push_back(w);
        }
    }
    if (files.empty()) {
        return usage(translated(QT_TRANSLATE_NOOP("korbit", "%1 needs at least one FILE"), {command}));
    }
    const bool fromStandardInput = std::find(files.begin(), files.end(), kStandardStream) != files.end();
    if (fromStandardInput && !output) {
        output = kStandardStream;  // a stream in, a stream out
    }
    if (output && files.size() > 1) {
        return usage(fromStandardInput ? translated(QT_TRANSLATE_NOOP("korbit", "- (standard input) takes one FILE"))
                                       : translated(QT_TRANSLATE_NOOP("korbit", "-o takes one FILE")));
    }
    if (force && !output) {
        return usage(translated(QT_TRANSLATE_NOOP("korbit", "--force goes with -o OUT")));
    }
    if (fromStandardInput && (source == PasswordSource::kStandardInput || passwordFd == STDIN_FILENO)) {
        return usage(translated(QT_TRANSLATE_NOOP("korbit",
                                                  "standard input carries the data: give --password-file FILE or "
                                                  "--password-fd N, or type the password at the terminal")));
    }
    if (encrypting && output == kStandardStream && ::isatty(STDOUT_FILENO) != 0) {
        return usage(translated(QT_TRANSLATE_NOOP(
            "korbit", "a container is no text for the terminal: give -o FILE or redirect standard output")));
    }

    hosting::ComPtr<com::IDispatch> object;
    try {
        object = createObjectTelling(com::kProgIdKorbitControl);
    } catch (const hosting::ComponentError& e) {
        std::cerr << "korbit: " << e.what() << '\n';
        return 1;
    }
    // A call the control fails leaves its description in `error`.
    std::string error;
    hosting::DispatchCaller caller(*object);
    hosting::KorbitClient control(caller, [&error](const hosting::CallFailure& failure) {
        error = platform::toUtf8(platform::displayText(failure.description));
    });

    // Every file is looked at before the password is asked for: one that
    // cannot be worked on is refused with the reason and no password typed.
    struct Job {
        std::string file;
        std::uint64_t bytes;
        bool interrupted;  // an interrupted rewrite is finished first, whatever the file looks like now
    };
    std::vector<Job> jobs;
    std::optional<StreamRun> stream;
    int status = 0;
    if (output) {
        stream = StreamRun::prepare(encrypting, files[0], *output, force, error);
        if (!stream) {
            std::cerr << "korbit: " << error << '\n';
            return 1;
        }
    }
    for (const std::string& path : output ? std::vector<std::string>{} : files) {
        const std::string file = platform::displayUtf8(path);  // the name as people read it
        if (const engine::Status refused = platform::checkRewritable(path); !refused) {
            std::cerr << "korbit: " << platform::displayUtf8(refused.message()) << '\n';
            status = 1;
            continue;
        }
        const bool interrupted = platform::interruptedRewritePending(path);
        if (!interrupted) {
            error.clear();
            const bool isContainer = control.IsFileEncrypted2(platform::fromUtf8(path));
            if (!error.empty()) {
                std::cerr << "korbit: " << file << ": " << error << '\n';
                status = 1;
                continue;
            }
            if (isContainer == encrypting) {
                std::cerr << "korbit: "
                          << (encrypting
                                  ? translated(
                                        QT_TRANSLATE_NOOP("korbit", "%1: encrypted already; use 'korbit decrypt'"),
                                        {file})
                                  : translated(QT_TRANSLATE_NOOP("korbit", "%1: not encrypted; use 'korbit encrypt'"),
                                               {file}))
                          << '\n';
                status = 1;
                continue;
            }
        }
        struct stat st {};
        jobs.push_back({path, ::stat(path.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0, interrupted});
    }
    if (jobs.empty() && !stream) {
        return status;
    }

    std::optional<std::u16string> password;
    int refused = 0;
    switch (source.value_or(PasswordSource::kTerminal)) {
    case PasswordSource::kTerminal: {
        const Terminal terminal;
        if (!terminal.available()) {
            return usage(translated(QT_TRANSLATE_NOOP("korbit",
                                                      "no password: there is no terminal to ask at; give "
                                                      "--password-stdin, --password-file FILE or --password-fd N")));
        }
        catchInterrupts();
        password = askAtTerminal(terminal, encrypting, refused);
        break;
    }
    case PasswordSource::kStandardInput:
        password =
            readGiven(STDIN_FILENO, translated(QT_TRANSLATE_NOOP("korbit", "standard input")), encrypting, refused);
        break;
    case PasswordSource::kFile: {
        const int fd = ::open(passwordFile.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            std::cerr << "korbit: " << platform::displayUtf8(passwordFile) << ": " << std::strerror(errno) << '\n';
            return 1;
        }
        password = readGiven(fd, platform::displayUtf8(passwordFile), encrypting, refused);
        ::close(fd);
        break;
    }
    case PasswordSource::kDescriptor:
        password = readGiven(
            passwordFd, translated(QT_TRANSLATE_NOOP("korbit", "file descriptor %1"), {std::to_string(passwordFd)}),
            encrypting, refused);
        break;
    }
    if (!password) {
        return refused;
    }
    catchInterrupts();  // from here on Ctrl-C is the run's Cancel
    const Text& passwordText = *password;
    if (hosting::hasCharactersBeyondLatin1(passwordText)) {
        std::cerr << "korbit: " << translated(QT_TRANSLATE_NOOP("korbit", "warning: %1"), {beyondLatin1()}) << '\n';
    }

    const bool bar = !quiet && ::isatty(STDERR_FILENO) != 0;
    if (stream) {
        Text extension;
        if (encrypting && !stream->fromStandardInput()) {
            extension = control.GetFileExt(platform::fromUtf8(stream->input()));
        }
        // Standard output on the same terminal as the line would mix the two.
        return stream->run(passwordText, extension, bar && !(stream->toStandardOutput() && ::isatty(STDOUT_FILENO)),
                           quiet);
    }

    TerminalHost boxes(answer, false, true);
    for (const Job& job : jobs) {
        const std::string file = platform::displayUtf8(job.file);
        error.clear();
        // One run, or two when the first only finished an interrupted
        // rewrite that left the file the other way round.
        bool done = false;
        for (int run = 0; run < 2; ++run) {
            ProgressHost host(boxes, bar, job.bytes, file);
            host.attach(&control);
            hosting::lendHost(*object, &host);
            done = control.EncryptionRoutine2(platform::fromUtf8(job.file), passwordText, u"korbit");
            hosting::lendHost(*object, nullptr);
            host.clearBar();
            if (!done || !job.interrupted || run == 1) {
                break;
            }
            if (control.IsFileEncrypted2(platform::fromUtf8(job.file)) == encrypting || !error.empty()) {
                break;
            }
        }
        if (done && error.empty()) {
            if (!quiet) {
                std::cerr << "korbit: "
                          << (encrypting ? translated(QT_TRANSLATE_NOOP("korbit", "%1: encrypted"), {file})
                                         : translated(QT_TRANSLATE_NOOP("korbit", "%1: decrypted"), {file}))
                          << '\n';
            }
            continue;
        }
        status = 1;
        if (interruptSignal() != 0) {
            std::cerr << "korbit: "
                      << translated(QT_TRANSLATE_NOOP("korbit", "%1: cancelled; the file is as it was"), {file})
                      << '\n';
            return interruptedStatus();
        }
        if (!error.empty()) {
            std::cerr << "korbit: " << file << ": " << error << '\n';
        } else {
            std::cerr << "korbit: "
                      << (encrypting ? translated(QT_TRANSLATE_NOOP("korbit", "%1: not encrypted"), {file})
                                     : translated(QT_TRANSLATE_NOOP("korbit", "%1: not decrypted"), {file}))
                      << '\n';
        }
    }
    return status;
}

}  // namespace korbit::cli

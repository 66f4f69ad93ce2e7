#include "cli/encrypt_command.h"

#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>

#include "cli/terminal_host.h"
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

volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void onInterrupt(int) { interruptRequested = 1; }

// Reads a line from the terminal without echoing it.
std::optional<std::string> askHidden(const char* prompt) {
    FILE* tty = std::fopen("/dev/tty", "r+");
    if (tty == nullptr) {
        return std::nullopt;
    }
    std::fputs(prompt, tty);
    std::fflush(tty);
    termios saved{};
    const int fd = ::fileno(tty);
    const bool hide = ::tcgetattr(fd, &saved) == 0;
    if (hide) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    char buffer[4096];
    const bool got = std::fgets(buffer, sizeof buffer, tty) != nullptr;
    if (hide) {
        ::tcsetattr(fd, TCSAFLUSH, &saved);
    }
    std::fputs("\n", tty);
    std::fclose(tty);
    if (!got) {
        return std::nullopt;
    }
    std::string line = buffer;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    return line;
}

std::optional<std::string> readPasswordLine() {
    std::string line;
    if (!std::getline(std::cin, line)) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
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
        if (interruptRequested != 0 && !cancelled_) {
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
        const double speed = seconds > 0 ? done / seconds : 0;
        const double left = speed > 0 ? (static_cast<double>(bytes_) - done) / speed : 0;
        constexpr int kWidth = 30;
        const int filled = percent * kWidth / 100;
        char line[256];
        std::snprintf(line, sizeof line, "\r%s [%.*s%*s] %3d%%  %7.1f MB/s  %d:%02d left\033[K", name_.c_str(),
                      filled, "##############################", kWidth - filled, "", percent, speed / 1e6,
                      static_cast<int>(left) / 60, static_cast<int>(left) % 60);
        std::cerr << line << std::flush;
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

int runEncryptCommand(bool encrypting, std::vector<std::string> words) {
    bool passwordStdin = false;
    bool quiet = false;
    std::optional<std::int32_t> answer;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--password-stdin") {
            passwordStdin = true;
        } else if (words[i] == "--quiet" || words[i] == "-q") {
            quiet = true;
        } else if (words[i] == "--answer") {
            if (i + 1 == words.size()) {
                std::cerr << "korbit: --answer needs a value: ok, yes, no or cancel\n";
                return 2;
            }
            answer = parseAnswer(words[++i]);
            if (!answer) {
                std::cerr << "korbit: --answer takes ok, yes, no or cancel, not '" << words[i] << "'\n";
                return 2;
            }
        } else if (words[i] == "--") {
            files.insert(files.end(), words.begin() + static_cast<std::ptrdiff_t>(i + 1), words.end());
            break;
        } else if (words[i].starts_with("-") && words[i] != "-") {
            std::cerr << "korbit: unknown option '" << words[i] << "'\n";
            return 2;
        } else {
            files.push_back(words[i]);
        }
    }
    if (files.empty()) {
        std::cerr << "korbit: " << (encrypting ? "encrypt" : "decrypt") << " needs at least one FILE\n";
        return 2;
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
    int status = 0;
    for (const std::string& path : files) {
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
                std::cerr << "korbit: " << file
                          << (encrypting ? ": encrypted already; use 'korbit decrypt'\n"
                                         : ": not encrypted; use 'korbit encrypt'\n");
                status = 1;
                continue;
            }
        }
        struct stat st {};
        jobs.push_back({path, ::stat(path.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0, interrupted});
    }
    if (jobs.empty()) {
        return status;
    }

    std::optional<std::string> password;
    if (passwordStdin || ::isatty(STDIN_FILENO) == 0) {
        password = readPasswordLine();
    } else {
        password = askHidden("Password: ");
        if (password && encrypting) {
            const std::optional<std::string> again = askHidden("Password again: ");
            if (!again || *again != *password) {
                std::cerr << "korbit: the passwords do not match\n";
                return 1;
            }
        }
    }
    if (!password) {
        std::cerr << "korbit: no password given\n";
        return 1;
    }
    // Containers made here must open in Corvane, whose box takes 26
    // characters; a container made elsewhere may have a longer password.
    const Text passwordText = platform::fromUtf8(*password, platform::InvalidBytes::kReplace);
    const hosting::PasswordVerdict verdict = hosting::checkNewPassword(passwordText);
    if (verdict == hosting::PasswordVerdict::kTooShort ||
        (encrypting && verdict == hosting::PasswordVerdict::kTooLong)) {
        std::cerr << "korbit: "
                  << (verdict == hosting::PasswordVerdict::kTooShort ? hosting::kPasswordTooShort
                                                                     : hosting::kPasswordTooLong)
                  << '\n';
        return 1;
    }
    if (hosting::hasCharactersBeyondLatin1(passwordText)) {
        std::cerr << "korbit: warning: " << hosting::kBeyondLatin1Warning << '\n';
    }

    struct sigaction action {};
    action.sa_handler = onInterrupt;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);

    TerminalHost boxes(answer, false, true);
    for (const Job& job : jobs) {
        const std::string file = platform::displayUtf8(job.file);
        error.clear();
        // One run, or two when the first only finished an interrupted
        // rewrite that left the file the other way round.
        bool done = false;
        for (int run = 0; run < 2; ++run) {
            ProgressHost host(boxes, !quiet && ::isatty(STDERR_FILENO) != 0, job.bytes, file);
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
                std::cerr << "korbit: " << file << (encrypting ? ": encrypted\n" : ": decrypted\n");
            }
            continue;
        }
        status = 1;
        if (interruptRequested != 0) {
            std::cerr << "korbit: " << file << ": cancelled; the file is as it was\n";
            break;
        }
        if (!error.empty()) {
            std::cerr << "korbit: " << file << ": " << error << '\n';
        } else {
            std::cerr << "korbit: " << file << (encrypting ? ": not encrypted\n" : ": not decrypted\n");
        }
    }
    return status;
}

}  // namespace korbit::cli

// Runs encrypting real files while things go wrong around them: killed at
// each step of replacing the file, or korbit racing another korbit on the
// same file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "korbit/control/korbit_control.h"
#include "korbit/engine/container_stream.h"
#include "korbit/platform/text_encoding.h"
#include "platform/scratch_folder.h"
#include "support/byte_devices.h"
#include "support/test_system.h"

namespace {

using korbit::platform::RewriteStep;
using korbit::testing::ScratchFolder;

const std::string kPassword = "correct horse";

std::vector<std::uint8_t> contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Points this process's settings, data and record folders into `home`.
void useFoldersOf(const ScratchFolder& home) {
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (home / "state").c_str(), 1);
}

// Starts `korbit encrypt|decrypt --password-stdin --quiet FILE` with its own
// XDG folders; returns its process id.
pid_t startKorbit(const ScratchFolder& home, const std::string& verb, const std::string& file) {
    int in[2];
    if (::pipe(in) != 0) {
        return -1;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], STDIN_FILENO);
        ::close(in[0]);
        ::close(in[1]);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDERR_FILENO);
        useFoldersOf(home);
        ::execl(KORBIT_PROGRAM, KORBIT_PROGRAM, verb.c_str(), "--password-stdin", "--quiet", file.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(in[0]);
    const std::string line = kPassword + "\n";
    [[maybe_unused]] const ssize_t written = ::write(in[1], line.data(), line.size());
    ::close(in[1]);
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// True when `bytes` are `plain` itself or a complete container of it.
bool isPlainOrWholeContainer(const std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>& plain) {
    if (bytes == plain) {
        return true;
    }
    korbit::engine::MemorySource source(bytes);
    korbit::engine::MemorySink sink;
    const std::u16string password(kPassword.begin(), kPassword.end());
    return korbit::engine::readContainer(source, sink, password) && sink.bytes() == plain;
}

bool startsWithSignature(const std::string& path) {
    std::uint8_t magic[4] = {};
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(magic), sizeof magic);
    return korbit::engine::hasContainerMagic(magic);
}

std::size_t temporaryFilesIn(const std::string& folder) {
    std::size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        n += entry.path().filename().string().find(".korbit-") != std::string::npos ? 1U : 0U;
    }
    return n;
}

// Runs the control's EncryptionRoutine2 on `file` in a child process, with
// `home`'s folders, whose system kills it (SIGKILL) the `nth` time the
// rewrite reaches `at`; returns how the child ended.
int runKilledAt(const ScratchFolder& home, const std::string& file, RewriteStep at, int nth) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        useFoldersOf(home);
        korbit::testing::TestSystem system;
        system.pace = korbit::platform::PumpPace{};  // the real pace: no host here to pump
        int seen = 0;
        system.onRewriteStep = [&](RewriteStep step) {
            if (step == at && ++seen == nth) {
                ::raise(SIGKILL);
            }
            return 0;
        };
        korbit::control::KorbitControl control(nullptr, system);
        const std::u16string password(kPassword.begin(), kPassword.end());
        const bool done = control.EncryptionRoutine2(korbit::platform::fromUtf8(file), password) != 0;
        ::_exit(done ? 0 : 1);
    }
    return waitFor(pid);
}

std::size_t completeCopiesIn(const std::string& folder) {
    std::size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        n += entry.path().filename().string().find(".korbit-complete-") != std::string::npos ? 1U : 0U;
    }
    return n;
}

// A run killed at any step of replacing a file, beside it or in place,
// leaves it whole (its old content or the whole new one) or, once the
// complete copy of an in-place rewrite is named, that copy with its record,
// from which the next run finishes the file; the next run clears whatever
// the killed run left.
TEST(KorbitProcesses, AKillAtAnyStepLeavesTheFileWholeOrFinishedByTheNextRun) {
    struct Case {
        const char* what;
        bool twoNames;  // rewritten in place
        RewriteStep at;
        int nth;
        bool leavesACopy;  // a complete copy, which the next run applies: the file may be half-written until then
    };
    const Case cases[] = {
        {"just opened", false, RewriteStep::kOpened, 1, false},
        {"before the first write", false, RewriteStep::kWriting, 1, false},
        {"in the middle of the writes", false, RewriteStep::kWriting, 5, false},
        {"before the rename", false, RewriteStep::kBeforeReplace, 1, false},
        {"after the rename", false, RewriteStep::kReplaced, 1, false},
        {"in place: the copy named complete", true, RewriteStep::kMarkedComplete, 1, true},
        {"in place: before the first piece of the copy", true, RewriteStep::kCopyingBack, 1, true},
        {"in place: in the middle of the copy", true, RewriteStep::kCopyingBack, 3, true},
        {"in place: the copy done", true, RewriteStep::kReplaced, 1, true},
    };
    const auto plain = korbit::testing::randomBytes(std::size_t{8} << 20, 77);
    for (const Case& c : cases) {
        for (const bool encrypting : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (encrypting ? ", encrypting" : ", decrypting"));
            ScratchFolder folder;
            const std::string file = folder / "data.bin";
            std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(plain.data()),
                                                        static_cast<std::streamsize>(plain.size()));
            if (c.twoNames) {
                ASSERT_EQ(::link(file.c_str(), (folder / "second name").c_str()), 0);
            }
            if (!encrypting) {
                ASSERT_EQ(waitFor(startKorbit(folder, "encrypt", file)), 0);
            }
            const auto before = contentOf(file);

            ASSERT_EQ(runKilledAt(folder, file, c.at, c.nth), -SIGKILL);
            const auto after = contentOf(file);
            if (c.leavesACopy) {
                EXPECT_EQ(completeCopiesIn(folder.path()), 1U);
            } else {
                EXPECT_TRUE(after == before || isPlainOrWholeContainer(after, plain));
                EXPECT_EQ(completeCopiesIn(folder.path()), 0U);
            }

            // The next run, in the direction the file now looks like, finishes
            // the job; nothing of the killed run is left.
            ASSERT_EQ(waitFor(startKorbit(folder, startsWithSignature(file) ? "decrypt" : "encrypt", file)), 0);
            EXPECT_TRUE(isPlainOrWholeContainer(contentOf(file), plain));
            if (c.twoNames) {
                EXPECT_EQ(contentOf(folder / "second name"), contentOf(file));
            }
            EXPECT_EQ(temporaryFilesIn(folder.path()), 0U);
        }
    }
}

TEST(KorbitProcesses, TwoRunsOnTwoFilesBothWorkAndTwoOnOneFileNeverClash) {
    ScratchFolder folder;
    const auto plainA = korbit::testing::randomBytes(std::size_t{32} << 20, 1);
    const auto plainB = korbit::testing::randomBytes(std::size_t{32} << 20, 2);
    const std::string a = folder / "a.bin";
    const std::string b = folder / "b.bin";
    std::ofstream(a, std::ios::binary).write(reinterpret_cast<const char*>(plainA.data()),
                                             static_cast<std::streamsize>(plainA.size()));
    std::ofstream(b, std::ios::binary).write(reinterpret_cast<const char*>(plainB.data()),
                                             static_cast<std::streamsize>(plainB.size()));

    const pid_t first = startKorbit(folder, "encrypt", a);
    const pid_t second = startKorbit(folder, "encrypt", b);
    EXPECT_EQ(waitFor(first), 0);
    EXPECT_EQ(waitFor(second), 0);
    EXPECT_TRUE(isPlainOrWholeContainer(contentOf(a), plainA));
    EXPECT_TRUE(korbit::engine::hasContainerMagic(contentOf(a)));
    EXPECT_TRUE(korbit::engine::hasContainerMagic(contentOf(b)));

    const pid_t one = startKorbit(folder, "decrypt", a);
    const pid_t other = startKorbit(folder, "decrypt", a);
    const int statusOne = waitFor(one);
    const int statusOther = waitFor(other);
    EXPECT_EQ((statusOne == 0 ? 1 : 0) + (statusOther == 0 ? 1 : 0), 1) << statusOne << " " << statusOther;
    EXPECT_EQ(statusOne + statusOther, 1);  // the other one refused
    EXPECT_EQ(contentOf(a), plainA);
    EXPECT_EQ(temporaryFilesIn(folder.path()), 0U);
}

}  // namespace

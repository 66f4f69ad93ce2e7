// The korbit program encrypting real files while things go wrong around it:
// killed at random moments, or racing another korbit on the same file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "korbit/engine/container_stream.h"
#include "platform/scratch_folder.h"
#include "support/byte_devices.h"

namespace {

using korbit::testing::ScratchFolder;
using Clock = std::chrono::steady_clock;

const std::string kPassword = "correct horse";

std::vector<std::uint8_t> contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
        ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
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

TEST(KorbitProcesses, AKillAtAnyMomentLeavesTheFileWholeAndNothingToMistake) {
    ScratchFolder folder;
    const std::string file = folder / "data.bin";
    const auto plain = korbit::testing::randomBytes(std::size_t{64} << 20, 77);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(plain.data()),
                                                static_cast<std::streamsize>(plain.size()));

    // Whole runs each way tell how long a run takes here; the shortest counts.
    Clock::duration oneRun = Clock::duration::max();
    for (const char* verb : {"encrypt", "decrypt", "encrypt", "decrypt"}) {
        const auto started = Clock::now();
        ASSERT_EQ(waitFor(startKorbit(folder, verb, file)), 0);
        oneRun = std::min(oneRun, Clock::now() - started);
    }
    ASSERT_EQ(contentOf(file), plain);

    std::mt19937 random(20261207U);
    int killedMidway = 0;
    for (int kill = 0; kill < 50; ++kill) {
        const bool container = startsWithSignature(file);
        const pid_t pid = startKorbit(folder, container ? "decrypt" : "encrypt", file);
        const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(oneRun) *
                           std::uniform_real_distribution<double>(0.0, 1.0)(random);
        std::this_thread::sleep_for(delay);
        ::kill(pid, SIGKILL);
        killedMidway += waitFor(pid) == -SIGKILL ? 1 : 0;
        ASSERT_TRUE(isPlainOrWholeContainer(contentOf(file), plain)) << "after kill " << kill;
    }
    EXPECT_GE(killedMidway, 15);  // many kills hit a run in progress

    // The next run finishes the job and clears what the killed runs left.
    if (startsWithSignature(file)) {
        ASSERT_EQ(waitFor(startKorbit(folder, "decrypt", file)), 0);
    } else {
        ASSERT_EQ(waitFor(startKorbit(folder, "encrypt", file)), 0);
        ASSERT_EQ(waitFor(startKorbit(folder, "decrypt", file)), 0);
    }
    EXPECT_EQ(contentOf(file), plain);
    EXPECT_EQ(temporaryFilesIn(folder.path()), 0U);
}

std::size_t completeCopiesIn(const std::string& folder) {
    std::size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        n += entry.path().filename().string().find(".korbit-complete-") != std::string::npos ? 1U : 0U;
    }
    return n;
}

TEST(KorbitProcesses, AKillDuringTheCopyIntoAHardLinkedFileIsFinishedByTheNextRun) {
    // A file with two names is rewritten in place: its complete result is
    // written and marked first, then copied into the file. A kill in the
    // middle of that copy leaves the file half-written; the next run must
    // finish it from the marked copy before it does anything else.
    ScratchFolder folder;
    const std::string file = folder / "data.bin";
    const auto plain = korbit::testing::randomBytes(std::size_t{32} << 20, 78);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(plain.data()),
                                                static_cast<std::streamsize>(plain.size()));
    ASSERT_EQ(::link(file.c_str(), (folder / "second name").c_str()), 0);

    Clock::duration oneRun = Clock::duration::max();
    for (const char* verb : {"encrypt", "decrypt"}) {
        const auto started = Clock::now();
        ASSERT_EQ(waitFor(startKorbit(folder, verb, file)), 0);
        oneRun = std::min(oneRun, Clock::now() - started);
    }
    ASSERT_EQ(contentOf(file), plain);

    std::mt19937 random(20261208U);
    int duringCopy = 0;
    for (int kill = 0; kill < 40; ++kill) {
        const pid_t pid = startKorbit(folder, startsWithSignature(file) ? "decrypt" : "encrypt", file);
        // The copy into the file is the second half of a run.
        const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(oneRun) *
                           std::uniform_real_distribution<double>(0.3, 1.2)(random);
        std::this_thread::sleep_for(delay);
        ::kill(pid, SIGKILL);
        waitFor(pid);
        duringCopy += completeCopiesIn(folder.path()) > 0 ? 1 : 0;
        // One more run, in the direction the file now looks like.
        ASSERT_EQ(waitFor(startKorbit(folder, startsWithSignature(file) ? "decrypt" : "encrypt", file)), 0)
            << "after kill " << kill;
        ASSERT_TRUE(isPlainOrWholeContainer(contentOf(file), plain)) << "after kill " << kill;
        ASSERT_EQ(contentOf(folder / "second name"), contentOf(file));
        ASSERT_EQ(temporaryFilesIn(folder.path()), 0U) << "after kill " << kill;
    }
    std::printf("%d of 40 kills stopped a copy into the file\n", duringCopy);
    EXPECT_GE(duringCopy, 3);
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

// A desktop-style host: a Qt event loop whose 1 ms timer keeps ticking while
// a large file is encrypted, and whose timer-driven Cancel stops the run
// within one block.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "korbit/control/korbit_control.h"
#include "korbit/platform/text_encoding.h"
#include "platform/scratch_folder.h"

namespace korbit::control {
namespace {

using Clock = std::chrono::steady_clock;

// Runs the Qt event loop from the control's pump at most every 5 ms; reads
// the clock only every 64 blocks so that the loop stays at full speed.
class QtLoopHost final : public Host {
public:
    std::int32_t messageBox(const Text&, std::int32_t style, const Text&) override { return box::safeAnswer(style); }
    void pumpEvents() override {
        if (++calls_ % 64 != 0) {
            return;
        }
        const auto now = Clock::now();
        if (now - last_ >= std::chrono::milliseconds(5)) {
            last_ = now;
            QCoreApplication::processEvents();
        }
    }
    bool inputPending() override {
        ++blockAttempts;
        return false;
    }
    Text browseForFolder(std::int32_t, const Text&) override { return {}; }
    bool freezeWindow(std::int32_t, bool) override { return false; }
    bool drawFileIcon(std::int32_t, const Text&, bool, std::int32_t) override { return false; }

    std::uint64_t blockAttempts = 0;

private:
    std::uint64_t calls_ = 0;
    Clock::time_point last_ = Clock::now();
};

class EventLoopHost : public ::testing::Test {
protected:
    void SetUp() override {
        int argc = 1;
        static char name[] = "event_loop_host_test";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            app_ = std::make_unique<QCoreApplication>(argc, argv);
        }
    }
    // A sparse file of `bytes`: quick to make, read at full speed.
    std::string bigFile(std::uint64_t bytes) {
        const std::string path = folder / "big.bin";
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        EXPECT_EQ(::ftruncate(fd, static_cast<off_t>(bytes)), 0);
        ::close(fd);
        return path;
    }

    korbit::testing::ScratchFolder folder;
    korbit::testing::ScopedVariable config{"XDG_CONFIG_HOME", folder / "config"};
    QtLoopHost host;
    KorbitControl control{&host};
    std::unique_ptr<QCoreApplication> app_;
};

TEST_F(EventLoopHost, TheHostsTimerKeepsTickingThroughAOneGigabyteRun) {
    const std::string path = bigFile(std::uint64_t{1} << 30);
    QTimer timer;
    timer.setInterval(1);
    std::vector<Clock::time_point> ticks;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (control.state().BlocksDone > 0) {  // inside the block loop
            ticks.push_back(Clock::now());
        }
    });
    timer.start();
    ASSERT_EQ(control.EncryptionRoutine2(platform::fromUtf8(path), u"secret1"), kTrue);
    timer.stop();

    // The timer ran all along. How evenly is a matter of the machine's load,
    // so the longest gap is reported, not asserted.
    ASSERT_GT(ticks.size(), 20U);
    Clock::duration longest{};
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        longest = std::max(longest, ticks[i] - ticks[i - 1]);
    }
    const auto longestMs = std::chrono::duration_cast<std::chrono::milliseconds>(longest).count();
    RecordProperty("longest_gap_ms", static_cast<int>(longestMs));
    std::printf("timer ticks during the run: %zu, longest gap: %lld ms\n", ticks.size(),
                static_cast<long long>(longestMs));
}

TEST_F(EventLoopHost, ACancelFromTheTimerStopsTheRunWithinOneBlock) {
    const std::string path = bigFile(std::uint64_t{256} << 20);
    QTimer timer;
    timer.setInterval(1);
    std::uint64_t attemptsAtCancel = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (attemptsAtCancel == 0 && control.state().BlocksDone > 100000) {
            attemptsAtCancel = host.blockAttempts;
            control.CancelOps();
        }
    });
    timer.start();
    EXPECT_EQ(control.EncryptionRoutine2(platform::fromUtf8(path), u"secret1"), kFalse);
    timer.stop();
    ASSERT_GT(attemptsAtCancel, 0U);
    EXPECT_EQ(host.blockAttempts - attemptsAtCancel, 1U);  // the block in hand, then the stop
    EXPECT_EQ(control.IsFileEncrypted2(platform::fromUtf8(path)), kFalse);
}

}  // namespace
}  // namespace korbit::control

// The running copy's side of a hand-over, as any local process can reach it:
// it takes hand-overs of its own user only, of no more than a hand-over can
// need, and none that stalls. The clients are separate processes (forked),
// so that the kernel tells the server who they are.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTest>
#include <QtEndian>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "corvane/app/instance_channel.h"
#include "platform/scratch_folder.h"

namespace corvane::testing {
namespace {

constexpr int kStallLimitMs = 1000;

// A hand-over as bytes.
struct Message {
    QByteArray bytes;
    Message& number(quint32 n) {
        char b[4];
        qToBigEndian(n, b);
        bytes.append(b, 4);
        return *this;
    }
    Message& name(const QByteArray& name) {
        number(static_cast<quint32>(name.size()));
        bytes.append(name);
        return *this;
    }
};

constexpr quint32 kMagic = 0x436f7232;  // "Cor2"

// What a client saw: the answer, or how it ended without one.
enum : int { kClosedUnanswered = 10, kNoAnswerInTime = 11, kCannotConnect = 12 };

// Runs a client in a child process as user `uid` (-1: this process's): it
// connects to `socketPath`, sends `request` and waits up to 5 s for an answer
// with the connection open. Returns its exit status (the answer, or one of
// the values above), pumping this process's events meanwhile.
int runClient(const QString& socketPath, const QByteArray& request, int uid = -1) {
    const std::string path = socketPath.toStdString();
    const pid_t child = ::fork();
    if (child == 0) {
        if (uid >= 0 && (::setresgid(static_cast<gid_t>(uid), static_cast<gid_t>(uid), static_cast<gid_t>(uid)) != 0 ||
                         ::setresuid(static_cast<uid_t>(uid), static_cast<uid_t>(uid), static_cast<uid_t>(uid)) != 0)) {
            ::_exit(kCannotConnect);
        }
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::_exit(kCannotConnect);
        }
        (void)::send(fd, request.constData(), static_cast<std::size_t>(request.size()), MSG_NOSIGNAL);
        timeval wait{5, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        unsigned char answer[4];
        const ssize_t got = ::recv(fd, answer, sizeof answer, MSG_WAITALL);
        if (got == 4) {
            ::_exit(answer[3]);
        }
        ::_exit(got < 0 && errno == EAGAIN ? kNoAnswerInTime : kClosedUnanswered);
    }
    int status = 0;
    for (int i = 0; i < 1000 && ::waitpid(child, &status, WNOHANG) == 0; ++i) {
        QTest::qWait(10);
    }
    if (!WIFEXITED(status)) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return -1;
    }
    return WEXITSTATUS(status);
}

class InstanceChannel : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder every user can reach, so that the server's own checks are
        // what stands between it and another user.
        ::chmod(folder.path().c_str(), 0755);
        server = std::make_unique<InstanceServer>(QString::fromStdString(folder.path()), QStringLiteral("corvane"),
                                                  [this](const QStringList& files) {
                                                      received.push_back(files);
                                                      return HandOver::kTaken;
                                                  },
                                                  kStallLimitMs);
        ASSERT_TRUE(server->listening());
        ::chmod(server->socketPath().toStdString().c_str(), 0777);
    }

    korbit::testing::ScratchFolder folder;
    std::unique_ptr<InstanceServer> server;
    std::vector<QStringList> received;
};

TEST_F(InstanceChannel, TakesOnlyWhatAHandOverCanNeedAndNothingThatStalls) {
    QStringList thousand;
    Message thousandNames;
    thousandNames.number(kMagic).number(kMaxHandOverFiles);
    for (quint32 i = 0; i < kMaxHandOverFiles; ++i) {
        thousand << QStringLiteral("/tmp/%1").arg(i);
        thousandNames.name("/tmp/" + QByteArray::number(i));
    }
    const QByteArray longest = "/" + QByteArray(kMaxPathBytes - 1, 'a');
    struct Case {
        const char* what;
        QByteArray request;
        int outcome;                           // the answer, or how the client saw the connection end
        std::optional<QStringList> delivered;  // what the window got; nothing: not called
        bool atOnce;                           // refused before the stall limit
    };
    const Case cases[] = {
        {"one file", Message().number(kMagic).number(1).name("/tmp/a.txt").bytes, 0, QStringList{"/tmp/a.txt"}, true},
        {"no file: the window only", Message().number(kMagic).number(0).bytes, 0, QStringList{}, true},
        {"a name that is no UTF-8", Message().number(kMagic).number(1).name("/tmp/caf\xE9.txt").bytes, 0,
         QStringList{QStringLiteral("/tmp/caf") + QChar(0xDCE9) + QStringLiteral(".txt")}, true},
        {"a name of PATH_MAX bytes", Message().number(kMagic).number(1).name(longest).bytes, 0,
         QStringList{QString::fromLatin1(longest)}, true},
        {"1,000 names", thousandNames.bytes, 0, thousand, true},
        {"1,001 names announced", Message().number(kMagic).number(kMaxHandOverFiles + 1).bytes + QByteArray(1 << 20, 'x'),
         kClosedUnanswered, std::nullopt, true},
        {"a name longer than PATH_MAX announced",
         Message().number(kMagic).number(1).number(kMaxPathBytes + 1).bytes + QByteArray(1 << 20, 'x'),
         kClosedUnanswered, std::nullopt, true},
        {"an empty name", Message().number(kMagic).number(1).name("").bytes, kClosedUnanswered, std::nullopt, true},
        {"a name holding a NUL", Message().number(kMagic).number(1).name(QByteArray("/tmp/a\0b", 8)).bytes,
         kClosedUnanswered, std::nullopt, true},
        {"another program's request", Message().number(0x436f7276).number(1).name("/tmp/a.txt").bytes,
         kClosedUnanswered, std::nullopt, true},
        {"stalls after its count", Message().number(kMagic).number(2).name("/tmp/a.txt").bytes, kClosedUnanswered,
         std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        received.clear();
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(runClient(server->socketPath(), c.request), c.outcome);
        EXPECT_EQ(clock.elapsed() < kStallLimitMs, c.atOnce) << clock.elapsed() << " ms";
        if (c.delivered) {
            ASSERT_EQ(received.size(), 1U);
            EXPECT_EQ(received.front(), *c.delivered);
        } else {
            EXPECT_TRUE(received.empty());
        }
    }
}

TEST_F(InstanceChannel, ReadsNothingFromAnotherUsersProcess) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root: the client must run as another user (uid 65534)";
    }
    const QByteArray request = Message().number(kMagic).number(1).name("/tmp/a.txt").bytes;
    EXPECT_EQ(runClient(server->socketPath(), request, 65534), kClosedUnanswered);
    EXPECT_TRUE(received.empty());
    // The same request from this user's process is taken.
    EXPECT_EQ(runClient(server->socketPath(), request), 0);
    EXPECT_EQ(received.size(), 1U);
}

}  // namespace
}  // namespace corvane::testing

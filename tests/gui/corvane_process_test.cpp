// The program itself, started as a user starts it: one copy per user.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/scratch_folder.h"

namespace {

class CorvaneProcess : public ::testing::Test {
protected:
    void SetUp() override {
        runtime = QString::fromStdString(folder.folder("runtime"));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", QString::fromStdString(folder.path()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(folder / "config"));
        env.insert("XDG_DATA_HOME", QString::fromStdString(folder / "data"));
        env.insert("XDG_RUNTIME_DIR", runtime);
    }
    void TearDown() override {
        for (QProcess* p : started) {
            p->kill();
            p->waitForFinished(10'000);
            delete p;
        }
    }
    QProcess* start() {
        auto* p = new QProcess;
        started.push_back(p);
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(CORVANE_PROGRAM), {});
        EXPECT_TRUE(p->waitForStarted(10'000));
        return p;
    }
    // Waits until the lock of the running copy names `process`.
    bool holdsTheLock(QProcess* process) {
        for (int i = 0; i < 600; ++i) {
            QFile lock(runtime + "/corvane.lock");
            if (lock.open(QIODevice::ReadOnly) && lock.readLine().trimmed().toLongLong() == process->processId()) {
                return true;
            }
            if (process->state() == QProcess::NotRunning) {
                return false;
            }
            QThread::msleep(50);
        }
        return false;
    }

    korbit::testing::ScratchFolder folder;
    QString runtime;
    QProcessEnvironment env;
    std::vector<QProcess*> started;
};

TEST_F(CorvaneProcess, ASecondCopyEndsAtOnceSilentlyAndTheFirstRunsOn) {
    QProcess* first = start();
    ASSERT_TRUE(holdsTheLock(first));
    QProcess* second = start();
    ASSERT_TRUE(second->waitForFinished(20'000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty());
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(CorvaneProcess, ACopyThatDiedDoesNotKeepTheNextOneOut) {
    QProcess* first = start();
    ASSERT_TRUE(holdsTheLock(first));
    first->kill();  // SIGKILL: the lock file stays behind
    ASSERT_TRUE(first->waitForFinished(10'000));
    QProcess* next = start();
    EXPECT_TRUE(holdsTheLock(next));
    EXPECT_EQ(next->state(), QProcess::Running);
}

// Another user who made the shared folder's fixed names (as Qt's fallback
// runtime folder and /tmp would have them) receives nothing: the victim's
// copy keeps its lock and socket in a folder of its own.
TEST_F(CorvaneProcess, AnotherUsersLockAndSocketInASharedFolderReceiveNoFile) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root: the victim and the other user are two unprivileged users (65534 and 65533)";
    }
    const std::string asVictim = "setpriv --reuid=65534 --regid=65534 --clear-groups";
    if (std::system((asVictim + " test -x '" CORVANE_PROGRAM "'").c_str()) != 0) {
        GTEST_SKIP() << "an unprivileged user cannot reach " CORVANE_PROGRAM;
    }
    constexpr uid_t kOther = 65533;
    ::chmod(folder.path().c_str(), 0755);
    // Root's, sticky, everyone may write: /tmp as TMPDIR, which both Qt's
    // fallback runtime folder and QDir::tempPath() use.
    const std::string shared = folder.folder("shared");
    ::chmod(shared.c_str(), 01777);
    const std::string home = folder.folder("home");
    const std::string file = home + "/tax-return.pdf";
    std::ofstream(file) << "figures\n";
    EXPECT_EQ(::chown(home.c_str(), 65534, 65534), 0);
    EXPECT_EQ(::chown(file.c_str(), 65534, 65534), 0);

    // The other user's runtime folder for the victim, lock and listening socket.
    const std::string runtimeOfVictim = shared + "/runtime-nobody";
    ::mkdir(runtimeOfVictim.c_str(), 0700);
    EXPECT_EQ(::chown(runtimeOfVictim.c_str(), kOther, kOther), 0);
    const std::string lock = shared + "/corvane.lock";
    std::ofstream(lock) << "1\ncorvane\n\n";
    EXPECT_EQ(::chown(lock.c_str(), kOther, kOther), 0);
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const std::string socketPath = shared + "/corvane.socket";
    const pid_t other = ::fork();
    if (other == 0) {
        ::close(report[0]);
        if (::setresgid(kOther, kOther, kOther) != 0 || ::setresuid(kOther, kOther, kOther) != 0) {
            ::_exit(1);
        }
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::chmod(socketPath.c_str(), 0777) != 0 || ::listen(fd, 8) != 0) {
            ::_exit(1);
        }
        (void)::write(report[1], "L", 1);
        for (;;) {
            const int client = ::accept(fd, nullptr, nullptr);
            char buffer[65536];
            const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
            if (got > 0) {
                (void)::write(report[1], "R", 1);  // something was handed over
            }
            const char taken[4] = {0, 0, 0, 0};
            (void)::send(client, taken, sizeof taken, MSG_NOSIGNAL);
            ::close(client);
        }
    }
    ::close(report[1]);
    char listening = 0;
    ASSERT_EQ(::read(report[0], &listening, 1), 1);
    ::fcntl(report[0], F_SETFL, O_NONBLOCK);

    env.remove("XDG_RUNTIME_DIR");
    env.insert("TMPDIR", QString::fromStdString(shared));
    env.insert("HOME", QString::fromStdString(home));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home + "/.config"));
    env.insert("XDG_DATA_HOME", QString::fromStdString(home + "/.local/share"));
    env.insert("XDG_CACHE_HOME", QString::fromStdString(home + "/.cache"));
    const auto victimRuns = [&](const std::string& path) {
        auto* p = new QProcess;
        started.push_back(p);
        p->setProcessEnvironment(env);
        p->start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", CORVANE_PROGRAM,
                                             QString::fromStdString(path)});
        EXPECT_TRUE(p->waitForStarted(10'000));
        return p;
    };
    QProcess* first = victimRuns(file);
    runtime = QString::fromStdString(home + "/.cache/corvane");
    EXPECT_TRUE(holdsTheLock(first)) << "the victim's copy did not become the running one";
    QProcess* second = victimRuns(file);
    EXPECT_TRUE(second->waitForFinished(20'000));
    EXPECT_EQ(second->exitCode(), 0);  // handed over to the victim's own first copy

    char received = 0;
    EXPECT_EQ(::read(report[0], &received, 1), -1) << "the other user received a hand-over";
    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);
    ::close(report[0]);
}

}  // namespace

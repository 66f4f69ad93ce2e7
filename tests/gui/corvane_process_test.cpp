// The program itself, started as a user starts it: one copy per user.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

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

}  // namespace

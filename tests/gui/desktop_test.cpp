// The real desktop object where it meets other programs: the openers it
// finds on the path, and the notification server and file manager on a
// message bus of the test's own, played by this process.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "corvane/app/desktop.h"
#include "corvane/app/file_names.h"
#include "platform/scratch_folder.h"

namespace corvane {
namespace {

using korbit::testing::ScopedVariable;
using korbit::testing::ScratchFolder;

// A program named `name` in `bin` that writes its arguments, one line, to
// `record`.
void recordingProgram(const std::string& bin, const char* name, const std::string& record) {
    const std::string path = bin + "/" + name;
    std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" << record << "'\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

// The lines `record` holds once a detached program has written one.
QStringList linesOf(const std::string& record) {
    QByteArray bytes;
    for (int i = 0; i < 200 && !bytes.endsWith('\n'); ++i) {
        QFile file(QString::fromStdString(record));
        bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (!bytes.endsWith('\n')) {
            QTest::qWait(25);
        }
    }
    return QString::fromUtf8(bytes).split('\n', Qt::SkipEmptyParts);
}

TEST(DesktopOpeners, AFileOpensWithTheFirstOpenerInstalledAndWithoutOneNothingIsClaimed) {
    const ScratchFolder folder;
    const std::string bin = folder.folder("bin");
    const std::string record = folder / "opened.txt";
    const std::string file = folder.file("notes \xE9.txt");
    Desktop desktop{QString()};

    // No xdg-open here: gio is the next one tried.
    recordingProgram(bin, "gio", record);
    {
        const ScopedVariable path{"PATH", bin};
        EXPECT_TRUE(desktop.openFile(fileNameFromOs(QByteArray::fromStdString(file))));
    }
    // As a file address: the name's bytes, percent-encoded.
    EXPECT_EQ(linesOf(record),
              QStringList{"open file://" + QString::fromLatin1(QByteArray::fromStdString(file).toPercentEncoding("/"))});

    const ScopedVariable empty{"PATH", folder.folder("empty")};
    EXPECT_FALSE(desktop.openFile(fileNameFromOs(QByteArray::fromStdString(file))));
}

// The notification server and the file manager, as a desktop's would answer.
class FakeService final : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        calls.push_back(message);
        connection.send(message.member() == QStringLiteral("Notify") ? message.createReply(QVariant::fromValue(7U))
                                                                     : message.createReply());
        return true;
    }
    std::vector<QDBusMessage> calls;
};

class DesktopBus : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
            GTEST_SKIP() << "dbus-daemon is not installed (Debian: dbus-daemon): no bus to test on";
        }
        // A bus of its own that starts no service: nothing but this process
        // answers on it.
        const std::string config = folder / "bus.conf";
        std::ofstream(config) << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                                 " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                 "<busconfig><type>session</type><listen>unix:path="
                              << (folder / "bus")
                              << "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                                 "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                 "<allow own=\"*\"/></policy></busconfig>\n";
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--config-file=") + QString::fromStdString(config), QStringLiteral("--nofork"),
                      QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
        ASSERT_TRUE(daemon.waitForReadyRead(10'000)) << "the test's message bus did not start";
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        services = QDBusConnection::connectToBus(address, QStringLiteral("desktop-test-services"));
        ASSERT_TRUE(services.isConnected()) << address.toStdString();
        ASSERT_TRUE(services.registerService(QStringLiteral("org.freedesktop.Notifications")));
        ASSERT_TRUE(services.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        ASSERT_TRUE(services.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &notifications));
        ASSERT_TRUE(services.registerVirtualObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager));
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop-test-services"));
        daemon.kill();
        daemon.waitForFinished(10'000);
    }

    // The user chooses the action of notification 7, as the server says it.
    void chooseShow() {
        QDBusMessage invoked = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                          QStringLiteral("org.freedesktop.Notifications"),
                                                          QStringLiteral("ActionInvoked"));
        invoked << 7U << QStringLiteral("show");
        services.send(invoked);
    }

    ScratchFolder folder;
    QProcess daemon;
    QString address;
    QDBusConnection services{QString()};
    FakeService notifications;
    FakeService fileManager;
};

TEST_F(DesktopBus, ANotificationsActionShowsTheFilesInTheFileManager) {
    Desktop desktop(address);
    const QString file = QString::fromStdString(folder.file("report.pdf"));
    desktop.notify(QStringLiteral("report.pdf is encrypted."), QString(), QStringLiteral("Show in folder"), {file});
    for (int i = 0; i < 400 && notifications.calls.empty(); ++i) {
        QTest::qWait(25);
    }
    ASSERT_EQ(notifications.calls.size(), 1U);
    const QList<QVariant> notify = notifications.calls[0].arguments();
    ASSERT_EQ(notify.size(), 8);
    EXPECT_EQ(notify[0].toString(), QStringLiteral("Corvane"));
    EXPECT_EQ(notify[3].toString(), QStringLiteral("report.pdf is encrypted."));
    EXPECT_EQ(notify[5].toStringList(), (QStringList{"show", "Show in folder"}));

    // Chosen once the server's answer is in; the file manager shows the file.
    for (int i = 0; i < 100 && fileManager.calls.empty(); ++i) {
        chooseShow();
        QTest::qWait(50);
    }
    ASSERT_FALSE(fileManager.calls.empty());
    EXPECT_EQ(fileManager.calls[0].member(), QStringLiteral("ShowItems"));
    EXPECT_EQ(fileManager.calls[0].arguments().at(0).toStringList(), QStringList{"file://" + file});
}

TEST_F(DesktopBus, WithoutAFileManagerOnTheBusTheFolderIsOpened) {
    services.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
    const std::string bin = folder.folder("bin");
    const std::string record = folder / "opened.txt";
    recordingProgram(bin, "xdg-open", record);
    const ScopedVariable path{"PATH", bin};
    Desktop desktop(address);
    desktop.showInFolder({QString::fromStdString(folder.file("Documents/report.pdf"))});
    EXPECT_EQ(linesOf(record), QStringList{"file://" + QString::fromStdString(folder / "Documents")});
}

}  // namespace
}  // namespace corvane

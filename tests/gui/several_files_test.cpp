// Several files at once: named and counted in the window, run one after the
// other with one password, the bar showing the whole run, Cancel stopping the
// current file and starting no other, and a summary that names every file
// that did not succeed and why.
#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "corvane/app/window_parts.h"
#include "gui/desktop_fixture.h"
#include "korbit/control/values/host.h"

namespace corvane::testing {
namespace {

const QByteArray kMagic("xjeS");

class SeveralFiles : public DesktopTest {
protected:
    QString fileWith(const char* name, const QByteArray& content) {
        folder.folder("Documents");
        const QString path = scratch(std::string("Documents/") + name);
        writeAll(path, content);
        return path;
    }

    // A container of `content` under `password`, made through a window.
    QString containerOf(const char* name, const QByteArray& content, const QString& password) {
        const QString path = fileWith(name, content);
        auto maker = mainWindow();
        chooseFiles(*maker, {path});
        runWith(*maker, password);
        EXPECT_TRUE(readAll(path).startsWith(kMagic));
        desktop.notifications.clear();
        return path;
    }
};

TEST_F(SeveralFiles, AreNamedCountedAndRunOneAfterTheOtherWithOnePassword) {
    const QString c = containerOf("c.odt", "the third file, encrypted before", "one password");
    const QString a = fileWith("a.txt", QByteArray(3 << 20, 'a'));
    const QString b = fileWith("b.pdf", QByteArray(2 << 20, 'b'));
    auto window = mainWindow();
    chooseFiles(*window, {a, b, c});
    cues.played.clear();

    EXPECT_EQ(window->fileBox()->text(), QStringLiteral("3 files: a.txt, b.pdf, c.odt"));
    EXPECT_EQ(window->fileBox()->toolTip(), QStringList({a, b, c}).join('\n'));
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt 2, decrypt 1"));
    EXPECT_EQ(window->encDecButton()->captionColor(), MainWindow::kEncryptColor);
    EXPECT_TRUE(window->encDecButton()->isEnabled());

    // One password, asked twice since something is to be encrypted.
    QList<int> polled;
    QObject::connect(window.get(), &MainWindow::progressPolled, [&](int percent) { polled << percent; });
    runWith(*window, "one password");
    EXPECT_FALSE(window->confirmDialog()->isVisible());
    EXPECT_TRUE(readAll(a).startsWith(kMagic));
    EXPECT_TRUE(readAll(b).startsWith(kMagic));
    EXPECT_EQ(readAll(c), QByteArray("the third file, encrypted before"));
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("All 3 files are done: 2 encrypted, 1 decrypted."));
    EXPECT_TRUE(desktop.takeShownBoxes().empty());
    EXPECT_EQ(cues.played, (std::vector<int>{cue::kRunStarts, cue::kRunSucceeded}));

    // The bar shows the whole run: it never goes back, and ends full.
    EXPECT_TRUE(std::is_sorted(polled.begin(), polled.end())) << polled.size();
    EXPECT_EQ(window->progressBar()->value(), 100);
    EXPECT_EQ(window->percentageLabel()->text(), QStringLiteral("100%"));

    // The same files, the other way now.
    EXPECT_EQ(window->fileBox()->text(), QStringLiteral("3 files: a.txt, b.pdf, c.odt"));
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt 1, decrypt 2"));
    EXPECT_TRUE(window->encDecButton()->isEnabled());

    // All one way: "Decrypt 2 files", and decrypting never asks twice.
    chooseFiles(*window, {a, b});
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Decrypt 2 files"));
    EXPECT_EQ(window->encDecButton()->captionColor(), MainWindow::kDecryptColor);
    QTest::mouseClick(window->encDecButton(), Qt::LeftButton);
    EXPECT_FALSE(window->confirmDialog()->isVisible());
    EXPECT_EQ(readAll(a), QByteArray(3 << 20, 'a'));
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("All 2 files are decrypted."));
}

TEST_F(SeveralFiles, TheSummaryNamesEachFileThatDidNotSucceedAndWhy) {
    const QString other = containerOf("x.txt", "under another password", "another password");
    const QString plain = fileWith("z.txt", QByteArray(32 << 20, 'z'));  // long enough to turn away during it
    const QString refused = QStringLiteral("/proc/self/status");
    auto window = mainWindow();
    desktop.takeShownBoxes();
    chooseFiles(*window, {other, refused, plain});
    const QString refusal = QStringLiteral(
        "/proc/self/status is an interface of the system's kernel (proc), not a file on a disk: it cannot be "
        "encrypted.");
    // Refused when chosen, and skipped: the button counts the others.
    EXPECT_EQ(window->windowNote()->text(), refusal);
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt 1, decrypt 1"));

    QWidget elsewhere;
    elsewhere.show();
    QTimer away;
    QObject::connect(&away, &QTimer::timeout, [&] {
        if (window->running()) {
            QApplication::setActiveWindow(&elsewhere);
        }
    });
    away.start(0);
    runWith(*window, "one password");
    away.stop();

    // No box stops the run; the summary says it all.
    EXPECT_TRUE(desktop.takeShownBoxes().empty());
    const QString summary = QStringLiteral("x.txt: wrong password; nothing was changed.\n") + refusal;
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("Done: 1 of 3 files.\n") + summary);
    ASSERT_EQ(desktop.notifications.size(), 1U);
    EXPECT_EQ(desktop.notifications[0].summary, QStringLiteral("Done: 1 of 3 files."));
    EXPECT_EQ(desktop.notifications[0].body, summary);
    EXPECT_EQ(desktop.notifications[0].files, (QStringList{other, refused, plain}));
    EXPECT_TRUE(readAll(plain).startsWith(kMagic));
    EXPECT_EQ(readAll(other).left(4), kMagic);
    // Not everything succeeded: both boxes are asked for again.
    EXPECT_TRUE(window->fileBox()->text().isEmpty());
    EXPECT_TRUE(window->passwordBox()->text().isEmpty());
    EXPECT_FALSE(window->encDecButton()->isEnabled());
}

TEST_F(SeveralFiles, CancelStopsTheCurrentFileLeavesItAsItWasAndStartsNoOther) {
    const QString big = fileWith("big.bin", QByteArray(48 << 20, 'g'));
    const QString second = fileWith("second.txt", "second");
    const QString third = fileWith("third.txt", "third");
    const QByteArray before = QCryptographicHash::hash(readAll(big), QCryptographicHash::Sha256);
    auto window = mainWindow();
    chooseFiles(*window, {big, second, third});

    bool pressed = false;
    QString during;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!pressed && window->running() && window->pollTicks() > 0) {
            pressed = true;
            during = window->statusLine()->toPlainText();
            QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
        }
    });
    user.start(1);
    runWith(*window, "one password");
    user.stop();
    ASSERT_TRUE(pressed);

    EXPECT_EQ(during, QStringLiteral("Encrypting 1 of 3: big.bin"));
    EXPECT_EQ(QCryptographicHash::hash(readAll(big), QCryptographicHash::Sha256), before);
    EXPECT_EQ(readAll(second), QByteArray("second"));
    EXPECT_EQ(readAll(third), QByteArray("third"));
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("Done: 0 of 3 files.\n"
                                                           "big.bin: cancelled; it is as it was.\n"
                                                           "second.txt: not started, since the run was cancelled.\n"
                                                           "third.txt: not started, since the run was cancelled."));
    EXPECT_FALSE(window->running());
    EXPECT_FALSE(window->cancelButton()->isEnabled());
}

}  // namespace
}  // namespace corvane::testing

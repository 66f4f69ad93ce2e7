// Every outcome said: the status line under the bar after each run, a
// notification when the window is not the active one, whose action shows the
// file in its folder; no dead ends after a run; help without an opener.
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "corvane/app/help_window.h"
#include "corvane/app/window_parts.h"
#include "gui/desktop_fixture.h"

namespace corvane::testing {
namespace {

class Outcome : public DesktopTest {
protected:
    QString fileWith(const char* name, const QByteArray& content) {
        folder.folder("Documents");
        const QString path = scratch(std::string("Documents/") + name);
        writeAll(path, content);
        return path;
    }

    // Runs `password` on what the window holds; `during` is called once
    // from inside the run, when the progress poll has seen it under way.
    void runAndDuring(MainWindow& window, const QString& password, const std::function<void()>& during) {
        bool called = false;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            if (!called && window.running() && window.pollTicks() > 0) {
                called = true;
                during();
            }
        });
        user.start(1);
        runWith(window, password);
        user.stop();
        ASSERT_TRUE(called);
    }
};

TEST_F(Outcome, TheStatusLineSaysItAndANotificationTooWhenTheWindowIsNotActive) {
    auto window = mainWindow();
    const QString file = fileWith("report.bin", QByteArray(32 << 20, 'r'));
    chooseFiles(*window, {file});

    // The window is the active one: the status line alone.
    runWith(*window, "a long password");
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("report.bin is encrypted."));
    EXPECT_TRUE(desktop.notifications.empty());
    // The bar and the percentage keep the last value polled.
    EXPECT_EQ(window->percentageLabel()->text(), QString::number(window->progressBar()->value()) + "%");

    // The user turns to another window during the run.
    QWidget elsewhere;
    elsewhere.show();
    runAndDuring(*window, "a long password", [&] {
        QApplication::setActiveWindow(&elsewhere);
        EXPECT_FALSE(window->isActiveWindow());
    });
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("report.bin is decrypted."));
    ASSERT_EQ(desktop.notifications.size(), 1U);
    const ShownNotification& shown = desktop.notifications.front();
    EXPECT_EQ(shown.summary, QStringLiteral("report.bin is decrypted."));
    EXPECT_TRUE(shown.body.isEmpty());
    EXPECT_EQ(shown.showLabel, QStringLiteral("Show in folder"));
    EXPECT_EQ(shown.files, QStringList{file});

    // Its action shows the file in its folder.
    desktop.invokeShowAction(0);
    ASSERT_EQ(desktop.shownInFolder.size(), 1U);
    EXPECT_EQ(desktop.shownInFolder.front(), QStringList{file});
}

// After the run nothing offers what cannot be done, and nothing said for the
// run stays behind it.
TEST_F(Outcome, AHandOverRefusedDuringARunIsNotedUntilTheRunEnds) {
    auto window = mainWindow();
    const QString file = fileWith("report.bin", QByteArray(32 << 20, 'h'));
    const QString other = fileWith("other.txt", "handed over during the run");
    chooseFiles(*window, {file});
    runAndDuring(*window, "a long password", [&] {
        EXPECT_EQ(window->takeForwardedFiles({other}), HandOver::kBusy);
        EXPECT_TRUE(window->windowNote()->isVisible());
        EXPECT_TRUE(window->windowNote()->text().startsWith(QStringLiteral("Busy: ")));
        EXPECT_FALSE(window->encDecButton()->isEnabled());
        EXPECT_FALSE(window->suggestButton()->isEnabled());
    });
    EXPECT_FALSE(window->windowNote()->isVisible());
    EXPECT_EQ(window->fileBox()->text(), file);
    EXPECT_TRUE(window->encDecButton()->isEnabled());
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Decrypt"));

    // A path edited but not taken by Enter leaves the button off.
    window->fileBox()->setFocus();
    QTest::keyClick(window->fileBox(), Qt::Key_Backspace);
    EXPECT_FALSE(window->encDecButton()->isEnabled());
}

TEST_F(Outcome, WithoutAnOpenerTheHelpPageOpensInAWindowOfTheProgram) {
    desktop.hasOpener = false;
    auto window = mainWindow();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(desktop.openedFiles, QStringList{helpFile()});  // tried first
    HelpWindow* help = window->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Ardentis Help"));
    EXPECT_EQ(help->page()->toPlainText(), [&] {
        QTextBrowser page;
        page.setHtml(QString::fromUtf8(readAll(helpFile())));
        return page.toPlainText();
    }());
    // Without the page where the settings say, the program's own copy.
    help->close();
    QFile::remove(helpFile());
    window->helpClicked();
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->page()->toPlainText().isEmpty());
}

}  // namespace
}  // namespace corvane::testing

// The main window as people reach it other than by mouse on a light screen:
// by keyboard, through a screen reader's view of it, from a second copy of the
// program, on a dark palette and on a high-density screen.
#include <QAccessible>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "corvane/app/confirm_password_dialog.h"
#include "corvane/app/instance_channel.h"
#include "corvane/app/readable_colors.h"
#include "corvane/app/single_instance.h"
#include "corvane/app/window_parts.h"
#include "gui/desktop_fixture.h"
#include "support/dark_palette.h"

namespace corvane::testing {
namespace {

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return face != nullptr ? face->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

class WindowAccess : public DesktopTest {
protected:
    QString plainFile(const char* name = "notes.txt") {
        folder.folder("Documents");
        const QString path = scratch(std::string("Documents/") + name);
        writeAll(path, "plain text that stays plain unless asked\n");
        return path;
    }

    // The accessible names the focus visits, Tab after Tab, from the file box.
    QStringList tabOrder(MainWindow& window, int presses) {
        window.fileBox()->setFocus();
        QStringList names;
        for (int i = 0; i < presses; ++i) {
            names << accessibleName(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return names;
    }
};

TEST_F(WindowAccess, EveryControlHasANameAndTabFollowsTheWindow) {
    auto window = mainWindow();
    const struct {
        PictureButton* picture;
        const char* name;
    } pictures[] = {{window->logoImage(), "Velmora Software web site"},
                    {window->helpImage(), "Help"},
                    {window->infoImage(), "Information"},
                    {window->soundImage(), "Sound on"}};
    for (const auto& p : pictures) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(p.picture);
        ASSERT_NE(face, nullptr) << p.name;
        EXPECT_EQ(face->role(), QAccessible::Button) << p.name;
        EXPECT_TRUE(face->state().focusable) << p.name;
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromLatin1(p.name));
    }
    EXPECT_EQ(accessibleName(window->fileBox()), QStringLiteral("File to encrypt or decrypt"));
    EXPECT_EQ(accessibleName(window->percentageLabel()), QStringLiteral("Progress"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->percentageLabel())->text(QAccessible::Description),
              QStringLiteral("0%"));

    // The disabled buttons are passed over until a file is chosen.
    const QStringList withoutFile = {"File to encrypt or decrypt", "Select File", "Password",
                                     "Velmora Software web site", "Help", "Information", "Sound on",
                                     "File to encrypt or decrypt"};
    EXPECT_EQ(tabOrder(*window, 8), withoutFile);
    desktop.queueFileName(plainFile());
    window->selectFileClicked();
    QStringList withFile = withoutFile;
    withFile.insert(3, "Encrypt");
    EXPECT_EQ(tabOrder(*window, 9), withFile);

    // The sound picture says what it is now.
    window->soundImage()->setFocus();
    QTest::keyClick(window->soundImage(), Qt::Key_Space);
    EXPECT_EQ(accessibleName(window->soundImage()), QStringLiteral("Sound off"));
    EXPECT_EQ(window->soundImage()->bitmapId(), 106);
    QTest::keyClick(window->soundImage(), Qt::Key_Return);
    EXPECT_EQ(accessibleName(window->soundImage()), QStringLiteral("Sound on"));
    EXPECT_EQ(window->soundImage()->bitmapId(), 105);
}

TEST_F(WindowAccess, KeysDoWhatTheMouseDoes) {
    auto window = mainWindow();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(opened(), QStringList{helpFile()});

    // A typed path counts once Enter takes it.
    QLineEdit* box = window->fileBox();
    box->setFocus();
    QTest::keyClicks(box, scratch("Documents/missing.txt"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(window->encDecButton()->isEnabled());
    EXPECT_TRUE(window->windowNote()->text().startsWith(QStringLiteral("There is no file at")));

    const QString file = plainFile();
    box->clear();
    QTest::keyClicks(box, file);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(window->encDecButton()->isEnabled());
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt"));
    EXPECT_FALSE(window->windowNote()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->passwordBox());

    // Editing the path leaves the button off until Enter takes the new one.
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_FALSE(window->encDecButton()->isEnabled());
    QTest::keyClicks(box, QStringLiteral("t"));
    EXPECT_TRUE(window->encDecButton()->isEnabled());

    // Escape presses Cancel while a run is under way.
    const QString large = scratch("Documents/large.bin");
    writeAll(large, QByteArray(48 << 20, 'e'));
    window->fileChosen(large);
    cues.played.clear();
    bool pressed = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!pressed && window->running() && window->pollTicks() > 0) {
            pressed = true;
            // The offscreen platform may hand the keyboard to the hidden
            // dialog once more; a window manager gives it to the window.
            QApplication::setActiveWindow(window.get());
            QTest::keyClick(window.get(), Qt::Key_Escape);
        }
    });
    user.start(1);
    window->passwordBox()->setText("secret1");
    window->encDecClicked();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->confirmDialog()));
    QTest::keyClicks(window->confirmDialog()->againBox(), "secret1");
    QTest::keyClick(window->confirmDialog()->againBox(), Qt::Key_Return);
    user.stop();
    ASSERT_TRUE(pressed);
    EXPECT_EQ(cues.played, (std::vector<int>{cue::kRunStarts, cue::kCancelled}));
    EXPECT_FALSE(readAll(large).startsWith("xjeS"));
    // Outside a run Escape does nothing.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(cues.played.size(), 2U);

    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowAccess, ASecondCopyHandsItsFileToTheRunningWindow) {
    const std::string runtime = folder.folder("runtime");
    QFile::setPermissions(QString::fromStdString(runtime), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    korbit::testing::ScopedVariable runtimeDir{"XDG_RUNTIME_DIR", runtime};
    auto window = mainWindow();
    ASSERT_EQ(runtimeFolder().path, QString::fromStdString(runtime)) << runtimeFolder().problem.toStdString();
    const SingleInstance lock(QString::fromStdString(runtime), QStringLiteral("corvane"));
    ASSERT_TRUE(lock.acquired());
    const InstanceServer server(QString::fromStdString(runtime), QStringLiteral("corvane"),
                                [&](const QStringList& files) { return window->takeForwardedFiles(files); });
    ASSERT_TRUE(server.listening());

    // `corvane ARGUMENTS` as a user starts it; its exit status and what it said.
    const auto second = [](const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(CORVANE_PROGRAM), arguments);
        QSignalSpy finished(&process, &QProcess::finished);
        EXPECT_TRUE(finished.wait(20'000)) << arguments.join(' ').toStdString();
        return std::make_pair(process.exitCode(), QString::fromUtf8(process.readAllStandardError()));
    };

    const QString file = plainFile();
    EXPECT_EQ(second({file}).first, 0);
    EXPECT_EQ(window->fileBox()->text(), file);
    EXPECT_TRUE(window->encDecButton()->isEnabled());

    // No file: the window is only raised.
    EXPECT_EQ(second({}).first, 0);
    EXPECT_EQ(window->fileBox()->text(), file);

    // While the window asks for the password again it takes nothing, and says so.
    const QString other = plainFile("other.txt");
    window->passwordBox()->setText("secret1");
    window->encDecClicked();
    ASSERT_TRUE(window->confirmDialog()->isVisible());
    const auto [busyStatus, busySaid] = second({other});
    EXPECT_EQ(busyStatus, 1);
    EXPECT_TRUE(busySaid.startsWith("corvane: the running copy is busy")) << busySaid.toStdString();
    EXPECT_EQ(window->fileBox()->text(), file);
    EXPECT_TRUE(window->windowNote()->text().startsWith(QStringLiteral("Busy: "))) << window->windowNote()->text().toStdString();
    window->confirmDialog()->reject();

    const auto [missingStatus, missingSaid] = second({scratch("Documents/missing.txt")});
    EXPECT_EQ(missingStatus, 1);
    EXPECT_TRUE(missingSaid.contains("is not a file")) << missingSaid.toStdString();

    EXPECT_EQ(second({other}).first, 0);
    EXPECT_EQ(window->fileBox()->text(), other);
    EXPECT_FALSE(window->windowNote()->isVisible());
}

// Restores the application's palette when a test is done with a dark one.
struct PaletteGuard {
    QPalette saved = QApplication::palette();
    ~PaletteGuard() { QApplication::setPalette(saved); }
};

TEST_F(WindowAccess, OnADarkPaletteTheWindowsHuesTurnLighterAndReadable) {
    const PaletteGuard guard;
    auto window = mainWindow();
    desktop.queueFileName(plainFile());
    window->selectFileClicked();
    QLabel* warning = window->warningLabel();
    XjButton* button = window->encDecButton();
    const auto text = [](QWidget* w, QPalette::ColorRole role) { return w->palette().color(QPalette::Active, role); };

    // Light: the window's own colours, exactly.
    EXPECT_EQ(text(warning, QPalette::WindowText), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(text(button, QPalette::ButtonText), QColor(0x00, 0x00, 0x80));

    QApplication::setPalette(darkPalette());
    const QColor darkRed = text(warning, QPalette::WindowText);
    EXPECT_GE(contrastRatio(darkRed, text(warning, QPalette::Window)), kMinimumContrast);
    EXPECT_EQ(darkRed.hslHue(), 0);
    const QColor darkBlue = text(button, QPalette::ButtonText);
    EXPECT_GE(contrastRatio(darkBlue, text(button, QPalette::Button)), kMinimumContrast);
    EXPECT_EQ(darkBlue.hslHue(), 240);

    // The caption set on a dark palette: dark green made lighter.
    window->passwordBox()->setText("secret1");
    window->encDecClicked();
    QTest::keyClicks(window->confirmDialog()->againBox(), "secret1");
    QTest::keyClick(window->confirmDialog()->againBox(), Qt::Key_Return);
    ASSERT_EQ(button->text(), QStringLiteral("Decrypt"));
    const QColor darkGreen = text(button, QPalette::ButtonText);
    EXPECT_GE(contrastRatio(darkGreen, text(button, QPalette::Button)), kMinimumContrast);
    EXPECT_EQ(darkGreen.hslHue(), 120);
    EXPECT_EQ(button->captionColor(), MainWindow::kDecryptColor);

    QApplication::setPalette(guard.saved);
    EXPECT_EQ(text(warning, QPalette::WindowText), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(text(button, QPalette::ButtonText), QColor(0x00, 0x40, 0x00));
}

// `widget` painted at `ratio` device pixels per logical pixel, on nothing.
QImage paintedAt(QWidget* widget, qreal ratio) {
    QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// `picture` drawn where a picture button draws it, at `ratio`.
QImage expectedAt(QWidget* widget, const QPixmap& picture, qreal ratio) {
    QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QSize size = picture.deviceIndependentSize().toSize();
    painter.drawPixmap(QPoint((widget->width() - size.width()) / 2, (widget->height() - size.height()) / 2), picture);
    return image;
}

TEST_F(WindowAccess, PicturesArePaintedFromTheDrawingForTheScreensScale) {
    auto window = mainWindow();
    PictureButton* help = window->helpImage();
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const QImage painted = paintedAt(help, ratio);
        EXPECT_EQ(painted.size(), help->size() * ratio);
        EXPECT_EQ(painted, expectedAt(help, bitmapResource(104, ratio), ratio)) << ratio;
    }
    // At 2 that is the 2x drawing, not the 1x one stretched.
    QPixmap stretched = bitmapResource(104, 1.0).scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    stretched.setDevicePixelRatio(2.0);
    EXPECT_NE(paintedAt(help, 2.0), expectedAt(help, stretched, 2.0));
    EXPECT_EQ(bitmapResource(104, 1.5).size(), QSize(48, 48));
    EXPECT_EQ(bitmapResource(104, 1.5).devicePixelRatio(), 1.5);

    // With the focus, a ring around it shows where the keyboard is.
    const QImage unfocused = paintedAt(help, 1.0);
    help->setFocus();
    ASSERT_TRUE(help->hasFocus());
    EXPECT_NE(paintedAt(help, 1.0), unfocused);
}

}  // namespace
}  // namespace corvane::testing

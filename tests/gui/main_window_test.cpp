// The main window as a user drives it: choosing files, the password rule, a
// run in each direction and what the window says of it, a wrong password,
// Cancel in the middle of a run, the pictures, help and the sound setting.
#include <QCryptographicHash>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>
#include <string>

#include "corvane/app/branding.h"
#include "corvane/app/confirm_password_dialog.h"
#include "corvane/app/password_meter.h"
#include "corvane/app/window_parts.h"
#include "corvane/tooltip/tooltip_module.h"
#include "gui/desktop_fixture.h"
#include "korbit/control/values/host.h"

namespace corvane::testing {
namespace {

namespace box = korbit::control::box;

const QByteArray kMagic("xjeS");

class MainWindowTest : public DesktopTest {
protected:
    QString plainFile(const QByteArray& content = "The quick brown fox jumps over the lazy dog.\n") {
        const QString path = scratch("Documents/report.txt");
        folder.folder("Documents");
        writeAll(path, content);
        return path;
    }

    void choose(MainWindow& window, const QString& path) { chooseFiles(window, {path}); }

    void setSoundToggle(const QString& value) {
        const QByteArray settings = readAll(iniFile());
        QByteArray changed = settings;
        changed.replace("SOUNDTOGGLE=1", "SOUNDTOGGLE=" + value.toUtf8());
        writeAll(iniFile(), changed);
    }
};

TEST_F(MainWindowTest, ChoosingAPlainFileOffersEncryptInDarkBlue) {
    const QString desktopFolder = scratch("Desktop");
    folder.folder("Desktop");
    auto window = mainWindow();
    EXPECT_FALSE(window->encDecButton()->isEnabled());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Ardentis \u2122"));

    const QString file = plainFile();
    choose(*window, file);
    EXPECT_EQ(window->fileBox()->text(), file);
    EXPECT_TRUE(window->encDecButton()->isEnabled());
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt"));
    EXPECT_EQ(window->encDecButton()->captionColor(), MainWindow::kEncryptColor);
    EXPECT_TRUE(window->encryptMode());
    EXPECT_EQ(QApplication::focusWidget(), window->passwordBox());
    EXPECT_EQ(cues.played, std::vector<int>{cue::kClicked});

    // The first dialog starts on the desktop, later ones in the folder of
    // the file chosen last, whichever way it came.
    choose(*window, file);
    const QString elsewhere = scratch("Elsewhere/dropped.txt");
    folder.folder("Elsewhere");
    writeAll(elsewhere, "a file from another folder");
    window->fileChosen(elsewhere);
    choose(*window, file);
    const QStringList folders = desktop.takeOpenFolders();
    ASSERT_EQ(folders.size(), 3);
    EXPECT_TRUE(folders[0] == desktopFolder || folders[0] == desktopFolder + "/") << folders[0].toStdString();
    EXPECT_EQ(folders[1], scratch("Documents"));
    EXPECT_EQ(folders[2], scratch("Elsewhere"));
}

TEST_F(MainWindowTest, ChoosingAContainerOffersDecryptInDarkGreen) {
    auto window = mainWindow();
    const QString file = plainFile();
    choose(*window, file);
    runWith(*window, "secret1");
    ASSERT_TRUE(readAll(file).startsWith(kMagic));

    auto fresh = mainWindow();
    choose(*fresh, file);
    EXPECT_EQ(fresh->encDecButton()->text(), QStringLiteral("Decrypt"));
    EXPECT_EQ(fresh->encDecButton()->captionColor(), MainWindow::kDecryptColor);
    EXPECT_FALSE(fresh->encryptMode());
}

// A file the user cannot have encrypted is refused with its reason when it is
// chosen, and again when the button is pressed; no password is asked for.
TEST_F(MainWindowTest, AFileThatCannotBeChangedIsRefusedWhenChosenAndWhenPressed) {
    auto window = mainWindow();
    choose(*window, QStringLiteral("/proc/self/status"));
    EXPECT_TRUE(window->windowNote()->isVisible());
    EXPECT_EQ(window->windowNote()->text(),
              QStringLiteral("/proc/self/status is an interface of the system's kernel (proc), not a file on a disk: "
                             "it cannot be encrypted."));
    EXPECT_FALSE(window->encDecButton()->isEnabled());

    const QString file = plainFile();
    choose(*window, file);
    EXPECT_FALSE(window->windowNote()->isVisible());
    ASSERT_TRUE(window->encDecButton()->isEnabled());
    QFile::remove(file);
    folder.folder("Documents/report.txt");  // a folder where the file was
    runWith(*window, QStringLiteral("secret1"));
    const std::vector<ShownBox> boxes = desktop.takeShownBoxes();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, file + QStringLiteral(" is a folder: only files can be encrypted."));
    EXPECT_EQ(boxes[0].style, box::kExclamation | box::kOkOnly);
    EXPECT_EQ(window->confirmDialog(), nullptr);  // the password was not asked for again
}

TEST_F(MainWindowTest, ClosingTheDialogWithoutAChoiceChangesNothing) {
    folder.folder("Desktop");
    auto window = mainWindow();
    QTest::mouseClick(window->selectFileButton(), Qt::LeftButton);  // nothing queued: cancelled
    EXPECT_TRUE(window->fileBox()->text().isEmpty());
    EXPECT_FALSE(window->encDecButton()->isEnabled());
    EXPECT_EQ(desktop.takeOpenFolders().size(), 1);

    // Still the first choice: the next dialog starts on the desktop again.
    QTest::mouseClick(window->selectFileButton(), Qt::LeftButton);
    EXPECT_FALSE(desktop.takeOpenFolders().front().isEmpty());
}

TEST_F(MainWindowTest, AShortPasswordIsRefusedWithABoxAndNothingElseHappens) {
    auto window = mainWindow();
    const QByteArray original = "short password, plain file";
    const QString file = plainFile(original);
    choose(*window, file);
    cues.played.clear();

    runWith(*window, QStringLiteral("abcde"));
    const std::vector<ShownBox> boxes = desktop.takeShownBoxes();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Passwords must be 6 or more characters!"));
    EXPECT_EQ(boxes[0].style, box::kInformation | box::kOkOnly);
    EXPECT_EQ(boxes[0].title, QStringLiteral(" Ardentis \u2122"));
    EXPECT_TRUE(cues.played.empty());
    EXPECT_EQ(readAll(file), original);
    EXPECT_EQ(window->fileBox()->text(), file);
    EXPECT_EQ(window->passwordBox()->text(), QStringLiteral("abcde"));
    EXPECT_TRUE(window->encDecButton()->isEnabled());
    EXPECT_FALSE(window->cancelButton()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), window->passwordBox());

    // Characters are counted, not bytes or code units.
    runWith(*window, QStringLiteral("\u00e9\u00e9\u00e9\U0001F511\U0001F511"));
    EXPECT_EQ(desktop.takeShownBoxes().size(), 1U);
    EXPECT_EQ(readAll(file), original);
}

TEST_F(MainWindowTest, TheBoxTakesNoMoreThanTwentySixCharactersAndSaysSoWithoutMovingAnything) {
    auto window = mainWindow();
    choose(*window, plainFile());
    QLineEdit* box = window->passwordBox();
    QLabel* note = window->passwordNote();
    const QString refused = QStringLiteral("Not taken: a password has at most 26 characters.");
    const QString otherScripts = QStringLiteral("\u00e9 is fine; letters from other scripts do not all count.");
    // Where everything is before a key is pressed.
    const QSize windowSize = window->size();
    const QRect buttonPlace = window->encDecButton()->geometry();
    const QRect barPlace = window->progressBar()->geometry();
    const auto nothingMoved = [&] {
        QApplication::processEvents();
        return window->size() == windowSize && window->encDecButton()->geometry() == buttonPlace &&
               window->progressBar()->geometry() == barPlace;
    };

    EXPECT_TRUE(note->text().isEmpty());
    QTest::keyClicks(box, QString(30, 'k'));
    EXPECT_EQ(box->text(), QString(26, 'k'));
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    EXPECT_EQ(note->text(), refused);
    EXPECT_TRUE(nothingMoved());

    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_TRUE(note->text().isEmpty());
    QTest::keyClick(box, 'z');
    EXPECT_EQ(note->text(), QStringLiteral("26 characters: the most a password can have."));

    // A pasted passphrase that does not fit is refused whole, not cut.
    box->clear();
    box->insert(QString(40, 'p'));
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(note->text(), refused);

    // Characters count, not 16-bit units; letters of other scripts are
    // named in plain words, and the longest notes fit their place.
    const QString key = QStringLiteral("\U0001F511");
    box->clear();
    for (int i = 0; i < 27; ++i) {
        box->insert(key);
    }
    EXPECT_EQ(box->text(), key.repeated(26));
    EXPECT_EQ(note->text(), refused + "\n" + otherScripts);
    EXPECT_LE(note->heightForWidth(note->width()), note->height());
    EXPECT_FALSE(note->toolTip().isEmpty());
    EXPECT_TRUE(nothingMoved());
    box->setText(QStringLiteral("\u00e9t\u00e9 \u00e0 Paris"));
    EXPECT_TRUE(note->text().isEmpty());
    EXPECT_TRUE(nothingMoved());
}

TEST_F(MainWindowTest, EncryptingAsksForThePasswordAgainAndRunsOnlyOnAMatch) {
    auto window = mainWindow();
    const QByteArray original = "a file worth a second look at the password\n";
    const QString file = plainFile(original);
    choose(*window, file);
    cues.played.clear();

    window->passwordBox()->setText("secret1");
    QTest::mouseClick(window->encDecButton(), Qt::LeftButton);
    ConfirmPasswordDialog* confirm = window->confirmDialog();
    ASSERT_NE(confirm, nullptr);
    EXPECT_TRUE(confirm->isVisible());
    EXPECT_TRUE(confirm->isModal());
    EXPECT_EQ(confirm->focusWidget(), confirm->againBox());
    // The same estimate as the window's meter.
    EXPECT_EQ(confirm->strengthHint()->text(), QStringLiteral("Weak: one graphics card could guess it in less than a second."));
    EXPECT_EQ(confirm->strengthHint()->text(), window->strengthMeter()->text());
    EXPECT_FALSE(confirm->latin1Warning()->isVisible());
    EXPECT_TRUE(cues.played.empty());  // nothing before the confirmation

    // A mismatch says so, runs nothing and lets the user type again.
    QTest::keyClicks(confirm->againBox(), "secret2");
    QTest::keyClick(confirm->againBox(), Qt::Key_Return);
    EXPECT_TRUE(confirm->isVisible());
    EXPECT_TRUE(confirm->mismatchNote()->isVisible());
    EXPECT_TRUE(confirm->againBox()->text().isEmpty());
    EXPECT_EQ(readAll(file), original);

    // Escape: nothing runs, both boxes keep what they hold.
    QTest::keyClick(confirm->againBox(), Qt::Key_Escape);
    EXPECT_FALSE(confirm->isVisible());
    EXPECT_EQ(readAll(file), original);
    EXPECT_EQ(window->passwordBox()->text(), QStringLiteral("secret1"));
    EXPECT_EQ(window->fileBox()->text(), file);
    EXPECT_TRUE(window->encDecButton()->isEnabled());
    EXPECT_TRUE(cues.played.empty());
    EXPECT_TRUE(desktop.takeShownBoxes().empty());

    // The same password twice: the run.
    runWith(*window, "secret1");
    EXPECT_FALSE(confirm->isVisible());
    EXPECT_FALSE(confirm->mismatchNote()->isVisible());
    EXPECT_TRUE(readAll(file).startsWith(kMagic));
    EXPECT_EQ(cues.played, (std::vector<int>{cue::kRunStarts, cue::kRunSucceeded}));

    // Decrypting never asks twice.
    QTest::mouseClick(window->encDecButton(), Qt::LeftButton);
    EXPECT_FALSE(confirm->isVisible());
    EXPECT_EQ(readAll(file), original);

    // The dialog names characters whose upper bits do not count.
    window->passwordBox()->setText(QStringLiteral("\u0444\u0444\u0444\u0444\u0444\u0444"));
    QTest::mouseClick(window->encDecButton(), Qt::LeftButton);
    EXPECT_TRUE(confirm->latin1Warning()->isVisible());
    confirm->reject();
}

TEST_F(MainWindowTest, SixCharactersEncryptAndThenDecryptTheFileInPlace) {
    auto window = mainWindow();
    QByteArray original;
    for (int i = 0; i < 5000; ++i) {
        original += QByteArray::number(i) + ' ';
    }
    const QString file = plainFile(original);
    choose(*window, file);
    cues.played.clear();

    runWith(*window, QStringLiteral("secret"));
    EXPECT_TRUE(desktop.takeShownBoxes().empty());
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("report.txt is encrypted."));
    const QByteArray container = readAll(file);
    EXPECT_TRUE(container.startsWith(kMagic));
    EXPECT_FALSE(container.contains("4999"));
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Decrypt"));
    EXPECT_EQ(window->encDecButton()->captionColor(), MainWindow::kDecryptColor);
    EXPECT_TRUE(window->encDecButton()->isEnabled());
    EXPECT_FALSE(window->cancelButton()->isEnabled());
    EXPECT_FALSE(window->pollActive());
    EXPECT_EQ(window->fileBox()->text(), file);
    EXPECT_EQ(window->passwordBox()->text(), QStringLiteral("secret"));
    EXPECT_EQ(cues.played, (std::vector<int>{cue::kRunStarts, cue::kRunSucceeded}));

    // Enter in the password box presses the button: back to the plain file.
    QTest::keyClick(window->passwordBox(), Qt::Key_Return);
    EXPECT_EQ(readAll(file), original);
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("report.txt is decrypted."));
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt"));
    EXPECT_EQ(window->encDecButton()->captionColor(), MainWindow::kEncryptColor);
    EXPECT_TRUE(window->encryptMode());
}

TEST_F(MainWindowTest, AWrongPasswordShowsTheControlsBoxAndEmptiesBothBoxes) {
    auto window = mainWindow();
    const QString file = plainFile();
    choose(*window, file);
    runWith(*window, "right password");
    const QByteArray container = readAll(file);
    cues.played.clear();

    runWith(*window, "wrong password");
    const std::vector<ShownBox> boxes = desktop.takeShownBoxes();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Invalid Password!!!"));
    EXPECT_EQ(boxes[0].style, box::kExclamation);
    EXPECT_EQ(boxes[0].title, QStringLiteral(" Ardentis \u2122"));
    EXPECT_TRUE(window->fileBox()->text().isEmpty());
    EXPECT_TRUE(window->passwordBox()->text().isEmpty());
    EXPECT_FALSE(window->encDecButton()->isEnabled());
    EXPECT_FALSE(window->cancelButton()->isEnabled());
    EXPECT_FALSE(window->pollActive());
    EXPECT_EQ(readAll(file), container);
    EXPECT_EQ(cues.played, std::vector<int>{cue::kRunStarts});
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("Wrong password: nothing was changed."));
}

TEST_F(MainWindowTest, CancelDuringARunLeavesTheFileAsItWasAndEmptiesTheBoxes) {
    auto window = mainWindow();
    const QString file = plainFile(QByteArray(48 << 20, 'p'));
    const QByteArray before = QCryptographicHash::hash(readAll(file), QCryptographicHash::Sha256);
    choose(*window, file);
    cues.played.clear();

    // Cancel is pressed from inside the run, once the progress poll has seen
    // the run under way. The action button stays off: the run is ending, and
    // the file box is emptied when it has.
    bool pressed = false;
    bool enabledDuringRun = true;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!pressed && window->running() && window->pollTicks() > 0 && window->cancelButton()->isEnabled()) {
            pressed = true;
            QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
            enabledDuringRun = window->encDecButton()->isEnabled();
        }
    });
    user.start(1);
    runWith(*window, "secret1");
    user.stop();

    ASSERT_TRUE(pressed);
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_EQ(QCryptographicHash::hash(readAll(file), QCryptographicHash::Sha256), before);
    EXPECT_TRUE(window->fileBox()->text().isEmpty());
    EXPECT_TRUE(window->passwordBox()->text().isEmpty());
    EXPECT_FALSE(window->encDecButton()->isEnabled());  // no dead end: nothing is named to run on
    EXPECT_FALSE(window->cancelButton()->isEnabled());
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("Cancelled: report.txt is as it was."));
    EXPECT_FALSE(window->pollActive());
    EXPECT_EQ(cues.played, (std::vector<int>{cue::kRunStarts, cue::kCancelled}));
    // The label keeps the last polled value.
    EXPECT_EQ(window->percentageLabel()->text(), QString::number(window->progressBar()->value()) + "%");
    EXPECT_TRUE(desktop.takeShownBoxes().empty());
}

TEST_F(MainWindowTest, CancelWhileIdleRelabelsFromTheFile) {
    auto window = mainWindow();
    const QString file = plainFile();
    choose(*window, file);
    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);  // disabled: nothing happens
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt"));
    window->cancelClicked();
    EXPECT_TRUE(window->encDecButton()->isEnabled());
    EXPECT_EQ(window->fileBox()->text(), file);
}

TEST_F(MainWindowTest, ClosingTheWindowDuringARunCancelsItAndThenCloses) {
    auto window = mainWindow();
    const QString file = plainFile(QByteArray(48 << 20, 'c'));
    choose(*window, file);
    bool closed = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!closed && window->running() && window->pollTicks() > 0) {
            closed = true;
            window->close();
            EXPECT_TRUE(window->isVisible());  // not while the run is on the stack
        }
    });
    user.start(1);
    runWith(*window, "secret1");
    user.stop();
    ASSERT_TRUE(closed);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(readAll(file).startsWith(kMagic));
}

TEST_F(MainWindowTest, TheSoundSettingIsReadForEveryCueAndSurvivesARestart) {
    auto window = mainWindow();
    EXPECT_EQ(window->soundImage()->bitmapId(), 105);
    QTest::mouseClick(window->soundImage(), Qt::LeftButton);
    EXPECT_EQ(window->soundImage()->bitmapId(), 106);
    EXPECT_TRUE(readAll(iniFile()).contains("SOUNDTOGGLE=0"));
    EXPECT_TRUE(cues.played.empty());

    window.reset();
    auto restarted = mainWindow();
    EXPECT_EQ(restarted->soundImage()->bitmapId(), 106);
    choose(*restarted, plainFile());
    EXPECT_TRUE(cues.played.empty());

    QTest::mouseClick(restarted->soundImage(), Qt::LeftButton);
    EXPECT_EQ(restarted->soundImage()->bitmapId(), 105);
    EXPECT_TRUE(readAll(iniFile()).contains("SOUNDTOGGLE=1"));
    choose(*restarted, plainFile());
    EXPECT_EQ(cues.played, std::vector<int>{cue::kClicked});
}

TEST_F(MainWindowTest, ASettingThatCannotBeSavedIsShownNotSwallowed) {
    auto window = mainWindow();
    desktop.takeShownBoxes();
    const QByteArray settings = readAll(iniFile());
    ASSERT_TRUE(QFile(iniFile()).setPermissions(QFile::ReadOwner | QFile::ReadGroup));  // marked read-only
    QTest::mouseClick(window->soundImage(), Qt::LeftButton);

    const std::vector<ShownBox> boxes = desktop.takeShownBoxes();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("The Korbit control could not complete ProfileSaveItem: ")))
        << boxes[0].text.toStdString();
    EXPECT_TRUE(boxes[0].text.contains(iniFile())) << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[0].style, korbit::control::box::kCritical);
    EXPECT_EQ(readAll(iniFile()), settings);
}

TEST_F(MainWindowTest, AMissingOrNonNumericSoundSettingMeansSilence) {
    for (const QString& value : {QStringLiteral("abc"), QStringLiteral(""), QStringLiteral("2")}) {
        startUp();
        setSoundToggle(value);
        cues.played.clear();
        auto window = mainWindow();
        EXPECT_EQ(window->soundImage()->bitmapId(), 106) << value.toStdString();
        choose(*window, plainFile());
        QTest::mouseClick(window->soundImage(), Qt::LeftButton);  // turns it on
        EXPECT_EQ(window->soundImage()->bitmapId(), 105);
        EXPECT_TRUE(cues.played.empty()) << value.toStdString();
        window.reset();
        QFile::remove(iniFile());
    }
}

TEST_F(MainWindowTest, TheHelpPictureOpensTheHelpPageAndTheLogoTheMakersAddress) {
    auto window = mainWindow();
    window->helpClicked();
    EXPECT_EQ(desktop.openedFiles, QStringList{helpFile()});
    EXPECT_EQ(window->helpWindow(), nullptr);
    window->logoClicked();
    ASSERT_EQ(desktop.openedUrls.size(), 1U);
    EXPECT_EQ(desktop.openedUrls[0].toString(), branding::kMakerWebAddress);
    EXPECT_EQ(cues.played, (std::vector<int>{cue::kClicked, cue::kLogo}));
}

TEST_F(MainWindowTest, TheInformationWindowIsModalAndShowsTheHeading) {
    auto window = mainWindow();
    QString caption;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        caption = shown->windowTitle();
        modal = shown->isModal();
        auto* image = shown->findChild<Picture*>(QStringLiteral("Image1"));
        EXPECT_TRUE(image != nullptr && image->bitmapId() == 103);
        shown->close();
    });
    window->infoClicked();
    EXPECT_EQ(caption, QStringLiteral(" Ardentis \u2122"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(cues.played, std::vector<int>{cue::kClicked});
}

TEST_F(MainWindowTest, DroppingAFileSelectsItAsTheDialogWould) {
    auto window = mainWindow();
    const QString file = plainFile();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(window->fileBox()->text(), file);
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt"));
    EXPECT_TRUE(window->encDecButton()->isEnabled());

    // A folder is not taken; two files are, both.
    QMimeData folderOnly;
    folderOnly.setUrls({QUrl::fromLocalFile(scratch("Documents"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &folderOnly, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());

    const QString other = scratch("Documents/other.txt");
    writeAll(other, "another file");
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(other), QUrl::fromLocalFile(file)});
    QDragEnterEvent enterTwo(QPoint(10, 10), Qt::CopyAction, &two, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enterTwo);
    EXPECT_TRUE(enterTwo.isAccepted());
    QDropEvent dropTwo(QPointF(10, 10), Qt::CopyAction, &two, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &dropTwo);
    EXPECT_EQ(window->fileBox()->text(), QStringLiteral("2 files: other.txt, report.txt"));
    EXPECT_EQ(window->selection().paths(), (QStringList{other, file}));
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt 2 files"));
    EXPECT_TRUE(window->encDecButton()->isEnabled());
    EXPECT_FALSE(window->windowNote()->isVisible());
}

// A name is bytes: one that is no UTF-8 arrives from a file manager's drop
// as its percent-encoded bytes, and is encrypted and decrypted under its own
// name; the window's notes show such bytes as \xE9.
TEST_F(MainWindowTest, AFileWhoseNameIsNoUtf8IsDroppedEncryptedAndDecrypted) {
    auto window = mainWindow();
    const std::string folderBytes = folder.folder("Documents");
    const std::string fileBytes = folderBytes + "/caf\xE9.txt";
    std::ofstream(fileBytes, std::ios::binary) << "plain text under a Latin-1 name\n";
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"),
                 "file://" + QByteArray::fromStdString(fileBytes).toPercentEncoding("/") + "\r\n");
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    const QString chosen = QString::fromStdString(folderBytes) + QStringLiteral("/caf") + QChar(0xDCE9) + ".txt";
    EXPECT_EQ(window->fileBox()->text(), chosen);
    EXPECT_EQ(window->encDecButton()->text(), QStringLiteral("Encrypt"));

    runWith(*window, QStringLiteral("secret"));
    EXPECT_TRUE(desktop.takeShownBoxes().empty());
    std::ifstream container(fileBytes, std::ios::binary);
    std::string magic(4, '\0');
    container.read(magic.data(), 4);
    EXPECT_EQ(magic, "xjeS");
    runWith(*window, QStringLiteral("secret"));
    std::ifstream plain(fileBytes, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(plain), {}), "plain text under a Latin-1 name\n");

    const QString gone = QString::fromStdString(folderBytes) + QStringLiteral("/gon") + QChar(0xDCE9);
    EXPECT_EQ(window->takeForwardedFiles({gone}), HandOver::kNotAFile);
    EXPECT_EQ(window->windowNote()->text(),
              QStringLiteral("There is no file at \u201c%1/gon\\xE9\u201d.").arg(QString::fromStdString(folderBytes)));
}

TEST_F(MainWindowTest, TheWarningGrowsWhilePressedAndTheFileBoxTipFollowsItsText) {
    auto window = mainWindow();
    QLabel* warning = window->warningLabel();
    EXPECT_EQ(warning->font().pointSizeF(), 6.75);
    QTest::mousePress(warning, Qt::LeftButton);
    EXPECT_TRUE(warning->font().bold());
    EXPECT_EQ(warning->font().pointSizeF(), 9.0);
    QTest::mouseRelease(warning, Qt::LeftButton);
    EXPECT_FALSE(warning->font().bold());
    EXPECT_EQ(warning->font().pointSizeF(), 7.0);

    const QString file = plainFile();
    choose(*window, file);
    QTest::mouseMove(window->fileBox(), QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), QPointF(6, 6), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window->fileBox(), &move);
    EXPECT_EQ(window->fileBox()->toolTip(), file);
}


TEST_F(MainWindowTest, MovingOverThePasswordBoxRaisesItsTip) {
    auto window = mainWindow();
    QPoint& cursor = desktop.pointer;
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), QPointF(4, 4), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window->passwordBox(), &move);
    QWidget* tip = currentToolTip();
    ASSERT_NE(tip, nullptr);
    auto* title = tip->findChild<QLabel*>(QStringLiteral("corvaneToolTipTitle"));
    auto* text = tip->findChild<QLabel*>(QStringLiteral("corvaneToolTipText"));
    ASSERT_TRUE(title != nullptr && text != nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("Password Entry"));
    EXPECT_EQ(text->text(), QStringLiteral("Passwords are case sensitive and must be 6 or more characters!"));

    // It moves on: a fresh tip; the window closes: none.
    cursor += QPoint(1, 0);
    QApplication::sendEvent(window->passwordBox(), &move);
    EXPECT_NE(currentToolTip(), nullptr);
    window.reset();
    EXPECT_EQ(currentToolTip(), nullptr);
}


TEST_F(MainWindowTest, PressingTheButtonAgainInsideACancelledRunIsRefusedAndNothingIsLost) {
    auto window = mainWindow();
    const QByteArray original(32 << 20, 'r');
    const QString file = plainFile(original);
    choose(*window, file);
    bool pressedTwice = false;
    bool nestedRunReturned = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!pressedTwice && window->running() && window->pollTicks() > 0) {
            pressedTwice = true;
            window->cancelClicked();
            EXPECT_FALSE(window->encDecButton()->isEnabled());
            window->encDecClicked();  // a press that reaches the window all the same starts nothing
            nestedRunReturned = true;
            EXPECT_TRUE(window->running());  // the first run is still on the stack
        }
    });
    user.start(1);
    runWith(*window, "secret1");
    user.stop();
    ASSERT_TRUE(pressedTwice && nestedRunReturned);
    EXPECT_FALSE(window->running());
    EXPECT_FALSE(window->pollActive());
    EXPECT_FALSE(window->cancelButton()->isEnabled());
    EXPECT_TRUE(window->fileBox()->text().isEmpty());
    EXPECT_EQ(readAll(file), original);
    EXPECT_TRUE(desktop.takeShownBoxes().empty());
}

}  // namespace
}  // namespace corvane::testing

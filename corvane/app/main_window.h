// Form1, the working window: pick a file, type a password, press one button.
// The button encrypts a plain file or decrypts a container, in place, through
// the window's own control, while a 1 ms timer polls the progress and Cancel
// stays live. Encrypting asks for the password a second time first.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

#include "corvane/app/instance_channel.h"

namespace corvane {

class ConfirmPasswordDialog;
class WindowControl;
class Desktop;
class CuePlayer;
class Picture;
class PictureButton;
class QtHost;
class XjButton;
class XjFrame;
class XjProgressBar;

// Sound cues by event.
namespace cue {
inline constexpr int kRunSucceeded = 101;
inline constexpr int kRunStarts = 102;
inline constexpr int kClicked = 103;
inline constexpr int kCancelled = 104;
inline constexpr int kLogo = 105;
}  // namespace cue

class MainWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr std::uint32_t kDecryptColor = 0x004000;  // dark green
    static constexpr std::uint32_t kEncryptColor = 0x800000;  // dark blue
    static constexpr int kMinimumPassword = 6;
    static constexpr int kMaximumPassword = 26;

    // `iniFile`: the settings file every settings access goes to. `cues`
    // plays the sound cues and must outlive the window. Throws what creating
    // the control throws.
    // The window's dialogs, opener and pointer are `desktop`'s, and its
    // sounds `cues`'; both must outlive it.
    MainWindow(const QString& iniFile, CuePlayer& cues, Desktop& desktop, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Replaces how the maker's web address is opened (tests).

    // The user's actions, as the buttons, pictures and drops trigger them.
    void selectFileClicked();
    void encDecClicked();
    void cancelClicked();
    void helpClicked();
    void infoClicked();
    void soundClicked();
    void logoClicked();
    // A file given by a drop (or on the command line): as chosen in the dialog.
    void fileChosen(const QString& path);
    // Enter in the file box: the typed path, when it names a file, as chosen.
    void typedPathEntered();
    // Files handed over by a second copy of the program (none: the window is
    // only to be seen). Raises the window; selects one file when no run and
    // no dialog is under way, otherwise says in the window that it is busy;
    // of several files it selects none and says it takes one at a time.
    HandOver takeForwardedFiles(const QStringList& paths);

    // For tests and the curious.
    XjButton* encDecButton() const { return encDecButton_; }
    XjButton* cancelButton() const { return cancelButton_; }
    XjButton* selectFileButton() const { return selectFileButton_; }
    QLineEdit* fileBox() const { return myFileTxt_; }
    QLineEdit* passwordBox() const { return passwordTxt_; }
    QLabel* percentageLabel() const { return percentageLabel_; }
    QLabel* warningLabel() const { return label6_; }
    QLabel* passwordNote() const { return passwordNote_; }
    QLabel* windowNote() const { return windowNote_; }
    XjProgressBar* progressBar() const { return progressBar_; }
    PictureButton* logoImage() const { return image1_; }
    PictureButton* helpImage() const { return helpImage_; }
    PictureButton* infoImage() const { return infoImage_; }
    PictureButton* soundImage() const { return soundImage_; }
    // The dialog that asks for the password again; null until first asked.
    ConfirmPasswordDialog* confirmDialog() const { return confirm_; }
    bool encryptMode() const noexcept { return encryptMode_; }
    bool running() const noexcept { return runDepth_ > 0; }
    bool pollActive() const { return timer1_.isActive(); }
    int pollTicks() const noexcept { return pollTicks_; }

signals:
    // After every progress poll, with the percentage shown.
    void progressPolled(int percent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWindow();
    void addShortcuts();
    void runRoutine();  // the run itself, once the password was accepted
    void showSoundState(bool on);
    void applyColors();
    void updatePasswordNote(bool refused);
    void showWindowNote(const QString& text);
    bool soundOn();
    void playCue(int id);
    void setMode();  // relabels the action button from the file's state
    // Why the file at `path` cannot be encrypted or decrypted by this user,
    // in a sentence; empty when it can.
    static QString refusalOf(const QString& path);
    void showMode(bool encrypt);
    void progressTick();

    QString iniFile_;
    CuePlayer& cues_;
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<WindowControl> control_;
    Desktop& desktop_;

    bool firstFileSelect_ = true;
    bool encryptMode_ = true;
    int runDepth_ = 0;  // runs on the stack: a run's yields may start another, which the control refuses
    bool closeRequested_ = false;
    bool applyingColors_ = false;
    int pollTicks_ = 0;
    QString chosenFile_;  // the file the button's caption was set for
    ConfirmPasswordDialog* confirm_ = nullptr;

    QLabel* percentageLabel_ = nullptr;
    QLineEdit* myFileTxt_ = nullptr;
    XjButton* selectFileButton_ = nullptr;
    XjFrame* frame1_ = nullptr;
    XjFrame* frame4_ = nullptr;
    QLabel* label2_ = nullptr;
    XjButton* encDecButton_ = nullptr;
    QLineEdit* passwordTxt_ = nullptr;
    QLabel* label6_ = nullptr;
    XjButton* cancelButton_ = nullptr;
    QTimer timer1_;
    QLabel* passwordNote_ = nullptr;
    QLabel* windowNote_ = nullptr;
    PictureButton* image1_ = nullptr;
    Picture* headingPictureBox_ = nullptr;
    PictureButton* helpImage_ = nullptr;
    PictureButton* infoImage_ = nullptr;
    PictureButton* soundImage_ = nullptr;
    QLabel* label1_ = nullptr;
    XjProgressBar* progressBar_ = nullptr;
};

}  // namespace corvane

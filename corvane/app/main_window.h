// Form1, the working window: pick one file or several, type a password,
// press one button. The button encrypts a plain file or decrypts a
// container, in place, through the window's own control, file after file,
// while a 1 ms timer polls the progress and Cancel stays live. Encrypting
// asks for the password a second time first. Every run ends with its outcome
// in the status line, and in a desktop notification when the window is not
// the active one.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "corvane/app/file_selection.h"
#include "corvane/app/run_report.h"
#include "corvane/app/instance_channel.h"

namespace corvane {

class ConfirmPasswordDialog;
class WindowControl;
class Desktop;
class CuePlayer;
class HelpWindow;
class PasswordMeter;
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

    // `iniFile`: the settings file every settings access goes to. The
    // window's dialogs, openers, notifications and pointer are `desktop`'s,
    // and its sounds `cues`'; both must outlive it. Throws what creating the
    // control throws.
    MainWindow(const QString& iniFile, CuePlayer& cues, Desktop& desktop, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The user's actions, as the buttons, pictures and drops trigger them.
    void selectFileClicked();
    void encDecClicked();
    void cancelClicked();
    void helpClicked();
    void infoClicked();
    void soundClicked();
    void logoClicked();
    void suggestClicked();
    // Files given by a drop or on the command line: as chosen in the dialog.
    void filesChosen(const QStringList& paths);
    void fileChosen(const QString& path) { filesChosen(path.isEmpty() ? QStringList() : QStringList{path}); }
    // Enter in the file box: the typed path, when it names a file, as chosen.
    void typedPathEntered();
    // Files handed over by a second copy of the program (none: the window is
    // only to be seen). Raises the window; selects those that are files when
    // no run and no dialog is under way, otherwise says in the window that
    // it is busy.
    HandOver takeForwardedFiles(const QStringList& paths);

    // For tests and the curious.
    XjButton* encDecButton() const { return encDecButton_; }
    XjButton* cancelButton() const { return cancelButton_; }
    XjButton* selectFileButton() const { return selectFileButton_; }
    QToolButton* showPasswordButton() const { return showPassword_; }
    QToolButton* suggestButton() const { return suggest_; }
    QLineEdit* fileBox() const { return myFileTxt_; }
    QLineEdit* passwordBox() const { return passwordTxt_; }
    PasswordMeter* strengthMeter() const { return meter_; }
    QLabel* percentageLabel() const { return percentageLabel_; }
    QLabel* warningLabel() const { return label6_; }
    QLabel* passwordNote() const { return passwordNote_; }
    QLabel* windowNote() const { return windowNote_; }
    // The outcome of the last run (toPlainText()).
    QPlainTextEdit* statusLine() const { return statusLine_; }
    XjProgressBar* progressBar() const { return progressBar_; }
    PictureButton* logoImage() const { return image1_; }
    PictureButton* helpImage() const { return helpImage_; }
    PictureButton* infoImage() const { return infoImage_; }
    PictureButton* soundImage() const { return soundImage_; }
    // The dialog that asks for the password again; null until first asked.
    ConfirmPasswordDialog* confirmDialog() const { return confirm_; }
    // The help page in a window of the program; null until no opener could
    // show it.
    HelpWindow* helpWindow() const { return helpWindow_; }
    const FileSelection& selection() const { return selection_; }
    bool encryptMode() const noexcept { return encryptMode_; }
    bool running() const noexcept { return runDepth_ > 0; }
    bool pollActive() const { return timer1_.isActive(); }
    int pollTicks() const noexcept { return pollTicks_; }

signals:
    // After every progress poll, with the percentage shown.
    void progressPolled(int percent);
    // When a run has ended and its outcome is shown.
    void runEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWindow();
    void buildPasswordFrame();
    void addShortcuts();
    void runRoutine();  // the run itself, once the password was accepted
    // One file of the run with `password`: its outcome.
    FileOutcome runOne(const SelectedFile& file, const QString& password, bool several);
    // Says how the run of `run` ended and readies the window for the next.
    void endRun(const FileSelection& run, const std::vector<FileOutcome>& outcomes);
    void showSoundState(bool on);
    void applyColors();
    void updatePasswordNote(bool refused);
    void showWindowNote(const QString& text);
    void showProgress(int percent);
    // True while this window or a window of its own is the active one: the
    // user sees the outcome without a notification.
    bool userIsHere() const;
    bool soundOn();
    void playCue(int id);
    void setMode();  // relabels the action button from the files' state
    // The action button is enabled only while the file box names the
    // selection and a file of it can be run, outside a run.
    void updateActionButton();
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
    bool cancelRequested_ = false;  // Cancel was pressed during the run on the stack
    bool applyingColors_ = false;
    int pollTicks_ = 0;
    FileSelection selection_;  // the files the button's caption was set for
    QString selectionText_;    // what the file box shows for them
    QString lastFolder_;       // the folder of the file chosen last: where the Open dialog starts
    // The progress of a run of several files: the share of the run done
    // before the current file and the current file's share, in 1/100 of a
    // per cent.
    qint64 runDone_ = 0;
    qint64 runCurrent_ = 0;
    qint64 runTotal_ = 0;
    ConfirmPasswordDialog* confirm_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;

    QLabel* percentageLabel_ = nullptr;
    QLineEdit* myFileTxt_ = nullptr;
    XjButton* selectFileButton_ = nullptr;
    XjFrame* frame1_ = nullptr;
    XjFrame* frame4_ = nullptr;
    QLabel* label2_ = nullptr;
    XjButton* encDecButton_ = nullptr;
    QLineEdit* passwordTxt_ = nullptr;
    QToolButton* showPassword_ = nullptr;
    QToolButton* suggest_ = nullptr;
    PasswordMeter* meter_ = nullptr;
    QLabel* label6_ = nullptr;
    XjButton* cancelButton_ = nullptr;
    QTimer timer1_;
    QLabel* passwordNote_ = nullptr;
    QLabel* windowNote_ = nullptr;
    QPlainTextEdit* statusLine_ = nullptr;
    PictureButton* image1_ = nullptr;
    Picture* headingPictureBox_ = nullptr;
    PictureButton* helpImage_ = nullptr;
    PictureButton* infoImage_ = nullptr;
    PictureButton* soundImage_ = nullptr;
    QLabel* label1_ = nullptr;
    XjProgressBar* progressBar_ = nullptr;
};

}  // namespace corvane

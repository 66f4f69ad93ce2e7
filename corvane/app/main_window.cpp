#include "corvane/app/main_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include "corvane/app/app_folders.h"
#include "corvane/app/branding.h"
#include "corvane/app/confirm_password_dialog.h"
#include "corvane/app/desktop.h"
#include "corvane/app/file_names.h"
#include "corvane/app/help_window.h"
#include "corvane/app/information_form.h"
#include "corvane/app/password_field.h"
#include "corvane/app/password_meter.h"
#include "corvane/app/qt_host.h"
#include "corvane/app/readable_colors.h"
#include "corvane/app/window_control.h"
#include "corvane/app/window_parts.h"
#include "corvane/sound/sound_module.h"
#include "corvane/tooltip/tooltip_module.h"
#include "korbit/control/values/host.h"
#include "korbit/hosting/password_rule.h"

namespace corvane {

namespace {

constexpr std::uint32_t kWarningColor = 0x000080;  // dark red
constexpr int kTipPlain = 0;
constexpr int kTipIconInformation = 1;
constexpr qint32 kTipBackColor = 0xFFFFFF;
constexpr qint32 kTipTextColor = 0x004000;

// The password box: light yellow with black text; on a dark palette a dark
// yellow with light text.
const QString kPasswordBoxLight = QStringLiteral(
    "QLineEdit { background-color: #FFFFC0; color: black; lineedit-password-character: 42; }");
const QString kPasswordBoxDark = QStringLiteral(
    "QLineEdit { background-color: #3F3A12; color: #FFF6C8; lineedit-password-character: 42; }");

// A label whose width is the window's, whatever its text, and whose height
// holds `lines` lines: what it says never moves anything else.
void reserveLines(QLabel* label, int lines) {
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->setFixedHeight(lines * label->fontMetrics().lineSpacing() + 2);
}

}  // namespace

MainWindow::MainWindow(const QString& iniFile, CuePlayer& cues, Desktop& desktop, QWidget* parent)
    : QWidget(parent), iniFile_(iniFile), cues_(cues), desktop_(desktop) {
    host_ = std::make_unique<QtHost>(this, desktop_);
    control_ = std::make_unique<WindowControl>(*host_);
    buildWindow();

    image1_->showBitmap(101);
    helpImage_->showBitmap(104);
    infoImage_->showBitmap(107);
    showSoundState(soundOn());
    firstFileSelect_ = true;
    applyColors();

    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &MainWindow::progressTick);
}

MainWindow::~MainWindow() { removeToolTip(); }

void MainWindow::buildWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(branding::kMainCaption);
    setAcceptDrops(true);

    headingPictureBox_ = new Picture(103, this);
    headingPictureBox_->setObjectName(QStringLiteral("HeadingPictureBox"));
    headingPictureBox_->setAccessibleName(tr("Ardentis, password file encryption"));

    frame1_ = new XjFrame(this);
    frame1_->setObjectName(QStringLiteral("XjFrameControl1"));
    myFileTxt_ = new QLineEdit(frame1_);
    myFileTxt_->setObjectName(QStringLiteral("MyFileTxt"));
    myFileTxt_->setMouseTracking(true);
    myFileTxt_->setMinimumWidth(300);
    myFileTxt_->setAccessibleName(tr("File to encrypt or decrypt"));
    selectFileButton_ = new XjButton(tr("Select File"), frame1_);
    selectFileButton_->setObjectName(QStringLiteral("SelectFileButton"));
    label2_ = new QLabel(tr("SHA-256 Bit Encryption U.S. Patent 6,829,355 "), frame1_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setFont(QFont(QStringLiteral("Verdana"), 8));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(myFileTxt_, 1);
    fileRow->addWidget(selectFileButton_);
    auto* frame1Layout = new QVBoxLayout(frame1_);
    frame1Layout->addLayout(fileRow);
    frame1Layout->addWidget(label2_);

    buildPasswordFrame();

    label6_ = new QLabel(tr("WARNING!!! DO NOT lose your password. The technology to restore your file without the "
                            "password DOES NOT EXIST."),
                         this);
    label6_->setObjectName(QStringLiteral("Label6"));
    label6_->setToolTip(tr("Click to See"));
    label6_->setWordWrap(true);
    QFont warningFont(QStringLiteral("Verdana"));
    warningFont.setPointSizeF(6.75);
    label6_->setFont(warningFont);

    windowNote_ = new QLabel(this);
    windowNote_->setObjectName(QStringLiteral("WindowNote"));
    windowNote_->setWordWrap(true);
    windowNote_->setTextFormat(Qt::PlainText);
    windowNote_->hide();

    image1_ = new PictureButton(branding::kMakerWebAddress, tr("Velmora Software web site"), this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setAccessibleDescription(branding::kMakerWebAddress);
    helpImage_ = new PictureButton(tr("Help"), tr("Help"), this);
    helpImage_->setObjectName(QStringLiteral("HelpImage"));
    infoImage_ = new PictureButton(tr("Information"), tr("Information"), this);
    infoImage_->setObjectName(QStringLiteral("InfoImage"));
    soundImage_ = new PictureButton(tr("Sound"), QString(), this);
    soundImage_->setObjectName(QStringLiteral("SoundImage"));
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(image1_);
    imageRow->addStretch(1);
    imageRow->addWidget(helpImage_);
    imageRow->addWidget(infoImage_);
    imageRow->addWidget(soundImage_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingPictureBox_);
    layout->addWidget(frame1_);
    layout->addWidget(frame4_);
    layout->addWidget(label6_);
    layout->addWidget(windowNote_);
    layout->addLayout(imageRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The order the eye reads the window in.
    setTabOrder(myFileTxt_, selectFileButton_);
    setTabOrder(selectFileButton_, passwordTxt_);
    setTabOrder(passwordTxt_, showPassword_);
    setTabOrder(showPassword_, suggest_);
    setTabOrder(suggest_, encDecButton_);
    setTabOrder(encDecButton_, cancelButton_);
    setTabOrder(cancelButton_, image1_);
    setTabOrder(image1_, helpImage_);
    setTabOrder(helpImage_, infoImage_);
    setTabOrder(infoImage_, soundImage_);

    connect(selectFileButton_, &QPushButton::clicked, this, &MainWindow::selectFileClicked);
    connect(encDecButton_, &QPushButton::clicked, this, &MainWindow::encDecClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &MainWindow::cancelClicked);
    connect(helpImage_, &QAbstractButton::clicked, this, &MainWindow::helpClicked);
    connect(infoImage_, &QAbstractButton::clicked, this, &MainWindow::infoClicked);
    connect(soundImage_, &QAbstractButton::clicked, this, &MainWindow::soundClicked);
    connect(image1_, &QAbstractButton::clicked, this, &MainWindow::logoClicked);
    // A typed path counts once Enter takes it; until then the button's
    // caption, set for the chosen files, would not be true of it.
    connect(myFileTxt_, &QLineEdit::returnPressed, this, &MainWindow::typedPathEntered);
    connect(myFileTxt_, &QLineEdit::textEdited, this, [this] { updateActionButton(); });
    myFileTxt_->installEventFilter(this);
    passwordTxt_->installEventFilter(this);
    label6_->installEventFilter(this);
    addShortcuts();
}

void MainWindow::buildPasswordFrame() {
    frame4_ = new XjFrame(this);
    frame4_->setObjectName(QStringLiteral("XjFrameControl4"));
    label1_ = new QLabel(tr("Password"), frame4_);
    label1_->setObjectName(QStringLiteral("Label1"));
    passwordTxt_ = new QLineEdit(frame4_);
    passwordTxt_->setObjectName(QStringLiteral("PasswordTxt"));
    makePasswordBox(passwordTxt_);
    passwordTxt_->setAccessibleName(tr("Password"));
    passwordTxt_->setMouseTracking(true);
    label1_->setBuddy(passwordTxt_);

    showPassword_ = new QToolButton(frame4_);
    showPassword_->setObjectName(QStringLiteral("ShowPasswordButton"));
    showPassword_->setCheckable(true);
    showPassword_->setFocusPolicy(Qt::StrongFocus);
    const auto showState = [this](bool shown) {
        passwordTxt_->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
        showPassword_->setText(shown ? tr("Hide") : tr("Show"));
        showPassword_->setAccessibleName(shown ? tr("Hide password") : tr("Show password"));
        showPassword_->setToolTip(shown ? tr("Hide the password") : tr("Show the password as typed"));
    };
    showState(false);
    connect(showPassword_, &QToolButton::toggled, this, showState);

    suggest_ = new QToolButton(frame4_);
    suggest_->setObjectName(QStringLiteral("SuggestButton"));
    suggest_->setText(tr("Suggest"));
    suggest_->setAccessibleName(tr("Suggest a password"));
    suggest_->setToolTip(tr("Fills in a random password that one graphics card would need more than a billion "
                            "years to guess. Write it down: without it the file cannot be restored."));
    suggest_->setFocusPolicy(Qt::StrongFocus);
    connect(suggest_, &QToolButton::clicked, this, &MainWindow::suggestClicked);

    meter_ = new PasswordMeter(frame4_);
    passwordNote_ = new QLabel(frame4_);
    passwordNote_->setObjectName(QStringLiteral("PasswordNote"));
    reserveLines(passwordNote_, 2);

    encDecButton_ = new XjButton(tr("Encrypt"), frame4_);
    encDecButton_->setObjectName(QStringLiteral("EncDecButton"));
    encDecButton_->setEnabled(false);
    cancelButton_ = new XjButton(tr("Cancel"), frame4_);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setEnabled(false);
    progressBar_ = new XjProgressBar(100, frame4_);
    progressBar_->setObjectName(QStringLiteral("XjucProgressBar1"));
    percentageLabel_ = new QLabel(QStringLiteral("0%"), frame4_);
    percentageLabel_->setObjectName(QStringLiteral("PercentageLabel"));
    percentageLabel_->setMinimumWidth(percentageLabel_->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
    percentageLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percentageLabel_->setAccessibleName(tr("Progress"));
    percentageLabel_->setAccessibleDescription(percentageLabel_->text());
    progressBar_->setAccessibleName(tr("Progress"));

    // The outcome of the last run, under the bar. Three lines are kept for
    // it; the summary of a run of many files scrolls within them.
    statusLine_ = new QPlainTextEdit(frame4_);
    statusLine_->setObjectName(QStringLiteral("StatusLine"));
    statusLine_->setReadOnly(true);
    statusLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusLine_->setFrameShape(QFrame::NoFrame);
    statusLine_->setFocusPolicy(Qt::NoFocus);
    statusLine_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusLine_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    statusLine_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
    statusLine_->document()->setDocumentMargin(0);
    statusLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    statusLine_->setFixedHeight(3 * statusLine_->fontMetrics().lineSpacing() + 4);
    statusLine_->setAccessibleName(tr("Outcome"));
    // The action button keeps its width whatever it says of the files.
    encDecButton_->setMinimumWidth(encDecButton_->fontMetrics().horizontalAdvance(FileSelection::widestCaption()) + 24);

    auto* layout = new QGridLayout(frame4_);
    layout->addWidget(label1_, 0, 0);
    layout->addWidget(passwordTxt_, 0, 1, 1, 2);
    auto* passwordButtons = new QHBoxLayout;
    passwordButtons->setSpacing(2);
    passwordButtons->addWidget(showPassword_);
    passwordButtons->addWidget(suggest_);
    layout->addLayout(passwordButtons, 0, 3);
    layout->addWidget(meter_, 1, 1, 1, 3);
    layout->addWidget(passwordNote_, 2, 1, 1, 3);
    layout->addWidget(encDecButton_, 3, 1);
    layout->addWidget(cancelButton_, 3, 2);
    layout->addWidget(progressBar_, 4, 0, 1, 3);
    layout->addWidget(percentageLabel_, 4, 3);
    layout->addWidget(statusLine_, 5, 0, 1, 4);

    // Enter in the password box presses the action button.
    connect(passwordTxt_, &QLineEdit::returnPressed, this, [this] {
        if (encDecButton_->isEnabled()) {
            encDecButton_->click();
        }
    });
    connect(passwordTxt_, &QLineEdit::textChanged, this, [this](const QString& text) {
        updatePasswordNote(false);
        meter_->setPassword(text);
    });
    connect(passwordTxt_, &QLineEdit::inputRejected, this, [this] { updatePasswordNote(true); });
}

void MainWindow::addShortcuts() {
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &MainWindow::helpClicked);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        if (running() && cancelButton_->isEnabled()) {
            cancelButton_->click();
        }
    });
}

void MainWindow::showSoundState(bool on) {
    soundImage_->showBitmap(on ? 105 : 106);
    soundImage_->setAccessibleName(on ? tr("Sound on") : tr("Sound off"));
}

void MainWindow::applyColors() {
    if (applyingColors_) {
        return;
    }
    applyingColors_ = true;
    QPalette warningPalette = label6_->palette();
    warningPalette.setColor(QPalette::WindowText, textColorFor(fromBgr(kWarningColor), palette(), QPalette::Window));
    label6_->setPalette(warningPalette);
    passwordTxt_->setStyleSheet(isDarkPalette(palette()) ? kPasswordBoxDark : kPasswordBoxLight);
    applyingColors_ = false;
}

void MainWindow::updatePasswordNote(bool refused) {
    QStringList lines;
    if (refused) {
        lines << tr("Not taken: a password has at most 26 characters.");
    } else if (passwordLength(passwordTxt_->text()) >= kMaximumPassword) {
        lines << tr("26 characters: the most a password can have.");
    }
    const bool beyondLatin1 = hasCharactersBeyondLatin1(passwordTxt_->text());
    if (beyondLatin1) {
        lines << PasswordMeter::beyondLatin1Note();
    }
    passwordNote_->setText(lines.join(QLatin1Char('\n')));
    passwordNote_->setToolTip(beyondLatin1 ? PasswordMeter::beyondLatin1Detail() : QString());
}

void MainWindow::showWindowNote(const QString& text) {
    windowNote_->setText(text);
    windowNote_->setVisible(!text.isEmpty());
}

bool MainWindow::soundOn() {
    bool number = false;
    const double value = toQString(control_->ProfileGetItem(toText(settings::kSettings), toText(settings::kSoundToggle), toText(iniFile_)))
                             .trimmed()
                             .toDouble(&number);
    return number && value == 1.0;
}

void MainWindow::playCue(int id) {
    if (soundOn()) {
        cues_.playWaveResource(id);
    }
}

void MainWindow::showMode(bool encrypt) {
    encDecButton_->setText(selection_.caption());
    encDecButton_->setCaptionColor(encrypt ? kEncryptColor : kDecryptColor);
    encryptMode_ = encrypt;
    meter_->setVisible(encrypt);  // a container's password is not chosen now: nothing to rate
}

void MainWindow::setMode() {
    std::vector<SelectedFile> files = selection_.files();
    for (SelectedFile& f : files) {
        // A file that cannot be run (gone, say) is not asked about: the
        // question would only fail.
        f.refusal = refusalOf(f.path);
        if (f.refusal.isEmpty()) {
            f.encrypted = control_->IsFileEncrypted2(toText(f.path));
        }
    }
    selection_ = FileSelection(std::move(files));
    const bool one = !selection_.several() && !selection_.isEmpty();
    showMode(one ? !selection_.files().front().encrypted : selection_.toEncrypt() > 0 || selection_.toDecrypt() == 0);
}

void MainWindow::updateActionButton() {
    bool runnable = false;
    for (const SelectedFile& f : selection_.files()) {
        runnable = runnable || (f.refusal.isEmpty() && isRegularFile(f.path));
    }
    const bool named = !selection_.isEmpty() && myFileTxt_->text() == selectionText_;
    encDecButton_->setEnabled(!running() && named && runnable);
    suggest_->setEnabled(!running() && encryptMode_);
}

void MainWindow::selectFileClicked() {
    playCue(cue::kClicked);
    // The first time the all-users desktop, later the folder of the file
    // chosen last, by whatever way it came.
    const QString initialFolder =
        firstFileSelect_ ? toQString(control_->GetSpecialFolderA(korbit::control::CSIDL_COMMON_DESKTOPDIRECTORY))
                         : lastFolder_;
    filesChosen(desktop_.openFileNames(this, initialFolder));  // none: cancelled, nothing changes
}

void MainWindow::encDecClicked() {
    if (running()) {
        return;  // the control runs one file at a time; the run under way says how it ends
    }
    if (!selection_.several()) {
        if (const QString refusal = refusalOf(selection_.isEmpty() ? myFileTxt_->text() : selection_.files().front().path);
            !refusal.isEmpty()) {
            desktop_.messageBox(this, refusal, korbit::control::box::kExclamation | korbit::control::box::kOkOnly,
                                branding::kBoxTitle);
            return;
        }
    }
    if (passwordLength(passwordTxt_->text()) < kMinimumPassword) {
        desktop_.messageBox(this, tr("Passwords must be 6 or more characters!"),
                            korbit::control::box::kInformation | korbit::control::box::kOkOnly, branding::kBoxTitle);
        passwordTxt_->setFocus();
        return;
    }
    if (encryptMode_) {
        if (confirm_ == nullptr) {
            confirm_ = new ConfirmPasswordDialog(this);
            // The keyboard comes back to this window (F1, Escape for Cancel,
            // Ctrl+Q) even where no window manager hands it back.
            connect(confirm_, &QDialog::finished, this, [this] { activateWindow(); });
            connect(confirm_, &QDialog::accepted, this, &MainWindow::runRoutine);
            connect(confirm_, &QDialog::rejected, this, [this] { passwordTxt_->setFocus(); });
        }
        confirm_->ask(passwordTxt_->text());
        return;
    }
    runRoutine();
}

void MainWindow::cancelClicked() {
    playCue(cue::kCancelled);
    control_->CancelOps();
    if (running()) {
        // The run stops the current file and starts no other; when it has
        // returned, the window says how it ended.
        cancelRequested_ = true;
        return;
    }
    if (!selection_.isEmpty()) {
        setMode();
        updateActionButton();
    }
}

void MainWindow::helpClicked() {
    playCue(cue::kClicked);
    const QString helpFile = toQString(
        control_->ProfileGetItem(toText(settings::kDirectories), toText(settings::kHelpFile), toText(iniFile_)));
    if (isRegularFile(helpFile) && desktop_.openFile(helpFile)) {
        return;
    }
    // No opener on this desktop (or no page where the settings say): the
    // page in a window of the program.
    if (helpWindow_ == nullptr) {
        helpWindow_ = new HelpWindow(this);
    }
    helpWindow_->showPage(helpFile);
}

void MainWindow::infoClicked() {
    playCue(cue::kClicked);
    InformationForm information(this);
    information.exec();
}

void MainWindow::soundClicked() {
    if (soundOn()) {
        showSoundState(false);
        control_->ProfileSaveItem(toText(settings::kSettings), toText(settings::kSoundToggle), u"0", toText(iniFile_));
    } else {
        showSoundState(true);
        control_->ProfileSaveItem(toText(settings::kSettings), toText(settings::kSoundToggle), u"1", toText(iniFile_));
    }
}

void MainWindow::logoClicked() {
    playCue(cue::kLogo);
    desktop_.openUrl(QUrl(branding::kMakerWebAddress));
}

void MainWindow::suggestClicked() {
    const std::u16string suggestion =
        korbit::hosting::suggestPassword([] { return QRandomGenerator::system()->generate(); });
    passwordTxt_->setText(QString::fromStdU16String(suggestion));
    showPassword_->setChecked(true);  // to be written down
    passwordTxt_->setFocus();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == passwordTxt_ && event->type() == QEvent::MouseMove) {
        showToolTip(passwordTxt_, tr("Passwords are case sensitive and must be 6 or more characters!"),
                    tr("Password Entry"), kTipPlain, kTipIconInformation, kTipBackColor, kTipTextColor,
                    {[this] { return desktop_.pointerPosition(); }, desktop_.toolTipDelayMs()});
    } else if (watched == myFileTxt_ && event->type() == QEvent::MouseMove) {
        // The paths of the selection while the box shows it, else the text.
        myFileTxt_->setToolTip(myFileTxt_->text() == selectionText_ && !selection_.isEmpty()
                                   ? selection_.tipText()
                                   : legible(myFileTxt_->text()));
    } else if (watched == label6_ && event->type() == QEvent::MouseButtonPress) {
        QFont f = label6_->font();
        f.setBold(true);
        f.setPointSizeF(9);
        label6_->setFont(f);
    } else if (watched == label6_ && event->type() == QEvent::MouseButtonRelease) {
        QFont f = label6_->font();
        f.setBold(false);
        f.setPointSizeF(7);
        label6_->setFont(f);
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyColors();  // the desktop's palette changed: light or dark
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (runDepth_ > 0) {
        // The run is still on the stack below this event: stop it, and close
        // once it has put the file back in order.
        closeRequested_ = true;
        cancelRequested_ = true;
        control_->CancelOps();
        event->ignore();
        return;
    }
    removeToolTip();
    event->accept();
}

}  // namespace corvane

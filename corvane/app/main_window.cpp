#include "corvane/app/main_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include "corvane/app/app_folders.h"
#include "corvane/app/branding.h"
#include "corvane/app/confirm_password_dialog.h"
#include "corvane/app/window_control.h"
#include "corvane/app/file_names.h"
#include "corvane/app/desktop.h"
#include "corvane/app/information_form.h"
#include "corvane/app/password_field.h"
#include "corvane/app/qt_host.h"
#include "corvane/app/readable_colors.h"
#include "corvane/app/window_parts.h"
#include "corvane/sound/sound_module.h"
#include "corvane/tooltip/tooltip_module.h"
#include "korbit/control/values/host.h"
#include "korbit/hosting/password_rule.h"

namespace corvane {

namespace {

const QString kPasswordRule = QStringLiteral("Passwords must be 6 or more characters!");
const QString kPasswordTip = QStringLiteral("Passwords are case sensitive and must be 6 or more characters!");
const QString kPasswordTipTitle = QStringLiteral("Password Entry");
const QString kWarning = QStringLiteral(
    "WARNING!!! DO NOT lose your password. The technology to restore your file without the password DOES NOT EXIST.");

const QString kLimitReached = QStringLiteral("26 characters: the most a password can have.");
const QString kLimitRefused =
    QStringLiteral("A password has at most 26 characters: that would have made it longer, so it was not taken.");

constexpr std::uint32_t kWarningColor = 0x000080;  // dark red
constexpr int kTipPlain = 0;
constexpr int kTipIconInformation = 1;
constexpr qint32 kTipBackColor = 0xFFFFFF;
constexpr qint32 kTipTextColor = 0x004000;

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

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
    headingPictureBox_->setAccessibleName(QStringLiteral("Ardentis, password file encryption"));

    frame1_ = new XjFrame(this);
    frame1_->setObjectName(QStringLiteral("XjFrameControl1"));
    myFileTxt_ = new QLineEdit(frame1_);
    myFileTxt_->setObjectName(QStringLiteral("MyFileTxt"));
    myFileTxt_->setMouseTracking(true);
    myFileTxt_->setMinimumWidth(300);
    myFileTxt_->setAccessibleName(QStringLiteral("File to encrypt or decrypt"));
    selectFileButton_ = new XjButton(QStringLiteral("Select File"), frame1_);
    selectFileButton_->setObjectName(QStringLiteral("SelectFileButton"));
    label2_ = new QLabel(QStringLiteral("SHA-256 Bit Encryption U.S. Patent 6,829,355 "), frame1_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setFont(QFont(QStringLiteral("Verdana"), 8));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(myFileTxt_, 1);
    fileRow->addWidget(selectFileButton_);
    auto* frame1Layout = new QVBoxLayout(frame1_);
    frame1Layout->addLayout(fileRow);
    frame1Layout->addWidget(label2_);

    frame4_ = new XjFrame(this);
    frame4_->setObjectName(QStringLiteral("XjFrameControl4"));
    label1_ = new QLabel(QStringLiteral("Password"), frame4_);
    label1_->setObjectName(QStringLiteral("Label1"));
    passwordTxt_ = new QLineEdit(frame4_);
    passwordTxt_->setObjectName(QStringLiteral("PasswordTxt"));
    makePasswordBox(passwordTxt_);
    passwordTxt_->setAccessibleName(QStringLiteral("Password"));
    passwordTxt_->setMouseTracking(true);
    passwordTxt_->setStyleSheet(QStringLiteral(
        "QLineEdit { background-color: #FFFFC0; color: black; lineedit-password-character: 42; }"));
    label1_->setBuddy(passwordTxt_);
    passwordNote_ = new QLabel(frame4_);
    passwordNote_->setObjectName(QStringLiteral("PasswordNote"));
    passwordNote_->setWordWrap(true);
    passwordNote_->setTextFormat(Qt::PlainText);
    passwordNote_->hide();
    encDecButton_ = new XjButton(QStringLiteral("Encrypt"), frame4_);
    encDecButton_->setObjectName(QStringLiteral("EncDecButton"));
    encDecButton_->setEnabled(false);
    cancelButton_ = new XjButton(QStringLiteral("Cancel"), frame4_);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setEnabled(false);
    progressBar_ = new XjProgressBar(100, frame4_);
    progressBar_->setObjectName(QStringLiteral("XjucProgressBar1"));
    percentageLabel_ = new QLabel(QStringLiteral("0%"), frame4_);
    percentageLabel_->setObjectName(QStringLiteral("PercentageLabel"));
    percentageLabel_->setMinimumWidth(percentageLabel_->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
    percentageLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percentageLabel_->setAccessibleName(QStringLiteral("Progress"));
    percentageLabel_->setAccessibleDescription(percentageLabel_->text());
    progressBar_->setAccessibleName(QStringLiteral("Progress"));
    auto* frame4Layout = new QGridLayout(frame4_);
    frame4Layout->addWidget(label1_, 0, 0);
    frame4Layout->addWidget(passwordTxt_, 0, 1, 1, 2);
    frame4Layout->addWidget(passwordNote_, 1, 1, 1, 3);
    frame4Layout->addWidget(encDecButton_, 2, 1);
    frame4Layout->addWidget(cancelButton_, 2, 2);
    frame4Layout->addWidget(progressBar_, 3, 0, 1, 3);
    frame4Layout->addWidget(percentageLabel_, 3, 3);

    label6_ = new QLabel(kWarning, this);
    label6_->setObjectName(QStringLiteral("Label6"));
    label6_->setToolTip(QStringLiteral("Click to See"));
    label6_->setWordWrap(true);
    QFont warningFont(QStringLiteral("Verdana"));
    warningFont.setPointSizeF(6.75);
    label6_->setFont(warningFont);

    windowNote_ = new QLabel(this);
    windowNote_->setObjectName(QStringLiteral("WindowNote"));
    windowNote_->setWordWrap(true);
    windowNote_->setTextFormat(Qt::PlainText);
    windowNote_->hide();

    image1_ = new PictureButton(branding::kMakerWebAddress, branding::kMakerSiteName, this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setAccessibleDescription(branding::kMakerWebAddress);
    helpImage_ = new PictureButton(QStringLiteral("Help"), QStringLiteral("Help"), this);
    helpImage_->setObjectName(QStringLiteral("HelpImage"));
    infoImage_ = new PictureButton(QStringLiteral("Information"), QStringLiteral("Information"), this);
    infoImage_->setObjectName(QStringLiteral("InfoImage"));
    soundImage_ = new PictureButton(QStringLiteral("Sound"), QString(), this);
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
    setTabOrder(passwordTxt_, encDecButton_);
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
    // Enter in the password box presses the action button.
    connect(passwordTxt_, &QLineEdit::returnPressed, this, [this] {
        if (encDecButton_->isEnabled()) {
            encDecButton_->click();
        }
    });
    connect(passwordTxt_, &QLineEdit::textChanged, this, [this] { updatePasswordNote(false); });
    connect(passwordTxt_, &QLineEdit::inputRejected, this, [this] { updatePasswordNote(true); });
    // A typed path counts once Enter takes it; until then the button's
    // caption, set for the chosen file, would not be true of it.
    connect(myFileTxt_, &QLineEdit::returnPressed, this, &MainWindow::typedPathEntered);
    connect(myFileTxt_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!running()) {
            encDecButton_->setEnabled(!text.isEmpty() && text == chosenFile_);
        }
    });
    myFileTxt_->installEventFilter(this);
    passwordTxt_->installEventFilter(this);
    label6_->installEventFilter(this);
    addShortcuts();
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
    soundImage_->setAccessibleName(on ? QStringLiteral("Sound on") : QStringLiteral("Sound off"));
}

void MainWindow::applyColors() {
    if (applyingColors_) {
        return;
    }
    applyingColors_ = true;
    QPalette warningPalette = label6_->palette();
    warningPalette.setColor(QPalette::WindowText, textColorFor(fromBgr(kWarningColor), palette(), QPalette::Window));
    label6_->setPalette(warningPalette);
    applyingColors_ = false;
}

void MainWindow::updatePasswordNote(bool refused) {
    QStringList lines;
    if (refused) {
        lines << kLimitRefused;
    } else if (passwordLength(passwordTxt_->text()) >= kMaximumPassword) {
        lines << kLimitReached;
    }
    if (hasCharactersBeyondLatin1(passwordTxt_->text())) {
        lines << utf8(korbit::hosting::kBeyondLatin1Warning);
    }
    passwordNote_->setText(lines.join(QLatin1Char('\n')));
    passwordNote_->setVisible(!lines.isEmpty());
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
    encDecButton_->setText(encrypt ? QStringLiteral("Encrypt") : QStringLiteral("Decrypt"));
    encDecButton_->setCaptionColor(encrypt ? kEncryptColor : kDecryptColor);
    encryptMode_ = encrypt;
}

void MainWindow::setMode() { showMode(!control_->IsFileEncrypted2(toText(myFileTxt_->text()))); }

void MainWindow::selectFileClicked() {
    playCue(cue::kClicked);
    QString initialFolder;
    if (firstFileSelect_) {
        initialFolder = toQString(control_->GetSpecialFolderA(korbit::control::CSIDL_COMMON_DESKTOPDIRECTORY));
    }
    fileChosen(desktop_.openFileName(this, initialFolder));
}

void MainWindow::encDecClicked() {
    if (!running()) {
        if (const QString refusal = refusalOf(myFileTxt_->text()); !refusal.isEmpty()) {
            desktop_.messageBox(this, refusal, korbit::control::box::kExclamation | korbit::control::box::kOkOnly,
                                branding::kBoxTitle);
            return;
        }
    }
    if (passwordLength(passwordTxt_->text()) < kMinimumPassword) {
        desktop_.messageBox(this, kPasswordRule, korbit::control::box::kInformation | korbit::control::box::kOkOnly,
                            branding::kBoxTitle);
        passwordTxt_->setFocus();
        return;
    }
    // A press from inside a run (Cancel enabled the button again) goes
    // straight to the control, which refuses it while it is busy.
    if (encryptMode_ && !running()) {
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

void MainWindow::runRoutine() {
    playCue(cue::kRunStarts);
    cancelButton_->setEnabled(true);
    encDecButton_->setEnabled(false);
    timer1_.start(1);

    ++runDepth_;
    const bool done =
        control_->EncryptionRoutine2(toText(myFileTxt_->text()), toText(passwordTxt_->text()), toText(branding::kBoxTitle));
    --runDepth_;

    if (done) {
        playCue(cue::kRunSucceeded);
        encDecButton_->setEnabled(true);
        setMode();  // the file tells: a run that completed an interrupted one may leave it either way
    } else {
        myFileTxt_->clear();
        passwordTxt_->clear();
    }
    timer1_.stop();
    cancelButton_->setEnabled(false);
    if (closeRequested_ && runDepth_ == 0) {
        close();
    }
}

void MainWindow::progressTick() {
    ++pollTicks_;
    const int percent = control_->EncryptionProgressPercentage();
    progressBar_->setValue(percent);
    const QString shown = QString::number(percent) + QLatin1Char('%');
    if (shown != percentageLabel_->text()) {
        percentageLabel_->setText(shown);
        percentageLabel_->setAccessibleDescription(shown);
    }
    emit progressPolled(percent);
}

void MainWindow::cancelClicked() {
    playCue(cue::kCancelled);
    control_->CancelOps();
    if (!myFileTxt_->text().isEmpty()) {
        encDecButton_->setEnabled(true);
        setMode();
    }
}

void MainWindow::helpClicked() {
    playCue(cue::kClicked);
    const korbit::control::Text helpFile =
        control_->ProfileGetItem(toText(settings::kDirectories), toText(settings::kHelpFile), toText(iniFile_));
    control_->StartRunOpenFile(helpFile, QtHost::handleOf(this));
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == myFileTxt_ && event->type() == QEvent::MouseMove) {
        myFileTxt_->setToolTip(legible(myFileTxt_->text()));
    } else if (watched == passwordTxt_ && event->type() == QEvent::MouseMove) {
        showToolTip(passwordTxt_, kPasswordTip, kPasswordTipTitle, kTipPlain, kTipIconInformation, kTipBackColor,
                    kTipTextColor, {[this] { return desktop_.pointerPosition(); }, desktop_.toolTipDelayMs()});
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
        control_->CancelOps();
        event->ignore();
        return;
    }
    removeToolTip();
    event->accept();
}

}  // namespace corvane

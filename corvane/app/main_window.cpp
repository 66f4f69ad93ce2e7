#include "corvane/app/main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMimeData>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "corvane/app/app_folders.h"
#include "corvane/app/branding.h"
#include "corvane/app/control_client.h"
#include "corvane/app/dialogs.h"
#include "corvane/app/information_form.h"
#include "corvane/app/qt_host.h"
#include "corvane/app/window_parts.h"
#include "corvane/sound/sound_module.h"
#include "corvane/tooltip/tooltip_module.h"
#include "korbit/control/host.h"

namespace corvane {

namespace {

const QString kPasswordRule = QStringLiteral("Passwords must be 6 or more characters!");
const QString kPasswordTip = QStringLiteral("Passwords are case sensitive and must be 6 or more characters!");
const QString kPasswordTipTitle = QStringLiteral("Password Entry");
const QString kWarning = QStringLiteral(
    "WARNING!!! DO NOT lose your password. The technology to restore your file without the password DOES NOT EXIST.");

constexpr int kTipPlain = 0;
constexpr int kTipIconInformation = 1;
constexpr qint32 kTipBackColor = 0xFFFFFF;
constexpr qint32 kTipTextColor = 0x004000;

// The local file a drop carries, when it carries exactly one.
QString droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile()) {
        return {};
    }
    return url.toLocalFile();
}

}  // namespace

MainWindow::MainWindow(const QString& iniFile, CuePlayer& cues, QWidget* parent)
    : QWidget(parent), iniFile_(iniFile), cues_(cues), openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    host_ = std::make_unique<QtHost>(this);
    control_ = std::make_unique<ControlClient>(*host_);
    buildWindow();

    image1_->showBitmap(101);
    headingPictureBox_->setPixmap(bitmapResource(103));
    helpImage_->showBitmap(104);
    infoImage_->showBitmap(107);
    soundImage_->showBitmap(soundOn() ? 105 : 106);
    firstFileSelect_ = true;

    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &MainWindow::progressTick);
}

MainWindow::~MainWindow() { removeToolTip(); }

void MainWindow::buildWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(branding::kMainCaption);
    setAcceptDrops(true);

    headingPictureBox_ = new QLabel(this);
    headingPictureBox_->setObjectName(QStringLiteral("HeadingPictureBox"));
    headingPictureBox_->setAlignment(Qt::AlignCenter);

    frame1_ = new XjFrame(this);
    frame1_->setObjectName(QStringLiteral("XjFrameControl1"));
    myFileTxt_ = new QLineEdit(frame1_);
    myFileTxt_->setObjectName(QStringLiteral("MyFileTxt"));
    myFileTxt_->setMouseTracking(true);
    myFileTxt_->setMinimumWidth(300);
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
    passwordTxt_->setEchoMode(QLineEdit::Password);
    passwordTxt_->setMaxLength(kMaximumPassword);
    passwordTxt_->setMouseTracking(true);
    passwordTxt_->setStyleSheet(QStringLiteral(
        "QLineEdit { background-color: #FFFFC0; color: black; lineedit-password-character: 42; }"));
    label1_->setBuddy(passwordTxt_);
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
    auto* frame4Layout = new QGridLayout(frame4_);
    frame4Layout->addWidget(label1_, 0, 0);
    frame4Layout->addWidget(passwordTxt_, 0, 1, 1, 2);
    frame4Layout->addWidget(encDecButton_, 1, 1);
    frame4Layout->addWidget(cancelButton_, 1, 2);
    frame4Layout->addWidget(progressBar_, 2, 0, 1, 3);
    frame4Layout->addWidget(percentageLabel_, 2, 3);

    label6_ = new QLabel(kWarning, this);
    label6_->setObjectName(QStringLiteral("Label6"));
    label6_->setToolTip(QStringLiteral("Click to See"));
    label6_->setWordWrap(true);
    QFont warningFont(QStringLiteral("Verdana"));
    warningFont.setPointSizeF(6.75);
    label6_->setFont(warningFont);
    QPalette warningPalette = label6_->palette();
    warningPalette.setColor(QPalette::WindowText, fromBgr(0x000080));
    label6_->setPalette(warningPalette);

    image1_ = new ClickableImage(branding::kMakerWebAddress, this);
    image1_->setObjectName(QStringLiteral("Image1"));
    helpImage_ = new ClickableImage(QStringLiteral("Help"), this);
    helpImage_->setObjectName(QStringLiteral("HelpImage"));
    infoImage_ = new ClickableImage(QStringLiteral("Information"), this);
    infoImage_->setObjectName(QStringLiteral("InfoImage"));
    soundImage_ = new ClickableImage(QStringLiteral("Sound"), this);
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
    layout->addLayout(imageRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(selectFileButton_, &QPushButton::clicked, this, &MainWindow::selectFileClicked);
    connect(encDecButton_, &QPushButton::clicked, this, &MainWindow::encDecClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &MainWindow::cancelClicked);
    connect(helpImage_, &ClickableImage::clicked, this, &MainWindow::helpClicked);
    connect(infoImage_, &ClickableImage::clicked, this, &MainWindow::infoClicked);
    connect(soundImage_, &ClickableImage::clicked, this, &MainWindow::soundClicked);
    connect(image1_, &ClickableImage::clicked, this, &MainWindow::logoClicked);
    // Enter in the password box presses the action button.
    connect(passwordTxt_, &QLineEdit::returnPressed, this, [this] {
        if (encDecButton_->isEnabled()) {
            encDecButton_->click();
        }
    });
    myFileTxt_->installEventFilter(this);
    passwordTxt_->installEventFilter(this);
    label6_->installEventFilter(this);
}

bool MainWindow::soundOn() {
    bool number = false;
    const double value = control_->profileGetItem(settings::kSettings, settings::kSoundToggle, iniFile_)
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

void MainWindow::setMode() { showMode(!control_->isFileEncrypted2(myFileTxt_->text())); }

void MainWindow::selectFileClicked() {
    playCue(cue::kClicked);
    QString initialFolder;
    if (firstFileSelect_) {
        initialFolder = control_->getSpecialFolderA(kFolderCommonDesktop);
    }
    fileChosen(Dialogs::openFileName(this, initialFolder));
}

void MainWindow::fileChosen(const QString& path) {
    myFileTxt_->setText(path);
    if (path.isEmpty()) {
        return;
    }
    encDecButton_->setEnabled(true);
    setMode();
    passwordTxt_->setFocus();
    firstFileSelect_ = false;
}

void MainWindow::encDecClicked() {
    if (passwordTxt_->text().toUcs4().size() < kMinimumPassword) {
        Dialogs::messageBox(this, kPasswordRule, korbit::control::box::kInformation | korbit::control::box::kOkOnly,
                            branding::kBoxTitle);
        passwordTxt_->setFocus();
        return;
    }
    playCue(cue::kRunStarts);
    cancelButton_->setEnabled(true);
    encDecButton_->setEnabled(false);
    timer1_.start(1);

    ++runDepth_;
    const bool done =
        control_->encryptionRoutine2(myFileTxt_->text(), passwordTxt_->text(), branding::kBoxTitle);
    --runDepth_;

    if (done) {
        playCue(cue::kRunSucceeded);
        encDecButton_->setEnabled(true);
        showMode(!encryptMode_);
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
    const int percent = control_->encryptionProgressPercentage();
    progressBar_->setValue(percent);
    percentageLabel_->setText(QString::number(percent) + QLatin1Char('%'));
    emit progressPolled(percent);
}

void MainWindow::cancelClicked() {
    playCue(cue::kCancelled);
    control_->cancelOps();
    if (!myFileTxt_->text().isEmpty()) {
        encDecButton_->setEnabled(true);
        setMode();
    }
}

void MainWindow::helpClicked() {
    playCue(cue::kClicked);
    const QString helpFile = control_->profileGetItem(settings::kDirectories, settings::kHelpFile, iniFile_);
    control_->startRunOpenFile(helpFile, QtHost::handleOf(this));
}

void MainWindow::infoClicked() {
    playCue(cue::kClicked);
    InformationForm information(this);
    information.exec();
}

void MainWindow::soundClicked() {
    if (soundOn()) {
        soundImage_->showBitmap(106);
        control_->profileSaveItem(settings::kSettings, settings::kSoundToggle, QStringLiteral("0"), iniFile_);
    } else {
        soundImage_->showBitmap(105);
        control_->profileSaveItem(settings::kSettings, settings::kSoundToggle, QStringLiteral("1"), iniFile_);
    }
}

void MainWindow::logoClicked() {
    playCue(cue::kLogo);
    openUrl_(QUrl(branding::kMakerWebAddress));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == myFileTxt_ && event->type() == QEvent::MouseMove) {
        myFileTxt_->setToolTip(myFileTxt_->text());
    } else if (watched == passwordTxt_ && event->type() == QEvent::MouseMove) {
        showToolTip(passwordTxt_, kPasswordTip, kPasswordTipTitle, kTipPlain, kTipIconInformation, kTipBackColor,
                    kTipTextColor);
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

void MainWindow::closeEvent(QCloseEvent* event) {
    if (runDepth_ > 0) {
        // The run is still on the stack below this event: stop it, and close
        // once it has put the file back in order.
        closeRequested_ = true;
        control_->cancelOps();
        event->ignore();
        return;
    }
    removeToolTip();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    fileChosen(path);
}

}  // namespace corvane

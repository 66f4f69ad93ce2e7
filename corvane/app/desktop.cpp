#include "corvane/app/desktop.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

#include "corvane/app/file_names.h"
#include "corvane/app/notifications.h"
#include "korbit/control/values/host.h"

namespace corvane {

namespace box = korbit::control::box;

namespace {

QMessageBox::Icon iconOf(int style) {
    switch (box::icon(style)) {
        case box::kCritical:
            return QMessageBox::Critical;
        case box::kQuestion:
            return QMessageBox::Question;
        case box::kExclamation:
            return QMessageBox::Warning;
        case box::kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

struct ButtonChoice {
    QMessageBox::StandardButton button;
    int answer;
};

std::vector<ButtonChoice> buttonsOf(int style) {
    switch (box::buttons(style)) {
        case box::kOkCancel:
            return {{QMessageBox::Ok, box::kOk}, {QMessageBox::Cancel, box::kCancel}};
        case box::kAbortRetryIgnore:
            return {{QMessageBox::Abort, box::kAbort}, {QMessageBox::Retry, box::kRetry},
                    {QMessageBox::Ignore, box::kIgnore}};
        case box::kYesNoCancel:
            return {{QMessageBox::Yes, box::kYes}, {QMessageBox::No, box::kNo}, {QMessageBox::Cancel, box::kCancel}};
        case box::kYesNo:
            return {{QMessageBox::Yes, box::kYes}, {QMessageBox::No, box::kNo}};
        case box::kRetryCancel:
            return {{QMessageBox::Retry, box::kRetry}, {QMessageBox::Cancel, box::kCancel}};
        default:
            return {{QMessageBox::Ok, box::kOk}};
    }
}

// The openers tried in turn, with the words that come before the file.
struct Opener {
    const char* program;
    QStringList words;
};
const Opener kOpeners[] = {
    {"xdg-open", {}},  {"gio", {QStringLiteral("open")}}, {"kde-open", {}}, {"kde-open5", {}},
    {"exo-open", {}},  {"gnome-open", {}},
};

}  // namespace

Desktop::Desktop() = default;

Desktop::Desktop(const QString& busAddress) : busAddress_(busAddress), sessionBus_(false) {}

Desktop::~Desktop() { delete notifications_.data(); }

Notifications& Desktop::notifications() {
    if (notifications_ == nullptr) {
        QObject* application = QCoreApplication::instance();
        notifications_ = sessionBus_ ? new Notifications(*this, application)
                                     : new Notifications(*this, busAddress_, application);
    }
    return *notifications_;
}

int Desktop::messageBox(QWidget* parent, const QString& text, int style, const QString& title) {
    QMessageBox message(iconOf(style), title, text, QMessageBox::NoButton, parent);
    const std::vector<ButtonChoice> choices = buttonsOf(style);
    QMessageBox::StandardButtons buttons;
    for (const ButtonChoice& c : choices) {
        buttons |= c.button;
    }
    message.setStandardButtons(buttons);
    message.setDefaultButton(choices.front().button);
    // Closing the box with Escape or its title bar counts as the answer that
    // changes nothing.
    const int safe = box::safeAnswer(style);
    for (const ButtonChoice& c : choices) {
        if (c.answer == safe) {
            message.setEscapeButton(c.button);
        }
    }
    const int clicked = message.exec();
    for (const ButtonChoice& c : choices) {
        if (clicked == c.button) {
            return c.answer;
        }
    }
    return safe;
}

QStringList Desktop::openFileNames(QWidget* parent, const QString& initialFolder) {
    // By URL: its bytes name any file, where Qt's text would not.
    QStringList chosen;
    const QList<QUrl> urls = QFileDialog::getOpenFileUrls(
        parent, QString(), initialFolder.isEmpty() ? QUrl() : urlOfFileName(initialFolder));
    for (const QUrl& url : urls) {
        if (const QString name = fileNameOfUrl(url); !name.isEmpty()) {
            chosen << name;
        }
    }
    return chosen;
}

QString Desktop::existingFolder(QWidget* parent, const QString& prompt) {
    return fileNameOfUrl(QFileDialog::getExistingDirectoryUrl(parent, prompt));
}

void Desktop::openUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

bool Desktop::openFile(const QString& file) {
    // As a file URL: its percent-encoded bytes name any file (and never
    // start with the "-" of an option).
    const QString argument = urlOfFileName(absoluteFileName(file)).toString(QUrl::FullyEncoded);
    if (argument.isEmpty()) {
        return false;
    }
    for (const Opener& opener : kOpeners) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(opener.program));
        if (!program.isEmpty() && QProcess::startDetached(program, QStringList(opener.words) << argument)) {
            return true;
        }
    }
    return false;
}

void Desktop::showInFolder(const QStringList& files) {
    if (files.isEmpty()) {
        return;
    }
    notifications().showItems(files, [this, first = files.front()] {
        openFile(first.left(std::max<qsizetype>(first.lastIndexOf(u'/'), 1)));
    });
}

void Desktop::notify(const QString& summary, const QString& body, const QString& showLabel,
                     const QStringList& files) {
    notifications().notify(summary, body, showLabel, files);
}

QPoint Desktop::pointerPosition() { return QCursor::pos(); }

Desktop& realDesktop() {
    static Desktop desktop;
    return desktop;
}

}  // namespace corvane

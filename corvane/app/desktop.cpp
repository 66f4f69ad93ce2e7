#include "corvane/app/desktop.h"

#include <QCursor>
#include <QDesktopServices>

#include <QFileDialog>
#include <QMessageBox>
#include <algorithm>

#include "corvane/app/file_names.h"
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

}  // namespace

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

QString Desktop::openFileName(QWidget* parent, const QString& initialFolder) {
    // By URL: its bytes name any file, where Qt's text would not.
    const QString start = initialFolder.isEmpty() ? lastFolder_ : initialFolder;
    const QString chosen =
        fileNameOfUrl(QFileDialog::getOpenFileUrl(parent, QString(), start.isEmpty() ? QUrl() : urlOfFileName(start)));
    if (!chosen.isEmpty()) {
        lastFolder_ = chosen.left(std::max<qsizetype>(chosen.lastIndexOf(u'/'), 1));
    }
    return chosen;
}

QString Desktop::existingFolder(QWidget* parent, const QString& prompt) {
    return fileNameOfUrl(QFileDialog::getExistingDirectoryUrl(parent, prompt));
}

void Desktop::openUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

QPoint Desktop::pointerPosition() { return QCursor::pos(); }

Desktop& realDesktop() {
    static Desktop desktop;
    return desktop;
}

}  // namespace corvane

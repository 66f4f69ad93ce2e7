#include "corvane/app/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <algorithm>
#include <deque>

#include "corvane/app/file_names.h"
#include "korbit/control/values/host.h"

namespace corvane {

namespace box = korbit::control::box;

namespace {

struct Script {
    bool on = false;
    std::deque<int> answers;
    std::deque<QString> fileNames;
    std::vector<ShownBox> shown;
    QStringList openFolders;
    QString lastFolder;  // where the previous Open dialog choice was made
};

Script& script() {
    static Script s;
    return s;
}

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

int Dialogs::messageBox(QWidget* parent, const QString& text, int style, const QString& title) {
    Script& s = script();
    if (s.on) {
        int answer = box::safeAnswer(style);
        if (!s.answers.empty()) {
            answer = s.answers.front();
            s.answers.pop_front();
        }
        s.shown.push_back({text, style, title, answer});
        return answer;
    }
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

QString Dialogs::openFileName(QWidget* parent, const QString& initialFolder) {
    Script& s = script();
    s.openFolders << initialFolder;
    QString chosen;
    if (s.on) {
        if (!s.fileNames.empty()) {
            chosen = s.fileNames.front();
            s.fileNames.pop_front();
        }
    } else {
        // By URL: its bytes name any file, where Qt's text would not.
        const QString start = initialFolder.isEmpty() ? s.lastFolder : initialFolder;
        chosen = fileNameOfUrl(QFileDialog::getOpenFileUrl(parent, QString(), start.isEmpty() ? QUrl() : urlOfFileName(start)));
    }
    if (!chosen.isEmpty()) {
        s.lastFolder = chosen.left(std::max<qsizetype>(chosen.lastIndexOf(u'/'), 1));
    }
    return chosen;
}

QString Dialogs::existingFolder(QWidget* parent, const QString& prompt) {
    Script& s = script();
    if (s.on) {
        if (s.fileNames.empty()) {
            return {};
        }
        QString chosen = s.fileNames.front();
        s.fileNames.pop_front();
        return chosen;
    }
    return fileNameOfUrl(QFileDialog::getExistingDirectoryUrl(parent, prompt));
}

void Dialogs::setScripted(bool scripted) {
    script() = Script{};
    script().on = scripted;
}

void Dialogs::queueAnswer(int answer) { script().answers.push_back(answer); }

void Dialogs::queueFileName(const QString& name) { script().fileNames.push_back(name); }

std::vector<ShownBox> Dialogs::takeShownBoxes() { return std::exchange(script().shown, {}); }

QStringList Dialogs::takeOpenFolders() { return std::exchange(script().openFolders, {}); }

}  // namespace corvane

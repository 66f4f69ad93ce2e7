// A desktop for tests: nothing is shown; every message box is recorded and
// gets the next queued answer (or the answer that changes nothing); every
// file dialog returns the next queued names (or nothing, as when cancelled);
// what the openers are asked to open, the files to show in their folder and
// the notifications are recorded, and a notification's action can be
// invoked as the desktop would; the pointer is where the test puts it, and a
// tip shows at once.
#pragma once

#include <QStringList>
#include <QUrl>
#include <deque>
#include <utility>
#include <vector>

#include "corvane/app/desktop.h"
#include "korbit/control/values/host.h"

namespace corvane::testing {

struct ShownBox {
    QString text;
    int style = 0;
    QString title;
    int answer = 0;
};

struct ShownNotification {
    QString summary;
    QString body;
    QString showLabel;
    QStringList files;
};

class ScriptedDesktop final : public Desktop {
public:
    ScriptedDesktop() : Desktop(QString()) {}  // no message bus


    int messageBox(QWidget*, const QString& text, int style, const QString& title) override {
        int answer = korbit::control::box::safeAnswer(style);
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
        shown_.push_back({text, style, title, answer});
        return answer;
    }
    QStringList openFileNames(QWidget*, const QString& initialFolder) override {
        openFolders_ << initialFolder;
        return nextNames();
    }
    QString existingFolder(QWidget*, const QString&) override {
        const QStringList names = nextNames();
        return names.isEmpty() ? QString() : names.front();
    }
    void openUrl(const QUrl& url) override { openedUrls.push_back(url); }
    bool openFile(const QString& file) override {
        openedFiles << file;
        return hasOpener;
    }
    void showInFolder(const QStringList& files) override { shownInFolder.push_back(files); }
    void notify(const QString& summary, const QString& body, const QString& showLabel,
                const QStringList& files) override {
        notifications.push_back({summary, body, showLabel, files});
    }
    // The user chooses the action of notification `index`, as the desktop
    // reports it.
    void invokeShowAction(std::size_t index) { showInFolder(notifications.at(index).files); }
    QPoint pointerPosition() override { return pointer; }
    int toolTipDelayMs() override { return 0; }

    void queueAnswer(int answer) { answers_.push_back(answer); }
    void queueFileName(const QString& name) { fileNames_.push_back({name}); }
    void queueFileNames(const QStringList& names) { fileNames_.push_back(names); }
    std::vector<ShownBox> takeShownBoxes() { return std::exchange(shown_, {}); }
    // The starting folders the Open dialog was asked for, in order.
    QStringList takeOpenFolders() { return std::exchange(openFolders_, {}); }

    std::vector<QUrl> openedUrls;
    QStringList openedFiles;
    bool hasOpener = true;  // false: no opener is installed
    std::vector<QStringList> shownInFolder;
    std::vector<ShownNotification> notifications;
    QPoint pointer{400, 300};

private:
    QStringList nextNames() {
        if (fileNames_.empty()) {
            return {};
        }
        QStringList names = fileNames_.front();
        fileNames_.pop_front();
        return names;
    }

    std::deque<int> answers_;
    std::deque<QStringList> fileNames_;
    std::vector<ShownBox> shown_;
    QStringList openFolders_;
};

}  // namespace corvane::testing

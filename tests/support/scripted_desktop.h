// A desktop for tests: nothing is shown; every message box is recorded and
// gets the next queued answer (or the answer that changes nothing); every
// file dialog returns the next queued name (or nothing, as when cancelled);
// what the opener is asked to open is recorded; the pointer is where the
// test puts it, and a tip shows at once.
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

class ScriptedDesktop final : public Desktop {
public:
    int messageBox(QWidget*, const QString& text, int style, const QString& title) override {
        int answer = korbit::control::box::safeAnswer(style);
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
        shown_.push_back({text, style, title, answer});
        return answer;
    }
    QString openFileName(QWidget*, const QString& initialFolder) override {
        openFolders_ << initialFolder;
        return nextName();
    }
    QString existingFolder(QWidget*, const QString&) override { return nextName(); }
    void openUrl(const QUrl& url) override { openedUrls.push_back(url); }
    QPoint pointerPosition() override { return pointer; }
    int toolTipDelayMs() override { return 0; }

    void queueAnswer(int answer) { answers_.push_back(answer); }
    void queueFileName(const QString& name) { fileNames_.push_back(name); }
    std::vector<ShownBox> takeShownBoxes() { return std::exchange(shown_, {}); }
    // The starting folders the Open dialog was asked for, in order.
    QStringList takeOpenFolders() { return std::exchange(openFolders_, {}); }

    std::vector<QUrl> openedUrls;
    QPoint pointer{400, 300};

private:
    QString nextName() {
        if (fileNames_.empty()) {
            return {};
        }
        QString name = fileNames_.front();
        fileNames_.pop_front();
        return name;
    }

    std::deque<int> answers_;
    std::deque<QString> fileNames_;
    std::vector<ShownBox> shown_;
    QStringList openFolders_;
};

}  // namespace corvane::testing

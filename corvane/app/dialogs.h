// The program's modal dialogs behind one seam. A test switches them to
// scripted mode: nothing is shown, every message box is recorded and gets the
// next queued answer (or the answer that changes nothing), and every file
// dialog returns the next queued name (or nothing, as when cancelled).
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace corvane {

struct ShownBox {
    QString text;
    int style = 0;
    QString title;
    int answer = 0;
};

class Dialogs {
public:
    // A modal message box in the control's style code (icon + buttons, see
    // korbit/control/values/host.h); returns the button chosen.
    static int messageBox(QWidget* parent, const QString& text, int style, const QString& title);

    // The Open dialog for one existing file, starting in `initialFolder`
    // (empty: where the previous choice was made). Empty when cancelled.
    static QString openFileName(QWidget* parent, const QString& initialFolder);

    // The folder picker, with `prompt` as its caption. Empty when cancelled.
    static QString existingFolder(QWidget* parent, const QString& prompt);

    // Scripted mode, for tests.
    static void setScripted(bool scripted);
    static void queueAnswer(int answer);
    static void queueFileName(const QString& name);
    static std::vector<ShownBox> takeShownBoxes();
    // The starting folders the Open dialog was asked for, in order.
    static QStringList takeOpenFolders();
};

}  // namespace corvane

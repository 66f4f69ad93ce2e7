// What the program needs of the desktop it runs on, behind one object that
// is handed down to its windows and its host: the modal message box, the
// Open dialog and the folder picker, the opener of addresses, where the
// pointer is and how long a tip waits. The program runs on the real desktop
// (realDesktop()); a test hands its windows one that shows nothing, records
// every box and answers from a queue.
#pragma once

#include <QPoint>
#include <QString>
#include <QUrl>

class QWidget;

namespace corvane {

class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box in the control's style code (icon + buttons, see
    // korbit/control/values/host.h); returns the button chosen. Closing it
    // without a button is the answer that changes nothing.
    virtual int messageBox(QWidget* parent, const QString& text, int style, const QString& title);

    // The Open dialog for one existing file, starting in `initialFolder`
    // (empty: where the previous choice was made). Empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& initialFolder);

    // The folder picker, with `prompt` as its caption. Empty when cancelled.
    virtual QString existingFolder(QWidget* parent, const QString& prompt);

    // Hands an address to the desktop's opener.
    virtual void openUrl(const QUrl& url);

    // Where the pointer is, on the screen.
    virtual QPoint pointerPosition();

    // How long a tip waits before it shows, in milliseconds; negative: the
    // style's own delay.
    virtual int toolTipDelayMs() { return -1; }

private:
    QString lastFolder_;  // where the previous Open dialog choice was made
};

// The desktop the program runs on.
Desktop& realDesktop();

}  // namespace corvane

// What the program needs of the desktop it runs on, behind one object that
// is handed down to its windows and its host: the modal message box, the
// Open dialog and the folder picker, the openers of addresses and files, the
// file manager's "show this file", notifications, where the pointer is and
// how long a tip waits. The program runs on the real desktop (realDesktop());
// a test hands its windows one that shows nothing, records every box,
// notification and opened file, and answers from a queue.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace corvane {

class Notifications;

class Desktop {
public:
    // The desktop of the session bus (notifications, the file manager).
    Desktop();
    // The same on the message bus at `busAddress` (tests run a bus of their
    // own); empty: no bus, so no notification is shown.
    explicit Desktop(const QString& busAddress);
    virtual ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // A modal message box in the control's style code (icon + buttons, see
    // korbit/control/values/host.h); returns the button chosen. Closing it
    // without a button is the answer that changes nothing.
    virtual int messageBox(QWidget* parent, const QString& text, int style, const QString& title);

    // The Open dialog for one or more existing files, starting in
    // `initialFolder` (empty: wherever the platform starts it). The names
    // chosen, none when cancelled.
    virtual QStringList openFileNames(QWidget* parent, const QString& initialFolder);

    // The folder picker, with `prompt` as its caption. Empty when cancelled.
    virtual QString existingFolder(QWidget* parent, const QString& prompt);

    // Hands an address to the desktop's opener.
    virtual void openUrl(const QUrl& url);

    // Opens `file` with the application the desktop has for its type,
    // through the first opener installed of xdg-open, gio, kde-open,
    // kde-open5, exo-open and gnome-open. False when none of them could be
    // started; true says only that one was.
    virtual bool openFile(const QString& file);

    // Shows `files` in the file manager, selected (its ShowItems on the
    // bus); where no file manager answers there, opens the folder of the
    // first one with openFile().
    virtual void showInFolder(const QStringList& files);

    // A desktop notification (org.freedesktop.Notifications) with
    // `summary` and `body`, from the program, with an action `showLabel`
    // that calls showInFolder(`files`). Nothing happens where no
    // notification server answers.
    virtual void notify(const QString& summary, const QString& body, const QString& showLabel,
                        const QStringList& files);

    // Where the pointer is, on the screen.
    virtual QPoint pointerPosition();

    // How long a tip waits before it shows, in milliseconds; negative: the
    // style's own delay.
    virtual int toolTipDelayMs() { return -1; }

private:
    Notifications& notifications();

    QString busAddress_;
    bool sessionBus_ = true;
    // A child of the application, so that it goes, bus connection and all,
    // with the application rather than with the static desktop after it.
    QPointer<Notifications> notifications_;
};

// The desktop the program runs on.
Desktop& realDesktop();

}  // namespace corvane

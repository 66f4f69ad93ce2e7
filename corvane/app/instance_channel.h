// The running copy of the program takes files from later copies: `corvane
// FILE` while a copy runs hands FILE over a local socket in the user's runtime
// folder, beside the single-instance lock, and ends at once.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace corvane {

// What became of a file handed over, as the running copy answers.
enum class HandOver : int {
    kTaken = 0,     // selected, or kept for the window still to come
    kBusy = 1,      // a run or a dialog is under way: not selected
    kNotAFile = 2,  // nothing that can be selected there
    kNoAnswer = 3,  // the later copy's side: no running copy answered
};

// Where the running copy named `name` listens.
QString instanceSocketPath(const QString& name);

// The running copy's side. Only the holder of the single-instance lock makes
// one, so a socket left at the path is stale and is replaced.
class InstanceServer final : public QObject {
    Q_OBJECT
public:
    // `handler` decides what becomes of each file (empty: none given, the
    // window only is to be seen); it runs on the program's thread.
    InstanceServer(const QString& name, std::function<HandOver(const QString&)> handler,
                   QObject* parent = nullptr);

    // False when the socket could not be made: later copies then find no one.
    bool listening() const { return server_.isListening(); }

private:
    void takeConnection();

    std::function<HandOver(const QString&)> handler_;
    QLocalServer server_;
};

// The later copy's side: hands `file` (absolute; may be empty) to the running
// copy named `name` and waits up to `timeoutMs` for its answer. kNoAnswer when
// nobody listens or answers in time.
HandOver handOverToRunningCopy(const QString& name, const QString& file, int timeoutMs = 5000);

}  // namespace corvane

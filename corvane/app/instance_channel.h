// The running copy of the program takes files from later copies: `corvane
// FILE` while a copy runs hands FILE over a local socket in the runtime
// folder (single_instance.h), beside the single-instance lock, and ends at once.
//
// A hand-over, every number 32 bits, big-endian:
//
//   magic "Cor2" | count | count times: length (1 to kMaxPathBytes) | the name's bytes
//
// with at most kMaxHandOverFiles names, answered with one number, a HandOver.
// The running copy takes hand-overs from processes of its own user only
// (SO_PEERCRED) and drops, unanswered and without reading the rest, one that
// announces more than a hand-over can need, or that does not arrive whole in
// time.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace corvane {

// What became of the files handed over, as the running copy answers.
enum class HandOver : int {
    kTaken = 0,       // selected, or kept for the window still to come
    kBusy = 1,        // a run or a dialog is under way: not selected
    kNotAFile = 2,    // nothing that can be selected there
    kOneAtATime = 3,  // several files, none selected: what a running copy of an earlier version answers
    kNoAnswer = 4,    // the later copy's side: no running copy of this user answered
};

// The most names one hand-over may carry, and the most bytes of one name
// (PATH_MAX on Linux).
inline constexpr quint32 kMaxHandOverFiles = 1000;
inline constexpr quint32 kMaxPathBytes = 4096;

// Where the running copy named `name` listens in `folder`.
QString instanceSocketPath(const QString& folder, const QString& name);

// The running copy's side. Only the holder of the single-instance lock makes
// one, so a socket left at the path is stale and is replaced.
class InstanceServer final : public QObject {
    Q_OBJECT
public:
    // Listens as `name` in `folder` (runtimeFolder().path; empty: nowhere).
    // `handler` decides what becomes of the files of each hand-over (none:
    // the window only is to be seen); it runs on the program's thread. A
    // hand-over not whole within `stallLimitMs` of its connection is dropped.
    InstanceServer(const QString& folder, const QString& name, std::function<HandOver(const QStringList&)> handler,
                   int stallLimitMs = 3000, QObject* parent = nullptr);

    // False when the socket could not be made: later copies then find no one.
    bool listening() const { return server_.isListening(); }
    QString socketPath() const { return server_.fullServerName(); }

private:
    void takeConnection();

    std::function<HandOver(const QStringList&)> handler_;
    int stallLimitMs_;
    QLocalServer server_;
};

// The later copy's side: hands `files` (absolute; none to only raise the
// window) to the running copy named `name` in `folder` and waits up to
// `timeoutMs` for its answer. kNotAFile when a name is longer than a
// hand-over takes; kNoAnswer when no running copy of this user listens or
// answers in time.
HandOver handOverToRunningCopy(const QString& folder, const QString& name, const QStringList& files,
                               int timeoutMs = 5000);

}  // namespace corvane

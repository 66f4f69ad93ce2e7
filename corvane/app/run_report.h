// What a run of the main window did to each of its files, and the words the
// status line and the notification say it in.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

namespace corvane {

struct FileOutcome {
    enum class Kind {
        kEncrypted,
        kDecrypted,
        kCancelled,      // stopped by Cancel: the file is as it was
        kWrongPassword,  // the container's password check refused the password: nothing was written
        kFailed,         // the control returned False; `reason` holds what it said, if anything
        kRefused,        // skipped: this user cannot have it rewritten; `reason` says why
        kNotStarted,     // a run cancelled before this file's turn
    };
    QString path;
    Kind kind = Kind::kFailed;
    bool encrypting = true;  // what the run meant to do
    QString reason;

    bool succeeded() const { return kind == Kind::kEncrypted || kind == Kind::kDecrypted; }
};

// The message the control shows for a password that fails a container's
// check, as the control words it.
inline const QString kInvalidPasswordMessage = QStringLiteral("Invalid Password!!!");

// The outcome of one finished call of the control on `path`: `done` its
// result, `cancelled` whether Cancel was pressed during it, `said` the texts
// of the boxes and failures it showed meanwhile.
FileOutcome outcomeOf(const QString& path, bool encrypting, bool done, bool cancelled, const QStringList& said);

class RunReport {
    Q_DECLARE_TR_FUNCTIONS(corvane::RunReport)
public:
    explicit RunReport(std::vector<FileOutcome> outcomes) : outcomes_(std::move(outcomes)) {}

    bool allSucceeded() const;

    // The first sentence: for one file its outcome ("report.pdf is
    // encrypted.", "Cancelled: report.pdf is as it was.", "Wrong password:
    // nothing was changed.", the failure in words); for several how many are
    // done ("All 3 files are encrypted.", "Done: 1 of 3 files.").
    QString headline() const;
    // For several files, one line for each that did not succeed, saying
    // why; empty otherwise.
    QStringList failures() const;
    // The headline followed by the failures, one a line: the status line.
    QString statusText() const;

private:
    std::vector<FileOutcome> outcomes_;
};

}  // namespace corvane

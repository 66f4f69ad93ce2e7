#include "corvane/app/run_report.h"

#include <algorithm>

#include "corvane/app/file_selection.h"

namespace corvane {

using Kind = FileOutcome::Kind;

FileOutcome outcomeOf(const QString& path, bool encrypting, bool done, bool cancelled, const QStringList& said) {
    FileOutcome outcome{path, Kind::kFailed, encrypting, {}};
    if (done) {
        // The file tells which way it went (a run that completed an
        // interrupted one may have gone either way); the caller looks.
        outcome.kind = encrypting ? Kind::kEncrypted : Kind::kDecrypted;
    } else if (said.contains(kInvalidPasswordMessage)) {
        outcome.kind = Kind::kWrongPassword;
    } else if (cancelled && said.isEmpty()) {
        outcome.kind = Kind::kCancelled;
    } else {
        outcome.reason = said.join(u' ');
    }
    return outcome;
}

bool RunReport::allSucceeded() const {
    return std::all_of(outcomes_.begin(), outcomes_.end(), [](const FileOutcome& o) { return o.succeeded(); });
}

QString RunReport::headline() const {
    if (outcomes_.size() == 1) {
        const FileOutcome& o = outcomes_.front();
        const QString name = shownName(o.path);
        switch (o.kind) {
            case Kind::kEncrypted:
                return tr("%1 is encrypted.").arg(name);
            case Kind::kDecrypted:
                return tr("%1 is decrypted.").arg(name);
            case Kind::kCancelled:
            case Kind::kNotStarted:
                return tr("Cancelled: %1 is as it was.").arg(name);
            case Kind::kWrongPassword:
                return tr("Wrong password: nothing was changed.");
            case Kind::kRefused:
                return o.reason;
            case Kind::kFailed:
                break;
        }
        if (o.reason.isEmpty()) {
            return o.encrypting ? tr("%1 was not encrypted.").arg(name) : tr("%1 was not decrypted.").arg(name);
        }
        return o.encrypting ? tr("%1 was not encrypted: %2").arg(name, o.reason)
                            : tr("%1 was not decrypted: %2").arg(name, o.reason);
    }
    const int total = static_cast<int>(outcomes_.size());
    const auto count = [this](Kind kind) {
        return static_cast<int>(
            std::count_if(outcomes_.begin(), outcomes_.end(), [kind](const FileOutcome& o) { return o.kind == kind; }));
    };
    const int encrypted = count(Kind::kEncrypted);
    const int decrypted = count(Kind::kDecrypted);
    if (encrypted == total) {
        return tr("All %n files are encrypted.", nullptr, total);
    }
    if (decrypted == total) {
        return tr("All %n files are decrypted.", nullptr, total);
    }
    if (encrypted + decrypted == total) {
        return tr("All %1 files are done: %2 encrypted, %3 decrypted.").arg(total).arg(encrypted).arg(decrypted);
    }
    return tr("Done: %1 of %2 files.").arg(encrypted + decrypted).arg(total);
}

QStringList RunReport::failures() const {
    QStringList lines;
    if (outcomes_.size() < 2) {
        return lines;
    }
    for (const FileOutcome& o : outcomes_) {
        const QString name = shownName(o.path);
        switch (o.kind) {
            case Kind::kEncrypted:
            case Kind::kDecrypted:
                break;
            case Kind::kCancelled:
                lines << tr("%1: cancelled; it is as it was.").arg(name);
                break;
            case Kind::kWrongPassword:
                lines << tr("%1: wrong password; nothing was changed.").arg(name);
                break;
            case Kind::kNotStarted:
                lines << tr("%1: not started, since the run was cancelled.").arg(name);
                break;
            case Kind::kRefused:
                lines << o.reason;  // names the file itself
                break;
            case Kind::kFailed:
                if (o.reason.isEmpty()) {
                    lines << (o.encrypting ? tr("%1: not encrypted.").arg(name) : tr("%1: not decrypted.").arg(name));
                } else {
                    lines << tr("%1: %2").arg(name, o.reason);
                }
                break;
        }
    }
    return lines;
}

QString RunReport::statusText() const {
    QStringList lines{headline()};
    lines << failures();
    return lines.join(u'\n');
}

}  // namespace corvane

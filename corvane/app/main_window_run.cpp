// A run of the main window: its files one after the other on the control,
// the progress of the whole run, Cancel, and the outcome said in the status
// line and, when the window is not the active one, in a notification.
#include <sys/stat.h>

#include <QApplication>

#include "corvane/app/branding.h"
#include "corvane/app/desktop.h"
#include "corvane/app/file_names.h"
#include "corvane/app/main_window.h"
#include "corvane/app/qt_host.h"
#include "corvane/app/window_control.h"
#include "corvane/app/window_parts.h"

namespace corvane {

namespace {

// A file's share of a run: its size, and one more so that an empty file
// counts too.
qint64 weightOf(const QString& path) {
    struct stat info {};
    const QByteArray name = osFileName(path);
    return (!name.isEmpty() && ::stat(name.constData(), &info) == 0 ? static_cast<qint64>(info.st_size) : 0) + 1;
}

}  // namespace

void MainWindow::runRoutine() {
    playCue(cue::kRunStarts);
    cancelButton_->setEnabled(true);
    encDecButton_->setEnabled(false);
    suggest_->setEnabled(false);
    timer1_.start(1);

    // The run keeps its own copy: nothing chosen meanwhile changes it.
    const FileSelection run = selection_;
    const QString password = passwordTxt_->text();
    const bool several = run.several();
    cancelRequested_ = false;
    std::vector<qint64> weights;
    runDone_ = 0;
    runTotal_ = 0;
    for (const SelectedFile& f : run.files()) {
        weights.push_back(weightOf(f.path));
        runTotal_ += weights.back();
    }
    statusLine_->clear();

    ++runDepth_;
    std::vector<FileOutcome> outcomes;
    const int count = static_cast<int>(run.files().size());
    for (int i = 0; i < count; ++i) {
        const SelectedFile& file = run.files()[static_cast<std::size_t>(i)];
        if (several) {
            if (cancelRequested_) {
                outcomes.push_back({file.path, FileOutcome::Kind::kNotStarted, !file.encrypted, {}});
            } else if (const QString refusal = refusalOf(file.path); !refusal.isEmpty()) {
                outcomes.push_back({file.path, FileOutcome::Kind::kRefused, !file.encrypted, refusal});
            } else {
                statusLine_->setPlainText((file.encrypted ? tr("Decrypting %1 of %2: %3") : tr("Encrypting %1 of %2: %3"))
                                         .arg(i + 1)
                                         .arg(count)
                                         .arg(shownName(file.path)));
                runCurrent_ = weights[static_cast<std::size_t>(i)];
                outcomes.push_back(runOne(file, password, true));
            }
            runDone_ += weights[static_cast<std::size_t>(i)];
            runCurrent_ = 0;
            if (runTotal_ > 0) {
                showProgress(static_cast<int>(runDone_ * 100 / runTotal_));
            }
        } else {
            outcomes.push_back(runOne(file, password, false));
        }
    }
    --runDepth_;
    endRun(run, outcomes);
}

FileOutcome MainWindow::runOne(const SelectedFile& file, const QString& password, bool several) {
    // Several files run without stopping at each message: what the control
    // says of one of them goes into the summary.
    host_->beginRecording(several);
    const bool done = control_->EncryptionRoutine2(toText(file.path), toText(password),
                                                   toText(branding::kBoxTitle));
    const QStringList said = host_->endRecording();
    FileOutcome outcome = outcomeOf(file.path, !file.encrypted, done, cancelRequested_, said);
    if (done) {
        // The file tells: a run that completed an interrupted one may leave
        // it either way.
        outcome.kind = control_->IsFileEncrypted2(toText(file.path)) ? FileOutcome::Kind::kEncrypted
                                                                      : FileOutcome::Kind::kDecrypted;
    }
    return outcome;
}

void MainWindow::endRun(const FileSelection& run, const std::vector<FileOutcome>& outcomes) {
    const RunReport report(outcomes);
    if (report.allSucceeded()) {
        playCue(cue::kRunSucceeded);
        std::vector<SelectedFile> files = run.files();
        for (std::size_t i = 0; i < files.size() && i < outcomes.size(); ++i) {
            files[i].encrypted = outcomes[i].kind == FileOutcome::Kind::kEncrypted;
        }
        selection_ = FileSelection(std::move(files));
        showMode(selection_.several() ? selection_.toEncrypt() > 0 : !selection_.files().front().encrypted);
    } else {
        // As after a False result of the control: the file and the password
        // are asked for again.
        myFileTxt_->clear();
        myFileTxt_->setToolTip(QString());
        passwordTxt_->clear();
        selection_ = FileSelection();
        selectionText_.clear();
    }
    timer1_.stop();
    cancelButton_->setEnabled(false);
    cancelRequested_ = false;
    showWindowNote(QString());  // a note of a hand-over during the run goes with it
    statusLine_->setPlainText(report.statusText());
    statusLine_->setAccessibleDescription(report.statusText());
    if (!userIsHere()) {
        QStringList files;
        for (const FileOutcome& o : outcomes) {
            files << o.path;
        }
        desktop_.notify(report.headline(), report.failures().join(u'\n'), tr("Show in folder"), files);
    }
    updateActionButton();
    emit runEnded();
    if (closeRequested_ && runDepth_ == 0) {
        close();
    }
}

bool MainWindow::userIsHere() const {
    // This window or one of its own (the confirmation, say) has the keyboard.
    for (const QWidget* w = QApplication::activeWindow(); w != nullptr; w = w->parentWidget()) {
        if (w == this) {
            return true;
        }
    }
    return false;
}

void MainWindow::progressTick() {
    ++pollTicks_;
    int percent = control_->EncryptionProgressPercentage();
    if (runCurrent_ > 0 && runTotal_ > 0) {
        // Several files: the share of the whole run.
        percent = static_cast<int>((runDone_ * 100 + runCurrent_ * percent) / runTotal_);
    }
    showProgress(percent);
    emit progressPolled(percent);
}

void MainWindow::showProgress(int percent) {
    progressBar_->setValue(percent);
    const QString shown = QString::number(percent) + QLatin1Char('%');
    if (shown != percentageLabel_->text()) {
        percentageLabel_->setText(shown);
        percentageLabel_->setAccessibleDescription(shown);
    }
}

}  // namespace corvane

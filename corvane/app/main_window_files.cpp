// How files reach the main window: the Open dialog's choice, a typed path, a
// drop, and a file handed over by a second copy of the program.
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "corvane/app/file_names.h"
#include "corvane/app/main_window.h"
#include "corvane/app/window_parts.h"
#include "korbit/platform/rewrite_check.h"

namespace corvane {

namespace {

const QString kOneFileAtATime = QStringLiteral("Corvane takes one file at a time: drop a single file.");
const QString kNoSuchFile = QStringLiteral("There is no file at \u201c%1\u201d.");
const QString kBusy =
    QStringLiteral("Busy: \u201c%1\u201d was not selected. Choose it again when this is done.");

// The local files a drop carries, by the bytes of their names; folders and
// remote addresses are not files the program can take.
QStringList droppedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        const QString file = fileNameOfUrl(url);
        if (!file.isEmpty() && isRegularFile(file)) {
            files << file;
        }
    }
    return files;
}

// A path as typed: "~" is the home folder, a relative path starts from the
// program's current folder.
QString typedPath(const QString& text) {
    QString path = text.trimmed();
    if (path == QStringLiteral("~") || path.startsWith(QStringLiteral("~/"))) {
        path = QDir::homePath() + path.mid(1);
    }
    const QString absolute = path.isEmpty() ? path : absoluteFileName(path);
    return absolute.isEmpty() ? path : absolute;  // a name no file can have stays as typed
}

}  // namespace

QString MainWindow::refusalOf(const QString& path) {
    const korbit::engine::Status refused = korbit::platform::checkRewritable(osFileName(path).toStdString());
    return refused ? QString() : legible(fileNameFromOs(QByteArray::fromStdString(refused.message())));
}

void MainWindow::fileChosen(const QString& path) {
    myFileTxt_->setText(path);
    if (path.isEmpty()) {
        return;
    }
    chosenFile_ = path;
    // A file this user cannot have rewritten is refused at once, with the
    // reason, before any password is typed for it.
    const QString refusal = refusalOf(path);
    showWindowNote(refusal);
    encDecButton_->setEnabled(refusal.isEmpty());
    setMode();
    passwordTxt_->setFocus();
    firstFileSelect_ = false;
}

void MainWindow::typedPathEntered() {
    const QString path = typedPath(myFileTxt_->text());
    if (path.isEmpty()) {
        return;
    }
    if (!isRegularFile(path)) {
        showWindowNote(kNoSuchFile.arg(legible(path)));
        return;
    }
    fileChosen(path);
}

HandOver MainWindow::takeForwardedFiles(const QStringList& paths) {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
    if (paths.isEmpty()) {
        return HandOver::kTaken;
    }
    if (paths.size() > 1) {
        showWindowNote(kOneFileAtATime);
        return HandOver::kOneAtATime;
    }
    const QString& path = paths.front();
    if (running() || QApplication::activeModalWidget() != nullptr) {
        showWindowNote(kBusy.arg(legible(path)));
        return HandOver::kBusy;
    }
    if (!isRegularFile(path)) {
        showWindowNote(kNoSuchFile.arg(legible(path)));
        return HandOver::kNotAFile;
    }
    fileChosen(path);
    return HandOver::kTaken;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    if (files.size() > 1) {
        showWindowNote(kOneFileAtATime);
        return;
    }
    fileChosen(files.front());
}

}  // namespace corvane

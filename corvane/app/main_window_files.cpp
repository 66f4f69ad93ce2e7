// How files reach the main window: the Open dialog's choice, a typed path, a
// drop, and files handed over by a second copy of the program.
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "corvane/app/file_names.h"
#include "corvane/app/main_window.h"
#include "corvane/app/qt_host.h"
#include "corvane/app/window_control.h"
#include "corvane/app/window_parts.h"
#include "korbit/platform/rewrite_check.h"

namespace corvane {

namespace {

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

// What the window says of files it could not take during a run or a dialog.
QString busyNote(const QStringList& paths) {
    return paths.size() == 1
               ? MainWindow::tr("Busy: \u201c%1\u201d was not selected. Choose it again when this is done.")
                     .arg(legible(paths.front()))
               : MainWindow::tr("Busy: %n files were not selected. Choose them again when this is done.", nullptr,
                                static_cast<int>(paths.size()));
}

QString folderOf(const QString& path) { return path.left(std::max<qsizetype>(path.lastIndexOf(u'/'), 1)); }

}  // namespace

QString MainWindow::refusalOf(const QString& path) {
    const korbit::engine::Status refused = korbit::platform::checkRewritable(osFileName(path).toStdString());
    return refused ? QString() : legible(fileNameFromOs(QByteArray::fromStdString(refused.message())));
}

void MainWindow::filesChosen(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;  // nothing chosen: nothing changes
    }
    if (running()) {
        // The run keeps the files it was started for.
        showWindowNote(busyNote(paths));
        return;
    }
    // A file this user cannot have rewritten is refused at once, with the
    // reason, before any password is typed for it; of several, it is
    // skipped and the others run.
    std::vector<SelectedFile> files;
    QStringList refusals;
    for (const QString& path : paths) {
        SelectedFile file{path, refusalOf(path), false};
        if (!file.refusal.isEmpty()) {
            refusals << file.refusal;
        }
        files.push_back(file);
    }
    selection_ = FileSelection(std::move(files));
    selectionText_ = selection_.boxText();
    myFileTxt_->setText(selectionText_);
    myFileTxt_->setToolTip(selection_.tipText());
    lastFolder_ = folderOf(paths.back());
    showWindowNote(refusals.join(u'\n'));
    setMode();
    updateActionButton();
    passwordTxt_->setFocus();
    firstFileSelect_ = false;
}

void MainWindow::typedPathEntered() {
    const QString path = typedPath(myFileTxt_->text());
    if (path.isEmpty()) {
        return;
    }
    if (!isRegularFile(path)) {
        showWindowNote(tr("There is no file at \u201c%1\u201d.").arg(legible(path)));
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
    if (running() || QApplication::activeModalWidget() != nullptr) {
        showWindowNote(busyNote(paths));
        return HandOver::kBusy;
    }
    QStringList files;
    QStringList missing;
    for (const QString& path : paths) {
        if (isRegularFile(path)) {
            files << path;
        } else {
            missing << tr("There is no file at \u201c%1\u201d.").arg(legible(path));
        }
    }
    if (files.isEmpty()) {
        showWindowNote(missing.join(u'\n'));
        return HandOver::kNotAFile;
    }
    filesChosen(files);
    if (!missing.isEmpty()) {
        QStringList lines;
        if (!windowNote_->text().isEmpty()) {
            lines << windowNote_->text();  // the refusals of what was selected
        }
        lines << missing;
        showWindowNote(lines.join(u'\n'));
    }
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
    filesChosen(files);
}

}  // namespace corvane

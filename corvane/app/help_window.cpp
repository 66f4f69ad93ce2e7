#include "corvane/app/help_window.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QVBoxLayout>

#include "corvane/app/file_names.h"
#include "resources/resource_paths.h"

namespace corvane {

namespace {

constexpr int kHelpResource = 105;

QByteArray pageOf(const QString& helpFile) {
    // By its bytes: Qt's conversion of a name would lose those that are
    // no UTF-8.
    const QByteArray name = osFileName(helpFile);
    const int fd = name.isEmpty() ? -1 : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    QFile file;
    if (fd >= 0) {
        if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            return file.readAll();
        }
        ::close(fd);
    }
    QFile own(resources::help(kHelpResource));
    return own.open(QIODevice::ReadOnly) ? own.readAll() : QByteArray();
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("HelpWindow"));
    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("HelpPage"));
    page_->setOpenExternalLinks(true);
    page_->setAccessibleName(tr("Help"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_);
    layout->addWidget(buttons);
    resize(640, 560);
}

void HelpWindow::showPage(const QString& helpFile) {
    page_->setHtml(QString::fromUtf8(pageOf(helpFile)));
    const QString title = page_->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Help") : title);
    show();
    raise();
    activateWindow();
}

}  // namespace corvane

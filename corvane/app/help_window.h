// The help page in a window of the program, for a desktop where no opener
// can show it: the page the settings name, or the one the program carries.
#pragma once

#include <QDialog>
#include <QTextBrowser>

namespace corvane {

class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // Shows `helpFile` (HTML), read now; when it cannot be read, the
    // program's own copy of the page. Its links go to the desktop's opener.
    void showPage(const QString& helpFile);

    QTextBrowser* page() const { return page_; }

private:
    QTextBrowser* page_ = nullptr;
};

}  // namespace corvane

// Asks for the password once more before a file is encrypted: a typing
// mistake in a password nobody can recover would lose the file. It also says
// how long guessing the password would take, as the window's strength meter
// does, and warns about characters whose upper bits do not count.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

class ConfirmPasswordDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ConfirmPasswordDialog(QWidget* owner);

    // Opens the dialog, modal to its owner, for `password`, and returns at
    // once. accepted() follows when the same password was typed again and
    // confirmed; rejected() when the dialog was cancelled (Escape, Cancel or
    // its title bar). A different password keeps the dialog open, says so and
    // empties the box.
    void ask(const QString& password);

    // For tests and the curious.
    QLineEdit* againBox() const { return again_; }
    QLabel* mismatchNote() const { return mismatch_; }
    QLabel* strengthHint() const { return strength_; }
    QLabel* latin1Warning() const { return latin1_; }
    QPushButton* confirmButton() const { return confirm_; }

    void accept() override;
    void done(int result) override;

private:
    QString password_;
    QLineEdit* again_ = nullptr;
    QLabel* mismatch_ = nullptr;
    QLabel* strength_ = nullptr;
    QLabel* latin1_ = nullptr;
    QPushButton* confirm_ = nullptr;
};

}  // namespace corvane

#include "corvane/app/confirm_password_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "corvane/app/branding.h"
#include "corvane/app/password_field.h"
#include "corvane/app/password_meter.h"

namespace corvane {

namespace {

QLabel* note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

ConfirmPasswordDialog::ConfirmPasswordDialog(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ConfirmPasswordDialog"));
    setWindowTitle(branding::kBoxTitle);

    auto* prompt = note(tr("Type the password again. Without it the file cannot be restored."), this);
    again_ = new QLineEdit(this);
    again_->setObjectName(QStringLiteral("ConfirmPasswordTxt"));
    again_->setAccessibleName(tr("Password again"));
    makePasswordBox(again_);
    prompt->setBuddy(again_);
    mismatch_ = note(tr("The passwords do not match. Type it again, or press Escape to change the first one."), this);
    mismatch_->setObjectName(QStringLiteral("MismatchNote"));
    QFont bold = mismatch_->font();
    bold.setBold(true);
    mismatch_->setFont(bold);
    strength_ = note(QString(), this);
    strength_->setObjectName(QStringLiteral("StrengthHint"));
    latin1_ = note(PasswordMeter::beyondLatin1Note(), this);
    latin1_->setToolTip(PasswordMeter::beyondLatin1Detail());
    latin1_->setObjectName(QStringLiteral("Latin1Warning"));

    auto* buttons = new QDialogButtonBox(this);
    confirm_ = buttons->addButton(tr("Encrypt"), QDialogButtonBox::AcceptRole);
    confirm_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConfirmPasswordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ConfirmPasswordDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(again_);
    layout->addWidget(mismatch_);
    layout->addSpacing(6);
    layout->addWidget(strength_);
    layout->addWidget(latin1_);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

void ConfirmPasswordDialog::ask(const QString& password) {
    password_ = password;
    again_->clear();
    mismatch_->hide();
    strength_->setText(PasswordMeter::describe(password));  // the window's meter says the same
    latin1_->setVisible(hasCharactersBeyondLatin1(password));
    adjustSize();
    open();
    again_->setFocus();
}

void ConfirmPasswordDialog::accept() {
    if (again_->text() != password_) {
        mismatch_->show();
        again_->clear();
        again_->setFocus();
        return;
    }
    QDialog::accept();
}

void ConfirmPasswordDialog::done(int result) {
    // The window's own box keeps the password; no second copy stays behind.
    again_->clear();
    password_.clear();
    QDialog::done(result);
}

}  // namespace corvane

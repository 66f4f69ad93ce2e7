#include "corvane/app/password_field.h"

#include "korbit/hosting/password_rule.h"

namespace corvane {

int passwordLength(const QString& text) { return static_cast<int>(korbit::hosting::passwordLength(textView(text))); }

bool hasCharactersBeyondLatin1(const QString& text) {
    return korbit::hosting::hasCharactersBeyondLatin1(textView(text));
}

QValidator::State PasswordLengthValidator::validate(QString& input, int&) const {
    return korbit::hosting::passwordLength(textView(input)) > korbit::hosting::kMaximumPasswordLength ? Invalid
                                                                                                     : Acceptable;
}

void makePasswordBox(QLineEdit* box) {
    box->setEchoMode(QLineEdit::Password);
    box->setValidator(new PasswordLengthValidator(box));
}

}  // namespace corvane

// The password rule as the windows apply it to their text boxes.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QValidator>
#include <string_view>

namespace corvane {

// The 16-bit characters of `text`, without a copy.
inline std::u16string_view textView(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// Characters of `text` as the password rule counts them.
int passwordLength(const QString& text);

// True when `text` holds a character beyond U+00FF.
bool hasCharactersBeyondLatin1(const QString& text);

// Refuses an edit that would make the text longer than the longest password,
// counted in characters (a box's own limit counts 16-bit units). The box then
// keeps its text and emits inputRejected().
class PasswordLengthValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Makes `box` a password box: hidden characters, the length limit.
void makePasswordBox(QLineEdit* box);

}  // namespace corvane

// The strength meter under the password box: a bar of three steps and one
// sentence in plain words, "Weak: one graphics card could guess it in about
// 3 hours.", following the typing. The estimate is the password rule's
// (korbit/hosting/password_rule.h), libzxcvbn's count of the guesses an
// attacker would make first.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace corvane {

class PasswordMeter final : public QWidget {
    Q_OBJECT
public:
    explicit PasswordMeter(QWidget* parent = nullptr);

    // Rates `password`; empty: shows nothing.
    void setPassword(const QString& password);

    // 0 for nothing to rate or too short, 1 weak, 2 fair, 3 strong.
    int level() const noexcept { return level_; }
    QString text() const { return label_->text(); }

    // The meter's sentence for `password`; empty for an empty one.
    static QString describe(const QString& password);
    // How long one graphics card needs, in words: "about 3 hours".
    static QString durationWords(double seconds);
    // The note for a password with characters beyond U+00FF, in plain
    // words, and what it means, for its tip.
    static QString beyondLatin1Note();
    static QString beyondLatin1Detail();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* bar_ = nullptr;
    QLabel* label_ = nullptr;
    int level_ = 0;
};

}  // namespace corvane

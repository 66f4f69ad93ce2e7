#include "corvane/app/password_meter.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>

#include "corvane/app/password_field.h"
#include "corvane/app/readable_colors.h"
#include "korbit/hosting/password_rule.h"

namespace corvane {

namespace hosting = korbit::hosting;

namespace {

constexpr int kSteps = 3;
// Weak, fair, strong.
const QColor kStepColors[kSteps] = {QColor(0xb0, 0x20, 0x20), QColor(0xa0, 0x60, 0x00), QColor(0x00, 0x70, 0x20)};

}  // namespace

PasswordMeter::PasswordMeter(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StrengthMeter"));
    bar_ = new QWidget(this);
    bar_->setFixedSize(72, 8);
    bar_->installEventFilter(this);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("StrengthText"));
    label_->setWordWrap(true);
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The width is the window's, whatever the sentence: nothing moves
    // while one types.
    label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label_->setFixedHeight(2 * label_->fontMetrics().lineSpacing() + 2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_, 0, Qt::AlignVCenter);
    layout->addWidget(label_, 1);
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true);  // hidden while decrypting, its place kept
    setSizePolicy(policy);
    setAccessibleName(tr("Password strength"));
    setToolTip(tr("How long one graphics card, trying 10 billion passwords a second, would need to reach this one "
                  "when it tries dictionary words, names, dates and keyboard patterns first."));
}

QString PasswordMeter::durationWords(double seconds) {
    using Words = hosting::DurationWords;
    const hosting::RoundedDuration d = hosting::roundDuration(seconds);
    const int n = static_cast<int>(d.count);
    switch (d.words) {
        case Words::kLessThanASecond:
            return tr("less than a second");
        case Words::kSeconds:
            return n == 1 ? tr("about 1 second") : tr("about %n seconds", nullptr, n);
        case Words::kMinutes:
            return n == 1 ? tr("about 1 minute") : tr("about %n minutes", nullptr, n);
        case Words::kHours:
            return n == 1 ? tr("about 1 hour") : tr("about %n hours", nullptr, n);
        case Words::kDays:
            return n == 1 ? tr("about 1 day") : tr("about %n days", nullptr, n);
        case Words::kYears:
            return n == 1 ? tr("about 1 year") : tr("about %n years", nullptr, n);
        case Words::kThousandsOfYears:
            return tr("thousands of years");
        case Words::kMillionsOfYears:
            return tr("millions of years");
        case Words::kMoreThanABillionYears:
            break;
    }
    return tr("more than a billion years");
}

QString PasswordMeter::beyondLatin1Note() { return tr("\u00e9 is fine; letters from other scripts do not all count."); }

QString PasswordMeter::beyondLatin1Detail() {
    return tr("Only the lowest 8 bits of each character enter the key: \u0444 counts the same as D, so a password of "
              "such letters is much easier to guess than it looks.");
}

QString PasswordMeter::describe(const QString& password) {
    if (password.isEmpty()) {
        return {};
    }
    if (passwordLength(password) < static_cast<int>(hosting::kMinimumPasswordLength)) {
        return tr("Too short: a password has at least 6 characters.");
    }
    const hosting::StrengthEstimate estimate = hosting::estimateStrength(textView(password));
    const QString time = durationWords(estimate.seconds);
    switch (estimate.strength) {
        case hosting::Strength::kWeak:
            return tr("Weak: one graphics card could guess it in %1.").arg(time);
        case hosting::Strength::kFair:
            return tr("Fair: one graphics card could guess it in %1.").arg(time);
        case hosting::Strength::kStrong:
            break;
    }
    return tr("Strong: one graphics card would need %1 to guess it.").arg(time);
}

void PasswordMeter::setPassword(const QString& password) {
    int level = 0;
    if (passwordLength(password) >= static_cast<int>(hosting::kMinimumPasswordLength)) {
        level = 1 + static_cast<int>(hosting::estimateStrength(textView(password)).strength);
    }
    const QString text = describe(password);
    level_ = level;
    label_->setText(text);
    setAccessibleDescription(text);
    bar_->update();
}

bool PasswordMeter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == bar_ && event->type() == QEvent::Paint) {
        QPainter painter(bar_);
        const int gap = 3;
        const int width = (bar_->width() - (kSteps - 1) * gap) / kSteps;
        const QColor empty = palette().color(QPalette::Mid);
        for (int step = 0; step < kSteps; ++step) {
            const QColor filled = textColorFor(kStepColors[level_ - 1 < 0 ? 0 : level_ - 1], palette(), QPalette::Window);
            painter.fillRect(QRect(step * (width + gap), 0, width, bar_->height()), step < level_ ? filled : empty);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace corvane

#include "corvane/app/loading_form.h"

#include <QVBoxLayout>

#include "corvane/app/branding.h"
#include "corvane/app/window_control.h"
#include "corvane/app/desktop.h"
#include "corvane/app/qt_host.h"
#include "corvane/app/window_parts.h"

namespace corvane {

namespace {

const QString kCaptions[] = {
    QStringLiteral("Loading"),    QStringLiteral("Loading."),    QStringLiteral("Loading.."),
    QStringLiteral("Loading..."), QStringLiteral("Loading...."),
};

}  // namespace

LoadingForm::LoadingForm(std::function<void(const AppFolders&)> finished, Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), finished_(std::move(finished)) {
    host_ = std::make_unique<QtHost>(this, desktop);
    control_ = std::make_unique<WindowControl>(*host_);

    image1_ = new Picture(102, this);
    image1_->setObjectName(QStringLiteral("Image1"));
    label1_ = new QLabel(QStringLiteral("Loading...."), this);
    label1_->setMinimumWidth(label1_->fontMetrics().horizontalAdvance(QStringLiteral("Loading....")) + 8);
    progress_ = new XjProgressBar(kTicks, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(image1_, 0, Qt::AlignHCenter);
    layout->addWidget(label1_);
    layout->addWidget(progress_);

    folders_ = setupAppFolders(*control_);
    if (!folders_.problems.isEmpty()) {
        namespace box = korbit::control::box;
        desktop.messageBox(this,
                            QStringLiteral("Corvane could not put its folders and files in place:\n\n") +
                                folders_.problems.join(QLatin1Char('\n')),
                            box::kExclamation | box::kOkOnly, branding::kBoxTitle);
    }

    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &LoadingForm::progressTick);
    connect(&timer2_, &QTimer::timeout, this, &LoadingForm::animationTick);
}

LoadingForm::~LoadingForm() = default;

void LoadingForm::start() {
    timer1_.start(1);
    timer2_.start(kAnimationMs);
}

void LoadingForm::progressTick() {
    if (tickCount_ >= kTicks) {
        return;  // a tick queued before the timers stopped
    }
    ++tickCount_;
    progress_->setValue(tickCount_);
    if (tickCount_ > kTicks - 1) {
        timer1_.stop();
        timer2_.stop();
        // The main window first, so that the program never has no window.
        if (finished_) {
            finished_(folders_);
        }
        close();
    }
}

void LoadingForm::animationTick() {
    label1_->setText(kCaptions[dotState_ - 1]);
    dotState_ = static_cast<qint16>(dotState_ % 5 + 1);
}

int LoadingForm::progressValue() const { return progress_->value(); }

}  // namespace corvane

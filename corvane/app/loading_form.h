// The splash window: shows a picture, a filling progress bar and an animated
// "Loading" caption while start-up puts the user's folders, settings and help
// page in place, then hands over to the main window after 150 ticks.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "corvane/app/app_folders.h"

namespace corvane {

class WindowControl;
class Desktop;
class Picture;
class QtHost;
class XjProgressBar;

class LoadingForm final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTicks = 150;
    static constexpr int kAnimationMs = 200;

    // Runs the start-up work at once, through the window's own control.
    // `finished` is called once, on the last tick, just before the window
    // closes (it may deleteLater() it); it receives the folders start-up put in place. Throws what creating
    // the control throws.
    // Its boxes are `desktop`'s, which must outlive it.
    LoadingForm(std::function<void(const AppFolders&)> finished, Desktop& desktop, QWidget* parent = nullptr);
    ~LoadingForm() override;

    // Starts the two timers: the progress tick every millisecond (as often as
    // the platform allows) and the caption every 200 ms.
    void start();

    const AppFolders& folders() const noexcept { return folders_; }

    // The timers' work, public for tests that tick by hand.
    void progressTick();
    void animationTick();

    int tickCount() const noexcept { return tickCount_; }
    QString caption() const { return label1_->text(); }
    int progressValue() const;

private:
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<WindowControl> control_;
    std::function<void(const AppFolders&)> finished_;
    AppFolders folders_;
    Picture* image1_ = nullptr;
    QLabel* label1_ = nullptr;
    XjProgressBar* progress_ = nullptr;
    QTimer timer1_;
    QTimer timer2_;
    qint16 tickCount_ = 0;
    qint16 dotState_ = 1;
};

}  // namespace corvane

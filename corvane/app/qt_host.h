// The desktop program as the control's host: its message boxes, its event
// loop as the pump, its input as "input pending", its folder picker and its
// windows.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "korbit/control/values/host.h"

namespace corvane {

class Desktop;

class QtHost final : public QObject, public korbit::control::Host {
    Q_OBJECT
public:
    // `owner` parents the boxes and dialogs; it may go away before the host.
    // The boxes and the folder picker are the desktop's, which must outlive
    // the host.
    QtHost(QWidget* owner, Desktop& desktop);
    ~QtHost() override;

    std::int32_t messageBox(const korbit::control::Text& text, std::int32_t style,
                            const korbit::control::Text& title) override;

    // Runs the pending events (timers, clicks, repaints). The control calls
    // it at its own pace during a long operation.
    void pumpEvents() override;

    // True once after keyboard or mouse input reached the program.
    bool inputPending() override;

    korbit::control::Text browseForFolder(std::int32_t ownerWindow, const korbit::control::Text& prompt) override;

    // Pauses or resumes the repaint of one of the program's windows.
    bool freezeWindow(std::int32_t window, bool freeze) override;

    // A failure of the control that no result of its own reports: shown in
    // a critical box titled like the program's other boxes.
    void reportFailure(const korbit::control::Text& method, const korbit::control::Text& description) override;

    // The program hands out no drawing surfaces.
    bool drawFileIcon(std::int32_t, const korbit::control::Text&, bool, std::int32_t) override { return false; }

    // The handle under which the control knows `widget`'s window.
    static std::int32_t handleOf(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> owner_;
    Desktop& desktop_;
    bool inputArrived_ = false;
};

// Text conversions between Qt and the control's values.
inline QString toQString(const korbit::control::Text& text) { return QString::fromStdU16String(text); }
inline korbit::control::Text toText(const QString& text) { return text.toStdU16String(); }

}  // namespace corvane

#include "corvane/app/qt_host.h"

#include <QApplication>
#include <QEvent>

#include "corvane/app/branding.h"
#include "corvane/app/desktop.h"
#include "corvane/app/file_names.h"

namespace corvane {

namespace {

// The control's boxes that the window shows in its user's language. What is
// recorded, and compared, is always the control's own text.
const char* const kControlBoxTexts[] = {
    QT_TRANSLATE_NOOP("korbit::control", "Invalid Password!!!"),
};

QString inUsersLanguage(const QString& text) {
    for (const char* known : kControlBoxTexts) {
        if (text == QLatin1String(known)) {
            return QCoreApplication::translate("korbit::control", known);
        }
    }
    return text;
}

}  // namespace

QtHost::QtHost(QWidget* owner, Desktop& desktop) : owner_(owner), desktop_(desktop) {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
    }
}

QtHost::~QtHost() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
    }
}

std::int32_t QtHost::messageBox(const korbit::control::Text& text, std::int32_t style,
                                const korbit::control::Text& title) {
    namespace box = korbit::control::box;
    const QString shown = legible(toQString(text));
    if (recording_) {
        recorded_ << shown;
        if (quiet_ && box::buttons(style) == box::kOkOnly) {
            return box::kOk;
        }
    }
    return desktop_.messageBox(owner_.data(), inUsersLanguage(shown), style, legible(toQString(title)));
}

void QtHost::reportFailure(const korbit::control::Text& method, const korbit::control::Text& description) {
    namespace box = korbit::control::box;
    const QString shown =
        tr("The Korbit control could not complete %1: %2").arg(toQString(method), legible(toQString(description)));
    if (recording_) {
        recorded_ << shown;
        if (quiet_) {
            return;
        }
    }
    desktop_.messageBox(owner_.data(), shown, box::kCritical | box::kOkOnly, branding::kBoxTitle);
}

void QtHost::beginRecording(bool quiet) {
    recording_ = true;
    quiet_ = quiet;
    recorded_.clear();
}

QStringList QtHost::endRecording() {
    recording_ = false;
    quiet_ = false;
    return std::exchange(recorded_, {});
}

void QtHost::pumpEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool QtHost::inputPending() { return std::exchange(inputArrived_, false); }

korbit::control::Text QtHost::browseForFolder(std::int32_t ownerWindow, const korbit::control::Text& prompt) {
    QWidget* parent = QWidget::find(static_cast<WId>(static_cast<std::uint32_t>(ownerWindow)));
    return toText(desktop_.existingFolder(parent != nullptr ? parent : owner_.data(), toQString(prompt)));
}

bool QtHost::freezeWindow(std::int32_t window, bool freeze) {
    QWidget* widget = QWidget::find(static_cast<WId>(static_cast<std::uint32_t>(window)));
    if (widget == nullptr) {
        return false;
    }
    widget->setUpdatesEnabled(!freeze);
    return true;
}

std::int32_t QtHost::handleOf(QWidget* widget) {
    // Window ids of X11 and of the offscreen platform fit in 32 bits.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(widget->winId()));
}

bool QtHost::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            inputArrived_ = true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane

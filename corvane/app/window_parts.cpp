#include "corvane/app/window_parts.h"

#include <QMouseEvent>
#include <QPixmap>

#include "resources/resource_paths.h"

namespace corvane {

QColor fromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

XjButton::XjButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setMinimumHeight(30);
    setCursor(Qt::PointingHandCursor);
}

void XjButton::setCaptionColor(std::uint32_t bgr) {
    color_ = bgr;
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, fromBgr(bgr));
    p.setColor(QPalette::Inactive, QPalette::ButtonText, fromBgr(bgr));
    setPalette(p);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

XjProgressBar::XjProgressBar(int maximum, QWidget* parent) : QProgressBar(parent) {
    setRange(0, maximum);
    setValue(0);
    setTextVisible(false);
    setFixedHeight(16);
}

XjFrame::XjFrame(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
}

ClickableImage::ClickableImage(const QString& toolTip, QWidget* parent) : QLabel(parent) {
    setToolTip(toolTip);
    setCursor(handCursor());
    setAlignment(Qt::AlignCenter);
}

void ClickableImage::showBitmap(int id) {
    bitmap_ = id;
    setPixmap(bitmapResource(id));
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

QCursor handCursor() {
    const QPixmap picture(resources::cursorImage(101));
    if (picture.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    const QPoint hot = resources::cursorHotSpot();
    return QCursor(picture, hot.x(), hot.y());
}

QPixmap bitmapResource(int id) { return QPixmap(resources::bitmap(id)); }

}  // namespace corvane

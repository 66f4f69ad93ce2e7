#include "corvane/app/window_parts.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QScreen>

#include "corvane/app/readable_colors.h"
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
    captionColorSet_ = true;
    applyCaptionColor();
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void XjButton::applyCaptionColor() {
    if (!captionColorSet_ || applying_) {
        return;
    }
    applying_ = true;
    QPalette p = palette();
    const QColor shown = textColorFor(fromBgr(color_), p, QPalette::Button);
    p.setColor(QPalette::Active, QPalette::ButtonText, shown);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, shown);
    setPalette(p);
    applying_ = false;
}

void XjButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyCaptionColor();  // the desktop's palette changed under it
    }
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

namespace {

// The ratio the painter draws at: the screen's for the window, or the
// target's when the widget is rendered into an image.
qreal paintRatio(QPainter& painter) {
    QPaintDevice* target = painter.paintEngine() != nullptr ? painter.paintEngine()->paintDevice() : nullptr;
    return target != nullptr ? target->devicePixelRatio() : painter.device()->devicePixelRatio();
}

}  // namespace

Picture::Picture(int id, QWidget* parent) : QWidget(parent), bitmap_(id) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize Picture::sizeHint() const { return bitmapSize(bitmap_); }

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap picture = bitmapResource(bitmap_, paintRatio(painter), isDarkPalette(palette()));
    const QSize size = bitmapSize(bitmap_);
    painter.drawPixmap(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), picture);
}

PictureButton::PictureButton(const QString& toolTip, const QString& accessibleName, QWidget* parent)
    : QAbstractButton(parent) {
    setToolTip(toolTip);
    setAccessibleName(accessibleName);
    setCursor(handCursor());
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PictureButton::showBitmap(int id) {
    bitmap_ = id;
    updateGeometry();
    update();
}

QSize PictureButton::sizeHint() const {
    return bitmapSize(bitmap_).grownBy(QMargins(kMargin, kMargin, kMargin, kMargin));
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QSize size = bitmapSize(bitmap_);
    QPoint at((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (isDown()) {
        at += QPoint(1, 1);
    }
    painter.drawPixmap(at, bitmapResource(bitmap_, paintRatio(painter), isDarkPalette(palette())));
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    // Space is the button's own; Enter presses it as it does a push button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

QCursor handCursor() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    QPixmap picture(resources::cursorImage(101));
    if (picture.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    if (ratio > 1.0) {
        const QImage large(resources::cursorImage2x(101));
        if (!large.isNull()) {
            const QSize size(qRound(picture.width() * ratio), qRound(picture.height() * ratio));
            picture = QPixmap::fromImage(large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            picture.setDevicePixelRatio(ratio);
        }
    }
    // X11 places the hot spot in the picture's own pixels, whatever its
    // ratio; other platforms in logical pixels.
    const qreal hotScale = QGuiApplication::platformName() == QLatin1String("xcb") ? picture.devicePixelRatio() : 1.0;
    const QPoint hot = resources::cursorHotSpot();
    return QCursor(picture, qRound(hot.x() * hotScale), qRound(hot.y() * hotScale));
}

QPixmap bitmapResource(int id, qreal ratio, bool dark) {
    dark = dark && id >= resources::kFirstDarkBitmap && id <= resources::kLastDarkBitmap;
    // Painted on every repaint of a picture: decoded and scaled once.
    const QString key = QStringLiteral("corvane-bitmap-%1%2@%3").arg(id).arg(dark ? "-dark" : "").arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) {
        return cached;
    }
    const QImage base(dark ? resources::darkBitmap(id) : resources::bitmap(id));
    if (base.isNull() || ratio <= 1.0) {
        cached = QPixmap::fromImage(base);
        QPixmapCache::insert(key, cached);
        return cached;
    }
    QImage source(dark ? resources::darkBitmap2x(id) : resources::bitmap2x(id));
    if (source.isNull()) {
        source = base;
    }
    const QSize size(qRound(base.width() * ratio), qRound(base.height() * ratio));
    if (source.size() != size) {
        source = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap picture = QPixmap::fromImage(source);
    picture.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, picture);
    return picture;
}

QSize bitmapSize(int id) { return QImageReader(resources::bitmap(id)).size(); }

}  // namespace corvane

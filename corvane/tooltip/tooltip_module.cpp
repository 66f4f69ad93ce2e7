#include "corvane/tooltip/tooltip_module.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <utility>

namespace corvane {
namespace {

constexpr int kPadding = 6;        // between the border and the contents
constexpr int kMaxTextWidth = 300;  // longer text wraps
constexpr int kCursorGap = 18;     // keeps the tip clear of the pointer glyph
constexpr int kTailHeight = 10;    // balloon tail
constexpr int kTailBase = 14;
constexpr int kTailInset = 16;     // from the body's near edge to the tail's point
constexpr qreal kCornerRadius = 6.0;

// 0x00BBGGRR; -1 (any negative value) keeps the platform's colour.
std::optional<QColor> fromColorRef(qint32 value) {
    if (value < 0) {
        return std::nullopt;
    }
    const auto bits = static_cast<quint32>(value);
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

std::optional<QStyle::StandardPixmap> titleIconPixmap(qint32 titleIcon) {
    switch (titleIcon) {
    case 1: return QStyle::SP_MessageBoxInformation;
    case 2: return QStyle::SP_MessageBoxWarning;
    case 3: return QStyle::SP_MessageBoxCritical;
    default: return std::nullopt;
    }
}

struct TipContent {
    QString text;
    QString title;
    bool balloon;
    qint32 titleIcon;
    std::optional<QColor> back;
    std::optional<QColor> ink;
};

class ToolTipWindow final : public QWidget {
public:
    ToolTipWindow(QWidget* control, QPoint restPoint, const TipContent& content);
    ~ToolTipWindow() override;

    ToolTipWindow(const ToolTipWindow&) = delete;
    ToolTipWindow& operator=(const ToolTipWindow&) = delete;

    QPoint restPoint() const { return restPoint_; }
    void forgetControl() { control_.clear(); }
    void popUpAfter(int ms);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void popUp();
    void placeTail(bool onTop, bool atLeft);
    QPainterPath outline(qreal inset) const;
    void updateMask();

    QPointer<QWidget> control_;
    QPoint restPoint_;
    bool balloon_;
    bool tailOnTop_ = true;
    bool tailAtLeft_ = true;
    QVBoxLayout* layout_;
    QTimer delay_;
};

struct TipState {
    QPointer<ToolTipWindow> tip;
    std::optional<QPoint> lastRest;  // where the mouse rested when the last tip went
};

TipState& tipState() {
    static TipState state;
    return state;
}

// Deletes the current tip. `rememberRest`: it went because the mouse moved or
// left, so its rest point must not raise a new tip until the mouse moves on.
void takeDown(bool rememberRest) {
    TipState& state = tipState();
    ToolTipWindow* tip = state.tip.data();
    state.tip.clear();
    if (tip == nullptr) {
        return;
    }
    if (rememberRest) {
        state.lastRest = tip->restPoint();
    }
    delete tip;
}

ToolTipWindow::ToolTipWindow(QWidget* control, QPoint restPoint, const TipContent& content)
    // Parented to the control's window so it never outlives it; Qt::ToolTip
    // keeps it a frameless top-level of its own.
    : QWidget(control->window(), Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                                     Qt::WindowTransparentForInput),
      control_(control), restPoint_(restPoint), balloon_(content.balloon), layout_(new QVBoxLayout(this)) {
    setObjectName(QStringLiteral("corvaneToolTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFont(QToolTip::font());
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);

    QPalette colours = QToolTip::palette();
    if (content.back) {
        colours.setColor(QPalette::ToolTipBase, *content.back);
    }
    if (content.ink) {
        colours.setColor(QPalette::ToolTipText, *content.ink);
    }
    setPalette(colours);

    layout_->setSizeConstraint(QLayout::SetFixedSize);
    layout_->setSpacing(4);

    if (!content.title.isEmpty()) {
        auto* titleRow = new QHBoxLayout;
        titleRow->setSpacing(6);
        if (const auto pixmapKind = titleIconPixmap(content.titleIcon)) {
            const int extent = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
            auto* icon = new QLabel(this);
            icon->setObjectName(QStringLiteral("corvaneToolTipIcon"));
            icon->setPixmap(style()->standardIcon(*pixmapKind, nullptr, this).pixmap(extent, extent));
            icon->setFixedSize(extent, extent);
            titleRow->addWidget(icon);
        }
        auto* title = new QLabel(this);
        title->setObjectName(QStringLiteral("corvaneToolTipTitle"));
        title->setTextFormat(Qt::PlainText);
        title->setForegroundRole(QPalette::ToolTipText);
        QFont bold = font();
        bold.setBold(true);
        title->setFont(bold);
        title->setText(content.title);
        titleRow->addWidget(title);
        titleRow->addStretch();
        layout_->addLayout(titleRow);
    }

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("corvaneToolTipText"));
    text->setTextFormat(Qt::PlainText);
    text->setForegroundRole(QPalette::ToolTipText);
    text->setWordWrap(true);
    text->setText(content.text);
    // A fixed width makes the wrap, and so the window size, known up front.
    const QFontMetrics metrics = text->fontMetrics();
    int natural = 0;
    for (const QString& line : content.text.split(QLatin1Char('\n'))) {
        natural = std::max(natural, metrics.horizontalAdvance(line));
    }
    const int width = std::clamp(natural + 2, 1, kMaxTextWidth);
    text->setFixedSize(width, text->heightForWidth(width));
    layout_->addWidget(text);

    placeTail(true, true);
    layout_->activate();

    connect(control, &QObject::destroyed, this, [this] {
        forgetControl();
        takeDown(false);
    });
    control->installEventFilter(this);

    delay_.setSingleShot(true);
    connect(&delay_, &QTimer::timeout, this, &ToolTipWindow::popUp);
}

ToolTipWindow::~ToolTipWindow() {
    if (control_) {
        control_->removeEventFilter(this);
    }
}

void ToolTipWindow::popUpAfter(int ms) { delay_.start(ms); }

bool ToolTipWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_) {
        return false;
    }
    // Each take-down deletes this window; nothing below may touch it after.
    switch (event->type()) {
    case QEvent::Leave:
        takeDown(true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Hide:
        takeDown(false);
        break;
    case QEvent::EnabledChange:
        if (!control_->isEnabled()) {
            takeDown(false);
        }
        break;
    default:
        break;
    }
    return false;
}

void ToolTipWindow::popUp() {
    layout_->activate();
    const QSize extent = size();
    QScreen* screen = QGuiApplication::screenAt(restPoint_);
    if (screen == nullptr && control_) {
        screen = control_->screen();
    }
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }

    // Below and to the right of the pointer; flipped where the screen ends.
    QPoint topLeft = balloon_ ? QPoint(restPoint_.x() - kTailInset, restPoint_.y() + kCursorGap)
                              : restPoint_ + QPoint(2, kCursorGap);
    bool below = true;
    bool rightward = true;
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        if (topLeft.y() + extent.height() > area.bottom() + 1) {
            below = false;
            topLeft.setY(restPoint_.y() - 2 - extent.height());
        }
        if (topLeft.x() + extent.width() > area.right() + 1) {
            rightward = false;
            topLeft.setX(balloon_ ? restPoint_.x() + kTailInset - extent.width()
                                  : restPoint_.x() - 2 - extent.width());
        }
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - extent.width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - extent.height())));
    }
    placeTail(below, rightward);
    move(topLeft);
    show();
}

// The tail sits on the side facing the pointer; the contents keep clear of it.
void ToolTipWindow::placeTail(bool onTop, bool atLeft) {
    tailOnTop_ = onTop;
    tailAtLeft_ = atLeft;
    const int edge = balloon_ ? kPadding + 2 : kPadding + 1;
    const int tail = balloon_ ? kTailHeight : 0;
    layout_->setContentsMargins(edge, edge + (onTop ? tail : 0), edge, edge + (onTop ? 0 : tail));
    layout_->activate();
    updateMask();
    update();
}

QPainterPath ToolTipWindow::outline(qreal inset) const {
    const qreal w = width();
    const qreal h = height();
    const qreal bodyTop = tailOnTop_ ? kTailHeight : 0.0;
    const qreal bodyBottom = tailOnTop_ ? h : h - kTailHeight;
    QPainterPath body;
    body.addRoundedRect(QRectF(inset, bodyTop + inset, w - 2 * inset, bodyBottom - bodyTop - 2 * inset),
                        kCornerRadius, kCornerRadius);

    const qreal pointX = tailAtLeft_ ? kTailInset : w - kTailInset;
    const qreal baseX = tailAtLeft_ ? pointX + kTailBase : pointX - kTailBase;
    // The base reaches a little into the body so the two join without a seam.
    const qreal pointY = tailOnTop_ ? inset : h - inset;
    const qreal baseY = tailOnTop_ ? bodyTop + inset + 2 : bodyBottom - inset - 2;
    QPainterPath tail;
    tail.moveTo(pointX, baseY);
    tail.lineTo(pointX, pointY);
    tail.lineTo(baseX, baseY);
    tail.closeSubpath();
    return body.united(tail).simplified();
}

void ToolTipWindow::updateMask() {
    if (!balloon_ || width() <= 0 || height() <= 0) {
        clearMask();
        return;
    }
    setMask(QRegion(outline(0.0).toFillPolygon().toPolygon()));
}

void ToolTipWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateMask();
}

void ToolTipWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor back = palette().color(QPalette::ToolTipBase);
    const QColor ink = palette().color(QPalette::ToolTipText);
    if (balloon_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ink, 1.0));
        painter.setBrush(back);
        painter.drawPath(outline(0.5));
    } else {
        painter.fillRect(rect(), back);
        painter.setPen(ink);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace

void showToolTip(QWidget* control, const QString& tipText, const QString& tipTitle, qint32 tipStyle,
                 qint32 titleIcon, qint32 backColor, qint32 textColor, const TipPointer& pointer) {
    TipState& state = tipState();
    const QPoint position = pointer.position ? pointer.position() : QCursor::pos();
    if (state.lastRest && *state.lastRest == position) {
        return;  // the mouse has not moved since the last tip went
    }
    takeDown(true);
    if (tipText.isEmpty() || control == nullptr) {
        return;
    }

    const TipContent content{tipText, tipTitle, tipStyle == 1, titleIcon, fromColorRef(backColor),
                             fromColorRef(textColor)};
    auto* tip = new ToolTipWindow(control, position, content);
    state.tip = tip;
    const int delay = pointer.delayMs >= 0
                          ? pointer.delayMs
                          : control->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, control);
    tip->popUpAfter(std::max(delay, 0));
}

void removeToolTip() {
    takeDown(false);
    tipState().lastRest.reset();
}

QWidget* currentToolTip() { return tipState().tip.data(); }

}  // namespace corvane

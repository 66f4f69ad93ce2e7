// The small pieces the windows are made of: the button whose caption shows a
// colour, the progress bar, the group frame and the clickable picture.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <cstdint>

namespace corvane {

// A colour in the 0x00BBGGRR form the windows are described in.
QColor fromBgr(std::uint32_t bgr);

class XjButton final : public QPushButton {
    Q_OBJECT
public:
    explicit XjButton(const QString& caption, QWidget* parent = nullptr);

    // The caption's colour, 0x00BBGGRR.
    void setCaptionColor(std::uint32_t bgr);
    std::uint32_t captionColor() const noexcept { return color_; }

private:
    std::uint32_t color_ = 0;
};

class XjProgressBar final : public QProgressBar {
    Q_OBJECT
public:
    explicit XjProgressBar(int maximum, QWidget* parent = nullptr);
};

class XjFrame final : public QFrame {
    Q_OBJECT
public:
    explicit XjFrame(QWidget* parent = nullptr);
};

// A picture that reports clicks, with the program's pointing-hand cursor.
class ClickableImage final : public QLabel {
    Q_OBJECT
public:
    explicit ClickableImage(const QString& toolTip, QWidget* parent = nullptr);

    // Shows bitmap resource `id`; remembers the id for tests and the curious.
    void showBitmap(int id);
    int bitmapId() const noexcept { return bitmap_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int bitmap_ = 0;
};

// Cursor resource 101, the program's pointing hand.
QCursor handCursor();

// The pixmap of bitmap resource `id` (null when there is none).
QPixmap bitmapResource(int id);

}  // namespace corvane

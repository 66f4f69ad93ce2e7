// The small pieces the windows are made of: the button whose caption shows a
// colour, the progress bar, the group frame, the pictures and the picture
// buttons.
#pragma once

#include <QAbstractButton>
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

    // The caption's colour, 0x00BBGGRR. On a dark palette the caption shows
    // a lighter colour of the same hue that reads on the button's face.
    void setCaptionColor(std::uint32_t bgr);
    std::uint32_t captionColor() const noexcept { return color_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyCaptionColor();

    std::uint32_t color_ = 0;
    bool captionColorSet_ = false;
    bool applying_ = false;
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

// A bitmap resource, drawn for the device pixel ratio it is painted at, in
// its dark palette's variant on a dark palette.
class Picture final : public QWidget {
    Q_OBJECT
public:
    explicit Picture(int id, QWidget* parent = nullptr);

    int bitmapId() const noexcept { return bitmap_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int bitmap_;
};

// A picture that works as a button: the pointing-hand cursor, a click or
// Space or Enter presses it, and a ring shows when it has the focus. On a
// dark palette it shows the picture's dark variant.
class PictureButton final : public QAbstractButton {
    Q_OBJECT
public:
    // `toolTip` shows on hover; `accessibleName` is what a screen reader says.
    PictureButton(const QString& toolTip, const QString& accessibleName, QWidget* parent = nullptr);

    // Shows bitmap resource `id`; remembers the id for tests and the curious.
    void showBitmap(int id);
    int bitmapId() const noexcept { return bitmap_; }

    QSize sizeHint() const override;

    // Room around the picture for the focus ring.
    static constexpr int kMargin = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int bitmap_ = 0;
};

// Cursor resource 101, the program's pointing hand, drawn for the screen's
// device pixel ratio.
QCursor handCursor();

// Bitmap resource `id` drawn for `ratio` device pixels per logical pixel:
// the 1x drawing at 1, the 2x drawing at 2, and in between or beyond the 2x
// drawing scaled smoothly to the exact size, so that it never shows as a
// blurred upscale. Its logical size is the 1x size. With `dark`, its
// variant for a dark palette where it has one. Null when there is no such
// resource.
QPixmap bitmapResource(int id, qreal ratio = 1.0, bool dark = false);

// The logical size of bitmap resource `id` (empty when there is none).
QSize bitmapSize(int id);

}  // namespace corvane

// Draws the program's pictures: the maker's logo, the splash, the heading
// banner, the small button images and the hand cursor, each twice: at its
// size and at twice it (NAME@2x.png). The button images that are navy on
// the window are drawn once more for dark palettes (NAME_dark.png), in
// lighter shades of the same hues. The splash and the banner carry words:
// they are drawn once more in each language the program has a translation
// for (NAME_LANG.png), from the compiled translations in TRANSLATIONS_DIR
// (the build folder's corvane/translations). The build runs it into its own
// folder and compiles what it writes into the program; nothing it makes is
// kept with the sources. (The icons are SVG drawings in icons/, rendered by
// the build as well.)
//
//   corvane_draw_art OUTPUT_DIR TRANSLATIONS_DIR
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QRadialGradient>
#include <QString>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The palette every picture shares.
const QColor kNavy(0x10, 0x2f, 0x55);
const QColor kBlue(0x1a, 0x4e, 0x86);
const QColor kTeal(0x17, 0x85, 0x8c);
const QColor kTealLight(0x5c, 0xc2, 0xc4);
const QColor kGold(0xd9, 0xa8, 0x3a);
const QColor kGoldLight(0xf3, 0xd3, 0x7a);
const QColor kWhite(0xff, 0xff, 0xff);
const QColor kCross(0xc2, 0x3b, 0x32);
// Their shades for a dark window.
const QColor kSky(0x9c, 0xc8, 0xf2);
const QColor kSkyDeep(0x5e, 0x9c, 0xd8);
const QColor kTealBright(0x6f, 0xd8, 0xda);
const QColor kCrossBright(0xff, 0x7a, 0x6e);

// The picture being drawn is the dark palette's variant.
bool gDark = false;

// The words the pictures carry, in the language of the translator installed.
const char* const kTagline = QT_TRANSLATE_NOOP("corvane::Pictures", "Password file encryption");
const char* const kMotto = QT_TRANSLATE_NOOP("corvane::Pictures", "One file, one password, in place.");
QString words(const char* text) { return QCoreApplication::translate("corvane::Pictures", text); }

// Device pixels per logical pixel of the picture being drawn: every picture
// is drawn in its 1x coordinates, and again at 2 for high-density screens.
qreal gScale = 1;

QImage canvas(int width, int height) {
    QImage image(qRound(width * gScale), qRound(height * gScale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& p) {
    p.scale(gScale, gScale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(qreal pixelSize, bool bold, const QString& family = QStringLiteral("DejaVu Sans")) {
    QFont f(family);
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// A padlock whose body fills `body`; the shackle rises above it by about
// two thirds of the body's height.
void drawLock(QPainter& p, const QRectF& body, const QColor& bodyTop, const QColor& bodyBottom,
              const QColor& shackle, const QColor& keyhole) {
    const qreal w = body.width();
    const qreal h = body.height();
    const qreal thick = w * 0.13;
    const qreal shackleWidth = w * 0.62;
    const QRectF arc(body.center().x() - shackleWidth / 2, body.top() - h * 0.62, shackleWidth, h * 0.95);

    QPainterPath shacklePath;
    shacklePath.moveTo(arc.left(), body.top() + h * 0.05);
    shacklePath.lineTo(arc.left(), arc.center().y());
    shacklePath.arcTo(arc, 180, -180);
    shacklePath.lineTo(arc.right(), body.top() + h * 0.05);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shackle, thick, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(shacklePath);

    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, bodyTop);
    fill.setColorAt(1, bodyBottom);
    p.setPen(QPen(bodyBottom.darker(130), std::max<qreal>(1.0, w * 0.02)));
    p.setBrush(fill);
    p.drawRoundedRect(body, w * 0.12, w * 0.12);

    // Keyhole: a circle over a tapering slot.
    const QPointF c(body.center().x(), body.top() + h * 0.42);
    const qreal r = w * 0.09;
    QPainterPath hole;
    hole.addEllipse(c, r, r);
    QPainterPath slot;
    slot.moveTo(c.x() - r * 0.55, c.y());
    slot.lineTo(c.x() + r * 0.55, c.y());
    slot.lineTo(c.x() + r * 0.85, body.top() + h * 0.78);
    slot.lineTo(c.x() - r * 0.85, body.top() + h * 0.78);
    slot.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(keyhole);
    p.drawPath(hole.united(slot));
}

// A key lying along the line from `bow` towards +x, scaled by `size`.
void drawKey(QPainter& p, const QPointF& bow, qreal size, qreal angleDegrees, const QColor& colour) {
    p.save();
    p.translate(bow);
    p.rotate(angleDegrees);
    QPainterPath key;
    key.addEllipse(QPointF(0, 0), size * 0.5, size * 0.5);
    key.addRect(QRectF(size * 0.4, -size * 0.1, size * 1.7, size * 0.2));
    key.addRect(QRectF(size * 1.7, size * 0.05, size * 0.14, size * 0.32));
    key.addRect(QRectF(size * 1.95, size * 0.05, size * 0.14, size * 0.24));
    key = key.simplified();
    QPainterPath ring;
    ring.addEllipse(QPointF(-size * 0.1, 0), size * 0.2, size * 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(key.subtracted(ring));
    p.restore();
}

void drawTextAt(QPainter& p, const QPointF& baseline, const QString& text, const QFont& f, const QColor& c,
                qreal letterSpacing = 0) {
    QFont spaced = f;
    if (letterSpacing != 0) {
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    }
    p.setFont(spaced);
    p.setPen(c);
    p.drawText(baseline, text);
}

qreal textWidth(const QString& text, const QFont& f, qreal letterSpacing = 0);

// The font at `pixelSize`, smaller where `text` would run past `width`.
QFont fitted(const QString& text, qreal pixelSize, bool bold, qreal width) {
    while (pixelSize > 6 && textWidth(text, font(pixelSize, bold)) > width) {
        pixelSize -= 1;
    }
    return font(pixelSize, bold);
}

qreal textWidth(const QString& text, const QFont& f, qreal letterSpacing) {
    QFont spaced = f;
    if (letterSpacing != 0) {
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    }
    return QFontMetricsF(spaced).horizontalAdvance(text);
}

// 101: the maker's logo. A gold "V" in a navy roundel, the maker's name beside it.
QImage makerLogo() {
    QImage image = canvas(150, 44);
    QPainter p(&image);
    prepare(p);

    QLinearGradient back(0, 0, 0, 44);
    back.setColorAt(0, kWhite);
    back.setColorAt(1, QColor(0xe8, 0xf0, 0xf6));
    p.setPen(QPen(QColor(0xc5, 0xd3, 0xe0), 1));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(0.5, 0.5, 149, 43), 6, 6);

    const QPointF centre(22, 22);
    QRadialGradient disc(centre + QPointF(-4, -5), 20);
    disc.setColorAt(0, kBlue);
    disc.setColorAt(1, kNavy);
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(disc);
    p.drawEllipse(centre, 16, 16);

    QPainterPath vee;
    vee.moveTo(13.5, 13);
    vee.lineTo(18.5, 13);
    vee.lineTo(22, 24.5);
    vee.lineTo(25.5, 13);
    vee.lineTo(30.5, 13);
    vee.lineTo(24, 31);
    vee.lineTo(20, 31);
    vee.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldLight);
    p.drawPath(vee);

    drawTextAt(p, QPointF(45, 24), QStringLiteral("Velmora"), font(18, true), kNavy);
    drawTextAt(p, QPointF(46, 36), QStringLiteral("SOFTWARE"), font(9, false), kTeal, 2.6);
    return image;
}

// 102: the splash picture.
QImage splash() {
    const int w = 420;
    const int h = 230;
    QImage image = canvas(w, h);
    QPainter p(&image);
    prepare(p);

    QLinearGradient back(0, 0, w, h);
    back.setColorAt(0, kNavy);
    back.setColorAt(0.6, kBlue);
    back.setColorAt(1, kTeal);
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRect(0, 0, w, h);

    // Faint concentric rings behind the lock.
    for (int i = 1; i <= 6; ++i) {
        const qreal r = 24.0 * i;
        p.setPen(QPen(QColor(255, 255, 255, 34 - 4 * i), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(96, 118), r, r);
    }

    drawLock(p, QRectF(56, 98, 80, 70), kGoldLight, kGold, QColor(0xe4, 0xea, 0xf0), kNavy);
    drawKey(p, QPointF(120, 182), 22, -28, kWhite);

    const QFont title = font(46, true);
    drawTextAt(p, QPointF(176, 112), QStringLiteral("Ardentis"), title, QColor(0, 0, 0, 70));
    drawTextAt(p, QPointF(174, 110), QStringLiteral("Ardentis"), title, kWhite);

    p.setPen(QPen(kGold, 2));
    p.drawLine(QPointF(176, 124), QPointF(176 + textWidth(QStringLiteral("Ardentis"), title), 124));

    drawTextAt(p, QPointF(176, 148), words(kTagline), fitted(words(kTagline), 15, false, w - 176 - 12), kGoldLight);
    drawTextAt(p, QPointF(176, 170), words(kMotto), fitted(words(kMotto), 11, false, w - 176 - 12),
               QColor(0xd6, 0xe6, 0xf0));

    const QFont small = font(10, false);
    drawTextAt(p, QPointF(16, h - 12), QStringLiteral("Velmora Software"), small, QColor(0xd6, 0xe6, 0xf0));
    const QString corvane = QStringLiteral("Corvane");
    drawTextAt(p, QPointF(w - 16 - textWidth(corvane, small, 1.5), h - 12), corvane, small,
               QColor(0xd6, 0xe6, 0xf0), 1.5);

    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return image;
}

// 103: the heading banner of the main and information windows.
QImage banner() {
    const int w = 440;
    const int h = 64;
    QImage image = canvas(w, h);
    QPainter p(&image);
    prepare(p);

    QLinearGradient back(0, 0, w, 0);
    back.setColorAt(0, kNavy);
    back.setColorAt(0.7, kBlue);
    back.setColorAt(1, kTeal);
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRect(0, 0, w, h);

    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(QPointF(w - 40, 10), 70, 70);
    p.drawEllipse(QPointF(w - 10, 60), 45, 45);

    drawLock(p, QRectF(18, 27, 28, 24), kGoldLight, kGold, QColor(0xe4, 0xea, 0xf0), kNavy);

    drawTextAt(p, QPointF(60, 43), QStringLiteral("Ardentis"), font(28, true), kWhite);
    drawTextAt(p, QPointF(200, 42), words(kTagline), fitted(words(kTagline), 12, false, w - 200 - 8), kGoldLight);

    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawRect(QRectF(0, h - 3, w, 3));
    return image;
}

// A 32x32 round button face.
void roundFace(QPainter& p, const QColor& top, const QColor& bottom) {
    QLinearGradient fill(0, 2, 0, 30);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(140), 1));
    p.setBrush(fill);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
}

// 104: help, a "?" in a teal circle.
QImage helpIcon() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    prepare(p);
    roundFace(p, kTealLight, kTeal);
    p.setFont(font(21, true));
    p.setPen(kWhite);
    p.drawText(QRectF(0, 1, 32, 31), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

// The speaker body of 105 and 106.
void speaker(QPainter& p) {
    QPainterPath cone;
    cone.moveTo(3, 12);
    cone.lineTo(9, 12);
    cone.lineTo(16, 5);
    cone.lineTo(16, 27);
    cone.lineTo(9, 20);
    cone.lineTo(3, 20);
    cone.closeSubpath();
    QLinearGradient fill(0, 5, 0, 27);
    fill.setColorAt(0, gDark ? kSky : kBlue);
    fill.setColorAt(1, gDark ? kSkyDeep : kNavy);
    p.setPen(QPen(gDark ? kSky : kNavy, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(cone);
}

// 105: sound on, a speaker sending out two waves.
QImage soundOn() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    prepare(p);
    speaker(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gDark ? kTealBright : kTeal, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(13, 10, 8, 12), -55 * 16, 110 * 16);
    p.drawArc(QRectF(13, 5.5, 14, 21), -55 * 16, 110 * 16);
    return image;
}

// 106: sound off, the speaker with a cross.
QImage soundOff() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    prepare(p);
    speaker(p);
    p.setPen(QPen(gDark ? kCrossBright : kCross, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 11), QPointF(29, 21));
    p.drawLine(QPointF(29, 11), QPointF(20, 21));
    return image;
}

// 107: information, a serif "i" in a navy circle.
QImage infoIcon() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    prepare(p);
    if (gDark) {
        roundFace(p, kSky, kSkyDeep);
    } else {
        roundFace(p, kBlue, kNavy);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(gDark ? kNavy : kWhite);
    p.drawEllipse(QPointF(16, 9.5), 2.4, 2.4);
    QPainterPath stem;
    stem.addRect(QRectF(14.2, 13.5, 3.6, 10.5));
    stem.addRect(QRectF(12.2, 13.5, 4, 2));
    stem.addRect(QRectF(12, 22.5, 8, 2));
    p.drawPath(stem.simplified());
    p.setPen(QPen(kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
    return image;
}

// The tip of the pointing finger of the hand cursor; resource_paths.h
// reports the same point.
constexpr qreal kHotX = 12;
constexpr qreal kHotY = 1;

// Cursor 101: a white pointing hand with a dark outline, index finger up.
// Edges sit on half pixels so the one-pixel outline stays crisp.
QImage handCursor() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    prepare(p);

    const auto rounded = [](const QRectF& r, qreal radius) {
        QPainterPath path;
        path.addRoundedRect(r, radius, radius);
        return path;
    };
    QPainterPath thumbLine;
    thumbLine.moveTo(kHotX - 6.5, 15.5);
    thumbLine.lineTo(kHotX - 1.5, 23.0);
    QPainterPathStroker thumb;
    thumb.setWidth(4.5);
    thumb.setCapStyle(Qt::RoundCap);

    const QPainterPath hand = rounded(QRectF(kHotX - 2.5, kHotY + 0.5, 5, 17), 2.5)  // index finger
                                  .united(rounded(QRectF(kHotX + 2.5, 10.5, 4, 8), 2))  // folded fingers
                                  .united(rounded(QRectF(kHotX + 6.5, 11.5, 4, 8), 2))
                                  .united(rounded(QRectF(kHotX + 10.5, 13.0, 3.5, 7.5), 1.75))
                                  .united(rounded(QRectF(kHotX - 2.5, 15.5, 16.5, 13), 4))  // palm
                                  .united(thumb.createStroke(thumbLine).simplified());

    p.setPen(QPen(QColor(0x10, 0x18, 0x24), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kWhite);
    p.drawPath(hand);

    // Soft lines between the folded fingers.
    p.setPen(QPen(QColor(0x8a, 0x96, 0xa4), 0.8, Qt::SolidLine, Qt::RoundCap));
    for (const qreal x : {kHotX + 2.5, kHotX + 6.5, kHotX + 10.5}) {
        p.drawLine(QPointF(x, 15.5), QPointF(x, 18.5));
    }
    return image;
}

bool save(const QImage& image, const QString& path, QTextStream& log) {
    if (!image.save(path, "PNG")) {
        log << "cannot write " << path << Qt::endl;
        return false;
    }
    log << path << " " << image.width() << "x" << image.height() << Qt::endl;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTextStream log(stderr);
    if (argc != 3) {
        log << "usage: corvane_draw_art OUTPUT_DIR TRANSLATIONS_DIR" << Qt::endl;
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"bitmaps", "cursors"}) {
        if (!root.mkpath(QString::fromLatin1(sub))) {
            log << "cannot create " << root.filePath(QString::fromLatin1(sub)) << Qt::endl;
            return 1;
        }
    }

    const struct {
        const char* file;  // without ".png"
        std::function<QImage()> draw;
        bool twice;        // also at 2x
        bool dark;         // the dark palette's variant
    } pictures[] = {
        {"bitmaps/101_maker_logo", makerLogo, true, false},
        {"bitmaps/102_splash", splash, true, false},
        {"bitmaps/103_banner", banner, true, false},
        {"bitmaps/104_help", helpIcon, true, false},
        {"bitmaps/105_sound_on", soundOn, true, false},
        {"bitmaps/106_sound_off", soundOff, true, false},
        {"bitmaps/107_information", infoIcon, true, false},
        {"bitmaps/105_sound_on_dark", soundOn, true, true},
        {"bitmaps/106_sound_off_dark", soundOff, true, true},
        {"bitmaps/107_information_dark", infoIcon, true, true},
        {"cursors/101_hand", handCursor, true, false},
    };
    bool ok = true;
    for (const auto& picture : pictures) {
        const QString name = root.filePath(QString::fromLatin1(picture.file));
        gDark = picture.dark;
        gScale = 1;
        ok = save(picture.draw(), name + QStringLiteral(".png"), log) && ok;
        if (picture.twice) {
            gScale = 2;
            ok = save(picture.draw(), name + QStringLiteral("@2x.png"), log) && ok;
        }
    }
    // The pictures with words, in every language translated.
    const QDir translations(QString::fromLocal8Bit(argv[2]));
    const QStringList compiled = translations.entryList({QStringLiteral("corvane_*.qm")}, QDir::Files, QDir::Name);
    if (compiled.isEmpty()) {
        log << "no translations in " << translations.path() << Qt::endl;
        return 1;
    }
    for (const QString& qm : compiled) {
        const QString language = qm.mid(8, qm.size() - 11);  // corvane_LANG.qm
        QTranslator translator;
        if (!translator.load(translations.filePath(qm))) {
            log << "cannot read " << translations.filePath(qm) << Qt::endl;
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
        const struct {
            const char* file;
            QImage (*draw)();
        } worded[] = {{"bitmaps/102_splash", splash}, {"bitmaps/103_banner", banner}};
        for (const auto& [file, draw] : worded) {
            const QString name = root.filePath(QString::fromLatin1(file)) + u'_' + language;
            gDark = false;
            gScale = 1;
            ok = save(draw(), name + QStringLiteral(".png"), log) && ok;
            gScale = 2;
            ok = save(draw(), name + QStringLiteral("@2x.png"), log) && ok;
        }
        QCoreApplication::removeTranslator(&translator);
    }
    return ok ? 0 : 1;
}

// Saves a picture of an X window (or of the whole screen) as a PNG, for the
// end-to-end run of the desktop program under a bare X server.
//
//   corvane_grab_window OUTPUT.png [WINDOW-ID]
//
// WINDOW-ID is an X window id in decimal or 0x-prefixed hex, as xdotool prints
// it; without one, or with 0, the whole screen is taken.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QWindow>

namespace {

int fail(const QString& message) {
    QTextStream(stderr) << "corvane_grab_window: " << message << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Only the X11 platform can read another program's window.
    qputenv("QT_QPA_PLATFORM", "xcb");
    const QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        return fail(QStringLiteral("usage: corvane_grab_window OUTPUT.png [WINDOW-ID]"));
    }
    const QString output = arguments.at(1);

    WId window = 0;
    if (arguments.size() == 3) {
        bool number = false;
        const qulonglong value = arguments.at(2).toULongLong(&number, 0);
        if (!number) {
            return fail(QStringLiteral("not a window id: %1").arg(arguments.at(2)));
        }
        window = static_cast<WId>(value);
    }

    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return fail(QStringLiteral("no screen"));
    }
    const QPixmap picture = screen->grabWindow(window);
    if (picture.isNull()) {
        return fail(QStringLiteral("could not read window %1").arg(window));
    }
    // Drop the alpha channel: a grabbed X window has none that means anything.
    const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    if (!image.save(output, "PNG")) {
        return fail(QStringLiteral("could not write %1").arg(output));
    }
    QTextStream(stdout) << output << ' ' << image.width() << 'x' << image.height() << '\n';
    return 0;
}

// How the main window keeps living while it encrypts and decrypts a large
// file: the progress poll's ticks, the longest gap between them, and the
// repaints of the percentage label. Prints one line per run.
//   window_ticks [SIZE_MIB]   (default 1024)
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <set>
#include <unistd.h>
#include <vector>

#include "corvane/app/confirm_password_dialog.h"
#include "corvane/app/desktop.h"
#include "corvane/app/main_window.h"
#include "corvane/app/window_parts.h"
#include "corvane/sound/sound_module.h"
#include "korbit/control/values/host.h"

namespace {

using Clock = std::chrono::steady_clock;

class Silence final : public corvane::CuePlayer {
public:
    bool playWaveResource(int) override { return false; }
};

// Shows nothing: every box gets the answer that changes nothing.
class QuietDesktop final : public corvane::Desktop {
public:
    int messageBox(QWidget*, const QString&, int style, const QString&) override {
        return korbit::control::box::safeAnswer(style);
    }
};

class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const long long mib = argc > 1 ? std::atoll(argv[1]) : 1024;

    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    const QString file = home.path() + "/big.bin";
    {
        const int fd = ::open(file.toUtf8().constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(mib) << 20) != 0) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(file));
            return 1;
        }
        ::close(fd);
    }

    QuietDesktop desktop;
    Silence silence;
    corvane::MainWindow window(home.path() + "/settings.ini", silence, desktop);
    window.show();
    PaintCounter counter;
    window.percentageLabel()->installEventFilter(&counter);

    std::vector<Clock::time_point> ticks;
    std::set<int> percents;
    QObject::connect(&window, &corvane::MainWindow::progressPolled, [&](int percent) {
        ticks.push_back(Clock::now());
        percents.insert(percent);
    });

    int status = 0;
    QTimer::singleShot(0, [&] {
        window.fileChosen(file);
        window.passwordBox()->setText(QStringLiteral("bench password"));
        for (const char* direction : {"encrypt", "decrypt"}) {
            ticks.clear();
            percents.clear();
            counter.paints = 0;
            const auto start = Clock::now();
            window.encDecClicked();
            // Encrypting asks for the password again; the run starts from there.
            if (corvane::ConfirmPasswordDialog* confirm = window.confirmDialog(); confirm != nullptr && confirm->isVisible()) {
                confirm->againBox()->setText(window.passwordBox()->text());
                confirm->accept();
            }
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            Clock::duration longest{};
            for (std::size_t i = 1; i < ticks.size(); ++i) {
                longest = std::max(longest, ticks[i] - ticks[i - 1]);
            }
            const double longestMs = std::chrono::duration<double, std::milli>(longest).count();
            std::printf("%s %lld MiB: %.2f s, %zu polls, longest gap %.1f ms, %zu distinct percentages, %d label repaints%s\n",
                        direction, mib, seconds, ticks.size(), longestMs, percents.size(), counter.paints,
                        longestMs > 50.0 ? "  (over 50 ms)" : "");
            if (longestMs > 50.0 || window.fileBox()->text().isEmpty()) {
                status = 1;
            }
        }
        QApplication::exit(status);
    });
    return QApplication::exec();
}

// A private desktop for the program's windows: home, settings and data
// folders in a scratch folder, scripted dialogs, recorded sound cues, and a
// desktop opener that records what it was asked to open instead of opening it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QString>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "corvane/app/app_folders.h"
#include "corvane/app/loading_form.h"
#include "corvane/app/main_window.h"
#include "corvane/sound/sound_module.h"
#include "platform/scratch_folder.h"
#include "support/scripted_desktop.h"

namespace corvane::testing {

class RecordingCues final : public CuePlayer {
public:
    bool playWaveResource(int soundId) override {
        played.push_back(soundId);
        return true;
    }
    std::vector<int> played;
};

inline std::string withFakeOpener(const korbit::testing::ScratchFolder& folder) {
    const std::string bin = folder.folder("bin");
    // Records its argument; says every type has an application.
    std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" << folder.path() << "/opened.txt\"\n";
    std::ofstream(bin + "/xdg-mime") << "#!/bin/sh\necho viewer.desktop\n";
    std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
    std::filesystem::permissions(bin + "/xdg-mime", std::filesystem::perms::owner_all);
    const char* path = std::getenv("PATH");
    return bin + ":" + (path != nullptr ? path : "/usr/bin:/bin");
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DesktopTest : public ::testing::Test {
protected:
    QString scratch(const std::string& name) const { return QString::fromStdString(folder / name); }
    QString appFolder() const { return scratch("config/Velmora Software/Corvane/"); }
    QString iniFile() const { return appFolder() + "xjf_app.ini"; }
    QString helpFile() const { return appFolder() + "ArdenvaleHelp.html"; }

    // Runs start-up as the splash window does and returns the folders.
    AppFolders startUp() {
        LoadingForm splash(nullptr, desktop);
        return splash.folders();
    }

    std::unique_ptr<MainWindow> mainWindow() {
        const AppFolders folders = startUp();
        auto window = std::make_unique<MainWindow>(folders.iniFile, cues, desktop);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    // What the desktop opener was asked to open, in order. The opener runs
    // detached, and its shell creates the record before it writes the line:
    // waits a while for a whole line.
    QStringList opened() const {
        QByteArray record;
        for (int i = 0; i < 200; ++i) {
            record = readAll(scratch("opened.txt"));
            if (record.endsWith('\n')) {
                break;
            }
            QTest::qWait(25);
        }
        return QString::fromUtf8(record).split('\n', Qt::SkipEmptyParts);
    }

    korbit::testing::ScratchFolder folder;
    korbit::testing::ScopedVariable home{"HOME", folder.path()};
    korbit::testing::ScopedVariable config{"XDG_CONFIG_HOME", folder / "config"};
    korbit::testing::ScopedVariable dataHome{"XDG_DATA_HOME", folder / "data"};
    korbit::testing::ScopedVariable searchPath{"PATH", withFakeOpener(folder)};
    RecordingCues cues;
    ScriptedDesktop desktop;  // records the boxes, what it was asked to open, the Open dialog's folders
};

inline void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace corvane::testing

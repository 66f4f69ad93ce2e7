// Start-up: the per-user folders, the settings file written once, the help
// page restored, the splash window's ticks and captions.
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

#include "gui/desktop_fixture.h"
#include "resources/resource_paths.h"

namespace corvane::testing {
namespace {

using StartUp = DesktopTest;

TEST_F(StartUp, TheFirstRunCreatesTheFoldersTheSettingsAndTheHelpPage) {
    const AppFolders folders = startUp();
    EXPECT_EQ(folders.iniFile, iniFile());
    EXPECT_EQ(folders.helpFile, helpFile());
    EXPECT_TRUE(QFileInfo(scratch("config/Velmora Software")).isDir());
    EXPECT_TRUE(QFileInfo(appFolder()).isDir());
    EXPECT_TRUE(QFileInfo(scratch("config/Velmora Software/Media")).isDir());
    EXPECT_TRUE(QDir(scratch("config/Velmora Software/Media")).isEmpty());

    // Exactly the three keys, in the order they were written.
    const QString settings = QString::fromUtf8(readAll(iniFile()));
    const QString expected = QStringLiteral("[Directories]\nINIFILE=%1\nHELPFILE=%2\n\n[Settings]\nSOUNDTOGGLE=1\n")
                                 .arg(iniFile(), helpFile());
    EXPECT_EQ(settings.simplified(), expected.simplified());
    EXPECT_EQ(settings.count('='), 3);

    QFile resource(resources::help(kHelpResourceId));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    EXPECT_EQ(readAll(helpFile()), resource.readAll());
}

TEST_F(StartUp, ALaterRunRewritesNothingAndKeepsTheUsersChoices) {
    startUp();
    // The user turned the sound off and deleted a key by hand.
    const QByteArray edited = "[Directories]\nHELPFILE=" + helpFile().toUtf8() + "\n\n[Settings]\nSOUNDTOGGLE=0\n";
    writeAll(iniFile(), edited);
    const QDateTime modified = QFileInfo(iniFile()).lastModified();
    const QDateTime helpModified = QFileInfo(helpFile()).lastModified();

    startUp();
    EXPECT_EQ(readAll(iniFile()), edited);
    EXPECT_EQ(QFileInfo(iniFile()).lastModified(), modified);
    EXPECT_EQ(QFileInfo(helpFile()).lastModified(), helpModified);
}

TEST_F(StartUp, ADeletedHelpPageIsWrittenAgainAndTheSettingsAreLeftAlone) {
    startUp();
    const QByteArray settings = readAll(iniFile());
    ASSERT_TRUE(QFile::remove(helpFile()));
    startUp();
    EXPECT_TRUE(QFileInfo(helpFile()).isFile());
    EXPECT_GT(QFileInfo(helpFile()).size(), 0);
    EXPECT_EQ(readAll(iniFile()), settings);
}

TEST_F(StartUp, WhatCannotBePutInPlaceIsToldAndNothingIsMadeElsewhere) {
    // A file stands where the maker's folder goes.
    ASSERT_TRUE(QDir().mkpath(scratch("config")));
    writeAll(scratch("config/Velmora Software"), "not a folder");
    desktop.takeShownBoxes();

    const AppFolders folders = startUp();
    ASSERT_EQ(folders.problems.size(), 5) << folders.problems.join('\n').toStdString();
    EXPECT_TRUE(folders.problems[0].contains(QStringLiteral("Velmora Software/ cannot be made")));
    EXPECT_TRUE(folders.problems[3].contains(QStringLiteral("settings will not be kept")));
    const std::vector<ShownBox> boxes = desktop.takeShownBoxes();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("Corvane could not put its folders and files in place:")));
    EXPECT_TRUE(boxes[0].text.contains(folders.problems[4]));
    EXPECT_EQ(readAll(scratch("config/Velmora Software")), "not a folder");
}

TEST_F(StartUp, WritingAResourceThatDoesNotExistWritesNothing) {
    EXPECT_FALSE(writeResourceToFile(999, scratch("x.html"), kHelpResourceType));
    EXPECT_FALSE(writeResourceToFile(kHelpResourceId, scratch("x.html"), QStringLiteral("NOSUCHTYPE")));
    EXPECT_FALSE(QFileInfo::exists(scratch("x.html")));
    EXPECT_FALSE(writeResourceToFile(kHelpResourceId, scratch("no/such/folder/x.html"), kHelpResourceType));
}

TEST_F(StartUp, TheSplashHandsOverOnTheHundredAndFiftiethTick) {
    int handedOver = 0;
    QString settingsSeen;
    LoadingForm splash(
        [&](const AppFolders& folders) {
            ++handedOver;
            settingsSeen = folders.iniFile;
        },
        desktop);
    splash.show();
    EXPECT_EQ(splash.caption(), QStringLiteral("Loading...."));
    for (int tick = 1; tick < LoadingForm::kTicks; ++tick) {
        splash.progressTick();
    }
    EXPECT_EQ(handedOver, 0);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.progressValue(), 149);

    splash.progressTick();
    EXPECT_EQ(handedOver, 1);
    EXPECT_EQ(settingsSeen, iniFile());
    EXPECT_EQ(splash.progressValue(), 150);
    EXPECT_FALSE(splash.isVisible());

    splash.progressTick();  // a tick that was already queued
    EXPECT_EQ(handedOver, 1);
    EXPECT_EQ(splash.tickCount(), 150);
}

TEST_F(StartUp, TheSplashCaptionCyclesThroughFiveCaptions) {
    LoadingForm splash(nullptr, desktop);
    QStringList seen;
    for (int i = 0; i < 7; ++i) {
        splash.animationTick();
        seen << splash.caption();
    }
    EXPECT_EQ(seen, QStringList({"Loading", "Loading.", "Loading..", "Loading...", "Loading....", "Loading",
                                 "Loading."}));
}

TEST_F(StartUp, TheSplashTimersRunToTheMainWindowOnTheirOwn) {
    bool handedOver = false;
    LoadingForm splash([&](const AppFolders&) { handedOver = true; }, desktop);
    splash.show();
    splash.start();
    const QDeadlineTimer patience(30'000);
    while (!handedOver && !patience.hasExpired()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    EXPECT_TRUE(handedOver);
    EXPECT_EQ(splash.tickCount(), LoadingForm::kTicks);
}

}  // namespace
}  // namespace corvane::testing

// The desktop program as the control's host: boxes through the dialog seam,
// input noticed, pending events run at every pump, windows frozen.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "support/scripted_desktop.h"
#include "corvane/app/qt_host.h"
#include "korbit/control/values/host.h"

namespace corvane {
namespace {

namespace box = korbit::control::box;

class QtHostTest : public ::testing::Test {
protected:
    testing::ScriptedDesktop desktop;
    QWidget window;
    QtHost host{&window, desktop};
};

TEST_F(QtHostTest, BoxesGoThroughTheDialogSeamWithTheirStyleAndTitle) {
    desktop.queueAnswer(box::kYes);
    EXPECT_EQ(host.messageBox(u"Replace it?", box::kQuestion | box::kYesNo, u"Korbit"), box::kYes);
    // Nothing queued: the answer that changes nothing.
    EXPECT_EQ(host.messageBox(u"Delete all?", box::kExclamation | box::kYesNoCancel, u"T"), box::kCancel);
    const std::vector<testing::ShownBox> shown = desktop.takeShownBoxes();
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[0].text, QStringLiteral("Replace it?"));
    EXPECT_EQ(shown[0].style, box::kQuestion | box::kYesNo);
    EXPECT_EQ(shown[0].title, QStringLiteral("Korbit"));
    EXPECT_EQ(shown[1].answer, box::kCancel);
}

TEST_F(QtHostTest, InputIsReportedOnceAfterItArrives) {
    QLineEdit edit(&window);
    window.show();
    EXPECT_FALSE(host.inputPending());
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_TRUE(host.inputPending());
    EXPECT_FALSE(host.inputPending());
    QTest::mouseClick(&edit, Qt::LeftButton);
    EXPECT_TRUE(host.inputPending());
}

// The control decides when to pump; every pump runs what is pending.
TEST_F(QtHostTest, EveryPumpRunsThePendingEvents) {
    int ran = 0;
    for (int pump = 1; pump <= 3; ++pump) {
        QMetaObject::invokeMethod(&window, [&] { ++ran; }, Qt::QueuedConnection);
        host.pumpEvents();
        EXPECT_EQ(ran, pump);
    }
}

TEST_F(QtHostTest, ItsOwnWindowsCanBeFrozenOthersNot) {
    window.show();
    EXPECT_TRUE(host.freezeWindow(QtHost::handleOf(&window), true));
    EXPECT_FALSE(window.updatesEnabled());
    EXPECT_TRUE(host.freezeWindow(QtHost::handleOf(&window), false));
    EXPECT_TRUE(window.updatesEnabled());
    EXPECT_FALSE(host.freezeWindow(0x7ffffff0, true));
    EXPECT_FALSE(host.drawFileIcon(QtHost::handleOf(&window), u"/etc/hosts", false, 16));
}

TEST_F(QtHostTest, TheFolderPickerAnswersThroughTheSeam) {
    desktop.queueFileName(QStringLiteral("/srv/backup"));
    EXPECT_EQ(host.browseForFolder(0, u"Pick a folder"), u"/srv/backup");
    EXPECT_EQ(host.browseForFolder(0, u"Pick a folder"), u"");  // cancelled
}

}  // namespace
}  // namespace corvane

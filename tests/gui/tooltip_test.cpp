// The password box's tooltip on the offscreen platform, with the cursor
// position fed in by the test.
#include "corvane/tooltip/tooltip_module.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBitmap>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using corvane::currentToolTip;
using corvane::removeToolTip;
using corvane::showToolTip;

const QString kText = QStringLiteral("Passwords are case sensitive and must be 6 or more characters!");
const QString kTitle = QStringLiteral("Password Entry");
constexpr qint32 kWhite = 0xFFFFFF;
constexpr qint32 kDarkGreen = 0x004000;

class ToolTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&host_);
        edit_ = new QLineEdit(&host_);
        layout->addWidget(edit_);
        host_.move(40, 40);
        host_.show();
    }

    void TearDown() override {
        removeToolTip();
    }

    // What the main window does on a mouse move over the password box.
    QWidget* passwordTipAt(QPoint where, qint32 tipStyle = 0, qint32 back = kWhite, qint32 ink = kDarkGreen) {
        cursor_ = where;
        showToolTip(edit_, kText, kTitle, tipStyle, 1, back, ink, pointer_);
        return currentToolTip();
    }

    static bool shows(QWidget* tip) {
        return tip != nullptr && QTest::qWaitFor([tip] { return tip->isVisible(); }, 5000);
    }

    static qsizetype tipWindows() {
        qsizetype count = 0;
        for (QWidget* widget : QApplication::allWidgets()) {
            count += widget->objectName() == QLatin1String("corvaneToolTip") ? 1 : 0;
        }
        return count;
    }

    QWidget host_;
    QLineEdit* edit_ = nullptr;
    QPoint cursor_{100, 100};
    corvane::TipPointer pointer_{[this] { return cursor_; }, 0};  // where the test puts the mouse; no wait
};

TEST_F(ToolTipTest, PasswordTipCarriesTitleIconAndColours) {
    QWidget* tip = passwordTipAt({100, 100});
    ASSERT_TRUE(shows(tip));

    EXPECT_TRUE(tip->isWindow());
    EXPECT_EQ(tip->windowType(), Qt::ToolTip);
    EXPECT_TRUE(tip->testAttribute(Qt::WA_ShowWithoutActivating));

    auto* title = tip->findChild<QLabel*>(QStringLiteral("corvaneToolTipTitle"));
    auto* text = tip->findChild<QLabel*>(QStringLiteral("corvaneToolTipText"));
    auto* icon = tip->findChild<QLabel*>(QStringLiteral("corvaneToolTipIcon"));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(text, nullptr);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(title->text(), kTitle);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(text->text(), kText);
    EXPECT_TRUE(text->wordWrap());
    EXPECT_GT(text->height(), text->fontMetrics().height());  // this text is long enough to wrap
    EXPECT_FALSE(icon->pixmap().isNull());

    const QColor white(255, 255, 255);
    const QColor darkGreen(0, 0x40, 0);
    EXPECT_EQ(text->palette().color(text->foregroundRole()), darkGreen);
    EXPECT_EQ(title->palette().color(title->foregroundRole()), darkGreen);
    const QImage pixels = tip->grab().toImage();
    EXPECT_EQ(pixels.pixelColor(3, pixels.height() - 3), white);  // inside the border
    EXPECT_EQ(pixels.pixelColor(0, pixels.height() / 2), darkGreen);  // the border itself

    // Below and to the right of the resting pointer.
    EXPECT_GE(tip->x(), 100);
    EXPECT_GT(tip->y(), 100);
}

TEST_F(ToolTipTest, TipNearTheScreenCornerStaysOnScreen) {
    const QRect area = edit_->screen()->availableGeometry();
    for (const qint32 tipStyle : {0, 1}) {
        QWidget* tip = passwordTipAt(area.bottomRight() - QPoint(tipStyle, 3), tipStyle);
        ASSERT_TRUE(shows(tip));
        EXPECT_TRUE(area.contains(tip->frameGeometry())) << "style " << tipStyle;
    }
}

TEST_F(ToolTipTest, PendingTipIsCurrentUntilTheMouseMoves) {
    pointer_.delayMs = 60'000;
    QPointer<QWidget> pending = passwordTipAt({100, 100});
    ASSERT_FALSE(pending.isNull());
    EXPECT_FALSE(pending->isVisible());
    QPointer<QWidget> next = passwordTipAt({101, 100});
    EXPECT_TRUE(pending.isNull());
    EXPECT_FALSE(next.isNull());
}

TEST_F(ToolTipTest, EmptyTextRemovesTheTipAndMakesNone) {
    QPointer<QWidget> tip = passwordTipAt({100, 100});
    ASSERT_TRUE(shows(tip));
    cursor_ = {120, 100};
    showToolTip(edit_, QString(), kTitle, 0, 1, kWhite, kDarkGreen, pointer_);
    EXPECT_EQ(currentToolTip(), nullptr);
    EXPECT_TRUE(tip.isNull());
    EXPECT_EQ(tipWindows(), 0);
}

TEST_F(ToolTipTest, OnePixelMoveReplacesTheTip) {
    QPointer<QWidget> first = passwordTipAt({100, 100});
    ASSERT_TRUE(shows(first));
    QPointer<QWidget> second = passwordTipAt({101, 100});
    EXPECT_TRUE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(shows(second));
}

TEST_F(ToolTipTest, RestPointOfATipThatLeftRaisesNoTip) {
    ASSERT_TRUE(shows(passwordTipAt({100, 100})));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(edit_, &leave);
    ASSERT_EQ(currentToolTip(), nullptr);

    EXPECT_EQ(passwordTipAt({100, 100}), nullptr);  // the mouse is back where it rested
    EXPECT_NE(passwordTipAt({100, 101}), nullptr);  // and moves on
}

TEST_F(ToolTipTest, RestPointOfAReplacedTipRaisesNoNewTip) {
    passwordTipAt({100, 100});
    QPointer<QWidget> second = passwordTipAt({105, 100});  // the first went at (100, 100)
    ASSERT_FALSE(second.isNull());
    passwordTipAt({100, 100});
    EXPECT_FALSE(second.isNull());  // still the same window, not a fresh one
    EXPECT_EQ(currentToolTip(), second.data());
    EXPECT_EQ(tipWindows(), 1);
}

TEST_F(ToolTipTest, ManyMovesLeaveOneTip) {
    for (int step = 0; step < 60; ++step) {
        passwordTipAt({100 + step, 100 + step % 3}, step % 2);
    }
    ASSERT_TRUE(shows(currentToolTip()));
    EXPECT_EQ(tipWindows(), 1);
    removeToolTip();
    EXPECT_EQ(currentToolTip(), nullptr);
    EXPECT_EQ(tipWindows(), 0);
}

struct TakeDownCase {
    std::string name;
    std::function<void(QLineEdit*)> act;
};

class ToolTipTakeDownTest : public ToolTipTest, public ::testing::WithParamInterface<TakeDownCase> {};

TEST_P(ToolTipTakeDownTest, ControlEventRemovesTheTip) {
    QPointer<QWidget> tip = passwordTipAt({100, 100});
    ASSERT_TRUE(shows(tip));
    GetParam().act(edit_);
    EXPECT_EQ(currentToolTip(), nullptr);
    EXPECT_TRUE(tip.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Events, ToolTipTakeDownTest,
    ::testing::Values(
        TakeDownCase{"Leave",
                     [](QLineEdit* edit) {
                         QEvent leave(QEvent::Leave);
                         QCoreApplication::sendEvent(edit, &leave);
                     }},
        TakeDownCase{"MousePress", [](QLineEdit* edit) { QTest::mousePress(edit, Qt::LeftButton); }},
        TakeDownCase{"Hidden", [](QLineEdit* edit) { edit->hide(); }},
        TakeDownCase{"Disabled", [](QLineEdit* edit) { edit->setEnabled(false); }},
        TakeDownCase{"Destroyed", [](QLineEdit* edit) { delete edit; }}),
    [](const ::testing::TestParamInfo<TakeDownCase>& param) { return param.param.name; });

TEST_F(ToolTipTest, BalloonHasAShapedMaskAndPlainHasNone) {
    QWidget* plain = passwordTipAt({100, 100}, 0);
    ASSERT_TRUE(shows(plain));
    EXPECT_TRUE(plain->mask().isEmpty());

    QWidget* balloon = passwordTipAt({110, 100}, 1);
    ASSERT_TRUE(shows(balloon));
    const QRegion mask = balloon->mask();
    ASSERT_FALSE(mask.isEmpty());
    EXPECT_NE(mask, QRegion(balloon->rect()));
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));  // rounded corner
    EXPECT_TRUE(mask.contains(balloon->rect().center()));
    const QImage pixels = balloon->grab().toImage();
    EXPECT_EQ(pixels.pixelColor(balloon->rect().center().x(), pixels.height() - 6), QColor(255, 255, 255));
}

TEST_F(ToolTipTest, MinusOneKeepsThePlatformColours) {
    QWidget* tip = passwordTipAt({100, 100}, 0, -1, -1);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->palette().color(QPalette::ToolTipBase), QToolTip::palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(tip->palette().color(QPalette::ToolTipText), QToolTip::palette().color(QPalette::ToolTipText));

    tip = passwordTipAt({101, 100}, 0, 0x0000FF, -1);  // red in 0x00BBGGRR
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->palette().color(QPalette::ToolTipBase), QColor(255, 0, 0));
    EXPECT_EQ(tip->palette().color(QPalette::ToolTipText), QToolTip::palette().color(QPalette::ToolTipText));
}

struct IconCase {
    qint32 titleIcon;
    std::optional<QStyle::StandardPixmap> expected;
};

class ToolTipIconTest : public ToolTipTest, public ::testing::WithParamInterface<IconCase> {};

TEST_P(ToolTipIconTest, TitleIconMatchesTheStandardOne) {
    cursor_ = {100, 100};
    showToolTip(edit_, kText, kTitle, 0, GetParam().titleIcon, kWhite, kDarkGreen, pointer_);
    QWidget* tip = currentToolTip();
    ASSERT_NE(tip, nullptr);
    auto* icon = tip->findChild<QLabel*>(QStringLiteral("corvaneToolTipIcon"));
    if (!GetParam().expected) {
        EXPECT_EQ(icon, nullptr);
        return;
    }
    ASSERT_NE(icon, nullptr);
    const int extent = tip->style()->pixelMetric(QStyle::PM_SmallIconSize);
    const QImage expected = tip->style()->standardIcon(*GetParam().expected).pixmap(extent, extent).toImage();
    EXPECT_EQ(icon->pixmap().toImage(), expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ToolTipIconTest,
                         ::testing::Values(IconCase{0, std::nullopt}, IconCase{1, QStyle::SP_MessageBoxInformation},
                                           IconCase{2, QStyle::SP_MessageBoxWarning},
                                           IconCase{3, QStyle::SP_MessageBoxCritical}));

}  // namespace

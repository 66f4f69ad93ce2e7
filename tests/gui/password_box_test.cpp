// Passwords people can live with: the box shows what was typed on request,
// a meter under it says in plain words how long one graphics card would need
// to guess it, and Suggest fills in a strong random one to write down.
#include <QAccessible>
#include <QRegularExpression>
#include <QTest>

#include "corvane/app/password_meter.h"
#include "gui/desktop_fixture.h"

namespace corvane::testing {
namespace {

QString accessible(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(text) : QStringLiteral("<no interface>");
}

class PasswordBox : public DesktopTest {
protected:
    QString plainFile() {
        folder.folder("Documents");
        const QString path = scratch("Documents/notes.txt");
        writeAll(path, "notes");
        return path;
    }
};

TEST_F(PasswordBox, ShowsWhatWasTypedOnRequestAndSaysWhichWayItIs) {
    auto window = mainWindow();
    QToolButton* show = window->showPasswordButton();
    EXPECT_EQ(accessible(show, QAccessible::Name), QStringLiteral("Show password"));
    EXPECT_EQ(window->passwordBox()->echoMode(), QLineEdit::Password);
    show->setFocus();
    QTest::keyClick(show, Qt::Key_Space);
    EXPECT_EQ(window->passwordBox()->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(accessible(show, QAccessible::Name), QStringLiteral("Hide password"));
    QTest::mouseClick(show, Qt::LeftButton);
    EXPECT_EQ(window->passwordBox()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(accessible(show, QAccessible::Name), QStringLiteral("Show password"));
}

TEST_F(PasswordBox, TheMeterFollowsTheTypingInPlainWords) {
    auto window = mainWindow();
    chooseFiles(*window, {plainFile()});
    PasswordMeter* meter = window->strengthMeter();
    EXPECT_TRUE(meter->isVisible());
    EXPECT_EQ(accessible(meter, QAccessible::Name), QStringLiteral("Password strength"));
    EXPECT_TRUE(meter->text().isEmpty());

    const struct {
        const char* typed;
        int level;
        const char* says;  // the start of what the meter says
    } cases[] = {
        {"corr", 0, "Too short: a password has at least 6 characters."},
        {"correct horse", 1, "Weak: one graphics card could guess it in less than a second."},
        {"qZ4X!KrT9", 2, "Fair: one graphics card could guess it in about "},
        {"k3#Vq9!zR@w8Lp2$", 3, "Strong: one graphics card would need more than a billion years to guess it."},
    };
    for (const auto& c : cases) {
        window->passwordBox()->clear();
        QTest::keyClicks(window->passwordBox(), QString::fromLatin1(c.typed));
        EXPECT_EQ(meter->level(), c.level) << c.typed;
        EXPECT_TRUE(meter->text().startsWith(QString::fromLatin1(c.says))) << meter->text().toStdString();
        EXPECT_EQ(accessible(meter, QAccessible::Description), meter->text());
    }
    window->passwordBox()->clear();
    EXPECT_TRUE(meter->text().isEmpty());
}

TEST_F(PasswordBox, SuggestFillsInAStrongPasswordThatFitsAndShowsItToBeWrittenDown) {
    auto window = mainWindow();
    chooseFiles(*window, {plainFile()});
    QToolButton* suggest = window->suggestButton();
    EXPECT_EQ(accessible(suggest, QAccessible::Name), QStringLiteral("Suggest a password"));
    ASSERT_TRUE(suggest->isEnabled());

    QTest::mouseClick(suggest, Qt::LeftButton);
    const QString first = window->passwordBox()->text();
    const QRegularExpression groups(QStringLiteral("^[2-9a-km-np-z]{4}(-[2-9a-km-np-z]{4}){4}$"));
    EXPECT_TRUE(groups.match(first).hasMatch()) << first.toStdString();
    EXPECT_EQ(window->passwordBox()->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(window->strengthMeter()->level(), 3);
    EXPECT_TRUE(window->strengthMeter()->text().startsWith(QStringLiteral("Strong: ")));
    QTest::mouseClick(suggest, Qt::LeftButton);
    EXPECT_NE(window->passwordBox()->text(), first);

    // It is a password like any other: asked twice, it encrypts.
    const QString suggested = window->passwordBox()->text();
    runWith(*window, suggested);
    EXPECT_EQ(window->statusLine()->toPlainText(), QStringLiteral("notes.txt is encrypted."));
    // Decrypting chooses no password: no suggestion, no meter.
    EXPECT_FALSE(suggest->isEnabled());
    EXPECT_FALSE(window->strengthMeter()->isVisible());
}

}  // namespace
}  // namespace corvane::testing

// The password box's tooltip: a tip window with an optional bold title and
// icon, own colours and an optional balloon shape. It waits for the mouse to
// rest over the control and goes as soon as the mouse moves or leaves. One
// tip exists at a time.
#pragma once

#include <QPoint>
#include <QString>
#include <QtGlobal>

#include <functional>

class QWidget;

namespace corvane {

// Where the pointer is and how long a tip waits before it shows, as the
// desktop the program runs on says: QCursor::pos() when `position` is
// empty, the style's tooltip wake-up delay when `delayMs` is negative.
struct TipPointer {
    std::function<QPoint()> position;
    int delayMs = -1;
};

// Shows a tip over `control`. tipStyle 1: balloon shape, anything else a plain rectangle. titleIcon: 0 none,
// 1 information, 2 warning, 3 error. backColor/textColor: 0x00BBGGRR, -1 keeps the platform's colour.
void showToolTip(QWidget* control, const QString& tipText, const QString& tipTitle, qint32 tipStyle,
                 qint32 titleIcon, qint32 backColor, qint32 textColor, const TipPointer& pointer = {});
// Removes the current tip, if any, and forgets where the mouse rested.
void removeToolTip();
QWidget* currentToolTip();  // the tip window now shown or pending (nullptr when none), for tests

}  // namespace corvane

// The information window: the heading picture, the program's version and
// maker, shown modally over the main window.
#pragma once

#include <QDialog>

namespace corvane {

class InformationForm final : public QDialog {
    Q_OBJECT
public:
    explicit InformationForm(QWidget* owner);
};

}  // namespace corvane

#include "corvane/app/information_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "corvane/app/branding.h"
#include "corvane/app/window_parts.h"

namespace corvane {

InformationForm::InformationForm(QWidget* owner) : QDialog(owner) {
    setWindowTitle(branding::kBoxTitle);
    setModal(true);
    auto* image1 = new Picture(103, this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setAccessibleName(QStringLiteral("Ardentis"));
    auto* about = new QLabel(tr("%1 %2\nPassword file encryption\n%3")
                                 .arg(branding::kProgramTitle, QStringLiteral(KORBIT_VERSION), branding::kMakerFolder),
                             this);
    about->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(image1, 0, Qt::AlignHCenter);
    layout->addWidget(about);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

}  // namespace corvane

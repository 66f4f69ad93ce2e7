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
    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(bitmapResource(103));
    image1->setAlignment(Qt::AlignCenter);
    auto* about = new QLabel(QStringLiteral("%1 %2\nPassword file encryption\n%3")
                                 .arg(branding::kProgramTitle, QStringLiteral(KORBIT_VERSION), branding::kMakerFolder),
                             this);
    about->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(image1);
    layout->addWidget(about);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

}  // namespace corvane

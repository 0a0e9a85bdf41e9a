#include "gui/page/child_form.h"

#include <QEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/ui_texts.h"

namespace tessalin::gui {

namespace {
constexpr int kImageSectionWidth = 30;
constexpr int kButtonBarHeight = 41;
}  // namespace

TChildForm::TChildForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TChildForm");
    resize(455, 304);
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* pageArea = new QWidget(this);
    page_ = MakeParamPageFrame(pageArea, kImageSectionWidth);
    layout->addWidget(pageArea, 1);

    // The grey button bar: OK and Cancel, 115 x 25, at left 76 and 240.
    auto* bar = new QWidget(this);
    bar->setObjectName("ButtonPanel");
    bar->setFixedHeight(kButtonBarHeight);
    bar->setAutoFillBackground(true);
    QPalette silver = bar->palette();
    silver.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    bar->setPalette(silver);
    auto* ok = new QPushButton("OK", bar);
    ok->setObjectName("OKButton");
    ok->setGeometry(76, 8, 115, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(Pick(DataSetText::LoadCancel), bar);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(240, 8, 115, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(bar);
}

void TChildForm::showEvent(QShowEvent* event) {
    setWindowTitle(QString::fromUtf8(kProductName));
    findChild<QPushButton*>("CancelButton")->setText(Pick(DataSetText::LoadCancel));
    QDialog::showEvent(event);
}

void TChildForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) setWindowTitle(QString::fromUtf8(kProductName));
    QDialog::changeEvent(event);
}

}  // namespace tessalin::gui

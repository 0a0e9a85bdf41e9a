#include "gui/main_window/card_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/ui_texts.h"

namespace tessalin::gui {

TCardForm::TCardForm(QWidget* parent)
    : QDialog(parent),
      label_(new QLabel(this)),
      drives_(new QComboBox(this)),
      open_(new QPushButton(this)),
      save_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setObjectName("TCardForm");
    label_->setObjectName("DriveLabel");
    drives_->setObjectName("DriveComboBox");
    open_->setObjectName("CardOpenButton");
    save_->setObjectName("CardSaveButton");
    cancel_->setObjectName("CardCancelButton");
    drives_->setMinimumWidth(260);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(drives_);
    layout->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(open_, &QPushButton::clicked, this, [this] { done(kOpen); });
    connect(save_, &QPushButton::clicked, this, [this] { done(kSave); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QString TCardForm::ChosenDrive() const { return drives_->currentText(); }

void TCardForm::Prepare() {
    setWindowTitle(Pick(DataSetText::CardCaption));
    label_->setText(Pick(DataSetText::CardDriveLabel));
    open_->setText(Pick(DataSetText::CardOpen));
    save_->setText(Pick(DataSetText::CardSave));
    cancel_->setText(Pick(DataSetText::CardCancel));

    drives_->clear();
    for (const std::string& mount : mountSource_()) drives_->addItem(QString::fromStdString(mount));
    drives_->setCurrentIndex(cardDrive_.isEmpty() ? -1 : drives_->findText(cardDrive_));
    open_->setFocus();
}

void TCardForm::showEvent(QShowEvent* event) {
    Prepare();
    QDialog::showEvent(event);
}

}  // namespace tessalin::gui

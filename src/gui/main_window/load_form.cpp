#include "gui/main_window/load_form.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/device/designations.h"
#include "core/workspace.h"
#include "gui/common/settings.h"
#include "gui/common/ui_texts.h"

namespace tessalin::gui {

TLoadForm::TLoadForm(Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      frontLabel_(new QLabel(this)),
      purgonLabel_(new QLabel(this)),
      explanation1_(new QLabel(this)),
      explanation2_(new QLabel(this)),
      editFront_(new QLineEdit(QString::fromUtf8(kCardFrontFile), this)),
      editPurgon_(new QLineEdit(this)),
      browseFront_(new QPushButton(this)),
      browsePurgon_(new QPushButton(this)),
      open_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setObjectName("TLoadForm");
    editFront_->setObjectName("EditFrontFile");
    editPurgon_->setObjectName("EditPurgonFile");
    browseFront_->setObjectName("BrowseFrontButton");
    browsePurgon_->setObjectName("BrowsePurgonButton");
    open_->setObjectName("LoadButton");
    cancel_->setObjectName("CancelButton");
    frontLabel_->setObjectName("FrontLabel");
    purgonLabel_->setObjectName("PurgonLabel");
    explanation1_->setObjectName("Explanation1");
    explanation2_->setObjectName("Explanation2");

    auto* grid = new QGridLayout(this);
    grid->addWidget(frontLabel_, 0, 0, 1, 2);
    grid->addWidget(editFront_, 1, 0);
    grid->addWidget(browseFront_, 1, 1);
    grid->addWidget(purgonLabel_, 2, 0, 1, 2);
    grid->addWidget(editPurgon_, 3, 0);
    grid->addWidget(browsePurgon_, 3, 1);
    grid->setRowMinimumHeight(4, 10);
    grid->addWidget(explanation1_, 5, 0, 1, 2);
    grid->addWidget(explanation2_, 6, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(open_);
    buttons->addWidget(cancel_);
    grid->addLayout(buttons, 7, 0, 1, 2);
    grid->setColumnMinimumWidth(0, 330);

    open_->setDefault(true);
    connect(open_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(browseFront_, &QPushButton::clicked, this, &TLoadForm::BrowseFront);
    connect(browsePurgon_, &QPushButton::clicked, this, &TLoadForm::BrowsePurgon);

    frontDir_ = ReadOpenDir();
    purgonDir_ = frontDir_;
    ApplyTexts();
}

QString TLoadForm::FrontFile() const { return editFront_->text(); }
QString TLoadForm::PurgonFile() const { return editPurgon_->text(); }

void TLoadForm::SetFiles(const QString& front, const QString& purgon) {
    editFront_->setText(front);
    editPurgon_->setText(purgon);
}

FileDialogSpec TLoadForm::OpenDialog(const QString& designation, const char* proposedName, const QString& dir) const {
    FileDialogSpec dialogSpec;
    dialogSpec.Title = Pick(DataSetText::OpenTitlePrefix) + designation + Pick(DataSetText::OpenTitleSuffix);
    dialogSpec.Filter = QString::fromStdString(FamilyDesignation()) + Pick(DataSetText::OpenFilterSuffix);
    dialogSpec.FilterIndex = 1;
    dialogSpec.InitialDir = dir;
    dialogSpec.FileName = QString::fromUtf8(proposedName);
    dialogSpec.DefaultExt = "par";
    dialogSpec.MustExist = true;
    return dialogSpec;
}

// The dialogs name the loaded device's front unit (the standard one while no device is loaded) and the
// Purgon controller as sold under the brand of slot [I].
FileDialogSpec TLoadForm::OpenFrontDialog() const {
    const uint8_t front = Ws().Device.Front.Code != 0 ? Ws().Device.Front.Code : uint8_t{2};
    return OpenDialog(QString::fromStdString(ModuleName(kPosFront, front)), kCardFrontFile, frontDir_);
}

FileDialogSpec TLoadForm::OpenPurgonDialog() const {
    return OpenDialog(QString::fromStdString(ModuleName(kPosSlot1, 79)), kCardPurgonFile, purgonDir_);
}

void TLoadForm::Browse(bool front) {
    const FileDialogResult chosen = prompter_.OpenFile(this, front ? OpenFrontDialog() : OpenPurgonDialog());
    if (!chosen.Accepted) return;
    (front ? editFront_ : editPurgon_)->setText(chosen.Path);
    const QString dir = QFileInfo(chosen.Path).absolutePath();
    frontDir_ = dir;
    purgonDir_ = dir;
}

void TLoadForm::BrowseFront() { Browse(true); }
void TLoadForm::BrowsePurgon() { Browse(false); }

void TLoadForm::UseForComparing() {
    comparing_ = true;
    setObjectName("TCompareForm");
    ApplyTexts();
}

void TLoadForm::ApplyTexts() {
    setWindowTitle(comparing_ ? Pick(texts::CompareCaption) : Pick(DataSetText::LoadCaption));
    frontLabel_->setText(Pick(DataSetText::LoadFrontLabel));
    purgonLabel_->setText(Pick(DataSetText::LoadPurgonLabel));
    browseFront_->setText(Pick(DataSetText::LoadBrowse));
    browsePurgon_->setText(Pick(DataSetText::LoadBrowse));
    explanation1_->setText(Pick(DataSetText::LoadExplanation1));
    explanation2_->setText(Pick(DataSetText::LoadExplanation2));
    open_->setText(comparing_ ? Pick(texts::CompareConfirm) : Pick(DataSetText::LoadOpen));
    cancel_->setText(Pick(DataSetText::LoadCancel));
}

void TLoadForm::showEvent(QShowEvent* event) {
    ApplyTexts();
    QDialog::showEvent(event);
}

void TLoadForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) ApplyTexts();
    QDialog::changeEvent(event);
}

}  // namespace tessalin::gui

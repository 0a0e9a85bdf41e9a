#include "gui/check/check_panel.h"

#include <QColor>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/workspace.h"
#include "gui/common/ui_texts.h"

namespace tessalin::gui {

namespace {
constexpr int kFindingRole = Qt::UserRole;

QColor SeverityColour(check::Severity severity) {
    switch (severity) {
        case check::Severity::Refused: return QColor(0xC0, 0x00, 0x00);
        case check::Severity::ShownOtherwise: return QColor(0xA0, 0x60, 0x00);
        case check::Severity::Cosmetic: return QColor(0x60, 0x60, 0x60);
    }
    return {};
}
}  // namespace

CheckPanel::CheckPanel(QWidget* parent)
    : QWidget(parent),
      header_(new QLabel(this)),
      list_(new QListWidget(this)),
      repairAll_(new QPushButton(this)),
      close_(new QPushButton(this)) {
    setObjectName("CheckPanel");
    header_->setObjectName("CheckHeader");
    header_->setWordWrap(true);
    list_->setObjectName("FindingList");
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setAlternatingRowColors(true);
    repairAll_->setObjectName("RepairAllButton");
    close_->setObjectName("CloseCheckButton");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(repairAll_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 0, 0);
    layout->addWidget(header_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::itemActivated, this, &CheckPanel::Chosen);
    connect(list_, &QListWidget::itemClicked, this, &CheckPanel::Chosen);
    connect(repairAll_, &QPushButton::clicked, this, &CheckPanel::RepairAllRequested);
    connect(close_, &QPushButton::clicked, this, &CheckPanel::CloseRequested);
    ApplyTexts();
}

void CheckPanel::ShowFindings(const std::vector<check::Finding>& findings) {
    findings_ = findings;
    ApplyTexts();
}

void CheckPanel::ApplyTexts() {
    const int ui = Ws().UiLanguage;
    list_->clear();
    for (std::size_t i = 0; i < findings_.size(); ++i) {
        const check::Finding& f = findings_[i];
        const QString place = QString::fromStdString(check::FindingPlace(f, ui));
        QString detail = QString::fromStdString(check::FindingDetail(f, ui));
        for (const std::string& also : check::FindingAlsoLines(f, ui)) detail += "\n    " + QString::fromStdString(also);
        auto* item = new QListWidgetItem(place + "\n" + detail, list_);
        item->setData(kFindingRole, static_cast<int>(i));
        item->setForeground(SeverityColour(f.severity));
        item->setToolTip(QString::fromStdString(check::SeverityText(f.severity, ui)) + ": " + place + "\n" + detail);
    }
    header_->setText("<b>" + Pick(texts::CheckHeader) + "</b>: " + QString::fromStdString(check::CountFindings(findings_.size(), ui)));
    repairAll_->setText(Pick(texts::CheckRepairAll));
    repairAll_->setEnabled(std::any_of(findings_.begin(), findings_.end(),
                                       [](const check::Finding& f) { return f.target.possible; }));
    close_->setText(Pick(texts::CheckClose));
}

void CheckPanel::Chosen(QListWidgetItem* item) {
    const check::Finding& f = findings_.at(static_cast<std::size_t>(item->data(kFindingRole).toInt()));
    if (!f.node.empty()) emit FindingChosen(QString::fromStdString(f.node), f.set, f.row);
}

}  // namespace tessalin::gui

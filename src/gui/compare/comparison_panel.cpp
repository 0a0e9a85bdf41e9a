#include "gui/compare/comparison_panel.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "gui/common/ui_texts.h"

namespace tessalin::gui {

namespace {
constexpr int kNodeRole = Qt::UserRole;
constexpr int kSetRole = Qt::UserRole + 1;
}  // namespace

ComparisonPanel::ComparisonPanel(QWidget* parent)
    : QWidget(parent), header_(new QLabel(this)), list_(new QListWidget(this)), close_(new QPushButton(this)) {
    setObjectName("ComparisonPanel");
    header_->setObjectName("ComparisonHeader");
    header_->setWordWrap(true);
    list_->setObjectName("DifferenceList");
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setAlternatingRowColors(true);
    close_->setObjectName("EndComparisonButton");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(header_);
    layout->addWidget(list_, 1);
    layout->addWidget(close_, 0, Qt::AlignRight);

    connect(list_, &QListWidget::itemActivated, this, &ComparisonPanel::Chosen);
    connect(list_, &QListWidget::itemClicked, this, &ComparisonPanel::Chosen);
    connect(close_, &QPushButton::clicked, this, &ComparisonPanel::CloseRequested);
    ApplyTexts();
}

void ComparisonPanel::ShowDifferences(const QString& otherFiles, const std::vector<Difference>& differences,
                                      const std::vector<int>& nodes) {
    otherFiles_ = otherFiles;
    count_ = static_cast<int>(differences.size());
    list_->clear();
    for (std::size_t i = 0; i < differences.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(DescribeDifference(differences[i], Ws().UiLanguage)), list_);
        item->setData(kNodeRole, nodes[i]);
        item->setData(kSetRole, static_cast<int>(differences[i].set));
        item->setToolTip(item->text());
        // What only the second data set has has no node to lead to.
        if (nodes[i] < 0) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    ApplyTexts();
}

void ComparisonPanel::ApplyTexts() {
    const QString count = count_ == 0 ? Pick(texts::CompareNone)
                          : count_ == 1 ? Pick(texts::CompareOne)
                                        : Pick(texts::CompareMany).arg(count_);
    header_->setText("<b>" + Pick(texts::CompareHeader).arg(otherFiles_.toHtmlEscaped()) + "</b>: " + count);
    close_->setText(Pick(texts::CompareEnd));
}

void ComparisonPanel::Chosen(QListWidgetItem* item) {
    const int node = item->data(kNodeRole).toInt();
    if (node >= 0) emit NodeChosen(node, static_cast<char>(item->data(kSetRole).toInt()));
}

}  // namespace tessalin::gui

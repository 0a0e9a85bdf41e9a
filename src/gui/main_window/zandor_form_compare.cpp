// Comparing the loaded data set with a second one: "Vergleichen mit..." chooses the second data set, which
// is held read-only beside the loaded one; the panel below the tree lists the differences, the tree shows
// their number at each node and the page marks the differing rows with the other value as tooltip.
// "Vergleich beenden" returns to the normal view. The loaded data set is never changed by comparing.
#include <utility>
#include <QFileInfo>
#include <QTreeWidget>

#include "core/compare/comparison.h"
#include "core/data_set/load_messages.h"
#include "core/range_error.h"
#include "core/workspace.h"
#include "gui/common/ui_texts.h"
#include "gui/compare/comparison_panel.h"
#include "gui/main_window/load_form.h"
#include "gui/main_window/zandor_form.h"
#include "gui/page/form_page.h"
#include "gui/page/row_marks.h"

namespace tessalin::gui {

namespace {

// "B.PAR / BU.PAR": the file names of the second data set.
QString FileNames(const Comparison& comparison) {
    QString names = QFileInfo(QString::fromStdString(comparison.FrontFile())).fileName();
    if (!comparison.PurgonFile().empty())
        names += " / " + QFileInfo(QString::fromStdString(comparison.PurgonFile())).fileName();
    return names;
}

// The tooltip of a differing row: the value in the second data set with its unit.
QString OtherValueTip(const Difference& difference) {
    const QString other = difference.presence == Presence::FirstOnly
                              ? Pick(texts::CompareNotShown)
                              : QString::fromStdString(difference.unitAfter.empty()
                                                           ? difference.after
                                                           : difference.after + " " + difference.unitAfter);
    return Pick(texts::CompareOtherValue).arg(other);
}

}  // namespace

void TZandorForm::Vergleichen1Click() {
    if (prompter_.Exec(*compareForm_) != QDialog::Accepted) return;
    ComparisonOpening opening;
    try {
        opening = Comparison::Open(compareForm_->FrontFile().toStdString(), compareForm_->PurgonFile().toStdString(),
                                   SetChoice::Both);
    } catch (const RangeError& error) {
        ShowRangeError(error.what());
        return;
    }
    // A refused data set leaves the comparison that was open, if any, as it was.
    if (!opening.load.ok()) {
        prompter_.Message(this, QString::fromUtf8(kProductName),
                          QString::fromStdString(LoadRefusedMessage(opening.load, Ws().UiLanguage)), MessageIcon::Error,
                          MessageButtons::Ok);
        return;
    }
    if (!opening.comparison) {
        ShowRangeError(opening.message);
        return;
    }
    comparison_ = std::move(opening.comparison);
    ShowComparison();
}

void TZandorForm::EndComparison() {
    comparison_.reset();
    ShowComparison();
}

void TZandorForm::RefreshComparison() {
    if (!comparison_ || InDialog()) return;
    try {
        if (!comparison_->Refresh()) return;
    } catch (const RangeError& error) {
        comparison_.reset();
        ShowComparison();
        ShowRangeError(error.what());
        return;
    }
    ShowComparison();
}

void TZandorForm::ShowComparison() {
    const bool comparing = comparison_ != nullptr;
    VergleichBeenden1_->setEnabled(comparing);
    comparisonPanel_->setVisible(comparing);
    differenceCounts_ = comparing ? DifferenceCounts(comparison_->Differences()) : std::map<int, int>{};
    if (comparing) {
        comparisonPanel_->ShowDifferences(FileNames(*comparison_), comparison_->Differences(),
                                          DifferenceNodes(comparison_->Differences()));
    }
    ShowNodeTexts();
    MarkShownPage();
}

void TZandorForm::MarkShownPage() {
    std::map<int, QString> marks = FindingMarks();
    if (comparison_ && Ws().Tree.selected >= 0) {
        for (const auto& [row, difference] :
             RowDifferences(comparison_->Differences(), Ws().Tree.selected, Ws().ActiveParamSet)) {
            QString& mark = marks[row];
            mark += (mark.isEmpty() ? "" : "\n") + OtherValueTip(*difference);
        }
    }
    ShowRowMarks(formPage_->Panel(), marks);
}

QString TZandorForm::NodeItemText(int node) const {
    QString text = QString::fromStdString(Ws().Tree.nodes.at(static_cast<std::size_t>(node)).text);
    if (const auto count = differenceCounts_.find(node); count != differenceCounts_.end())
        text += QString(" <font color=\"#C00000\"><b>(%1)</b></font>").arg(count->second);
    return text;
}

void TZandorForm::ShowDifferenceNode(int node, char set) {
    if (set != 0 && (set == 'B') != Ws().ActiveParamSet) BankButtonClick();
    if (QTreeWidgetItem* item = TreeItemOf(node)) {
        DeviceTree_->setCurrentItem(item);
        DeviceTree_->scrollToItem(item);
    }
}

}  // namespace tessalin::gui

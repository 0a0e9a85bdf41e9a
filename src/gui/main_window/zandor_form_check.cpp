// Checking the data set: "Datensatz prüfen..." lists every stored value the analyser would not accept
// as it stands in the panel beside the page; choosing a finding shows its node in its set with the row
// marked; "Alle reparieren" enters every repair through the page's commits as one change. Opening a data
// set with findings says so in the status bar, without a dialog.
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QTreeWidget>

#include <algorithm>

#include "core/check/check.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "gui/check/check_panel.h"
#include "gui/common/ui_texts.h"
#include "gui/main_window/zandor_form.h"
#include "gui/page/form_page.h"
#include "gui/page/row_marks.h"

namespace tessalin::gui {

namespace {
constexpr int kCheckPanelWidth = 380;
constexpr int kTreeKeeps = 160;  // the tree gives room to the panel down to this width
}  // namespace

void TZandorForm::DatensatzPruefen1Click() {
    // The page keeps the room it has: the window grows by the panel's width where the screen has room for
    // it, and what is still missing comes from the tree.
    QList<int> sizes = MainSplitter_->sizes();  // the panel's is 0 while it is hidden
    ShowCheckFindings();
    checkPanel_->show();
    if (sizes.size() != 3) return;
    int missing = std::max(kCheckPanelWidth - sizes[2], 0);
    if (missing > 0 && !isMaximized() && !isFullScreen()) {
        const QScreen* display = screen();
        const int room = display != nullptr ? display->availableGeometry().right() - frameGeometry().right() : 0;
        const int grow = std::clamp(room, 0, missing);
        if (grow > 0) {
            resize(width() + grow, height());
            sizes[2] += grow;
            missing -= grow;
        }
    }
    const int fromTree = std::clamp(sizes[0] - kTreeKeeps, 0, missing);
    sizes[0] -= fromTree;
    sizes[2] += fromTree;
    MainSplitter_->setSizes(sizes);
}

void TZandorForm::ShowCheckFindings() {
    try {
        findings_ = check::CheckDataSet();
    } catch (const RangeError& error) {
        findings_.clear();
        ShowRangeError(error.what());
    }
    checkStamp_.Take();
    checkPanel_->ShowFindings(findings_);
    MarkShownPage();
}

void TZandorForm::RefreshCheckFindings() {
    if (checkPanel_->isHidden() || checkStamp_.Current() || InDialog()) return;
    ShowCheckFindings();
}

void TZandorForm::ShowFindingPlace(const QString& node, char set, int row) {
    const int id = NodeAtPath(node.toStdString());
    if (id < 0) return;
    if (set != '-' && (set == 'B') != Ws().ActiveParamSet) BankButtonClick();
    if (QTreeWidgetItem* item = TreeItemOf(id)) {
        DeviceTree_->setCurrentItem(item);
        DeviceTree_->scrollToItem(item);
    }
    pendingFocusRow_ = row;
    if (!Ws().PageRebuildRequest) FocusPendingRow();
}

void TZandorForm::RepairAllFindings() {
    check::RepairReport report;
    try {
        History().Record(StepLabel(texts::CheckRepairAll), [&] { report = check::RepairAll(); });
    } catch (const RangeError& error) {
        ShowRangeError(error.what());
    }
    // The tree and the page show the image as the repairs left it.
    RebuildDeviceTreeKeepingPath();
    Ws().PageRebuildRequest = true;
    findings_ = report.remaining;
    checkStamp_.Take();
    checkPanel_->ShowFindings(findings_);
    const int ui = Ws().UiLanguage;
    statusPanel1_->setText(" " + Pick(texts::CheckRepaired)
                                     .arg(QString::fromStdString(check::CountRepairs(report.repaired.size(), ui)))
                                     .arg(QString::fromStdString(check::CountFindings(report.remaining.size(), ui))));
}

void TZandorForm::CloseCheck() {
    checkPanel_->hide();
    findings_.clear();
    MarkShownPage();
}

void TZandorForm::ReportLoadedFindings() {
    try {
        findings_ = check::CheckDataSet();
    } catch (const RangeError&) {
        findings_.clear();  // the tree and the page report the error themselves
    }
    checkStamp_.Take();
    checkPanel_->ShowFindings(findings_);
    if (!findings_.empty())
        statusPanel1_->setText(" " + Pick(texts::CheckLoaded).arg(QString::fromStdString(check::CountFindings(findings_.size(), Ws().UiLanguage))));
}

std::map<int, QString> TZandorForm::FindingMarks() const {
    std::map<int, QString> marks;
    const int selected = Ws().Tree.selected;
    if (checkPanel_->isHidden() || selected < 0) return marks;
    const std::string node = NodePath(selected);
    const char set = Ws().ActiveParamSet ? 'B' : 'A';
    for (const check::Finding& f : findings_) {
        if (f.node != node || (f.set != set && f.set != '-') || f.row < 0) continue;
        QString& mark = marks[f.row];
        mark += (mark.isEmpty() ? "" : "\n") + QString::fromStdString(check::FindingDetail(f, Ws().UiLanguage));
        for (const std::string& also : check::FindingAlsoLines(f, Ws().UiLanguage)) mark += "\n" + QString::fromStdString(also);
    }
    return marks;
}

}  // namespace tessalin::gui

// The "Bearbeiten" menu of the main window: undo and redo over the edit history, with their tool
// buttons, and finding a parameter through the find bar above the page (Ctrl+F, then Enter or a click
// on a hit; F3 and Shift+F3 go through the hits).
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>

#include "core/history/history.h"
#include "core/main_window/save_decisions.h"
#include "core/page/formpage.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "gui/common/ui_texts.h"
#include "gui/main_window/find_bar.h"
#include "gui/main_window/zandor_form.h"
#include "gui/page/form_page.h"

namespace tessalin::gui {

void TZandorForm::CreateEditMenu() {
    QMenu* edit = menuBar()->addMenu("&Bearbeiten");
    edit->setObjectName("Bearbeiten");
    edit->setToolTipsVisible(true);
    const auto item = [this, edit](const char* name, const QList<QKeySequence>& keys, void (TZandorForm::*slot)()) {
        QAction* action = edit->addAction(QString());
        action->setObjectName(name);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    Undo_ = item("Rueckgaengig1", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &TZandorForm::UndoClick);
    Redo_ = item("Wiederherstellen1", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                 &TZandorForm::RedoClick);
    edit->addSeparator();
    item("Suchen1", {QKeySequence(Qt::CTRL | Qt::Key_F)}, &TZandorForm::FindClick);
    item("Weitersuchen1", {QKeySequence(Qt::Key_F3)}, &TZandorForm::FindNextClick);
    item("Rueckwaertssuchen1", {QKeySequence(Qt::SHIFT | Qt::Key_F3)}, &TZandorForm::FindPreviousClick);
}

// ---- undo and redo ---------------------------------------------------------------------------

void TZandorForm::ShowEditStates() {
    const EditHistory& history = History();
    const QString undo = history.CanUndo()
                             ? Pick(texts::UndoItem).arg(QString::fromStdString(history.UndoLabel()))
                             : Pick(texts::UndoNothing);
    const QString redo = Pick(texts::RedoItem);
    const QString redoTip = history.CanRedo() ? Pick(texts::RedoTip).arg(QString::fromStdString(history.RedoLabel())) : redo;
    if (Undo_->text() != undo) Undo_->setText(undo);
    if (Redo_->text() != redo) Redo_->setText(redo);
    Redo_->setToolTip(redoTip);
    Undo_->setEnabled(history.CanUndo());
    Redo_->setEnabled(history.CanRedo());
    UndoButton_->setToolTip(undo);
    RedoButton_->setToolTip(redoTip);
    UndoButton_->setEnabled(history.CanUndo());
    RedoButton_->setEnabled(history.CanRedo());
}

void TZandorForm::UndoClick() { MoveInHistory(&EditHistory::Undo); }

void TZandorForm::RedoClick() { MoveInHistory(&EditHistory::Redo); }

void TZandorForm::MoveInHistory(std::optional<HistoryMove> (EditHistory::*move)()) {
    // Nothing changes the data set while a dialog is open (a sub-page, the configurator).
    if (formPage_->SubPage() != nullptr) return;
    std::optional<HistoryMove> moved;
    try {
        moved = (History().*move)();
    } catch (const RangeError& error) {
        ShowRangeError(error.what());
    }
    if (moved) ShowHistoryMove(*moved);
}

void TZandorForm::ShowHistoryMove(const HistoryMove& move) {
    // The page's controls show the image as it was: they go before anything else is shown.
    formPage_->Clear();
    ShowCommandStates();
    FillDeviceTree(true);
    ShowParamSetImage(ParamSetImage());
    if (move.treeRebuilt && Ws().Tree.activeTab != MainTab::Description) ShowDeviceDescription();
    pendingFocusRow_ = move.row;
    // "Speichern" and the caption at once, so that a save right after the undo is offered.
    ShowSaveState(Ws().Modified && HasDataSet());
    ShowEditStates();
}

void TZandorForm::FocusPendingRow() {
    if (pendingFocusRow_ < 0) return;
    formPage_->FocusRow(pendingFocusRow_);
    pendingFocusRow_ = -1;
}

// ---- finding ---------------------------------------------------------------------------------

void TZandorForm::FindClick() {
    findBar_->Open();
    RunFind();
}

void TZandorForm::RunFind() {
    try {
        findHits_ = HasDataSet() ? FindInDataSet(findBar_->Text().toStdString()) : std::vector<FindHit>{};
    } catch (const RangeError& error) {
        findHits_.clear();
        ShowRangeError(error.what());
    }
    findStamp_.Take();
    findBar_->ShowHits(findHits_);
}

void TZandorForm::RefreshFindHits() {
    if (findBar_->isHidden() || findBar_->Text().trimmed().isEmpty() || findStamp_.Current() || InDialog()) return;
    const int current = findBar_->Current();
    RunFind();
    if (current < static_cast<int>(findHits_.size())) findBar_->SetCurrent(current);
}

void TZandorForm::FindNextClick() {
    if (findHits_.empty()) return FindClick();
    GoToHit(findBar_->Step(1));
}

void TZandorForm::FindPreviousClick() {
    if (findHits_.empty()) return FindClick();
    GoToHit(findBar_->Step(-1));
}

void TZandorForm::GoToHit(int index) {
    if (index < 0 || index >= static_cast<int>(findHits_.size())) return;
    findBar_->SetCurrent(index);
    const FindHit& hit = findHits_[static_cast<std::size_t>(index)];
    const int node = NodeAtPath(hit.node);
    QTreeWidgetItem* item = node >= 0 ? TreeItemOf(node) : nullptr;
    if (item == nullptr) return;
    pendingFocusRow_ = hit.row;
    if (node != Ws().Tree.selected || Ws().Tree.activeTab != MainTab::Parameter) {
        DeviceTree_->setCurrentItem(item);
        DeviceTree_->scrollToItem(item);
        if (node == Ws().Tree.selected) DeviceTreeSelected(item);
    }
    if (hit.row < 0) {
        pendingFocusRow_ = -1;
        DeviceTree_->setFocus(Qt::OtherFocusReason);
    } else if (!Ws().PageRebuildRequest) {
        FocusPendingRow();
    }
}

}  // namespace tessalin::gui

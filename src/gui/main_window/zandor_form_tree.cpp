// The device tree view of the main window: it shows the nodes of the tree model as markup items and
// forwards the user's selection to the model, which decides the page that follows.
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <set>
#include <utility>

#include "core/compare/comparison.h"
#include "core/main_window/language_switch.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "gui/common/ui_texts.h"
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

namespace {
constexpr int kNodeRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kRecordRole = Qt::UserRole + 2;
}  // namespace

void TZandorForm::AddNode(int node, QTreeWidgetItem* item) const {
    const TreeNode& data = Ws().Tree.nodes.at(static_cast<std::size_t>(node));
    item->setText(0, NodeItemText(node));
    item->setData(0, kNodeRole, node);
    item->setData(0, kLevelRole, data.level);
    item->setData(0, kRecordRole, data.record);
    for (int child : data.children) AddNode(child, new QTreeWidgetItem(item));
}

void TZandorForm::ShowNodeTexts() {
    for (QTreeWidgetItemIterator it(DeviceTree_); *it != nullptr; ++it)
        (*it)->setText(0, NodeItemText((*it)->data(0, kNodeRole).toInt()));
}

QTreeWidgetItem* TZandorForm::TreeItemOf(int node) const {
    for (QTreeWidgetItemIterator it(DeviceTree_); *it != nullptr; ++it)
        if ((*it)->data(0, kNodeRole).toInt() == node) return *it;
    return nullptr;
}

void TZandorForm::RebuildDeviceTree() {
    ShowRebuiltTree([] { BuildDeviceTree(); });
}

// A rule changed the hardware: the device is decoded again and the same node stays selected.
void TZandorForm::RebuildDeviceTreeKeepingSelection() { ShowRebuiltTree(RedecodeKeepSelection); }

// A language switch or an unchanged device: the node at the same place stays selected and the
// branches the user opened stay open.
void TZandorForm::RebuildDeviceTreeKeepingPath() { ShowRebuiltTree(RebuildTreeKeepingPath, true); }

void TZandorForm::ShowRebuiltTree(void (*rebuild)(), bool keepExpanded) {
    ShowCommandStates();
    try {
        rebuild();
    } catch (const RangeError& error) {
        // The nodes added before the error stay usable, as after an unknown module.
        FillDeviceTree(keepExpanded);
        ShowRangeError(error.what());
        return;
    }
    FillDeviceTree(keepExpanded);
    if (!Ws().Tree.message.empty()) {
        prompter_.Message(this, QString::fromUtf8(kProductName), QString::fromStdString(Ws().Tree.message),
                          MessageIcon::Error, MessageButtons::Ok);
    }
}

void TZandorForm::FillDeviceTree(bool keepExpanded) {
    const DeviceTreeState& tree = Ws().Tree;
    const QSignalBlocker quiet(DeviceTree_);
    // A node keeps its level and record through a partial rebuild, not its id.
    std::set<std::pair<int, int>> expanded;
    if (keepExpanded) {
        for (QTreeWidgetItemIterator it(DeviceTree_); *it != nullptr; ++it)
            if ((*it)->isExpanded()) expanded.insert({(*it)->data(0, kLevelRole).toInt(), (*it)->data(0, kRecordRole).toInt()});
    }
    DeviceTree_->clear();
    // The node ids may have changed: the differences are counted on the nodes there are now.
    if (comparison_) differenceCounts_ = DifferenceCounts(comparison_->Differences());
    QTreeWidgetItem* selected = nullptr;
    for (int root : tree.roots) AddNode(root, new QTreeWidgetItem(DeviceTree_));
    for (QTreeWidgetItemIterator it(DeviceTree_); *it != nullptr; ++it) {
        if ((*it)->data(0, kNodeRole).toInt() == tree.selected) selected = *it;
        if (expanded.count({(*it)->data(0, kLevelRole).toInt(), (*it)->data(0, kRecordRole).toInt()}) != 0)
            (*it)->setExpanded(true);
    }
    if (selected != nullptr) {
        DeviceTree_->setCurrentItem(selected);
        DeviceTree_->scrollToItem(selected);
    }
    ShowTreeTab();
}

void TZandorForm::ShowRenamedNode() {
    QTreeWidgetItem* item = DeviceTree_->currentItem();
    const DeviceTreeState& tree = Ws().Tree;
    if (item == nullptr || tree.selected < 0) return;
    item->setText(0, NodeItemText(tree.selected));
}

void TZandorForm::DeviceTreeSelected(QTreeWidgetItem* item) {
    // Only items made from the tree's nodes carry a node id.
    const QVariant node = item != nullptr ? item->data(0, kNodeRole) : QVariant();
    if (!node.isValid()) return;
    DeviceTreeChange(node.toInt());
    ShowTreeTab();
    // The chosen node's page is built as soon as the click is over, not on the timer's next tick.
    if (Ws().PageRebuildRequest) TickSoon_->start();
}

void TZandorForm::ShowTreeTab() {
    const MainTab tab = Ws().Tree.activeTab;
    MainPageControl_->setCurrentIndex(static_cast<int>(tab));
    MainPageControl_->widget(kPageGrafik)->setProperty("Tag", Ws().Tree.grafikTag);
    if (tab == MainTab::Grafik) ShowTerminalPlan();
    if (tab == MainTab::Description) ShowDeviceDescription();
}

}  // namespace tessalin::gui

// The device tree view of the main window: it shows the nodes of the tree model as markup items and
// forwards the user's selection to the model, which decides the page that follows.
#include <QTabWidget>
#include <QTreeWidget>

#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "gui/main_window/ui_texts.h"
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

namespace {
constexpr int kNodeRole = Qt::UserRole;

void AddNode(const DeviceTreeState& tree, int node, QTreeWidgetItem* item) {
    item->setText(0, QString::fromStdString(tree.nodes.at(static_cast<std::size_t>(node)).text));
    item->setData(0, kNodeRole, node);
    for (int child : tree.nodes.at(static_cast<std::size_t>(node)).children) AddNode(tree, child, new QTreeWidgetItem(item));
}
}  // namespace

void TZandorForm::RebuildDeviceTree() {
    BuildDeviceTree();
    FillDeviceTree();
    if (!Ws().Tree.message.empty()) {
        prompter_.Message(this, QString::fromUtf8(kProductName), QString::fromStdString(Ws().Tree.message),
                          MessageIcon::Error, MessageButtons::Ok);
    }
}

void TZandorForm::FillDeviceTree() {
    const DeviceTreeState& tree = Ws().Tree;
    const QSignalBlocker quiet(DeviceTree_);
    DeviceTree_->clear();
    QTreeWidgetItem* selected = nullptr;
    for (int root : tree.roots) AddNode(tree, root, new QTreeWidgetItem(DeviceTree_));
    for (QTreeWidgetItemIterator it(DeviceTree_); *it != nullptr; ++it) {
        if ((*it)->data(0, kNodeRole).toInt() == tree.selected) selected = *it;
    }
    if (selected != nullptr) {
        DeviceTree_->setCurrentItem(selected);
        DeviceTree_->scrollToItem(selected);
    }
    ShowTreeTab();
}

void TZandorForm::DeviceTreeSelected(QTreeWidgetItem* item) {
    // Only items made from the tree's nodes carry a node id.
    const QVariant node = item != nullptr ? item->data(0, kNodeRole) : QVariant();
    if (!node.isValid()) return;
    DeviceTreeChange(node.toInt());
    ShowTreeTab();
}

void TZandorForm::ShowTreeTab() {
    const MainTab tab = Ws().Tree.activeTab;
    MainPageControl_->setCurrentIndex(static_cast<int>(tab));
    MainPageControl_->widget(kPageGrafik)->setProperty("Tag", Ws().Tree.grafikTag);
    if (tab == MainTab::Grafik) ShowTerminalPlan();
    if (tab == MainTab::Description) ShowDeviceDescription();
}

}  // namespace tessalin::gui

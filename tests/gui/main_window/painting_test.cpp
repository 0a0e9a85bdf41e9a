// What the main window paints with the demo data set loaded: the tree's selection, the parameter pages
// without scroll bars they do not need, and its pictures at two pixels a point.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "core/workspace.h"
#include "gui/page/form_page.h"
#include "main_window_fixture.h"

namespace tessalin::gui::test {
namespace {

class PaintingTest : public MainWindowTest {
protected:
    void StartWithDemo() {
        const QString demo = QString(TESSALIN_EXAMPLES_DIR) + "/demo/";
        Start({demo + "BACKUP01.PAR", demo + "BACKUP02.PAR"});
        form_->AktionsTimerTimer();
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        tree_ = Find<QTreeWidget>("DeviceTree");
        tree_->expandAll();
    }
    void Select(QTreeWidgetItem* item) {
        tree_->setCurrentItem(item);
        form_->AktionsTimerTimer();
        QApplication::processEvents();
    }
    QTreeWidget* tree_ = nullptr;
};

// The selected row is painted from its text's left edge, in the tree's selection colour; the indent left
// of it keeps the tree's ground.
TEST_F(PaintingTest, TheTreeSelectionStartsAtTheItemsText) {
    StartWithDemo();
    QTreeWidgetItem* menu = tree_->topLevelItem(2)->child(0);
    ASSERT_NE(menu, nullptr);
    Select(menu);
    const QRect row = tree_->visualItemRect(menu);
    ASSERT_GT(row.left(), tree_->indentation());
    const QImage shot = tree_->viewport()->grab().toImage();
    const int y = row.center().y() * shot.height() / tree_->viewport()->height();
    const auto at = [&](int x) { return shot.pixelColor(x * shot.width() / tree_->viewport()->width(), y); };
    const QPalette palette = tree_->palette();
    EXPECT_EQ(at(row.left() - 4).rgb(), palette.color(QPalette::Base).rgb());
    EXPECT_EQ(at(2).rgb(), palette.color(QPalette::Base).rgb());
    const QRgb selected = at(tree_->viewport()->width() - 8).rgb();
    EXPECT_TRUE(selected == palette.color(QPalette::Active, QPalette::Highlight).rgb() ||
                selected == palette.color(QPalette::Inactive, QPalette::Highlight).rgb())
        << QColor(selected).name().toStdString();
    shot.save(QDir::temp().filePath("tree_selection.png"));
}

// No page of the demo shows a horizontal scroll bar when its controls fit beside the tree.
TEST_F(PaintingTest, NoHorizontalScrollBarWhenNothingOverflows) {
    StartWithDemo();
    QScrollArea* box = form_->Page().ScrollBox1;
    for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
        if ((*it)->parent() == nullptr) continue;
        Select(*it);
        if (form_->ParamPage().Model().rows.empty()) continue;
        int right = 0;
        for (QWidget* control : form_->Page().Formpage->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control->isVisible()) right = std::max(right, control->geometry().right() + 1);
        const bool overflows = right > box->viewport()->width();
        EXPECT_EQ(box->horizontalScrollBar()->isVisible(), overflows)
            << (*it)->text(0).toStdString() << ": controls end at " << right << ", the box shows "
            << box->viewport()->width();
    }
}

}  // namespace
}  // namespace tessalin::gui::test

// "Vergleichen mit...": the second data set is chosen in its own file dialog and held beside the loaded
// one; the tree counts the differences at each node, the page marks the differing rows with the other
// value as tooltip, edits are followed, and "Vergleich beenden" returns to the normal view.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "core/tree/device_tree.h"
#include "gui/compare/comparison_panel.h"
#include "gui/main_window/load_form.h"
#include "gui/page/form_page.h"
#include "gui/page/page_controls.h"
#include "gui/page/row_marks.h"
#include "main_window_fixture.h"
#include "support/compared_data_sets.h"

namespace tessalin::gui::test {
namespace {

using tessalin::test::kComparedFilter;
using tessalin::test::kComparedInterval;

class CompareTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        files_ = tessalin::test::WriteComparedDataSets(dir_);
        ResetWorkspace();
        Start({QString::fromStdString(files_.front), QString::fromStdString(files_.purgon)});
        Find<QAction>("EnglischVtr")->trigger();
        form_->AktionsTimerTimer();
        ASSERT_EQ(Ws().FrontFileName, files_.front);
    }

    void OpenComparison() {
        prompter_.OnExec = [this](QDialog& dialog) {
            static_cast<TLoadForm&>(dialog).SetFiles(QString::fromStdString(files_.otherFront),
                                                     QString::fromStdString(files_.otherPurgon));
            return int(QDialog::Accepted);
        };
        Find<QAction>("Vergleichen1")->trigger();
    }

    QTreeWidgetItem* Item(const std::string& path) {
        const int node = NodesByTitlePath().at(path);
        for (QTreeWidgetItemIterator it(Find<QTreeWidget>("DeviceTree")); *it != nullptr; ++it)
            if ((*it)->data(0, Qt::UserRole).toInt() == node) return *it;
        ADD_FAILURE() << path;
        return nullptr;
    }

    // The value control of a row on the shown page.
    QWidget* ValueControl(int row) {
        for (QWidget* control : form_->Page().Formpage->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (HasTag(control) && TagOf(control) == RowTag(row) && control->objectName() != role::kNameLabel)
                return control;
        ADD_FAILURE() << "row " << row;
        return nullptr;
    }

    bool Marked(int row) { return RowMarked(form_->Page().Formpage, row); }

    tessalin::test::TempDir dir_;
    tessalin::test::ComparedDataSets files_;
};

TEST_F(CompareTest, MarksNodesAndRowsFollowsEditsAndClosesBackToTheNormalView) {
    const ParImageBuffer image = Ws().ParImage;
    OpenComparison();
    EXPECT_EQ(prompter_.ExecutedDialogs, std::vector<QString>{"TCompareForm"});
    EXPECT_TRUE(Find<ComparisonPanel>("ComparisonPanel")->isVisibleTo(form_.get()));
    auto* list = Find<QListWidget>("DifferenceList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text().toStdString(), kComparedFilter + " > Pulse suppression [set B]: Off \u2192 On");
    EXPECT_TRUE(Item(kComparedFilter)->text(0).endsWith("<b>(1)</b></font>"));
    EXPECT_TRUE(Item("[I] PHS 2400")->text(0).endsWith("<b>(1)</b></font>"));
    EXPECT_FALSE(Item("FU 2400")->text(0).contains("<b>("));

    // Choosing the set-B line shows set B and the filter's page with the differing row marked.
    emit list->itemClicked(list->item(0));
    form_->AktionsTimerTimer();
    EXPECT_TRUE(Ws().ActiveParamSet);
    EXPECT_EQ(Ws().Tree.selected, NodesByTitlePath().at(kComparedFilter));
    EXPECT_TRUE(Marked(0));
    EXPECT_EQ(ValueControl(0)->toolTip(), "Compared: On");
    EXPECT_FALSE(Marked(1));
    if (const QByteArray dir = qgetenv("TESSALIN_SCREENSHOT_DIR"); !dir.isEmpty()) {
        form_->resize(1000, 620);
        form_->show();
        EXPECT_TRUE(form_->grab().save(QString::fromUtf8(dir) + "/comparison.png"));
    }
    EXPECT_TRUE(Ws().ParImage == image);
    EXPECT_FALSE(Ws().Modified);

    // The user makes the row like the other data set's: its mark and its count go on the next tick.
    auto* choice = qobject_cast<QComboBox*>(ValueControl(0));
    ASSERT_NE(choice, nullptr);
    const int on = choice->findText("On");
    choice->setCurrentIndex(on);
    emit choice->activated(on);
    form_->AktionsTimerTimer();
    EXPECT_EQ(list->count(), 1);
    EXPECT_FALSE(Marked(0));
    EXPECT_FALSE(Item(kComparedFilter)->text(0).contains("<b>("));
    EXPECT_TRUE(Item(kComparedInterval)->text(0).endsWith("<b>(1)</b></font>"));

    // Closing: no counts, no marks, no panel; the data set keeps the user's edit.
    Find<QPushButton>("EndComparisonButton")->click();
    EXPECT_FALSE(Find<ComparisonPanel>("ComparisonPanel")->isVisibleTo(form_.get()));
    EXPECT_FALSE(Item(kComparedInterval)->text(0).contains("<b>("));
    EXPECT_FALSE(Find<QAction>("VergleichBeenden1")->isEnabled());
    EXPECT_TRUE(Ws().Modified);
    EXPECT_EQ(Ws().FrontFileName, files_.front);
}

TEST_F(CompareTest, ARefusedDataSetIsNamedAndNothingIsCompared) {
    files_.otherFront = dir_.file("NONE.PAR");
    files_.otherPurgon.clear();
    OpenComparison();
    ASSERT_EQ(prompter_.Messages.size(), 1u);
    EXPECT_TRUE(prompter_.Messages[0].Text.contains("NONE.PAR"));
    EXPECT_FALSE(Find<ComparisonPanel>("ComparisonPanel")->isVisibleTo(form_.get()));
    EXPECT_EQ(Ws().FrontFileName, files_.front);
}

}  // namespace
}  // namespace tessalin::gui::test

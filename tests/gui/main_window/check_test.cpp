// "Datensatz prüfen...": opening a damaged data set says so in the status bar without a dialog; the panel
// beside the page lists the findings, a click shows the finding's node with its row marked, and "Alle
// reparieren" repairs everything in one go; the list follows every later change of the data set.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/check/check.h"
#include "core/data_set/checksum.h"
#include "core/tree/device_tree.h"
#include "gui/check/check_panel.h"
#include "gui/page/row_marks.h"
#include "main_window_fixture.h"
#include "support/configured_device.h"
#include "support/image_builder.h"
#include "support/planted_faults.h"

namespace tessalin::gui::test {
namespace {

class CheckTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // A pH module with a Purgon controller and a conductivity module, damaged as a card could be.
        ASSERT_TRUE(tessalin::test::Configure({{1, 4, 5, 79}, {"optLPAR"}}));
        faults_ = Faults();
        ParImageBuffer image = Ws().ParImage;
        for (const auto& fault : faults_) tessalin::test::Plant(image, fault);
        StoreFreshCrc(image, ImageKind::Front);
        StoreFreshCrc(image, ImageKind::Purgon);
        tessalin::test::WriteImageFile(front_, image, 0, kFrontSize);
        tessalin::test::WriteImageFile(purgon_, image, kPurgonOffset, kPurgonSize);
        ResetWorkspace();
        Start({QString::fromStdString(front_), QString::fromStdString(purgon_)});
        Find<QAction>("EnglischVtr")->trigger();
        form_->AktionsTimerTimer();
        ASSERT_EQ(Ws().FrontFileName, front_);
    }

    virtual std::vector<tessalin::test::PlantedFault> Faults() { return tessalin::test::RepairableFaults(); }

    tessalin::test::TempDir dir_;
    const std::string front_ = dir_.file("BACKUP01.PAR"), purgon_ = dir_.file("BACKUP02.PAR");
    std::vector<tessalin::test::PlantedFault> faults_;
};

TEST_F(CheckTest, OpeningSaysSoInTheStatusBarWithoutADialog) {
    EXPECT_TRUE(prompter_.Messages.empty());
    const QString status = Find<QLabel>("StatusPanel1")->text();
    EXPECT_TRUE(status.contains(QString::number(faults_.size()))) << status.toStdString();
    EXPECT_FALSE(Find<CheckPanel>("CheckPanel")->isVisibleTo(form_.get()));
}

TEST_F(CheckTest, ThePanelListsTheFindingsAClickShowsTheRowAndRepairAllRepairsThem) {
    Find<QAction>("DatensatzPruefen1")->trigger();
    EXPECT_TRUE(Find<CheckPanel>("CheckPanel")->isVisibleTo(form_.get()));
    auto* list = Find<QListWidget>("FindingList");
    ASSERT_EQ(list->count(), static_cast<int>(faults_.size()));
    EXPECT_TRUE(Find<QLabel>("CheckHeader")->text().contains(QString("%1 findings").arg(faults_.size())));

    // The first finding is the list code of a page: its node is selected and its row marked.
    const auto& first = faults_.front();
    ASSERT_FALSE(first.node.empty());
    list->scrollToItem(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    form_->AktionsTimerTimer();
    EXPECT_EQ(NodePath(Ws().Tree.selected), first.node);
    EXPECT_TRUE(RowMarked(form_->Page().Formpage, first.row));

    auto* repair = Find<QPushButton>("RepairAllButton");
    EXPECT_EQ(repair->text(), "Repair all");
    ASSERT_TRUE(repair->isEnabled());
    repair->click();
    form_->AktionsTimerTimer();
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(Ws().Modified);
    EXPECT_TRUE(check::CheckDataSet().empty());
    EXPECT_FALSE(RowMarked(form_->Page().Formpage, first.row));
    EXPECT_FALSE(repair->isEnabled());

    // The panel follows the data set: taking the repairs back brings every finding back.
    Find<QAction>("Rueckgaengig1")->trigger();
    form_->AktionsTimerTimer();
    EXPECT_EQ(list->count(), static_cast<int>(faults_.size()));
    EXPECT_TRUE(repair->isEnabled());
}

// Faults of the Purgon programs: each finding stands at its program or day page.
class ProgramCheckTest : public CheckTest {
protected:
    std::vector<tessalin::test::PlantedFault> Faults() override { return tessalin::test::ProgramFaults(); }
};

TEST_F(ProgramCheckTest, AClickOnAProgramFindingShowsItsPageAndRow) {
    Find<QAction>("DatensatzPruefen1")->trigger();
    auto* list = Find<QListWidget>("FindingList");
    ASSERT_EQ(list->count(), static_cast<int>(faults_.size()));
    const std::vector<check::Finding> findings = check::CheckDataSet();
    for (int i = 0; i < list->count(); ++i) {
        SCOPED_TRACE(findings[static_cast<std::size_t>(i)].label);
        ASSERT_FALSE(findings[static_cast<std::size_t>(i)].node.empty());
        list->scrollToItem(list->item(i));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
        form_->AktionsTimerTimer();
        EXPECT_EQ(NodePath(Ws().Tree.selected), findings[static_cast<std::size_t>(i)].node);
        if (findings[static_cast<std::size_t>(i)].row >= 0)
            EXPECT_TRUE(RowMarked(form_->Page().Formpage, findings[static_cast<std::size_t>(i)].row));
    }
}

}  // namespace
}  // namespace tessalin::gui::test

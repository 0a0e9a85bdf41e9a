// The front unit's function control matrix as the user clicks it: a function ticked for one source
// disappears from the box of the source that held it.
#include <QCheckBox>
#include <QLabel>

#include "core/families/front/front.h"
#include "core/history/history.h"
#include "page_fixture.h"
#include "support/configured_device.h"

namespace tessalin::gui::test {
namespace {

class FrontMatrixPageTest : public PageTest {
protected:
    void OpenMatrix() {
        const TMenuEntry& entry = MenuFront[12];
        Ws().CurrentPage = TTabPtrRec{2, 255, kPosFront, &entry, entry.params, entry.lastParam, "Matrix"};
        Ws().PageRebuildRequest = true;
        Tick();
    }
};

TEST_F(FrontMatrixPageTest, TickingFavForOneSoftkeyClearsTheOther) {
    tessalin::test::MakeDevice({2, '9', {3}});
    Ws().DeviceLanguage = 1;
    OpenMatrix();
    constexpr int kFav = 2, kLeft = 1, kRight = 2;
    QCheckBox* left = Find<QCheckBox>(CellTag(0, kLeft, kFav));
    QCheckBox* right = Find<QCheckBox>(CellTag(0, kRight, kFav));
    ASSERT_NE(left, nullptr);
    ASSERT_NE(right, nullptr);
    EXPECT_FALSE(Find<QCheckBox>(CellTag(0, 0, kFav))->isEnabled());  // input OK2 cannot call favourites

    History().Clear();
    left->click();
    EXPECT_TRUE(left->isChecked());
    // The step names the cell, with its state before and after.
    const std::string step = History().UndoLabel();
    EXPECT_NE(step.find(" / "), std::string::npos) << step;
    EXPECT_NE(step.find("off → on"), std::string::npos) << step;
    EXPECT_EQ(step.find("  "), std::string::npos) << step;
    right->click();
    EXPECT_TRUE(right->isChecked());
    EXPECT_FALSE(left->isChecked());
    EXPECT_EQ(Byte(0x2040 + 50 + kLeft), 0);
    EXPECT_EQ(Byte(0x2040 + 50 + kRight), 1 << kFav);
    SaveScreenshot("front_function_matrix");
}

// Every row and column of the matrix is told apart: each label shows its whole text, the row labels end
// before the first column of boxes, and the column labels stand side by side, each over its boxes.
TEST_F(FrontMatrixPageTest, EveryLabelShowsItsWholeTextBesideItsBoxes) {
    tessalin::test::MakeDevice({2, '9', {3}});
    for (const int language : {1, 3}) {  // English, Italian
        Ws().DeviceLanguage = language;
        OpenMatrix();
        std::vector<QLabel*> rows, columns;
        for (QLabel* label : panel()->findChildren<QLabel*>(role::kMatrixLabel)) {
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << label->text().toStdString();
            EXPECT_EQ(label->toolTip(), label->text());
            (label->y() > Find<QCheckBox>(CellTag(0, 0, 0))->y() - 10 ? rows : columns).push_back(label);
        }
        ASSERT_GT(rows.size(), 1u);
        ASSERT_GT(columns.size(), 1u);
        for (std::size_t j = 0; j < rows.size(); ++j) {
            EXPECT_LE(rows[j]->geometry().right(), Find<QCheckBox>(CellTag(0, int(j), 0))->x());
            for (std::size_t k = 0; k < j; ++k) EXPECT_NE(rows[j]->text(), rows[k]->text());
        }
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QRect box = Find<QCheckBox>(CellTag(0, 0, int(i)))->geometry();
            EXPECT_TRUE(columns[i]->x() <= box.x() && box.x() <= columns[i]->geometry().right()) << i;
            if (i > 0) {
                EXPECT_LT(columns[i - 1]->geometry().right(), columns[i]->x());
            }
        }
        SaveScreenshot(QString("front_function_matrix_%1").arg(language));
    }
}

}  // namespace
}  // namespace tessalin::gui::test

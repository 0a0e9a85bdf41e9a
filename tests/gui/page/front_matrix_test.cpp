// The front unit's function control matrix as the user clicks it: a function ticked for one source
// disappears from the box of the source that held it.
#include <QCheckBox>

#include "core/catalogue/par_front.h"
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

    left->click();
    EXPECT_TRUE(left->isChecked());
    right->click();
    EXPECT_TRUE(right->isChecked());
    EXPECT_FALSE(left->isChecked());
    EXPECT_EQ(Byte(0x2040 + 50 + kLeft), 0);
    EXPECT_EQ(Byte(0x2040 + 50 + kRight), 1 << kFav);
    SaveScreenshot("front_function_matrix");
}

}  // namespace
}  // namespace tessalin::gui::test

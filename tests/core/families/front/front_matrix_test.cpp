// The function control matrix: which cells a device offers, how a click moves a function between its
// sources, and the labels of rows and columns.

#include <gtest/gtest.h>

#include "core/catalogue/codec.h"
#include "core/families/front/front.h"
#include "support/configured_device.h"

namespace tessalin::test {
namespace {

const TMenuEntry* kMatrixPage = &MenuFront[12];
constexpr Location kParamSets = At(Section::CTRL_FIX, 46);
constexpr long long kMatrixBytes = 0x2040 + 50;  // CTRL-FIX +50..+53: input OK2, softkeys, Profibus DO 2
constexpr uint32_t kOptKiRec = 1u << 1;

using Cells = std::vector<std::vector<int>>;

// Columns ParSet, KI-Rec, Fav, Purgon; 0 unavailable, 1 available and clear.
struct CellCase {
    const char* name;
    DeviceSpec device;
    int paramSets;
    Cells cells;
};

class FrontMatrixCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(FrontMatrixCells, AreAvailableByDeviceAndParameterSets) {
    const CellCase& c = GetParam();
    MakeDevice(c.device);
    SetParamByte(kParamSets, static_cast<uint8_t>(c.paramSets), false);
    const PageModel page = OpenPage(kMatrixPage, kPosFront);
    ASSERT_EQ(page.rows.size(), 1u);
    EXPECT_EQ(page.rows[0].kind, kKindMatrix);
    EXPECT_EQ(page.rows[0].cells, c.cells);
}

const CellCase kCellCases[] = {
    {"PlainDevice", {2, '9', {3}}, 1, {{1, 0, 0, 0}, {1, 0, 1, 0}, {1, 0, 1, 0}, {0, 0, 0, 0}}},
    {"KiRecorderAndProfibus", {2, '9', {3, 14}, kOptKiRec}, 1, {{1, 1, 0, 0}, {1, 1, 1, 0}, {1, 1, 1, 0}, {1, 1, 0, 0}}},
    {"ParameterSetsOnTheCard", {2, '9', {14}, kOptKiRec}, 3, {{0, 1, 0, 0}, {1, 1, 1, 0}, {1, 1, 1, 0}, {0, 1, 0, 0}}},
    {"PurgonController", {2, '8', {4, 79}}, 1, {{1, 0, 0, 0}, {1, 0, 1, 1}, {1, 0, 1, 1}, {0, 0, 0, 0}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FrontMatrixCells, ::testing::ValuesIn(kCellCases),
                         [](const auto& info) { return std::string(info.param.name); });

class FrontMatrixClicks : public ::testing::Test {
protected:
    void SetUp() override {
        MakeDevice({2, '9', {3, 14}, kOptKiRec});
        page_ = OpenPage(kMatrixPage, kPosFront);
    }
    static int RowByte(int row) { return Ws().ParImage.u8(kMatrixBytes + row); }
    void Click(int row, int column, bool checked) { ClickMatrixCell(page_, 0, row, column, checked); }
    int Cell(int row, int column) const { return page_.rows[0].cells[row][column]; }

    PageModel page_;
};

TEST_F(FrontMatrixClicks, AFunctionTakenByAnotherSourceLeavesTheFirst) {
    Click(1, 2, true);  // left softkey: Fav
    EXPECT_EQ(RowByte(1), 4);
    EXPECT_EQ(Cell(1, 2), 2);
    Click(2, 2, true);  // right softkey: Fav
    EXPECT_EQ(RowByte(2), 4);
    EXPECT_EQ(RowByte(1), 0);
    EXPECT_EQ(Cell(2, 2), 2);
    EXPECT_EQ(Cell(1, 2), 1);
    EXPECT_TRUE(Ws().Modified);
}

TEST_F(FrontMatrixClicks, ASourceStartsOneFunctionAndClearingRemovesIt) {
    Click(0, 0, true);  // input OK2: ParSet
    Click(0, 1, true);  // input OK2: KI-Rec instead
    EXPECT_EQ(RowByte(0), 2);
    EXPECT_EQ(Cell(0, 0), 1);
    EXPECT_EQ(Cell(0, 1), 2);
    Click(3, 0, true);  // Profibus DO 2: ParSet, which input OK2 no longer holds
    EXPECT_EQ(RowByte(0), 2);
    Click(0, 1, false);
    EXPECT_EQ(RowByte(0), 0);
    EXPECT_EQ(RowByte(3), 1);
    EXPECT_EQ(BuildFormpage().rows[0].cells, (Cells{{1, 1, 0, 0}, {1, 1, 1, 0}, {1, 1, 1, 0}, {2, 1, 0, 0}}));
}

TEST(FrontMatrixLabels, RowsByLanguageAndThePurgonColumnByBrand) {
    const struct {
        int language;
        uint8_t brand;
        std::vector<std::string> rows, columns;
    } cases[] = {
        {0, 0, {"Eingang OK2", "Softkey links", "Softkey rechts", "Profibus DO 2"}, {"ParSet", "KI-Rec", "Fav", "PG 2400"}},
        {1, 1, {"Input OK2", "Left softkey", "Right softkey", "Profibus DO 2"}, {"ParSet", "KI-Rec", "Fav", "PG 240"}},
        {1, 2, {"Input OK2", "Left softkey", "Right softkey", "Profibus DO 2"}, {"ParSet", "KI-Rec", "Fav", "PG 2450"}},
    };
    for (const auto& c : cases) {
        MakeDevice({2, '9'});
        Ws().ParImage.setU8(8193, c.brand);
        Redecode();
        Ws().DeviceLanguage = c.language;
        const PageModel page = OpenPage(kMatrixPage, kPosFront);
        ASSERT_EQ(page.rows.size(), 1u);
        EXPECT_EQ(page.rows[0].matrixRows, c.rows) << "brand " << int(c.brand);
        EXPECT_EQ(page.rows[0].matrixColumns, c.columns) << "brand " << int(c.brand);
    }
}

}  // namespace
}  // namespace tessalin::test

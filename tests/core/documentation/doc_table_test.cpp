#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/common/texts.h"
#include "core/device/designations.h"
#include "core/documentation/doc_table.h"
#include "core/families/menu_registry.h"
#include "core/page/formpage.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/configured_device.h"

namespace tessalin {
namespace {

// PH-SET of slot [I], set A.
constexpr long long kSet = 0x0800;
// While this scratch byte is set, the "Later hidden" menu answers that it is not shown.
constexpr long long kHideByte = 0x7000;

int gPagesOpened = 0;

constexpr TextRecord T(const char* de, const char* en, const char* listDe = "", const char* listEn = "") {
    return TextRecord{{de, listDe, en, listEn, en, listEn, en, listEn, en, listEn, en, listEn, en, listEn}};
}

bool Menu(int event, TEvParRec&) {
    if (event == kEvPageOpen) ++gPagesOpened;
    return true;
}
bool LaterHidden(int event, TEvParRec& rec) {
    if (event == kEvMenuVisible) return Ws().ParImage.u8(kHideByte) == 0;
    return Menu(event, rec);
}
bool HiddenRow(int event, TEvParRec&) { return event != kEvRowVisible; }
bool Labelled(int event, TEvParRec& rec) {
    if (event == kEvTitle) rec.text = "From handler";
    return true;
}
// Three rows, two columns: row 0 nothing ticked, row 1 both (the last wins), row 2 the first.
bool Matrix(int event, TEvParRec& rec) {
    switch (event) {
        case kEvMatrixRowLabel: rec.text = "R" + std::to_string(rec.number); return true;
        case kEvMatrixColumnLabel: rec.text = "C" + std::to_string(rec.number); return true;
        case kEvMatrixCellState: {
            const int j = (rec.number >> 16) & 0xFF, k = (rec.number >> 24) & 0xFF;
            rec.number = (j == 1 || (j == 2 && k == 0)) ? kCellOn : kCellOff;
            return true;
        }
        default: return true;
    }
}

constexpr TextRecord kSettings = T("Einstellungen", "Settings");
constexpr TextRecord kHead = T("Abschnitt", "Section");
constexpr TextRecord kNominal = T("Nennwert", "Nominal");
constexpr TextRecord kMode = T("Modus", "Mode", "1|Automatisch|2|Manuell", "1|Auto|2|Manual");
constexpr TextRecord kTag = T("Messstelle", "Tag");
constexpr TextRecord kLevel = T("Pegel", "Level");
constexpr TextRecord kAt = T("Zeit", "At");
constexpr TextRecord kGrid = T("Raster", "Grid");
constexpr TextRecord kActions = T("Aktionen", "Actions");
constexpr TextRecord kLater = T("Später verdeckt", "Later hidden");
constexpr TextRecord kChild = T("Kind", "Child");

constexpr uint32_t kU8 = kPfUInt8;

constexpr TParamEntry kRows[] = {
    {.arg = -1, .flags = kPfHeading, .texts = &kHead},
    {.location = At(Section::PH_SET, 20), .flags = kPfInt16, .kind = kKindNumber, .valueType = 20, .scale = 2,
     .texts = &kNominal},
    {.location = At(Section::PH_SET, 11), .flags = kU8, .kind = kKindChoice, .texts = &kMode},  // 9: not listed
    {.location = At(Section::PH_SET, 12), .flags = kU8, .kind = kKindChoice, .texts = &kMode},
    {.location = At(Section::PH_SET, 20), .flags = kPfInt16 | kPfNoDocumentation, .kind = kKindNumber,
     .valueType = 20, .scale = 2, .texts = &kNominal},
    {.location = At(Section::PH_SET, 20), .flags = kPfInt16, .kind = kKindNumber, .valueType = 20, .scale = 2,
     .handler = HiddenRow, .texts = &kNominal},
    {.arg = 5 | (4 << 8), .location = At(Section::PH_SET, 100), .kind = kKindText, .valueType = 5, .texts = &kTag},
    {.arg = 5 | (4 << 8), .location = At(Section::PH_SET, 100), .kind = kKindText, .valueType = 7, .texts = &kTag},
    {.location = At(Section::PH_SET, 40), .kind = kKindNumber, .valueType = 0, .texts = &kNominal},  // no variable
    {.location = At(Section::PH_SET, 31), .flags = kPfInt8, .kind = kKindSlider, .texts = &kLevel},
    {.location = At(Section::PH_SET, 32), .kind = kKindTime, .valueType = 81, .texts = &kAt},
    {.location = At(Section::PH_SET, 34), .kind = kKindTime, .valueType = 3, .texts = &kAt},
    {.arg = 3 | (2 << 8), .kind = kKindMatrix, .handler = Matrix, .texts = &kGrid},
    {.kind = kKindButtons, .texts = &kActions},
    {.flags = kPfLabelFromHandler, .kind = kKindButtons, .handler = Labelled, .texts = &kActions},
};
constexpr int kLastRow = static_cast<int>(std::size(kRows)) - 1;

constexpr std::array<TParamEntry, 101> kTooManyRows{};

constexpr TMenuEntry kMenu[] = {
    {.level = 1, .handler = Menu, .texts = &kSettings, .params = kRows, .lastParam = kLastRow},
    {.level = 1, .handler = LaterHidden, .texts = &kLater, .params = kRows, .lastParam = kLastRow},
    {.level = 2, .handler = Menu, .texts = &kChild},
    {.level = -1},
};
constexpr TMenuEntry kOversizedMenu[] = {
    {.level = 1, .handler = Menu, .texts = &kSettings, .params = kTooManyRows.data(), .lastParam = 100},
    {.level = -1},
};

class DocTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        SelectLanguage(1);
        gPagesOpened = 0;
        TDevice& d = Ws().Device;
        d.Origin = kOriginFile;
        d.Front.Code = 2;
        d.Front.SwMajor = '9';
        d.Front.SwMinor = '0';
        d.Slot[0].Code = 3;
        d.Slot[0].RecIndex = 0;
        d.Slot[0].SlotMask = 1;
        ParImageBuffer& im = Ws().ParImage;
        im.setU16(kSet + 20, 700);
        im.setU8(kSet + 11, 9);
        im.setU8(kSet + 12, 2);
        im.writeBytes(kSet + 100, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("\xB7" "A\xB7" "1"), 4));
        im.setU8(kSet + 31, static_cast<uint8_t>(-4));
        im.setU8(kSet + 32, 70);  // minute and hour beyond the clock
        im.setU8(kSet + 33, 25);
        im.setU8(kSet + 34, 7);
    }
};

TEST_F(DocTableTest, MenusAndEveryValueKind) {
    ScopedMenuOverride menu(3, MenuTable{"TestPH", kMenu, 3});
    ASSERT_TRUE(BuildDeviceTree());
    gPagesOpened = 0;
    const std::vector<DocRow> expected = {
        {"0", "[I] " + ModuleName(kPosSlot1, 3), "", "", ""},
        {"1", "Settings", "", "", ""},
        {"", "", "Nominal", "7.00", "pH"},
        {"", "", "Mode", "", ""},  // stored code not in the list
        {"", "", "Mode", "Manual", ""},
        {"", "", "Tag", "A 1", ""},  // device blanks read as spaces, trimmed
        {"", "", "Tag", "", ""},  // a text row whose value type is not text
        {"", "", "Nominal", "", ""},  // no value type: no value, not "NaN"
        {"", "", "Level", "-4", ""},
        {"", "", "At", "23:59:00", ""},
        {"", "", "At", "07:00:00", ""},
        {"", "", "R0", "-", ""},  // the first matrix row takes the parameter's own row
        {"", "", "R1", "C1", ""},
        {"", "", "R2", "C0", ""},
        {"", "", "", "", ""},
        {"", "", "Actions", "", ""},
        {"", "", "From handler", "", ""},
    };
    const DocTable table = BuildDocumentationTable();
    // The module's rows follow those of the front and base units.
    const auto unit = std::find(table.rows.begin(), table.rows.end(), expected[0]);
    ASSERT_NE(unit, table.rows.end());
    const std::vector<DocRow> rows(unit, table.rows.end());
    ASSERT_GE(rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(rows[i], expected[i]) << "row " << i;
    // The unit row, the two menus with the same rows, the child.
    ASSERT_EQ(rows.size(), 1 + 2 * (expected.size() - 1) + 1);
    EXPECT_EQ(rows[expected.size()], (DocRow{"1", "Later hidden", "", "", ""}));
    EXPECT_EQ(rows.back(), (DocRow{"2", "Child", "", "", ""}));
    EXPECT_EQ(gPagesOpened, 4);  // the component node's first entry, both menus, the child
}

TEST_F(DocTableTest, HiddenMenuLeavesOutItsRowsButNotItsChildren) {
    ScopedMenuOverride menu(3, MenuTable{"TestPH", kMenu, 3});
    ASSERT_TRUE(BuildDeviceTree());
    Ws().ParImage.setU8(kHideByte, 1);
    const DocTable table = BuildDocumentationTable();
    for (const DocRow& row : table.rows) EXPECT_NE(row[kColMenu], "Later hidden");
    EXPECT_EQ(table.rows.back(), (DocRow{"2", "Child", "", "", ""}));
    EXPECT_EQ(table.rows[table.rows.size() - 2], (DocRow{"", "", "From handler", "", ""}));
}

TEST_F(DocTableTest, PageContextIsRestoredAfterwardsAndAfterARangeError) {
    ScopedMenuOverride menu(3, MenuTable{"TestPH", kOversizedMenu, 1});
    ASSERT_TRUE(BuildDeviceTree());
    DeviceTreeChange(NodeAtPath("0/0"));
    const TTabPtrRec page = Ws().CurrentPage;
    const TParamRef param = Ws().CurrentParam;
    Ws().FormpageRows[7].slot = 42;
    EXPECT_THROW(BuildDocumentationTable(), RangeError);
    EXPECT_EQ(Ws().CurrentPage.entry, page.entry);
    EXPECT_EQ(Ws().CurrentPage.title, page.title);
    EXPECT_EQ(Ws().CurrentParam.param, param.param);
    EXPECT_EQ(Ws().FormpageRows[7].slot, 42);
}

// The real pH tables: the table follows the device tree and reads the module's factory values.
TEST(DocTableCatalogueTest, PhModuleThroughTheTreeAndPageModels) {
    ASSERT_TRUE(test::BuildThroughConfigurator({.codes = {1, 4}, .major = '9'}));
    SelectLanguage(0);
    ASSERT_TRUE(BuildDeviceTree());

    const DocTable table = BuildDocumentationTable();
    std::vector<std::string> menus;
    for (const DocRow& row : table.rows)
        if (DocTable::IsMenuRow(row)) menus.push_back(row[kColLevel] + " " + row[kColMenu]);
    std::vector<std::string> nodes;
    for (int id : NodesInOrder()) {
        const TreeNode& node = Ws().Tree.nodes[id];
        nodes.push_back(std::to_string(node.level) + " " + CatalogTextToPlain(node.text));
    }
    EXPECT_EQ(menus, nodes);
    EXPECT_NE(std::find(menus.begin(), menus.end(), "0 [I] " + ModuleName(kPosSlot1, 4)), menus.end());

    const auto zero = std::find_if(table.rows.begin(), table.rows.end(),
                                   [](const DocRow& r) { return r[kColText] == "Nullpunkt"; });
    ASSERT_NE(zero, table.rows.end());
    EXPECT_EQ((*zero)[kColParameter], "7.00");
    EXPECT_EQ((*zero)[kColUnit], "pH");
}

// The documentation shows a contact's module selection by the same rule as its page: only for a USP output,
// with more than one conductivity module to choose from.
TEST(DocTableCatalogueTest, ModuleSelectionOnlyForAUspContact) {
    ASSERT_TRUE(test::BuildThroughConfigurator({.codes = {1, 5, 3, 5}, .major = '9'}));
    SelectLanguage(0);
    ASSERT_TRUE(BuildDeviceTree());
    const auto selections = [] {
        const DocTable table = BuildDocumentationTable();
        return std::count_if(table.rows.begin(), table.rows.end(),
                             [](const DocRow& r) { return r[kColText] == "Modul-Auswahl"; });
    };
    EXPECT_EQ(selections(), 0);
    Ws().ParImage.setU8(ParamOffset(At(Section::SYS_SET, 305), 255, false), 6);  // K1: USP output
    EXPECT_EQ(selections(), 1);
}

}  // namespace
}  // namespace tessalin

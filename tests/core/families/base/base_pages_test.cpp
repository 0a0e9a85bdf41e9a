// The pages of the base unit opened through the tree: the rows a current output and a contact show, the
// choices they offer, what a commit writes, and the note of the inputs page.

#include <cstring>

#include "core/families/base/base.h"
#include "support/catalogue_device.h"

namespace tessalin::test {
namespace {

constexpr Location Sys(uint16_t offset) { return At(Section::SYS_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::SYS_FIX, offset); }

// Menu entries and the base offsets of their values.
constexpr int kOutputI1 = 0;
constexpr int kOutputI2 = 3;
constexpr int kContactK4 = 6;
constexpr int kContactK1 = 9;
constexpr int kInputs = 10;
constexpr uint16_t kK1 = 305;

// Rows of a current output's page.
enum OutputRow { kVariable, kCurve, kRange, kStart, kCorner1X, kCorner1Y, kCorner2X, kCorner2Y, kFifty, kEnd, kFilter };
// Rows of a contact's page.
enum ContactRow {
    kUsage, kModule, kContactVariable, kLimit, kHysteresis, kDirection, kRinseInterval, kRinseLead, kRinseTime,
    kMeasureLead, kContactType, kOnDelay, kOffDelay, kLogbook
};

using BasePages = CatalogueDeviceTest;

// ---- current outputs ---------------------------------------------------------------------------------

struct OutputCase {
    const char* name;
    bool option;
    int curve;
    int variable;
    std::vector<int> rows;
};

class BaseOutputPage : public CatalogueDeviceTest, public ::testing::WithParamInterface<OutputCase> {};

TEST_P(BaseOutputPage, ShowsTheRowsOfItsCurve) {
    const OutputCase& c = GetParam();
    DeviceSpec wanted{.modules = {3}};
    if (c.option) wanted.options = {"optSKLE"};
    MakeDevice(wanted);
    for (const auto& [entry, base] : {std::pair{kOutputI1, 65}, std::pair{kOutputI2, 185}}) {
        SetByte(kPosBase, Sys(static_cast<uint16_t>(base)), static_cast<uint8_t>(c.variable));
        SetByte(kPosBase, Sys(static_cast<uint16_t>(base + 1)), static_cast<uint8_t>(c.curve));
        const PageModel page = OpenPage(kPosBase, MenuBase[entry]);
        EXPECT_EQ(ShownRows(page), c.rows) << "entry " << entry;
        for (const PageRow& row : page.rows) EXPECT_TRUE(row.enabled) << "entry " << entry << " row " << row.row;
    }
}

const OutputCase kOutputCases[] = {
    {"Off", false, 1, 0, {kVariable, kCurve, kRange, kFilter}},
    {"Linear", false, 1, 0x40, {kVariable, kCurve, kRange, kStart, kEnd, kFilter}},
    {"Trilinear", false, 2, 0x40,
     {kVariable, kCurve, kRange, kStart, kCorner1X, kCorner1Y, kCorner2X, kCorner2Y, kEnd, kFilter}},
    {"Function", false, 3, 0x40, {kVariable, kCurve, kRange, kStart, kFifty, kEnd, kFilter}},
    {"TableWithOption", true, 4, 0x40, {kVariable, kCurve, kRange, kFilter}},
    {"TableStoredWithoutOption", false, 4, 0x40, {kVariable, kCurve, kRange, kStart, kEnd, kFilter}},
};

INSTANTIATE_TEST_SUITE_P(Cases, BaseOutputPage, ::testing::ValuesIn(kOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BasePages, CurveOffersTheTableOnlyWithTheOption) {
    MakeDevice({});
    EXPECT_EQ(ItemCodes(OpenPage(kPosBase, MenuBase[kOutputI1]), kCurve), (std::vector<int>{1, 2, 3}));
    MakeDevice({.options = {"optSKLE"}});
    EXPECT_EQ(ItemCodes(OpenPage(kPosBase, MenuBase[kOutputI1]), kCurve), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(BasePages, StartAndEndTakeTheUnitOfTheirOutputsVariable) {
    MakeDevice({.modules = {3}});
    PageModel i1 = OpenPage(kPosBase, MenuBase[kOutputI1]);
    Choose(i1, kVariable, 0x40);  // [I] pH
    PageModel i2 = OpenPage(kPosBase, MenuBase[kOutputI2]);
    Choose(i2, kVariable, 0x42);  // [I] °C

    i1 = OpenPage(kPosBase, MenuBase[kOutputI1]);
    ASSERT_NE(i1.find(kStart), nullptr);
    EXPECT_EQ(i1.find(kStart)->unitLabel(), "pH");
    EXPECT_EQ(i1.find(kEnd)->unitLabel(), "pH");
    i2 = OpenPage(kPosBase, MenuBase[kOutputI2]);
    ASSERT_NE(i2.find(kStart), nullptr);
    EXPECT_EQ(i2.find(kStart)->unitLabel(), "°C");
    EXPECT_EQ(i2.find(kFilter)->unitLabel(), "s");
}

// ---- process-variable lists -----------------------------------------------------------------------------

struct VariableListCase {
    char major;
    std::vector<int> codes;  // pH module type 4 in slot [I]: °F is variable 9 up to software 8, 8 from 9
};

TEST_F(BasePages, VariableListsOfferTheOutputVariablesOfTheModulesPresent) {
    for (const VariableListCase& c : {VariableListCase{'8', {0, 64, 65, 66, 68, 69, 73}},
                                      VariableListCase{'9', {0, 64, 65, 66, 68, 69, 72}}}) {
        // pH in [I], output module in [II] (its outputs are display values only), controller in [III].
        MakeDevice({.major = c.major, .modules = {4, 8, 9}});
        SetByte(kPosSlot2, At(Section::OUT_SET, 8), 0x40);  // I3 in use
        EXPECT_EQ(ItemCodes(OpenPage(kPosBase, MenuBase[kContactK1]), kContactVariable), c.codes) << c.major;
        EXPECT_EQ(ItemCodes(OpenPage(kPosBase, MenuBase[kOutputI1]), kVariable), c.codes) << c.major;

        SetByte(kPosSlot3, At(Section::PID_SET, 9), 1);  // the analog controller's output becomes a variable
        std::vector<int> withController = c.codes;
        withController.push_back(0x60);
        Ws().DeviceLanguage = 4;
        const PageModel page = OpenPage(kPosBase, MenuBase[kContactK1]);
        EXPECT_EQ(ItemCodes(page, kContactVariable), withController) << c.major;
        const std::vector<std::string> texts = ItemTexts(page, kContactVariable);
        ASSERT_EQ(texts.size(), withController.size());
        EXPECT_EQ(texts.front(), "Från");
        EXPECT_EQ(texts[1], "[I] pH");
        EXPECT_EQ(texts.back(), "[III] A-reg Y");
    }
}

// ---- contacts K1..K3 -------------------------------------------------------------------------------------

struct UsageCase {
    int usage;
    std::vector<int> rows;
};

TEST_F(BasePages, ContactRowsFollowTheUsage) {
    // Two conductivity modules: the module selection is a choice, but only for a USP output.
    MakeDevice({.major = '8', .modules = {5, 3, 5}});
    const UsageCase cases[] = {
        {3, {kUsage, kContactVariable, kLimit, kHysteresis, kDirection, kContactType, kOnDelay, kOffDelay}},
        {4, {kUsage, kRinseInterval, kRinseLead, kRinseTime, kMeasureLead, kContactType, kLogbook}},
        {1, {kUsage, kContactType, kOnDelay, kOffDelay}},
        {5, {kUsage, kContactType}},
        {6, {kUsage, kModule, kContactType, kOnDelay, kOffDelay}},
        {7, {kUsage, kContactType}},
        {3, {kUsage, kContactVariable, kLimit, kHysteresis, kDirection, kContactType, kOnDelay, kOffDelay}},
    };
    PageModel page = OpenPage(kPosBase, MenuBase[kContactK1]);
    for (const UsageCase& c : cases) {
        const PageRow* usage = page.find(kUsage);
        if (usage == nullptr || usage->items[usage->selected].code != c.usage) {
            EXPECT_TRUE(Choose(page, kUsage, c.usage).rebuildPage) << c.usage;
        }
        page = BuildFormpage();
        EXPECT_EQ(ShownRows(page), c.rows) << "usage " << c.usage;
    }
}

TEST_F(BasePages, UsagesOfLaterVersionsAreOfferedFromThoseVersions) {
    const std::vector<int> basic = {1, 2, 3, 4, 5, 6, 7};
    const std::vector<int> from7 = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::vector<int> from74 = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 9};
    struct VersionCase {
        char major, minor;
        const std::vector<int>& codes;
    };
    for (const VersionCase& c : {VersionCase{'6', '9', basic}, VersionCase{'7', '3', from7},
                                 VersionCase{'7', '4', from74}, VersionCase{'A', '0', from74}}) {
        MakeDevice({.major = c.major, .minor = c.minor});
        EXPECT_EQ(ItemCodes(OpenPage(kPosBase, MenuBase[kContactK1]), kUsage), c.codes) << c.major << c.minor;
    }
}

TEST_F(BasePages, LimitAndHysteresisBecomeEditableOnceAVariableIsChosen) {
    MakeDevice({.modules = {3}});
    PageModel page = OpenPage(kPosBase, MenuBase[kContactK1]);
    ASSERT_NE(page.find(kLimit), nullptr);
    EXPECT_FALSE(page.find(kLimit)->enabled);
    EXPECT_FALSE(page.find(kHysteresis)->enabled);
    EXPECT_TRUE(Choose(page, kContactVariable, 0x40).refreshRows);
    EXPECT_TRUE(page.find(kLimit)->enabled);
    EXPECT_TRUE(page.find(kHysteresis)->enabled);
    EXPECT_EQ(page.find(kLimit)->unitLabel(), "pH");
}

TEST_F(BasePages, AContactIsKeptPerParameterSet) {
    MakeDevice({});
    Ws().ActiveParamSet = true;
    PageModel page = OpenPage(kPosBase, MenuBase[kContactK1]);
    Choose(page, kUsage, 4);
    EXPECT_EQ(Byte(kPosBase, Sys(kK1), true), 4);
    EXPECT_EQ(Byte(kPosBase, Sys(kK1), false), 3);
}

// ---- USP output: the conductivity module it watches --------------------------------------------------------

struct UspCase {
    const char* name;
    std::vector<int> modules;
    int storedSelection;
    int selection;  // after choosing "USP output"
    std::vector<int> offered;  // empty: the selection row stays hidden
};

class BaseUspContact : public CatalogueDeviceTest, public ::testing::WithParamInterface<UspCase> {};

TEST_P(BaseUspContact, WatchesAConductivityModule) {
    const UspCase& c = GetParam();
    MakeDevice({.modules = c.modules});
    SetByte(kPosBase, Sys(kK1 + 25), static_cast<uint8_t>(c.storedSelection));
    PageModel page = OpenPage(kPosBase, MenuBase[kContactK1]);
    Choose(page, kUsage, 6);
    EXPECT_EQ(Byte(kPosBase, Sys(kK1 + 25)), c.selection);
    page = BuildFormpage();
    EXPECT_EQ(ItemCodes(page, kModule), c.offered);
}

const UspCase kUspCases[] = {
    {"OneModuleIsChosenWithoutAsking", {3, 5}, 0, kPosSlot2, {}},
    {"NoModuleLeavesNone", {3}, 4, 0, {}},
    {"TwoModulesFirstIsChosen", {5, 3, 5}, 0, kPosSlot1, {kPosSlot1, kPosSlot3}},
    {"TwoModulesChoiceKept", {5, 3, 5}, kPosSlot3, kPosSlot3, {kPosSlot1, kPosSlot3}},
    {"ChoiceOfAnotherModuleReplaced", {5, 3, 5}, kPosSlot2, kPosSlot1, {kPosSlot1, kPosSlot3}},
};

INSTANTIATE_TEST_SUITE_P(Cases, BaseUspContact, ::testing::ValuesIn(kUspCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BasePages, ModuleSelectionNamesTheModulesWithTheirSlots) {
    MakeDevice({.modules = {5, 3, 5}});
    SetByte(kPosBase, Sys(kK1), 6);
    const std::vector<std::string> texts = ItemTexts(OpenPage(kPosBase, MenuBase[kContactK1]), kModule);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind("[I] ", 0), 0u) << texts[0];
    EXPECT_EQ(texts[1].rfind("[III] ", 0), 0u) << texts[1];
    EXPECT_GT(texts[0].size(), 4u);
}

// ---- K4 and the inputs ---------------------------------------------------------------------------------

TEST_F(BasePages, NamurFailureContactHasItsTypeAndDelays) {
    MakeDevice({});
    const PageModel page = OpenPage(kPosBase, MenuBase[kContactK4]);
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(ItemCodes(page, 0), (std::vector<int>{1, 2}));
    EXPECT_EQ(page.find(1)->unitLabel(), "s");
}

TEST_F(BasePages, InputsPageNotesWhereOk2IsSetInTheDeviceLanguage) {
    MakeDevice({});
    for (const auto& [language, note] :
         {std::pair{0, "OK2 Verwendung siehe\r\n'Matrix Funktionssteuerung'"},
          std::pair{1, "For OK2 usage see\r\n'Function control matrix'"}}) {
        Ws().DeviceLanguage = language;
        const PageModel page = OpenPage(kPosBase, MenuBase[kInputs]);
        ASSERT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2, 3}));
        EXPECT_TRUE(page.rows[0].heading);
        EXPECT_EQ(page.rows[0].label, note);
        EXPECT_EQ(page.rows[0].headingLines, 2);
        EXPECT_EQ(page.rows[0].icon, 30);
    }
    PageModel page = OpenPage(kPosBase, MenuBase[kInputs]);
    EXPECT_EQ(ItemTexts(page, 1), (std::vector<std::string>{"Off", "HOLD"}));
    Choose(page, 3, 2);
    EXPECT_EQ(Ws().ParImage.u8(ParamOffset(Fix(169), 255, false)), 2);
    EXPECT_EQ(Ws().ParImage.u8(ParamOffset(Fix(169), 255, false) + 0x2000), 0) << "SYS-FIX is kept once";
}

// ---- factory defaults --------------------------------------------------------------------------------

TEST_F(BasePages, ANewDeviceHoldsTheBaseUnitsFactoryValuesInBothSets) {
    MakeDevice({});
    struct Expected {
        uint16_t offset;
        int value;
    };
    // Curves linear, outputs 4..20 mA, K1/K2 limit contacts (Min/Max), K3 maintenance request, K4 N/C,
    // the rinse interval of K1 24 h.
    for (const Expected e : {Expected{66, 1}, Expected{67, 2}, Expected{186, 1}, Expected{187, 2},
                             Expected{305, 3}, Expected{312, 1}, Expected{331, 3}, Expected{338, 2},
                             Expected{357, 1}, Expected{384, 2}, Expected{321, 24}}) {
        for (bool setB : {false, true})
            EXPECT_EQ(Byte(kPosBase, Sys(e.offset), setB), e.value) << "SYS-SET +" << e.offset << (setB ? " B" : " A");
    }
    float cornerY = 0;
    const uint32_t bits = Ws().ParImage.u32(ParamOffset(Sys(65 + 15), 255, false));
    std::memcpy(&cornerY, &bits, sizeof cornerY);
    EXPECT_EQ(cornerY, 25.0f);
    for (uint16_t offset : {34, 168, 169}) EXPECT_EQ(Byte(kPosBase, Fix(offset)), 1) << "SYS-FIX +" << offset;
}

}  // namespace
}  // namespace tessalin::test

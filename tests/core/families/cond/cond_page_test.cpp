// The rows that conductivity pages show, opened through the device tree: the sensor list by brand and
// version, the rows that follow the temperature compensation, concentration, USP function and limit
// monitoring, the calibration solution by version, and the values of the parameter set shown.

#include "cond_fixture.h"
#include "core/common/texts.h"

namespace tessalin::test {
namespace {

enum CondEntry { kCalData = 0, kSensorData = 2, kTempDetection = 3, kCalPresets = 7, kTc = 8, kConcentration = 9,
                 kMsgConductivity = 11, kUsp = 16 };

struct SensorListCase {
    const char* name;
    char major;
    uint8_t brand;
    int row;  // the sensor-type row shown for the brand
    std::vector<int> codes;
};

class CondSensorList : public CondFixture, public ::testing::WithParamInterface<SensorListCase> {};

TEST_P(CondSensorList, OffersTheSensorsOfTheBrandAndVersion) {
    const SensorListCase& c = GetParam();
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        MakeDevice({5, c.major, '0', 0, c.brand});
        SelectLanguage(language);
        const PageModel page = OpenPage(kSensorData);
        EXPECT_EQ(ShownRows(page), (std::vector<int>{c.row, 2, 3}));
        EXPECT_EQ(ItemCodes(page, c.row), c.codes);
        for (const ChoiceItem& item : page.find(c.row)->items)
            EXPECT_NE(item.text, "") << "code " << item.code << " language " << language;
    }
}

const SensorListCase kSensorLists[] = {
    {"MakerV6", '6', 0, 0, {6, 7, 1, 2, 3, 4, 5}},
    {"MakerV7", '7', 0, 0, {6, 7, 1, 2, 3, 4, 21, 22, 5}},
    {"SecondMakerBrandV9", '9', 2, 0, {6, 7, 1, 2, 3, 4, 21, 22, 5}},
    {"OemV5", '5', 1, 1, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}},
    {"OemVA", 'A', 1, 1, {6, 7, 19, 20, 12, 13, 14}},
};

INSTANTIATE_TEST_SUITE_P(Cases, CondSensorList, ::testing::ValuesIn(kSensorLists),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CondFixture, TemperatureCompensationDecidesItsRows) {
    struct {
        int tc;
        uint32_t options;
        std::vector<int> rows;
        bool referenceEditable;
    } cases[] = {
        {1, 0, {0, 1, 2}, false},
        {2, 0, {0, 1, 2, 3}, true},
        {3, 0, {0, 1, 2}, false},
        {4, kOptUltrapure, {0, 1, 2, 4}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tc);
        MakeDevice({5, '9', '0', c.options});
        SetByte(Set(9), static_cast<uint8_t>(c.tc));
        const PageModel page = OpenPage(kTc);
        EXPECT_EQ(ShownRows(page), c.rows);
        EXPECT_EQ(Enabled(page, 2), c.referenceEditable);
        EXPECT_EQ(page.rows[0].headingLines, 2);
    }
}

TEST_F(CondFixture, UltrapureCompensationNeedsItsOption) {
    MakeDevice({5, '9'});
    EXPECT_EQ(ItemCodes(OpenPage(kTc), 1), (std::vector<int>{1, 2, 3}));
    MakeDevice({5, '9', '0', kOptUltrapure});
    EXPECT_EQ(ItemCodes(OpenPage(kTc), 1), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(CondFixture, ReferenceTemperatureReturnsTo25WhenTheCompensationIsNotLinear) {
    MakeDevice({5, '9'});
    SetFloat(Set(14), 30);
    SetByte(Set(9), 2);
    OpenPage(kTc);
    EXPECT_FLOAT_EQ(Float(Set(14)), 30);  // Linear: the user's reference stays
    PageModel page = OpenPage(kTc);
    Choose(page, 1, 3);
    BuildFormpage();                      // the page rebuilds after the choice
    EXPECT_FLOAT_EQ(Float(Set(14)), 25);
}

TEST_F(CondFixture, MediumListFollowsTheVersionAndTheConcentrationSwitch) {
    struct {
        char major, minor;
        bool on;
        std::vector<int> rows;
    } cases[] = {
        {'9', '3', true, {0, 1}},
        {'9', '4', true, {0, 2}},
        {'8', '0', true, {0, 1}},
        {'A', '0', false, {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((std::string{c.major, c.minor}));
        MakeDevice({5, c.major, c.minor, kOptConcentration});
        SetByte(Set(21), c.on ? 1 : 2);
        const PageModel page = OpenPage(kConcentration);
        EXPECT_EQ(ShownRows(page), c.rows);
        if (c.rows.size() == 2) {
            std::vector<int> media{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
            if (c.rows[1] == 2) media.push_back(11);
            media.push_back(128);  // the user's chart
            EXPECT_EQ(ItemCodes(page, c.rows[1]), media);
        }
    }
}

TEST_F(CondFixture, SwitchingConcentrationOnRebuildsTheBranchWithItsMessages) {
    MakeDevice({5, '9', '0', kOptConcentration});
    PageModel page = OpenPage(kConcentration);
    const FollowUp followUp = Choose(page, 0, 1);
    EXPECT_TRUE(followUp.rebuildBranch);
    EXPECT_TRUE(followUp.rebuildPage);
    EXPECT_TRUE(VisibleEntries().contains(13));
}

TEST_F(CondFixture, CalSolutionIsWordedWithItsConductivityFromVersion7) {
    for (char major : {'5', '6', '7', 'A'}) {
        MakeDevice({5, major});
        const PageModel page = OpenPage(kCalPresets);
        const int solutionRow = major < '7' ? 1 : 2;
        EXPECT_EQ(ShownRows(page), (std::vector<int>{0, solutionRow, 3})) << major;
        EXPECT_EQ(page.find(solutionRow)->selected, 2) << major;  // NaCl saturated
        EXPECT_EQ(page.rows[0].headingLines, 2);
        EXPECT_NE(page.rows[0].label.find('\n'), std::string::npos);
    }
}

TEST_F(CondFixture, UspRowsFollowTheUspFunction) {
    MakeDevice({5, '9'});
    EXPECT_EQ(ShownRows(OpenPage(kUsp)), (std::vector<int>{0}));
    PageModel page = OpenPage(kUsp);
    EXPECT_TRUE(Choose(page, 0, 1).rebuildPage);
    page = BuildFormpage();
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(page.find(1)->value, "100");
}

TEST_F(CondFixture, LimitsAreShownWhileMonitoringIsVariable) {
    MakeDevice({5, '9'});
    EXPECT_EQ(ShownRows(OpenPage(kMsgConductivity)), (std::vector<int>{0}));
    SetByte(Set(46), 3);
    const PageModel page = OpenPage(kMsgConductivity);
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(page.find(4)->units[page.find(4)->unitIndex], "mS/cm");
}

TEST_F(CondFixture, PagesShowTheValuesOfTheActiveSet) {
    MakeDevice({5, '9'});
    Ws().ParImage.setU8(Offset(Set(32), true), 2);  // Measuring temp Manual in set B only
    Ws().ParImage.setF32(Offset(Set(33), true), 40);
    PageModel page = OpenPage(kTempDetection);
    EXPECT_EQ(page.find(1)->items[page.find(1)->selected].code, 1);
    EXPECT_FALSE(Enabled(page, 2));
    Ws().ActiveParamSet = true;
    page = BuildFormpage();
    EXPECT_EQ(page.find(1)->items[page.find(1)->selected].code, 2);
    EXPECT_TRUE(Enabled(page, 2));
    EXPECT_EQ(page.find(2)->value, "40.0");
}

}  // namespace
}  // namespace tessalin::test

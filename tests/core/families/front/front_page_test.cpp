// The rows of the front unit's pages: which are shown by the display and KI recorder choices in either
// parameter set, the parameter-set note, and the labels the handlers put together for the buffer tables and
// the concentration chart.

#include <gtest/gtest.h>

#include "core/catalogue/codec.h"
#include "core/families/front/front.h"
#include "support/configured_device.h"

namespace tessalin::test {
namespace {

constexpr Location kMainDisplay = At(Section::SYS_FIX, 3);
constexpr Location kMainValue1 = At(Section::SYS_SET, 13);
constexpr Location kKiMode = At(Section::SYS_FIX, 39);
constexpr uint32_t kOptKiRec = 1u << 1, kOptPuff = 1u << 2, kOptKonz = 1u << 9;

const TMenuEntry* kDisplay = &MenuFront[1];

// The display page: 0 Main display, 1 first and 2 second main value, 3 display format, 4 viewing angle.
TEST(FrontDisplayPage, SecondMainValueFollowsTheMainDisplayAfterARebuild) {
    MakeDevice({2, '9', {3}});
    PageModel page = OpenPage(kDisplay, kPosFront);
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1, 3, 4}));
    const FollowUp follow = Choose(page, 0, 2);
    EXPECT_TRUE(follow.rebuildPage);
    EXPECT_EQ(ShownRows(BuildFormpage()), (std::vector<int>{0, 1, 2, 3, 4}));
}

// The display format is offered while a main value shown is a pH value; the main values are kept per
// parameter set, the main display once.
struct FormatCase {
    const char* name;
    std::vector<int> modules;
    int mainDisplay;
    int value1A, value2A, value1B, value2B;  // process-variable codes in set A and set B
    bool shownA, shownB;
};

class FrontDisplayFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FrontDisplayFormat, IsShownWhileAMainValueIsPh) {
    const FormatCase& c = GetParam();
    MakeDevice({2, '8', c.modules});
    SetParamByte(kMainDisplay, static_cast<uint8_t>(c.mainDisplay), false);
    for (bool setB : {false, true}) {
        Ws().ActiveParamSet = setB;
        SetParamByte(kMainValue1, static_cast<uint8_t>(setB ? c.value1B : c.value1A), false);
        SetParamByte(At(Section::SYS_SET, 14), static_cast<uint8_t>(setB ? c.value2B : c.value2A), false);
    }
    for (bool setB : {false, true}) {
        Ws().ActiveParamSet = setB;
        const PageModel page = OpenPage(kDisplay, kPosFront);
        EXPECT_EQ(page.find(3) != nullptr, setB ? c.shownB : c.shownA) << (setB ? "set B" : "set A");
        EXPECT_EQ(page.find(2) != nullptr, c.mainDisplay != 1);
    }
}

const FormatCase kFormatCases[] = {
    {"PhFirstInAOnly", {3}, 1, 0x40, 0x42, 0x42, 0x40, true, false},
    {"PhSecondNeedsTwoMainValues", {3}, 1, 0x42, 0x40, 0x42, 0x40, false, false},
    {"PhSecondWithTwoMainValues", {5, 3}, 2, 0x40, 0x50, 0x40, 0x42, true, false},
    {"ConductivityOnly", {5}, 2, 0x40, 0x42, 0x40, 0x40, false, false},
    {"AnyDisplayButOneShowsTheSecond", {5, 3}, 3, 0x40, 0x50, 0x40, 0x42, true, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, FrontDisplayFormat, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

// KI recorder page: 0 mode, 1 interval, 2 duration, 3 new record, 4 monitoring; channel page: 0 variable,
// 1 start, 2 end, 3 deviation.
TEST(FrontKiRecorder, RowsFollowTheRecorderMode) {
    MakeDevice({2, '9', {3}, kOptKiRec});
    const struct {
        int mode;
        std::vector<int> recorder, channel;
    } cases[] = {
        {2, {0}, {}},
        {1, {0, 1, 4}, {0, 1, 2}},
        {3, {0, 2, 3, 4}, {0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        SetParamByte(kKiMode, static_cast<uint8_t>(c.mode), false);
        BuildDeviceTree();
        EXPECT_EQ(ShownRows(OpenPage(&MenuFront[5], kPosFront)), c.recorder) << "mode " << c.mode;
        if (c.channel.empty()) {
            EXPECT_LT(NodeOf(&MenuFront[6], kPosFront), 0);
            continue;
        }
        const PageModel channel = OpenPage(&MenuFront[7], kPosFront);
        EXPECT_EQ(ShownRows(channel), c.channel) << "mode " << c.mode;
        EXPECT_EQ(channel.find(2)->unitLabel(), "°C");  // the second channel records slot I's temperature
    }
}

TEST(FrontKiRecorder, ChangingTheModeRebuildsTheBranch) {
    MakeDevice({2, '9', {3}, kOptKiRec});
    PageModel page = OpenPage(&MenuFront[5], kPosFront);
    const FollowUp follow = Choose(page, 0, 3);
    EXPECT_TRUE(follow.rebuildBranch);
    EXPECT_GE(NodeOf(&MenuFront[6], kPosFront), 0);
    EXPECT_EQ(Ws().CurrentPage.entry, &MenuFront[5]);
}

TEST(FrontParameterSets, ANoteOfTwoLinesPrecedesTheChoice) {
    MakeDevice({2, '9'});
    Ws().DeviceLanguage = 1;
    const PageModel page = OpenPage(&MenuFront[10], kPosFront);
    ASSERT_EQ(ShownRows(page), (std::vector<int>{0, 1}));
    EXPECT_TRUE(page.rows[0].heading);
    EXPECT_EQ(page.rows[0].icon, 30);
    EXPECT_EQ(page.rows[0].headingLines, 2);
    EXPECT_EQ(page.rows[0].label, "For switchover see\r\n'Function control matrix'");
    EXPECT_EQ(ItemCodes(page, 1), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(page.rows[1].items[page.rows[1].selected].text, "A,B (internal)");
}

TEST(FrontBufferTable, RowsAreLabelledWithTheirTemperature) {
    MakeDevice({2, '9', {}, kOptPuff});
    const PageModel german = OpenPage(&MenuFront[18], kPosFront);
    ASSERT_EQ(german.rows.size(), 22u);
    EXPECT_EQ(german.rows[0].label, "Puffernennwert");
    EXPECT_EQ(german.rows[0].value, "7.00");
    EXPECT_TRUE(german.rows[1].heading);
    EXPECT_EQ(german.rows[2].label, "pH-Wert bei 00 °C:");
    EXPECT_EQ(german.rows[21].label, "pH-Wert bei 95 °C:");
    EXPECT_EQ(german.rows[2].value, "7.12");
    Ws().DeviceLanguage = 1;
    EXPECT_EQ(OpenPage(&MenuFront[17], kPosFront).rows[3].label, "pH value at 05 °C:");
}

TEST(FrontConcentrationChart, ChangingATemperatureRelabelsItsColumn) {
    MakeDevice({2, '9', {5}, kOptKonz});
    PageModel page = OpenPage(&MenuFront[20], kPosFront);
    ASSERT_EQ(page.rows.size(), 40u);
    EXPECT_EQ(page.rows[0].label, "Temperatur 1:");
    EXPECT_EQ(page.rows[6].label, "Konzentration A:");
    EXPECT_EQ(page.rows[8].label, "2: LF bei +25.0 °C");
    EXPECT_EQ(page.rows[39].label, "5: LF bei +100.0 °C");

    const NumberOutcome out = CommitNumber(page, 1, "30", true);
    EXPECT_TRUE(out.stored);
    EXPECT_TRUE(out.followUp.refreshLabels);
    EXPECT_EQ(page.find(8)->label, "2: LF bei +30.0 °C");
    EXPECT_EQ(page.find(15)->label, "2: LF bei +30.0 °C");
    EXPECT_EQ(page.find(7)->label, "1: LF bei +0.0 °C");
    Ws().DeviceLanguage = 1;
    EXPECT_EQ(BuildFormpage().find(8)->label, "2: Cond. at +30.0 °C");
}

}  // namespace
}  // namespace tessalin::test

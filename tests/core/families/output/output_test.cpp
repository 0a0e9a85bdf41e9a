// The output module (type 8) in each slot: its menu, the pages of its current outputs and limit contacts,
// and where their values are written.

#include "core/families/menu_registry.h"
#include "core/families/output/output.h"
#include "support/catalogue_device.h"

namespace tessalin::test {
namespace {

constexpr Location Out(uint16_t offset) { return At(Section::OUT_SET, offset); }

constexpr int kI3 = 0, kChartI3 = 1, kI4 = 3, kChartI4 = 4, kK5 = 6;
const std::set<int> kWithoutCharts = {0, 2, 3, 5, 6, 7, 8, 9};
const MenuTable kMenu{"MenuOut", MenuOut, kMenuOutEnd};

// The output module in slot s, the slots before it holding pH modules.
DeviceSpec OutputModuleIn(int s, char major = '9') {
    DeviceSpec wanted{.major = major};
    for (int i = 0; i < s; ++i) wanted.modules.push_back(3);
    wanted.modules.push_back(8);
    return wanted;
}

using OutputModule = CatalogueDeviceTest;

TEST_F(OutputModule, ShowsItsOutputsAndContactsInEverySlotOnEveryVersion) {
    for (int s = 0; s < 3; ++s) {
        for (char major : {'5', '6', '7', '8', '9', 'A'}) {
            MakeDevice(OutputModuleIn(s, major));
            EXPECT_EQ(VisibleEntries(*MenuTableOf(8), kPosSlot1 + s), kWithoutCharts) << "slot " << s << " " << major;
        }
    }
    EXPECT_EQ(MenuTableOf(8)->entries, MenuOut);
}

TEST_F(OutputModule, ChartsFollowTheirOwnOutput) {
    DeviceSpec wanted = OutputModuleIn(1);
    wanted.options = {"optSKLE"};
    MakeDevice(wanted);
    SetByte(kPosSlot2, Out(8), 0x40);
    SetByte(kPosSlot2, Out(9), 4);
    std::set<int> expected = kWithoutCharts;
    expected.insert(kChartI3);
    EXPECT_EQ(VisibleEntries(kMenu, kPosSlot2), expected);
    SetByte(kPosSlot2, Out(128), 0x41);
    SetByte(kPosSlot2, Out(129), 4);
    expected.insert(kChartI4);
    EXPECT_EQ(VisibleEntries(kMenu, kPosSlot2), expected);

    // The chart: 21 values, the n-th at +36 + 4n of its output, labelled by its current.
    Ws().DeviceLanguage = 1;
    const PageModel chart = OpenPage(kPosSlot2, MenuOut[kChartI4]);
    ASSERT_EQ(chart.rows.size(), 21u);
    EXPECT_EQ(chart.rows[0].label, "Value at 00 mA:");
    EXPECT_EQ(chart.rows[20].label, "Value at 20 mA:");
    EXPECT_EQ(MenuOut[kChartI4].params[20].location, Out(128 + 36 + 80));
    EXPECT_EQ(chart.rows[20].unitLabel(), "mV") << "the unit of I4's variable, [I] ORP";
}

struct CurveCase {
    int curve;
    std::vector<int> rows;
};

TEST_F(OutputModule, OutputPagesShowTheRowsOfTheirCurve) {
    MakeDevice(OutputModuleIn(2));
    // Rows: variable, curve, output, start, 1st X, 1st Y, 2nd X, 2nd Y, 50% point, end, filter.
    for (const CurveCase& c : {CurveCase{1, {0, 1, 2, 3, 9, 10}}, CurveCase{2, {0, 1, 2, 3, 4, 5, 6, 7, 9, 10}},
                               CurveCase{3, {0, 1, 2, 3, 8, 9, 10}}}) {
        for (const auto& [entry, base] : {std::pair{kI3, 8}, std::pair{kI4, 128}}) {
            SetByte(kPosSlot3, Out(static_cast<uint16_t>(base)), 0x40);
            SetByte(kPosSlot3, Out(static_cast<uint16_t>(base + 1)), static_cast<uint8_t>(c.curve));
            EXPECT_EQ(ShownRows(OpenPage(kPosSlot3, MenuOut[entry])), c.rows) << "curve " << c.curve;
            SetByte(kPosSlot3, Out(static_cast<uint16_t>(base)), 0);
            EXPECT_EQ(ShownRows(OpenPage(kPosSlot3, MenuOut[entry])).size(), c.rows.size() - 2)
                << "without a variable start and end are hidden";
        }
    }
}

TEST_F(OutputModule, ValuesLandInTheOutputSectionOfItsSlotAndSet) {
    for (int s = 0; s < 3; ++s) {
        MakeDevice(OutputModuleIn(s));
        const int position = kPosSlot1 + s;
        const long long setA = 0x0800 + 0x400 * s;

        PageModel i3 = OpenPage(position, MenuOut[kI3]);
        const std::vector<int> variables = ItemCodes(i3, 0);
        ASSERT_GE(variables.size(), 1u);
        EXPECT_EQ(variables.front(), 0) << "Off comes first";
        Choose(i3, 2, 1);  // 0...20 mA
        EXPECT_EQ(Ws().ParImage.u8(setA + 10), 1) << "slot " << s;
        EXPECT_EQ(Ws().ParImage.u8(setA + 0x2000 + 10), 2) << "set B keeps its own";

        Ws().ActiveParamSet = true;
        PageModel k5 = OpenPage(position, MenuOut[kK5]);
        Choose(k5, 3, 2);  // direction Max
        EXPECT_EQ(Ws().ParImage.u8(setA + 0x2000 + 255), 2) << "slot " << s;
        EXPECT_EQ(Ws().ParImage.u8(setA + 255), 1);
    }
}

TEST_F(OutputModule, EachLimitContactTakesTheUnitOfItsOwnVariable) {
    const uint16_t variables[] = {254, 270, 286, 302};
    for (int chosen = 0; chosen < 4; ++chosen) {
        MakeDevice({.modules = {3, 8}});
        PageModel page = OpenPage(kPosSlot2, MenuOut[kK5 + chosen]);
        EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
        EXPECT_EQ(ItemCodes(page, 4), (std::vector<int>{2, 1})) << "N/O is code 2 on a slot module";
        EXPECT_TRUE(Choose(page, 0, 0x42).rebuildPage);  // [I] °C
        EXPECT_EQ(Byte(kPosSlot2, Out(variables[chosen])), 0x42);
        for (int k = 0; k < 4; ++k) {
            const PageModel contact = OpenPage(kPosSlot2, MenuOut[kK5 + k]);
            ASSERT_NE(contact.find(1), nullptr);
            EXPECT_EQ(contact.find(1)->unitLabel(), k == chosen ? "°C" : "") << "K" << 5 + k;
            EXPECT_EQ(contact.find(2)->unitLabel(), k == chosen ? "°C" : "") << "K" << 5 + k;
        }
    }
}

TEST_F(OutputModule, ANewModuleHoldsItsFactoryValues) {
    MakeDevice(OutputModuleIn(1));
    for (bool setB : {false, true}) {
        EXPECT_EQ(Byte(kPosSlot2, Out(9), setB), 1) << "I3 linear";
        EXPECT_EQ(Byte(kPosSlot2, Out(10), setB), 2) << "I3 4...20 mA";
        EXPECT_EQ(Byte(kPosSlot2, Out(128 + 33), setB), 2) << "I4 function check: last value";
        EXPECT_EQ(Byte(kPosSlot2, Out(128 + 31), setB), 2) << "I4 22 mA message off";
        EXPECT_EQ(Byte(kPosSlot2, Out(302 - 5), setB), 2) << "K8 N/O";
        EXPECT_EQ(Ws().ParImage.u16(Offset(kPosSlot2, Out(302 - 4), setB)), 10) << "K8 ON delay";
    }
}

}  // namespace
}  // namespace tessalin::test

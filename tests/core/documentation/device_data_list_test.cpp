#include <gtest/gtest.h>

#include "core/device/designations.h"
#include "core/documentation/device_data_list.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

class DeviceDataListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        SelectLanguage(0);
        TDevice& d = Ws().Device;
        d.Origin = kOriginFile;
        d.Front.Code = 2;
        Version('9', '0');
    }
    static void Version(char major, char minor) {
        Ws().Device.Front.SwMajor = major;
        Ws().Device.Front.SwMinor = minor;
    }
    static void Slot(int s, uint8_t code, int32_t idState) {
        TIdInfo_h& slot = Ws().Device.Slot[s];
        slot.Code = code;
        slot.SlotMask = static_cast<uint8_t>(1 << s);
        slot.IdState = idState;
        slot.SwVersion = 0x52;
        slot.HwVersion = 3;
        slot.SerialNo = 1234;
    }
    static void Empty(const DeviceDataLines& lines, int from, int to) {
        for (int i = from; i <= to; ++i) EXPECT_EQ(lines[i], "") << "line " << i;
    }
};

TEST_F(DeviceDataListTest, FrontOnlyLeavesBaseAndSlotsEmpty) {
    TIdFront& front = Ws().Device.Front;
    front.HwVersion = 4;
    front.IdState = kIdFromFile;
    front.SerialNo = 1234;
    const DeviceDataLines lines = DeviceDataList();
    EXPECT_EQ(lines[0], ModuleName(kPosFront, 2));
    EXPECT_EQ(lines[1], "Software: 9.0");
    EXPECT_EQ(lines[2], "Hardware: 4");
    EXPECT_EQ(lines[3], "Seriennummer: 0001234");
    EXPECT_EQ(lines[4], "Optionen: keine");
    Empty(lines, 5, 36);
    Empty(lines, 37, 55);

    front.IdState = 0;
    EXPECT_EQ(DeviceDataList()[3], "Seriennummer: xxxxxxx");
}

TEST_F(DeviceDataListTest, BaseVersionLinesFromSoftware53) {
    TIdInfo_h& base = Ws().Device.Base;
    base.Code = 1;
    base.SwVersion = 0x11;
    base.HwVersion = 2;
    base.IdState = kIdFromFile;
    Version('5', '2');
    DeviceDataLines lines = DeviceDataList();
    EXPECT_EQ(lines[37], ModuleName(kPosBase, 1));
    Empty(lines, 38, 40);

    Version('5', '3');
    lines = DeviceDataList();
    EXPECT_EQ(lines[38], "Software: 1.1");
    EXPECT_EQ(lines[39], "Hardware: 2");
    EXPECT_EQ(lines[40], "Seriennummer: xxxxxxx");  // serial 0 is unknown
}

TEST_F(DeviceDataListTest, OptionsByVersionMaskInTheirLineOrder) {
    struct Case {
        char major;
        uint32_t options;
        std::vector<int> lines;  // option lines that are filled
    };
    const Case cases[] = {
        {'6', 1u << 11, {}},                          // pH Quellix only up to 5.x
        {'5', 1u << 11, {13}},
        {'9', 1u << 10 | 1u << 0 | 1u << 30, {}},     // bits outside every mask
        {'6', 1u << 31, {}},                          // from 7 only
        {'7', 1u << 31 | 1u << 1 | 1u << 20, {5, 16, 25}},
    };
    for (const Case& c : cases) {
        Version(c.major, '1');
        Ws().Device.Front.Options = c.options;
        const DeviceDataLines lines = DeviceDataList();
        std::vector<int> filled;
        for (int i = 5; i <= 36; ++i)
            if (!lines[i].empty()) filled.push_back(i);
        EXPECT_EQ(filled, c.lines) << c.major << " " << c.options;
        EXPECT_EQ(lines[4], c.lines.empty() ? "Optionen: keine" : "Optionen: ");
    }
    SelectLanguage(1);
    EXPECT_EQ(DeviceDataList()[5], "Calibration data recorder");
}

TEST_F(DeviceDataListTest, SlotsWithUnknownIdentityAndPurgonPlaces) {
    Slot(0, 4, kIdFromFile);
    Slot(1, 5, 0);
    TidPurgon& purgon = Ws().Device.Purgon;
    purgon.TypeCode = 79;
    purgon.SlotMask = 1;
    DeviceDataLines lines = DeviceDataList();
    EXPECT_EQ(lines[41], "[I] " + ModuleName(kPosSlot1, 4));
    EXPECT_EQ(lines[42], "Software: 5.2");
    EXPECT_EQ(lines[43], "Hardware: 3");
    EXPECT_EQ(lines[44], "Seriennummer: 0001234");
    EXPECT_EQ(lines[45], "[I] " + ModuleName(8, 79));
    EXPECT_EQ(lines[46], "[II] " + ModuleName(kPosSlot2, 5));
    EXPECT_EQ(lines[47], "Software: x.x");
    EXPECT_EQ(lines[49], "Seriennummer: xxxxxxx");
    Empty(lines, 50, 55);

    // Carried by slot [II]: listed there, unless a probe module sits in slot [II] or [III].
    purgon.SlotMask = 2;
    lines = DeviceDataList();
    EXPECT_EQ(lines[45], "");
    EXPECT_EQ(lines[50], "[II] " + ModuleName(8, 79));
    Slot(2, 153, 0);
    EXPECT_EQ(DeviceDataList()[50], "");
}

}  // namespace
}  // namespace tessalin

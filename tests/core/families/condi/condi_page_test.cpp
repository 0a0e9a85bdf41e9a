// Electrodeless conductivity pages opened through the device tree: the sensor rows for named sensors and
// "Others", the sensor lists by brand and version, the zero kept relative to the cell factor with its
// limits, the rows that follow the temperature compensation, and the monitoring of the digital sensor.

#include "condi_fixture.h"
#include "core/catalogue/formatters.h"

namespace tessalin::test {
namespace {

enum CondIEntry { kCalData = 0, kSensorData = 2, kTempDetection = 3, kTc = 5 };
enum DigCondIEntry { kCellFactor = 4, kCip = 6, kSip = 7, kOperatingTime = 8 };

TEST_F(CondIFixture, NamedSensorShowsItsCodingReadOnlyAndOthersTheUserFields) {
    struct {
        int sensor;
        std::vector<int> rows;
    } cases[] = {{3, {0, 5, 6, 7, 8, 9, 10}}, {10, {0, 2, 3, 4, 8, 9, 10}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sensor);
        MakeDevice({6, '9'});
        SetByte(Set(36), static_cast<uint8_t>(c.sensor));
        const PageModel page = OpenPage(kSensorData);
        EXPECT_EQ(ShownRows(page), c.rows);
        for (int row : c.rows) {
            if (row < 2 || row > 7) continue;
            EXPECT_EQ(Enabled(page, row), row < 5) << row;
        }
        EXPECT_EQ(Enabled(OpenPage(kTempDetection), 0), c.sensor == 10);
    }
}

TEST_F(CondIFixture, SensorListFollowsBrandAndVersion) {
    struct {
        uint8_t brand;
        char major;
        int row;
        std::vector<int> codes;
    } cases[] = {
        {0, '6', 0, {1, 2, 3, 4, 10}},          {2, '7', 0, {1, 2, 3, 4, 9, 10}},
        {1, '7', 1, {5, 6, 7, 8, 10}},          {1, '8', 1, {5, 6, 7, 8, 11, 12, 10}},
    };
    for (const auto& c : cases) {
        MakeDevice({6, c.major, '0', 0, c.brand});
        const PageModel page = OpenPage(kSensorData);
        EXPECT_EQ(page.rows[0].row, c.row);
        EXPECT_EQ(ItemCodes(page, c.row), c.codes) << int(c.brand) << c.major;
    }
}

TEST_F(CondIFixture, ChosenSensorFillsItsCodingAndKeepsTheTransferRatio) {
    MakeDevice({6, '9'});
    PageModel page = OpenPage(kSensorData);
    EXPECT_TRUE(Choose(page, 0, 9).rebuildPage);
    for (bool setB : {false, true}) {
        EXPECT_EQ(Coding(Set(50), setB), "70031");
        EXPECT_FLOAT_EQ(Float(Set(55), setB), 6.36f);
        EXPECT_FLOAT_EQ(Float(Set(59), setB), 25.0f);  // intact after the coding bytes are decoded
        EXPECT_EQ(Byte(Set(23), setB), 5);
        EXPECT_EQ(Byte(Set(63), setB), 7);
        EXPECT_EQ(Byte(Set(64), setB), 4);
    }
}

TEST_F(CondIFixture, OthersCopiesTheUserCodingAndKeepsTheProbe) {
    MakeDevice({6, '9'});
    SetCoding(Set(37), "A0300");
    SetFloat(Set(42), 2.5f);
    SetFloat(Set(46), 80);
    SetByte(Set(23), 9);
    PageModel page = OpenPage(kSensorData);
    Choose(page, 0, 10);
    for (bool setB : {false, true}) {
        EXPECT_EQ(Coding(Set(50), setB), "A0300");
        EXPECT_FLOAT_EQ(Float(Set(55), setB), 2.5f);
        EXPECT_FLOAT_EQ(Float(Set(59), setB), 80);
        EXPECT_EQ(Byte(Set(23), setB), 9);
        EXPECT_EQ(Byte(Set(63), setB), 2);  // 'A' = 10, masked with 7
    }
}

TEST_F(CondIFixture, UserCodingTypedOnceLandsInBothSets) {
    MakeDevice({6, '9'});
    SetByte(Set(36), 10);
    Ws().ActiveParamSet = true;
    PageModel page = OpenPage(kSensorData);
    CommitText(page, 2, "b1230");
    EXPECT_EQ(Coding(Set(37)), "B1230");
    EXPECT_EQ(Coding(Set(37), true), "B1230");
}

TEST_F(CondIFixture, ZeroIsShownInMicroSiemensAndStoredPerCellFactor) {
    struct {
        int sensor;
        const char* coding;  // the user's coding (for Others) or the active one
        const char* typed;
        float stored;        // CONDI-FIX +9 after the commit
    } cases[] = {
        {3, "F0031", "30", 15},     // ±500 µS/cm: accepted
        {3, "F0031", "600", 250},   // beyond 500: the limit is stored
        {10, "F0001", "60", 25},    // fourth character 0: ±50 µS/cm
        {10, "F0001", "-70", -25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        MakeDevice({6, '9'});
        SetByte(Set(36), static_cast<uint8_t>(c.sensor));
        SetCoding(c.sensor == 10 ? Set(37) : Set(50), c.coding);
        SetFloat(Fix(5), 2);
        SetFloat(Fix(9), 10);
        PageModel page = OpenPage(kCalData);
        EXPECT_EQ(page.find(4)->value, "20.0");
        const int32_t before = DeviceSecondsNow();
        CommitNumber(page, 4, c.typed, true);
        EXPECT_FLOAT_EQ(Float(Fix(9)), c.stored);
        EXPECT_EQ(Byte(Fix(46)), 8);
        EXPECT_GE(static_cast<int32_t>(Ws().ParImage.u32(Offset(Fix(14)))), before);
    }
}

TEST_F(CondIFixture, InternalLoopIntervalIsEditableWhileItsMonitoringRaisesAMessage) {
    for (int cirvano : {1, 2, 3}) {
        MakeDevice({6, '9'});
        SetByte(Set(67), static_cast<uint8_t>(cirvano));
        EXPECT_EQ(Enabled(OpenPage(kSensorData), 10), cirvano != 1) << cirvano;
    }
}

TEST_F(CondIFixture, TickIsShownOnSensorInputsOnly) {
    const struct {
        int type;
        uint8_t attach;
        int entry;
        bool tick;
    } cases[] = {{6, 0, kTempDetection, false}, {183, 24, 4, true}, {193, 27, 4, true}};
    for (const auto& c : cases) {
        MakeDevice({c.type, '9', '0', 0, 0, c.attach});
        const auto rows = ShownRows(OpenPage(c.entry));
        EXPECT_EQ(rows.back() == 5, c.tick) << c.type;
    }
}

TEST_F(CondIFixture, TemperatureCompensationDecidesItsRows) {
    MakeDevice({6, '9'});
    SetFloat(Set(14), 30);
    SetByte(Set(9), 2);
    EXPECT_EQ(ShownRows(OpenPage(kTc)), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FLOAT_EQ(Float(Set(14)), 30);
    SetByte(Set(9), 3);
    EXPECT_EQ(ShownRows(OpenPage(kTc)), (std::vector<int>{0, 1}));
    EXPECT_FLOAT_EQ(Float(Set(14)), 25);
}

TEST_F(CondIFixture, CellFactorLimitsFollowTheNominal) {
    MakeDevice({173, '9', '0', 0, 0, 27});
    EXPECT_EQ(ShownRows(OpenPage(kCellFactor)), (std::vector<int>{0, 4}));
    PageModel page = OpenPage(kCellFactor);
    EXPECT_TRUE(Choose(page, 0, 3).rebuildPage);
    ExpectBothSets(Fix(113), 1.98f * 0.5f);  // the monitoring commit recomputes the limits
    ExpectBothSets(Fix(117), 1.98f * 2);
    page = BuildFormpage();
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(Enabled(page, 1));
    EXPECT_FALSE(Enabled(page, 2));
    EXPECT_FALSE(Enabled(page, 3));
    ASSERT_TRUE(CommitNumber(page, 1, "3", true).stored);
    ExpectBothSets(Set(55), 3);
    ExpectBothSets(Fix(113), 1.5f);
    ExpectBothSets(Fix(117), 6);
}

TEST_F(CondIFixture, OperatingTimeAutoSetsTwoThousandDays) {
    MakeDevice({173, '9', '0', 0, 0, 27});
    PageModel page = OpenPage(kOperatingTime);
    EXPECT_EQ(U16(Fix(131)), 200);
    EXPECT_FALSE(Enabled(page, 1));
    Choose(page, 0, 3);
    EXPECT_EQ(U16(Fix(131)), 200);  // Individual keeps the user's maximum
    EXPECT_TRUE(Enabled(page, 1));
    Choose(page, 0, 2);
    EXPECT_EQ(U16(Fix(131)), 2000);
    EXPECT_FALSE(Enabled(page, 1));
}

TEST_F(CondIFixture, CounterMaximaAreEditableWhileIndividual) {
    MakeDevice({173, '9', '0', 0, 0, 27});
    for (int entry : {kCip, kSip}) {
        PageModel page = OpenPage(entry);
        EXPECT_FALSE(Enabled(page, 1)) << entry;
        EXPECT_EQ(page.find(1)->value, "20");
        Choose(page, 0, 3);
        EXPECT_TRUE(Enabled(page, 1)) << entry;
    }
}

}  // namespace
}  // namespace tessalin::test

// What a commit on a conductivity page writes besides its own value: the values of a chosen sensor, the
// calibration stamp and the defaults of "Auto" cell-constant monitoring.

#include "cond_fixture.h"
#include "core/catalogue/formatters.h"

namespace tessalin::test {
namespace {

enum CondEntry { kCalData = 0, kSensorData = 2, kTempDetection = 3, kCellConstant154 = 6 };
enum DigCondEntry { kDigCellConstant = 4 };

struct SensorCase {
    uint8_t brand;
    char major;
    int code;
    float cellConstant;
    int electrode;
    int probe;  // the probe after the choice; the generic sensors keep the one before (9)
    bool editable;
};

TEST_F(CondFixture, ChosenSensorFillsItsValuesAndLocksThem) {
    const SensorCase cases[] = {
        {0, '7', 1, 0.2f, 1, 5, false},  {0, '7', 4, 0.029f, 0, 5, false}, {0, '7', 5, 1.0f, 0, 4, false},
        {0, '9', 22, 0.01f, 0, 5, false}, {1, '6', 15, 0.6f, 1, 5, false}, {1, '9', 20, 0.25f, 1, 5, false},
        {0, '9', 6, 1.0f, 0, 9, true},   {1, '9', 7, 1.0f, 1, 9, true},
    };
    for (const SensorCase& c : cases) {
        SCOPED_TRACE(c.code);
        MakeDevice({5, c.major, '0', 0, c.brand});
        SetByte(Set(23), 3);  // a named sensor before
        SetByte(Set(30), 9);  // NTC 30 kOhm
        SetFloat(Set(24), 0.5f);
        SetFloat(Fix(5), 0.5f);
        PageModel page = OpenPage(kSensorData);
        const int row = c.brand == 1 ? 1 : 0;
        EXPECT_TRUE(Choose(page, row, c.code).refreshRows);
        ExpectBothSets(Set(24), c.cellConstant);
        ExpectBothSets(Fix(5), c.cellConstant);
        EXPECT_EQ(Byte(Set(29)), c.electrode);
        EXPECT_EQ(Byte(Set(29), true), c.electrode);
        EXPECT_EQ(Byte(Set(30)), c.probe);
        EXPECT_EQ(Byte(Set(30), true), c.probe);
        EXPECT_EQ(Enabled(page, 2), c.editable);
        EXPECT_EQ(Enabled(OpenPage(kTempDetection), 0), c.editable);
    }
}

TEST_F(CondFixture, CalibrationDataStampsTheTime) {
    MakeDevice({5, '9'});
    PageModel page = OpenPage(kCalData);
    const int32_t before = DeviceSecondsNow();
    ASSERT_TRUE(CommitNumber(page, 3, "1.0000", false).stored);  // the unchanged value typed in again
    const int32_t after = DeviceSecondsNow();
    EXPECT_EQ(Byte(Fix(42)), 4);
    const auto stamp = static_cast<int32_t>(Ws().ParImage.u32(Offset(Fix(10))));
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
    Ws().ParImage.setU32(Offset(Fix(10)), 0);
    SetByte(Fix(42), 0);
    CommitText(page, 0, "XY 1");
    EXPECT_EQ(Byte(Fix(42)), 4);
    EXPECT_GE(static_cast<int32_t>(Ws().ParImage.u32(Offset(Fix(10)))), before);
}

TEST_F(CondFixture, AutoCellConstantMonitoringWritesItsDefaults) {
    struct {
        int type;
        uint8_t attach;
        int entry;
    } menus[] = {{154, 24, kCellConstant154}, {172, 27, kDigCellConstant}};
    for (const auto& m : menus) {
        SCOPED_TRACE(m.type);
        MakeDevice({m.type, '9', '0', 0, 0, m.attach});
        SetByte(Fix(124), 3);
        SetFloat(Set(24), 2);
        SetFloat(Fix(125), 1);
        SetFloat(Fix(129), 3);
        PageModel page = OpenPage(m.entry);
        EXPECT_TRUE(Enabled(page, 1));
        EXPECT_TRUE(Enabled(page, 2));
        ASSERT_TRUE(CommitNumber(page, 1, "2.5", true).stored);
        ExpectBothSets(Fix(125), 1);  // Individual: the user's limits stay
        ExpectBothSets(Set(24), 2.5f);

        EXPECT_TRUE(Choose(page, 0, 2).refreshRows);
        ExpectBothSets(Set(24), 1.0f);
        ExpectBothSets(Fix(125), 0.5f);
        ExpectBothSets(Fix(129), 1.5f);
        EXPECT_FALSE(Enabled(page, 1));
        EXPECT_FALSE(Enabled(page, 3));
    }
}

TEST_F(CondFixture, CounterMaximaAreEditableWhileIndividual) {
    MakeDevice({172, '9', '0', 0, 0, 27});
    for (int entry : {6, 7, 8}) {
        PageModel page = OpenPage(entry);
        EXPECT_FALSE(Enabled(page, 1)) << entry;
        Choose(page, 0, 3);
        EXPECT_TRUE(Enabled(page, 1)) << entry;
    }
    EXPECT_EQ(U16(Fix(143)), 9999);  // factory maximum of the operating time
}

}  // namespace
}  // namespace tessalin::test

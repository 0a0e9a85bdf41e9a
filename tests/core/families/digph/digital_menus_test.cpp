// The menus of the digital pH, pH/ORP, pH (F1.2) and ORP sensors on a digital-sensor carrier: the items
// each version and option shows, and every shown page in both parameter sets.
#include <set>
#include <string>

#include "digital_sensor_fixture.h"

namespace tessalin::test {
namespace {

std::set<int> Range(int from, int to, std::set<int> without = {}) {
    std::set<int> out;
    for (int i = from; i <= to; ++i)
        if (!without.count(i)) out.insert(i);
    return out;
}

struct MenuCase {
    int type;
    std::vector<std::string> options;
    int sensorType;  // PH-SET +58
    std::set<int> entries;
};

TEST_F(DigitalSensorFixture, EachSensorShowsTheItemsOfItsMenu) {
    const MenuCase cases[] = {
        {170, {}, 1, Range(0, 22, {10, 11, 17})},
        {170, {"optTBAND"}, 3, Range(0, 22, {8})},
        {175, {}, 1, Range(0, 27, {13, 18})},
        {175, {"optTBAND"}, 1, Range(0, 27, {13})},
        {176, {}, 1, Range(0, 22, {17})},
        {174, {}, 0, Range(0, 13)},
    };
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " sensor type " << c.sensorType);
        MakeDevice(c.type, c.options);
        if (c.sensorType != 0) {
            for (bool setB : {false, true}) Ws().ParImage.setU8(Place(Section::PH_SET, 58, setB), static_cast<uint8_t>(c.sensorType));
            Redecode();
        }
        EXPECT_EQ(VisibleEntries(), c.entries);
    }
}

TEST_F(DigitalSensorFixture, EveryShownPageBuildsTheSameRowsInBothSets) {
    for (int type : {170, 175, 176, 174}) {
        MakeDevice(type, {"optTBAND"});
        for (int entry : VisibleEntries()) {
            SCOPED_TRACE(testing::Message() << "type " << type << " entry " << entry);
            Ws().ActiveParamSet = false;
            const PageModel a = OpenPage(entry);
            Ws().ActiveParamSet = true;
            const PageModel b = OpenPage(entry);
            EXPECT_EQ(a.error, "");
            EXPECT_EQ(b.error, "");
            EXPECT_EQ(ShownRows(a), ShownRows(b));
            for (const PageRow& row : a.rows) {
                if (!row.heading && row.kind != kKindButtons) {
                    EXPECT_NE(row.label, "") << "row " << row.row;
                }
                if (row.kind == kKindNumber) {
                    EXPECT_NE(row.value, "") << "row " << row.row;
                }
            }
        }
    }
}

struct PageCase {
    int type;
    int entry;
    std::vector<int> rows;
};

TEST_F(DigitalSensorFixture, OwnTablesShowTheirRows) {
    const PageCase cases[] = {
        {170, 1, {0, 1, 2}},           // calibration data: zero, slope, isotherm potential
        {170, 3, {0, 1}},              // sensor type, Quellora
        {170, 19, {0}},                // delta function Off hides the delta value
        {175, 3, {0}},                 // Quellora
        {175, 8, {0, 1, 2, 3, 4}},     // reference electrode
        {176, 8, {0, 1, 2, 3, 4}},     // glass electrode
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " entry " << c.entry);
        MakeDevice(c.type);
        EXPECT_EQ(ShownRows(OpenPage(c.entry)), c.rows);
    }
}

}  // namespace
}  // namespace tessalin::test

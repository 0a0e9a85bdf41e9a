// The rules of the digital sensors' own pages: the pH family's rules on the digital pH sensors, and the
// ORP sensor's monitoring defaults, written into both sets whatever the rows' own flags.
#include <cstring>

#include "core/common/sections.h"
#include "core/families/default_records.h"
#include "core/families/digorp/digorp.h"
#include "digital_sensor_fixture.h"

namespace tessalin::test {
namespace {

float F(Section section, uint16_t offset, bool setB) { return Ws().ParImage.f32(Place(section, offset, setB)); }

TEST_F(DigitalSensorFixture, SensorTypeOffersStandardAndIsfetAndRebuildsTheBranch) {
    MakeDevice(170);
    PageModel page = OpenPage(3);
    std::vector<int> codes;
    for (const ChoiceItem& item : page.find(0)->items) codes.push_back(item.code);
    EXPECT_EQ(codes, (std::vector<int>{1, 3}));
    Choose(page, 0, 3);
    const std::set<int> shown = VisibleEntries();
    EXPECT_TRUE(shown.count(10) && shown.count(11));
    EXPECT_FALSE(shown.count(8));
}

TEST_F(DigitalSensorFixture, AutoMonitoringWritesTheDigitalSensorDefaultsInBothSets) {
    MakeDevice(175);
    PageModel page = OpenPage(8);  // reference electrode
    EXPECT_FALSE(page.find(1)->enabled);
    Choose(page, 0, 3);
    page = BuildFormpage();
    EXPECT_TRUE(page.find(1)->enabled);
    Choose(page, 0, 2);
    for (bool setB : {false, true}) {
        EXPECT_FLOAT_EQ(F(Section::PH_FIX, 68, setB), 1000);
        EXPECT_FLOAT_EQ(F(Section::PH_FIX, 72, setB), 600);
        EXPECT_FLOAT_EQ(F(Section::PH_FIX, 76, setB), 100500);
    }

    MakeDevice(170);
    for (bool setB : {false, true}) Ws().ParImage.setU8(Place(Section::PH_SET, 58, setB), 3);
    Redecode();
    page = OpenPage(11);  // ISFET working point
    Choose(page, 0, 3);
    Ws().ParImage.setF32(Place(Section::PH_SET, 226), 12);
    Choose(page, 0, 2);
    for (bool setB : {false, true}) {
        EXPECT_FLOAT_EQ(F(Section::PH_SET, 222, setB), 0);
        EXPECT_FLOAT_EQ(F(Section::PH_SET, 226, setB), -500);
        EXPECT_FLOAT_EQ(F(Section::PH_SET, 230, setB), 500);
    }
}

TEST_F(DigitalSensorFixture, CalibrationDataStampsTheCalibration) {
    MakeDevice(176);
    PageModel page = OpenPage(1);
    CommitNumber(page, 0, "7", true);
    for (bool setB : {false, true}) EXPECT_EQ(Ws().ParImage.u8(Place(Section::PH_FIX, 134, setB)), 4);
}

struct OrpMonitoring {
    int entry;
    int individual;
    int other;
    std::vector<std::pair<uint16_t, float>> floats;  // ORP-FIX or ORP-SET offsets and their defaults
    Section section;
};

TEST_F(DigitalSensorFixture, OrpMonitoringOtherThanIndividualWritesTheDefaults) {
    const OrpMonitoring cases[] = {
        {4, 3, 2, {{14, 0}, {18, -200}, {22, 200}}, Section::ORP_FIX},  // ORP offset
        {5, 3, 2, {{28, -20}, {32, 120}}, Section::ORP_FIX},            // temperature
        {9, 3, 1, {{68, 720}}, Section::ORP_SET},                       // cal timer
    };
    for (const OrpMonitoring& c : cases) {
        SCOPED_TRACE(testing::Message() << "entry " << c.entry);
        MakeDevice(174);
        PageModel page = OpenPage(c.entry);
        Choose(page, 0, c.individual);
        page = BuildFormpage();
        EXPECT_TRUE(page.find(1)->enabled);
        for (const auto& [offset, value] : c.floats)
            for (bool setB : {false, true}) Ws().ParImage.setF32(Place(c.section, offset, setB), value + 1);
        Choose(page, 0, c.other);
        page = BuildFormpage();
        EXPECT_FALSE(page.find(1)->enabled);
        for (const auto& [offset, value] : c.floats)
            for (bool setB : {false, true}) EXPECT_FLOAT_EQ(F(c.section, offset, setB), value) << "+" << offset;
        // Back to Individual: the values stay and can be edited.
        Choose(page, 0, c.individual);
        page = BuildFormpage();
        EXPECT_TRUE(page.find(1)->enabled);
        EXPECT_FLOAT_EQ(F(c.section, c.floats[0].first, false), c.floats[0].second);
    }

    MakeDevice(174);
    PageModel page = OpenPage(6);  // operating time
    Choose(page, 0, 3);
    Ws().ParImage.setU16(Place(Section::ORP_FIX, 202), 5);
    Choose(page, 0, 1);
    for (bool setB : {false, true}) EXPECT_EQ(Ws().ParImage.u16(Place(Section::ORP_FIX, 202, setB)), 730);
}

TEST_F(DigitalSensorFixture, OrpDeltaValueOnlyForMvOrp) {
    MakeDevice(174);
    PageModel page = OpenPage(11);
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0}));
    Choose(page, 0, 4);
    EXPECT_EQ(ShownRows(BuildFormpage()), (std::vector<int>{0, 1}));
}

TEST(OrpDefaults, TheSectionsHoldTheFactoryDefaults) {
    const auto set = DefaultRecord(Section::ORP_SET);
    const auto fix = DefaultRecord(Section::ORP_FIX);
    ASSERT_EQ(set.size(), SectionOf(Section::ORP_SET).size);
    ASSERT_EQ(fix.size(), SectionOf(Section::ORP_FIX).size);
    EXPECT_EQ(set.data(), OrpSetDefaultRecord().data());
    auto f32 = [](std::span<const uint8_t> r, std::size_t at) {
        float f;
        std::memcpy(&f, r.data() + at, 4);
        return f;
    };
    EXPECT_EQ(fix[13], 2);
    EXPECT_FLOAT_EQ(f32(fix, 18), -200);
    EXPECT_FLOAT_EQ(f32(fix, 32), 120);
    EXPECT_EQ(fix[202] | fix[203] << 8, 730);
    EXPECT_EQ(set[67], 1);
    EXPECT_FLOAT_EQ(f32(set, 68), 720);
    EXPECT_EQ(set[45], 1);
}

}  // namespace
}  // namespace tessalin::test

namespace tessalin::test {
namespace {

TEST(DigitalPhDefaults, ANewCarrierHoldsTheDigitalSensorsOwnDefaults) {
    ASSERT_TRUE(BuildThroughConfigurator({.codes = {1, 27}, .major = '9'}));
    ASSERT_EQ(Ws().Device.Slot[0].Code, 170);
    for (bool setB : {false, true}) {
        EXPECT_EQ(Ws().ParImage.u8(Place(Section::PH_SET, 221, setB)), 2);  // ISFET working point Auto
        EXPECT_FLOAT_EQ(Ws().ParImage.f32(Place(Section::PH_SET, 230, setB)), 500);
        EXPECT_EQ(Ws().ParImage.u8(Place(Section::PH_SET, 21, setB)), 15);  // the pH family's buffer set
    }
    ResetWorkspace();
}

}  // namespace
}  // namespace tessalin::test

// The family's rules for rows of the digital pH sensors (reference and glass electrode defaults, ISFET
// working point), on a small menu of their own for a digital sensor in slot I.

#include "core/catalogue/events.h"
#include "core/families/menu_registry.h"
#include "core/families/ph/handlers.h"
#include "ph_fixture.h"

namespace tessalin::test {
namespace {

const TextRecord kMonitoring{{"Überwachung", "2|Auto|3|Individuell", "Monitoring", "2|Auto|3|Individual", "M",
                              "2|A|3|I", "M", "2|A|3|I", "M", "2|A|3|I", "M", "2|A|3|I", "M", "2|A|3|I"}};
const TextRecord kValue{{"Wert", "", "Value", "", "V", "", "V", "", "V", "", "V", "", "V", ""}};

constexpr uint32_t kMonitoringFlags = kPfBothSets | kPfRefreshRows | kPfUInt8;

constexpr TParamEntry Monitoring(Location at, Handler handler) {
    return {.location = at, .flags = kMonitoringFlags, .kind = kKindChoice, .handler = handler, .texts = &kMonitoring};
}
constexpr TParamEntry Value(Location at, uint8_t valueType, Handler handler) {
    return {.location = at, .flags = kPfBothSets, .kind = kKindNumber, .valueType = valueType,
            .handler = handler, .texts = &kValue};
}

const TParamEntry kRef[] = {
    Monitoring(Fix(179), ph::RowDigitalRefMonitoring), Value(Fix(68), 23, ph::RowDigitalRefValue),
    Value(Fix(72), 23, ph::RowDigitalRefValue), Value(Fix(76), 23, ph::RowDigitalRefValue)};
const TParamEntry kGlass[] = {
    Monitoring(Fix(180), ph::RowDigitalGlassMonitoring), Value(Fix(81), 24, ph::RowDigitalGlassValue),
    Value(Fix(85), 24, ph::RowDigitalGlassValue), Value(Fix(89), 24, ph::RowDigitalGlassValue)};
const TParamEntry kIsfetPoint[] = {
    Monitoring(Set(221), ph::RowIsfetPointMonitoring), Value(Set(222), 21, ph::RowIsfetPointValue),
    Value(Set(226), 21, ph::RowIsfetPointValue), Value(Set(230), 21, ph::RowIsfetPointValue)};

const TMenuEntry kMenu[] = {
    {.level = 1, .handler = DefaultHandler, .texts = &kValue, .params = kRef, .lastParam = 3},
    {.level = 1, .handler = DefaultHandler, .texts = &kValue, .params = kGlass, .lastParam = 3},
    {.level = 1, .handler = DefaultHandler, .texts = &kValue, .params = kIsfetPoint, .lastParam = 3},
    {.level = -1},
};

struct DigitalCase {
    const char* name;
    int entry;
    Location values[3];  // nominal, min, max
    float defaults[3];
};

class PhDigitalRules : public PhFixture, public ::testing::WithParamInterface<DigitalCase> {};

TEST_P(PhDigitalRules, AutoWritesTheSensorDefaultsAndIndividualKeepsTheValues) {
    const DigitalCase& c = GetParam();
    ScopedMenuOverride menu(160, MenuTable{"test", kMenu, 3});
    MakeDevice({160, '9'});
    const Location monitoring = kMenu[c.entry].params[0].location;
    SetByte(monitoring, 3);
    for (const Location& at : c.values) SetFloat(at, 123);

    PageModel page = OpenPage(c.entry, kMenu);
    for (int row = 1; row <= 3; ++row) EXPECT_TRUE(page.find(row)->enabled) << row;
    ASSERT_TRUE(CommitNumber(page, 1, "124", true).stored);
    EXPECT_NE(Float(c.values[1]), c.defaults[1]) << "Individual keeps the limits";

    Choose(page, 0, 2);
    for (int i = 0; i < 3; ++i) ExpectBothSets(c.values[i], c.defaults[i]);
    page = BuildFormpage();
    for (int row = 1; row <= 3; ++row) EXPECT_FALSE(page.find(row)->enabled) << row;
}

const DigitalCase kDigitalCases[] = {
    {"Reference", 0, {Fix(68), Fix(72), Fix(76)}, {1000, 600, 100500}},
    {"Glass", 1, {Fix(81), Fix(85), Fix(89)}, {280000000, 20000000, 999000000}},
    {"IsfetWorkingPoint", 2, {Set(222), Set(226), Set(230)}, {0, -500, 500}},
};

INSTANTIATE_TEST_SUITE_P(Cases, PhDigitalRules, ::testing::ValuesIn(kDigitalCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessalin::test

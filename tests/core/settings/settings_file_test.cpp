#include <gtest/gtest.h>

#include <string>

#include "core/settings/settings_file.h"

namespace tessalin {
namespace {

Snapshot Sample() {
    Snapshot s;
    s.language = 0;
    s.sets = SetChoice::Both;
    s.hardware = {{"front", "Front unit", {{"code", "2", true, false}, {"designation", "FU \"2400\"", false, true}}}};
    SnapshotPage a;
    a.path = "[I] PHS > Calibration data";
    a.node = "0/0";
    a.component = "[I] PHS";
    a.section = "slot_1";
    a.title = "Calibration data";
    a.rows.push_back({3, "number", "Zero", "7.25", "pH", "0000e840", true});
    a.rows.push_back({0, "text", "Sensor model", "SE\u00b7555", "", "5345b7353535", false});
    SnapshotPage b = a;
    b.set = 'B';
    s.pages = {a, b};
    return s;
}

TEST(SettingsFile, WritesAndReadsBackEveryField) {
    const Snapshot s = Sample();
    const std::string text = SettingsToJson(s);
    EXPECT_EQ(text.rfind("{\n  \"format\": \"tessalin-settings\",\n  \"version\": 1,\n", 0), 0u) << text;
    std::string error;
    const auto back = SettingsFromJson(text, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->language, 0);
    EXPECT_EQ(back->sets, SetChoice::Both);
    ASSERT_EQ(back->hardware.size(), 1u);
    EXPECT_EQ(back->hardware[0].fields[1].value, "FU \"2400\"");
    ASSERT_EQ(back->pages.size(), 2u);
    EXPECT_EQ(back->pages[1].set, 'B');
    EXPECT_EQ(back->pages[0].component, "[I] PHS");
    EXPECT_EQ(back->pages[0].section, "slot_1");
    const SnapshotRow& row = back->pages[0].rows[1];
    EXPECT_EQ(row.value, "SE\u00b7555");
    EXPECT_EQ(row.raw, "5345b7353535");
    EXPECT_FALSE(row.editable);
    EXPECT_EQ(SettingsToJson(*back), text);
}

TEST(SettingsFile, RefusesAFileItCannotApplyAndSaysWhere) {
    const std::string good = SettingsToJson(Sample());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const struct {
        std::string text;
        const char* fault;
    } cases[] = {
        {"[]", "one object"},
        {replaced("tessalin-settings", "other"), "not a settings file"},
        {replaced("\"version\": 1", "\"version\": 2"), "version 2 is not supported"},
        {replaced("\"version\": 1", "\"version\": \"1\""), "\"version\" must be a whole number"},
        {replaced("\"language\": 0", "\"language\": 7"), "\"language\" must be a whole number 0..6"},
        {replaced("\"sets\": \"both\"", "\"sets\": \"C\""), "\"sets\" must be"},
        {replaced("\"set\": \"B\"", "\"set\": \"C\""), "pages[1]: \"set\" must be"},
        {replaced("\"value\": \"7.25\"", "\"value\": 7.25"), "pages[0].rows[0]: \"value\" must be a string"},
        {replaced("\"row\": 3", "\"row\": 100"), "pages[0].rows[0]: \"row\" must be a whole number 0..99"},
        {replaced("\"row\": 3", "\"row\": 0"), "pages[0]: row 0 appears twice"},
        {replaced("\"editable\": true", "\"editable\": 1"), "\"editable\" must be true or false"},
        {replaced("\"path\": \"[I] PHS > Calibration data\"", "\"path\": \"\""), "\"path\" must not be empty"},
        {replaced("\"sets\": \"both\"", "\"sets\": \"A\""), "pages[1]: set B is not among the file's sets"},
        {replaced("\"code\": 2", "\"code\": [2]"), "hardware.front.code: must be a number or a string"},
        {good.substr(0, good.size() - 3), "line"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(SettingsFromJson(c.text, error)) << c.fault;
        EXPECT_NE(error.find(c.fault), std::string::npos) << c.fault << " -> " << error;
    }
}

}  // namespace
}  // namespace tessalin

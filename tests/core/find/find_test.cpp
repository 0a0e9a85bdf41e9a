// Finding a parameter by what the window shows: titles, labels, values, units and choice texts, without
// regard to letter case and accents, in the device language and the parameter set shown; pages the data
// set does not show are not searched, and the search leaves the page context as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/families/purgon/purgon_fixture.h"
#include "core/find/find.h"
#include "core/settings/page_walk.h"

namespace tessalin::test {
namespace {

std::vector<std::string> HitTexts(std::string_view query) {
    std::vector<std::string> texts;
    for (const FindHit& hit : FindInDataSet(query)) texts.push_back(hit.text());
    return texts;
}

bool AnyEndsWith(const std::vector<std::string>& texts, const std::string& end) {
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& text) { return text.ends_with(end); });
}

// The node of the pH module's calibration data, found by its title.
int CalibrationNode() {
    for (const FindHit& hit : FindInDataSet("calibration data"))
        if (hit.row < 0 && hit.path.ends_with(" > Calibration data")) return NodeAtPath(hit.node);
    return -1;
}

TEST(FoldForSearch, LetterCaseAndAccentsFoldAway) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"Kalibrierdaten", "kalibrierdaten"},
        {"Données d'ÉTALONNAGE", "donnees d'etalonnage"},
        {"Straße Übergröße", "strasse ubergrosse"},
        {"Ñandú Ç Æ ø", "nandu c ae o"},
        {"25 °C ± 0,5 µS/cm", "25 °c ± 0,5 µs/cm"},  // signs are not letters and stay as they are
        {"TAG·01····", "tag 01    "},                // the device blank is a blank
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FoldForSearch(c.text), c.folded) << c.text;
    EXPECT_EQ(FoldForSearch("Straße Übergröße Bär", Umlauts::Transcribed), "strasse uebergroesse baer");
    EXPECT_EQ(FoldForSearch("Ñandú Ç Æ ø", Umlauts::Transcribed), "nandu c ae o");
}

using Find = PurgonFixture;

TEST_F(Find, HitsNameTheirPathRowAndShownValue) {
    MakeDevice();
    const std::vector<FindHit> hits = FindInDataSet("ZERO");
    ASSERT_FALSE(hits.empty());
    const auto zero = std::find_if(hits.begin(), hits.end(), [](const FindHit& hit) { return hit.label == "Zero"; });
    ASSERT_NE(zero, hits.end());
    EXPECT_EQ(zero->text(), zero->path + " > Zero: 7.00 pH");
    EXPECT_TRUE(zero->path.ends_with(" > Calibration data")) << zero->path;
    EXPECT_EQ(NodeAtPath(zero->node), CalibrationNode());
    // A title hit is the node itself, before the rows of its page.
    const auto title = std::find_if(hits.begin(), hits.end(), [](const FindHit& hit) { return hit.row < 0; });
    ASSERT_NE(title, hits.end());
    EXPECT_EQ(title->text(), title->path);
    EXPECT_TRUE(title->path.ends_with(" > Zero")) << title->path;
    // A label that ends in a colon takes no second one.
    const std::vector<std::string> manual = HitTexts("manual");
    EXPECT_TRUE(AnyEndsWith(manual, " > Manual: 25.0 \u00b0C")) << ::testing::PrintToString(manual);

    const struct {
        const char* query;
        int language;
        bool found;
    } cases[] = {
        {"calibration DATA", 1, true},      // a title
        {"kalibrierdaten", 0, true},        // in the device language
        {"DONNEES D'ETALONNAGE", 2, true},  // accents aside
        {"mv/ph", 1, true},                 // a unit
        {"7.00 ph", 1, true},               // a value with its unit
        {"calibration data", 0, false},     // not in German
        {"   ", 1, false},
        {"xyzzy", 1, false},
    };
    for (const auto& c : cases) {
        SelectLanguage(c.language);
        BuildDeviceTree();
        EXPECT_EQ(!FindInDataSet(c.query).empty(), c.found) << c.query;
    }
}

TEST_F(Find, OnlyWhatTheDataSetShowsInTheSetShownIsSearched) {
    MakeDevice();
    // The days of the week program are not shown while the controller runs a fixed interval.
    EXPECT_TRUE(HitTexts("monday").empty());
    SetBlockByte(10, 2);
    BuildDeviceTree();
    EXPECT_FALSE(HitTexts("monday").empty());

    // The hits show the values of the set shown: drift control made coarse in set B only.
    DeviceTreeChange(CalibrationNode());
    const std::vector<FindHit> presets = FindInDataSet("cal preset values");
    ASSERT_FALSE(presets.empty());
    DeviceTreeChange(NodeAtPath(presets[0].node));
    Ws().ActiveParamSet = true;
    PageModel page = BuildFormpage();
    Choose(page, 2, 3);
    EXPECT_TRUE(AnyEndsWith(HitTexts("drift control"), " > Drift control: Coarse"));
    Ws().ActiveParamSet = false;
    EXPECT_TRUE(AnyEndsWith(HitTexts("drift control"), " > Drift control: Standard"));
    EXPECT_TRUE(AnyEndsWith(HitTexts("coarse"), " > Drift control: Standard — offers Coarse"));  // an item not chosen
}

// The first text field of the device's pages: its node and row.
std::pair<int, int> FirstTextField() {
    std::pair<int, int> found{-1, -1};
    ForEachPage(SetChoice::A, [&](int node, char, const PageModel& page) {
        for (const PageRow& row : page.rows)
            if (found.first < 0 && row.kind == kKindText && row.active && row.maxLength >= 8) found = {node, row.row};
    });
    return found;
}

TEST_F(Find, TextFieldsTranscriptionsHeadingsAndSubPagesAreSearched) {
    MakeDevice();
    // A text field stores "TAG 01" as "TAG·01" padded with device blanks; a blank finds it.
    const auto [node, row] = FirstTextField();
    ASSERT_GE(node, 0);
    DeviceTreeChange(node);
    PageModel page = BuildFormpage();
    CommitText(page, row, "TAG 01");
    const std::vector<FindHit> tag = FindInDataSet("TAG 01");
    ASSERT_EQ(tag.size(), 1u);
    EXPECT_TRUE(tag[0].value.starts_with("TAG·01·")) << tag[0].value;

    const struct {
        const char* query;
        int language;
        const char* ending;
    } cases[] = {
        {"sensorueberwachung", 0, " > Sensorüberwachung Details"},  // "ue" for "ü"
        {"SENSORÜBERWACHUNG", 0, " > Sensorüberwachung Details"},
        {"manual control in", 1, " > Activate manual control in maint"},  // a heading
        // A choice item not shown names itself; so does one on the sub-page a button opens.
        {"hovrel", 1, " > Probe type: Dolovan — offers Hovrel"},
        {"hovrel", 0, " > Sondentyp: Dolovan — bietet Hovrel"},
        {"program end", 1, " > Clean > Program flow > Function — offers Program end"},
    };
    for (const auto& c : cases) {
        SelectLanguage(c.language);
        BuildDeviceTree();
        const std::vector<std::string> hits = HitTexts(c.query);
        EXPECT_TRUE(AnyEndsWith(hits, c.ending)) << c.query << ": " << ::testing::PrintToString(hits);
    }
}

// A line that several rows of a page repeat is one hit: every day offers "Monday" to copy to.
TEST_F(Find, RowsThatReadAlikeAreOneHit) {
    MakeDevice();
    SetBlockByte(10, 2);
    BuildDeviceTree();
    const std::vector<std::string> hits = HitTexts("monday");
    for (const std::string& hit : hits)
        EXPECT_EQ(std::count(hits.begin(), hits.end(), hit), 1) << hit << ": " << ::testing::PrintToString(hits);
    EXPECT_TRUE(AnyEndsWith(hits, " > Copy to: (x) — offers Monday")) << ::testing::PrintToString(hits);
}

TEST_F(Find, TheSearchLeavesThePageContextAsItWas) {
    MakeDevice();
    const int node = CalibrationNode();
    DeviceTreeChange(node);
    Ws().ActiveParamSet = true;
    Ws().PageRebuildRequest = false;
    const TTabPtrRec page = Ws().CurrentPage;
    const auto rows = Ws().FormpageRows;
    const ParImageBuffer image = Ws().ParImage;
    EXPECT_FALSE(FindInDataSet("a").empty());
    EXPECT_EQ(Ws().Tree.selected, node);
    EXPECT_TRUE(Ws().ActiveParamSet);
    EXPECT_FALSE(Ws().PageRebuildRequest);
    EXPECT_EQ(Ws().CurrentPage.entry, page.entry);
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(Ws().FormpageRows[i].param, rows[i].param) << i;
    EXPECT_TRUE(Ws().ParImage == image);
}

}  // namespace
}  // namespace tessalin::test

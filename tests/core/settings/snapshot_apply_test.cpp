#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/catalogue/formatters.h"
#include "core/common/sections.h"
#include "core/data_set/write.h"
#include "core/device/load_data_set.h"
#include "core/main_window/save_decisions.h"
#include "core/page/row_text.h"
#include "core/settings/apply.h"
#include "core/settings/settings_file.h"
#include "support/configured_edits.h"
#include "support/image_builder.h"
#include "support/offered_devices.h"

namespace tessalin {
namespace {

using test::Configure;
using test::DeviceRecipe;
using test::OpenPage;

const DeviceRecipe kPhCondPurgon{{1, 4, 5, 79}, {"optLPAR"}};

const SnapshotPage* FindPage(const Snapshot& s, const std::string& path, char set) {
    for (const SnapshotPage& p : s.pages)
        if (p.path == path && p.set == set) return &p;
    return nullptr;
}

const SnapshotRow* FindRow(const Snapshot& s, const std::string& path, char set, const std::string& label) {
    const SnapshotPage* page = FindPage(s, path, set);
    if (page == nullptr) return nullptr;
    for (const SnapshotRow& r : page->rows)
        if (r.label == label) return &r;
    return nullptr;
}

SnapshotPage Page(const std::string& path, std::vector<SnapshotRow> rows) {
    SnapshotPage page;
    page.path = path;
    page.rows = std::move(rows);
    return page;
}

std::vector<uint8_t> ImageBytes() {
    const auto bytes = Ws().ParImage.bytes(0, 25484);
    return {bytes.begin(), bytes.end()};
}

TEST(Snapshot, RecordsWhatEveryPageShowsAndChangesNothing) {
    ASSERT_TRUE(Configure(kPhCondPurgon));
    const auto image = ImageBytes();
    const int selected = Ws().Tree.selected;
    const Snapshot snap = TakeSnapshot(SetChoice::Both);
    EXPECT_EQ(ImageBytes(), image);
    EXPECT_EQ(Ws().Tree.selected, selected);
    EXPECT_FALSE(Ws().ActiveParamSet);

    ASSERT_FALSE(snap.pages.empty());
    std::set<std::string> components;
    for (const SnapshotPage& p : snap.pages) {
        components.insert(p.component);
        PageModel page;
        ASSERT_TRUE(OpenPage(p.path, p.set, page)) << p.path;
        EXPECT_EQ(page.title, p.title);
        for (const SnapshotRow& r : p.rows) {
            const PageRow* row = page.find(r.row);
            ASSERT_NE(row, nullptr) << p.path << " row " << r.row;
            EXPECT_EQ(ShownValue(*row), r.value) << p.path << " > " << r.label;
            EXPECT_EQ(ShownUnit(*row), r.unit) << p.path << " > " << r.label;
        }
    }
    // The pH module, the conductivity module and the Purgon controller each have pages.
    for (const char* component : {"[I] PHS 2400", "[II] COND 2400", "[I] PG 2400"})
        EXPECT_EQ(components.count(component), 1u) << component;

    const SnapshotRow* zero = FindRow(snap, "[I] PHS 2400 > Calibration data", 'A', "Zero");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->value, "7.00");
    EXPECT_EQ(zero->unit, "pH");
    EXPECT_EQ(zero->raw, "0000e040");  // 7.0 as a little-endian float
    ASSERT_EQ(snap.hardware.size(), 9u);
    EXPECT_EQ(snap.hardware[3].key, "slot_1");
    EXPECT_EQ(snap.hardware[3].find("code")->value, "4");
}

// The set-B copy of a byte of a module's or calculation block's fixed part: commits write it, the factory
// defaults of a new module leave it empty, and no page shows it.
bool FixedPartCopy(std::size_t i) {
    for (int k = 0; k < kSectionCount; ++k) {
        const SectionInfo& info = SectionOf(static_cast<Section>(k));
        const bool slotFix = info.placement == SectionPlacement::SlotFix;
        if (!slotFix && info.placement != SectionPlacement::CalcFix) continue;
        for (int place = 0; place < (slotFix ? 3 : 2); ++place) {
            const long long start = ParamOffset(At(info.section, 0), static_cast<uint8_t>(slotFix ? place : place + 3), false);
            if (start != 0 && static_cast<long long>(i) >= start + 0x2000 && static_cast<long long>(i) < start + 0x2000 + info.size)
                return true;
        }
    }
    return false;
}

// Every byte in which `result` differs from `wanted` is one the format does not carry: a time stamp that
// a calibration rule wrote while the values were applied (four bytes holding a device time between
// `from` and `to`), or the set-B copy of a fixed part, empty or equal to its set-A byte in both images.
void ExpectEqualButNotCarried(const std::vector<uint8_t>& wanted, const std::vector<uint8_t>& result, int32_t from,
                              int32_t to, const std::string& what) {
    for (std::size_t i = 2; i < wanted.size(); ++i) {
        if (i == 16384 || i == 16385) continue;  // the Purgon image's checksum, computed when written
        if (wanted[i] == result[i]) continue;
        if (FixedPartCopy(i)) {
            EXPECT_TRUE(wanted[i] == 0 || wanted[i] == wanted[i - 0x2000]) << what << ": byte " << i;
            EXPECT_TRUE(result[i] == 0 || result[i] == result[i - 0x2000]) << what << ": byte " << i;
            continue;
        }
        bool stamp = false;
        for (std::size_t start = i >= 3 ? i - 3 : 0; start <= i && start + 4 <= result.size(); ++start) {
            const int32_t t = static_cast<int32_t>(result[start] | result[start + 1] << 8 | result[start + 2] << 16 |
                                                   static_cast<uint32_t>(result[start + 3]) << 24);
            stamp |= t >= from && t <= to;
        }
        EXPECT_TRUE(stamp) << what << ": byte " << i << " is " << int(result[i]) << ", not " << int(wanted[i]);
    }
}

// Export, then apply onto a fresh configuration with the same hardware: the same image.
void RoundTrip(const DeviceRecipe& recipe, const std::string& what) {
    if (!Configure(recipe, true)) return;
    test::EditEverything(SetChoice::Both);
    const std::vector<uint8_t> wanted = ImageBytes();
    std::string error;
    const auto file = SettingsFromJson(SettingsToJson(TakeSnapshot(SetChoice::Both)), error);
    ASSERT_TRUE(file) << error;

    ASSERT_TRUE(Configure(recipe));
    const int32_t from = DeviceSecondsNow();
    const ApplyReport report = ApplySettings(*file);
    const int32_t to = DeviceSecondsNow();
    // A value can decide the hardware (the Purgon controller's variant): the same once applied.
    for (const Difference& d : HardwareDifferences(file->hardware, DescribeHardware()))
        ADD_FAILURE() << what << ": " << DescribeDifference(d);
    for (const ApplyEntry& e : report.entries)
        EXPECT_EQ(e.status, ApplyStatus::Applied) << what << ": " << e.path << " > " << e.label << " [" << e.set
                                                  << "] " << e.wanted << " shows " << e.shown << ": " << e.reason;
    ExpectEqualButNotCarried(wanted, ImageBytes(), from, to, what);
}

TEST(ApplySettings, RoundTripOfEveryFamilyGivesTheSameImage) {
    RoundTrip(kPhCondPurgon, "pH, conductivity, Purgon");
    // Every module the configurator offers on its own, so that each family filled in is covered.
    for (const test::NamedRecipe& device : test::DevicePerOfferedPart()) RoundTrip(device.recipe, device.name);
}

// What a user sees of the loaded data set in every device language: the device tree's node texts, and
// every page of both sets with its title and each row's label, value, unit and whether it is editable.
std::vector<std::string> ShownInEveryLanguage() {
    std::vector<std::string> shown;
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        SelectLanguage(language);
        EXPECT_TRUE(BuildDeviceTree());
        std::string tree, pages;
        for (int node : NodesInOrder()) {
            tree += Ws().Tree.nodes[node].text + "\n";
            for (const bool setB : {false, true}) {
                Ws().ActiveParamSet = setB;
                DeviceTreeChange(node);
                if (Ws().Tree.activeTab != MainTab::Parameter) continue;
                const PageModel page = BuildFormpage();
                pages += page.title + "\n";
                for (const PageRow& row : page.rows)
                    pages += row.label + " | " + ShownValue(row) + " | " + ShownUnit(row) + (row.enabled ? "\n" : " | -\n");
            }
        }
        Ws().ActiveParamSet = false;
        shown.push_back(tree);
        shown.push_back(pages);
    }
    return shown;
}

// The first line in which two texts differ, both versions, for a failure message.
std::string FirstDifferentLine(const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const auto line = [at](const std::string& text) {
        const std::size_t start = text.rfind('\n', at == 0 ? 0 : at - 1);
        const std::size_t from = start == std::string::npos ? 0 : start + 1;
        return text.substr(from, text.find('\n', at) - from);
    };
    return "\"" + line(a) + "\" became \"" + line(b) + "\"";
}

// Every device the configurator offers, as the page sweep makes them: saved and loaded again it shows the
// same tree and pages in all seven languages. One test per front and software version, so that the shards
// share the work.
class OfferedDeviceRoundTrip : public ::testing::TestWithParam<std::pair<int, char>> {};

TEST_P(OfferedDeviceRoundTrip, SavedAndLoadedItShowsTheSameTreeAndPages) {
    const auto [front, major] = GetParam();
    test::TempDir dir;
    for (int module : test::OfferableModules()) {
        if (!test::ConfigureOffered(front, major, module)) continue;
        const std::string what = "front " + std::to_string(front) + " software " + major + " module " +
                                 std::to_string(module);
        const std::vector<std::string> shown = ShownInEveryLanguage();
        const std::string frontFile = dir.file("F.PAR");
        const std::string purgonFile = PurgonAttached() ? dir.file("P.PAR") : "";
        ASSERT_TRUE(WriteDataSet(frontFile, purgonFile).ok) << what;
        ResetWorkspace();
        ASSERT_TRUE(LoadDataSet(frontFile, purgonFile).ok()) << what;
        const std::vector<std::string> reloaded = ShownInEveryLanguage();
        ASSERT_EQ(reloaded.size(), shown.size());
        for (std::size_t i = 0; i < shown.size(); ++i)
            EXPECT_TRUE(reloaded[i] == shown[i]) << what << ": language " << i / 2 << (i % 2 ? " pages " : " tree ")
                                                 << FirstDifferentLine(shown[i], reloaded[i]);
    }
}

std::vector<std::pair<int, char>> FrontsAndVersions() {
    std::vector<std::pair<int, char>> params;
    for (int front : {2, 17})
        for (char major : test::kOfferedMajors) params.emplace_back(front, major);
    return params;
}

INSTANTIATE_TEST_SUITE_P(EveryFrontAndVersion, OfferedDeviceRoundTrip, ::testing::ValuesIn(FrontsAndVersions()),
                         [](const auto& info) {
                             return "front" + std::to_string(info.param.first) + "_software" + info.param.second;
                         });

TEST(ApplySettings, RefusesCorrectsAndReportsAsTheWindowWould) {
    ASSERT_TRUE(Configure(kPhCondPurgon));
    Snapshot file = TakeSnapshot(SetChoice::A);
    const std::string cal = "[I] PHS 2400 > Calibration data";
    auto row = [&](const std::string& path, const std::string& label) -> SnapshotRow& {
        for (SnapshotPage& p : file.pages)
            if (p.path == path)
                for (SnapshotRow& r : p.rows)
                    if (r.label == label) return r;
        ADD_FAILURE() << "no row " << label;
        static SnapshotRow none;
        return none;
    };
    row(cal, "Zero").value = "99";               // above the upper limit: stored as the limit
    row(cal, "Slope").value = "fifty";           // not a number: refused
    row(cal, "Sensor model").value = "se 7";     // capitals only, blank as the device blank
    row("[I] PHS 2400 > Input filter", "Pulse suppression").value = "Sometimes";  // no such item
    row("[I] PHS 2400 > Input filter", "Pulse suppression").label = "Renamed";     // and no such row
    row("[I] PG 2400 > Fixed interval", "Interval").value = "12.0";
    file.pages.push_back(Page("[I] PHS 2400 > Nowhere", {{0, "number", "X", "1", "", "", true}}));
    // The file was taken from a conductivity module in slot [I].
    file.hardware[3].fields[0].value = "5";
    file.hardware[3].fields[1].value = "COND 2400";

    const ApplyReport report = ApplySettings(file);
    ASSERT_EQ(report.hardware.size(), 1u);
    EXPECT_EQ(DescribeDifference(report.hardware[0]), "Hardware > Slot [I]: COND 2400 (5) \u2192 PHS 2400 (4)");
    std::map<std::string, ApplyEntry> byLabel;
    int refused = 0;
    for (const ApplyEntry& e : report.entries) {
        if (e.path.starts_with(cal) || e.path.find("Input filter") != std::string::npos ||
            e.path.find("Fixed interval") != std::string::npos || e.path.find("Nowhere") != std::string::npos)
            byLabel[e.label] = e;
        refused += e.status == ApplyStatus::Refused;
    }
    // The calibration rule of the zero point recomputes values of other pages, which then show
    // another value than the file; everything else is what was asked for.
    ASSERT_EQ(byLabel.size(), 6u);
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(byLabel["Zero"].status, ApplyStatus::Corrected);
    EXPECT_EQ(byLabel["Zero"].reason, "above the upper limit");
    EXPECT_NE(byLabel["Zero"].shown, "7.00 pH");
    EXPECT_EQ(byLabel["Slope"].status, ApplyStatus::Refused);
    EXPECT_EQ(byLabel["Slope"].reason, "not a number");
    EXPECT_EQ(byLabel["Slope"].shown, "58.0 mV/pH");
    EXPECT_EQ(byLabel["Sensor model"].status, ApplyStatus::Corrected);
    EXPECT_EQ(byLabel["Sensor model"].shown, "se\u00b77\u00b7\u00b7\u00b7\u00b7\u00b7\u00b7");
    EXPECT_EQ(byLabel["Renamed"].status, ApplyStatus::NotShown);
    EXPECT_EQ(byLabel["X"].status, ApplyStatus::NotShown);
    EXPECT_EQ(byLabel["Interval"].status, ApplyStatus::Applied);
    EXPECT_TRUE(report.refused());
    EXPECT_GT(report.unchanged, 50);

    // What the report says is what the pages show.
    const Snapshot after = TakeSnapshot(SetChoice::A);
    EXPECT_EQ(FindRow(after, "[I] PG 2400 > Fixed interval", 'A', "Interval")->value, "12.0");
    EXPECT_EQ(FindRow(after, cal, 'A', "Zero")->value + " pH", byLabel["Zero"].shown);

    file.pages.clear();
    file.pages.push_back(Page(cal, {{3, "number", "Zero", "7.5", "pH", "", true}}));
    file.pages[0].rows.push_back({4, "number", "Slope", "58.0", "mV/pH", "", true});
    const ApplyReport again = ApplySettings(file);
    ASSERT_EQ(again.entries.size(), 1u);
    EXPECT_EQ(again.entries[0].status, ApplyStatus::Applied) << again.entries[0].label << " " << again.entries[0].shown << " " << again.entries[0].reason;
    EXPECT_EQ(again.unchanged, 1);
    EXPECT_FALSE(again.refused());
}

}  // namespace
}  // namespace tessalin

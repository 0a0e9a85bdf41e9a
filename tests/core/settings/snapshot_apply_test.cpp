#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/catalogue/codec.h"
#include "core/catalogue/formatters.h"
#include "core/common/sections.h"
#include "core/data_set/write.h"
#include "core/device/load_data_set.h"
#include "core/main_window/save_decisions.h"
#include "core/page/row_text.h"
#include "core/page/row_values.h"
#include "core/settings/apply.h"
#include "core/settings/page_walk.h"
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

// The image bytes of values whose rows the loaded data set's pages hide, in either set, and that no shown
// row holds: a value edited while shown and then hidden by another edit (an oxygen sensor's "Quellix"
// once its sensor type is "Other") is not in the settings file, and keeps what it had where applied.
std::set<long long> HiddenValueBytes() {
    std::set<long long> hidden, shown;
    ForEachPage(SetChoice::Both, [&](int, char, const PageModel& page) {
        for (int r = 0; r <= Ws().CurrentPage.lastParam; ++r) {
            const TParamEntry* entry = MakeRowCurrent(r);
            if (entry == nullptr) continue;
            std::set<long long>& bytes = page.find(r) != nullptr ? shown : hidden;
            const long long offset = CurrentValueOffset();
            for (int i = 0; i < StoredWidth(*entry) && offset > 0; ++i) bytes.insert(offset + i);
        }
    });
    for (long long byte : shown) hidden.erase(byte);
    return hidden;
}

// Every byte in which `result` (the loaded image) differs from `wanted` is one the format does not
// carry: a time stamp that a calibration rule wrote while the values were applied (four bytes holding a
// device time between `from` and `to`), the set-B copy of a fixed part, empty or equal to its set-A byte
// in both images, a value of a row that its page hides, or one of the `readOnly` bytes.
void ExpectEqualButNotCarried(const std::vector<uint8_t>& wanted, const std::vector<uint8_t>& result, int32_t from,
                              int32_t to, const std::set<long long>& readOnly, const std::string& what) {
    const std::set<long long> hidden = HiddenValueBytes();
    for (std::size_t i = 2; i < wanted.size(); ++i) {
        if (i == 16384 || i == 16385) continue;  // the Purgon image's checksum, computed when written
        const auto at = static_cast<long long>(i);
        if (wanted[i] == result[i] || hidden.count(at) != 0 || readOnly.count(at) != 0) continue;
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

// A value that apply reports as not editable and that was read-only in the file too, with its bytes put
// into `bytes`: a rule of another row wrote it in the source (the cut-off temperature that a monitoring
// choice sets unless it is "Individual"), and that choice, already the factory default where applied, was
// never entered there, so the rule did not run. Nothing can enter it; the report names it.
bool ReadOnlyInBoth(const Snapshot& file, const ApplyEntry& entry, std::set<long long>& bytes) {
    const SnapshotPage* source = FindPage(file, entry.path, entry.set);
    const SnapshotRow* wanted = source != nullptr ? source->find(entry.row) : nullptr;
    PageModel page;
    if (entry.status != ApplyStatus::NotEditable || wanted == nullptr || wanted->editable ||
        !OpenPage(entry.path, entry.set, page) || page.find(entry.row) == nullptr)
        return false;
    const TParamEntry* param = MakeRowCurrent(entry.row);
    const long long offset = CurrentValueOffset();
    for (int i = 0; i < StoredWidth(*param); ++i) bytes.insert(offset + i);
    return true;
}

// Every value edited, then exported: the settings file, with the image it was taken from in `wanted`.
std::optional<Snapshot> EditAndExport(std::vector<uint8_t>& wanted) {
    test::EditEverything(SetChoice::Both);
    wanted = ImageBytes();
    std::string error;
    auto file = SettingsFromJson(SettingsToJson(TakeSnapshot(SetChoice::Both)), error);
    EXPECT_TRUE(file) << error;
    return file;
}

// Applies the file onto the same hardware made afresh: the same hardware, every value applied, and the
// image it was exported from but for the bytes the file does not carry.
void ExpectAppliedAsExported(const Snapshot& file, const std::vector<uint8_t>& wanted, const std::string& what) {
    const int32_t from = DeviceSecondsNow();
    const ApplyReport report = ApplySettings(file);
    const int32_t to = DeviceSecondsNow();
    // A value can decide the hardware (the Purgon controller's variant): the same once applied.
    for (const Difference& d : HardwareDifferences(file.hardware, DescribeHardware()))
        ADD_FAILURE() << what << ": " << DescribeDifference(d);
    std::set<long long> readOnly;
    for (const ApplyEntry& e : report.entries) {
        if (ReadOnlyInBoth(file, e, readOnly)) continue;
        EXPECT_EQ(e.status, ApplyStatus::Applied) << what << ": " << e.path << " > " << e.label << " [" << e.set
                                                  << "] " << e.wanted << " shows " << e.shown << ": " << e.reason;
    }
    ExpectEqualButNotCarried(wanted, ImageBytes(), from, to, readOnly, what);
}

// Export, then apply onto a fresh configuration with the same hardware: the same image.
void RoundTrip(const DeviceRecipe& recipe, const std::string& what) {
    if (!Configure(recipe, true)) return;
    std::vector<uint8_t> wanted;
    const auto file = EditAndExport(wanted);
    ASSERT_TRUE(file) << what;
    ASSERT_TRUE(Configure(recipe));
    ExpectAppliedAsExported(*file, wanted, what);
}

// Sets both calculation blocks to the last definition their lists offer, on the front unit's page as a
// user would, when the device's modules fit one; their pages are then shown, edited and exported too.
void ChooseCalcBlocks() {
    std::string path;
    for (const auto& [title, node] : NodesByTitlePath())
        if (title.ends_with(" > Calculation-Blocks")) path = title;
    PageModel page;
    if (path.empty() || !OpenPage(path, 'A', page)) return;
    const std::vector<PageRow> rows = page.rows;
    for (const PageRow& row : rows) {
        if (row.kind != kKindChoice || row.items.size() < 2 || !OpenPage(path, 'A', page)) continue;
        CommitChoice(page, row.row, static_cast<int>(row.items.size()) - 1);
        if (std::exchange(Ws().TreeRebuildRequest, false)) RedecodeKeepSelection();
    }
}

// Every device the configurator offers, as the page sweep makes them (the module twice, so that both
// calculation blocks can combine them): every value edited, exported, and applied onto the same device
// made afresh gives the same image. One test per front and software version, so that the shards share
// the work.
class OfferedDeviceExport : public ::testing::TestWithParam<std::pair<int, char>> {};

TEST_P(OfferedDeviceExport, ExportThenApply) {
    const auto [front, major] = GetParam();
    for (int module : test::OfferableModules()) {
        if (!test::ConfigureOffered(front, major, module)) continue;
        const std::string what = "front " + std::to_string(front) + " software " + major + " module " +
                                 std::to_string(module);
        SelectLanguage(1);
        ASSERT_TRUE(BuildDeviceTree()) << what;
        ChooseCalcBlocks();
        std::vector<uint8_t> wanted;
        const auto file = EditAndExport(wanted);
        ASSERT_TRUE(file) << what;
        ASSERT_TRUE(test::ConfigureOffered(front, major, module)) << what;
        ExpectAppliedAsExported(*file, wanted, what);
    }
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

std::string FrontAndVersionName(const ::testing::TestParamInfo<std::pair<int, char>>& info) {
    return "front" + std::to_string(info.param.first) + "_software" + info.param.second;
}

INSTANTIATE_TEST_SUITE_P(EveryFrontAndVersion, OfferedDeviceRoundTrip, ::testing::ValuesIn(FrontsAndVersions()),
                         FrontAndVersionName);

INSTANTIATE_TEST_SUITE_P(EveryFrontAndVersion, OfferedDeviceExport, ::testing::ValuesIn(FrontsAndVersions()),
                         FrontAndVersionName);

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

// A hand-written file needs only row, kind, label and value: a number without a unit is entered in the
// unit the page shows; a unit the row does not offer is still refused.
TEST(ApplySettings, ANumberWithoutUnitIsEnteredInTheUnitThePageShows) {
    ASSERT_TRUE(Configure(kPhCondPurgon));
    const std::string cal = "[I] PHS 2400 > Calibration data";
    Snapshot file = TakeSnapshot(SetChoice::A);
    file.pages = {Page(cal, {{3, "number", "Zero", "7.5", "pH", "", true}, {4, "number", "Slope", "57", "pH", "", true}})};
    nlohmann::ordered_json json = nlohmann::ordered_json::parse(SettingsToJson(file));
    json["pages"][0]["rows"][0] = {{"row", 3}, {"kind", "number"}, {"label", "Zero"}, {"value", "7.5"}};
    std::string error;
    const std::optional<Snapshot> read = SettingsFromJson(json.dump(), error);
    ASSERT_TRUE(read) << error;
    const ApplyReport report = ApplySettings(*read);
    ASSERT_EQ(report.entries.size(), 2u);
    EXPECT_EQ(report.entries[0].status, ApplyStatus::Applied) << report.entries[0].reason;
    EXPECT_EQ(report.entries[1].status, ApplyStatus::Refused);
    EXPECT_EQ(report.entries[1].reason, "the row offers no unit 'pH'");
    EXPECT_EQ(FindRow(TakeSnapshot(SetChoice::A), cal, 'A', "Zero")->value, "7.50");
}

// A list of one item shows it whatever its byte holds: the pressure transmitter of an optical oxygen
// sensor offers only "Absolute", while a card can hold the code of the difference transmitter there.
// Applying a file that stored "Absolute" enters the item, so that the byte holds the file's code.
TEST(ApplySettings, AListOfOneItemTakesTheCodeOfTheFile) {
    const auto configure = [] {
        ASSERT_TRUE(test::ConfigureOffered(2, 'A', 29));
        SelectLanguage(1);
        ASSERT_TRUE(BuildDeviceTree());
    };
    const std::string path = "[I] KB 2400/O > Pressure correction > Ext. pressure transmitter";
    const auto stored = [&] {
        PageModel page;
        EXPECT_TRUE(OpenPage(path, 'A', page));
        return page.find(0) != nullptr ? StoredBytes(*page.find(0), false) : "";
    };
    configure();
    test::CommitValue(path, 'A', 0, "Absolute");
    const Snapshot file = TakeSnapshot(SetChoice::A);
    const SnapshotRow* transmitter = FindRow(file, path, 'A', "Pressure transmitter");
    ASSERT_NE(transmitter, nullptr);
    ASSERT_EQ(transmitter->value, "Absolute");
    ASSERT_EQ(transmitter->raw, "01");

    configure();
    {
        PageModel page;
        ASSERT_TRUE(OpenPage(path, 'A', page));
        ASSERT_NE(MakeRowCurrent(0), nullptr);
        WriteU8(CurrentValueOffset(), 2);  // the difference transmitter
    }
    ASSERT_EQ(stored(), "02");
    const ApplyReport report = ApplySettings(file);
    EXPECT_EQ(stored(), "01");
    bool reported = false;
    for (const ApplyEntry& e : report.entries) {
        if (e.path != path) continue;
        reported = true;
        EXPECT_EQ(e.status, ApplyStatus::Applied) << e.label << ": " << e.reason;
    }
    EXPECT_TRUE(reported);
}

}  // namespace
}  // namespace tessalin

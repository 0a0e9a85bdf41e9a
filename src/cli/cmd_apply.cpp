// tessalin-cli apply: takes the values of a settings file into a data set through the commit cycle.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/output_files.h"
#include "cli/settings_io.h"
#include "cli/tree_session.h"
#include "core/range_error.h"
#include "core/settings/apply.h"
#include "core/settings/settings_file.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli apply FRONT [PURGON] SETTINGS.json (-o OUTFRONT [OUTPURGON] | --in-place)\n"
    "                          [--dry-run] [--keep-going] [--json]\n"
    "Takes every value of a settings file (made by 'export') into the data set as leaving its field in the\n"
    "window would: limits, corrections, rules and follow-ups, page by page in tree order. Reports every\n"
    "value refused, corrected, not shown or not editable, and the hardware differences (the hardware is\n"
    "never applied). Writes nothing with --dry-run, nor when a value is refused unless --keep-going is\n"
    "given.\n"
    "Exit codes: 0 every value taken, 2 usage error, 3 a data set or the settings file refused, or a value\n"
    "of it refused, 4 the data set not written.\n";

std::string Where(const ApplyEntry& e) {
    return e.path + " > " + e.label + " [set " + std::string(1, e.set) + "]";
}

std::string AsText(const ApplyReport& report, const std::string& verdict) {
    std::string out;
    for (const Difference& d : report.hardware) out += "hardware differs, not applied: " + DescribeDifference(d) + "\n";
    int counts[5] = {};
    const ApplyEntry* pageMissing = nullptr;  // the values of a page the data set lacks: one line
    for (const ApplyEntry& e : report.entries) {
        ++counts[static_cast<int>(e.status)];
        if (e.status == ApplyStatus::Applied) continue;
        if (e.status == ApplyStatus::NotShown && e.row >= 0 && e.reason == kNoSuchPage) {
            if (pageMissing == nullptr || pageMissing->path != e.path || pageMissing->set != e.set)
                out += "not shown: " + e.path + " [set " + std::string(1, e.set) + "] (" + e.reason + ")\n";
            pageMissing = &e;
            continue;
        }
        out += std::string(ApplyStatusName(e.status)) + ": " + Where(e) + ": " + e.wanted;
        if (!e.shown.empty()) out += " \u2192 shows " + e.shown;
        out += " (" + e.reason + ")\n";
    }
    out += std::to_string(counts[0]) + " applied, " + std::to_string(report.unchanged) + " unchanged, " +
           std::to_string(counts[1]) + " corrected, " + std::to_string(counts[2]) + " refused, " +
           std::to_string(counts[3]) + " not shown, " + std::to_string(counts[4]) + " not editable; " + verdict + "\n";
    return out;
}

Json AsJson(const ApplyReport& report, bool written) {
    Json hardware = Json::array();
    for (const Difference& d : report.hardware) hardware.push_back(DescribeDifference(d));
    Json values = Json::array();
    for (const ApplyEntry& e : report.entries) {
        values.push_back({{"status", ApplyStatusName(e.status)},
                          {"set", std::string(1, e.set)},
                          {"path", e.path},
                          {"row", e.row},
                          {"label", e.label},
                          {"value", e.wanted},
                          {"shown", e.shown},
                          {"reason", e.reason}});
    }
    return {{"written", written}, {"unchanged", report.unchanged}, {"hardware", std::move(hardware)},
            {"values", std::move(values)}};
}

int Run(const std::vector<std::string>& original) {
    std::vector<std::string> argv = original;
    Output output;
    std::string error;
    if (!TakeOutput(argv, output, error)) return UsageError("apply", error);
    Args args(argv, {}, {"in-place", "dry-run", "keep-going", "json"});
    if (!args.ok()) return UsageError("apply", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        std::fputs(kOutputFilesHelp, stdout);
        return kExitOk;
    }
    const bool inPlace = args.has("in-place"), dryRun = args.has("dry-run");
    if (inPlace && !output.front.empty()) return UsageError("apply", "give either -o OUTFRONT [OUTPURGON] or --in-place");
    if (!dryRun && !inPlace && output.front.empty())
        return UsageError("apply", "give -o OUTFRONT [OUTPURGON], --in-place or --dry-run");
    const auto& files = args.positional();
    if (files.size() < 2 || files.size() > 3) return UsageError("apply", "give FRONT [PURGON] and a settings file");
    std::vector<NamedFile> inputs = DataSetInputs({files.begin(), files.end() - 1});
    inputs.push_back({"SETTINGS", files.back(), ""});
    if (const int code = RefuseOverlaps("apply", inputs, output); code != kExitOk) return code;

    std::string text;
    if (!ReadTextFile(files.back(), text, error)) {
        std::fprintf(stderr, "tessalin-cli apply: cannot read %s\n", error.c_str());
        return kExitRefused;
    }
    const std::optional<Snapshot> settings = SettingsFromJson(text, error);
    if (!settings) {
        std::fprintf(stderr, "tessalin-cli apply: %s refused: %s\n", files.back().c_str(), error.c_str());
        return kExitRefused;
    }
    if (!dryRun) HoldDataSet(files[0]);
    if (const int code = OpenDataSetFiles("apply", settings->language, files[0], files.size() == 3 ? files[1] : "");
        code != kExitOk)
        return code;
    ApplyReport report;
    try {
        report = ApplySettings(*settings);
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli apply: %s; nothing written\n", e.what());
        return kExitRefused;
    }
    const bool refused = report.refused();
    const bool write = !dryRun && (!refused || args.has("keep-going"));
    // The report tells what happened to the data set, so it follows the save.
    const int saved = write ? SaveOutputs("apply", inPlace, output) : kExitOk;
    const bool written = write && saved == kExitOk;
    const std::string verdict = dryRun    ? "dry run, nothing written"
                                : !write  ? "nothing written (a value was refused; --keep-going writes the rest)"
                                : written ? "written"
                                          : "nothing written (the save failed)";
    if (args.has("json"))
        PrintJson(AsJson(report, written));
    else
        WriteOut(AsText(report, verdict));
    if (saved != kExitOk) return saved;
    return refused ? kExitRefused : kExitOk;
}

const CommandRegistration registration("apply", "take the values of a settings file into a data set", Run);

}  // namespace
}  // namespace tessalin::cli

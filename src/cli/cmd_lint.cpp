// tessalin-cli lint: checks every stored value of a data set against what the analyser accepts, and with
// --fix repairs them through the commit cycle of the window.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/output_files.h"
#include "cli/tree_session.h"
#include "core/check/check.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli lint FRONT [PURGON] [--json] [--lang N]\n"
    "                         [--fix (-o OUTFRONT [OUTPURGON] | --in-place) [--dry-run]]\n"
    "Checks every value of every page in parameter sets A and B against what the analyser accepts (list\n"
    "codes, number limits, not-a-number, text characters, times, both-sets rows whose halves differ), the\n"
    "identity of the device (slot table, I-module, calculation blocks, Purgon controller) and the Purgon\n"
    "programs, and lists each finding with its place, the stored value, what is accepted and the repair.\n"
    "--fix enters every repair as leaving the field in the window would (rules run), reports each, and\n"
    "writes the data set only when every finding was repaired; --dry-run writes nothing.\n"
    "Exit codes: 0 no findings (or all repaired), 1 findings left, 2 usage error, 3 the data set refused,\n"
    "4 the data set not written.\n";

std::string Line(const char* prefix, const check::Finding& f) {
    std::string place = check::FindingPlace(f, Ws().UiLanguage);
    if (f.row >= 0) place += " (row " + std::to_string(f.row) + ")";
    return std::string(prefix) + check::SeverityName(f.severity) + ": " + place + ": " + check::FindingDetail(f, Ws().UiLanguage) + "\n";
}

Json FindingJson(const check::Finding& f) {
    Json j;
    j["severity"] = check::SeverityName(f.severity);
    j["kind"] = check::KindName(f.kind);
    j["path"] = f.path;
    j["node"] = f.node;
    j["set"] = std::string(1, f.set);
    j["row"] = f.row;
    j["label"] = f.label;
    j["stored"] = f.stored;
    j["accepted"] = f.accepted;
    j["repair"] = f.repair;
    return j;
}

Json ListJson(const std::vector<check::Finding>& findings) {
    Json list = Json::array();
    for (const check::Finding& f : findings) list.push_back(FindingJson(f));
    return list;
}

std::string Count(std::size_t n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

int Run(const std::vector<std::string>& original) {
    std::vector<std::string> argv = original;
    Output output;
    std::string error;
    if (!TakeOutput(argv, output, error)) return UsageError("lint", error);
    Args args(argv, {"lang"}, {"json", "fix", "in-place", "dry-run"});
    if (!args.ok()) return UsageError("lint", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        std::fputs(kOutputFilesHelp, stdout);
        return kExitOk;
    }
    const bool fix = args.has("fix"), inPlace = args.has("in-place"), dryRun = args.has("dry-run");
    if (!fix && (inPlace || dryRun || !output.front.empty()))
        return UsageError("lint", "-o, --in-place and --dry-run go with --fix");
    if (fix && inPlace && !output.front.empty()) return UsageError("lint", "give either -o OUTFRONT [OUTPURGON] or --in-place");
    if (fix && !dryRun && !inPlace && output.front.empty())
        return UsageError("lint", "--fix needs -o OUTFRONT [OUTPURGON], --in-place or --dry-run");
    const auto& files = args.positional();
    if (files.empty() || files.size() > 2) return UsageError("lint", "give FRONT [PURGON]");
    if (const int code = RefuseOverlaps("lint", DataSetInputs(files), output); code != kExitOk) return code;
    if (fix && !dryRun) HoldDataSet(files[0]);
    if (const int code = OpenDataSetTree("lint", args, files.size()); code != kExitOk) return code;

    const bool json = args.has("json");
    try {
        if (!fix) {
            const std::vector<check::Finding> findings = check::CheckDataSet();
            if (json) {
                Json doc;
                doc["findings"] = ListJson(findings);
                PrintJson(doc);
            } else {
                for (const check::Finding& f : findings) std::fputs(Line("", f).c_str(), stdout);
                std::fputs((findings.empty() ? std::string("no findings\n") : Count(findings.size(), "finding") + "\n").c_str(),
                           stdout);
            }
            return findings.empty() ? kExitOk : kExitNo;
        }
        const check::RepairReport report = check::RepairAll();
        const bool write = report.allRepaired() && !dryRun;
        // The report tells what happened to the data set, so it follows the save.
        const int saved = write ? SaveOutputs("lint", inPlace, output) : kExitOk;
        const bool written = write && saved == kExitOk;
        if (json) {
            Json doc;
            doc["repaired"] = ListJson(report.repaired);
            doc["remaining"] = ListJson(report.remaining);
            doc["written"] = written;
            PrintJson(doc);
        } else {
            for (const check::Finding& f : report.repaired) std::fputs(Line("repaired ", f).c_str(), stdout);
            for (const check::Finding& f : report.remaining) std::fputs(Line("not repaired ", f).c_str(), stdout);
            const std::string verdict = dryRun                  ? "dry run, nothing written"
                                        : !report.allRepaired() ? "nothing written (a finding was not repaired)"
                                        : written               ? "written"
                                                                : "nothing written (the save failed)";
            std::fputs((Count(report.repaired.size(), "repair") + ", " + Count(report.remaining.size(), "finding") +
                        " left; " + verdict + "\n").c_str(), stdout);
        }
        if (saved != kExitOk) return saved;
        return report.allRepaired() ? kExitOk : kExitNo;
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli lint: %s; nothing written\n", e.what());
        return kExitRefused;
    }
}

const CommandRegistration registration("lint", "check every stored value against what the analyser accepts; repair", Run);

}  // namespace
}  // namespace tessalin::cli

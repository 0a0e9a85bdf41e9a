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
    "codes, number limits, not-a-number, text characters, times, both-sets rows whose halves differ, values\n"
    "that a page corrects when it is shown), the identity of the device (slot table, I-module, calculation\n"
    "blocks, Purgon controller) and the Purgon programs (steps, switching points), and lists each finding\n"
    "with its place, the stored value, what is accepted, the repair, and every other value the repair\n"
    "changes (\"also ...\"). Checking reads only. Texts follow --lang (German with 0).\n"
    "--fix enters every repair that exists as leaving the field in the window would (rules run; a repair of\n"
    "calibration data does not stamp the module as calibrated now), reports each with every value it\n"
    "changed, lists the findings left, and writes the data set when anything was repaired or nothing is\n"
    "left; --dry-run writes nothing and shows the same.\n"
    "Exit codes: 0 no findings (or all repaired), 1 findings left, 2 usage error, 3 the data set refused,\n"
    "4 the data set not written.\n";

std::string Line(const std::string& prefix, const check::Finding& f) {
    const int ui = Ws().UiLanguage;
    // Appended piece by piece: g++ 12 sees a false overflow in `" " + temporary` here.
    std::string out = prefix;
    out.append(check::SeverityText(f.severity, ui)).append(": ").append(check::FindingPlace(f, ui));
    if (f.row >= 0) out.append(" ").append(check::FindingRowText(f, ui));
    out.append(": ").append(check::FindingDetail(f, ui)).append("\n");
    for (const std::string& also : check::FindingAlsoLines(f, ui)) out.append("    ").append(also).append("\n");
    return out;
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
    Json also = Json::array();
    for (const check::ValueChange& change : f.alsoChanges)
        also.push_back(Json{{"place", change.place}, {"before", change.before}, {"after", change.after}});
    j["also_changes"] = also;
    return j;
}

Json ListJson(const std::vector<check::Finding>& findings) {
    Json list = Json::array();
    for (const check::Finding& f : findings) list.push_back(FindingJson(f));
    return list;
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
    const int ui = Ws().UiLanguage;
    const bool de = ui == 0;
    try {
        if (!fix) {
            const std::vector<check::Finding> findings = check::CheckDataSet();
            if (json) {
                Json doc;
                doc["findings"] = ListJson(findings);
                PrintJson(doc);
            } else {
                for (const check::Finding& f : findings) std::fputs(Line("", f).c_str(), stdout);
                std::fputs((check::CountFindings(findings.size(), ui) + "\n").c_str(), stdout);
            }
            return findings.empty() ? kExitOk : kExitNo;
        }
        // Every repair that exists is made; the findings without one stay and are listed.
        const check::RepairReport report = check::RepairAll();
        // Written when a repair changed it, or when nothing is left to repair (the copy asked for).
        const bool write = !dryRun && (!report.repaired.empty() || report.allRepaired());
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
            for (const check::Finding& f : report.repaired) std::fputs(Line(de ? "repariert " : "repaired ", f).c_str(), stdout);
            for (const check::Finding& f : report.remaining)
                std::fputs(Line(de ? "nicht repariert " : "not repaired ", f).c_str(), stdout);
            const std::string verdict = dryRun                     ? (de ? "Probelauf, nichts geschrieben" : "dry run, nothing written")
                                        : !write                  ? (de ? "nichts geschrieben" : "nothing written")
                                        : written                 ? (de ? "geschrieben" : "written")
                                                                  : (de ? "nichts geschrieben (das Speichern schlug fehl)"
                                                                        : "nothing written (the save failed)");
            std::fputs((check::CountRepairs(report.repaired.size(), ui) + ", " + check::CountFindings(report.remaining.size(), ui) +
                        (de ? " übrig; " : " left; ") + verdict + "\n").c_str(),
                       stdout);
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

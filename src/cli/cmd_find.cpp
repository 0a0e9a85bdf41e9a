// tessalin-cli find: the parameters of a data set whose texts contain a search text, as the window's find
// bar lists them.
#include <cstdio>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/command.h"
#include "cli/tree_session.h"
#include "core/find/find.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli find FRONT [PURGON] TEXT [--set A|B] [--lang N] [--json]\n"
    "Finds TEXT in every title of the device tree, in the label, heading, shown value, unit and choice texts\n"
    "of every row of every page the data set shows, and in the labels, headings and choice texts of the\n"
    "sub-pages that its buttons open, in parameter set --set (default A) and device language --lang 0..6\n"
    "(default 1), without regard to letter case and accents; \"ue\", \"oe\", \"ae\" and \"ss\" find \"ü\", \"ö\",\n"
    "\"ä\" and \"ß\", and a blank finds the device blank \"·\" of a text field. Prints one hit a line: the\n"
    "node's index path, the row (\"-\" for a title; the button row for a sub-page) and the hit as\n"
    "\"PATH > Label: value unit\", with \"— offers ITEM\" when a choice item not shown matched; hits of one\n"
    "page that read alike are one. --json gives them as an array of objects.\n"
    "Exit codes: 0 hits found, 1 no hits, 2 usage error, 3 the data set refused.\n";

Json HitJson(const FindHit& hit, char set) {
    Json out;
    out["node"] = hit.node;
    out["path"] = hit.path;
    out["set"] = std::string(1, set);
    out["row"] = hit.row < 0 ? Json(nullptr) : Json(hit.row);
    out["label"] = hit.label;
    out["value"] = hit.value;
    out["unit"] = hit.unit;
    out["item"] = hit.item;
    out["text"] = hit.text();
    return out;
}

int Run(const std::vector<std::string>& argv) {
    Args args(argv, {"lang", "set"}, {"json"});
    if (!args.ok()) return UsageError("find", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    const std::vector<std::string>& positional = args.positional();
    if (positional.size() < 2) return UsageError("find", "FRONT and TEXT are required");
    if (positional.back().empty()) return UsageError("find", "TEXT is empty: give a text to find");
    bool setB = false;
    if (!ReadParamSet(args, setB)) return UsageError("find", "--set takes A or B");
    if (const int code = OpenDataSetTree("find", args, positional.size() - 1); code != kExitOk) return code;

    std::vector<FindHit> hits;
    Ws().ActiveParamSet = setB;
    try {
        hits = FindInDataSet(positional.back());
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli find: %s\n", e.what());
        return kExitRefused;
    }
    const char set = setB ? 'B' : 'A';
    if (args.has("json")) {
        Json out = Json::array();
        for (const FindHit& hit : hits) out.push_back(HitJson(hit, set));
        PrintJson(out);
    } else {
        for (const FindHit& hit : hits)
            std::printf("%s\t%s\t%s\n", hit.node.c_str(), hit.row < 0 ? "-" : std::to_string(hit.row).c_str(),
                        hit.text().c_str());
    }
    return hits.empty() ? kExitNo : kExitOk;
}

const CommandRegistration registration("find", "find parameters by their titles, labels, values and units", Run);

}  // namespace
}  // namespace tessalin::cli

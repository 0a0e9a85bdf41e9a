// tessalin-cli tree: the device tree of a data set, one line per node.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/tree_session.h"
#include "core/common/texts.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli tree FRONT [PURGON] [--lang N] [--json]\n"
    "Prints every node of the device tree: its index path (\"0\", \"0/2\", \"0/2/1\"), level, text, module code,\n"
    "position, slot and the index of its menu entry. --lang selects the device language 0..6 (default 1).\n"
    "Exit codes: 0 done, 2 usage error, 3 the data set refused or names an unknown module.\n";

// The index of a node's menu entry in its module's menu table: its record counted from the record of the
// component node above it (the records of one module follow the table).
int EntryIndex(int node) {
    const DeviceTreeState& tree = Ws().Tree;
    int top = node;
    while (tree.nodes[top].parent >= 0) top = tree.nodes[top].parent;
    return tree.nodes[node].record - tree.nodes[top].record;
}

int Run(const std::vector<std::string>& argv) {
    Args args(argv, {"lang"}, {"json"});
    if (!args.ok()) return UsageError("tree", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    if (const int code = OpenDataSetTree("tree", args, args.positional().size()); code != kExitOk) return code;

    const bool json = args.has("json");
    const DeviceTreeState& tree = Ws().Tree;
    std::string out;
    Json nodes = Json::array();
    for (int id : NodesInOrder()) {
        const TreeNode& node = tree.nodes[id];
        const TTabPtrRec& rec = tree.records[node.record];
        const std::string path = NodePath(id);
        const std::string plain = CatalogTextToPlain(node.text);
        const int entry = EntryIndex(id);
        if (json) {
            nodes.push_back({{"path", path},
                             {"level", node.level},
                             {"markup", node.text},
                             {"text", plain},
                             {"module", rec.moduleType},
                             {"position", rec.position},
                             {"slot", rec.slot},
                             {"entry", node.level == 0 ? Json() : Json(entry)}});
        } else {
            out += path + "\t" + std::string(2 * node.level, ' ') + plain + "\t(level " +
                   std::to_string(node.level) + ", module " + std::to_string(rec.moduleType) + ", position " +
                   std::to_string(rec.position) + ", slot " + std::to_string(rec.slot) +
                   (node.level == 0 ? "" : ", entry " + std::to_string(entry)) + ")\n";
        }
    }
    if (json)
        PrintJson(nodes);
    else
        std::fputs(out.c_str(), stdout);
    return kExitOk;
}

const CommandRegistration registration("tree", "print the device tree of a data set", Run);

}  // namespace
}  // namespace tessalin::cli

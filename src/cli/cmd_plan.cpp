// tessalin-cli plan: the terminal plan of a unit as a PNG picture, for documents made without the window.
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/tree_session.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "gui/terminal_plan/terminal_plan_image.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli plan FRONT [PURGON] --node PATH -o OUT.png [--lang N] [--json]\n"
    "Draws the terminal plan of the unit at the top-level tree node PATH (as printed by 'tree': the front\n"
    "unit, the base unit, a module, the I-module or the Purgon controller) as a 500 x 600 PNG picture.\n";

// Drawing offscreen needs no runtime directory: the toolkit's note that none is set is no message for the
// user. Every other toolkit message goes on as before.
QtMessageHandler gToolkitMessages = nullptr;

void WithoutRuntimeDirNote(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("XDG_RUNTIME_DIR"))) return;
    if (gToolkitMessages != nullptr) gToolkitMessages(type, context, message);
}

// The pictures are drawn with the toolkit's painter, which needs an application object; no window opens.
void StartPainting() {
    static int argc = 1;
    static char name[] = "tessalin-cli";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    gToolkitMessages = qInstallMessageHandler(WithoutRuntimeDirNote);
    static QGuiApplication app(argc, argv);
}

int Run(const std::vector<std::string>& argv) {
    Args args(argv, {"lang", "node", "o"}, {"json"});
    if (!args.ok()) return UsageError("plan", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    const auto out = args.value("o");
    if (!out) return UsageError("plan", "-o OUT.png is required");
    const auto path = args.value("node");
    if (!path) return UsageError("plan", "--node PATH is required");
    if (const int code = OpenDataSetTree("plan", args, args.positional().size()); code != kExitOk) return code;

    const int node = NodeAtPath(*path);
    if (node < 0) return UsageError("plan", "no node at path " + *path);
    try {
        DeviceTreeChange(node);
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli plan: %s\n", e.what());
        return kExitRefused;
    }
    if (Ws().Tree.activeTab != MainTab::Grafik)
        return UsageError("plan", "node " + *path + " is a menu, not a unit: choose a top-level node");

    const int selector = Ws().Tree.grafikTag;
    StartPainting();
    if (!gui::TerminalPlanImage(selector).save(QString::fromStdString(*out), "PNG")) {
        std::fprintf(stderr, "tessalin-cli plan: cannot write %s\n", out->c_str());
        return kExitRefused;
    }
    if (args.has("json"))
        PrintJson({{"node", *path}, {"selector", selector}, {"file", *out}});
    else
        std::printf("wrote %s (selector %d)\n", out->c_str(), selector);
    return kExitOk;
}

const CommandRegistration registration("plan", "draw the terminal plan of a unit as a PNG picture", Run);

}  // namespace
}  // namespace tessalin::cli

// tessalin-cli plan: the terminal plan of a unit as a PNG picture, for documents made without the window.
// The picture is drawn by a small program of its own, started only here, so that no other command of the
// tool loads the toolkit.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/output_files.h"
#include "cli/tree_session.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli plan FRONT [PURGON] --node PATH -o OUT.png [--lang N] [--json]\n"
    "Draws the terminal plan of the unit at the top-level tree node PATH (as printed by 'tree': the front\n"
    "unit, the base unit, a module, the I-module or the Purgon controller) as a 500 x 600 PNG picture.\n"
    "OUT.png naming an opened input is a usage error.\n"
    "Exit codes: 0 done, 2 usage error, 3 the data set refused, 4 the picture not written.\n";

constexpr const char* kPainterName = "tessalin-plan-painter";

// The drawing program: beside this one (a build tree), else where the package installs it.
std::string PainterPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path dir = error ? std::filesystem::path(".") : self.parent_path();
    for (const std::filesystem::path& candidate : {dir / kPainterName, dir / "../libexec/tessalin" / kPainterName})
        if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
    return (dir / "../libexec/tessalin" / kPainterName).lexically_normal().string();
}

// What the drawing program answers besides 0 (the picture written), as this tool's own exit codes.
constexpr int kPainterRefused = 3, kPainterNotWritten = 4, kPainterNotStarted = 127;

// Has the drawing program draw the plan of `selector` for the data set in the files. Returns kExitOk, or
// the exit code after a message.
int DrawPlan(const std::string& front, const std::string& purgon, int selector, const std::string& out) {
    const std::string painter = PainterPath();
    const std::string selectorText = std::to_string(selector);
    std::vector<const char*> argv{painter.c_str(), front.c_str(), purgon.c_str(), selectorText.c_str(), out.c_str(),
                                  nullptr};
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], const_cast<char* const*>(argv.data()));
        std::fprintf(stderr, "tessalin-cli plan: cannot start %s: %s\n", painter.c_str(), std::strerror(errno));
        _exit(kPainterNotStarted);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) {
        std::fprintf(stderr, "tessalin-cli plan: cannot start %s: %s\n", painter.c_str(), std::strerror(errno));
        return kExitWriteFailed;
    }
    const int answer = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    switch (answer) {
        case kExitOk: return kExitOk;
        case kPainterNotStarted: return kExitWriteFailed;  // the child said why
        case kPainterRefused:
            std::fprintf(stderr, "tessalin-cli plan: the picture program could not load the data set; %s not written\n",
                         out.c_str());
            return kExitRefused;
        case kPainterNotWritten: return kExitWriteFailed;  // the painter named the file and the reason
        default:
            std::fprintf(stderr, "tessalin-cli plan: the picture program stopped (%s %d); %s not written\n",
                         WIFEXITED(status) ? "exit code" : "signal", WIFEXITED(status) ? answer : WTERMSIG(status),
                         out.c_str());
            return kExitWriteFailed;
    }
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
    if (const int code = RefuseOverlaps("plan", DataSetInputs(args.positional()), {{"-o", *out, ""}}); code != kExitOk)
        return code;
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
    const auto& files = args.positional();
    if (const int code = DrawPlan(files[0], files.size() > 1 ? files[1] : "", selector, *out); code != kExitOk)
        return code;
    if (args.has("json"))
        PrintJson({{"node", *path}, {"selector", selector}, {"file", *out}});
    else
        std::printf("wrote %s (selector %d)\n", out->c_str(), selector);
    return kExitOk;
}

const CommandRegistration registration("plan", "draw the terminal plan of a unit as a PNG picture", Run);

}  // namespace
}  // namespace tessalin::cli

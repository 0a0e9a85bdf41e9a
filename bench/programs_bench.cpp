// The programs as a user starts them, each run in a fresh process: the command-line tool's wall time and
// peak memory for `--version` and `check` of the demo, `doc --pdf` of 100 data sets one by one, and the
// peak memory of the desktop program holding the largest device beside an empty Qt Widgets main window
// (both offscreen, measured alike). Medians of repeated runs; the figures go to scripts/bench.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/image_builder.h"

#include "largest_devices.h"
#include "ratio_reporter.h"

namespace {

using namespace tessalin;

struct Measured {
    double wallMs = 0;
    double cpuMs = 0;   // user and system time of the program
    double peakMb = 0;  // peak resident set size
    bool ok = false;
};

// Runs a program to its end (or, with `settleMs`, for that long before it is stopped) with its output
// discarded; its wall time and peak resident memory.
Measured Run(const std::vector<std::string>& command, int settleMs = 0) {
    std::vector<char*> argv;
    for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (settleMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        kill(pid, SIGKILL);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Measured m;
    m.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    m.cpuMs =
        (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    m.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    m.ok = settleMs > 0 ? WIFSIGNALED(status) : WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return m;
}

// The medians of wall time, processor time and peak memory of `runs` runs.
Measured Median(const std::vector<std::string>& command, int runs, int settleMs = 0) {
    std::vector<double> wall, cpu, peak;
    for (int i = 0; i < runs; ++i) {
        const Measured m = Run(command, settleMs);
        if (!m.ok) {
            std::fprintf(stderr, "failed: %s\n", command[0].c_str());
            return {};
        }
        wall.push_back(m.wallMs);
        cpu.push_back(m.cpuMs);
        peak.push_back(m.peakMb);
    }
    const auto median = [](std::vector<double>& values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    return {median(wall), median(cpu), median(peak), true};
}

const std::string kCli = TESSALIN_CLI_PATH;
const std::string kDemoFront = TESSALIN_EXAMPLES_DIR "/demo/BACKUP01.PAR";
const std::string kDemoPurgon = TESSALIN_EXAMPLES_DIR "/demo/BACKUP02.PAR";

// Wall times on a machine that other programs keep busy include the waits for a processor; the processor
// time of the program is what it takes on an idle one, and is the figure.
void CommandLine() {
    const Measured version = Median({kCli, "--version"}, 21);
    std::printf("tessalin-cli --version: %.2f ms processor, %.2f ms wall, %.1f MB\n", version.cpuMs, version.wallMs,
                version.peakMb);
    const Measured check = Median({kCli, "check", kDemoFront, kDemoPurgon}, 21);
    std::printf("tessalin-cli check (demo): %.2f ms processor, %.2f ms wall, %.1f MB\n", check.cpuMs, check.wallMs,
                check.peakMb);
    PrintFigure("tessalin-cli check of the demo, time", check.cpuMs, "ms", 5);
    PrintFigure("tessalin-cli check of the demo, peak RSS", check.peakMb, "MB", 8);
}

// `doc --pdf` of the 100 largest devices of the sweep, one process each.
void Documentation() {
    const bench::LargestDeviceSweep sweep(100);
    test::TempDir dir;
    std::vector<std::pair<std::string, std::string>> sets;
    for (std::size_t i = 0; i < sweep.largest().size(); ++i) {
        const std::string folder = dir.file("set" + std::to_string(i));
        std::filesystem::create_directory(folder);
        sets.push_back(bench::WriteDevice(sweep.largest()[i], folder));
    }
    std::vector<double> totals;
    for (int round = 0; round < 3; ++round) {
        double total = 0;
        for (const auto& [front, purgon] : sets) {
            std::vector<std::string> command{kCli, "doc", front};
            if (!purgon.empty()) command.push_back(purgon);
            command.insert(command.end(), {"--pdf", front + ".pdf"});
            const Measured m = Run(command);
            if (!m.ok) return (void)std::fprintf(stderr, "doc --pdf failed on %s\n", front.c_str());
            total += m.cpuMs;
        }
        totals.push_back(total);
    }
    std::sort(totals.begin(), totals.end());
    std::printf("tessalin-cli doc --pdf of %zu data sets one by one: %.0f ms processor\n", sets.size(), totals[1]);
    PrintFigure("tessalin-cli doc --pdf of 100 data sets", totals[1] / 1000, "s", 3);
}

// The desktop program with the largest device, and the empty window, each left running long enough to
// show its window (the program: splash, window, the data set loaded and its tree shown).
void Memory() {
    test::TempDir dir;
    const auto [front, purgon] = bench::WriteDevice(bench::LargestDevices().front(), dir.path().string());
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    std::vector<std::string> program{TESSALIN_PATH, front};
    if (!purgon.empty()) program.push_back(purgon);
    const Measured tessalin = Median(program, 5, 3500);
    const Measured empty = Median({TESSALIN_EMPTY_WINDOW_PATH}, 5, 3500);
    std::printf("peak RSS: tessalin with the largest device %.1f MB, empty Qt Widgets main window %.1f MB (+%.1f MB)\n",
                tessalin.peakMb, empty.peakMb, tessalin.peakMb - empty.peakMb);
    PrintFigure("tessalin peak RSS with the largest device - empty window", tessalin.peakMb - empty.peakMb, "MB", 12);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    if (only.empty() || only == "cli") CommandLine();
    if (only.empty() || only == "doc") Documentation();
    if (only.empty() || only == "memory") Memory();
    return 0;
}

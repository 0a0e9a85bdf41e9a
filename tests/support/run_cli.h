#pragma once
// Runs the real tessalin-cli binary and collects its exit code, standard output and standard error.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/settings/json_io.h"
#include "support/image_builder.h"

namespace tessalin::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline CliRun RunCli(const std::vector<std::string>& args) {
    TempDir scratch;
    const std::string errFile = scratch.file("stderr");
    std::string command = ShellQuote(TESSALIN_CLI_PATH);
    for (const std::string& a : args) command += " " + ShellQuote(a);
    command += " 2>" + ShellQuote(errFile);

    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const auto err = ReadWholeFile(errFile);
    run.err.assign(err.begin(), err.end());
    return run;
}

// The --json document a run printed; null (and a test failure naming the fault) when it is not JSON.
inline nlohmann::ordered_json JsonOf(const CliRun& run) {
    std::string error;
    auto document = ParseJson(run.out, error);
    EXPECT_TRUE(document) << error << "\n" << run.out;
    return document ? *document : nlohmann::ordered_json();
}

}  // namespace tessalin::test

// tessalin-cli: headless access to the core of Tessalin 3000.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "tessalin_version.h"

using namespace tessalin::cli;

static void PrintUsage(std::FILE* out) {
    std::fputs("usage: tessalin-cli COMMAND [ARGS]...   (tessalin-cli COMMAND --help for details)\n\ncommands:\n", out);
    for (const auto& [name, command] : Commands()) std::fprintf(out, "  %-8s %s\n", name.c_str(), command.summary.c_str());
    std::fputs("\nexit codes: 0 done (the question commands diff, find, lint and check: yes), 1 their \"no\" (different,\n"
               "no hits, findings, a data set refused), 2 usage error, 3 a data set, settings file or change refused,\n"
               "4 a file not written\n",
               out);
}

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "help") {
        PrintUsage(stdout);
        return kExitOk;
    }
    if (name == "--version") {
        std::printf("tessalin-cli %s\n", TESSALIN_VERSION);
        return kExitOk;
    }
    auto it = Commands().find(name);
    if (it == Commands().end()) {
        std::fprintf(stderr, "tessalin-cli: unknown command '%s'\n", name.c_str());
        PrintUsage(stderr);
        return kExitUsage;
    }
    return it->second.run(std::vector<std::string>(argv + 2, argv + argc));
}

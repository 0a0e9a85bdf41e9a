#include "cli/command.h"

#include <algorithm>
#include <cstdio>

#include "core/settings/json_io.h"

namespace tessalin::cli {

std::map<std::string, Command>& Commands() {
    static std::map<std::string, Command> commands;
    return commands;
}

CommandRegistration::CommandRegistration(std::string name, std::string summary, CommandFn run) {
    Commands()[name] = Command{name, std::move(summary), std::move(run)};
}

Args::Args(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
           const std::vector<std::string>& flags) {
    auto contains = [](const std::vector<std::string>& list, const std::string& s) {
        return std::find(list.begin(), list.end(), s) != list.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            const std::string name = a.substr(2);
            if (name == "help" || contains(flags, name)) {
                options_[name].push_back("");
            } else if (contains(valueOptions, name)) {
                if (i + 1 >= args.size()) {
                    error_ = "option --" + name + " needs a value";
                    return;
                }
                options_[name].push_back(args[++i]);
            } else {
                error_ = "unknown option " + a;
                return;
            }
        } else if (a.size() == 2 && a[0] == '-' && a[1] != '-' && contains(valueOptions, a.substr(1))) {
            if (i + 1 >= args.size()) {
                error_ = "option " + a + " needs a value";
                return;
            }
            options_[a.substr(1)].push_back(args[++i]);
        } else {
            positional_.push_back(a);
        }
    }
}

bool Args::has(const std::string& name) const { return options_.count(name) > 0; }

std::optional<std::string> Args::value(const std::string& name) const {
    auto it = options_.find(name);
    if (it == options_.end() || it->second.empty()) return std::nullopt;
    return it->second.back();
}

const std::vector<std::string>& Args::values(const std::string& name) const {
    static const std::vector<std::string> none;
    auto it = options_.find(name);
    return it == options_.end() ? none : it->second;
}

bool Args::language(int& out) const {
    out = 1;
    auto v = value("lang");
    if (!v) return true;
    if (v->size() != 1 || (*v)[0] < '0' || (*v)[0] > '6') return false;
    out = (*v)[0] - '0';
    return true;
}

int UsageError(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "tessalin-cli %s: %s\n", command.c_str(), message.c_str());
    return kExitUsage;
}

void PrintJson(const Json& document) { std::fputs(JsonLines(document).c_str(), stdout); }

}  // namespace tessalin::cli

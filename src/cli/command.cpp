#include "cli/command.h"

#include <algorithm>
#include <cctype>
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
           const std::vector<std::string>& flags, const std::vector<std::string>& repeatable) {
    auto contains = [](const std::vector<std::string>& list, const std::string& s) {
        return std::find(list.begin(), list.end(), s) != list.end();
    };
    // The value after an option; false with the error set when there is none or the option repeats.
    auto takeValue = [&](const std::string& written, const std::string& name, std::size_t& i) {
        if (i + 1 >= args.size()) {
            error_ = "option " + written + " needs a value";
            return false;
        }
        if (options_.count(name) != 0 && !contains(repeatable, name)) {
            error_ = "option " + written + " is given more than once";
            return false;
        }
        options_[name].push_back(args[++i]);
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            const std::string name = a.substr(2);
            if (name == "help" || contains(flags, name)) {
                options_[name].push_back("");
            } else if (!contains(valueOptions, name)) {
                error_ = "unknown option " + a;
                return;
            } else if (!takeValue(a, name, i)) {
                return;
            }
        } else if (a.size() == 2 && a[0] == '-' && std::isalpha(static_cast<unsigned char>(a[1]))) {
            const std::string name = a.substr(1);
            if (!contains(valueOptions, name)) {
                error_ = "unknown option " + a;
                return;
            }
            if (!takeValue(a, name, i)) return;
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

void WriteOut(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void PrintJson(const Json& document) { std::fputs(JsonLines(document).c_str(), stdout); }

}  // namespace tessalin::cli

#include "cli/settings_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace tessalin::cli {

std::optional<SetChoice> SetChoiceOf(const Args& args, SetChoice fallback) {
    const auto v = args.value("set");
    if (!v) return fallback;
    if (*v == "A" || *v == "a") return SetChoice::A;
    if (*v == "B" || *v == "b") return SetChoice::B;
    if (*v == "both") return SetChoice::Both;
    return std::nullopt;
}

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        error = path + ": cannot be read";
        return false;
    }
    text = buffer.str();
    return true;
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    out << text;
    out.close();
    if (!out) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace tessalin::cli

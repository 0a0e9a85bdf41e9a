#include "gui/main_window/removable_mounts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessalin::gui {

namespace {

// Undoes the octal escapes of the mount table (\040 blank, \011 tab, \012 newline, \134 backslash).
std::string Unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 3 < field.size() &&
                           std::all_of(field.begin() + static_cast<long>(i) + 1, field.begin() + static_cast<long>(i) + 4,
                                       [](char c) { return c >= '0' && c <= '7'; });
        if (octal) {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::string ReadFirstLine(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace

std::vector<std::string> RemovableMountPoints(const std::string& mountTable, const RemovableQuery& isRemovable) {
    std::vector<std::string> result;
    std::istringstream lines(mountTable);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint)) continue;
        const std::string prefix = "/dev/";
        if (device.rfind(prefix, 0) != 0) continue;
        const std::string name = device.substr(prefix.size());
        if (name.empty() || name.find('/') != std::string::npos || !isRemovable(name)) continue;
        const std::string path = Unescape(mountPoint);
        if (std::find(result.begin(), result.end(), path) == result.end()) result.push_back(path);
    }
    return result;
}

bool SystemDeviceIsRemovable(const std::string& device) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path dir = fs::canonical(fs::path("/sys/class/block") / device, ec);
    if (ec) return false;
    // A partition's own folder has a "partition" file; "removable" belongs to its disk, one level up.
    if (fs::exists(dir / "partition", ec)) dir = dir.parent_path();
    return ReadFirstLine(dir / "removable") == "1";
}

std::vector<std::string> SystemRemovableMounts() {
    std::ifstream in("/proc/mounts");
    std::stringstream table;
    table << in.rdbuf();
    return RemovableMountPoints(table.str(), SystemDeviceIsRemovable);
}

}  // namespace tessalin::gui

#include "core/data_set/card.h"

#include <filesystem>

#include "core/ascii_case.h"
#include "core/data_set/texts.h"

namespace tessalin {

namespace {

namespace fs = std::filesystem;

// The entry of `folder` named `name` in any case and of the wanted kind. An exact match wins.
std::optional<std::string> FindEntry(const std::string& folder, const std::string& name, bool wantFolder) {
    std::error_code ec;
    auto isWanted = [&](const fs::path& p) {
        std::error_code e;
        return wantFolder ? fs::is_directory(p, e) : fs::is_regular_file(p, e);
    };
    const fs::path exact = fs::path(folder) / name;
    if (isWanted(exact)) return exact.string();
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (EqualsNoCase(it->path().filename().string(), name) && isWanted(it->path()))
            return it->path().string();
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindCardFolder(const std::string& mountPath) {
    if (mountPath.empty()) return std::nullopt;
    return FindEntry(mountPath, kCardFolder, true);
}

std::optional<std::string> FindCardFile(const std::string& folder, const std::string& name) {
    return FindEntry(folder, name, false);
}

std::string CardFilePath(const std::string& folder, const std::string& name) {
    return FindCardFile(folder, name).value_or((fs::path(folder) / name).string());
}

std::string CardFolderDisplay(const std::string& mountPath) {
    return (fs::path(mountPath) / kCardFolder).string() + "/";
}

CardFolderResult EnsureCardFolder(const std::string& mountPath) {
    if (mountPath.empty()) return {{}, "no card drive chosen"};
    if (auto found = FindCardFolder(mountPath)) return {*found, {}};
    const fs::path folder = fs::path(mountPath) / kCardFolder;
    std::error_code ec;
    fs::create_directory(folder, ec);
    if (ec) return {{}, ec.message()};
    return {folder.string(), {}};
}

}  // namespace tessalin

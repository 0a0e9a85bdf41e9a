#include "core/data_set/recent_files.h"

#include <filesystem>

#include "core/data_set/texts.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

std::string RecentEntry(const std::string& frontPath, const std::string& purgonPath) {
    if (frontPath.empty() || purgonPath.empty()) return frontPath;
    return frontPath + kRecentSeparator + purgonPath;
}

DataSetPaths SplitRecentEntry(const std::string& entry) {
    const std::size_t at = entry.find(kRecentSeparator);
    if (at == std::string::npos) return {entry, {}};
    return {entry.substr(0, at), entry.substr(at + 3, 2000)};
}

std::string RecentCaption(const std::string& entry) {
    const DataSetPaths paths = SplitRecentEntry(entry);
    return RecentEntry(FileNameOf(paths.front), paths.purgon.empty() ? std::string() : FileNameOf(paths.purgon));
}

void PromoteRecentEntry(std::array<std::string, kRecentFileCount>& files, const std::string& entry) {
    if (entry.empty() || entry == files[0]) return;
    // The slot the entry leaves (or the last one) is filled from above.
    std::size_t gap = kRecentFileCount - 1;
    for (std::size_t i = 1; i < kRecentFileCount; ++i) {
        if (files[i] == entry) {
            gap = i;
            break;
        }
    }
    for (std::size_t i = gap; i > 0; --i) files[i] = files[i - 1];
    files[0] = entry;
}

void RemoveRecentEntry(std::array<std::string, kRecentFileCount>& files, std::size_t index) {
    if (index >= files.size()) return;
    for (std::size_t i = index; i + 1 < files.size(); ++i) files[i] = files[i + 1];
    files.back().clear();
}

void UpdateRecentFiles() {
    Workspace& ws = Ws();
    PromoteRecentEntry(ws.RecentFiles, RecentEntry(ws.FrontFileName, ws.PurgonFileName));
}

std::string CaptionText() {
    const Workspace& ws = Ws();
    std::string caption = kProductName;
    if (ws.FrontFileName.empty()) return caption;
    caption += " - " + FileNameOf(ws.FrontFileName);
    if (!ws.PurgonFileName.empty()) caption += kRecentSeparator + FileNameOf(ws.PurgonFileName);
    if (ws.Modified) caption += " *";
    return caption;
}

}  // namespace tessalin

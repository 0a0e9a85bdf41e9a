#include "core/data_set/drop.h"

#include <filesystem>
#include <fstream>

#include "core/data_set/image_checks.h"
#include "core/data_set/par_image.h"

namespace tessalin {

int ClassifyDroppedFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return kDroppedOther;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return kDroppedOther;
    std::ifstream in(path, std::ios::binary);
    char head[10] = {};
    if (!in.read(head, sizeof head)) return kDroppedOther;
    if (!VariantAccepted(head[6]) || !VersionAccepted(head[2])) return kDroppedOther;
    if (size == kFrontSize) return kDroppedFront;
    if (size == kPurgonSize) return kDroppedPurgon;
    return kDroppedOther;
}

std::optional<DataSetPaths> DataSetFromDroppedFiles(const std::vector<std::string>& paths) {
    DataSetPaths found;
    for (const std::string& path : paths) {
        switch (ClassifyDroppedFile(path)) {
            case kDroppedFront: found.front = path; break;
            case kDroppedPurgon: found.purgon = path; break;
            default: break;
        }
    }
    if (found.front.empty()) return std::nullopt;
    return found;
}

}  // namespace tessalin

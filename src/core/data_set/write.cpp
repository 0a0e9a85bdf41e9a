#include "core/data_set/write.h"

#include "core/data_set/checksum.h"
#include "core/workspace.h"

namespace tessalin {

WriteResult WriteDataSet(const std::string& frontPath, const std::string& purgonPath) {
    Workspace& ws = Ws();
    if (!purgonPath.empty() && SameFile(frontPath, purgonPath)) {
        ws.Modified = true;
        return WriteResult{false, purgonPath, "names the same file as the FRONT file " + frontPath};
    }
    StoreFreshCrc(ws.ParImage, ImageKind::Front);
    std::vector<FileContent> files{{frontPath, ws.ParImage.bytes(ImageStart(ImageKind::Front), kFrontSize)}};
    if (!purgonPath.empty()) {
        StoreFreshCrc(ws.ParImage, ImageKind::Purgon);
        files.push_back({purgonPath, ws.ParImage.bytes(ImageStart(ImageKind::Purgon), kPurgonSize)});
    }
    const WriteResult result = WriteFilesTogether(files);
    if (!result.ok) {
        ws.Modified = true;
        return result;
    }
    ws.FrontFileName = frontPath;
    ws.PurgonFileName = purgonPath;
    ws.FrontFileSeen = SeenFile::Now(frontPath);
    ws.PurgonFileSeen = SeenFile::Now(purgonPath);
    ws.Modified = false;
    return {};
}

}  // namespace tessalin

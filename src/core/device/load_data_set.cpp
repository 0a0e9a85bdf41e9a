#include "core/device/load_data_set.h"

#include "core/data_set/recent_files.h"
#include "core/device/decode.h"
#include "core/workspace.h"

namespace tessalin {

LoadResult LoadDataSet(const std::string& frontPath, const std::string& purgonPath) {
    Workspace& ws = Ws();
    ws.ActiveParamSet = false;

    // Seen before they are read: a change while they are read is then noticed at the next save.
    const SeenFile frontSeen = SeenFile::Now(frontPath), purgonSeen = SeenFile::Now(purgonPath);
    ParImageBuffer scratch = ws.ParImage;
    scratch.setU8(ImageStart(ImageKind::Front) + 2, 0);
    scratch.setU8(ImageStart(ImageKind::Purgon) + 2, 0);

    LoadResult result = ReadImageFile(frontPath, ImageKind::Front, scratch);
    if (result.ok() && !purgonPath.empty()) result = ReadImageFile(purgonPath, ImageKind::Purgon, scratch);
    ws.LoadError = result.code;
    if (!result.ok()) return result;

    ws.ParImage = scratch;
    ws.FrontFileName = frontPath;
    ws.PurgonFileName = purgonPath;
    ws.FrontFileSeen = frontSeen;
    ws.PurgonFileSeen = purgonSeen;
    ws.Device.IModule.Code = 0;
    ws.Device.Origin = kOriginFile;
    DecodeDevice(true);
    UpdateRecentFiles();
    ws.Modified = false;
    return result;
}

void NewDataSet() {
    Workspace& ws = Ws();
    ClearDevice();
    ws.ParImage.clear();
    ws.FrontFileName.clear();
    ws.PurgonFileName.clear();
    ws.FrontFileSeen = {};
    ws.PurgonFileSeen = {};
    ws.Modified = false;
    ws.ActiveParamSet = false;
}

}  // namespace tessalin

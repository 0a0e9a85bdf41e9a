#pragma once
// What a list beside the page was worked out from: the image, the device language and the shown
// parameter set. The window's timer works the list out again when an edit, an undo, a load or a
// language change left the stamp behind.

#include "core/data_set/par_image.h"
#include "core/workspace.h"

namespace tessalin::gui {

class DataSetStamp {
public:
    bool Current() const {
        return taken_ && image_ == Ws().ParImage && language_ == Ws().DeviceLanguage && set_ == Ws().ActiveParamSet;
    }
    void Take() {
        image_ = Ws().ParImage;
        language_ = Ws().DeviceLanguage;
        set_ = Ws().ActiveParamSet;
        taken_ = true;
    }

private:
    ParImageBuffer image_;
    int language_ = 0;
    bool set_ = false;
    bool taken_ = false;
};

}  // namespace tessalin::gui

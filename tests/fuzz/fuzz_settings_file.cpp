// Fuzz target: whatever text is handed to "apply" as a settings file, the reader refuses it with a message
// or the values are taken into the data set as the window's fields would take them; nothing crashes, hangs
// or touches memory outside a buffer. The data set is a configuration with a pH and a conductivity module
// and a Purgon controller, the device the seeds were exported from, so that the values reach their pages.
// The orderly range error is an accepted outcome; any other exception escapes and is reported.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "core/data_set/write.h"
#include "core/device/load_data_set.h"
#include "core/main_window/save_decisions.h"
#include "core/range_error.h"
#include "core/settings/apply.h"
#include "core/settings/settings_file.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "fuzz_support.h"

namespace {

using namespace tessalin;

// The data set's files, made once through the configurator.
const std::pair<std::string, std::string>& DataSet() {
    static const std::pair<std::string, std::string> files = [] {
        fuzz::ConfigureSeedDevice();
        const std::string front = fuzz::ScratchFolder() + "/APPLY01.PAR";
        const std::string purgon = PurgonAttached() ? fuzz::ScratchFolder() + "/APPLY02.PAR" : "";
        if (!WriteDataSet(front, purgon).ok) std::abort();
        ResetWorkspace();
        return std::pair{front, purgon};
    }();
    return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto& [front, purgon] = DataSet();
    std::string error;
    const auto file = SettingsFromJson(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (file) {
        ResetWorkspace();
        if (!LoadDataSet(front, purgon).ok()) std::abort();
        try {
            SelectLanguage(file->language);
            BuildDeviceTree();
            ApplySettings(*file);
        } catch (const RangeError&) {
            // An orderly refusal of the current operation.
        }
    }
    fuzz::DropWorkspace();
    return 0;
}

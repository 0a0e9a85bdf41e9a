#include "core/documentation/workbook_library.h"

#include <dlfcn.h>

namespace tessalin {

namespace {

// The library the build was made against (its major version), then any version the system names plainly.
constexpr const char* kLibraryNames[] = {"libxlsxwriter.so." TESSALIN_XLSXWRITER_MAJOR, "libxlsxwriter.so"};

template <typename Function>
bool Find(void* library, const char* name, Function& function, std::string& missing) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr && missing.empty()) missing = name;
    return function != nullptr;
}

struct Loaded {
    WorkbookLibrary functions{};
    std::string error;  // empty when every function was found
};

Loaded Load() {
    Loaded loaded;
    void* library = nullptr;
    for (const char* name : kLibraryNames)
        if ((library = dlopen(name, RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
    if (library == nullptr) {
        const char* reason = dlerror();
        loaded.error = std::string("the workbook library cannot be loaded: ") + (reason ? reason : kLibraryNames[0]);
        return loaded;
    }
    WorkbookLibrary& f = loaded.functions;
    std::string missing;
#define TESSALIN_FIND(name) Find(library, #name, f.name, missing)
    TESSALIN_FIND(workbook_new);
    TESSALIN_FIND(workbook_add_worksheet);
    TESSALIN_FIND(workbook_add_format);
    TESSALIN_FIND(workbook_close);
    TESSALIN_FIND(format_set_bold);
    TESSALIN_FIND(format_set_bottom);
    TESSALIN_FIND(format_set_bg_color);
    TESSALIN_FIND(format_set_align);
    TESSALIN_FIND(worksheet_set_column);
    TESSALIN_FIND(worksheet_write_string);
    TESSALIN_FIND(worksheet_write_number);
    TESSALIN_FIND(worksheet_write_blank);
    TESSALIN_FIND(worksheet_freeze_panes);
    TESSALIN_FIND(lxw_strerror);
#undef TESSALIN_FIND
    if (!missing.empty()) loaded.error = "the workbook library has no function " + missing;
    return loaded;
}

}  // namespace

const WorkbookLibrary* LoadWorkbookLibrary(std::string& error) {
    static const Loaded loaded = Load();
    if (!loaded.error.empty()) {
        error = loaded.error;
        return nullptr;
    }
    return &loaded.functions;
}

}  // namespace tessalin

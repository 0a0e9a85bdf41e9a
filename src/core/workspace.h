#pragma once
// The program-wide state in one place: the parameter image, the decoded device, the languages and the
// flags that the parameter page, the loader and the timer share. One instance, reached through Ws();
// tests start from a clean state with ResetWorkspace().
//
// Each area keeps its own fields in its own block below.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/data_set/par_image.h"
#include "core/files/file_identity.h"
#include "core/catalogue/tables.h"
#include "core/device/device.h"
#include "core/tree/tree_state.h"

namespace tessalin {

inline constexpr std::size_t kFormpageRowCount = 100;

struct Workspace {
    // ---- image and device
    ParImageBuffer ParImage;
    TDevice Device;

    // ---- languages: DeviceLanguage 0..6 (Deutsch, English, Français, Italiano, Svenska, Español,
    // Português) selects device texts; UiLanguage 0 German, 1 English selects the tool's own texts.
    int DeviceLanguage = 0;
    int UiLanguage = 0;

    // ---- data set files: the recent files of the "Datei" menu (most recent first, each the FRONT path or
    // "FRONT / PURGON"), and the name the Purgon save dialog holds from its last use.
    std::array<std::string, 4> RecentFiles;
    std::string PurgonSaveName;

    // ---- data set
    std::string FrontFileName;
    std::string PurgonFileName;
    bool Modified = false;
    int32_t LoadError = 0;
    // The files as they were on the disk when the data set was last loaded from or saved to them, so that
    // a save can tell that another program (or a second window) changed them since.
    SeenFile FrontFileSeen;
    SeenFile PurgonFileSeen;

    // ---- page context: which parameter set is shown, where handlers and the codec are working, and the
    // requests that the action timer carries out on its next tick.
    bool ActiveParamSet = false;  // false set A, true set B
    TParamRef CurrentParam;
    TTabPtrRec CurrentPage;
    bool PageRebuildRequest = false;
    bool PageClearRequest = false;

    // ---- device tree and parameter page: the tree's nodes and node records, the row contexts of the
    // shown page (indexed by row number), and the request to rebuild the whole tree on the next tick.
    DeviceTreeState Tree;
    std::array<TParamRef, kFormpageRowCount> FormpageRows{};
    bool TreeRebuildRequest = false;

    // ---- value codec: the decimal separator of shown numbers (the GUI sets it from the user's locale;
    // typed numbers accept '.' and ',' alike).
    char DecimalSeparator = '.';

    // ---- rules: while the data-set check repairs a value, a commit of calibration data writes the value
    // and its other rules but not the stamp that marks the module as calibrated now.
    bool CalibrationStampsHeld = false;
};

namespace detail {
// The workspace in use; null until the first Ws() makes one.
extern Workspace* gWorkspace;
Workspace& MakeWorkspace();
}  // namespace detail

// The workspace, made on first use. Inline: the page models reach it for every question they ask.
inline Workspace& Ws() { return detail::gWorkspace != nullptr ? *detail::gWorkspace : detail::MakeWorkspace(); }
void ResetWorkspace();

// Puts `next` in place of the current workspace and hands the current one back. A second data set is
// worked on this way (comparing) while the loaded one waits untouched; every exchange is undone before
// control returns to the user.
std::unique_ptr<Workspace> ExchangeWorkspace(std::unique_ptr<Workspace> next);

// Chooses the device language (0..6); the tool's own texts follow it: German with German, English with
// every other language.
void SelectLanguage(int deviceLanguage);

}  // namespace tessalin

#pragma once
// One tick of the main window's 100 ms action timer, the single place where deferred work runs. Its
// order is fixed: a pending load or tree rebuild, then the "Speichern" state and the caption following
// Modified (offered only while there is a device), then a pending page rebuild or, failing that, a
// pending page clear. The main window carries out each step with its widgets; the command-line tool
// and tests carry them out with plain calls.

#include <string>

namespace tessalin {

// Action requests of the timer.
inline constexpr int kNoAction = 0;
inline constexpr int kLoadRequest = 1;
inline constexpr int kTreeRequest = 2;

// What the steps of a tick do where the program is shown.
class ActionTimerSteps {
public:
    virtual ~ActionTimerSteps() = default;
    virtual void LoadRequestedDataSet() = 0;          // action request 1
    virtual void RebuildDeviceTree() = 0;             // action request 2
    // Action request 2 asked by a catalogue rule that changed the hardware: the device is decoded again
    // and the tree rebuilt with the same node selected.
    virtual void RebuildDeviceTreeKeepingSelection() = 0;
    virtual bool SaveEnabled() const = 0;             // what "Speichern" shows now
    virtual void ShowSaveState(bool enabled) = 0;     // "Speichern" and its button, then the caption
    virtual void BuildPage() = 0;                     // the page of CurrentPage
    virtual void ClearPage() = 0;                     // frees every control of the page
    // A range error ended a step: shown to the user under the product name.
    virtual void ShowRangeError(const std::string& text) = 0;
};

// Runs one tick. `actionRequest` is taken and reset to kNoAction; a tree rebuild that a catalogue rule asked
// for through the workspace counts as request 2 when nothing else is pending, and keeps the selection. A range error ends only the
// step it happened in and reaches the user through ShowRangeError; the data set stays as it is and the
// later steps still run.
void ActionTimerTick(int& actionRequest, ActionTimerSteps& steps);

// The first step of loading a data set: requests a page clear and waits for the timer's page step to carry
// it out (a pending page rebuild goes first, as it would on the timer), so that no control of the page
// still refers to the image about to be replaced.
void ClearPageBeforeLoad(ActionTimerSteps& steps);

}  // namespace tessalin

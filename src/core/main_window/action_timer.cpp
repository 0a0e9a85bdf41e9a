#include "core/main_window/action_timer.h"

#include <utility>

#include "core/main_window/save_decisions.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

template <typename Step>
void Guarded(ActionTimerSteps& steps, Step&& step) {
    try {
        step();
    } catch (const RangeError& error) {
        steps.ShowRangeError(error.what());
    }
}

// The page step: a requested rebuild, else a requested clear; each request is reset once carried out.
void PageStep(ActionTimerSteps& steps) {
    Workspace& ws = Ws();
    if (ws.PageRebuildRequest) {
        Guarded(steps, [&] { steps.BuildPage(); });
        ws.PageRebuildRequest = false;
    } else if (ws.PageClearRequest) {
        steps.ClearPage();
        ws.PageClearRequest = false;
    }
}

}  // namespace

void ActionTimerTick(int& actionRequest, ActionTimerSteps& steps) {
    Workspace& ws = Ws();
    int request = std::exchange(actionRequest, kNoAction);
    const bool byRule = std::exchange(ws.TreeRebuildRequest, false) && request == kNoAction;
    if (byRule) request = kTreeRequest;
    if (request == kLoadRequest) Guarded(steps, [&] { steps.LoadRequestedDataSet(); });
    else if (byRule) Guarded(steps, [&] { steps.RebuildDeviceTreeKeepingSelection(); });
    else if (request == kTreeRequest) Guarded(steps, [&] { steps.RebuildDeviceTree(); });

    // "Speichern" is offered while a device's data set has changes; without a device there is nothing to save.
    const bool saveOffered = ws.Modified && HasDataSet();
    if (steps.SaveEnabled() != saveOffered) steps.ShowSaveState(saveOffered);

    PageStep(steps);
}

void ClearPageBeforeLoad(ActionTimerSteps& steps) {
    Ws().PageClearRequest = true;
    while (Ws().PageClearRequest) PageStep(steps);
}

}  // namespace tessalin

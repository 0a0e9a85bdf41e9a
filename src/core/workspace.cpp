#include "core/workspace.h"

#include <memory>

namespace tessalin {

namespace {
std::unique_ptr<Workspace>& Instance() {
    static std::unique_ptr<Workspace> instance = std::make_unique<Workspace>();
    return instance;
}
}  // namespace

Workspace& Ws() { return *Instance(); }

void ResetWorkspace() { Instance() = std::make_unique<Workspace>(); }

void SelectLanguage(int deviceLanguage) {
    Workspace& ws = Ws();
    ws.DeviceLanguage = deviceLanguage;
    ws.UiLanguage = deviceLanguage == 0 ? 0 : 1;
}

}  // namespace tessalin

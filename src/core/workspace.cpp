#include "core/workspace.h"

#include <memory>
#include <utility>

namespace tessalin {

namespace {
std::unique_ptr<Workspace>& Instance() {
    static std::unique_ptr<Workspace> instance = std::make_unique<Workspace>();
    return instance;
}
}  // namespace

Workspace& Ws() { return *Instance(); }

void ResetWorkspace() { Instance() = std::make_unique<Workspace>(); }

std::unique_ptr<Workspace> ExchangeWorkspace(std::unique_ptr<Workspace> next) {
    std::swap(Instance(), next);
    return next;
}

void SelectLanguage(int deviceLanguage) {
    Workspace& ws = Ws();
    ws.DeviceLanguage = deviceLanguage;
    ws.UiLanguage = deviceLanguage == 0 ? 0 : 1;
}

}  // namespace tessalin

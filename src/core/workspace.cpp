#include "core/workspace.h"

#include <memory>
#include <utility>

namespace tessalin {

namespace {
// Made on first use rather than at start: a program that begins with ResetWorkspace() then builds one
// workspace, not two; a workspace is large, and building it showed in the start of every command.
std::unique_ptr<Workspace>& Instance() {
    static std::unique_ptr<Workspace> instance;
    return instance;
}
}  // namespace

Workspace& Ws() {
    std::unique_ptr<Workspace>& instance = Instance();
    if (!instance) instance = std::make_unique<Workspace>();
    return *instance;
}

void ResetWorkspace() {
    std::unique_ptr<Workspace>& instance = Instance();
    instance.reset();  // the old one goes first: its memory serves the new one
    instance = std::make_unique<Workspace>();
}

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

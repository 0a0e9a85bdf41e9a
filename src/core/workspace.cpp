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

void Install(std::unique_ptr<Workspace> next) {
    Instance() = std::move(next);
    detail::gWorkspace = Instance().get();
}
}  // namespace

Workspace* detail::gWorkspace = nullptr;

Workspace& detail::MakeWorkspace() {
    Install(std::make_unique<Workspace>());
    return *gWorkspace;
}

void ResetWorkspace() {
    Install(nullptr);  // the old one goes first: its memory serves the new one
    Install(std::make_unique<Workspace>());
}

std::unique_ptr<Workspace> ExchangeWorkspace(std::unique_ptr<Workspace> next) {
    std::unique_ptr<Workspace> current = std::move(Instance());
    Install(std::move(next));
    return current;
}

void SelectLanguage(int deviceLanguage) {
    Workspace& ws = Ws();
    ws.DeviceLanguage = deviceLanguage;
    ws.UiLanguage = deviceLanguage == 0 ? 0 : 1;
}

}  // namespace tessalin

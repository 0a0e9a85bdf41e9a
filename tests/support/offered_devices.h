#pragma once
// Every device the configurator offers: each module of its list on each front and software version that
// offers it, made in the program as a user would (front, version, base, the module twice where it fits,
// a Purgon controller where a slot can carry it).

#include <string>
#include <vector>

#include "core/configurator/configurator.h"
#include "core/configurator/module_catalogue.h"
#include "core/workspace.h"

namespace tessalin::test {

inline constexpr char kOfferedMajors[] = {'5', '6', '7', '8', '9', 'A'};

// The module codes the list can offer: measuring and communication modules, interface and sensor carriers.
inline std::vector<int> OfferableModules() {
    using configurator::Category;
    std::vector<int> codes;
    for (const auto& row : configurator::kModuleCatalogue) {
        const bool module = row.category == Category::Module || row.category == Category::IModule ||
                            row.category == Category::DigitalSensor || row.category == Category::Ldo;
        if (module && (row.flags & 1) != 0) codes.push_back(row.code);
    }
    return codes;
}

// Makes the device in the program; false when this front and version do not offer the module.
inline bool ConfigureOffered(int front, char major, int module) {
    ResetWorkspace();
    configurator::Configurator config;
    if (!config.addCode(front).ok) return false;
    config.setVersion(major);
    if (!config.addCode(front == 17 ? 15 : 50).ok && !config.addCode(1).ok) return false;
    if (!config.addCode(module).ok) return false;
    config.addCode(module);    // a second one where a slot is left
    config.addCode(major >= '7' && major != 'A' ? 80 : 79);  // where a slot can carry it
    config.commit();
    return true;
}

}  // namespace tessalin::test

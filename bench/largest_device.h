#pragma once
// The largest device the configurator makes: front, base, three measuring modules, the Purgon controller
// and the calculation blocks it offers (what is not offered is left out), German device texts, its tree
// built.

#include "core/configurator/configurator.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::bench {

inline void ConfigureLargestDevice() {
    ResetWorkspace();
    configurator::Configurator c;
    c.addCode(2);
    c.setVersion('9');
    c.addCode(1);
    for (int code : {4, 5, 79, 10, 128, 129}) c.addCode(code);
    c.commit();
    SelectLanguage(0);
    BuildDeviceTree();
}

}  // namespace tessalin::bench

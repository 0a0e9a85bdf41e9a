#pragma once
// The texts of the hardware description and the configuration tree, one per device language.

#include <string>

namespace tessalin {

enum class DescriptionWord {
    Configurator,   // the button that opens the configurator
    NothingLoaded,  // "keine Konfiguration geladen!"
    Software,
    Hardware,
    SerialNumber,
    Options,
    NoOptions,  // "keine"
    Active,     // an option that is present
    Inactive,   // an option that is absent (configurator)
};

// The text in the current device language.
std::string DescriptionText(DescriptionWord word);

}  // namespace tessalin

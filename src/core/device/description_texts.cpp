#include "core/device/description_texts.h"

#include "core/common/texts.h"

namespace tessalin {

namespace {

// Deutsch, English, Français, Italiano, Svenska, Español, Português; in the order of DescriptionWord.
constexpr LanguageTexts kTexts[] = {
    {"Konfigurator", "Configurator", "Configurateur", "Configuratore", "Konfigurator", "Configurador",
     "Configurador"},
    {"keine Konfiguration geladen!", "No Configuration loaded!", "Aucune configuration chargée !",
     "Nessuna configurazione caricata!", "Ingen konfiguration laddad!", "¡No hay ninguna configuración cargada!",
     "Nenhuma configuração carregada!"},
    {"Software", "Software", "Logiciel", "Software", "Programvara", "Software", "Software"},
    {"Hardware", "Hardware", "Matériel", "Hardware", "Maskinvara", "Hardware", "Hardware"},
    {"Seriennummer", "Serial No.", "N° de série", "N. di serie", "Serienummer", "N.º de serie", "N.º de série"},
    {"Optionen", "Options", "Options", "Opzioni", "Tillval", "Opciones", "Opções"},
    {"keine", "none", "aucune", "nessuna", "inga", "ninguna", "nenhuma"},
    {"aktiv", "active", "active", "attiva", "aktiv", "activa", "ativa"},
    {"inaktiv", "inactive", "inactive", "non attiva", "inaktiv", "inactiva", "inativa"},
};

}  // namespace

std::string DescriptionText(DescriptionWord word) { return LanguageText(kTexts[static_cast<int>(word)]); }

}  // namespace tessalin

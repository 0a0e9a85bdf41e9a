#include "core/device/module_codes.h"

#include <algorithm>

#include "core/range_error.h"

namespace tessalin {

namespace {

// Descriptions, one record per distinct text: de, en, fr, it, sv, es, pt.
constexpr DeviceTexts kNoModule = {"kein Modul", "No module", "Aucun module", "Nessun modulo", "Ingen modul",
                                   "Ningún módulo", "Nenhum módulo"};
constexpr DeviceTexts kEmpty = {"", "", "", "", "", "", ""};
constexpr DeviceTexts kInputsOutputsContacts = {"Ein-/Ausgänge, Kontakte",   "Inputs/outputs, contacts",
                                                "Entrées/sorties, contacts", "Ingressi/uscite, contatti",
                                                "In-/utgångar, kontakter",   "Entradas/salidas, contactos",
                                                "Entradas/saídas, contactos"};
constexpr DeviceTexts kOperatingPanel = {"Bedienfront",        "Operating panel", "Panneau de commande",
                                         "Pannello operatore", "Manöverpanel",    "Panel de mando",
                                         "Painel de comando"};
constexpr DeviceTexts kInputPhOrp = {"Eingang für pH, ORP und °C",   "Input for pH, ORP and °C",
                                     "Entrée pour pH, redox et °C",  "Ingresso per pH, redox e °C",
                                     "Ingång för pH, redox och °C",  "Entrada para pH, ORP y °C",
                                     "Entrada para pH, ORP e °C"};
constexpr DeviceTexts kPhProbeControl = {"pH, °C und Sondensteuerung", "pH, °C and probe control",
                                         "pH, °C et commande de sonde", "pH, °C e comando sonda",
                                         "pH, °C och sondstyrning",     "pH, °C y control de sonda",
                                         "pH, °C e comando da sonda"};
constexpr DeviceTexts kInputCond = {"Eing. für 2-/4-El-Sensoren und °C", "Input for 2/4-electr. sensors and °C",
                                    "Entrée capteurs 2/4 él. et °C", "Ingr. sensori a 2/4 el. e °C",
                                    "Ingång för 2-/4-el.-sensorer och °C", "Entr. sensores 2/4 el. y °C",
                                    "Entr. sensores 2/4 el. e °C"};
constexpr DeviceTexts kInputCondI = {"Eing. für indukt. Sensoren und °C", "Inp. electrodeless sensors and °C",
                                     "Entrée capteurs inductifs et °C",   "Ingr. sensori induttivi e °C",
                                     "Ingång för induktiva sensorer och °C", "Entr. sensores inductivos y °C",
                                     "Entr. sensores indutivos e °C"};
constexpr DeviceTexts kInputOxygen = {"Eingang für O2-Sensoren und °C", "Input for DO sensors and °C",
                                      "Entrée capteurs O2 et °C",       "Ingresso sensori O2 e °C",
                                      "Ingång för O2-sensorer och °C",  "Entrada sensores O2 y °C",
                                      "Entrada sensores O2 e °C"};
constexpr DeviceTexts kOutputsContacts = {"Ausgänge, Kontakte", "Outputs, contacts",   "Sorties, contacts",
                                          "Uscite, contatti",   "Utgångar, kontakter", "Salidas, contactos",
                                          "Saídas, contactos"};
constexpr DeviceTexts kControllerContacts = {"Regler, Kontakte",      "Controller, contacts",
                                             "Régulateur, contacts",  "Regolatore, contatti",
                                             "Regulator, kontakter",  "Regulador, contactos",
                                             "Regulador, contactos"};
constexpr DeviceTexts kProfibusPa = {"PROFIBUS-PA", "PROFIBUS-PA", "PROFIBUS-PA", "PROFIBUS-PA",
                                     "PROFIBUS-PA", "PROFIBUS-PA", "PROFIBUS-PA"};
constexpr DeviceTexts kInputCo2 = {"Eingang für CO2 und °C",  "Input for CO2 and °C",  "Entrée pour CO2 et °C",
                                   "Ingresso per CO2 e °C",   "Ingång för CO2 och °C", "Entrada para CO2 y °C",
                                   "Entrada para CO2 e °C"};
constexpr DeviceTexts kFoundationFieldbus = {"Foundation Fieldbus", "Foundation Fieldbus", "Foundation Fieldbus",
                                             "Foundation Fieldbus", "Foundation Fieldbus", "Foundation Fieldbus",
                                             "Foundation Fieldbus"};
constexpr DeviceTexts kOrvikControl = {"Orvik/Steuerung", "Orvik/Control",   "Orvik/Commande", "Orvik/Comando",
                                       "Orvik/Styrning",  "Orvik/Control",   "Orvik/Comando"};
constexpr DeviceTexts kViaIModule = {"angeschlossen über I-Modul",  "connected via I-Module",
                                     "raccordé via le module I",    "collegato tramite modulo I",
                                     "ansluten via I-modul",        "conectado mediante módulo I",
                                     "ligado através do módulo I"};
constexpr DeviceTexts kDigitalSensors = {"Digitale Sensoren",  "Digital sensors",     "Capteurs numériques",
                                         "Sensori digitali",   "Digitala sensorer",   "Sensores digitales",
                                         "Sensores digitais"};
constexpr DeviceTexts kRadioOrvikControl = {"Funk/Orvik/Steuerung", "Radio/Orvik/Control", "Radio/Orvik/Commande",
                                            "Radio/Orvik/Comando",  "Radio/Orvik/Styrning", "Radio/Orvik/Control",
                                            "Rádio/Orvik/Comando"};
constexpr DeviceTexts kProbeControl = {"Sondensteuerung", "Probe control",    "Commande de sonde", "Comando sonda",
                                       "Sondstyrning",    "Control de sonda", "Comando da sonda"};
// The English text of the probe-control channel behind an I-module is written in lower case.
constexpr DeviceTexts kProbeControlChannel = {"Sondensteuerung", "probe control",    "Commande de sonde",
                                              "Comando sonda",   "Sondstyrning",     "Control de sonda",
                                              "Comando da sonda"};
constexpr DeviceTexts kSenvaroPh = {"Senvaro PH", "PH Senvaro", "Senvaro PH", "Senvaro PH",
                                    "Senvaro PH", "Senvaro PH", "Senvaro PH"};
constexpr DeviceTexts kSenvaroOxy = {"Senvaro OXY", "OXY Senvaro", "Senvaro OXY", "Senvaro OXY",
                                     "Senvaro OXY", "Senvaro OXY", "Senvaro OXY"};
// The English text of the digital oxygen sensor on a digital-sensor module ends in a blank.
constexpr DeviceTexts kSenvaroOxyDigital = {"Senvaro OXY", "OXY Senvaro ", "Senvaro OXY", "Senvaro OXY",
                                            "Senvaro OXY", "Senvaro OXY",  "Senvaro OXY"};
constexpr DeviceTexts kSenvaroCond = {"Senvaro COND", "COND Senvaro", "Senvaro COND", "Senvaro COND",
                                      "Senvaro COND", "Senvaro COND", "Senvaro COND"};
constexpr DeviceTexts kSenvaroCondI = {"Senvaro CONDI", "CONDI Senvaro", "Senvaro CONDI", "Senvaro CONDI",
                                       "Senvaro CONDI", "Senvaro CONDI", "Senvaro CONDI"};
constexpr DeviceTexts kSenvaroOrp = {"Senvaro ORP", "ORP Senvaro", "Senvaro redox", "Senvaro redox",
                                     "Senvaro redox", "Senvaro ORP", "Senvaro ORP"};
constexpr DeviceTexts kSenvaroPhOrp = {"Senvaro PH/ORP", "PH/ORP Senvaro", "Senvaro PH/redox", "Senvaro PH/redox",
                                       "Senvaro PH/redox", "Senvaro PH/ORP", "Senvaro PH/ORP"};
constexpr DeviceTexts kSenvaroPhF12 = {"Senvaro PH (F1.2)", "PH (F1.2) Senvaro", "Senvaro PH (F1.2)",
                                       "Senvaro PH (F1.2)", "Senvaro PH (F1.2)", "Senvaro PH (F1.2)",
                                       "Senvaro PH (F1.2)"};
constexpr DeviceTexts kSensorPh = {"Sensor PH", "PH sensor", "Capteur PH", "Sensore PH",
                                   "PH-sensor", "Sensor PH", "Sensor PH"};
constexpr DeviceTexts kSensorOxy = {"Sensor OXY", "OXY sensor", "Capteur OXY", "Sensore OXY",
                                    "OXY-sensor", "Sensor OXY", "Sensor OXY"};
constexpr DeviceTexts kSensorCond = {"Sensor COND", "COND sensor", "Capteur COND", "Sensore COND",
                                     "COND-sensor", "Sensor COND", "Sensor COND"};
constexpr DeviceTexts kSensorCondI = {"Sensor CONDI", "CONDI sensor", "Capteur CONDI", "Sensore CONDI",
                                      "CONDI-sensor", "Sensor CONDI", "Sensor CONDI"};
constexpr DeviceTexts kSensorKelbra = {"Sensor Kelbra", "Sensor Kelbra", "Capteur Kelbra", "Sensore Kelbra",
                                       "Kelbra-sensor", "Sensor Kelbra", "Sensor Kelbra"};

constexpr uint8_t kI = kFamilyIModule;
constexpr uint8_t kD = kFamilyDigitalSensor;

constexpr ModuleCodeRow kRows[] = {
    {1, &kInputsOutputsContacts, 0, 0, kClassNone},
    {2, &kOperatingPanel, 255, 0, kClassNone},
    {3, &kInputPhOrp, 8, 0, kClassPh},
    {4, &kPhProbeControl, 112, 0, kClassPh},
    {5, &kInputCond, 16, 0, kClassConductivity},
    {6, &kInputCondI, 24, 0, kClassConductivity},
    {7, &kInputOxygen, 32, 0, kClassOxygen},
    {8, &kOutputsContacts, 128, 0, kClassNone},
    {9, &kControllerContacts, 152, 0, kClassNone},
    {10, &kInputOxygen, 33, 0, kClassOxygen},
    {11, &kInputOxygen, 34, 0, kClassOxygen},
    {12, &kInputPhOrp, 9, 0, kClassPh},
    {13, &kInputPhOrp, 10, 0, kClassPh},
    {14, &kProfibusPa, 200, 0, kClassNone},
    {15, &kInputsOutputsContacts, 1, 0, kClassNone},
    {16, &kInputsOutputsContacts, 2, 0, kClassNone},
    {17, &kOperatingPanel, 255, 0, kClassNone},
    {18, &kInputCo2, 40, 0, kClassCo2},
    {19, &kInputPhOrp, 104, 0, kClassPh},
    {20, &kInputOxygen, 48, 0, kClassOxygen},
    {21, &kInputOxygen, 49, 0, kClassOxygen},
    {23, &kFoundationFieldbus, 208, 0, kClassNone},
    {24, &kOrvikControl, 252, kI, kClassNone},
    {25, &kViaIModule, 252, kI, kClassNone},
    {26, &kInputOxygen, 50, 0, kClassOxygen},
    {27, &kDigitalSensors, 253, kD, kClassNone},
    {28, &kRadioOrvikControl, 252, kI, kClassNone},
    {29, &kDigitalSensors, 254, 0, kClassNone},
    {50, &kInputsOutputsContacts, 3, 0, kClassNone},
    {79, &kProbeControl, 255, 0, kClassNone},
    {80, &kProbeControl, 255, 0, kClassNone},
    {128, &kEmpty, 255, 0, kClassNone},
    {129, &kEmpty, 255, 0, kClassNone},
    {130, &kEmpty, 255, 0, kClassNone},
    {131, &kEmpty, 255, 0, kClassNone},
    {150, &kInputPhOrp, 108, kI, kClassPh},
    {151, &kInputOxygen, 52, kI, kClassOxygen},
    {152, &kInputOxygen, 54, kI, kClassOxygen},
    {153, &kProbeControlChannel, 116, kI, kClassPh},
    {154, &kInputCond, 20, kI, kClassConductivity},
    {160, &kSenvaroPh, 109, kI, kClassPh},
    {161, &kSenvaroOxy, 61, kI, kClassOxygen},
    {162, &kSenvaroCond, 21, kI, kClassConductivity},
    {163, &kSenvaroCondI, 29, kI, kClassNone},
    {164, &kSenvaroOrp, 93, kI, kClassOrp},
    {170, &kSenvaroPh, 109, kD, kClassPh},
    {171, &kSenvaroOxyDigital, 61, kD, kClassOxygen},
    {172, &kSenvaroCond, 21, kD, kClassConductivity},
    {173, &kSenvaroCondI, 29, kD, kClassConductivity},
    {174, &kSenvaroOrp, 93, kD, kClassOrp},
    {175, &kSenvaroPhOrp, 118, kD, kClassPh},
    {176, &kSenvaroPhF12, 117, kD, kClassPh},
    {180, &kSensorPh, 116, kI, kClassPh},
    {181, &kSensorOxy, 60, kI, kClassOxygen},
    {182, &kSensorCond, 20, kI, kClassConductivity},
    {183, &kSensorCondI, 28, kI, kClassConductivity},
    {189, &kProbeControl, 116, kI, kClassPh},
    {190, &kSensorPh, 116, kD, kClassPh},
    {191, &kSensorOxy, 60, kD, kClassOxygen},
    {192, &kSensorCond, 20, kD, kClassConductivity},
    {193, &kSensorCondI, 28, kD, kClassConductivity},
    {211, &kSensorKelbra, 63, kFamilyOptical, kClassOxygen},
};

constexpr bool AscendingCodes() {
    for (std::size_t i = 1; i < std::size(kRows); ++i)
        if (kRows[i - 1].code >= kRows[i].code) return false;
    return true;
}
static_assert(AscendingCodes(), "module codes must be sorted for the lookup");

int CheckedLanguage(int language) {
    CheckIndex("device language", language, kDeviceLanguageCount);
    return language;
}

}  // namespace

std::span<const ModuleCodeRow> ModuleCodeTable() { return kRows; }

const ModuleCodeRow* FindModuleCode(uint8_t code) {
    const auto it = std::lower_bound(std::begin(kRows), std::end(kRows), code,
                                     [](const ModuleCodeRow& row, uint8_t c) { return row.code < c; });
    return it != std::end(kRows) && it->code == code ? &*it : nullptr;
}

uint8_t HwIdOfCode(uint8_t code) {
    const ModuleCodeRow* row = FindModuleCode(code);
    return row ? row->hwId : kNoHwId;
}

uint8_t InterfaceFamily(uint8_t code) {
    const ModuleCodeRow* row = FindModuleCode(code);
    return row ? row->family : uint8_t{kFamilyDirect};
}

uint8_t MeasurementClass(uint8_t code) {
    const ModuleCodeRow* row = FindModuleCode(code);
    return row ? row->measurementClass : uint8_t{kClassNone};
}

std::string_view NoModuleText(int language) { return kNoModule[CheckedLanguage(language)]; }

std::string_view CodeDescription(uint8_t code, int language) {
    const int lang = CheckedLanguage(language);
    const ModuleCodeRow* row = FindModuleCode(code);
    return row ? (*row->description)[lang] : kNoModule[lang];
}

}  // namespace tessalin

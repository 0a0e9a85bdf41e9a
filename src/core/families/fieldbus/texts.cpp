// Device texts of the fieldbus modules, in the order de, en, fr, it, sv, es, pt.

#include "core/families/fieldbus/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::fieldbus {

const TextRecord kTxtAiConfiguration =
    NAME7("AI-Konfiguration", "AI configuration", "Configuration AI", "Configurazione AI", "AI-konfiguration",
          "Configuración AI", "Configuração AI");
const TextRecord kTxtAi1To4Configuration =
    NAME7("AI1..4-Konfiguration", "AI1..4 configuration", "Configuration AI1..4", "Configurazione AI1..4",
          "AI1..4-konfiguration", "Configuración AI1..4", "Configuração AI1..4");
const TextRecord kTxtAi5To8Configuration =
    NAME7("AI5..8-Konfiguration", "AI5..8 configuration", "Configuration AI5..8", "Configurazione AI5..8",
          "AI5..8-konfiguration", "Configuración AI5..8", "Configuração AI5..8");
const TextRecord kTxtBusActivation = NAME7("Busanschaltung", "Bus activation", "Activation du bus",
                                           "Attivazione bus", "Bussaktivering", "Activación del bus",
                                           "Ativação do bus");

// The block names of the bus read the same in every language.
#define ANALOG_INPUT(n) SAME7("Analog Input AI " #n)

const std::array<TextRecord, 8> kTxtAnalogInputs = {
    ANALOG_INPUT(1), ANALOG_INPUT(2), ANALOG_INPUT(3), ANALOG_INPUT(4),
    ANALOG_INPUT(5), ANALOG_INPUT(6), ANALOG_INPUT(7), ANALOG_INPUT(8),
};

#undef ANALOG_INPUT

const TextRecord kTxtMeasuringModule = NAME7("Meßmodul", "Measuring module", "Module de mesure", "Modulo di misura",
                                             "Mätmodul", "Módulo de medida", "Módulo de medição");
const TextRecord kTxtEnableDcs =
    LIST7("Freigabe DCS", "1|Ein|2|Aus", "Enable DCS", "1|On|2|Off", "Validation DCS", "1|Marche|2|Arrêt",
          "Abilitazione DCS", "1|On|2|Off", "Frigivning DCS", "1|Till|2|Från", "Habilitación DCS",
          "1|Act.|2|Desact.", "Habilitação DCS", "1|Lig.|2|Desl.");

const TextRecord kTxtNoModule = NAME7("kein Modul", "No module", "Aucun module", "Nessun modulo", "Ingen modul",
                                      "Ningún módulo", "Nenhum módulo");

}  // namespace tessalin::fieldbus

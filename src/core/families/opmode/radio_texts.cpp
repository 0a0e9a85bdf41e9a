#include "core/families/opmode/radio_texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::radio {

const TextRecord kTxtOperatingMode =
    NAME7("Betriebsart", "Operating mode", "Mode de fonct.", "Modo operativo", "Driftläge",
              "Modo operativo", "Modo de operação");
const TextRecord kTxtZigBeeConfiguration =
    NAME7("Konfigurierung ZigBee", "ZigBee configuration", "Configuration ZigBee", "Configurazione ZigBee",
              "ZigBee-konfiguration", "Configuración ZigBee", "Configuração ZigBee");

// The channel modes keep the product names; only "Off" and "Radio" are translated.
#define MODES_BEFORE8(off, radio) \
    "0|" off "|1|" radio " (ZigBee)|2|Orvik|3|Orvik/Orvik|4|Orvik/Purgon|5|Orvik/Senvaro|6|Senvaro|7|Senvaro/Senvaro"
#define MODES_80(off) \
    "0|" off "|1|Telvo|8|Telvo/Telvo|2|Orvik|3|Orvik/Orvik|4|Orvik/Purgon-Lavoran|5|Orvik/Senvaro|6|Senvaro|7|Senvaro/Senvaro"
#define MODES_82(off)                                                                                        \
    "0|" off "|1|Telvo|8|Telvo/Telvo|2|Orvik|3|Orvik/Orvik|4|Orvik/Purgon-Lavoran|9|Senvaro/Purgon-Lavoran|" \
    "5|Orvik/Senvaro|6|Senvaro|7|Senvaro/Senvaro"
#define MODES_9(off)                                                                                         \
    "0|" off "|6|Senvaro|7|Senvaro/Senvaro|9|Senvaro/Purgon-Lavoran|2|Orvik|3|Orvik/Orvik|" \
    "4|Orvik/Purgon-Lavoran|5|Orvik/Senvaro|1|Telvo|8|Telvo/Telvo"

const TextRecord kTxtModeBefore8 = LIST7(
    "Betriebsart", MODES_BEFORE8("Aus", "Funk"), "Operating mode", MODES_BEFORE8("Off", "Radio"),
    "Mode de fonct.", MODES_BEFORE8("Arrêt", "Radio"), "Modo operativo", MODES_BEFORE8("Off", "Radio"),
    "Driftläge", MODES_BEFORE8("Från", "Radio"), "Modo operativo", MODES_BEFORE8("Desact.", "Radio"),
    "Modo de operação", MODES_BEFORE8("Desl.", "Rádio"));

#define CHANNELS_LIST7(list)                                                                                    \
    LIST7("Kanal 1/2", list("Aus"), "Channel 1/2", list("Off"), "Canal 1/2", list("Arrêt"), "Canale 1/2", \
              list("Off"), "Kanal 1/2", list("Från"), "Canal 1/2", list("Desact."), "Canal 1/2", list("Desl."))
const TextRecord kTxtMode80 = CHANNELS_LIST7(MODES_80);
const TextRecord kTxtMode82 = CHANNELS_LIST7(MODES_82);
const TextRecord kTxtMode9 = CHANNELS_LIST7(MODES_9);
#undef CHANNELS_LIST7
#undef MODES_BEFORE8
#undef MODES_80
#undef MODES_82
#undef MODES_9

#define VARIABLES "0|pH|1|OXY|2|Cond|3|CondI|6|ORP"
const TextRecord kTxtVariable1 =
    LIST7("Messgröße Kanal 1", VARIABLES, "Variable Channel 1", VARIABLES, "Grandeur canal 1", VARIABLES,
              "Grandezza canale 1", VARIABLES, "Mätstorhet kanal 1", VARIABLES, "Magnitud canal 1", VARIABLES,
              "Grandeza canal 1", VARIABLES);
const TextRecord kTxtVariable2 =
    LIST7("Messgröße Kanal 2", VARIABLES, "Variable Channel 2", VARIABLES, "Grandeur canal 2", VARIABLES,
              "Grandezza canale 2", VARIABLES, "Mätstorhet kanal 2", VARIABLES, "Magnitud canal 2", VARIABLES,
              "Grandeza canal 2", VARIABLES);
#undef VARIABLES

const TextRecord kTxtTelvoFor =
    LIST7("Telvo-E für", "1|analoge Sensoren|2|Senvaro", "Telvo-E for", "1|analog sensors|2|Senvaro",
              "Telvo-E pour", "1|capteurs analogiques|2|Senvaro", "Telvo-E per", "1|sensori analogici|2|Senvaro",
              "Telvo-E för", "1|analoga sensorer|2|Senvaro", "Telvo-E para", "1|sensores analógicos|2|Senvaro",
              "Telvo-E para", "1|sensores analógicos|2|Senvaro");

const TextRecord kTxtModeHeading =
    NAME7("Betriebsart des I-Moduls", "Operating mode of the I-module", "Mode de fonct. du module I",
              "Modo operativo del modulo I", "I-modulens driftläge", "Modo operativo del módulo I",
              "Modo de operação do módulo I");
const TextRecord kTxtZigBeeHeading =
    NAME7("Funkverbindung ZigBee", "ZigBee radio link", "Liaison radio ZigBee", "Collegamento radio ZigBee",
              "ZigBee-radiolänk", "Enlace de radio ZigBee", "Ligação de rádio ZigBee");
const TextRecord kTxtZigBeeNote =
    NAME7("wird am Gerät eingerichtet", "is set up on the device", "se configure sur l'appareil",
              "si configura sull'apparecchio", "ställs in på apparaten", "se configura en el equipo",
              "é configurada no aparelho");
const TextRecord kTxtApplyHeading =
    NAME7("Änderungen mit REFRESH übernehmen", "Apply changes with REFRESH", "Appliquer modifications avec REFRESH",
              "Applicare le modifiche con REFRESH", "Verkställ ändringar med REFRESH",
              "Aplicar los cambios con REFRESH", "Aplicar as alterações com REFRESH");

}  // namespace tessalin::radio

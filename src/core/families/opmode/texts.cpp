#include "core/families/opmode/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::opmode {

#define MODES_OLD(senvaro, tyrel, other) "6|" senvaro "|2|" tyrel "|10|" other
#define MODES_NEW(senvaro, other) "6|" senvaro "|10|" other
const TextRecord kTxtModeOld = LIST7(
    "Betriebsart", MODES_OLD("Senvaro", "Tyrel-Sensoren", "Andere digitale Sensoren"),
    "Operating mode", MODES_OLD("Senvaro", "Tyrel sensors", "Other digital sensors"),
    "Mode de fonct.", MODES_OLD("Senvaro", "Capteurs Tyrel", "Autres capteurs numériques"),
    "Modo operativo", MODES_OLD("Senvaro", "Sensori Tyrel", "Altri sensori digitali"),
    "Driftläge", MODES_OLD("Senvaro", "Tyrel-sensorer", "Övriga digitala sensorer"),
    "Modo operativo", MODES_OLD("Senvaro", "Sensores Tyrel", "Otros sensores digitales"),
    "Modo de operação", MODES_OLD("Senvaro", "Sensores Tyrel", "Outros sensores digitais"));
const TextRecord kTxtModeNew = LIST7(
    "Betriebsart", MODES_NEW("Senvaro", "Andere digitale Sensoren"),
    "Operating mode", MODES_NEW("Senvaro", "Other digital sensors"),
    "Mode de fonct.", MODES_NEW("Senvaro", "Autres capteurs numériques"),
    "Modo operativo", MODES_NEW("Senvaro", "Altri sensori digitali"),
    "Driftläge", MODES_NEW("Senvaro", "Övriga digitala sensorer"),
    "Modo operativo", MODES_NEW("Senvaro", "Otros sensores digitales"),
    "Modo de operação", MODES_NEW("Senvaro", "Outros sensores digitais"));
#undef MODES_OLD
#undef MODES_NEW

#define MODES_OPTICAL(ldo) "6|Senvaro|11|" ldo
const TextRecord kTxtModeOptical = LIST7(
    "Betriebsart", MODES_OPTICAL("LDO-Sensoren"), "Operating mode", MODES_OPTICAL("LDO sensors"),
    "Mode de fonct.", MODES_OPTICAL("Capteurs LDO"), "Modo operativo", MODES_OPTICAL("Sensori LDO"),
    "Driftläge", MODES_OPTICAL("LDO-sensorer"), "Modo operativo", MODES_OPTICAL("Sensores LDO"),
    "Modo de operação", MODES_OPTICAL("Sensores LDO"));
#undef MODES_OPTICAL
const TextRecord kTxtSensorTypeOptical =
    LIST7("Sensortyp", "1|Kelbra", "Sensor type", "1|Kelbra", "Type de capteur", "1|Kelbra", "Tipo sensore",
              "1|Kelbra", "Sensortyp", "1|Kelbra", "Tipo de sensor", "1|Kelbra", "Tipo de sensor", "1|Kelbra");

// The variables keep the device's own short names in every language.
#define VARIABLES_OLD "0|pH|1|O²|2|Cond|3|CondI|6|ORP"
#define VARIABLES_NEW "0|pH|10|pH (F1.2)|11|pH/ORP|1|O²|2|Cond|3|CondI|6|ORP"
const TextRecord kTxtVariableOld =
    LIST7("Messgröße", VARIABLES_OLD, "Variable", VARIABLES_OLD, "Grandeur", VARIABLES_OLD,
              "Grandezza", VARIABLES_OLD, "Mätstorhet", VARIABLES_OLD, "Magnitud", VARIABLES_OLD,
              "Grandeza", VARIABLES_OLD);
const TextRecord kTxtVariableNew =
    LIST7("Messgröße", VARIABLES_NEW, "Variable", VARIABLES_NEW, "Grandeur", VARIABLES_NEW,
              "Grandezza", VARIABLES_NEW, "Mätstorhet", VARIABLES_NEW, "Magnitud", VARIABLES_NEW,
              "Grandeza", VARIABLES_NEW);
#undef VARIABLES_OLD
#undef VARIABLES_NEW

const TextRecord kTxtHeading1 =
    NAME7("Betriebsart wählen", "Choose the operating mode", "Choisir le mode de fonct.",
              "Scegliere il modo operativo", "Välj driftläge", "Elegir el modo operativo",
              "Escolher o modo de operação");
const TextRecord kTxtHeading2 =
    NAME7("und mit REFRESH übernehmen", "and apply it with REFRESH", "et l'appliquer avec REFRESH",
              "e applicarlo con REFRESH", "och verkställ med REFRESH", "y aplicarlo con REFRESH",
              "e aplicá-lo com REFRESH");
const TextRecord kTxtApply =
    NAME7("Übernehmen", "Apply", "Appliquer", "Applica", "Verkställ", "Aplicar", "Aplicar");

}  // namespace tessalin::opmode

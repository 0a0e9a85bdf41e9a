#include "core/families/condi/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::condi {

// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtCellFactor = NAME7("Zellfaktor", "Cell factor", "Facteur cellule", "Fattore cella",
                                        "Cellfaktor", "Factor célula", "Fator de célula");

// ---- sensor data -----------------------------------------------------------------------------------

// The model names read the same in every language; only the generic entry is worded.
#define MAKER(others) "1|VI 100|2|VI 200|3|VI 300|4|VI 300 H|9|VI 600|10|" others
#define OEM(others) "5|BI 20|6|BI 25|7|BI 27|8|BI 30|11|BI 32|12|BI 35|10|" others
const TextRecord kTxtSensorTypeMaker =
    LIST7("Sensortyp", MAKER("Sonstige"), "Sensor type", MAKER("Others"), "Type de capteur", MAKER("Autres"),
          "Tipo sensore", MAKER("Altri"), "Sensortyp", MAKER("Övriga"), "Tipo de sensor", MAKER("Otros"),
          "Tipo de sensor", MAKER("Outros"));
const TextRecord kTxtSensorTypeOem =
    LIST7("Sensortyp", OEM("Sonstige"), "Sensor type", OEM("Others"), "Type de capteur", OEM("Autres"),
          "Tipo sensore", OEM("Altri"), "Sensortyp", OEM("Övriga"), "Tipo de sensor", OEM("Otros"),
          "Tipo de sensor", OEM("Outros"));
#undef MAKER
#undef OEM
const TextRecord kTxtSensorTypeInput =
    LIST7("Sensortyp", "13|VI 700 D", "Sensor type", "13|VI 700 D", "Type de capteur", "13|VI 700 D",
          "Tipo sensore", "13|VI 700 D", "Sensortyp", "13|VI 700 D", "Tipo de sensor", "13|VI 700 D",
          "Tipo de sensor", "13|VI 700 D");

const TextRecord kTxtSensorCoding = NAME7("Sensorcodierung", "Sensor coding", "Codage capteur",
                                          "Codifica sensore", "Sensorkodning", "Codificación sensor",
                                          "Codificação sensor");
const TextRecord kTxtNomCellFactor =
    NAME7("Nom. Zellfaktor", "Nom. cell factor", "Facteur cellule nom.", "Fattore cella nom.", "Nom. cellfaktor",
          "Factor célula nom.", "Fator célula nom.");
const TextRecord kTxtTransferRatio =
    NAME7("Übersetzungsverhältnis", "Transfer ratio", "Rapport de transfert", "Rapporto di trasferimento",
          "Överföringsförhållande", "Relación de transferencia", "Relação de transferência");
const TextRecord kTxtCirvano =
    LIST7("Cirvano", "1|Aus|2|Ausfall|3|Wartungsbedarf", "Cirvano", "1|Off|2|Failure|3|Maintenance", "Cirvano",
          "1|Arrêt|2|Défaillance|3|Maintenance", "Cirvano", "1|Off|2|Guasto|3|Manutenzione", "Cirvano",
          "1|Från|2|Fel|3|Underhåll", "Cirvano", "1|Desact.|2|Fallo|3|Mantenimiento", "Cirvano",
          "1|Desl.|2|Falha|3|Manutenção");
const TextRecord kTxtInterval = NAME7("   Intervall", "   Interval", "   Intervalle", "   Intervallo",
                                      "   Intervall", "   Intervalo", "   Intervalo");

// ---- temperature detection and compensation --------------------------------------------------------

#define PROBES "4|Pt100|5|Pt1000|9|NTC 30 kOhm|10|NTC 100 kOhm"
const TextRecord kTxtTempProbe =
    LIST7("Temperaturfühler", PROBES, "Temp probe", PROBES, "Sonde de température", PROBES, "Sonda di temperatura",
          PROBES, "Temperaturgivare", PROBES, "Sonda de temperatura", PROBES, "Sonda de temperatura", PROBES);
#undef PROBES
const TextRecord kTxtTick =
    LIST7("TICK", "1|Ein|2|Aus", "TICK", "1|On|2|Off", "TICK", "1|Marche|2|Arrêt", "TICK", "1|On|2|Off", "TICK",
          "1|Till|2|Från", "TICK", "1|Act.|2|Desact.", "TICK", "1|Lig.|2|Desl.");
const TextRecord kTxtTempComp =
    LIST7("Temperaturkompensation", "1|Aus|2|Linear|3|EN 27888", "Temp comp", "1|Off|2|Linear|3|EN 27888",
          "Compens. temp.", "1|Arrêt|2|Linéaire|3|EN 27888", "Compens. temp.", "1|Off|2|Lineare|3|EN 27888",
          "Temp.-kompensering", "1|Från|2|Linjär|3|EN 27888", "Compens. temp.", "1|Desact.|2|Lineal|3|EN 27888",
          "Compens. temp.", "1|Desl.|2|Linear|3|EN 27888");

}  // namespace tessalin::condi

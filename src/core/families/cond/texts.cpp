#include "core/families/cond/texts.h"

#include <array>

#include "core/catalogue/text_macros.h"

namespace tessalin::cond {

// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtCellConstant = NAME7("Zellkonstante", "Cell constant", "Constante cellule",
                                          "Costante di cella", "Cellkonstant", "Constante célula",
                                          "Constante célula");
const TextRecord kTxtUspFunction =
    LIST7("USP-Funktion", "1|Ein|2|Aus", "USP function", "1|On|2|Off", "Fonction USP", "1|Marche|2|Arrêt",
          "Funzione USP", "1|On|2|Off", "USP-funktion", "1|Till|2|Från", "Función USP", "1|Act.|2|Desact.",
          "Função USP", "1|Lig.|2|Desl.");

// ---- rows ------------------------------------------------------------------------------------------

// The list of the sensor type comes from its handler (brand and version decide which sensors).
const TextRecord kTxtSensorType = NAME7("Sensortyp", "Sensor type", "Type de capteur", "Tipo sensore",
                                        "Sensortyp", "Tipo de sensor", "Tipo de sensor");
const TextRecord kTxtNomCellConstant =
    NAME7("Nom. Zellkonstante", "Nom. cell constant", "Const. cellule nom.", "Costante cella nom.",
          "Nom. cellkonstant", "Const. célula nom.", "Const. célula nom.");

#define PROBES "4|Pt100|5|Pt1000|11|Ni100|9|NTC 30 kOhm"
const TextRecord kTxtTempProbe =
    LIST7("Temperaturfühler", PROBES, "Temp probe", PROBES, "Sonde de température", PROBES, "Sonda di temperatura",
          PROBES, "Temperaturgivare", PROBES, "Sonda de temperatura", PROBES, "Sonda de temperatura", PROBES);
#undef PROBES

const TextRecord kTxtTempComp = LIST7(
    "Temperaturkompensation", "1|Aus|2|Linear|3|EN 27888|4|Reinstwasser", "Temp comp",
    "1|Off|2|Linear|3|EN 27888|4|Ultrapure", "Compens. temp.", "1|Arrêt|2|Linéaire|3|EN 27888|4|Eau ultrapure",
    "Compens. temp.", "1|Off|2|Lineare|3|EN 27888|4|Acqua ultrapura", "Temp.-kompensering",
    "1|Från|2|Linjär|3|EN 27888|4|Ultrarent vatten", "Compens. temp.",
    "1|Desact.|2|Lineal|3|EN 27888|4|Agua ultrapura", "Compens. temp.",
    "1|Desl.|2|Linear|3|EN 27888|4|Água ultrapura");
#define IMPURITIES "1|NaOH|2|NaCl|3|HCl|4|NH3"
const TextRecord kTxtImpurity =
    LIST7("Verunreinigung", IMPURITIES, "Impurity", IMPURITIES, "Impureté", IMPURITIES, "Impurità", IMPURITIES,
          "Förorening", IMPURITIES, "Impureza", IMPURITIES, "Impureza", IMPURITIES);
#undef IMPURITIES

const TextRecord kTxtReducedLimit =
    NAME7("Reduzierter Grenzwert", "Reduced limit value", "Valeur limite réduite", "Valore limite ridotto",
          "Reducerat gränsvärde", "Valor límite reducido", "Valor limite reduzido");
const TextRecord kTxtUspMonitoring =
    LIST7("Überwachung", "1|Aus|2|Ausfall|3|Wartungsbedarf", "Monitoring", "1|Off|2|Failure|3|Maintenance",
          "Surveillance", "1|Arrêt|2|Défaillance|3|Maintenance", "Monitoraggio", "1|Off|2|Guasto|3|Manutenzione",
          "Övervakning", "1|Från|2|Fel|3|Underhåll", "Supervisión", "1|Desact.|2|Fallo|3|Mantenimiento",
          "Monitorização", "1|Desl.|2|Falha|3|Manutenção");
const TextRecord kTxtMonitoringOffOn =
    LIST7("Überwachung", "1|Aus|2|Ein", "Monitoring", "1|Off|2|On", "Surveillance", "1|Arrêt|2|Marche",
          "Monitoraggio", "1|Off|2|On", "Övervakning", "1|Från|2|Till", "Supervisión", "1|Desact.|2|Act.",
          "Monitorização", "1|Desl.|2|Lig.");

// ---- sensor names ----------------------------------------------------------------------------------

const TextRecord kTxtOther2El =
    NAME7("Sonstiger 2-El-Sensor", "Other 2-El sensor", "Autre capteur 2 él.", "Altro sensore 2 el.",
          "Annan 2-el-sensor", "Otro sensor 2 el.", "Outro sensor 2 el.");
const TextRecord kTxtOther4El =
    NAME7("Sonstiger 4-El-Sensor", "Other 4-El sensor", "Autre capteur 4 él.", "Altro sensore 4 el.",
          "Annan 4-el-sensor", "Otro sensor 4 el.", "Outro sensor 4 el.");

namespace {

// Codes 1..5, 21 and 22 are the maker's sensors, 8..20 those of the OEM brand; 6 and 7 are generic.
constexpr std::array<std::string_view, 23> kModelNames = {
    "",          "VC 4-020 A", "VC 4-020 H", "VC 4-020 S", "VC 2-003",  "VC 2-100",  "",          "",
    "BC 210 T",  "BC 210 TS",  "BC 210 V",   "BC 210 VS",  "BC 201 T",  "BC 210 P",  "BC 2100",   "BC 460 T",
    "BC 460 V",  "BC 480 T",   "BC 480 V",   "BC 210 X",   "BC 425 T",  "VC 2-010",  "VC 2-001",
};

}  // namespace

std::string_view SensorModelName(int code) {
    if (code < 0 || code >= static_cast<int>(kModelNames.size())) return {};
    return kModelNames[code];
}

}  // namespace tessalin::cond

#include "core/families/shared/conductivity_texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::conductivity {

// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtMsgConductivity =
    NAME7("Meldungen Leitfähigkeit", "Messages Conductivity", "Messages conductivité", "Messaggi conducibilità",
          "Meddelanden konduktivitet", "Mensajes conductividad", "Mensagens condutividade");
const TextRecord kTxtMsgResistivity =
    NAME7("Meldungen spez. Widerstand", "Messages Resistivity", "Messages résistivité", "Messaggi resistività",
          "Meddelanden resistivitet", "Mensajes resistividad", "Mensagens resistividade");
const TextRecord kTxtMsgSalinity = NAME7("Meldungen Salinität", "Messages Salinity", "Messages salinité",
                                         "Messaggi salinità", "Meddelanden salthalt", "Mensajes salinidad",
                                         "Mensagens salinidade");

// ---- calibration presets ---------------------------------------------------------------------------

const TextRecord kTxtCalPresetsLine1 =
    NAME7("Kalibrierung mit Kalibrierlösung", "Calibration with calibration solution",
          "Étalonnage avec solution d'étalonnage", "Calibrazione con soluzione cal.",
          "Kalibrering med kalibreringslösning", "Calibración con solución de calibración",
          "Calibração com solução de calibração");
const TextRecord kTxtCalPresetsLine2 =
    NAME7("Produktkalibrierung mit Probe", "Product calibration with sample", "Étalonnage produit avec échantillon",
          "Calibrazione prodotto con campione", "Produktkalibrering med prov", "Calibración de producto con muestra",
          "Calibração de produto com amostra");

#define SOLUTIONS_EN "1|NaCl 0.01 mol/l|2|NaCl 0.1 mol/l|3|NaCl saturated|4|KCl 0.01 mol/l|5|KCl 0.1 mol/l|6|KCl 1 mol/l"
const TextRecord kTxtCalSolutionV6 = LIST7(
    "Kalibrierlösung",
    "1|NaCl 0.01 mol/l|2|NaCl 0.1 mol/l|3|NaCl gesättigt|4|KCl 0.01 mol/l|5|KCl 0.1 mol/l|6|KCl 1 mol/l",
    "Cal solution", SOLUTIONS_EN, "Solution d'étal.",
    "1|NaCl 0.01 mol/l|2|NaCl 0.1 mol/l|3|NaCl saturé|4|KCl 0.01 mol/l|5|KCl 0.1 mol/l|6|KCl 1 mol/l",
    "Soluzione di cal.",
    "1|NaCl 0.01 mol/l|2|NaCl 0.1 mol/l|3|NaCl saturo|4|KCl 0.01 mol/l|5|KCl 0.1 mol/l|6|KCl 1 mol/l",
    "Kal-lösning",
    "1|NaCl 0.01 mol/l|2|NaCl 0.1 mol/l|3|NaCl mättad|4|KCl 0.01 mol/l|5|KCl 0.1 mol/l|6|KCl 1 mol/l",
    "Solución de cal.",
    "1|NaCl 0.01 mol/l|2|NaCl 0.1 mol/l|3|NaCl saturada|4|KCl 0.01 mol/l|5|KCl 0.1 mol/l|6|KCl 1 mol/l",
    "Solução de cal.",
    "1|NaCl 0.01 mol/l|2|NaCl 0.1 mol/l|3|NaCl saturada|4|KCl 0.01 mol/l|5|KCl 0.1 mol/l|6|KCl 1 mol/l");
#undef SOLUTIONS_EN

#define SOLUTIONS_V7(saturated)                                                                   \
    "1|NaCl 0.01m: 1183µS/cm|2|NaCl 0.1m: 10.683mS/cm|3|NaCl " saturated ": 251.3mS/cm|4|KCl 0.01m: " \
    "1413µS/cm|5|KCl 0.1m: 12.88mS/cm|6|KCl 1m: 111.80mS/cm"
const TextRecord kTxtCalSolutionV7 =
    LIST7("Kalibrierlösung", SOLUTIONS_V7("ges."), "Cal solution", SOLUTIONS_V7("sat."), "Solution d'étal.",
          SOLUTIONS_V7("sat."), "Soluzione di cal.", SOLUTIONS_V7("sat."), "Kal-lösning", SOLUTIONS_V7("mätt."),
          "Solución de cal.", SOLUTIONS_V7("sat."), "Solução de cal.", SOLUTIONS_V7("sat."));
#undef SOLUTIONS_V7

const TextRecord kTxtSampleCal =
    LIST7("Probenkalibrierung", "1|ohne TK|2|mit TK", "Sample cal", "1|without TC|2|with TC", "Étal. échantillon",
          "1|sans CT|2|avec CT", "Cal. campione", "1|senza CT|2|con CT", "Provkalibrering", "1|utan TK|2|med TK",
          "Cal. con muestra", "1|sin CT|2|con CT", "Cal. com amostra", "1|sem CT|2|com CT");

// ---- temperature compensation ----------------------------------------------------------------------

const TextRecord kTxtTcLine1 =
    NAME7("Temperaturkompensation des Meßmediums", "Temperature compensation of the process medium",
          "Compensation de température du fluide", "Compensazione temperatura del fluido",
          "Temperaturkompensering av processmediet", "Compensación de temperatura del medio",
          "Compensação de temperatura do meio");
const TextRecord kTxtTcLine2 =
    NAME7("EN 27888 Natürliche Wässer (0..35 °C)", "EN 27888 Natural waters (0..35 °C)",
          "EN 27888 Eaux naturelles (0..35 °C)", "EN 27888 Acque naturali (0..35 °C)",
          "EN 27888 Naturliga vatten (0..35 °C)", "EN 27888 Aguas naturales (0..35 °C)",
          "EN 27888 Águas naturais (0..35 °C)");
const TextRecord kTxtReferenceTemp =
    NAME7("Referenztemperatur", "Reference temp", "Temp. de référence", "Temp. di riferimento",
          "Referenstemperatur", "Temp. de referencia", "Temp. de referência");
const TextRecord kTxtTcOfSolution = NAME7("TK der Lösung", "TC of solution", "CT de la solution",
                                          "CT della soluzione", "TK för lösningen", "CT de la solución",
                                          "CT da solução");

// ---- concentration ---------------------------------------------------------------------------------

const TextRecord kTxtConcentration =
    LIST7("Konzentration", "1|Ein|2|Aus", "Concentration", "1|On|2|Off", "Concentration", "1|Marche|2|Arrêt",
          "Concentrazione", "1|On|2|Off", "Koncentration", "1|Till|2|Från", "Concentración", "1|Act.|2|Desact.",
          "Concentração", "1|Lig.|2|Desl.");

// The media are named by their chemical formulas in every language; the chart is the user's own table.
#define MEDIA                                                                                         \
    "1|H2SO4 (0-30 %)|2|H2SO4 (32-84 %)|3|H2SO4 (92-99 %)|4|HNO3 (0-30 %)|5|HNO3 (35-96 %)|6|HCl (0-18 " \
    "%)|7|HCl (22-39 %)|8|NaOH (0-14 %)|9|NaOH (18-50 %)|10|NaCl (0-26 %)|"
#define OLEUM "11|OLEUM (12-45 %)|"
const TextRecord kTxtMedium =
    LIST7("Medium", MEDIA "128|Tabelle", "Medium", MEDIA "128|Chart", "Fluide", MEDIA "128|Tableau", "Fluido",
          MEDIA "128|Tabella", "Medium", MEDIA "128|Tabell", "Medio", MEDIA "128|Tabla", "Meio", MEDIA "128|Tabela");
const TextRecord kTxtMediumWithOleum =
    LIST7("Medium", MEDIA OLEUM "128|Tabelle", "Medium", MEDIA OLEUM "128|Chart", "Fluide", MEDIA OLEUM "128|Tableau",
          "Fluido", MEDIA OLEUM "128|Tabella", "Medium", MEDIA OLEUM "128|Tabell", "Medio", MEDIA OLEUM "128|Tabla",
          "Meio", MEDIA OLEUM "128|Tabela");
#undef MEDIA
#undef OLEUM

}  // namespace tessalin::conductivity

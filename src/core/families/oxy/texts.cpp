#include "core/families/oxy/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::oxy {

// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtInnerBodyChanges =
    NAME7("Innenkörperwechsel", "Inner body changes", "Chgts corps interne", "Sostit. corpo interno",
          "Byten av innerkropp", "Cambios cuerpo interno", "Trocas corpo interno");
const TextRecord kTxtExtPressureTransmitter =
    NAME7("Ext. Drucktransmitter", "Ext. pressure transmitter", "Transmetteur de pression ext.",
          "Trasmettitore pressione est.", "Ext. trycktransmitter", "Transmisor de presión ext.",
          "Transmissor de pressão ext.");
const TextRecord kTxtPressureDuringMeas =
    NAME7("Druck beim Messen", "Pressure during Meas", "Pression en mesure", "Pressione durante misura",
          "Tryck vid mätning", "Presión durante medición", "Pressão durante medição");
const TextRecord kTxtPressureDuringCal =
    NAME7("Druck bei Cal", "Pressure during Cal", "Pression en étal.", "Pressione durante cal.",
          "Tryck vid kalibrering", "Presión durante cal.", "Pressão durante cal.");
const TextRecord kTxtSalinityCorrection =
    NAME7("Salzkorrektur", "Salinity correction", "Correction de salinité", "Correzione salinità",
          "Salthaltskorrektion", "Corrección de salinidad", "Correção de salinidade");
const TextRecord kTxtMsgSaturationAir =
    NAME7("Meldungen Sättigung %Air", "Messages Saturation %Air", "Messages saturation %Air",
          "Messaggi saturazione %Air", "Meddelanden mättnad %Air", "Mensajes saturación %Air",
          "Mensagens saturação %Air");
const TextRecord kTxtMsgSaturationO2 =
    NAME7("Meldungen Sättigung %O2", "Messages Saturation %O2", "Messages saturation %O2",
          "Messaggi saturazione %O2", "Meddelanden mättnad %O2", "Mensajes saturación %O2",
          "Mensagens saturação %O2");
const TextRecord kTxtMsgAirPressure =
    NAME7("Meldungen Luftdruck", "Messages Air pressure", "Messages pression atm.",
          "Messaggi pressione atm.", "Meddelanden lufttryck", "Mensajes presión atmosf.",
          "Mensagens pressão atmosf.");

// ---- sensor data -----------------------------------------------------------------------------------

const TextRecord kTxtSensorType = LIST7(
    "Sensortyp", "2|Standard|3|Spurensensor|1|Sonstige", "Sensor type", "2|Standard|3|Trace sensor|1|Other",
    "Type de capteur", "2|Standard|3|Capteur traces|1|Autre", "Tipo sensore", "2|Standard|3|Sensore tracce|1|Altro",
    "Sensortyp", "2|Standard|3|Spårsensor|1|Övriga", "Tipo de sensor", "2|Estándar|3|Sensor de trazas|1|Otro",
    "Tipo de sensor", "2|Padrão|3|Sensor vestígios|1|Outro");
const TextRecord kTxtSensorTypeAbc = LIST7(
    "Sensortyp", "2|A Standard|4|B Spurensensor|3|C Spurensensor|1|Sonstige", "Sensor type",
    "2|A Standard|4|B Trace sensor|3|C Trace sensor|1|Other", "Type de capteur",
    "2|A Standard|4|B Capteur traces|3|C Capteur traces|1|Autre", "Tipo sensore",
    "2|A Standard|4|B Sensore tracce|3|C Sensore tracce|1|Altro", "Sensortyp",
    "2|A Standard|4|B Spårsensor|3|C Spårsensor|1|Övriga", "Tipo de sensor",
    "2|A Estándar|4|B Sensor de trazas|3|C Sensor de trazas|1|Otro", "Tipo de sensor",
    "2|A Padrão|4|B Sensor vestígios|3|C Sensor vestígios|1|Outro");
const TextRecord kTxtSensorType001 = LIST7(
    "Sensortyp", "2|Standard|3|Spurensensor 01|5|Spurensensor 001|1|Sonstige", "Sensor type",
    "2|Standard|3|Trace sensor 01|5|Trace sensor 001|1|Other", "Type de capteur",
    "2|Standard|3|Capteur traces 01|5|Capteur traces 001|1|Autre", "Tipo sensore",
    "2|Standard|3|Sensore tracce 01|5|Sensore tracce 001|1|Altro", "Sensortyp",
    "2|Standard|3|Spårsensor 01|5|Spårsensor 001|1|Övriga", "Tipo de sensor",
    "2|Estándar|3|Sensor de trazas 01|5|Sensor de trazas 001|1|Otro", "Tipo de sensor",
    "2|Padrão|3|Sensor vestígios 01|5|Sensor vestígios 001|1|Outro");
#define PROBES "8|NTC 22 kOhm|9|NTC 30 kOhm"
const TextRecord kTxtTempProbe =
    LIST7("Temperaturfühler", PROBES, "Temp probe", PROBES, "Sonde de température", PROBES, "Sonda di temperatura",
          PROBES, "Temperaturgivare", PROBES, "Sonda de temperatura", PROBES, "Sonda de temperatura", PROBES);
#undef PROBES
const TextRecord kTxtCurrentRange =
    LIST7("Strombereich", "0|Auto|2|200 nA|1|2 µA", "Current range", "0|Auto|2|200 nA|1|2 µA",
          "Gamme de courant", "0|Auto|2|200 nA|1|2 µA", "Campo di corrente", "0|Auto|2|200 nA|1|2 µA",
          "Strömområde", "0|Auto|2|200 nA|1|2 µA", "Rango corriente", "0|Auto|2|200 nA|1|2 µA",
          "Gama de corrente", "0|Auto|2|200 nA|1|2 µA");
const TextRecord kTxtPolarizationVoltage =
    NAME7("Polarisationsspannung", "Polarization voltage", "Tension de polarisation", "Tensione polarizzazione",
          "Polarisationsspänning", "Tensión de polarización", "Tensão de polarização");
const TextRecord kTxtMeasureInLiquidsVolPpm =
    LIST7("Messen in", "1|Flüssigkeiten|2|Gasen [Vol%]|3|Gasen [ppm]", "Measure in",
          "1|Liquids|2|Gases [Vol%]|3|Gases [ppm]", "Mesure dans", "1|Liquides|2|Gaz [Vol%]|3|Gaz [ppm]",
          "Misura in", "1|Liquidi|2|Gas [Vol%]|3|Gas [ppm]", "Mätning i", "1|Vätskor|2|Gaser [Vol%]|3|Gaser [ppm]",
          "Medir en", "1|Líquidos|2|Gases [Vol%]|3|Gases [ppm]", "Medir em",
          "1|Líquidos|2|Gases [Vol%]|3|Gases [ppm]");
const TextRecord kTxtMeasureInLiquidsGases =
    LIST7("Messen in", "1|Flüssigkeiten|2|Gasen", "Measure in", "1|Liquids|2|Gases", "Mesure dans",
          "1|Liquides|2|Gaz", "Misura in", "1|Liquidi|2|Gas", "Mätning i", "1|Vätskor|2|Gaser", "Medir en",
          "1|Líquidos|2|Gases", "Medir em", "1|Líquidos|2|Gases");
const TextRecord kTxtSensorGuard =
    LIST7("Sensor", "1|Mit Schutzring|2|Ohne Schutzring", "Sensor", "1|With guard|2|Without guard", "Capteur",
          "1|Avec anneau garde|2|Sans anneau garde", "Sensore", "1|Con anello prot.|2|Senza anello prot.",
          "Sensor", "1|Med skyddsring|2|Utan skyddsring", "Sensor", "1|Con anillo guarda|2|Sin anillo guarda",
          "Sensor", "1|Com anel de guarda|2|Sem anel de guarda");
const TextRecord kTxtReferenceElectrode =
    LIST7("Referenzelektrode", "1|Ein|2|Aus", "Reference electrode", "1|On|2|Off", "Électrode de référence",
          "1|Marche|2|Arrêt", "Elettrodo riferimento", "1|On|2|Off", "Referenselektrod", "1|Till|2|Från",
          "Electrodo de referencia", "1|Act.|2|Desact.", "Elétrodo de referência", "1|Lig.|2|Desl.");
const TextRecord kTxtMembraneCorrection =
    NAME7("Membrankorrektur", "Membrane correction", "Correction membrane", "Correzione membrana",
          "Membrankorrektion", "Corrección de membrana", "Correção da membrana");
const TextRecord kTxtSensorPolarization =
    LIST7("Sensorpolarisation", "2|Auto|3|Individuell", "Sensor polarization", "2|Auto|3|Individual",
          "Polarisation capteur", "2|Auto|3|Individuel", "Polarizzazione sensore", "2|Auto|3|Individuale",
          "Sensorpolarisation", "2|Auto|3|Individuell", "Polarización sensor", "2|Auto|3|Individual",
          "Polarização sensor", "2|Auto|3|Individual");

// ---- cal presets -----------------------------------------------------------------------------------

const TextRecord kTxtSaturationCal =
    LIST7("Sättigungskal.", "41|%AIR", "Saturation cal", "41|%AIR", "Étal. saturation", "41|%AIR",
          "Cal. saturazione", "41|%AIR", "Mättnadskal.", "41|%AIR", "Cal. saturación", "41|%AIR",
          "Cal. saturação", "41|%AIR");
const TextRecord kTxtProductCalibration =
    LIST7("Produktkalibrierung", "41|Sätt.|44|Konz.|48|p' (mbar)|98|p' (mmHg)", "Product calibration",
          "41|sat.|44|conc.|48|p' (mbar)|98|p' (mmHg)", "Étalonnage produit",
          "41|sat.|44|conc.|48|p' (mbar)|98|p' (mmHg)", "Calibrazione prodotto",
          "41|sat.|44|conc.|48|p' (mbar)|98|p' (mmHg)", "Produktkalibrering",
          "41|mättn.|44|konc.|48|p' (mbar)|98|p' (mmHg)", "Calibración producto",
          "41|sat.|44|conc.|48|p' (mbar)|98|p' (mmHg)", "Calibração produto",
          "41|sat.|44|conc.|48|p' (mbar)|98|p' (mmHg)");
#define CONC_UNITS "43|mg/l, µg/l|44|ppm, ppb"
const TextRecord kTxtConcentrationCal =
    LIST7("Konzentrationskal.", CONC_UNITS, "Concentration cal", CONC_UNITS, "Étal. concentration", CONC_UNITS,
          "Cal. concentrazione", CONC_UNITS, "Koncentrationskal.", CONC_UNITS, "Cal. concentración", CONC_UNITS,
          "Cal. concentração", CONC_UNITS);
#undef CONC_UNITS

// ---- pressure correction ---------------------------------------------------------------------------

const TextRecord kTxtPressureMeasChoice =
    LIST7("Druck beim Messen", "1|Auto|2|Manuell", "Pressure during Meas", "1|Auto|2|Manual",
          "Pression en mesure", "1|Auto|2|Manuelle", "Pressione durante misura", "1|Auto|2|Manuale",
          "Tryck vid mätning", "1|Auto|2|Manuell", "Presión durante medición", "1|Auto|2|Manual",
          "Pressão durante medição", "1|Auto|2|Manual");
const TextRecord kTxtPressureCalChoice =
    LIST7("Druck bei Cal", "1|Auto|2|Manuell", "Pressure during Cal", "1|Auto|2|Manual", "Pression en étal.",
          "1|Auto|2|Manuelle", "Pressione durante cal.", "1|Auto|2|Manuale", "Tryck vid kalibrering",
          "1|Auto|2|Manuell", "Presión durante cal.", "1|Auto|2|Manual", "Pressão durante cal.", "1|Auto|2|Manual");
const TextRecord kTxtPressureTransmitter =
    LIST7("Drucktransmitter", "1|Absolut|2|Differenz", "Pressure transmitter", "1|Absolute|2|Difference",
          "Transmetteur de pression", "1|Absolue|2|Différence", "Trasmettitore pressione",
          "1|Assoluta|2|Differenza", "Trycktransmitter", "1|Absolut|2|Differens", "Transmisor de presión",
          "1|Absoluta|2|Diferencia", "Transmissor de pressão", "1|Absoluta|2|Diferença");
#define CURRENT_RANGES "1|0...20mA|2|4...20mA"
const TextRecord kTxtCurrentInput =
    LIST7("I-Eingang", CURRENT_RANGES, "I input", CURRENT_RANGES, "Entrée I", CURRENT_RANGES, "Ingresso I",
          CURRENT_RANGES, "I-ingång", CURRENT_RANGES, "Entrada I", CURRENT_RANGES, "Entrada I", CURRENT_RANGES);
#undef CURRENT_RANGES
const TextRecord kTxtStart = NAME7("Anfang  0(4)mA", "Start  0(4)mA", "Début  0(4)mA", "Inizio  0(4)mA",
                                   "Början  0(4)mA", "Inicio  0(4)mA", "Início  0(4)mA");
const TextRecord kTxtExit = NAME7("Ende  20mA", "Exit  20mA", "Fin  20mA", "Fine  20mA", "Slut  20mA",
                                  "Final  20mA", "Fim  20mA");
const TextRecord kTxtDetection = LIST7(
    "Erfassung", "1|Luftdruck|2|Manuell|3|Extern|4|Bus AO1", "Detection",
    "1|Air pressure|2|Manual|3|External|4|Bus AO1", "Détection", "1|Pression atm.|2|Manuelle|3|Externe|4|Bus AO1",
    "Rilevamento", "1|Pressione atm.|2|Manuale|3|Esterna|4|Bus AO1", "Registrering",
    "1|Lufttryck|2|Manuell|3|Extern|4|Bus AO1", "Detección", "1|Presión atmosf.|2|Manual|3|Externa|4|Bus AO1",
    "Deteção", "1|Pressão atmosf.|2|Manual|3|Externa|4|Bus AO1");

// ---- salinity correction ---------------------------------------------------------------------------

const TextRecord kTxtSalinityInput = LIST7(
    "Eingabe", "1|Salinität|2|Chlorinität|3|Leitfähigkeit", "Input", "1|Salinity|2|Chlorinity|3|Conductivity",
    "Saisie", "1|Salinité|2|Chlorinité|3|Conductivité", "Immissione", "1|Salinità|2|Clorinità|3|Conducibilità",
    "Inmatning", "1|Salthalt|2|Klorinitet|3|Konduktivitet", "Entrada", "1|Salinidad|2|Clorinidad|3|Conductividad",
    "Entrada", "1|Salinidade|2|Clorinidade|3|Condutividade");
const TextRecord kTxtSalinity = NAME7("Salinität", "Salinity", "Salinité", "Salinità", "Salthalt", "Salinidad",
                                      "Salinidade");
const TextRecord kTxtChlorinity = NAME7("Chlorinität", "Chlorinity", "Chlorinité", "Clorinità", "Klorinitet",
                                        "Clorinidad", "Clorinidade");
const TextRecord kTxtConductivity = NAME7("Leitfähigkeit", "Conductivity", "Conductivité", "Conducibilità",
                                          "Konduktivitet", "Conductividad", "Condutividade");
const TextRecord kTxtCalculatedSalinity =
    NAME7("Berechnete Salinität", "Calculated salinity", "Salinité calculée", "Salinità calcolata",
          "Beräknad salthalt", "Salinidad calculada", "Salinidade calculada");

// ---- digital and optical oxygen sensors ------------------------------------------------------------

const TextRecord kTxtO2AtCipSip =
    NAME7("O2-Messung bei CIP/SIP", "O2 measurement at CIP/SIP", "Mesure O2 pendant NEP/SEP", "Misura O2 durante CIP/SIP",
          "O2-mätning vid CIP/SIP", "Medición O2 en CIP/SIP", "Medição O2 durante CIP/SIP");
const TextRecord kTxtCutOffTempMin =
    NAME7("Abschalttemperatur Min", "Cut-off temperature min", "Température de coupure min",
          "Temp. di spegnimento min", "Frånkopplingstemp. min", "Temp. de desconexión mín",
          "Temp. de desligamento mín");
const TextRecord kTxtCutOffTempMax =
    NAME7("Abschalttemperatur Max", "Cut-off temperature max", "Température de coupure max",
          "Temp. di spegnimento max", "Frånkopplingstemp. max", "Temp. de desconexión máx",
          "Temp. de desligamento máx");

// ---- texts put together by handlers ----------------------------------------------------------------

const TextRecord kTxtCalPresetHeading1 =
    NAME7("Einheiten für die Kalibrierung", "Units used for calibration", "Unités utilisées pour l'étalonnage",
          "Unità usate per la calibrazione", "Enheter för kalibrering", "Unidades para la calibración",
          "Unidades para a calibração");
const TextRecord kTxtCalPresetHeading2 =
    NAME7("mit Produkt und in Luft", "with product and in air", "avec produit et dans l'air",
          "con prodotto e in aria", "med produkt och i luft", "con producto y en aire", "com produto e no ar");
const TextRecord kTxtPressureHeading1 =
    NAME7("Der Luftdruck korrigiert", "The air pressure corrects", "La pression atm. corrige",
          "La pressione atm. corregge", "Lufttrycket korrigerar", "La presión atm. corrige",
          "A pressão atmosférica corrige");
const TextRecord kTxtPressureHeading2 =
    NAME7("Messung und Kalibrierung", "measurement and calibration", "la mesure et l'étalonnage",
          "misura e calibrazione", "mätning och kalibrering", "la medición y la calibración",
          "a medição e a calibração");


}  // namespace tessalin::oxy

#include "core/families/ph/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::ph {

// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtRefEl = NAME7("Quellix Bezugs-El", "Quellix Ref el", "Quellix él. réf.",
                                   "Quellix el. rif.", "Quellix ref.-elektrod", "Quellix el. ref.",
                                   "Quellix el. ref.");
const TextRecord kTxtGlassEl = NAME7("Quellix Glas-El", "Quellix Glass el", "Quellix él. verre",
                                     "Quellix el. vetro", "Quellix glaselektrod", "Quellix el. vidrio",
                                     "Quellix el. vidro");
const TextRecord kTxtCalcheck = NAME7("Calcheck", "Calcheck", "Calcheck", "Calcheck", "Calcheck", "Calcheck",
                                      "Calcheck");
const TextRecord kTxtIsfetLeakage = NAME7("ISFET Leckstrom", "ISFET leakage current", "Courant de fuite ISFET",
                                          "Corr. dispersione ISFET", "ISFET läckström",
                                          "Corriente de fuga ISFET", "Corrente de fuga ISFET");
const TextRecord kTxtCalToleranceBand =
    NAME7("Cal-Toleranzband", "Cal tolerance band", "Bande tolérance étal.", "Banda tolleranza cal.",
          "Kal-toleransband", "Banda tolerancia cal.", "Banda tolerância cal.");
const TextRecord kTxtOrpCheck = NAME7("ORP-Kontrolle", "ORP Check", "Contrôle ORP", "Controllo ORP",
                                      "ORP-kontroll", "Control ORP", "Controlo ORP");
const TextRecord kTxtOrpRh = NAME7("ORP / rH-Wert", "ORP / rH value", "Valeur ORP / rH", "Valore ORP / rH",
                                   "ORP- / rH-värde", "Valor ORP / rH", "Valor ORP / rH");
const TextRecord kTxtDeltaFunction = NAME7("Deltafunktion", "Delta function", "Fonction delta", "Funzione delta",
                                           "Deltafunktion", "Función delta", "Função delta");
const TextRecord kTxtMsgPh = NAME7("Meldungen pH-Wert", "Messages pH value", "Messages valeur pH",
                                   "Messaggi valore pH", "Meddelanden pH-värde", "Mensajes valor pH",
                                   "Mensagens valor pH");
const TextRecord kTxtMsgOrp = NAME7("Meldungen ORP-Wert", "Messages ORP value", "Messages valeur ORP",
                                    "Messaggi valore ORP", "Meddelanden ORP-värde", "Mensajes valor ORP",
                                    "Mensagens valor ORP");
const TextRecord kTxtMsgRh = NAME7("Meldungen rH-Wert", "Messages rH value", "Messages valeur rH",
                                   "Messaggi valore rH", "Meddelanden rH-värde", "Mensajes valor rH",
                                   "Mensagens valor rH");
const TextRecord kTxtMsgSaturation =
    NAME7("Meldungen Sättigung", "Messages Saturation", "Messages saturation", "Messaggi saturazione",
          "Meddelanden mättnad", "Mensajes saturación", "Mensagens saturação");
const TextRecord kTxtMsgMv = NAME7("Meldungen mV-Wert", "Messages mV value", "Messages valeur mV",
                                   "Messaggi valore mV", "Meddelanden mV-värde", "Mensajes valor mV",
                                   "Mensagens valor mV");

// ---- calibration data ------------------------------------------------------------------------------

const TextRecord kTxtIsothermPotential =
    NAME7("Isothermenpotential", "Isotherm potential", "Potentiel isotherme", "Potenziale isotermo",
          "Isotermpotential", "Potencial isotérmico", "Potencial isotérmico");
const TextRecord kTxtIsothermalPoint =
    NAME7("Isothermenschnittpunkt", "Isothermal point", "Point isotherme", "Punto isotermo", "Isotermpunkt",
          "Punto isotérmico", "Ponto isotérmico");
const TextRecord kTxtIsfetZero = NAME7("ISFET-Nullpunkt", "ISFET zero", "Zéro ISFET", "Zero ISFET",
                                       "ISFET-nollpunkt", "Cero ISFET", "Zero ISFET");

// ---- input filter ----------------------------------------------------------------------------------


// ---- sensor data -----------------------------------------------------------------------------------

const TextRecord kTxtSensorType = LIST7(
    "Sensortyp", "1|Standard|3|ISFET|4|Pfaudler Standard|5|Pfaudler Diff.|6|Glas-El. Diff.|2|Sonstige",
    "Sensor type", "1|Standard|3|ISFET|4|Pfaudler standard|5|Pfaudler diff.|6|Glass el. diff.|2|Others",
    "Type de capteur", "1|Standard|3|ISFET|4|Pfaudler standard|5|Pfaudler diff.|6|Él. verre diff.|2|Autres",
    "Tipo sensore", "1|Standard|3|ISFET|4|Pfaudler standard|5|Pfaudler diff.|6|El. vetro diff.|2|Altri",
    "Sensortyp", "1|Standard|3|ISFET|4|Pfaudler standard|5|Pfaudler diff.|6|Glaselektr. diff.|2|Övriga",
    "Tipo de sensor", "1|Estándar|3|ISFET|4|Pfaudler estándar|5|Pfaudler dif.|6|El. vidrio dif.|2|Otros",
    "Tipo de sensor", "1|Padrão|3|ISFET|4|Pfaudler padrão|5|Pfaudler dif.|6|El. vidro dif.|2|Outros");
const TextRecord kTxtSensorMonitoring =
    LIST7("Sensorüberwachung", "1|Standard|2|Individuell", "Sensor monitoring", "1|Default|2|Individual",
          "Surveillance capteur", "1|Par défaut|2|Individuel", "Monitoraggio sensore", "1|Default|2|Individuale",
          "Sensorövervakning", "1|Standard|2|Individuell", "Supervisión sensor", "1|Por defecto|2|Individual",
          "Monitorização sensor", "1|Padrão|2|Individual");
const TextRecord kTxtElectrolyteSpecs =
    LIST7("Elektrolytdaten", "2|Auto|3|Individuell", "Electrolyte specs", "2|Auto|3|Individual",
          "Données électrolyte", "2|Auto|3|Individuel", "Dati elettrolita", "2|Auto|3|Individuale",
          "Elektrolytdata", "2|Auto|3|Individuell", "Datos electrolito", "2|Auto|3|Individual",
          "Dados do eletrólito", "2|Auto|3|Individual");
const TextRecord kTxtElectrolyteConc =
    NAME7("Elektrolytkonz.", "Electrolyte conc.", "Conc. électrolyte", "Conc. elettrolita", "Elektrolytkonc.",
          "Conc. electrolito", "Conc. eletrólito");
const TextRecord kTxtElectrolyteSalinity =
    NAME7("Elektrolyt Salzkorrektur", "Electrolyte sal. correction", "Corr. salinité électrolyte",
          "Correz. salinità elettrolita", "Elektrolyt salthaltskorrektion", "Corr. salinidad electrolito",
          "Corr. salinidade eletrólito");

// ---- temperature detection -------------------------------------------------------------------------

#define PROBES_A "1|Pt100|2|Pt1000|6|NTC 8.55 kOhm|3|NTC 30 kOhm"
#define PROBES_B "4|Pt100|5|Pt1000|6|NTC 8.55 kOhm|9|NTC 30 kOhm|12|Balco 3k"
const TextRecord kTxtTempProbe =
    LIST7("Temperaturfühler", PROBES_A, "Temp probe", PROBES_A, "Sonde de température", PROBES_A,
          "Sonda di temperatura", PROBES_A, "Temperaturgivare", PROBES_A, "Sonda de temperatura", PROBES_A,
          "Sonda de temperatura", PROBES_A);
const TextRecord kTxtTempProbeB =
    LIST7("Temperaturfühler", PROBES_B, "Temp probe", PROBES_B, "Sonde de température", PROBES_B,
          "Sonda di temperatura", PROBES_B, "Temperaturgivare", PROBES_B, "Sonda de temperatura", PROBES_B,
          "Sonda de temperatura", PROBES_B);
#undef PROBES_A
#undef PROBES_B

// ---- monitoring rows -------------------------------------------------------------------------------

const TextRecord kTxtMeasDistanceMax =
    NAME7("Meßabstand Max", "Meas distance Max", "Écart de mesure max", "Distanza misura max",
          "Mätavstånd max", "Dist. medición máx", "Distância medição máx");


// ---- calibration presets ---------------------------------------------------------------------------

const TextRecord kTxtTarimexBuffer = LIST7(
    "Tarimex Puffer",
    "1|Morvane|15|Morvane Pelorix|2|Brevon|3|Merck/Riedel|4|DIN 19267|5|NIST Standard|6|NIST Technisch|7|Hamilton"
    "|8|Kraft|9|Hamilton A|10|Hamilton B|11|Hach|12|Brevon|13|Ciba|14|Reagecon|33|Tabelle",
    "Tarimex buffer",
    "1|Morvane|15|Morvane Pelorix|2|Brevon|3|Merck/Riedel|4|DIN 19267|5|NIST standard|6|NIST technical|7|Hamilton"
    "|8|Kraft|9|Hamilton A|10|Hamilton B|11|Hach|12|Brevon|13|Ciba|14|Reagecon|33|Table",
    "Tampon Tarimex",
    "1|Morvane|15|Morvane Pelorix|2|Brevon|3|Merck/Riedel|4|DIN 19267|5|NIST standard|6|NIST technique|7|Hamilton"
    "|8|Kraft|9|Hamilton A|10|Hamilton B|11|Hach|12|Brevon|13|Ciba|14|Reagecon|33|Tableau",
    "Tampone Tarimex",
    "1|Morvane|15|Morvane Pelorix|2|Brevon|3|Merck/Riedel|4|DIN 19267|5|NIST standard|6|NIST tecnico|7|Hamilton"
    "|8|Kraft|9|Hamilton A|10|Hamilton B|11|Hach|12|Brevon|13|Ciba|14|Reagecon|33|Tabella",
    "Tarimex buffert",
    "1|Morvane|15|Morvane Pelorix|2|Brevon|3|Merck/Riedel|4|DIN 19267|5|NIST standard|6|NIST teknisk|7|Hamilton"
    "|8|Kraft|9|Hamilton A|10|Hamilton B|11|Hach|12|Brevon|13|Ciba|14|Reagecon|33|Tabell",
    "Tampón Tarimex",
    "1|Morvane|15|Morvane Pelorix|2|Brevon|3|Merck/Riedel|4|DIN 19267|5|NIST estándar|6|NIST técnico|7|Hamilton"
    "|8|Kraft|9|Hamilton A|10|Hamilton B|11|Hach|12|Brevon|13|Ciba|14|Reagecon|33|Tabla",
    "Tampão Tarimex",
    "1|Morvane|15|Morvane Pelorix|2|Brevon|3|Merck/Riedel|4|DIN 19267|5|NIST padrão|6|NIST técnico|7|Hamilton"
    "|8|Kraft|9|Hamilton A|10|Hamilton B|11|Hach|12|Brevon|13|Ciba|14|Reagecon|33|Tabela");
const TextRecord kTxtDriftControl =
    LIST7("Driftkontrolle", "1|Fein|2|Standard|3|Grob", "Drift control", "1|Fine|2|Standard|3|Coarse",
          "Contrôle de dérive", "1|Fin|2|Standard|3|Grossier", "Controllo deriva", "1|Fine|2|Standard|3|Grossolano",
          "Driftkontroll", "1|Fin|2|Standard|3|Grov", "Control de deriva", "1|Fino|2|Estándar|3|Grueso",
          "Controlo de deriva", "1|Fino|2|Padrão|3|Grosso");
const TextRecord kTxtProductCalibration =
    LIST7("Produktkalibrierung", "89|Sätt.|90|Konz.|91|p' (hPa)|98|p' (mmHg)", "Product calibration",
          "89|sat.|90|conc.|91|p' (hPa)|98|p' (mmHg)", "Étalonnage produit",
          "89|sat.|90|conc.|91|p' (hPa)|98|p' (mmHg)", "Calibrazione prodotto",
          "89|sat.|90|conc.|91|p' (hPa)|98|p' (mmHg)", "Produktkalibrering",
          "89|mättn.|90|konc.|91|p' (hPa)|98|p' (mmHg)", "Calibración producto",
          "89|sat.|90|conc.|91|p' (hPa)|98|p' (mmHg)", "Calibração produto",
          "89|sat.|90|conc.|91|p' (hPa)|98|p' (mmHg)");

// ---- cal timer -------------------------------------------------------------------------------------

const TextRecord kTxtAdaptiveCalTimer =
    LIST7("Adaptiver Kalibriertimer", "1|Ein|2|Aus", "Adaptive cal timer", "1|On|2|Off",
          "Minuterie d'étal. adaptative", "1|Marche|2|Arrêt", "Timer calibrazione adattivo", "1|On|2|Off",
          "Adaptiv kalibreringstimer", "1|Till|2|Från", "Temporizador cal. adaptativo", "1|Act.|2|Desact.",
          "Temporizador cal. adaptativo", "1|Lig.|2|Desl.");

// ---- cal tolerance band ----------------------------------------------------------------------------

const TextRecord kTxtToleranceHeading1 =
    NAME7("Kalibrierdaten übernehmen, wenn", "Calibration data taken over when",
          "Données d'étalonnage reprises si", "Dati di calibrazione acquisiti se", "Kalibreringsdata övertas när",
          "Datos de calibración aceptados si", "Dados de calibração aceites se");
const TextRecord kTxtToleranceHeading2 =
    NAME7("Abweichung innerhalb des Toleranzbands", "deviation within the tolerance band",
          "écart dans la bande de tolérance", "scostamento entro la banda di tolleranza",
          "avvikelsen ligger inom toleransbandet", "desviación dentro de banda de tolerancia",
          "desvio dentro da banda de tolerância");
const TextRecord kTxtToleranceCheck =
    LIST7("Toleranzbandprüfung", "1|Ein|2|Aus", "Tolerance band check", "1|On|2|Off",
          "Contrôle bande tolérance", "1|Marche|2|Arrêt", "Verifica banda toll.", "1|On|2|Off",
          "Kontroll av toleransband", "1|Till|2|Från", "Control banda tolerancia", "1|Act.|2|Desact.",
          "Verif. banda tolerância", "1|Lig.|2|Desl.");
const TextRecord kTxtToleranceZero =
    NAME7("Toleranz  Nullpunkt", "Tolerance  Zero", "Tolérance  zéro", "Tolleranza  zero", "Tolerans  nollpunkt",
          "Tolerancia  cero", "Tolerância  zero");
const TextRecord kTxtToleranceSlope =
    NAME7("Toleranz  Steilheit", "Tolerance  Slope", "Tolérance  pente", "Tolleranza  pendenza",
          "Tolerans  lutning", "Tolerancia  pendiente", "Tolerância  declive");

// ---- ORP check, pressure, TC -----------------------------------------------------------------------

const TextRecord kTxtTestingPeriod = NAME7("Prüfzeit", "Testing Period", "Durée de test", "Tempo di prova",
                                           "Testtid", "Tiempo de prueba", "Tempo de teste");
const TextRecord kTxtTestDifference = NAME7("Prüfdifferenz", "Test Difference", "Écart de test",
                                            "Differenza di prova", "Testdifferens", "Diferencia prueba",
                                            "Diferença de teste");
#define PRESSURE_UNITS "51|mbar|91|hPa|94|psi"
const TextRecord kTxtPressureUnit =
    LIST7("Druckeinheit", PRESSURE_UNITS, "Pressure unit", PRESSURE_UNITS, "Unité de pression", PRESSURE_UNITS,
          "Unità pressione", PRESSURE_UNITS, "Tryckenhet", PRESSURE_UNITS, "Unidad de presión", PRESSURE_UNITS,
          "Unidade pressão", PRESSURE_UNITS);
#undef PRESSURE_UNITS
const TextRecord kTxtProcessPressure = NAME7("Prozeßdruck", "Process pressure", "Pression process",
                                             "Pressione processo", "Processtryck", "Presión de proceso",
                                             "Pressão de processo");
const TextRecord kTxtTc =
    LIST7("Tk", "1|Aus|4|Linear|2|Reinstwasser|3|Tabelle", "TC", "1|Off|4|Linear|2|Ultrapure water|3|Table", "CT",
          "1|Arrêt|4|Linéaire|2|Eau ultrapure|3|Tableau", "CT", "1|Off|4|Lineare|2|Acqua ultrapura|3|Tabella", "TK",
          "1|Från|4|Linjär|2|Ultrarent vatten|3|Tabell", "CT", "1|Desact.|4|Lineal|2|Agua ultrapura|3|Tabla", "CT",
          "1|Desl.|4|Linear|2|Água ultrapura|3|Tabela");
const TextRecord kTxtTemperatureFactor =
    NAME7("Temperaturfaktor", "Temperature factor", "Facteur de température", "Fattore di temperatura",
          "Temperaturfaktor", "Factor de temperatura", "Fator de temperatura");

#define TC_ROW(t)                                                                                         \
    NAME7("Tk bei " t " °C:", "TC at " t " °C:", "CT à " t " °C :", "CT a " t " °C:", "TK vid " t " °C:", \
          "CT a " t " °C:", "CT a " t " °C:")
const std::array<TextRecord, 20> kTxtTcTable{
    TC_ROW("00"), TC_ROW("05"), TC_ROW("10"), TC_ROW("15"), TC_ROW("20"), TC_ROW("25"), TC_ROW("30"),
    TC_ROW("35"), TC_ROW("40"), TC_ROW("45"), TC_ROW("50"), TC_ROW("55"), TC_ROW("60"), TC_ROW("65"),
    TC_ROW("70"), TC_ROW("75"), TC_ROW("80"), TC_ROW("85"), TC_ROW("90"), TC_ROW("95")};
#undef TC_ROW

// ---- ORP / rH, delta -------------------------------------------------------------------------------

const TextRecord kTxtRefElType = LIST7(
    "Bezugs-El", "1|Ag/AgCl,KCl 1m|2|Ag/AgCl,KCl 3m|3|Hg,Tl/TlCl,KCl 3.5m|4|Hg/Hg2SO4,K2SO4 ges", "Ref El",
    "1|Ag/AgCl,KCl 1m|2|Ag/AgCl,KCl 3m|3|Hg,Tl/TlCl,KCl 3.5m|4|Hg/Hg2SO4,K2SO4 sat", "Él. réf.",
    "1|Ag/AgCl,KCl 1m|2|Ag/AgCl,KCl 3m|3|Hg,Tl/TlCl,KCl 3.5m|4|Hg/Hg2SO4,K2SO4 sat", "El. rif.",
    "1|Ag/AgCl,KCl 1m|2|Ag/AgCl,KCl 3m|3|Hg,Tl/TlCl,KCl 3.5m|4|Hg/Hg2SO4,K2SO4 sat", "Ref.-elektrod",
    "1|Ag/AgCl,KCl 1m|2|Ag/AgCl,KCl 3m|3|Hg,Tl/TlCl,KCl 3.5m|4|Hg/Hg2SO4,K2SO4 mätt", "El. ref.",
    "1|Ag/AgCl,KCl 1m|2|Ag/AgCl,KCl 3m|3|Hg,Tl/TlCl,KCl 3.5m|4|Hg/Hg2SO4,K2SO4 sat", "El. ref.",
    "1|Ag/AgCl,KCl 1m|2|Ag/AgCl,KCl 3m|3|Hg,Tl/TlCl,KCl 3.5m|4|Hg/Hg2SO4,K2SO4 sat");
const TextRecord kTxtOrpToShe =
    LIST7("ORP-Umrechnung auf SWE", "1|Ja|2|Nein", "ORP conversion to SHE", "1|Yes|2|No", "Conversion ORP en ENH",
          "1|Oui|2|Non", "Conversione ORP in SHE", "1|Sì|2|No", "ORP-omräkning till SVE", "1|Ja|2|Nej",
          "Conversión ORP a ENH", "1|Sí|2|No", "Conversão ORP para EPH", "1|Sim|2|Não");
const TextRecord kTxtRhWithFactor =
    LIST7("rH mit Faktor berechnen", "1|Ja|2|Nein", "Calculate rH with factor", "1|Yes|2|No",
          "Calculer rH avec facteur", "1|Oui|2|Non", "Calcola rH con fattore", "1|Sì|2|No",
          "Beräkna rH med faktor", "1|Ja|2|Nej", "Calcular rH con factor", "1|Sí|2|No", "Calcular rH com fator",
          "1|Sim|2|Não");
const TextRecord kTxtFactor = NAME7("     Faktor", "     Factor", "     Facteur", "     Fattore", "     Faktor",
                                    "     Factor", "     Fator");
const TextRecord kTxtDeltaFunctionPh =
    LIST7("Deltafunktion", "1|Aus|2|pH|4|mVORP|5|rH", "Delta function", "1|Off|2|pH|4|mVORP|5|rH",
          "Fonction delta", "1|Arrêt|2|pH|4|mVORP|5|rH", "Funzione delta", "1|Off|2|pH|4|mVORP|5|rH",
          "Deltafunktion", "1|Från|2|pH|4|mVORP|5|rH", "Función delta", "1|Desact.|2|pH|4|mVORP|5|rH",
          "Função delta", "1|Desl.|2|pH|4|mVORP|5|rH");
const TextRecord kTxtDeltaFunctionCo2 =
    LIST7("Deltafunktion", "1|Aus|89|%|90|mg/l|91|hPa", "Delta function", "1|Off|89|%|90|mg/l|91|hPa",
          "Fonction delta", "1|Arrêt|89|%|90|mg/l|91|hPa", "Funzione delta", "1|Off|89|%|90|mg/l|91|hPa",
          "Deltafunktion", "1|Från|89|%|90|mg/l|91|hPa", "Función delta", "1|Desact.|89|%|90|mg/l|91|hPa",
          "Função delta", "1|Desl.|89|%|90|mg/l|91|hPa");
const TextRecord kTxtDeltaValue = NAME7("Deltawert", "Delta value", "Valeur delta", "Valore delta", "Deltavärde",
                                        "Valor delta", "Valor delta");

// ---- buffer sets -----------------------------------------------------------------------------------

// The buffer names and nominal values read the same in every language; only the NIST sets are worded.
const std::array<TextRecord, 15> kTxtBufferSets{
    SAME7("Morvane    2.00 4.01 7.00 9.21"),
    SAME7("Brevon 2.00 4.01 7.00 9.21"),
    SAME7("Merck/Riedel 2.00 4.00 7.00 9.00 12.00"),
    SAME7("DIN 19267   1.09 4.65 6.79 9.23 12.75"),
    NAME7("NIST Standard  4.006 6.865 9.180", "NIST standard  4.006 6.865 9.180", "NIST standard  4.006 6.865 9.180",
          "NIST standard  4.006 6.865 9.180", "NIST standard  4.006 6.865 9.180", "NIST estándar  4.006 6.865 9.180",
          "NIST padrão  4.006 6.865 9.180"),
    NAME7("NIST Techn. 1.68 4.00 7.00 10.01 12.46", "NIST techn. 1.68 4.00 7.00 10.01 12.46",
          "NIST techn. 1.68 4.00 7.00 10.01 12.46", "NIST tecn. 1.68 4.00 7.00 10.01 12.46",
          "NIST tekn. 1.68 4.00 7.00 10.01 12.46", "NIST técn. 1.68 4.00 7.00 10.01 12.46",
          "NIST técn. 1.68 4.00 7.00 10.01 12.46"),
    SAME7("Hamilton    2.00 4.01 7.00 10.01 12.00"),
    SAME7("Kraft       2.00 4.00 7.00 9.00 11.00"),
    SAME7("Hamilton A  2.00 4.01 7.00 9.00 11.00"),
    SAME7("Hamilton B  2.00 4.01 6.00 9.00 11.00"),
    SAME7("Hach        4.01 7.00 10.01"),
    SAME7("Brevon  7.00 9.21"),
    SAME7("Ciba        2.06  4.00  7.00  10.00"),
    SAME7("Reagecon   2.00 4.00 7.00 9.00 12.00"),
    SAME7("Morvane Pelorix    2.00 4.01 7.00 9.21"),
};
const TextRecord kTxtBufferTable = NAME7("Tabelle", "Chart", "Tableau", "Tabella", "Tabell", "Tabla", "Tabela");

}  // namespace tessalin::ph

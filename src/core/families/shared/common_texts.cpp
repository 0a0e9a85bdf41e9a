#include "core/families/shared/common_texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::common {

#define ORANGE(title) "<font color=\"#FF8000\">" title "</font>"
const TextRecord kTxtOperatingMode =
    NAME7(ORANGE("Betriebsart"), ORANGE("Operating mode"), ORANGE("Mode de fonct."),
          ORANGE("Modo operativo"), ORANGE("Driftläge"), ORANGE("Modo operativo"),
          ORANGE("Modo de operação"));
#undef ORANGE

const TextRecord kTxtCalibrationData = NAME7("Kalibrierdaten", "Calibration data", "Données d'étalonnage",
                                             "Dati di calibrazione", "Kalibreringsdata", "Datos de calibración",
                                             "Dados de calibração");
const TextRecord kTxtInputFilter = NAME7("Eingangsfilter", "Input filter", "Filtre d'entrée", "Filtro d'ingresso",
                                         "Ingångsfilter", "Filtro de entrada", "Filtro de entrada");
const TextRecord kTxtSensorData = NAME7("Sensordaten", "Sensor data", "Données capteur", "Dati sensore",
                                        "Sensordata", "Datos sensor", "Dados do sensor");
const TextRecord kTxtTempDetection =
    NAME7("Temperaturerfassung", "Temp detection", "Mesure de température", "Rilevamento temperatura",
          "Temperaturmätning", "Medición de temperatura", "Medição de temperatura");
const TextRecord kTxtZero = NAME7("Nullpunkt", "Zero", "Zéro", "Zero", "Nollpunkt", "Cero", "Zero");
const TextRecord kTxtMonitoringDetails =
    NAME7("Sensorüberwachung Details", "Sensor monitoring details", "Détails surveillance capteur",
          "Dettagli monitoraggio sensore", "Detaljer sensorövervakning", "Detalles supervisión sensor",
          "Detalhes monitorização sensor");
const TextRecord kTxtOperatingTime =
    NAME7("Sensorbetriebszeit", "Sensor operating time", "Durée de service capteur", "Ore di esercizio sensore",
          "Sensorns drifttid", "Tiempo de servicio sensor", "Tempo serviço do sensor");
const TextRecord kTxtCipCounter = NAME7("CIP-Zähler", "CIP counter", "Compteur NEP", "Contatore CIP",
                                        "CIP-räknare", "Contador CIP", "Contador CIP");
const TextRecord kTxtSipCounter = NAME7("SIP-Zähler", "SIP counter", "Compteur SEP", "Contatore SIP",
                                        "SIP-räknare", "Contador SIP", "Contador SIP");
const TextRecord kTxtCalPresets = NAME7("Cal-Voreinstellungen", "Cal preset values", "Préréglages étal.",
                                        "Preimpostazioni cal.", "Kal-förinställningar", "Preajustes cal.",
                                        "Predefinições cal.");
const TextRecord kTxtTcProcessMedium =
    NAME7("Tk Meßmedium", "TC process medium", "CT fluide mesuré", "CT fluido di processo", "TK processmedium",
          "CT medio de proceso", "CT meio de processo");
const TextRecord kTxtMessages = NAME7("Meldungen", "Messages", "Messages", "Messaggi", "Meddelanden", "Mensajes",
                                      "Mensagens");
const TextRecord kTxtMsgConcentration =
    NAME7("Meldungen Konzentration", "Messages Concentration", "Messages concentration",
          "Messaggi concentrazione", "Meddelanden koncentration", "Mensajes concentración",
          "Mensagens concentração");
const TextRecord kTxtMsgTemperature =
    NAME7("Meldungen Temperatur", "Messages Temperature", "Messages température", "Messaggi temperatura",
          "Meddelanden temperatur", "Mensajes temperatura", "Mensagens temperatura");
const TextRecord kTxtSlope = NAME7("Steilheit", "Slope", "Pente", "Pendenza", "Lutning", "Pendiente", "Declive");
const TextRecord kTxtResponseTime = NAME7("Einstellzeit", "Response time", "Temps de réponse",
                                          "Tempo di risposta", "Insvängningstid", "Tiempo respuesta",
                                          "Tempo de resposta");
const TextRecord kTxtTemperature = NAME7("Temperatur", "Temperature", "Température", "Temperatura",
                                         "Temperatur", "Temperatura", "Temperatura");
const TextRecord kTxtTtm = NAME7("TTM Wartungstimer", "TTM Maintenance timer", "TTM Minuterie maintenance",
                                 "TTM Timer manutenzione", "TTM Underhållstimer", "TTM Temporiz. mantenim.",
                                 "TTM Temporiz. manutenção");
const TextRecord kTxtDli = NAME7("DLI Lifetime Indicator", "DLI Lifetime Indicator", "DLI Lifetime Indicator",
                                 "DLI Lifetime Indicator", "DLI Lifetime Indicator", "DLI Lifetime Indicator",
                                 "DLI Lifetime Indicator");
const TextRecord kTxtSensorWear = NAME7("Sensorverschleiß", "Sensor wear", "Usure capteur", "Usura sensore",
                                        "Sensorslitage", "Desgaste del sensor", "Desgaste do sensor");
const TextRecord kTxtAutoclavingCounter =
    NAME7("Autoklavier-Zähler", "Autoclaving counter", "Compteur d'autoclavages", "Contatore autoclavaggi",
          "Autoklaveringsräknare", "Contador autoclavados", "Contador autoclavagens");
const TextRecord kTxtMembraneChanges =
    NAME7("Membrankörperwechsel", "Membrane body changes", "Chgts corps membrane",
          "Sostit. corpo membrana", "Byten av membrankropp", "Cambios cuerpo membrana",
          "Trocas corpo membrana");
const TextRecord kTxtCalTimer = NAME7("Kalibriertimer", "Cal timer", "Minuterie d'étal.", "Timer calibrazione",
                                      "Kalibreringstimer", "Temporizador cal.", "Temporizador cal.");
const TextRecord kTxtCalTimerAct =
    NAME7("Kalibriertimer / ACT", "Cal timer / ACT", "Minuterie d'étal. / ACT", "Timer calibrazione / ACT",
          "Kalibreringstimer / ACT", "Temporizador cal. / ACT", "Temporizador cal. / ACT");
const TextRecord kTxtPressureCorrection =
    NAME7("Druckkorrektur", "Pressure correction", "Correction de pression", "Correzione pressione",
          "Tryckkorrektion", "Corrección de presión", "Correção de pressão");
const TextRecord kTxtMsgPartialPressure =
    NAME7("Meldungen Partialdruck", "Messages Partial press.", "Messages pression part.",
          "Messaggi pressione parz.", "Meddelanden partialtryck", "Mensajes presión parcial",
          "Mensagens pressão parcial");
const TextRecord kTxtSensorModel = NAME7("Sensormodell", "Sensor model", "Modèle capteur", "Modello sensore",
                                         "Sensormodell", "Modelo de sensor", "Modelo do sensor");
const TextRecord kTxtSerialNo = NAME7("Serien-Nr.", "Serial No.", "N° de série", "N. di serie", "Serienr.",
                                      "N.º de serie", "N.º de série");
const TextRecord kTxtPulseSuppression =
    LIST7("Impulsunterdrückung", "1|Ein|2|Aus", "Pulse suppression", "1|On|2|Off", "Suppression impulsions",
          "1|Marche|2|Arrêt", "Soppressione impulsi", "1|On|2|Off", "Impulsundertryckning", "1|Till|2|Från",
          "Supresión de impulsos", "1|Act.|2|Desact.", "Supressão de impulsos", "1|Lig.|2|Desl.");
const TextRecord kTxtQuellora =
    LIST7("Quellora", "1|Ein|2|Aus", "Quellora", "1|On|2|Off", "Quellora", "1|Marche|2|Arrêt", "Quellora",
          "1|On|2|Off", "Quellora", "1|Till|2|Från", "Quellora", "1|Act.|2|Desact.", "Quellora", "1|Lig.|2|Desl.");
const TextRecord kTxtQuellix =
    LIST7("Quellix", "1|Aus|2|Ausfall|3|Wartungsbedarf", "Quellix", "1|Off|2|Failure|3|Maintenance", "Quellix",
          "1|Arrêt|2|Défaillance|3|Maintenance", "Quellix", "1|Off|2|Guasto|3|Manutenzione", "Quellix",
          "1|Från|2|Fel|3|Underhåll", "Quellix", "1|Desact.|2|Fallo|3|Mantenimiento", "Quellix",
          "1|Desl.|2|Falha|3|Manutenção");
const TextRecord kTxtPulseSuppressionLevels =
    LIST7("Impulsunterdrückung", "2|Aus|3|Schwach|4|Mittel|1|Stark", "Pulse suppression",
          "2|Off|3|Weak|4|Moderate|1|Strong", "Suppression impulsions", "2|Arrêt|3|Faible|4|Moyenne|1|Forte",
          "Soppressione impulsi", "2|Off|3|Debole|4|Media|1|Forte", "Impulsundertryckning",
          "2|Från|3|Svag|4|Måttlig|1|Stark", "Supresión de impulsos", "2|Desact.|3|Débil|4|Moderada|1|Fuerte",
          "Supressão de impulsos", "2|Desl.|3|Fraca|4|Moderada|1|Forte");
const TextRecord kTxtMeasuringTemp =
    LIST7("Meßtemperatur", "1|Auto|2|Manuell", "Measuring temp", "1|Auto|2|Manual", "Temp. de mesure",
          "1|Auto|2|Manuelle", "Temp. di misura", "1|Auto|2|Manuale", "Mättemperatur", "1|Auto|2|Manuell",
          "Temp. de medición", "1|Auto|2|Manual", "Temp. de medição", "1|Auto|2|Manual");
const TextRecord kTxtManual = NAME7("Manuell:", "Manual:", "Manuelle :", "Manuale:", "Manuell:", "Manual:",
                                    "Manual:");
const TextRecord kTxtCalTemp =
    LIST7("Cal-Temperatur", "1|Auto|2|Manuell", "Cal temp", "1|Auto|2|Manual", "Temp. d'étal.",
          "1|Auto|2|Manuelle", "Temp. di cal.", "1|Auto|2|Manuale", "Kal-temperatur", "1|Auto|2|Manuell",
          "Temp. de cal.", "1|Auto|2|Manual", "Temp. de cal.", "1|Auto|2|Manual");
const TextRecord kTxtMonitoringAutoInd =
    LIST7("Überwachung", "2|Auto|3|Individuell", "Monitoring", "2|Auto|3|Individual", "Surveillance",
          "2|Auto|3|Individuel", "Monitoraggio", "2|Auto|3|Individuale", "Övervakning", "2|Auto|3|Individuell",
          "Supervisión", "2|Auto|3|Individual", "Monitorização", "2|Auto|3|Individual");
const TextRecord kTxtMonitoringOffAutoInd =
    LIST7("Überwachung", "1|Aus|2|Auto|3|Individuell", "Monitoring", "1|Off|2|Auto|3|Individual", "Surveillance",
          "1|Arrêt|2|Auto|3|Individuel", "Monitoraggio", "1|Off|2|Auto|3|Individuale", "Övervakning",
          "1|Från|2|Auto|3|Individuell", "Supervisión", "1|Desact.|2|Auto|3|Individual", "Monitorização",
          "1|Desl.|2|Auto|3|Individual");
const TextRecord kTxtMonitoringOffAuto =
    LIST7("Überwachung", "1|Aus|2|Auto", "Monitoring", "1|Off|2|Auto", "Surveillance", "1|Arrêt|2|Auto",
          "Monitoraggio", "1|Off|2|Auto", "Övervakning", "1|Från|2|Auto", "Supervisión", "1|Desact.|2|Auto",
          "Monitorização", "1|Desl.|2|Auto");
const TextRecord kTxtMonitoringOffInd =
    LIST7("Überwachung", "1|Aus|3|Individuell", "Monitoring", "1|Off|3|Individual", "Surveillance",
          "1|Arrêt|3|Individuel", "Monitoraggio", "1|Off|3|Individuale", "Övervakning", "1|Från|3|Individuell",
          "Supervisión", "1|Desact.|3|Individual", "Monitorização", "1|Desl.|3|Individual");
const TextRecord kTxtMin = NAME7("Min", "Min", "Min", "Min", "Min", "Mín", "Mín");
const TextRecord kTxtMax = NAME7("Max", "Max", "Max", "Max", "Max", "Máx", "Máx");
const TextRecord kTxtMessage =
    LIST7("Meldung", "1|Aus|2|Ausfall|3|Wartungsbedarf", "Message", "1|Off|2|Failure|3|Maintenance", "Message",
          "1|Arrêt|2|Défaillance|3|Maintenance", "Messaggio", "1|Off|2|Guasto|3|Manutenzione", "Meddelande",
          "1|Från|2|Fel|3|Underhåll", "Mensaje", "1|Desact.|2|Fallo|3|Mantenimiento", "Mensagem",
          "1|Desl.|2|Falha|3|Manutenção");
const TextRecord kTxtMaxOperatingTime =
    NAME7("Betriebszeit max.", "Max. operating time", "Durée de service max.", "Ore di esercizio max.",
          "Max. drifttid", "Tiempo de servicio máx.", "Tempo de serviço máx.");
const TextRecord kTxtMaxCycles = NAME7("Zyklen max.", "Max. cycles", "Cycles max.", "Cicli max.", "Max. cykler",
                                       "Ciclos máx.", "Ciclos máx.");
const TextRecord kTxtNominal = NAME7("Nominell", "Nominal", "Nominal", "Nominale", "Nominell", "Nominal",
                                     "Nominal");
const TextRecord kTxtMode =
    LIST7("Modus", "1|Belastungsmatrix|2|DLI Lifetime Indicator", "Mode", "1|Load matrix|2|DLI Lifetime Indicator",
          "Mode", "1|Matrice de charge|2|DLI Lifetime Indicator", "Modo",
          "1|Matrice di carico|2|DLI Lifetime Indicator", "Läge", "1|Belastningsmatris|2|DLI Lifetime Indicator",
          "Modo", "1|Matriz de carga|2|DLI Lifetime Indicator", "Modo",
          "1|Matriz de carga|2|DLI Lifetime Indicator");
const TextRecord kTxtTtmEntry = NAME7("Vorgabe", "Entry", "Consigne", "Immissione", "Inställning", "Consigna",
                                      "Definição");
const TextRecord kTxtMeasurementQuality =
    LIST7("Meßqualität", "1|Hoch|2|Normal|3|Niedrig", "Measurement quality", "1|High|2|Normal|3|Low",
          "Qualité de mesure", "1|Haute|2|Normale|3|Basse", "Qualità di misura", "1|Alta|2|Normale|3|Bassa",
          "Mätkvalitet", "1|Hög|2|Normal|3|Låg", "Calidad de medición", "1|Alta|2|Normal|3|Baja",
          "Qualidade de medição", "1|Alta|2|Normal|3|Baixa");
const TextRecord kTxtMaxChanges = NAME7("Wechsel max.", "Max. changes", "Changements max.", "Sostit. max.",
                                        "Max. byten", "Cambios máx.", "Trocas máx.");
const TextRecord kTxtAct = NAME7("ACT", "ACT", "ACT", "ACT", "ACT", "ACT", "ACT");
const TextRecord kTxtLimitMonitoring = LIST7(
    "Überwachung", "1|Aus|2|Gerätegrenzen max.|3|Grenzen variabel", "Monitoring",
    "1|Off|2|Device limits max.|3|Variable limits", "Surveillance",
    "1|Arrêt|2|Limites appareil max.|3|Limites variables", "Monitoraggio",
    "1|Off|2|Limiti strumento max.|3|Limiti variabili", "Övervakning",
    "1|Från|2|Instrumentgränser max.|3|Variabla gränser", "Supervisión",
    "1|Desact.|2|Límites equipo máx.|3|Límites variables", "Monitorização",
    "1|Desl.|2|Limites aparelho máx.|3|Limites variáveis");
const TextRecord kTxtFailureLo = NAME7("Ausfall Limit Lo", "Failure Limit Lo", "Lim. défaillance Lo",
                                       "Limite guasto Lo", "Felgräns Lo", "Límite fallo Lo", "Limite falha Lo");
const TextRecord kTxtWarningLo = NAME7("Warnung Limit Lo", "Warning Limit Lo", "Lim. alerte Lo",
                                       "Limite avviso Lo", "Varningsgräns Lo", "Límite aviso Lo", "Limite aviso Lo");
const TextRecord kTxtWarningHi = NAME7("Warnung Limit Hi", "Warning Limit Hi", "Lim. alerte Hi",
                                       "Limite avviso Hi", "Varningsgräns Hi", "Límite aviso Hi", "Limite aviso Hi");
const TextRecord kTxtFailureHi = NAME7("Ausfall Limit Hi", "Failure Limit Hi", "Lim. défaillance Hi",
                                       "Limite guasto Hi", "Felgräns Hi", "Límite fallo Hi", "Limite falha Hi");

}  // namespace tessalin::common

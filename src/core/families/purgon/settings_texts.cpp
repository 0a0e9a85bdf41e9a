#include "core/families/purgon/settings_texts.h"

namespace tessalin::purgon {

#define NAME7(de, en, fr, it, sv, es, pt) TextRecord{{de, "", en, "", fr, "", it, "", sv, "", es, "", pt, ""}}
#define LIST7(de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL) \
    TextRecord{{de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL}}
#define ONLYLIST7(de, en, fr, it, sv, es, pt) LIST7("-", de, "-", en, "-", fr, "-", it, "-", sv, "-", es, "-", pt)

// ---- controller entry and calibration presets -------------------------------------------------------

const TextRecord kTxtControl = LIST7("Steuerung", "1|Ein|2|Aus", "Control", "1|On|2|Off", "Commande",
                                     "1|Marche|2|Arrêt", "Comando", "1|On|2|Off", "Styrning", "1|Till|2|Från",
                                     "Control", "1|Act.|2|Desact.", "Comando", "1|Lig.|2|Desl.");
const TextRecord kTxtControlOff = NAME7("Aus", "Off", "Arrêt", "Off", "Från", "Desact.", "Desl.");
const TextRecord kTxtTimeControl =
    LIST7("Zeitsteuerung", "1|Festintervall|2|Wochenprogramm", "Time control", "1|Fixed interval|2|Week program",
          "Commande horaire", "1|Intervalle fixe|2|Programme hebdo.", "Comando a tempo",
          "1|Intervallo fisso|2|Programma settim.", "Tidsstyrning", "1|Fast intervall|2|Veckoprogram",
          "Control horario", "1|Intervalo fijo|2|Programa semanal", "Comando temporal",
          "1|Intervalo fixo|2|Programa semanal");
const TextRecord kTxtMeasuringModule = NAME7("Meßmodul", "Measuring module", "Module de mesure", "Modulo di misura",
                                             "Mätmodul", "Módulo de medida", "Módulo de medição");
const TextRecord kTxtLotBuffer1 = NAME7("Charge Puffer 1", "Lot buffer 1", "Lot tampon 1", "Lotto tampone 1",
                                        "Parti buffert 1", "Lote tampón 1", "Lote tampão 1");
const TextRecord kTxtLotBuffer2 = NAME7("Charge Puffer 2", "Lot buffer 2", "Lot tampon 2", "Lotto tampone 2",
                                        "Parti buffert 2", "Lote tampón 2", "Lote tampão 2");
const TextRecord kTxtCalMode = LIST7("Cal-Modus", "2|Kalibrierung|3|Justierung", "Cal mode", "2|Calibration|3|Adjustment",
                                     "Mode étal.", "2|Étalonnage|3|Ajustage", "Modo cal.", "2|Calibrazione|3|Regolazione",
                                     "Kal-läge", "2|Kalibrering|3|Justering", "Modo cal.", "2|Calibración|3|Ajuste",
                                     "Modo cal.", "2|Calibração|3|Ajuste");
const TextRecord kTxtCalModeV5 = LIST7("Cal-Modus", "2|Kontrolle|3|Justierung", "Cal mode", "2|Check|3|Adjustment",
                                       "Mode étal.", "2|Contrôle|3|Ajustage", "Modo cal.", "2|Controllo|3|Regolazione",
                                       "Kal-läge", "2|Kontroll|3|Justering", "Modo cal.", "2|Control|3|Ajuste",
                                       "Modo cal.", "2|Controlo|3|Ajuste");
const TextRecord kTxtCalTimerProgram = NAME7("Cal-Timer Programm", "Cal timer program", "Prog. minuterie étal.",
                                             "Programma timer cal.", "Kal-timerprogram", "Prog. temporiz. cal.",
                                             "Prog. temporiz. cal.");
const TextRecord kTxtTtmProgram = NAME7("TTM Programm", "TTM program", "Programme TTM", "Programma TTM",
                                        "TTM-program", "Programa TTM", "Programa TTM");

// ---- installation -----------------------------------------------------------------------------------

const TextRecord kTxtProcedure = LIST7("Meßverfahren", "1|Kontinuierlich|2|Kurzzeit", "Meas procedure",
                                       "1|Continuous|2|Short-time", "Procédé de mesure", "1|Continu|2|Courte durée",
                                       "Procedura misura", "1|Continuo|2|Breve durata", "Mätförfarande",
                                       "1|Kontinuerlig|2|Korttid", "Proced. medición", "1|Continuo|2|Corta duración",
                                       "Proced. medição", "1|Contínuo|2|Curta duração");
const TextRecord kTxtSensorDetection = LIST7("Sensordetektion", "1|Ein|2|Aus", "Sensor detection", "1|On|2|Off",
                                             "Détection capteur", "1|Marche|2|Arrêt", "Rilevamento sensore", "1|On|2|Off",
                                             "Sensordetektering", "1|Till|2|Från", "Detección sensor", "1|Act.|2|Desact.",
                                             "Deteção sensor", "1|Lig.|2|Desl.");
const TextRecord kTxtImmersionLock = LIST7("Einfahrsperre", "0|Aus|1|Quellix Glas-El", "Immersion lock",
                                           "0|Off|1|Quellix Glass el", "Blocage insertion", "0|Arrêt|1|Quellix él. verre",
                                           "Blocco inserimento", "0|Off|1|Quellix el. vetro", "Inkörningsspärr",
                                           "0|Från|1|Quellix glaselektrod", "Bloqueo inserción",
                                           "0|Desact.|1|Quellix el. vidrio", "Bloqueio inserção",
                                           "0|Desl.|1|Quellix el. vidro");

// ---- control system ---------------------------------------------------------------------------------

#define ACTIVE_LEVELS(de, en, fr, it, sv, es, pt)                                                           \
    LIST7(de, "1|aktiv 10...30V|2|aktiv < 2V", en, "1|active 10...30V|2|active < 2V", fr,                  \
          "1|active 10...30V|2|active < 2V", it, "1|attivo 10...30V|2|attivo < 2V", sv,                      \
          "1|aktiv 10...30V|2|aktiv < 2V", es, "1|activa 10...30V|2|activa < 2V", pt,                      \
          "1|ativa 10...30V|2|ativa < 2V")

const TextRecord kTxtDcsControl = kTxtControl;
const TextRecord kTxtDcsInputs = ACTIVE_LEVELS("Eingänge DCS (36..39)", "Inputs DCS (36..39)", "Entrées DCS (36..39)",
                                               "Ingressi DCS (36..39)", "Ingångar DCS (36..39)", "Entradas DCS (36..39)",
                                               "Entradas DCS (36..39)");
const TextRecord kTxtDcsInputMs = ACTIVE_LEVELS("Eingang M/S (42/43)", "Input M/S (42/43)", "Entrée M/S (42/43)",
                                                "Ingresso M/S (42/43)", "Ingång M/S (42/43)", "Entrada M/S (42/43)",
                                                "Entrada M/S (42/43)");
const TextRecord kTxtDcsInputAm = ACTIVE_LEVELS("Eingang A/M (40/41)", "Input A/M (40/41)", "Entrée A/M (40/41)",
                                                "Ingresso A/M (40/41)", "Ingång A/M (40/41)", "Entrada A/M (40/41)",
                                                "Entrada A/M (40/41)");
const TextRecord kTxtDcsOutput34 = LIST7("Ausgang DCS (34)", "0|Messen|1|Alarm", "Output DCS (34)", "0|Measure|1|Alarm",
                                         "Sortie DCS (34)", "0|Mesurer|1|Alarme", "Uscita DCS (34)", "0|Misurare|1|Allarme",
                                         "Utgång DCS (34)", "0|Mät|1|Larm", "Salida DCS (34)", "0|Medir|1|Alarma",
                                         "Saída DCS (34)", "0|Medir|1|Alarme");
const TextRecord kTxtDcsOutputs = LIST7("Ausgänge DCS (31..34)", "1|Arbeit  N/O|2|Ruhe  N/C", "Outputs DCS (31..34)",
                                        "1|N/O|2|N/C", "Sorties DCS (31..34)", "1|NO|2|NF", "Uscite DCS (31..34)",
                                        "1|NA|2|NC", "Utgångar DCS (31..34)", "1|NO|2|NC", "Salidas DCS (31..34)",
                                        "1|NA|2|NC", "Saídas DCS (31..34)", "1|NA|2|NF");

// ---- access to manual control -----------------------------------------------------------------------

const TextRecord kTxtAccessHeading =
    NAME7("Aufruf Handsteuerung in maint", "Activate manual control in maint", "Appel commande manuelle en maint",
          "Richiamo comando manuale in maint", "Anrop handstyrning i maint", "Llamada control manual en maint",
          "Chamada comando manual em maint");
const TextRecord kTxtAccessCode = NAME7("Zugangs-Code", "Access code", "Code d'accès", "Codice d'accesso",
                                        "Åtkomstkod", "Código de acceso", "Código de acesso");

// ---- probe ------------------------------------------------------------------------------------------

const TextRecord kTxtProbeType = NAME7("Sondentyp", "Probe type", "Type de sonde", "Tipo di sonda", "Sondtyp",
                                       "Tipo de sonda", "Tipo de sonda");
const TextRecord kTxtMoveTime = NAME7("Verfahrzeit max.", "Max. move time", "Tps déplacement max.",
                                      "Tempo spostam. max.", "Max. rörelsetid", "Tiempo desplaz. máx.",
                                      "Tempo desloc. máx.");
const TextRecord kTxtSealingWater = LIST7("Sperrwasser", "1|Ein|2|Aus", "Sealing water", "1|On|2|Off",
                                          "Eau d'étanchéité", "1|Marche|2|Arrêt", "Acqua di tenuta", "1|On|2|Off",
                                          "Spärrvatten", "1|Till|2|Från", "Agua de sellado", "1|Act.|2|Desact.",
                                          "Água de vedação", "1|Lig.|2|Desl.");
const TextRecord kTxtSensorSafety = LIST7("Sensoreinfahrsicherung", "2|Ein|3|Aus", "Sensor insertion safety",
                                          "2|On|3|Off", "Sécurité insertion capteur", "2|Marche|3|Arrêt",
                                          "Sicurezza inserim. sensore", "2|On|3|Off", "Sensorinkörningsskydd",
                                          "2|Till|3|Från", "Seguridad inserción sensor", "2|Act.|3|Desact.",
                                          "Segurança inserção sensor", "2|Lig.|3|Desl.");
const TextRecord kTxtCavityRinsing =
    LIST7("Hohlraumspülung", "0|Aus|1|Intervall|2|Kontinuierlich", "Cavity rinsing", "0|Off|1|Interval|2|Continuous",
          "Rinçage de cavité", "0|Arrêt|1|Intervalle|2|Continu", "Lavaggio cavità", "0|Off|1|Intervallo|2|Continuo",
          "Hålrumssköljning", "0|Från|1|Intervall|2|Kontinuerlig", "Enjuague de cavidad",
          "0|Desact.|1|Intervalo|2|Continuo", "Enxágue da cavidade", "0|Desl.|1|Intervalo|2|Contínuo");
const TextRecord kTxtCavityInterval = NAME7("Intervall", "Interval", "Intervalle", "Intervallo", "Intervall",
                                            "Intervalo", "Intervalo");
const TextRecord kTxtRinseTime = NAME7("Spülzeit", "Rinse time", "Durée rinçage", "Tempo lavaggio",
                                       "Sköljtid", "Tpo. enjuague", "Tempo lavagem");
const TextRecord kTxtWearMax = NAME7("Verschleißzähler max.", "Max. wear counter", "Compteur d'usure max.",
                                     "Contatore usura max.", "Max. slitageräknare", "Contador de desgaste máx.",
                                     "Contador de desgaste máx.");
const TextRecord kTxtCheckInterval = LIST7("Kontrollintervall", "1|Ein|0|Aus", "Check interval", "1|On|0|Off",
                                           "Intervalle contrôle", "1|Marche|0|Arrêt", "Intervallo controllo",
                                           "1|On|0|Off", "Kontrollintervall", "1|Till|0|Från", "Intervalo de control",
                                           "1|Act.|0|Desact.", "Intervalo de controlo", "1|Lig.|0|Desl.");
const TextRecord kTxtCheckTravels = NAME7("   Kontrolle nach Hüben", "   Check after travels", "   Contrôle après courses",
                                          "   Controllo dopo corse", "   Kontroll efter slag", "   Control tras carreras",
                                          "   Controlo após cursos");
const TextRecord kTxtMaintenanceInterval =
    LIST7("Wartungsintervall", "1|Ein|0|Aus", "Maintenance interval", "1|On|0|Off", "Intervalle maintenance",
          "1|Marche|0|Arrêt", "Intervallo manutenzione", "1|On|0|Off", "Underhållsintervall", "1|Till|0|Från",
          "Intervalo mantenimiento", "1|Act.|0|Desact.", "Intervalo de manutenção", "1|Lig.|0|Desl.");
const TextRecord kTxtMaintenanceTravels =
    NAME7("   Wartung nach Hüben", "   Maintenance after travels", "   Maintenance après courses",
          "   Manutenzione dopo corse", "   Underhåll efter slag", "   Mantenimiento tras carreras",
          "   Manutenção após cursos");

const TextRecord kTxtProbeTypesBefore7 =
    ONLYLIST7("1|Dolovan|3|Vorlix|2|andere", "1|Dolovan|3|Vorlix|2|Others", "1|Dolovan|3|Vorlix|2|Autres",
              "1|Dolovan|3|Vorlix|2|Altri", "1|Dolovan|3|Vorlix|2|Övriga", "1|Dolovan|3|Vorlix|2|Otros",
              "1|Dolovan|3|Vorlix|2|Outros");
const TextRecord kTxtProbeTypesFrom7 =
    ONLYLIST7("1|Dolovan|4|Hovrel|3|Vorlix|2|andere", "1|Dolovan|4|Hovrel|3|Vorlix|2|Others",
              "1|Dolovan|4|Hovrel|3|Vorlix|2|Autres", "1|Dolovan|4|Hovrel|3|Vorlix|2|Altri",
              "1|Dolovan|4|Hovrel|3|Vorlix|2|Övriga", "1|Dolovan|4|Hovrel|3|Vorlix|2|Otros",
              "1|Dolovan|4|Hovrel|3|Vorlix|2|Outros");
const TextRecord kTxtProbeTypesControl3 =
    ONLYLIST7("4|Hovrel|1|Dolovan|2|andere", "4|Hovrel|1|Dolovan|2|Others", "4|Hovrel|1|Dolovan|2|Autres",
              "4|Hovrel|1|Dolovan|2|Altri", "4|Hovrel|1|Dolovan|2|Övriga", "4|Hovrel|1|Dolovan|2|Otros",
              "4|Hovrel|1|Dolovan|2|Outros");
const TextRecord kTxtProbeTypesBrand1 =
    ONLYLIST7("3|Vorlix|1|Dolovan|4|Hovrel", "3|Vorlix|1|Dolovan|4|Hovrel", "3|Vorlix|1|Dolovan|4|Hovrel",
              "3|Vorlix|1|Dolovan|4|Hovrel", "3|Vorlix|1|Dolovan|4|Hovrel", "3|Vorlix|1|Dolovan|4|Hovrel",
              "3|Vorlix|1|Dolovan|4|Hovrel");

// ---- rinse water, media adapters, additional media ----------------------------------------------------

const TextRecord kTxtMonitoring =
    LIST7("Überwachung", "0|Aus|1|Prozesswert|2|Temperatur", "Monitoring", "0|Off|1|Process value|2|Temperature",
          "Surveillance", "0|Arrêt|1|Valeur process|2|Température", "Monitoraggio",
          "0|Off|1|Valore processo|2|Temperatura", "Övervakning", "0|Från|1|Processvärde|2|Temperatur",
          "Supervisión", "0|Desact.|1|Valor de proceso|2|Temperatura", "Monitorização",
          "0|Desl.|1|Valor do processo|2|Temperatura");
const TextRecord kTxtSetpoint = NAME7("Sollwert", "Setpoint", "Consigne", "Setpoint", "Börvärde", "Consigna",
                                      "Setpoint");
const TextRecord kTxtDeviation = NAME7("zul. Abweichung", "Adm. deviation", "Écart admissible", "Scostamento amm.",
                                       "Tillåten avvikelse", "Desviación adm.", "Desvio admissível");
const TextRecord kTxtMedium = NAME7("Medium", "Medium", "Fluide", "Fluido", "Medium", "Medio", "Meio");
const TextRecord kTxtDisplacedVolume =
    LIST7("Fördermenge", "1|25 ml|2|50 ml|3|75 ml|4|100 ml", "Displaced volume", "1|25 ml|2|50 ml|3|75 ml|4|100 ml",
          "Volume refoulé", "1|25 ml|2|50 ml|3|75 ml|4|100 ml", "Volume erogato", "1|25 ml|2|50 ml|3|75 ml|4|100 ml",
          "Pumpvolym", "1|25 ml|2|50 ml|3|75 ml|4|100 ml", "Volumen impulsado", "1|25 ml|2|50 ml|3|75 ml|4|100 ml",
          "Volume bombeado", "1|25 ml|2|50 ml|3|75 ml|4|100 ml");
const TextRecord kTxtResidualVolume =
    LIST7("Restfördermenge", "0|0 ml|10|250 ml|20|500 ml", "Residual volume", "0|0 ml|10|250 ml|20|500 ml",
          "Volume résiduel", "0|0 ml|10|250 ml|20|500 ml", "Volume residuo", "0|0 ml|10|250 ml|20|500 ml",
          "Restvolym", "0|0 ml|10|250 ml|20|500 ml", "Volumen residual", "0|0 ml|10|250 ml|20|500 ml",
          "Volume residual", "0|0 ml|10|250 ml|20|500 ml");
const TextRecord kTxtMeteringPump = LIST7("Dosierpumpe", "2|Ein|0|Aus", "Metering pump", "2|On|0|Off",
                                          "Pompe doseuse", "2|Marche|0|Arrêt", "Pompa dosatrice", "2|On|0|Off",
                                          "Doseringspump", "2|Till|0|Från", "Bomba dosific.", "2|Act.|0|Desact.",
                                          "Bomba doseadora", "2|Lig.|0|Desl.");

#define PORT(de, en, fr, it, sv, es, pt)                                                                    \
    LIST7(de, "0|Aus|2|Dosierpumpe", en, "0|Off|2|Metering pump", fr, "0|Arrêt|2|Pompe doseuse", it,       \
          "0|Off|2|Pompa dosatrice", sv, "0|Från|2|Doseringspump", es, "0|Desact.|2|Bomba dosific.", pt,  \
          "0|Desl.|2|Bomba doseadora")
const TextRecord kTxtPort[3] = {
    PORT("Steckplatz I", "Port I", "Port I", "Porta I", "Port I", "Puerto I", "Porta I"),
    PORT("Steckplatz II", "Port II", "Port II", "Porta II", "Port II", "Puerto II", "Porta II"),
    PORT("Steckplatz III", "Port III", "Port III", "Porta III", "Port III", "Puerto III", "Porta III"),
};

#define ADD_MEDIUM(de, en, fr, it, sv, es, pt)                                                              \
    LIST7(de, "3|Ein|0|Aus", en, "3|On|0|Off", fr, "3|Marche|0|Arrêt", it, "3|On|0|Off", sv, "3|Till|0|Från", \
          es, "3|Act.|0|Desact.", pt, "3|Lig.|0|Desl.")
const TextRecord kTxtAddMedium[2] = {
    ADD_MEDIUM("Zusatzmedium 1", "Add. medium 1", "Fluide suppl. 1", "Fluido agg. 1", "Extra medium 1",
               "Medio adic. 1", "Meio adic. 1"),
    ADD_MEDIUM("Zusatzmedium 2", "Add. medium 2", "Fluide suppl. 2", "Fluido agg. 2", "Extra medium 2",
               "Medio adic. 2", "Meio adic. 2"),
};

}  // namespace tessalin::purgon

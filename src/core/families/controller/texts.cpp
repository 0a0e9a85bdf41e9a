// Device texts of the controller module, in the order de, en, fr, it, sv, es, pt.

#include "core/families/controller/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::pid {

// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtController =
    NAME7("Regler", "Controller", "Régulateur", "Regolatore", "Regulator", "Regulador", "Regulador");
const TextRecord kTxtAnalogController =
    NAME7("Analogregler IV1/IV2", "Analog controller IV1/IV2", "Régulateur analogique IV1/IV2",
          "Regolatore analogico IV1/IV2", "Analog regulator IV1/IV2", "Regulador analógico IV1/IV2",
          "Regulador analógico IV1/IV2");
const TextRecord kTxtDigitalController =
    NAME7("Digitalregler KV1/KV2", "Digital controller KV1/KV2", "Régulateur numérique KV1/KV2",
          "Regolatore digitale KV1/KV2", "Digital regulator KV1/KV2", "Regulador digital KV1/KV2",
          "Regulador digital KV1/KV2");

// ---- rows ------------------------------------------------------------------------------------------

const TextRecord kTxtAlgorithm =
    LIST7("Regler", "1|PID linear|2|PI nichtlinear", "Controller", "1|PID linear|2|PI nonlinear",
          "Régulateur", "1|PID linéaire|2|PI non linéaire", "Regolatore", "1|PID lineare|2|PI non lineare",
          "Regulator", "1|PID linjär|2|PI olinjär", "Regulador", "1|PID lineal|2|PI no lineal",
          "Regulador", "1|PID linear|2|PI não linear");
const TextRecord kTxtAnalogType =
    LIST7("Reglertyp", "0|Aus|1|3-Wege-Mischventil|2|Durchgangsventile",
          "Type", "0|Off|1|3-way mixing valve|2|Straight-way valves",
          "Type", "0|Arrêt|1|Vanne mélang. 3 voies|2|Vannes à passage direct",
          "Tipo", "0|Off|1|Valvola misc. 3 vie|2|Valvole passaggio dir.",
          "Regulatortyp", "0|Från|1|3-vägs blandventil|2|Genomgångsventiler",
          "Tipo", "0|Desact.|1|Válvula mezcl. 3 vías|2|Válvulas de paso recto",
          "Tipo", "0|Desl.|1|Válvula mist. 3 vias|2|Válv. passagem direta");
const TextRecord kTxtDigitalType =
    LIST7("Reglertyp", "0|Aus|1|Impulslängenregler|2|Impulsfrequenzregler",
          "Type", "0|Off|1|Pulse length controller|2|Pulse frequency controller",
          "Type", "0|Arrêt|1|Régul. largeur d'impulsion|2|Régul. fréquence d'impulsion",
          "Tipo", "0|Off|1|Regolatore durata impulso|2|Regolatore frequenza impulso",
          "Regulatortyp", "0|Från|1|Pulslängdsregulator|2|Pulsfrekvensregulator",
          "Tipo",
          "0|Desact.|1|Regulador longitud impulso|2|Regulador frecuencia impulso",
          "Tipo", "0|Desl.|1|Regulador duração impulso|2|Regulador frequência impulso");
const TextRecord kTxtControlVariable = NAME7("Regelgröße", "Control variable", "Grandeur réglée",
                                             "Grandezza regolata", "Reglerstorhet", "Variable controlada",
                                             "Variável controlada");
const TextRecord kTxtSetpoint = NAME7("Sollwert", "Setpoint", "Consigne", "Setpoint", "Börvärde",
                                      "Consigna", "Setpoint");
const TextRecord kTxtNeutralZone = NAME7("Neutralzone", "Neutral zone", "Zone neutre", "Zona neutra",
                                         "Neutralzon", "Zona neutra", "Zona neutra");
const TextRecord kTxtGain = NAME7("(P) Reglerverstärkung", "(P) Controller gain", "(P) Gain du régulateur",
                                  "(P) Guadagno regolatore", "(P) Regulatorförstärkning",
                                  "(P) Ganancia regulador", "(P) Ganho do regulador");
const TextRecord kTxtBeginControl = NAME7("< Regelanfang", "< Beginning Control", "< Début de régulation",
                                          "< Inizio regolazione", "< Reglerstart", "< Inicio de regulación",
                                          "< Início da regulação");
const TextRecord kTxtLowCornerX = NAME7("< Eckpunkt X", "< Corner X", "< Pt cassure X", "< Punto ang. X",
                                        "< Brytpunkt X", "< Quiebre X", "< Ponto quebra X");
const TextRecord kTxtLowCornerY = NAME7("< Eckpunkt Y", "< Corner Y", "< Pt cassure Y", "< Punto ang. Y",
                                        "< Brytpunkt Y", "< Quiebre Y", "< Ponto quebra Y");
const TextRecord kTxtEndControl = NAME7("> Regelende", "> End Control", "> Fin régulation", "> Fine regolaz.",
                                        "> Reglerslut", "> Fin regulación", "> Fim regulação");
const TextRecord kTxtHighCornerX = NAME7("> Eckpunkt X", "> Corner X", "> Pt cassure X",
                                         "> Punto ang. X", "> Brytpunkt X", "> Quiebre X",
                                         "> Ponto quebra X");
const TextRecord kTxtHighCornerY = NAME7("> Eckpunkt Y", "> Corner Y", "> Pt cassure Y",
                                         "> Punto ang. Y", "> Brytpunkt Y", "> Quiebre Y",
                                         "> Ponto quebra Y");
const TextRecord kTxtResetTime = NAME7("(I) Nachstellzeit", "(I) Reset time", "(I) Tps d'intégration",
                                       "(I) Tempo integrale", "(I) Integraltid", "(I) Tiempo integral",
                                       "(I) Tempo integral");
const TextRecord kTxtDerivativeTime = NAME7("(D) Vorhaltezeit", "(D) Derivative action", "(D) Temps de dérivée",
                                            "(D) Tempo derivativo", "(D) Derivatatid",
                                            "(D) Tiempo derivativo", "(D) Tempo derivativo");
const TextRecord kTxtFeedTimeAlarm =
    NAME7("Dosierzeitalarm nach", "Feed time alarm after", "Alarme durée dosage après",
          "Allarme dosaggio dopo", "Doseringstidslarm efter", "Alarma dosificación tras",
          "Alarme dosagem após");
const TextRecord kTxtHoldBehaviour =
    LIST7("Verhalten bei HOLD", "1|Y=const|2|Y=0%", "Behavior at HOLD", "1|Y=const|2|Y=0%",
          "Comportement en HOLD", "1|Y=const|2|Y=0%", "Comportamento in HOLD", "1|Y=cost|2|Y=0%",
          "Beteende vid HOLD", "1|Y=konst|2|Y=0%", "Comportamiento en HOLD", "1|Y=const|2|Y=0%",
          "Comportamento em HOLD", "1|Y=const|2|Y=0%");
const TextRecord kTxtOutputIV =
    LIST7("Ausgang IV1/IV2", "1|0...20 mA|2|4...20 mA", "Output IV1/IV2", "1|0...20 mA|2|4...20 mA",
          "Sortie IV1/IV2", "1|0...20 mA|2|4...20 mA", "Uscita IV1/IV2", "1|0...20 mA|2|4...20 mA",
          "Utgång IV1/IV2", "1|0...20 mA|2|4...20 mA", "Salida IV1/IV2", "1|0...20 mA|2|4...20 mA",
          "Saída IV1/IV2", "1|0...20 mA|2|4...20 mA");
const TextRecord kTxtLoadMonitoring =
    LIST7("Bürdenüberwachung", "4|Ausgang IV1|8|Ausgang IV2|12|Ausgang IV1/IV2",
          "Load monitoring", "4|Output IV1|8|Output IV2|12|Output IV1/IV2",
          "Surveillance charge", "4|Sortie IV1|8|Sortie IV2|12|Sortie IV1/IV2",
          "Monitoraggio carico", "4|Uscita IV1|8|Uscita IV2|12|Uscita IV1/IV2",
          "Lastövervakning", "4|Utgång IV1|8|Utgång IV2|12|Utgång IV1/IV2",
          "Supervisión de carga", "4|Salida IV1|8|Salida IV2|12|Salida IV1/IV2",
          "Monitorização carga", "4|Saída IV1|8|Saída IV2|12|Saída IV1/IV2");
const TextRecord kTxtPulsePeriod = NAME7("Impulsperiode", "Pulse period", "Période impulsion",
                                         "Periodo impulso", "Pulsperiod", "Período impulso",
                                         "Período impulso");
const TextRecord kTxtMaxPulseFrequency =
    NAME7("Max. Impulsfrequenz", "Max pulse frequency", "Fréq. impulsion max.", "Frequenza impulso max.",
          "Max. pulsfrekvens", "Frecuencia impulso máx.", "Frequência impulso máx.");

}  // namespace tessalin::pid

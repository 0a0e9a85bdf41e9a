#include "core/families/calc/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::calc {


// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtDifference = NAME7("Differenz", "Difference", "Différence", "Differenza", "Differens",
                                        "Diferencia", "Diferença");
const TextRecord kTxtCalcCond = SAME7("Calc Cond,Cond");
const TextRecord kTxtCalcOxy = SAME7("Calc Oxy,Oxy");
const TextRecord kTxtCalcCo2 = SAME7("Calc CO2,CO2");

const TextRecord kTxtMsgRatio = NAME7("Meldungen Ratio", "Messages Ratio", "Messages rapport", "Messaggi rapporto",
                                      "Meddelanden kvot", "Mensajes relación", "Mensagens razão");
const TextRecord kTxtMsgPassage = NAME7("Meldungen Passage", "Messages Passage", "Messages passage",
                                        "Messaggi passaggio", "Meddelanden passage", "Mensajes paso",
                                        "Mensagens passagem");
const TextRecord kTxtMsgRejection = NAME7("Meldungen Rejection", "Messages Rejection", "Messages rejet",
                                          "Messaggi reiezione", "Meddelanden avskiljning", "Mensajes rechazo",
                                          "Mensagens rejeição");
const TextRecord kTxtMsgDeviation = NAME7("Meldungen Deviation", "Messages Deviation", "Messages écart",
                                          "Messaggi scostamento", "Meddelanden avvikelse", "Mensajes desviación",
                                          "Mensagens desvio");
const TextRecord kTxtMsgSaturationAir =
    NAME7("Meldungen Sättigung %Air", "Messages Saturation %Air", "Messages saturation %Air",
          "Messaggi saturazione %Air", "Meddelanden mättnad %Air", "Mensajes saturación %Air",
          "Mensagens saturação %Air");
const TextRecord kTxtMsgSaturationO2 =
    NAME7("Meldungen Sättigung %O2", "Messages Saturation %O2", "Messages saturation %O2",
          "Messaggi saturazione %O2", "Meddelanden mättnad %O2", "Mensajes saturación %O2",
          "Mensagens saturação %O2");
const TextRecord kTxtMsgGramsPerLitre =
    NAME7("Meldungen g/l-Wert", "Messages g/l value", "Messages valeur g/l", "Messaggi valore g/l",
          "Meddelanden g/l-värde", "Mensajes valor g/l", "Mensagens valor g/l");
const TextRecord kTxtMsgPpm = NAME7("Meldungen ppm-Wert", "Messages ppm value", "Messages valeur ppm",
                                    "Messaggi valore ppm", "Meddelanden ppm-värde", "Mensajes valor ppm",
                                    "Mensagens valor ppm");
const TextRecord kTxtMsgVolume = NAME7("Meldungen Vol%-Wert", "Messages Vol% value", "Messages valeur Vol%",
                                       "Messaggi valore Vol%", "Meddelanden Vol%-värde", "Mensajes valor Vol%",
                                       "Mensagens valor Vol%");
const TextRecord kTxtMsgPercent = NAME7("Meldungen %-Wert", "Messages % value", "Messages valeur %",
                                        "Messaggi valore %", "Meddelanden %-värde", "Mensajes valor %",
                                        "Mensagens valor %");
const TextRecord kTxtMsgMgPerLitre = NAME7("Meldungen mg/l-Wert", "Messages mg/l value", "Messages valeur mg/l",
                                           "Messaggi valore mg/l", "Meddelanden mg/l-värde", "Mensajes valor mg/l",
                                           "Mensagens valor mg/l");
const TextRecord kTxtMsgHpa = NAME7("Meldungen hPa-Wert", "Messages hPa value", "Messages valeur hPa",
                                    "Messaggi valore hPa", "Meddelanden hPa-värde", "Mensajes valor hPa",
                                    "Mensagens valor hPa");

// ---- difference rows -------------------------------------------------------------------------------

// "Differenz" followed by the quantity, which reads the same in every language.
#define DIFFERENCE(quantity)                                                                                   \
    NAME7("Differenz " quantity, "Difference " quantity, "Différence " quantity, "Differenza " quantity,     \
          "Differens " quantity, "Diferencia " quantity, "Diferença " quantity)

const TextRecord kTxtDiffPh = DIFFERENCE("pH");
const TextRecord kTxtDiffOrp = DIFFERENCE("ORP");
const TextRecord kTxtDiffTemp = DIFFERENCE("Temp");
const TextRecord kTxtDiffConductivity = DIFFERENCE("S/cm");
const TextRecord kTxtDiffResistivity = DIFFERENCE("Ohm*cm");
const TextRecord kTxtDiffAir = DIFFERENCE("%AIR");
const TextRecord kTxtDiffO2 = DIFFERENCE("%O2");
const TextRecord kTxtDiffGramsPerLitre = DIFFERENCE("g/l");
const TextRecord kTxtDiffPpm = DIFFERENCE("ppm");
const TextRecord kTxtDiffVolume = DIFFERENCE("Vol%");
const TextRecord kTxtDiffPercent = DIFFERENCE("%");
const TextRecord kTxtDiffMgPerLitre = DIFFERENCE("mg/l");
const TextRecord kTxtDiffHpa = DIFFERENCE("hPa");

#undef DIFFERENCE

const TextRecord kTxtOff = NAME7("Aus", "Off", "Arrêt", "Off", "Från", "Desact.", "Desl.");

// ---- conductivity block ----------------------------------------------------------------------------

const TextRecord kTxtRatio = LIST7("Ratio", "1|Ein|2|Aus", "Ratio", "1|On|2|Off", "Rapport", "1|Marche|2|Arrêt", "Rapporto", "1|On|2|Off",
                                      "Kvot", "1|Till|2|Från", "Relación", "1|Act.|2|Desact.", "Relação", "1|Lig.|2|Desl.");
const TextRecord kTxtPassage = LIST7("Passage", "1|Ein|2|Aus", "Passage", "1|On|2|Off", "Passage", "1|Marche|2|Arrêt", "Passaggio", "1|On|2|Off",
                                      "Passage", "1|Till|2|Från", "Paso", "1|Act.|2|Desact.", "Passagem", "1|Lig.|2|Desl.");
const TextRecord kTxtRejection = LIST7("Rejection", "1|Ein|2|Aus", "Rejection", "1|On|2|Off", "Rejet", "1|Marche|2|Arrêt", "Reiezione", "1|On|2|Off",
                                      "Avskiljning", "1|Till|2|Från", "Rechazo", "1|Act.|2|Desact.", "Rejeição", "1|Lig.|2|Desl.");
const TextRecord kTxtDeviation = LIST7("Deviation", "1|Ein|2|Aus", "Deviation", "1|On|2|Off", "Écart", "1|Marche|2|Arrêt", "Scostamento", "1|On|2|Off",
                                      "Avvikelse", "1|Till|2|Från", "Desviación", "1|Act.|2|Desact.", "Desvio", "1|Lig.|2|Desl.");
const TextRecord kTxtPhValue = LIST7(
    "pH-Wert", "2|Aus|1|Alkalisierung NaOH|5|Alkalisierung andere", "pH value",
    "2|Off|1|Alkalization NaOH|5|Alkalization other", "Valeur pH", "2|Arrêt|1|Alcalinisation NaOH|5|Alcalinisation autre",
    "Valore pH", "2|Off|1|Alcalinizzazione NaOH|5|Alcalinizzazione altra", "pH-värde",
    "2|Från|1|Alkalisering NaOH|5|Alkalisering annan", "Valor pH", "2|Desact.|1|Alcalinización NaOH|5|Alcalinización otra",
    "Valor pH", "2|Desl.|1|Alcalinização NaOH|5|Alcalinização outra");
const TextRecord kTxtFactorA = NAME7("Faktor A", "Factor A", "Facteur A", "Fattore A", "Faktor A", "Factor A",
                                     "Fator A");
const TextRecord kTxtFactorB = NAME7("Faktor B", "Factor B", "Facteur B", "Fattore B", "Faktor B", "Factor B",
                                     "Fator B");


}  // namespace tessalin::calc

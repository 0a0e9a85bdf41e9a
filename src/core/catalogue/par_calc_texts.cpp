#include "core/catalogue/par_calc_texts.h"

#include "core/catalogue/text_records.h"

namespace tessalin::calc {

using texts::List7;
using texts::Name7;
using texts::Same7;

#define ON_OFF_LISTS                                                                                         \
    "1|Ein|2|Aus", "1|On|2|Off", "1|Marche|2|Arrêt", "1|On|2|Off", "1|På|2|Från", "1|Act.|2|Desact.",     \
        "1|Lig.|2|Desl."

constexpr TextRecord Labelled(const char* de, const char* en, const char* fr, const char* it, const char* sv,
                              const char* es, const char* pt, const char* deL, const char* enL, const char* frL,
                              const char* itL, const char* svL, const char* esL, const char* ptL) {
    return List7(de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL);
}

// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtDifference = Name7("Differenz", "Difference", "Différence", "Differenza", "Differens",
                                        "Diferencia", "Diferença");
const TextRecord kTxtCalcCond = Same7("Calc Cond,Cond");
const TextRecord kTxtCalcOxy = Same7("Calc Oxy,Oxy");
const TextRecord kTxtCalcCo2 = Same7("Calc CO2,CO2");

const TextRecord kTxtMsgConductivity =
    Name7("Meldungen Leitfähigkeit", "Messages Conductivity", "Messages conductivité", "Messaggi conducibilità",
          "Meddelanden konduktivitet", "Mensajes conductividad", "Mensagens condutividade");
const TextRecord kTxtMsgResistivity =
    Name7("Meldungen spez. Widerstand", "Messages Resistivity", "Messages résistivité", "Messaggi resistività",
          "Meddelanden resistivitet", "Mensajes resistividad", "Mensagens resistividade");
const TextRecord kTxtMsgRatio = Name7("Meldungen Ratio", "Messages Ratio", "Messages rapport", "Messaggi rapporto",
                                      "Meddelanden kvot", "Mensajes relación", "Mensagens razão");
const TextRecord kTxtMsgPassage = Name7("Meldungen Passage", "Messages Passage", "Messages passage",
                                        "Messaggi passaggio", "Meddelanden passage", "Mensajes paso",
                                        "Mensagens passagem");
const TextRecord kTxtMsgRejection = Name7("Meldungen Rejection", "Messages Rejection", "Messages rejet",
                                          "Messaggi reiezione", "Meddelanden avskiljning", "Mensajes rechazo",
                                          "Mensagens rejeição");
const TextRecord kTxtMsgDeviation = Name7("Meldungen Deviation", "Messages Deviation", "Messages écart",
                                          "Messaggi scostamento", "Meddelanden avvikelse", "Mensajes desviación",
                                          "Mensagens desvio");
const TextRecord kTxtMsgSaturationAir =
    Name7("Meldungen Sättigung %Air", "Messages Saturation %Air", "Messages saturation %Air",
          "Messaggi saturazione %Air", "Meddelanden mättnad %Luft", "Mensajes saturación %Air",
          "Mensagens saturação %Air");
const TextRecord kTxtMsgSaturationO2 =
    Name7("Meldungen Sättigung %O2", "Messages Saturation %O2", "Messages saturation %O2",
          "Messaggi saturazione %O2", "Meddelanden mättnad %O2", "Mensajes saturación %O2",
          "Mensagens saturação %O2");
const TextRecord kTxtMsgGramsPerLitre =
    Name7("Meldungen g/l-Wert", "Messages g/l value", "Messages valeur g/l", "Messaggi valore g/l",
          "Meddelanden g/l-värde", "Mensajes valor g/l", "Mensagens valor g/l");
const TextRecord kTxtMsgPpm = Name7("Meldungen ppm-Wert", "Messages ppm value", "Messages valeur ppm",
                                    "Messaggi valore ppm", "Meddelanden ppm-värde", "Mensajes valor ppm",
                                    "Mensagens valor ppm");
const TextRecord kTxtMsgVolume = Name7("Meldungen Vol%-Wert", "Messages Vol% value", "Messages valeur Vol%",
                                       "Messaggi valore Vol%", "Meddelanden Vol%-värde", "Mensajes valor Vol%",
                                       "Mensagens valor Vol%");
const TextRecord kTxtMsgPercent = Name7("Meldungen %-Wert", "Messages % value", "Messages valeur %",
                                        "Messaggi valore %", "Meddelanden %-värde", "Mensajes valor %",
                                        "Mensagens valor %");
const TextRecord kTxtMsgMgPerLitre = Name7("Meldungen mg/l-Wert", "Messages mg/l value", "Messages valeur mg/l",
                                           "Messaggi valore mg/l", "Meddelanden mg/l-värde", "Mensajes valor mg/l",
                                           "Mensagens valor mg/l");
const TextRecord kTxtMsgHpa = Name7("Meldungen hPa-Wert", "Messages hPa value", "Messages valeur hPa",
                                    "Messaggi valore hPa", "Meddelanden hPa-värde", "Mensajes valor hPa",
                                    "Mensagens valor hPa");

// ---- difference rows -------------------------------------------------------------------------------

// "Differenz" followed by the quantity, which reads the same in every language.
#define DIFFERENCE(quantity)                                                                                   \
    Name7("Differenz " quantity, "Difference " quantity, "Différence " quantity, "Differenza " quantity,     \
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

const TextRecord kTxtOff = Name7("Aus", "Off", "Arrêt", "Off", "Från", "Desact.", "Desl.");

// ---- conductivity block ----------------------------------------------------------------------------

const TextRecord kTxtRatio = Labelled("Ratio", "Ratio", "Rapport", "Rapporto", "Kvot", "Relación", "Razão",
                                      ON_OFF_LISTS);
const TextRecord kTxtPassage = Labelled("Passage", "Passage", "Passage", "Passaggio", "Passage", "Paso",
                                        "Passagem", ON_OFF_LISTS);
const TextRecord kTxtRejection = Labelled("Rejection", "Rejection", "Rejet", "Reiezione", "Avskiljning",
                                          "Rechazo", "Rejeição", ON_OFF_LISTS);
const TextRecord kTxtDeviation = Labelled("Deviation", "Deviation", "Écart", "Scostamento", "Avvikelse",
                                          "Desviación", "Desvio", ON_OFF_LISTS);
const TextRecord kTxtPhValue = Labelled(
    "pH-Wert", "pH value", "Valeur pH", "Valore pH", "pH-värde", "Valor pH", "Valor pH",
    "2|Aus|1|Alkalisierung NaOH|5|Alkalisierung andere", "2|Off|1|Alkalization NaOH|5|Alkalization other",
    "2|Arrêt|1|Alcalinisation NaOH|5|Alcalinisation autre", "2|Off|1|Alcalinizzazione NaOH|5|Alcalinizzazione altro",
    "2|Från|1|Alkalisering NaOH|5|Alkalisering annan", "2|Desact.|1|Alcalinización NaOH|5|Alcalinización otra",
    "2|Desl.|1|Alcalinização NaOH|5|Alcalinização outra");
const TextRecord kTxtFactorA = Name7("Faktor A", "Factor A", "Facteur A", "Fattore A", "Faktor A", "Factor A",
                                     "Fator A");
const TextRecord kTxtFactorB = Name7("Faktor B", "Factor B", "Facteur B", "Fattore B", "Faktor B", "Factor B",
                                     "Fator B");

#undef ON_OFF_LISTS

}  // namespace tessalin::calc

// Device texts of the pages that current outputs and limit contacts share, in the order de, en, fr, it,
// sv, es, pt.

#include "core/catalogue/text_macros.h"
#include "core/families/shared/output_pages.h"

namespace tessalin::outputs {

// ---- submenus of a current output ------------------------------------------------------------------

const TextRecord kTxtChart = NAME7("Tabelle", "Chart", "Tableau", "Tabella", "Tabell", "Tabla", "Tabela");
const TextRecord kTxtMessageBehaviour =
    NAME7("Verhalten bei Meldungen", "Behavior during messages", "Comportement si message",
          "Comportamento con messaggi", "Beteende vid meddelanden", "Comportamiento ante mensajes",
          "Comportamento com mensagens");

// ---- current output ------------------------------------------------------------------------------

const TextRecord kTxtVariable = NAME7("Meßgröße", "Variable", "Grandeur", "Grandezza",
                                      "Mätstorhet", "Magnitud", "Grandeza");
const TextRecord kTxtCurve =
    LIST7("Kennlinie", "1|linear|2|trilinear|3|Funktion|4|Tabelle",
          "Curve", "1|linear|2|trilinear|3|function|4|chart",
          "Courbe", "1|linéaire|2|trilinéaire|3|fonction|4|tableau",
          "Curva", "1|lineare|2|trilineare|3|funzione|4|tabella",
          "Kurva", "1|linjär|2|trilinjär|3|funktion|4|tabell",
          "Curva", "1|lineal|2|trilineal|3|función|4|tabla",
          "Curva", "1|linear|2|trilinear|3|função|4|tabela");
const TextRecord kTxtOutputRange =
    LIST7("Ausgang", "1|0...20 mA|2|4...20 mA", "Output", "1|0...20 mA|2|4...20 mA",
          "Sortie", "1|0...20 mA|2|4...20 mA", "Uscita", "1|0...20 mA|2|4...20 mA",
          "Utgång", "1|0...20 mA|2|4...20 mA", "Salida", "1|0...20 mA|2|4...20 mA",
          "Saída", "1|0...20 mA|2|4...20 mA");
const TextRecord kTxtStart = NAME7("Anfang   0(4) mA", "Start   0(4) mA", "Début   0(4) mA", "Inizio   0(4) mA",
                                   "Början   0(4) mA", "Inicio   0(4) mA", "Início   0(4) mA");
const TextRecord kTxtCorner1X = NAME7("1. Eckpunkt X", "1st corner X", "1er pt cassure X",
                                      "1° punto ang. X", "1:a brytpunkt X", "1.er quiebre X",
                                      "1.º pt. quebra X");
const TextRecord kTxtCorner1Y = NAME7("1. Eckpunkt Y", "1st corner Y", "1er pt cassure Y",
                                      "1° punto ang. Y", "1:a brytpunkt Y", "1.er quiebre Y",
                                      "1.º pt. quebra Y");
const TextRecord kTxtCorner2X = NAME7("2. Eckpunkt X", "2nd corner X", "2e pt cassure X",
                                      "2° punto ang. X", "2:a brytpunkt X", "2.º quiebre X",
                                      "2.º pt. quebra X");
const TextRecord kTxtCorner2Y = NAME7("2. Eckpunkt Y", "2nd corner Y", "2e pt cassure Y",
                                      "2° punto ang. Y", "2:a brytpunkt Y", "2.º quiebre Y",
                                      "2.º pt. quebra Y");
const TextRecord kTxtFiftyPoint =
    NAME7("50%-Punkt   10(12) mA", "50% point   10(12) mA", "Point 50%   10(12) mA", "Punto 50%   10(12) mA",
          "50%-punkt   10(12) mA", "Punto 50%   10(12) mA", "Ponto 50%   10(12) mA");
const TextRecord kTxtEnd = NAME7("Ende   20 mA", "End   20 mA", "Fin   20 mA", "Fine   20 mA", "Slut   20 mA",
                                 "Fin   20 mA", "Fim   20 mA");
const TextRecord kTxtOutputFilter = NAME7("Ausgangsfilter", "Output filter", "Filtre de sortie", "Filtro d'uscita",
                                          "Utgångsfilter", "Filtro de salida", "Filtro de saída");

#define CHART_VALUE(mA)                                                                                 \
    NAME7("Meßwert bei " #mA " mA:", "Value at " #mA " mA:", "Valeur à " #mA " mA:", "Valore a " #mA " mA:", \
          "Värde vid " #mA " mA:", "Valor a " #mA " mA:", "Valor a " #mA " mA:")

const std::array<TextRecord, 21> kTxtChartValues = {
    CHART_VALUE(00), CHART_VALUE(01), CHART_VALUE(02), CHART_VALUE(03), CHART_VALUE(04), CHART_VALUE(05),
    CHART_VALUE(06), CHART_VALUE(07), CHART_VALUE(08), CHART_VALUE(09), CHART_VALUE(10), CHART_VALUE(11),
    CHART_VALUE(12), CHART_VALUE(13), CHART_VALUE(14), CHART_VALUE(15), CHART_VALUE(16), CHART_VALUE(17),
    CHART_VALUE(18), CHART_VALUE(19), CHART_VALUE(20),
};

#undef CHART_VALUE

const TextRecord kTxtFunctionCheck =
    LIST7("Funktionskontrolle", "1|akt. Meßwert|2|letzter Meßwert|3|fix 22mA",
          "Function check", "1|current value|2|last value|3|fixed 22mA",
          "Contrôle fonctionnel", "1|valeur actuelle|2|dernière valeur|3|fixe 22mA",
          "Controllo funzionale", "1|valore attuale|2|ultimo valore|3|fisso 22mA",
          "Funktionskontroll", "1|aktuellt värde|2|senaste värde|3|fast 22mA",
          "Control de función", "1|valor actual|2|último valor|3|fijo 22mA",
          "Controlo de função", "1|valor atual|2|último valor|3|fixo 22mA");
const TextRecord kTxtMessage22mA =
    LIST7("22mA-Meldung", "3|Ein|2|Aus", "22mA Message", "3|On|2|Off", "Message 22mA", "3|Marche|2|Arrêt",
          "Messaggio 22mA", "3|On|2|Off", "22mA-meddelande", "3|Till|2|Från", "Mensaje 22mA",
          "3|Act.|2|Desact.", "Mensagem 22mA", "3|Lig.|2|Desl.");

// ---- limit contact ---------------------------------------------------------------------------------

#define LIMIT_CONTACT(k)                                                                                  \
    NAME7("Grenzwertkontakt " #k, "Limit contact " #k, "Contact de seuil " #k, "Contatto di soglia " #k, \
          "Gränsvärdeskontakt " #k, "Contacto de límite " #k, "Contacto de limite " #k)

const std::array<TextRecord, 6> kTxtLimitContactTitles = {
    LIMIT_CONTACT(K5), LIMIT_CONTACT(K6), LIMIT_CONTACT(K7), LIMIT_CONTACT(K8), LIMIT_CONTACT(K9), LIMIT_CONTACT(K10),
};

#undef LIMIT_CONTACT

const TextRecord kTxtLimit = NAME7("Grenzwert", "Limit", "Seuil", "Valore limite", "Gränsvärde", "Valor límite",
                                   "Valor limite");
const TextRecord kTxtHysteresis = NAME7("Hysterese", "Hysteresis", "Hystérésis", "Isteresi", "Hysteres",
                                        "Histéresis", "Histerese");
const TextRecord kTxtDirection =
    LIST7("Wirkrichtung", "1|Min|2|Max", "Direction", "1|Min|2|Max", "Sens d'action", "1|Min|2|Max",
          "Direzione azione", "1|Min|2|Max", "Riktning", "1|Min|2|Max", "Sentido acción",
          "1|Mín|2|Máx", "Sentido atuação", "1|Mín|2|Máx");
const TextRecord kTxtContactType =
    LIST7("Kontakttyp", "2|Arbeit  N/O|1|Ruhe  N/C",
          "Contact type", "2|Normally open  N/O|1|Normally closed  N/C",
          "Type de contact", "2|Travail  NO|1|Repos  NF",
          "Tipo di contatto", "2|Lavoro  NA|1|Riposo  NC",
          "Kontakttyp", "2|Slutande  NO|1|Brytande  NC",
          "Tipo de contacto", "2|Trabajo  NA|1|Reposo  NC",
          "Tipo de contacto", "2|Trabalho  NA|1|Repouso  NF");
const TextRecord kTxtOnDelay = NAME7("Einschaltverzögerung", "ON delay", "Retard à l'enclenchement",
                                     "Ritardo all'inserzione", "Tillslagsfördröjning", "Retardo de conexión",
                                     "Atraso de ligação");
const TextRecord kTxtOffDelay = NAME7("Ausschaltverzögerung", "OFF delay", "Retard au déclenchement",
                                      "Ritardo disinserzione", "Frånslagsfördröjning",
                                      "Retardo de desconexión", "Atraso de desligamento");

}  // namespace tessalin::outputs

// Device texts of the base unit, in the order de, en, fr, it, sv, es, pt.

#include "core/families/base/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::base {

// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtOutputI1 = NAME7("Ausgangsstrom I1", "Output current I1", "Courant de sortie I1",
                                      "Corrente d'uscita I1", "Utgångsström I1", "Corriente salida I1",
                                      "Corrente de saída I1");
const TextRecord kTxtOutputI2 = NAME7("Ausgangsstrom I2", "Output current I2", "Courant de sortie I2",
                                      "Corrente d'uscita I2", "Utgångsström I2", "Corriente salida I2",
                                      "Corrente de saída I2");
const TextRecord kTxtContactK4 = NAME7("Kontakt K4  (NAMUR Ausfall)", "Contact K4  (NAMUR Failure)",
                                       "Contact K4  (NAMUR Défaillance)", "Contatto K4  (NAMUR Guasto)",
                                       "Kontakt K4  (NAMUR Fel)", "Contacto K4  (NAMUR Fallo)",
                                       "Contacto K4  (NAMUR Falha)");
const TextRecord kTxtContactK3 = NAME7("Kontakt K3", "Contact K3", "Contact K3", "Contatto K3", "Kontakt K3",
                                       "Contacto K3", "Contacto K3");
const TextRecord kTxtContactK2 = NAME7("Kontakt K2", "Contact K2", "Contact K2", "Contatto K2", "Kontakt K2",
                                       "Contacto K2", "Contacto K2");
const TextRecord kTxtContactK1 = NAME7("Kontakt K1", "Contact K1", "Contact K1", "Contatto K1", "Kontakt K1",
                                       "Contacto K1", "Contacto K1");
const TextRecord kTxtInputs = NAME7("Eingänge OK1, OK2", "Inputs OK1, OK2", "Entrées OK1, OK2", "Ingressi OK1, OK2",
                                    "Ingångar OK1, OK2", "Entradas OK1, OK2", "Entradas OK1, OK2");

// ---- contacts --------------------------------------------------------------------------------------

const TextRecord kTxtUsage = LIST7(
    "Verwendung",
    "1|NAMUR Wartungsbedarf|2|NAMUR HOLD|3|Grenzwert|4|Spülkontakt|5|Parametersatz B aktiv|6|USP-Ausgang|"
    "7|KI-Rec aktiv|8|Quellora|10|[I] Quellora|11|[II] Quellora|12|[III] Quellora|9|Steuerung Alarm",
    "Usage",
    "1|NAMUR Maintenance request|2|NAMUR HOLD|3|Limit|4|Rinse contact|5|Parameter set B active|6|USP output|"
    "7|KI-Rec active|8|Quellora|10|[I] Quellora|11|[II] Quellora|12|[III] Quellora|9|Control alarm",
    "Utilisation",
    "1|NAMUR Maintenance requise|2|NAMUR HOLD|3|Seuil|4|Contact rinçage|5|Jeu de paramètres B actif|"
    "6|Sortie USP|7|KI-Rec actif|8|Quellora|10|[I] Quellora|11|[II] Quellora|12|[III] Quellora|9|Alarme commande",
    "Utilizzo",
    "1|NAMUR Manutenzione richiesta|2|NAMUR HOLD|3|Valore limite|4|Contatto lavaggio|"
    "5|Set di parametri B attivo|6|Uscita USP|7|KI-Rec attivo|8|Quellora|10|[I] Quellora|11|[II] Quellora|"
    "12|[III] Quellora|9|Allarme comando",
    "Användning",
    "1|NAMUR Underhållsbehov|2|NAMUR HOLD|3|Gränsvärde|4|Sköljkontakt|5|Parametersats B aktiv|6|USP-utgång|"
    "7|KI-Rec aktiv|8|Quellora|10|[I] Quellora|11|[II] Quellora|12|[III] Quellora|9|Larmstyrning",
    "Uso",
    "1|NAMUR Mantenimiento necesario|2|NAMUR HOLD|3|Valor límite|4|Contacto enjuague|"
    "5|Juego parámetros B activo|6|Salida USP|7|KI-Rec activo|8|Quellora|10|[I] Quellora|11|[II] Quellora|"
    "12|[III] Quellora|9|Alarma control",
    "Utilização",
    "1|NAMUR Manutenção necessária|2|NAMUR HOLD|3|Valor limite|4|Contacto lavagem|"
    "5|Conjunto parâm. B ativo|6|Saída USP|7|KI-Rec ativo|8|Quellora|10|[I] Quellora|11|[II] Quellora|"
    "12|[III] Quellora|9|Alarme comando");
const TextRecord kTxtSelectModule = NAME7("Modul-Auswahl", "Select module", "Choix du module", "Selezione modulo",
                                          "Modulval", "Selección módulo", "Seleção de módulo");
const TextRecord kTxtRinseInterval = NAME7("Spül-Intervall", "Rinse interval", "Intervalle rinçage",
                                           "Interv. lavaggio", "Sköljintervall", "Intervalo enjuague",
                                           "Intervalo lavagem");
const TextRecord kTxtRinsingLeadTime =
    NAME7("Vorlaufzeit vor Spülen", "Rinsing lead time", "Délai avant rinçage", "Preavviso lavaggio",
          "Förtid före sköljning", "Tiempo previo al enjuague", "Tempo prévio à lavagem");
const TextRecord kTxtRinseTime = NAME7("Spülzeit", "Rinse time", "Durée rinçage", "Tempo lavaggio", "Sköljtid",
                                       "Tpo. enjuague", "Tempo lavagem");
const TextRecord kTxtMeasurementLeadTime =
    NAME7("Vorlaufzeit vor Messen", "Measurement lead time", "Délai avant mesure", "Preavviso misura",
          "Förtid före mätning", "Tiempo previo a medición", "Tempo prévio à medição");
// The base unit's contacts name N/O with code 1 (the slot modules' with code 2).
const TextRecord kTxtContactType =
    LIST7("Kontakttyp", "1|Arbeit  N/O|2|Ruhe  N/C",
          "Contact type", "1|Normally open  N/O|2|Normally closed  N/C",
          "Type de contact", "1|Travail  NO|2|Repos  NF",
          "Tipo di contatto", "1|Lavoro  NA|2|Riposo  NC",
          "Kontakttyp", "1|Slutande  NO|2|Brytande  NC",
          "Tipo de contacto", "1|Trabajo  NA|2|Reposo  NC",
          "Tipo de contacto", "1|Trabalho  NA|2|Repouso  NF");
const TextRecord kTxtLogbookEntry =
    LIST7("Logbuch-Eintrag", "1|Ja|2|Nein", "Logbook entry", "1|Yes|2|No", "Entrée au journal", "1|Oui|2|Non",
          "Voce reg. eventi", "1|Sì|2|No", "Loggboksanteckning", "1|Ja|2|Nej", "Entrada en registro",
          "1|Sí|2|No", "Entrada no registo", "1|Sim|2|Não");

// ---- inputs ----------------------------------------------------------------------------------------

const TextRecord kTxtInputsNote1 = NAME7("OK2 Verwendung siehe", "For OK2 usage see", "Utilisation OK2 : voir",
                                         "Per l'uso di OK2, vedere", "För OK2-användning, se",
                                         "Para el uso de OK2, ver", "Para uso de OK2, ver");
const TextRecord kTxtInputsNote2 =
    NAME7("'Matrix Funktionssteuerung'", "'Function control matrix'", "'Matrice commande fonctions'",
          "'Matrice controllo funzioni'", "'Funktionsstyrningsmatris'", "'Matriz control de funciones'",
          "'Matriz controlo de funções'");
const TextRecord kTxtOk1Usage =
    LIST7("OK1 Verwendung", "1|Aus|2|HOLD", "OK1 usage", "1|Off|2|HOLD", "Utilisation OK1", "1|Arrêt|2|HOLD",
          "Utilizzo OK1", "1|Off|2|HOLD", "Användning OK1", "1|Från|2|HOLD", "Uso de OK1", "1|Desact.|2|HOLD",
          "Utilização de OK1", "1|Desl.|2|HOLD");
const TextRecord kTxtInputOk1 =
    LIST7("Eingang OK1", "1|aktiv 10...30V|2|aktiv < 2V", "Input OK1", "1|active 10...30V|2|active < 2V",
          "Entrée OK1", "1|active 10...30V|2|active < 2V", "Ingresso OK1", "1|attivo 10...30V|2|attivo < 2V",
          "Ingång OK1", "1|aktiv 10...30V|2|aktiv < 2V", "Entrada OK1", "1|activa 10...30V|2|activa < 2V",
          "Entrada OK1", "1|ativa 10...30V|2|ativa < 2V");
const TextRecord kTxtInputOk2 =
    LIST7("Eingang OK2", "1|aktiv 10...30V|2|aktiv < 2V", "Input OK2", "1|active 10...30V|2|active < 2V",
          "Entrée OK2", "1|active 10...30V|2|active < 2V", "Ingresso OK2", "1|attivo 10...30V|2|attivo < 2V",
          "Ingång OK2", "1|aktiv 10...30V|2|aktiv < 2V", "Entrada OK2", "1|activa 10...30V|2|activa < 2V",
          "Entrada OK2", "1|ativa 10...30V|2|ativa < 2V");

}  // namespace tessalin::base

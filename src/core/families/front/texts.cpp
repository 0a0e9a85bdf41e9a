#include "core/families/front/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::front {


// ---- lists used by several rows --------------------------------------------------------------------

#define ON_OFF_LISTS                                                                                     \
    "1|Ein|2|Aus", "1|On|2|Off", "1|Marche|2|Arrêt", "1|On|2|Off", "1|Till|2|Från", "1|Act.|2|Desact.", \
        "1|Lig.|2|Desl."
#define YES_NO_LISTS                                                                                   \
    "1|Ja|2|Nein", "1|Yes|2|No", "1|Oui|2|Non", "1|Sì|2|No", "1|Ja|2|Nej", "1|Sí|2|No", "1|Sim|2|Não"

// A label in seven languages with a list given as seven strings in the same order.
constexpr TextRecord Labelled(const char* de, const char* en, const char* fr, const char* it, const char* sv,
                              const char* es, const char* pt, const char* deL, const char* enL, const char* frL,
                              const char* itL, const char* svL, const char* esL, const char* ptL) {
    return LIST7(de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL);
}

// ---- menu titles -----------------------------------------------------------------------------------

// The languages are named in their own language in every list.
#define LANGUAGE_LIST "1|Deutsch|2|English|3|Français|4|Italiano|5|Svenska|6|Español"
const TextRecord kTxtLanguage = Labelled("Sprache", "Language", "Langue", "Lingua", "Språk", "Idioma", "Idioma",
                                         LANGUAGE_LIST, LANGUAGE_LIST, LANGUAGE_LIST, LANGUAGE_LIST, LANGUAGE_LIST,
                                         LANGUAGE_LIST, LANGUAGE_LIST);
#undef LANGUAGE_LIST
const TextRecord kTxtDisplay = NAME7("Meßwertanzeige", "Measurement display", "Affichage mesure",
                                     "Visualizzazione misura", "Mätvärdesvisning", "Indicación de medida",
                                     "Indicação de medição");
const TextRecord kTxtRecorder = NAME7("Meßwertrecorder", "Meas. recorder", "Enreg. mesures",
                                      "Registratore misure", "Mätvärdesskrivare", "Registrador medidas",
                                      "Registador medições");
const TextRecord kTxtChannel1 = NAME7("Kanal 1", "Channel 1", "Canal 1", "Canale 1", "Kanal 1", "Canal 1", "Canal 1");
const TextRecord kTxtChannel2 = NAME7("Kanal 2", "Channel 2", "Canal 2", "Canale 2", "Kanal 2", "Canal 2", "Canal 2");
const TextRecord kTxtKiRecorder = Labelled(
    "KI-Recorder", "KI recorder", "Enregistreur KI", "Registratore KI", "KI-skrivare", "Registrador KI",
    "Registador KI", "2|Aus|1|Prozeß stetig|3|Prozeß Batch", "2|Off|1|Continuous process|3|Batch process",
    "2|Arrêt|1|Process continu|3|Process batch", "2|Off|1|Processo continuo|3|Processo batch",
    "2|Från|1|Kontinuerlig process|3|Satsprocess", "2|Desact.|1|Proceso continuo|3|Proceso por lotes",
    "2|Desl.|1|Processo contínuo|3|Proc. por lotes");
const TextRecord kTxtSystemControl = NAME7("Systemsteuerung", "System control", "Commande système",
                                           "Controllo sistema", "Systemstyrning", "Control del sistema",
                                           "Controlo do sistema");
const TextRecord kTxtMemoryCard = NAME7("Speicherkarte", "Memory card", "Carte mémoire", "Scheda di memoria",
                                        "Minneskort", "Tarjeta memoria", "Cartão de memória");
const TextRecord kTxtParamSets = Labelled(
    "Parametersätze", "Parameter sets", "Jeux de paramètres", "Set di parametri", "Parametersatser",
    "Juegos parámetros", "Conjuntos parâm.",
    "1|A,B (intern)|2|1,2 (Karte)|3|1,2,3 (Karte)|4|1,2,3,4 (Karte)|5|1,2,3,4,5 (Karte)",
    "1|A,B (internal)|2|1,2 (card)|3|1,2,3 (card)|4|1,2,3,4 (card)|5|1,2,3,4,5 (card)",
    "1|A,B (internes)|2|1,2 (carte)|3|1,2,3 (carte)|4|1,2,3,4 (carte)|5|1,2,3,4,5 (carte)",
    "1|A,B (interni)|2|1,2 (scheda)|3|1,2,3 (scheda)|4|1,2,3,4 (scheda)|5|1,2,3,4,5 (scheda)",
    "1|A,B (interna)|2|1,2 (kort)|3|1,2,3 (kort)|4|1,2,3,4 (kort)|5|1,2,3,4,5 (kort)",
    "1|A,B (internos)|2|1,2 (tarjeta)|3|1,2,3 (tarjeta)|4|1,2,3,4 (tarjeta)|5|1,2,3,4,5 (tarjeta)",
    "1|A,B (internos)|2|1,2 (cartão)|3|1,2,3 (cartão)|4|1,2,3,4 (cartão)|5|1,2,3,4,5 (cartão)");
const TextRecord kTxtCalcBlocks = NAME7("Calculation-Blocks", "Calculation-Blocks", "Blocs de calcul",
                                        "Blocchi di calcolo", "Beräkningsblock", "Bloques de cálculo",
                                        "Blocos de cálculo");
const TextRecord kTxtFunctionMatrix = NAME7("Matrix Funktionssteuerung", "Function control matrix",
                                            "Matrice commande fonctions", "Matrice controllo funzioni",
                                            "Funktionsstyrningsmatris", "Matriz control de funciones",
                                            "Matriz controlo de funções");
const TextRecord kTxtTimeDate = NAME7("Uhrzeit/Datum", "Time/Date", "Heure/Date", "Ora/Data", "Tid/Datum",
                                      "Hora/Fecha", "Hora/Data");
const TextRecord kTxtMeasPointDescription =
    NAME7("Meßstellenbeschreibung", "Meas point description", "Description pt de mesure",
          "Descrizione punto misura", "Mätpunktsbeskrivning", "Descripción punto medida",
          "Descrição ponto de medição");
const TextRecord kTxtLogbook = NAME7("Logbuch", "Logbook", "Journal", "Reg. eventi", "Loggbok",
                                     "Registro", "Registo");
const TextRecord kTxtBufferTable = NAME7("Puffertabelle", "Buffer table", "Table de tampons", "Tabella tamponi",
                                         "Bufferttabell", "Tabla de tampones", "Tabela de tampões");
// A buffer set's title; the handler appends the set's digit.
const TextRecord kTxtBuffer = NAME7("Puffer ", "Buffer ", "Tampon ", "Tampone ", "Buffert ", "Tampón ", "Tampão ");
const TextRecord kTxtConcentrationChart =
    NAME7("Konzentrationstabelle", "Concentration chart", "Table de concentration", "Tabella concentrazione",
          "Koncentrationstabell", "Tabla de concentración", "Tabela de concentração");
const TextRecord kTxtAuditTrail = SAME7("AuditTrail");

// ---- measurement display ---------------------------------------------------------------------------

const TextRecord kTxtMainDisplay = Labelled(
    "Hauptanzeige", "Main display", "Affichage princ.", "Display princ.", "Huvudvisning",
    "Pantalla princ.", "Ecrã principal", "1|1 Hauptmeßwert|2|2 Hauptmeßwerte",
    "1|1 main value|2|2 main values", "1|1 valeur princ.|2|2 valeurs princ.",
    "1|1 valore princ.|2|2 valori princ.", "1|1 huvudvärde|2|2 huvudvärden",
    "1|1 valor princ.|2|2 valores princ.", "1|1 valor princ.|2|2 valores princ.");
const TextRecord kTxtMainValue1 = NAME7("1. Hauptmeßwert", "1st main value", "1re valeur princ.",
                                        "1° valore princ.", "1:a huvudvärde", "1.er valor princ.",
                                        "1.º valor principal");
const TextRecord kTxtMainValue2 = NAME7("2. Hauptmeßwert", "2nd main value", "2e valeur princ.",
                                        "2° valore princ.", "2:a huvudvärde", "2.º valor princ.",
                                        "2.º valor principal");
const TextRecord kTxtDisplayFormat = Labelled(
    "Anzeigeformat", "Display format", "Format d'affichage", "Formato display", "Visningsformat",
    "Formato pantalla", "Formato do ecrã", "1|xx.xx pH|2|xx.x pH", "1|xx.xx pH|2|xx.x pH",
    "1|xx.xx pH|2|xx.x pH", "1|xx.xx pH|2|xx.x pH", "1|xx.xx pH|2|xx.x pH", "1|xx.xx pH|2|xx.x pH",
    "1|xx.xx pH|2|xx.x pH");
const TextRecord kTxtViewingAngle = NAME7("Blickwinkel", "Viewing angle", "Angle de vue", "Angolo di visuale",
                                          "Synvinkel", "Ángulo de visión", "Ângulo de visão");

// ---- recorders -------------------------------------------------------------------------------------

const TextRecord kTxtTimeBase = Labelled(
    "Zeitbasis (t/Pixel)", "Time base (t/pixel)", "Base de temps (t/pixel)", "Base tempi (t/pixel)",
    "Tidbas (t/pixel)", "Base tiempo (t/píxel)", "Base de tempo (t/píxel)",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h|8|2h|9|5h|10|10h",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h|8|2h|9|5h|10|10h",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h|8|2h|9|5h|10|10h",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h|8|2h|9|5h|10|10h",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h|8|2h|9|5h|10|10h",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h|8|2h|9|5h|10|10h",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h|8|2h|9|5h|10|10h");
const TextRecord kTxtSlowMotion = Labelled("Zeitlupe (10x)", "Slow motion (10x)", "Ralenti (10x)",
                                           "Rallentatore (10x)", "Tidsförstoring (10x)", "Cámara lenta (10x)",
                                           "Câmara lenta (10x)", ON_OFF_LISTS);
const TextRecord kTxtShowMinMax = Labelled("Min/Max anzeigen", "Show min/max", "Afficher min/max",
                                           "Visualizza min/max", "Visa min/max", "Mostrar mín/máx",
                                           "Mostrar mín/máx", ON_OFF_LISTS);
const TextRecord kTxtVariable = NAME7("Meßgröße", "Variable", "Grandeur", "Grandezza",
                                      "Mätstorhet", "Magnitud", "Grandeza");
const TextRecord kTxtStart = NAME7("Anfang", "Start", "Début", "Inizio", "Början", "Inicio", "Início");
const TextRecord kTxtEnd = NAME7("Ende", "End", "Fin", "Fine", "Slut", "Fin", "Fim");
const TextRecord kTxtRecordingInterval = Labelled(
    "Aufzeichnungsintervall", "Recording interval", "Intervalle enregistrement", "Intervallo registrazione",
    "Registreringsintervall", "Intervalo de registro", "Intervalo de registo",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h", "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h", "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h", "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h",
    "1|10s|2|30s|3|1min|4|5min|5|10min|6|30min|7|1h");
const TextRecord kTxtMaxProcessDuration = NAME7("max. Prozeßdauer", "Max. process duration",
                                                "Durée max. du process", "Durata max. processo",
                                                "Max. processtid", "Duración máx. proceso",
                                                "Duração máx. do processo");
const TextRecord kTxtNewRecord = Labelled("Neue Aufzeichnung", "New record", "Nouvel enregistrement",
                                          "Nuova registrazione", "Ny registrering", "Nuevo registro",
                                          "Novo registo", YES_NO_LISTS);
const TextRecord kTxtKiMonitoring = Labelled(
    "Überwachung", "Monitoring", "Surveillance", "Monitoraggio", "Övervakning", "Supervisión", "Monitorização",
    "1|Aus|2|Ausfall|3|Wartungsbedarf", "1|Off|2|Failure|3|Maintenance request",
    "1|Arrêt|2|Défaillance|3|Maintenance requise", "1|Off|2|Guasto|3|Manutenzione richiesta",
    "1|Från|2|Fel|3|Underhållsbehov", "1|Desact.|2|Fallo|3|Mantenimiento necesario",
    "1|Desl.|2|Falha|3|Manutenção necessária");
const TextRecord kTxtDeviation = NAME7("Abweichung", "Deviation", "Écart", "Scostamento", "Avvikelse",
                                       "Desviación", "Desvio");

// ---- system control --------------------------------------------------------------------------------

const TextRecord kTxtRecordLogbook = Labelled("Aufzeichnung Logbuch", "Record logbook", "Enregistrer journal",
                                              "Registra registro eventi", "Registrera loggbok",
                                              "Grabar registro", "Registar eventos", ON_OFF_LISTS);
const TextRecord kTxtRecordRecorder = Labelled("Aufzeichnung Recorder", "Record recorder",
                                               "Enregistrer enregistreur", "Registra registratore",
                                               "Registrera skrivare", "Registrar registrador",
                                               "Registar registador", ON_OFF_LISTS);
const TextRecord kTxtDecimalSeparator = Labelled(
    "Dezimaltrenner", "Decimal separator", "Séparateur décimal", "Separatore decimale", "Decimaltecken",
    "Separador decimal", "Separador decimal", "1|Punkt|2|Komma", "1|Point|2|Comma", "1|Point|2|Virgule",
    "1|Punto|2|Virgola", "1|Punkt|2|Komma", "1|Punto|2|Coma", "1|Ponto|2|Vírgula");
const TextRecord kTxtCardFull = Labelled(
    "Karte voll", "Card full", "Carte pleine", "Scheda piena", "Kortet fullt", "Tarjeta llena", "Cartão cheio",
    "1|Überschreiben|2|Aufzeichnungsstop", "1|Overwrite|2|Stop recording", "1|Écraser|2|Arrêt enregistrement",
    "1|Sovrascrivi|2|Stop registrazione", "1|Skriv över|2|Stoppa registrering",
    "1|Sobrescribir|2|Parar registro", "1|Sobrescrever|2|Parar registo");
const TextRecord kTxtSwitchoverSee = NAME7("Umschaltung siehe", "For switchover see", "Commutation : voir",
                                           "Commutazione: vedi", "För omkoppling, se", "Para conmutación, ver",
                                           "Para comutação, ver");
const TextRecord kTxtSwitchoverMatrix =
    NAME7("'Matrix Funktionssteuerung'", "'Function control matrix'", "'Matrice commande fonctions'",
          "'Matrice controllo funzioni'", "'Funktionsstyrningsmatris'", "'Matriz control de funciones'",
          "'Matriz controlo de funções'");
const TextRecord kTxtBlock1 = NAME7("Block 1", "Block 1", "Bloc 1", "Blocco 1", "Block 1", "Bloque 1", "Bloco 1");
const TextRecord kTxtBlock2 = NAME7("Block 2", "Block 2", "Bloc 2", "Blocco 2", "Block 2", "Bloque 2", "Bloco 2");
const TextRecord kTxtBlockOff = NAME7("Aus", "Off", "Arrêt", "Off", "Från", "Desact.", "Desl.");
const TextRecord kTxtFunction = NAME7("Funktion", "Function", "Fonction", "Funzione", "Funktion", "Función",
                                      "Função");
const std::array<TextRecord, 4> kTxtMatrixRows = {
    NAME7("Eingang OK2", "Input OK2", "Entrée OK2", "Ingresso OK2", "Ingång OK2", "Entrada OK2", "Entrada OK2"),
    NAME7("Softkey links", "Left softkey", "Touche gauche", "Softkey sinistro", "Vänster softkey",
          "Softkey izquierda", "Softkey esquerda"),
    NAME7("Softkey rechts", "Right softkey", "Touche droite", "Softkey destro", "Höger softkey",
          "Softkey derecha", "Softkey direita"),
    SAME7("Profibus DO 2"),
};
const std::array<TextRecord, 3> kTxtMatrixColumns = {SAME7("ParSet"), SAME7("KI-Rec"), SAME7("Fav")};
const TextRecord kTxtDateFormat = Labelled(
    "Datumformat", "Date format", "Format de date", "Formato data", "Datumformat", "Formato fecha",
    "Formato de data", "1|TT.MM.JJ|2|TT/MM/JJ|3|MM/TT/JJ|4|JJ-MM-TT", "1|DD.MM.YY|2|DD/MM/YY|3|MM/DD/YY|4|YY-MM-DD",
    "1|JJ.MM.AA|2|JJ/MM/AA|3|MM/JJ/AA|4|AA-MM-JJ", "1|GG.MM.AA|2|GG/MM/AA|3|MM/GG/AA|4|AA-MM-GG",
    "1|DD.MM.ÅÅ|2|DD/MM/ÅÅ|3|MM/DD/ÅÅ|4|ÅÅ-MM-DD", "1|DD.MM.AA|2|DD/MM/AA|3|MM/DD/AA|4|AA-MM-DD",
    "1|DD.MM.AA|2|DD/MM/AA|3|MM/DD/AA|4|AA-MM-DD");
const TextRecord kTxtMeasPoint = NAME7("Meßstelle", "Measurement point", "Point de mesure", "Punto di misura",
                                       "Mätpunkt", "Punto de medida", "Ponto de medição");
const TextRecord kTxtNote = NAME7("Notiz", "Note", "Note", "Nota", "Notering", "Nota", "Nota");
const TextRecord kTxtLogFailure = Labelled("Ausfall protokollieren", "Log failure", "Journaliser défaillance",
                                           "Registra guasto", "Logga fel", "Registrar fallo", "Registar falha",
                                           YES_NO_LISTS);
const TextRecord kTxtLogWarning = Labelled("Warnung protokollieren", "Log warning", "Journaliser avertissement",
                                           "Registra avviso", "Logga varning", "Registrar aviso", "Registar aviso",
                                           YES_NO_LISTS);
const TextRecord kTxtNominalBufferValue = NAME7("Puffernennwert", "Nominal buffer value", "Valeur nominale tampon",
                                                "Valore nominale tampone", "Nominellt buffertvärde",
                                                "Valor nominal tampón", "Valor nominal do tampão");
// The handler appends the temperature: "pH-Wert bei 05 °C:".
const TextRecord kTxtPhValueAt = NAME7("pH-Wert bei", "pH value at", "Valeur pH à", "Valore pH a", "pH-värde vid",
                                       "Valor pH a", "Valor pH a");
// The handler appends the column: "Temperatur 1:", "Konzentration A:", "1: LF bei +25.0 °C".
const TextRecord kTxtChartTemperature = NAME7("Temperatur", "Temperature", "Température", "Temperatura",
                                              "Temperatur", "Temperatura", "Temperatura");
const TextRecord kTxtChartConcentration = NAME7("Konzentration", "Concentration", "Concentration",
                                                "Concentrazione", "Koncentration", "Concentración", "Concentração");
const TextRecord kTxtConductivityAt = NAME7(": LF bei", ": Cond. at", ": Cond. à", ": Cond. a", ": Kond. vid",
                                            ": Cond. a", ": Cond. a");
const TextRecord kTxtAutoComplete = Labelled("Auto-Vervollständigen", "AutoComplete", "Saisie automatique",
                                             "Completamento automatico", "Autokomplettering", "Autocompletar",
                                             "Preenchimento automático", ON_OFF_LISTS);
const TextRecord kTxtDiagAccess = Labelled(
    "Zugang diag-Menü", "Access diag menu", "Accès menu diag", "Accesso menu diag", "Åtkomst diag-meny",
    "Acceso menú diag", "Acesso menu diag", "1|frei|2|Signatur", "1|free|2|Signature", "1|libre|2|Signature",
    "1|libero|2|Firma", "1|fri|2|Signatur", "1|libre|2|Firma", "1|livre|2|Assinatura");
const TextRecord kTxtRecordAuditTrail = Labelled("Aufzeichnung AuditTrail", "Record AuditTrail",
                                                 "Enregistrer AuditTrail", "Registra AuditTrail",
                                                 "Registrera AuditTrail", "Registrar AuditTrail",
                                                 "Registar AuditTrail", ON_OFF_LISTS);
const TextRecord kTxtCodingLog = Labelled("Verschlüsselung Log", "Coding Log", "Chiffrement journal",
                                          "Crittografia log", "Kryptering logg", "Cifrado del registro",
                                          "Encriptação do registo", ON_OFF_LISTS);

#undef ON_OFF_LISTS
#undef YES_NO_LISTS

}  // namespace tessalin::front

#include "core/families/purgon/texts.h"

namespace tessalin::purgon {

// A title or label without a choice list: the name in seven languages.
#define NAME7(de, en, fr, it, sv, es, pt) TextRecord{{de, "", en, "", fr, "", it, "", sv, "", es, "", pt, ""}}
// A label with its choice list, language by language.
#define LIST7(de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL) \
    TextRecord{{de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL}}
// A list alone (the name field is not shown).
#define ONLYLIST7(de, en, fr, it, sv, es, pt) LIST7("-", de, "-", en, "-", fr, "-", it, "-", sv, "-", es, "-", pt)

// ---- menu titles -----------------------------------------------------------------------------------

const TextRecord kTxtProbe = NAME7("Sonde", "Probe", "Sonde", "Sonda", "Sond", "Sonda", "Sonda");
const TextRecord kTxtProbeControl = NAME7("Sondensteuerung", "Probe control", "Commande de sonde", "Comando sonda",
                                          "Sondstyrning", "Control de sonda", "Comando da sonda");
const TextRecord kTxtProbeVorlix = NAME7("Sonde Vorlix", "Probe Vorlix", "Sonde Vorlix", "Sonda Vorlix",
                                         "Sond Vorlix", "Sonda Vorlix", "Sonda Vorlix");
const TextRecord kTxtCalPresets = NAME7("Cal-Voreinstellungen", "Cal preset values", "Préréglages étal.",
                                        "Preimpostazioni cal.", "Kal-förinställningar", "Preajustes cal.",
                                        "Predefinições cal.");
const TextRecord kTxtFixedInterval = NAME7("Festintervall", "Fixed interval", "Intervalle fixe", "Intervallo fisso",
                                           "Fast intervall", "Intervalo fijo", "Intervalo fixo");
const TextRecord kTxtWeekProgram = NAME7("Wochenprogramm", "Week program", "Programme hebdo.",
                                         "Programma settim.", "Veckoprogram", "Programa semanal",
                                         "Programa semanal");
const TextRecord kTxtProgramFlow = NAME7("Programmablauf", "Program flow", "Déroulement prog.",
                                         "Sequenza programma", "Programförlopp", "Secuencia programa",
                                         "Sequência programa");
const TextRecord kTxtInstallation = NAME7("Installation", "Installation", "Installation", "Installazione",
                                          "Installation", "Instalación", "Instalação");
const TextRecord kTxtDcs = NAME7("Ext. Steuerung (DCS)", "Ext. control (DCS)", "Commande ext. (DCS)",
                                 "Comando est. (DCS)", "Ext. styrning (DCS)", "Control ext. (DCS)",
                                 "Comando ext. (DCS)");
const TextRecord kTxtAccess = NAME7("Zugang Handsteuerung", "Access manual control", "Accès commande manuelle",
                                    "Accesso comando manuale", "Åtkomst handstyrning", "Acceso control manual",
                                    "Acesso comando manual");
const TextRecord kTxtRinseWater = NAME7("Spülwasser", "Rinse water", "Eau de rinçage", "Acqua lavaggio",
                                        "Sköljvatten", "Agua enjuague", "Água de lavagem");
const TextRecord kTxtMediaAdapter = NAME7("Medienadapter", "Media adapter", "Adapt. fluides",
                                          "Adattatore fluidi", "Medieadapter", "Adaptador medios",
                                          "Adaptador meios");
const TextRecord kTxtAdditionalMedia = NAME7("Zusatzmedien", "Additional media", "Fluides suppl.",
                                             "Fluidi aggiuntivi", "Extra medier", "Medios adicionales",
                                             "Meios adicionais");
const TextRecord kTxtTimeManagement = NAME7("Zeitmanagement", "Time management", "Gestion du temps",
                                            "Gestione del tempo", "Tidsstyrning", "Gestión del tiempo",
                                            "Gestão do tempo");

const TextRecord kTxtDay[7] = {
    NAME7("Samstag", "Saturday", "Samedi", "Sabato", "Lördag", "Sábado", "Sábado"),
    NAME7("Sonntag", "Sunday", "Dimanche", "Domenica", "Söndag", "Domingo", "Domingo"),
    NAME7("Montag", "Monday", "Lundi", "Lunedì", "Måndag", "Lunes", "Segunda"),
    NAME7("Dienstag", "Tuesday", "Mardi", "Martedì", "Tisdag", "Martes", "Terça"),
    NAME7("Mittwoch", "Wednesday", "Mercredi", "Mercoledì", "Onsdag", "Miércoles", "Quarta"),
    NAME7("Donnerstag", "Thursday", "Jeudi", "Giovedì", "Torsdag", "Jueves", "Quinta"),
    NAME7("Freitag", "Friday", "Vendredi", "Venerdì", "Fredag", "Viernes", "Sexta"),
};

const TextRecord kTxtRinse = NAME7("Spülen", "Rinse", "Rincer", "Lavare", "Skölj", "Enjuagar", "Enxaguar");
const TextRecord kTxtClean = NAME7("Reinigen", "Clean", "Nettoyer", "Pulire", "Rengör", "Limpiar", "Limpar");
const TextRecord kTxtParking = NAME7("Parken", "Parking", "Rétracter", "Ritrarre", "Dra in", "Retraer",
                                     "Recolher");
const TextRecord kTxtMeasure = NAME7("Messen", "Measure", "Mesurer", "Misurare", "Mät", "Medir", "Medir");
const TextRecord kTxtCal2Point = NAME7("Cal 2Pkt.", "Cal 2point", "Étal 2pts", "Cal 2punti", "Kal-2pkt",
                                       "Cal 2ptos", "Cal 2pts");
const TextRecord kTxtCal1Point = NAME7("Cal 1Pkt.", "Cal 1point", "Étal 1pt", "Cal 1punto", "Kal-1pkt",
                                       "Cal 1pto", "Cal 1pt");

const TextRecord kTxtProgram[10] = {
    kTxtClean,
    kTxtCal2Point,
    kTxtCal1Point,
    kTxtMeasure,
    kTxtCal2Point,
    kTxtCal1Point,
    NAME7("Programm 7", "Program 7", "Programme 7", "Programma 7", "Program 7", "Programa 7", "Programa 7"),
    NAME7("Programm 8", "Program 8", "Programme 8", "Programma 8", "Program 8", "Programa 8", "Programa 8"),
    NAME7("Programm 9", "Program 9", "Programme 9", "Programma 9", "Program 9", "Programa 9", "Programa 9"),
    NAME7("Service", "Service", "Service", "Service", "Service", "Servicio", "Service"),
};

// ---- program-name lists -------------------------------------------------------------------------------

const TextRecord kTxtProgramsType3Continuous =
    ONLYLIST7("1|Spülen|2|Reinigen|3|Parken", "1|Rinse|2|Clean|3|Parking", "1|Rincer|2|Nettoyer|3|Rétracter",
              "1|Lavare|2|Pulire|3|Ritrarre", "1|Skölj|2|Rengör|3|Dra in", "1|Enjuagar|2|Limpiar|3|Retraer",
              "1|Enxaguar|2|Limpar|3|Recolher");
const TextRecord kTxtProgramsType3Short =
    ONLYLIST7("1|Messen|2|Reinigen|3|Parken", "1|Measure|2|Clean|3|Parking", "1|Mesurer|2|Nettoyer|3|Rétracter",
              "1|Misurare|2|Pulire|3|Ritrarre", "1|Mät|2|Rengör|3|Dra in", "1|Medir|2|Limpiar|3|Retraer",
              "1|Medir|2|Limpar|3|Recolher");
const TextRecord kTxtProgramsContinuous =
    ONLYLIST7("1|Reinigen|2|Cal 2Pkt.|3|Cal 1Pkt.|4|", "1|Clean|2|Cal 2point|3|Cal 1point|4|",
              "1|Nettoyer|2|Étal 2pts|3|Étal 1pt|4|", "1|Pulire|2|Cal 2punti|3|Cal 1punto|4|",
              "1|Rengör|2|Kal-2pkt|3|Kal-1pkt|4|", "1|Limpiar|2|Cal 2ptos|3|Cal 1pto|4|",
              "1|Limpar|2|Cal 2pts|3|Cal 1pt|4|");
const TextRecord kTxtProgramsShort =
    ONLYLIST7("1|Messen|2|Cal 2Pkt.|3|Cal 1Pkt.|4|", "1|Measure|2|Cal 2point|3|Cal 1point|4|",
              "1|Mesurer|2|Étal 2pts|3|Étal 1pt|4|", "1|Misurare|2|Cal 2punti|3|Cal 1punto|4|",
              "1|Mät|2|Kal-2pkt|3|Kal-1pkt|4|", "1|Medir|2|Cal 2ptos|3|Cal 1pto|4|",
              "1|Medir|2|Cal 2pts|3|Cal 1pt|4|");
const TextRecord kTxtEndPrefix = ONLYLIST7("0|--- Ende ---|", "0|--- End ---|", "0|--- Fin ---|", "0|--- Fine ---|",
                                           "0|--- Slut ---|", "0|--- Fin ---|", "0|--- Fim ---|");
const TextRecord kTxtOffPrefix = ONLYLIST7("0|Aus|", "0|Off|", "0|Arrêt|", "0|Off|", "0|Från|", "0|Desact.|",
                                           "0|Desl.|");

// ---- step functions -------------------------------------------------------------------------------------

const TextRecord kTxtProgramEnd = NAME7("Programm Ende", "Program end", "Fin de programme", "Fine programma",
                                        "Programslut", "Fin de programa", "Fim do programa");
const TextRecord kTxtProbeInService = NAME7("Sonde in SERVICE", "Probe in SERVICE", "Sonde en SERVICE",
                                            "Sonda in SERVICE", "Sond i SERVICE", "Sonda en SERVICE",
                                            "Sonda em SERVICE");
const TextRecord kTxtProbeInMeasure = NAME7("Sonde in MESSEN", "Probe in MEASURE", "Sonde en MESURE",
                                            "Sonda in MISURA", "Sond i MÄTNING", "Sonda en MEDICIÓN",
                                            "Sonda em MEDIÇÃO");
const TextRecord kTxtRinseWaterStep = kTxtRinseWater;
const TextRecord kTxtMeasDuration = NAME7("Messzeit", "Meas duration", "Durée de mesure", "Durata misura",
                                          "Mättid", "Duración medición", "Duração medição");
const TextRecord kTxtWaitDuration = NAME7("Wartezeit", "Wait duration", "Temps d'attente", "Tempo d'attesa",
                                          "Väntetid", "Tiempo de espera", "Tempo de espera");
const TextRecord kTxtWaitPosition = NAME7("Warteposition", "Wait position", "Position attente",
                                          "Posizione attesa", "Vänteläge", "Posición espera",
                                          "Posição de espera");
const TextRecord kTxtGotoLine = NAME7("Goto Zeile", "Goto line", "Saut à l'étape", "Vai a riga", "Gå till rad",
                                      "Ir a línea", "Ir para linha");
const TextRecord kTxtCalBuffer1Step = NAME7("Cal Puffer 1", "Cal buffer 1", "Étal tampon 1", "Cal tampone 1",
                                            "Kal-buffert 1", "Cal tampón 1", "Cal tampão 1");
const TextRecord kTxtCalBuffer2Step = NAME7("Cal Puffer 2", "Cal buffer 2", "Étal tampon 2", "Cal tampone 2",
                                            "Kal-buffert 2", "Cal tampón 2", "Cal tampão 2");
const TextRecord kTxtOrpCheck = NAME7("ORP-Kontrolle", "ORP Check", "Contrôle ORP", "Controllo ORP",
                                      "ORP-kontroll", "Control ORP", "Controlo ORP");
const TextRecord kTxtEmptyStep = NAME7("Leerschritt", "Empty step", "Pas vide", "Passo vuoto", "Tomt steg",
                                       "Paso vacío", "Passo vazio");
const TextRecord kTxtSuffixOn = NAME7(" Ein", " On", " Marche", " On", " Till", " Act.", " Lig.");
const TextRecord kTxtSuffixOff = NAME7(" Aus", " Off", " Arrêt", " Off", " Från", " Desact.", " Desl.");

// ---- rows -----------------------------------------------------------------------------------------------

const TextRecord kTxtTimeProgram = NAME7("Programm", "Program", "Programme", "Programma", "Program", "Programa",
                                         "Programa");
const TextRecord kTxtTimeInterval = NAME7("Intervall", "Interval", "Intervalle", "Intervallo", "Intervall",
                                          "Intervalo", "Intervalo");
const TextRecord kTxtCopyTo = NAME7("Kopieren nach", "Copy to", "Copier vers", "Copia in", "Kopiera till",
                                    "Copiar a", "Copiar para");
const TextRecord kTxtUserProgramName = NAME7("Programmname", "Program name", "Nom du programme",
                                             "Nome programma", "Programnamn", "Nombre programa",
                                             "Nome do programa");
const TextRecord kTxtStep = NAME7("Schritt", "Step", "Pas", "Passo", "Steg", "Paso", "Passo");
const TextRecord kTxtPointProgram = kTxtTimeProgram;
const TextRecord kTxtPointButton = NAME7("Schaltpunkt", "Switching point", "Pt de commutation",
                                         "Punto commutazione", "Kopplingspunkt", "Punto conmutación",
                                         "Ponto de comutação");

const TextRecord kTxtPointMode = LIST7("Modus", "1|Einzelstart|2|Intervall", "Mode", "1|Individual start|2|Interval",
                                       "Mode", "1|Départ unique|2|Intervalle", "Modo", "1|Avvio singolo|2|Intervallo",
                                       "Läge", "1|Enkelstart|2|Intervall", "Modo", "1|Inicio único|2|Intervalo",
                                       "Modo", "1|Início único|2|Intervalo");
const TextRecord kTxtTimeOfStart = NAME7("Startzeit", "Time of start", "Heure de départ", "Ora di avvio",
                                         "Starttid", "Hora de inicio", "Hora de início");
const TextRecord kTxtStart = NAME7("Anfang", "Start", "Début", "Inizio", "Början", "Inicio", "Início");
const TextRecord kTxtEnd = NAME7("Ende", "End", "Fin", "Fine", "Slut", "Fin", "Fim");
const TextRecord kTxtIntervalTime = NAME7("Intervallzeit", "Interval time", "Durée intervalle",
                                          "Tempo intervallo", "Intervalltid", "Tiempo intervalo",
                                          "Tempo intervalo");

const TextRecord kTxtFunction = NAME7("Funktion", "Function", "Fonction", "Funzione", "Funktion", "Función",
                                      "Função");
const TextRecord kTxtRunTime = NAME7("Laufzeit", "Run-time", "Durée marche", "Tempo funz.",
                                     "Gångtid", "Tpo. marcha", "Tempo func.");
const TextRecord kTxtExposureTime = NAME7("Einwirkzeit", "Exposure time", "Temps d'action", "Tempo d'azione",
                                          "Verkningstid", "Tiempo de acción", "Tempo de ação");
const TextRecord kTxtGotoLineRow = kTxtGotoLine;
const TextRecord kTxtRepeatCycles = NAME7("Wiederholungen", "Repeat cycles", "Répétitions", "Ripetizioni",
                                          "Upprepningar", "Repeticiones", "Repetições");
const TextRecord kTxtStepMonitoring = LIST7("Überwachung", "1|Ein|2|Aus", "Monitoring", "1|On|2|Off",
                                            "Surveillance", "1|Marche|2|Arrêt", "Monitoraggio", "1|On|2|Off",
                                            "Övervakning", "1|Till|2|Från", "Supervisión", "1|Act.|2|Desact.",
                                            "Monitorização", "1|Lig.|2|Desl.");

const TextRecord kTxtEdit = NAME7("bearbeiten", "Edit", "Modifier", "Modifica", "Redigera", "Editar", "Editar");
const TextRecord kTxtInsert = NAME7("einfügen", "Insert", "Insérer", "Inserisci", "Infoga", "Insertar", "Inserir");
const TextRecord kTxtDelete = NAME7("löschen", "Delete", "Supprimer", "Elimina", "Radera", "Borrar", "Eliminar");
const TextRecord kTxtCopy = NAME7("Kopieren", "Copy", "Copier", "Copia", "Kopiera", "Copiar", "Copiar");

}  // namespace tessalin::purgon

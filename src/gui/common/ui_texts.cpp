#include "gui/common/ui_texts.h"

#include <iterator>

#include "core/workspace.h"

namespace tessalin::gui {

QString Pick(const TextPair& pair) { return QString::fromUtf8(Ws().UiLanguage == 0 ? pair.de : pair.en); }

QString Pick(DataSetText id) { return QString::fromUtf8(Tr(id, Ws().UiLanguage)); }

const CaptionRow kMainCaptions[] = {
    {"NewButton,Neu1", {"Neu", "New"}, {"leeren Datensatz erstellen", "new empty data record"}},
    {"OpenButton,Datei_Open",
     {"Öffnen...", "Open..."},
     {"Gerätekonfiguration aus Datei laden", "Load parameter set from file"}},
    {"SaveButton,Datei_Save",
     {"Speichern", "Save"},
     {"Gerätekonfiguration speichern", "Save parameter set"}},
    {"Datei_SaveAs",
     {"Speichern &unter...", "Save &as..."},
     {"Gerätekonfiguration in Datei speichern", "Save parameter set to file"}},
    {"Speicherkarte1,CardButton",
     {nullptr, nullptr},
     {"Austausch der Konfiguration über Speicherkarte", "Parameter set interchange with memory card"}},
    {"PrintButton,Drucken1",
     {"&Drucken...", "&Print..."},
     {"komplette Gerätedokumentation ausdrucken", "Print complete parameter documentation"}},
    {"ToolButton1", {"Export PDF...", "Export PDF..."}, {nullptr, nullptr}},
    {"ExportPDF", {"Export PDF...", "Export PDF..."}, {"Export in PDF-Datei", "Export as PDF File"}},
    {"ToolButton2,ExportExcel1",
     {"Export Excel...", "Export Excel..."},
     {"Export in Excel-Datei", "Export as Excel File"}},
    {"Vergleichen1",
     {"&Vergleichen mit...", "Co&mpare with..."},
     {"Gerätekonfiguration mit einer zweiten Datei vergleichen", "Compare parameter set with a second file"}},
    {"VergleichBeenden1,EndComparisonButton",
     {texts::CompareEnd.de, texts::CompareEnd.en},
     {"Vergleich schließen, zurück zur normalen Ansicht", "Close the comparison, back to the normal view"}},
    {"DatensatzPruefen1",
     {"Datensatz prüfen...", "Check data set..."},
     {"Jeden gespeicherten Wert prüfen, den der Analysator so nicht annähme",
      "Check every stored value the analyser would not accept as it is"}},
    {"BefundeDokumentieren1",
     {"Befunde dokumentieren", "Document the findings"},
     {"Drucken und Exporte enden mit den Befunden der Datensatzprüfung",
      "Printing and the exports end with the findings of the data-set check"}},
    {"Beenden1", {"&Beenden", "&Exit"}, {"Programm beenden", "Exit program"}},
    {"Datei", {"&Datei", "&File"}, {nullptr, nullptr}},
    {"Konfiguration", {"&Konfiguration", "&Configuration"}, {nullptr, nullptr}},
    {"Bearbeiten", {"&Bearbeiten", "&Edit"}, {nullptr, nullptr}},
    {"Rueckgaengig1", {nullptr, nullptr}, {"Letzte Änderung zurücknehmen", "Take back the last change"}},
    {"Wiederherstellen1",
     {nullptr, nullptr},
     {"Zurückgenommene Änderung wiederherstellen", "Bring back the change taken back"}},
    {"Suchen1",
     {"&Suchen...", "&Find..."},
     {"Parameter nach Titel, Name, Wert oder Einheit suchen", "Find a parameter by title, name, value or unit"}},
    {"Weitersuchen1", {"&Weitersuchen", "Find &Next"}, {"Nächster Treffer", "Next hit"}},
    {"Rueckwaertssuchen1", {"&Rückwärts suchen", "Find &Previous"}, {"Vorheriger Treffer", "Previous hit"}},
    {"Gertebeschreibung1",
     {"Gerätebeschreibung", "Device Description"},
     {"Gerätebeschreibung, Versionen, Optionen", "Device description, versions, options"}},
    {"Gertekonfigurationndern1",
     {"Gerätekonfiguration ändern", "Change Device Configuration"},
     {"Modulkonfiguration ändern", "Change module configuration"}},
    {"Sprache", {"&Sprache", "&Language"}, {nullptr, nullptr}},
    {"Hilfe", {"&Hilfe", "&Help"}, {nullptr, nullptr}},
    {"MorvaneHomepage1",
     {"Morvane Homepage", "Morvane Homepage"},
     {"Homepage im Internet aufrufen", "Call internet homepage"}},
    {"Bedienungsanleitung1",
     {"interaktive Bedienungsanleitung", "Interactive Online Manual"},
     {"interaktive Bedienungsanleitung im Internet aufrufen", "Call interactive operation manual from internet"}},
    {"InfoberZandor1",
     {"Info über Tessalin 3000", "About Tessalin 3000"},
     {"Informationen zum Programm Tessalin 3000", "Informations about Tessalin 3000"}},
    {"HWConfTabSheet", {"Gerätebeschreibung", "Device Description"}, {nullptr, nullptr}},
    {"KonfiguratorButton", {"Konfigurator", "Configurator"}, {nullptr, nullptr}},
    {"BankButton", {nullptr, nullptr}, {texts::BankButtonHint.de, texts::BankButtonHint.en}},
};
const int kMainCaptionCount = static_cast<int>(std::size(kMainCaptions));

}  // namespace tessalin::gui

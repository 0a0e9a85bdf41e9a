#pragma once
// The main window's own two-language texts (German, English), selected by UiLanguage: captions and
// hints of menus and tool buttons, the PDF export dialog, the splash and about window. The texts of
// the data-set dialogs and messages are the data-set module's (DataSetText).

#include <QString>

#include "core/data_set/texts.h"

namespace tessalin::gui {

// The text of the pair in the current user-interface language (UTF-8 literals).
QString Pick(const TextPair& pair);
// A text of the data-set commands and dialogs in the current user-interface language.
QString Pick(DataSetText id);

// The application's title, the caption of messages that are not tied to one window.
inline constexpr const char* kApplicationTitle = "Tessalin 3000 - Configuration- and Documentation Tool";

// One row of the relabelling table: the objects (comma-separated objectNames) that take this caption
// and hint. A null text leaves that property as it is.
struct CaptionRow {
    const char* names;
    TextPair caption;
    TextPair hint;
};

// Every caption and hint that the language switch sets on the main window.
extern const CaptionRow kMainCaptions[];
extern const int kMainCaptionCount;

namespace texts {

inline constexpr TextPair ExportPdfTitle{"Export in PDF-Datei", "Export as PDF File"};
inline constexpr TextPair ExportPdfFilter{"Adobe PDF-Dateien (*.pdf)|*.pdf", "Adobe PDF Files (*.pdf)|*.pdf"};
inline constexpr TextPair BankButtonHint{"Parametersatz A / B umschalten", "Switch parameter set A / B"};
inline constexpr TextPair AboutCaption{"Über Tessalin 3000", "About Tessalin 3000"};

// Comparing with a second data set.
inline constexpr TextPair CompareCaption{"Vergleichen mit", "Compare with"};
inline constexpr TextPair CompareConfirm{"&Vergleichen", "&Compare"};
inline constexpr TextPair CompareHeader{"Vergleich mit %1", "Compared with %1"};
inline constexpr TextPair CompareNone{"keine Unterschiede", "no differences"};
inline constexpr TextPair CompareOne{"1 Unterschied", "1 difference"};
inline constexpr TextPair CompareMany{"%1 Unterschiede", "%1 differences"};
inline constexpr TextPair CompareEnd{"Vergleich beenden", "End comparison"};
// The tooltip of a differing row: the value in the second data set.
inline constexpr TextPair CompareOtherValue{"Im Vergleich: %1", "Compared: %1"};
inline constexpr TextPair CompareNotShown{"nicht angezeigt", "not shown"};


// Checking the data set.
inline constexpr TextPair CheckHeader{"Datensatz prüfen", "Check data set"};
inline constexpr TextPair CheckRepairAll{"Alle reparieren", "Repair all"};
inline constexpr TextPair CheckClose{"Schließen", "Close"};
// The status bar after opening a data set with findings, and after "Alle reparieren".
// %1 and %2 are counts in words ("1 Befund", "3 findings", "2 Reparaturen").
inline constexpr TextPair CheckLoaded{"Der Datensatz hat %1: Datei > Datensatz prüfen...",
                                      "The data set has %1: File > Check data set..."};
inline constexpr TextPair CheckRepaired{"%1, %2 übrig", "%1, %2 left"};
// The edit history: the "Bearbeiten" items name the step they take back, and the steps the window
// itself makes.
inline constexpr TextPair UndoItem{"Rückgängig: %1", "Undo %1"};
inline constexpr TextPair UndoNothing{"Rückgängig", "Undo"};
inline constexpr TextPair RedoItem{"Wiederherstellen", "Redo"};
inline constexpr TextPair RedoTip{"Wiederherstellen: %1", "Redo %1"};
inline constexpr TextPair StepNew{"Neu", "New"};
inline constexpr TextPair StepConfigure{"Gerätekonfiguration ändern", "Change Device Configuration"};

// Finding a parameter.
inline constexpr TextPair FindPlaceholder{"Suchen: Titel, Name, Wert oder Einheit", "Find: title, name, value or unit"};
inline constexpr TextPair FindCount{"%1 Treffer", "%1 hits"};

}  // namespace texts

// ---- splash window: fixed English texts
namespace splash_texts {
inline constexpr const char* Subtitle = "Configuration- and Documentation Tool";
inline constexpr const char* Version = "Version 5.3.0";
inline constexpr const char* Legal = "© Morvane. All rights reserved.";
inline constexpr const char* Company = "Morvane Messtechnik";
inline constexpr const char* Ok = "OK";
}  // namespace splash_texts

}  // namespace tessalin::gui

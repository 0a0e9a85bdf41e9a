#pragma once
// The main window's own two-language texts (German, English), selected by UiLanguage: captions and
// hints of menus and tool buttons, dialog titles and filters, the texts of the load, card, sub-page
// and splash windows, and the messages these windows show.

#include <QString>

namespace tessalin::gui {

struct TextPair {
    const char* de;
    const char* en;
};

// The text of the pair in the current user-interface language (UTF-8 literals).
QString Pick(const TextPair& pair);

inline constexpr const char* kProductName = "Tessalin 3000";

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

// ---- main window dialogs (title, filter)
inline constexpr TextPair SaveDialogTitle{"Vantris-Konfiguration speichern", "Save Vantris Configuration"};
inline constexpr TextPair SaveDialogFilter{"Konfiguration (*.par)|*.par|Parametersatz (*.set)|*.set",
                                           "Configuration (*.par)|*.par|Parameter Set (*.set)|*.set"};
inline constexpr TextPair SaveDialogUTitle{"Purgon-Konfiguration speichern", "Save Purgon Configuration"};
inline constexpr TextPair SaveDialogUFilter{"Purgon-Konfiguration (*.par)|*.par", "Purgon Configuration (*.par)|*.par"};
inline constexpr TextPair ExportPdfTitle{"Export in PDF-Datei", "Export as PDF File"};
inline constexpr TextPair ExportPdfFilter{"Adobe PDF-Dateien (*.pdf)|*.pdf", "Adobe PDF Files (*.pdf)|*.pdf"};

// ---- the save question before the data set is replaced or the program ends
inline constexpr TextPair SaveChangesQuestion{"Möchten Sie Ihre Daten speichern?\r\nDie Daten wurden geändert.",
                                              "Would you like to save your data?\r\nThe data have been changed."};

// ---- parameter set selector (tool button hint)
inline constexpr TextPair BankButtonHint{"Parametersatz A / B umschalten", "Switch parameter set A / B"};

// ---- splash and about window
inline constexpr TextPair AboutCaption{"Über Tessalin 3000", "About Tessalin 3000"};

// ---- load dialog
inline constexpr TextPair LoadCaption{"Konfigurations-Datei(en) laden", "Load Configuration File(s)"};
inline constexpr TextPair LoadFrontLabel{"Konfigurationsdatei FRONT: (z.B. BACKUP01.PAR)",
                                         "Coniguration File FRONT: (e.g. BACKUP01.PAR)"};
inline constexpr TextPair LoadPurgonLabel{"Konfigurationsdatei Purgon: (z.B. BACKUP02.PAR)",
                                          "Configuration File Purgon: (e.g. BACKUP02.PAR)"};
inline constexpr TextPair LoadBrowse{"Durchsuchen ...", "Scan ..."};
inline constexpr TextPair LoadExplanation1{"Eine gespeicherte Konfiguration kann aus zwei Dateien bestehen,",
                                           "A stored configuration can consist of two files,"};
inline constexpr TextPair LoadExplanation2{"wenn Sie ein Vantris zusammen mit einem Purgon betreiben.",
                                           "if you operate a Vantris as well as a Purgon."};
inline constexpr TextPair LoadOpen{"Öffnen", "Open"};
inline constexpr TextPair LoadCancel{"Abbrechen", "Cancel"};
inline constexpr TextPair OpenDialogTitleStart{"Konfigurationsdatei ", "Open Configuration File "};
inline constexpr TextPair OpenDialogTitleEnd{" öffnen", ""};
inline constexpr TextPair OpenDialogFilterTail{
    " Datensatz (*.par,*.set)|*.par;*.set|Konfiguration (*.par)|*.par|Parametersatz (*.set)|*.set|"
    "Alle Dateien (*.*)|*.*",
    " Data Set (*.par,*.set)|*.par;*.set|Configuration (*.par)|*.par|Parameter Set (*.set)|*.set|"
    "All Files (*.*)|*.*"};

}  // namespace texts

// ---- memory-card dialog: German in both interface languages
namespace card_texts {
inline constexpr const char* Caption = "SmartMedia Card - Tessalin 3000";
inline constexpr const char* DriveLabel = "SmartMedia-Laufwerk";
inline constexpr const char* Open = "Öffnen";
inline constexpr const char* Save = "Speichern";
inline constexpr const char* Cancel = "Abbrechen";
}  // namespace card_texts

// ---- splash window: fixed English texts
namespace splash_texts {
inline constexpr const char* Subtitle = "Configuration- and Documentation Tool";
inline constexpr const char* Version = "Version 5.3.0";
inline constexpr const char* Legal = "© Morvane. All rights reserved.";
inline constexpr const char* Company = "Morvane Messtechnik";
inline constexpr const char* Ok = "OK";
}  // namespace splash_texts

}  // namespace tessalin::gui

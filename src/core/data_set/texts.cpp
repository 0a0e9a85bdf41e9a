#include "core/data_set/texts.h"

#include <array>

namespace tessalin {

namespace {

constexpr std::array<TextPair, static_cast<std::size_t>(DataSetText::Count)> kTexts{{
    {"M\u00f6chten Sie Ihre Daten speichern?\r\nDie Daten wurden ge\u00e4ndert.",
     "Would you like to save your data?\r\nThe data have been changed."},
    {"Diese Dateivariante wird nicht unterst\u00fctzt,\n\rsie geh\u00f6rt zu einer anderen Ger\u00e4tesoftware!",
     "This file variant is not supported,\n\rit belonged to another device software!"},
    {"Konfigurations-Datei(en) laden", "Load Configuration File(s)"},
    {"Konfigurationsdatei FRONT: (z.B. BACKUP01.PAR)", "Coniguration File FRONT: (e.g. BACKUP01.PAR)"},
    {"Konfigurationsdatei Purgon: (z.B. BACKUP02.PAR)", "Configuration File Purgon: (e.g. BACKUP02.PAR)"},
    {"Durchsuchen ...", "Scan ..."},
    {"Eine gespeicherte Konfiguration kann aus zwei Dateien bestehen,",
     "A stored configuration can consist of two files,"},
    {"wenn Sie ein Vantris zusammen mit einem Purgon betreiben.", "if you operate a Vantris as well as a Purgon."},
    {"\u00d6ffnen", "Open"},
    {"Abbrechen", "Cancel"},
    {"Konfigurationsdatei ", "Open Configuration File "},
    {" \u00f6ffnen", ""},
    {" Datensatz (*.par,*.set)|*.par;*.set|Konfiguration (*.par)|*.par|Parametersatz (*.set)|*.set|"
     "Alle Dateien (*.*)|*.*",
     " Data Set (*.par,*.set)|*.par;*.set|Configuration (*.par)|*.par|Parameter Set (*.set)|*.set|"
     "All Files (*.*)|*.*"},
    {"Konfiguration (*.par)|*.par|Parametersatz (*.set)|*.set", "Configuration (*.par)|*.par|Parameter Set (*.set)|*.set"},
    {"Vantris-Konfiguration speichern", "Save Vantris Configuration"},
    {"Purgon-Konfiguration (*.par)|*.par", "Purgon Configuration (*.par)|*.par"},
    {"Purgon-Konfiguration speichern", "Save Purgon Configuration"},
    // The card dialog is German in both interface languages.
    {"SmartMedia Card - Tessalin 3000", "SmartMedia Card - Tessalin 3000"},
    {"SmartMedia-Laufwerk", "SmartMedia-Laufwerk"},
    {"\u00d6ffnen", "\u00d6ffnen"},
    {"Speichern", "Speichern"},
    {"Abbrechen", "Abbrechen"},
    {"SmartMedia-Laufwerk nicht g\u00fcltig!", "SmartMedia Drive not available!"},
    {"Die Konfigurationsdatei existiert nicht\r\nauf dem SmartMedia-Laufwerk",
     "Configuration file don't exist\r\non SmartMedia Drive"},
    {"Verzeichnis kann nicht erstellt werden: ", "Cannot create "},
    {"Konfiguration auf der SmartMedia-Card \u00fcberschreiben?", "Overwrite configuration on SmartMedia Card?"},
    {"Die Daten konnten nicht gespeichert werden: ", "The data could not be saved: "},
    {"Die Datei wurde seit dem Laden oder Speichern von einem anderen Programm oder Fenster ge\u00e4ndert.\r\n"
     "Trotzdem \u00fcberschreiben?\r\n",
     "The file was changed by another program or window since it was loaded or saved.\r\n"
     "Overwrite it anyway?\r\n"},
    {"Die Datei geh\u00f6rt zum ge\u00f6ffneten Datensatz und wird nicht \u00fcberschrieben; bitte eine andere "
     "Datei w\u00e4hlen:\r\n",
     "The file belongs to the opened data set and is not overwritten; please choose another file:\r\n"},
}};

}  // namespace

const TextPair& DataSetTextPair(DataSetText id) { return kTexts.at(static_cast<std::size_t>(id)); }

const char* Tr(DataSetText id, int uiLanguage) {
    const TextPair& pair = DataSetTextPair(id);
    return uiLanguage == 0 ? pair.de : pair.en;
}

}  // namespace tessalin

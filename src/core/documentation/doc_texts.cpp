#include "core/documentation/doc_texts.h"

#include <cstdio>
#include <ctime>

#include "core/common/texts.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// Deutsch, English, Français, Italiano, Svenska, Español, Português
constexpr LanguageTexts kWords[] = {
    {"Software", "Software", "Logiciel", "Software", "Programvara", "Software", "Software"},
    {"Hardware", "Hardware", "Matériel", "Hardware", "Maskinvara", "Hardware", "Hardware"},
    {"Seriennummer", "Serial No.", "N° de série", "N. di serie", "Serienummer", "N.º de serie", "N.º de série"},
    {"Optionen", "Options", "Options", "Opzioni", "Tillval", "Opciones", "Opções"},
    {"keine", "none", "aucune", "nessuna", "inga", "ninguna", "nenhuma"},
    {"Meßstelle", "Measuring point", "Point de mesure", "Punto di misura", "Mätpunkt", "Punto de medición",
     "Ponto de medição"},
    {"Notiz", "Note", "Note", "Nota", "Notering", "Nota", "Nota"},
    {"Parametersatz", "Parameter set", "Jeu de paramètres", "Set di parametri", "Parametersats",
     "Juego de parámetros", "Conjunto de parâmetros"},
    {"Gerätebeschreibung", "Device description", "Description de l'appareil", "Descrizione dell'apparecchio",
     "Instrumentbeskrivning", "Descripción del equipo", "Descrição do equipamento"},
};

}  // namespace

std::string DocText(DocWord word) { return LanguageText(kWords[static_cast<int>(word)]); }

DocDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DocDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string DateLabel(const DocDate& date) {
    char text[40];
    if (Ws().UiLanguage == 0)
        std::snprintf(text, sizeof text, "Datum: %02d.%02d.%04d", date.day, date.month, date.year);
    else
        std::snprintf(text, sizeof text, "Date: %04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace tessalin

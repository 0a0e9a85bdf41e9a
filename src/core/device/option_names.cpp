#include "core/device/option_names.h"

#include <cstdint>

#include "core/common/texts.h"

namespace tessalin {

namespace {

struct OptionText {
    int bit;
    LanguageTexts text;  // Deutsch, English, Français, Italiano, Svenska, Español, Português
};

constexpr OptionText kOptionTexts[] = {
    {1, {"Kalibrierdatenrecorder", "Calibration data recorder", "Enregistreur des données d'étalonnage",
         "Registratore dati di taratura", "Kalibreringsdataregistrering", "Registrador de datos de calibración",
         "Registador de dados de calibração"}},
    {2, {"Puffersätze", "Buffer sets", "Jeux de tampons", "Set di tamponi", "Buffertsatser", "Juegos de tampones",
         "Conjuntos de tampões"}},
    {3, {"Adaptiver Kalibriertimer", "Adaptive calibration timer", "Minuterie d'étalonnage adaptative",
         "Timer di taratura adattivo", "Adaptiv kalibreringstimer", "Temporizador de calibración adaptativo",
         "Temporizador de calibração adaptativo"}},
    {4, {"Delmare", "Delmare", "Delmare", "Delmare", "Delmare", "Delmare", "Delmare"}},
    {5, {"Kalibriertoleranzband", "Calibration tolerance band", "Bande de tolérance d'étalonnage",
         "Banda di tolleranza di taratura", "Toleransband för kalibrering", "Banda de tolerancia de calibración",
         "Banda de tolerância de calibração"}},
    {6, {"Stromausgangskennlinie", "Current output characteristic", "Caractéristique de la sortie courant",
         "Caratteristica dell'uscita in corrente", "Strömutgångens karakteristik",
         "Característica de la salida de corriente", "Característica da saída de corrente"}},
    {8, {"Reinstwasserleitfähigkeit", "Ultrapure water conductivity", "Conductivité de l'eau ultrapure",
         "Conducibilità acqua ultrapura", "Konduktivitet i ultrarent vatten", "Conductividad de agua ultrapura",
         "Condutividade de água ultrapura"}},
    {9, {"Konzentration", "Concentration", "Concentration", "Concentrazione", "Koncentration", "Concentración",
         "Concentração"}},
    {11, {"pH Quellix einstellbar", "pH Quellix adjustable", "pH Quellix réglable", "pH Quellix regolabile",
          "pH Quellix inställbar", "pH Quellix ajustable", "pH Quellix ajustável"}},
    {12, {"Hohe CO2-Kompensation", "High CO2 compensation", "Compensation CO2 élevée", "Compensazione CO2 elevata",
          "Hög CO2-kompensering", "Compensación de CO2 alto", "Compensação de CO2 elevado"}},
    {16, {"Messwertrecorder", "Measured-value recorder", "Enregistreur de mesures", "Registratore dei valori misurati",
          "Mätvärdesregistrering", "Registrador de valores medidos", "Registador de valores medidos"}},
    {17, {"Logbuch", "Logbook", "Journal", "Reg. eventi", "Loggbok", "Registro",
          "Registo"}},
    {18, {"Parametersätze", "Parameter sets", "Jeux de paramètres", "Set di parametri", "Parametersatser",
          "Juegos parámetros", "Conjuntos parâm."}},
    {19, {"Software-Update", "Software update", "Mise à jour du logiciel", "Aggiornamento software",
          "Programvaruuppdatering", "Actualización de software", "Atualização de software"}},
    {20, {"Audit Trail", "Audit trail", "Piste d'audit", "Audit trail", "Granskningslogg", "Registro de auditoría",
          "Registo de auditoria"}},
    {24, {"ISFET-pH-Modul", "ISFET pH module", "Module pH ISFET", "Modulo pH ISFET", "ISFET-pH-modul",
          "Módulo de pH ISFET", "Módulo de pH ISFET"}},
    {25, {"I-Modul Kanal 2", "I-module channel 2", "Module I canal 2", "Modulo I canale 2", "I-modul kanal 2",
          "Módulo I canal 2", "Módulo I canal 2"}},
    {26, {"I-Modul Sauerstoff Standard", "I-module oxygen standard", "Module I oxygène standard",
          "Modulo I ossigeno standard", "I-modul syre standard", "Módulo I oxígeno estándar",
          "Módulo I oxigénio padrão"}},
    {27, {"I-Modul Sauerstoff Spuren", "I-module oxygen traces", "Module I traces d'oxygène",
          "Modulo I ossigeno in tracce", "I-modul syrespår", "Módulo I trazas de oxígeno",
          "Módulo I vestígios de oxigénio"}},
    {31, {"Senvaro-Digitalsensoren", "Senvaro digital sensors", "Capteurs numériques Senvaro",
          "Sensori digitali Senvaro", "Senvaro digitala sensorer", "Sensores digitales Senvaro",
          "Sensores digitais Senvaro"}},
};

}  // namespace

std::string OptionName(int bit) {
    for (const OptionText& option : kOptionTexts)
        if (option.bit == bit) return LanguageText(option.text);
    return "";
}

bool OptionListed(int bit, char swMajor) {
    const uint32_t upTo5 = 0x7Eu | 1u << 8 | 1u << 9 | 1u << 11 | 1u << 12 | 0x1Fu << 16;
    const uint32_t of6 = 0x7Eu | 1u << 8 | 1u << 9 | 1u << 12 | 0x1Fu << 16 | 1u << 24;
    const uint32_t from7 = of6 | 1u << 25 | 1u << 26 | 1u << 27 | 1u << 31;
    const auto major = static_cast<unsigned char>(swMajor);
    const uint32_t mask = major <= '5' ? upTo5 : major == '6' ? of6 : from7;
    return (mask >> bit) & 1u;
}

}  // namespace tessalin

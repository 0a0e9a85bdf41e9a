#include "core/data_set/load_messages.h"

#include "core/data_set/image_checks.h"
#include "core/data_set/texts.h"

namespace tessalin {

namespace {

const char* Pick(const TextPair& pair, int uiLanguage) { return uiLanguage == 0 ? pair.de : pair.en; }

constexpr TextPair kCannotLoad{"Die Datei kann nicht geladen werden:", "The file cannot be loaded:"};
constexpr TextPair kShortFront{"Die Datei ist k\u00fcrzer als eine FRONT-Konfiguration (16384 Bytes).",
                               "The file is shorter than a FRONT configuration (16384 bytes)."};
constexpr TextPair kShortPurgon{"Die Datei ist k\u00fcrzer als eine Purgon-Konfiguration (9100 Bytes).",
                                "The file is shorter than a Purgon configuration (9100 bytes)."};
constexpr TextPair kChecksum{"Die Pr\u00fcfsumme stimmt nicht: die Datei ist besch\u00e4digt.",
                             "The checksum does not match: the file is damaged."};
constexpr TextPair kVariant{
    "Die Datei ist keine Konfiguration und kein Parametersatz einer unterst\u00fctzten Ger\u00e4tesoftware "
    "(Variante oder Softwareversion ung\u00fcltig).",
    "The file is neither a configuration nor a parameter set of a supported device software "
    "(invalid variant or software version)."};
constexpr TextPair kCannotOpen{"Die Datei kann nicht ge\u00f6ffnet werden: ", "The file cannot be opened: "};
constexpr TextPair kFrontForPurgon{
    "Die Datei ist eine FRONT-Konfiguration; an dieser Stelle geh\u00f6rt die Purgon-Konfiguration des "
    "Datensatzes hin.",
    "The file is a FRONT configuration; the Purgon configuration of the data set belongs here."};
constexpr TextPair kPurgonForFront{
    "Die Datei ist eine Purgon-Konfiguration; an dieser Stelle geh\u00f6rt die FRONT-Konfiguration des "
    "Datensatzes hin.",
    "The file is a Purgon configuration; the FRONT configuration of the data set belongs here."};
constexpr TextPair kMissing{"Die Datei existiert nicht.", "The file does not exist."};
constexpr TextPair kForget{"Soll der Eintrag aus der Liste der zuletzt ge\u00f6ffneten Dateien entfernt werden?",
                           "Remove the entry from the list of recent files?"};

std::string Reason(const LoadResult& result, int uiLanguage) {
    if (result.otherImage)
        return Pick(result.failedKind == ImageKind::Purgon ? kFrontForPurgon : kPurgonForFront, uiLanguage);
    switch (result.code) {
        case kLoadShortFile:
            return Pick(result.failedKind == ImageKind::Purgon ? kShortPurgon : kShortFront, uiLanguage);
        case kLoadChecksum: return Pick(kChecksum, uiLanguage);
        case kLoadBadVariantOrVersion: return Pick(kVariant, uiLanguage);
        case kLoadCannotOpen:
            if (result.missing) return Pick(kMissing, uiLanguage);
            return Pick(kCannotOpen, uiLanguage) + result.systemReason;
        default: return LoadErrorMeaning(result.code);
    }
}

}  // namespace

std::string LoadRefusedMessage(const LoadResult& result, int uiLanguage) {
    if (result.ok()) return {};
    if (result.code == kLoadForeignVariant) {
        return std::string(Tr(DataSetText::ForeignVariant, uiLanguage)) + "\n\n" + result.failedPath;
    }
    return std::string(Pick(kCannotLoad, uiLanguage)) + "\n" + result.failedPath + "\n\n" + Reason(result, uiLanguage);
}

bool OffersToForgetRecentEntry(const LoadResult& result) { return result.code == kLoadCannotOpen && result.missing; }

std::string ForgetRecentEntryQuestion(const LoadResult& result, int uiLanguage) {
    return LoadRefusedMessage(result, uiLanguage) + "\n\n" + Pick(kForget, uiLanguage);
}

}  // namespace tessalin

#pragma once
// The tool's own texts around opening and saving data sets, as German/English pairs selected by
// UiLanguage (0 German, 1 English). Line breaks are part of the texts.

#include <cstddef>

namespace tessalin {

inline constexpr const char* kProductName = "Tessalin 3000";
inline constexpr const char* kCardFrontFile = "BACKUP01.PAR";
inline constexpr const char* kCardPurgonFile = "BACKUP02.PAR";
inline constexpr const char* kCardFolder = "BACKUP";

enum class DataSetText : std::size_t {
    // Question before the current data set is replaced.
    SaveChangesQuestion,
    // Load refused: FRONT file of another device software.
    ForeignVariant,
    // The load dialog.
    LoadCaption,
    LoadFrontLabel,
    LoadPurgonLabel,
    LoadBrowse,
    LoadExplanation1,
    LoadExplanation2,
    LoadOpen,
    LoadCancel,
    // Open dialogs: title = prefix + designation + suffix; filter = designation + filter suffix.
    OpenTitlePrefix,
    OpenTitleSuffix,
    OpenFilterSuffix,
    // Save dialogs of the main window.
    SaveFilter,
    SaveTitle,
    SavePurgonFilter,
    SavePurgonTitle,
    // The memory card dialog and messages.
    CardCaption,
    CardDriveLabel,
    CardOpen,
    CardSave,
    CardCancel,
    CardNoDrive,
    CardNoFile,
    CardCannotCreateFolder,
    CardOverwriteQuestion,
    // A write that failed; the path and the system's reason follow.
    WriteFailed,
    // Asked before a save goes over a file another program changed since; the path follows.
    ChangedOnDiskQuestion,
    // A document that would replace a file of the opened data set; the path follows.
    DocumentOverInput,
    Count
};

struct TextPair {
    const char* de;
    const char* en;
};

const TextPair& DataSetTextPair(DataSetText id);
// The text in the interface language: 0 German, anything else English.
const char* Tr(DataSetText id, int uiLanguage);

}  // namespace tessalin

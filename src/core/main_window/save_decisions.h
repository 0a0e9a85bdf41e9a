#pragma once
// "Speichern", "Speichern unter...", the memory card's "Öffnen" and "Speichern", and the question
// before a changed data set is replaced. The rules live here; the user's answers come through
// SaveDialogs, which the main window implements with its dialogs and message boxes and tests replace
// with scripted answers.

#include <optional>
#include <string>

#include "core/data_set/write.h"
#include "core/device/load_data_set.h"

namespace tessalin {

enum class SaveFilter { Configuration, ParameterSet };  // the two filters of the save dialog

struct SaveAsAnswer {
    std::string path;
    SaveFilter filter = SaveFilter::Configuration;
};

enum class SaveChangesAnswer { Yes, No, Cancel };

class SaveDialogs {
public:
    virtual ~SaveDialogs() = default;
    // "Möchten Sie Ihre Daten speichern?" with Yes, No and Cancel.
    virtual SaveChangesAnswer AskSaveChanges() = 0;
    // The save dialog of the FRONT file; nothing on Cancel.
    virtual std::optional<SaveAsAnswer> AskFrontSavePath(const std::string& proposedName) = 0;
    // The save dialog of the Purgon file; nothing on Cancel.
    virtual std::optional<std::string> AskPurgonSavePath(const std::string& proposedName) = 0;
    // "Konfiguration auf der SmartMedia-Card überschreiben?"; true for Yes.
    virtual bool ConfirmCardOverwrite() = 0;
    // Asked before a save goes over `path`, a file of the data set that another program (or a second
    // window) changed since it was loaded or saved; true to overwrite it.
    virtual bool ConfirmOverwriteChanged(const std::string& path) = 0;
};

// What the commands need from the main window besides the workspace.
struct SaveContext {
    std::string lastFolder;        // where the user last opened or saved a data set; empty: the working folder
    bool noSaveQuestion = false;   // the expert setting that skips the save question
};

enum class CommandOutcome {
    Done,                    // written, or loaded
    Cancelled,               // the user stopped the command; nothing was written or loaded
    NothingToSave,           // there is no device: nothing is written
    WriteFailed,             // see `write`; the old files are untouched and Modified is set
    LoadRefused,             // see `load`; the current data set is unchanged
    NoCardDrive,             // no memory card drive chosen
    NoCardFile,              // the card holds no BACKUP01.PAR
    CardFolderNotCreatable,  // see `folder` and `systemReason`
};

struct CommandResult {
    CommandOutcome outcome = CommandOutcome::Done;
    WriteResult write;
    LoadResult load;
    std::string folder;
    std::string systemReason;

    // The message the user sees in the interface language; empty when there is none.
    std::string message(int uiLanguage) const;
};

// True when the Purgon controller is attached: it has a type code and a carrying slot.
bool PurgonAttached();

// Whether `path` is a file of the opened data set (by path, link or hard link): no document replaces it.
bool IsOpenedDataSetFile(const std::string& path);

// True when there is a device to save: loaded from files or made in the tool. After "Neu" and at start
// there is none, and the save commands are not offered.
bool HasDataSet();

// The name "Speichern unter..." proposes: the current data set's FRONT file, or "BACKUP01.PAR" in
// `lastFolder` when the data set has none, so that confirming the dialog never overwrites a file the user
// did not open.
std::string ProposedSaveAsName(const std::string& lastFolder);
// The Purgon file proposed beside a FRONT file being saved: the data set's own Purgon file, or
// "BACKUP02.PAR" in the FRONT file's folder.
std::string ProposedPurgonSaveName(const std::string& frontPath);

// A chosen name without an extension takes the one of the chosen filter: ".set" for a parameter set,
// ".par" for a configuration.
std::string WithFilterExtension(const std::string& path, SaveFilter filter);

// Asked before anything replaces the current data set: true to go on. A data set whose saving fails or
// is cancelled is not given up. The outcome of a save made here goes to *saveResult when given.
bool QuerySaveChanges(SaveDialogs& dialogs, const SaveContext& context, CommandResult* saveResult = nullptr);

// "Speichern": writes to the current files; a data set without a FRONT file name is saved as new.
// Without a device nothing is written (NothingToSave).
CommandResult SaveCommand(SaveDialogs& dialogs, const SaveContext& context);

// "Speichern unter...": the chosen filter decides the variant byte ('P' parameter set, else 'B'); a
// parameter set never carries a Purgon file.
CommandResult SaveAsCommand(SaveDialogs& dialogs, const SaveContext& context);

// The memory card's "Öffnen": loads BACKUP01.PAR, and BACKUP02.PAR when present, from the card.
CommandResult CardOpenCommand(SaveDialogs& dialogs, const SaveContext& context, const std::string& mountPath);

// The memory card's "Speichern": writes the data set as a configuration into the card's BACKUP folder.
CommandResult CardSaveCommand(SaveDialogs& dialogs, const std::string& mountPath);

}  // namespace tessalin

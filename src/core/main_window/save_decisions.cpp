#include "core/main_window/save_decisions.h"

#include <filesystem>

#include "core/data_set/card.h"
#include "core/data_set/image_checks.h"
#include "core/data_set/load_messages.h"
#include "core/data_set/recent_files.h"
#include "core/data_set/texts.h"
#include "core/files/file_lock.h"
#include "core/history/history.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// The modules that can carry a Purgon controller's connection in slot [II] or [III].
bool CarriesPurgon(uint8_t code) { return code == 153 || code == 189; }

// A command of the command-line tool changing the data set finishes first, so its save is seen by the
// changed-file question below. The window waits for it a few seconds at most: a command that hangs must
// not freeze the window, and the question still guards a save it made meanwhile.
FileLock WaitForOtherSaves(const std::string& front) { return FileLock::WaitAtMost(front, std::chrono::seconds(5)); }

CommandResult Outcome(CommandOutcome outcome) { return CommandResult{outcome, {}, {}, {}, {}}; }

// A written data set is the saved step of the edit history.
CommandResult Written(const WriteResult& write) {
    if (write.ok) History().MarkSaved();
    CommandResult result = Outcome(write.ok ? CommandOutcome::Done : CommandOutcome::WriteFailed);
    result.write = write;
    return result;
}

// Asks before the save goes over a file of the data set that another program changed since it was loaded
// or saved; false when the user keeps that file.
bool MayOverwrite(SaveDialogs& dialogs, const std::string& front, const std::string& purgon) {
    const Workspace& ws = Ws();
    for (const std::string& target : {front, purgon}) {
        if (target.empty()) continue;
        if ((ws.FrontFileSeen.ChangedSince(target) || ws.PurgonFileSeen.ChangedSince(target)) &&
            !dialogs.ConfirmOverwriteChanged(target))
            return false;
    }
    return true;
}

void SetVariant(char variant) { Ws().ParImage.setU8(ImageStart(ImageKind::Front) + 6, static_cast<uint8_t>(variant)); }

}  // namespace

std::string CommandResult::message(int uiLanguage) const {
    switch (outcome) {
        case CommandOutcome::WriteFailed: return Tr(DataSetText::WriteFailed, uiLanguage) + write.describe();
        case CommandOutcome::LoadRefused:
            return LoadRefusedMessage(load, uiLanguage);
        case CommandOutcome::NoCardDrive: return Tr(DataSetText::CardNoDrive, uiLanguage);
        case CommandOutcome::NoCardFile: return Tr(DataSetText::CardNoFile, uiLanguage);
        case CommandOutcome::CardFolderNotCreatable:
            return Tr(DataSetText::CardCannotCreateFolder, uiLanguage) + folder;
        case CommandOutcome::Done:
        case CommandOutcome::Cancelled:
        case CommandOutcome::NothingToSave: return "";
    }
    return "";
}

bool PurgonAttached() {
    const TidPurgon& purgon = Ws().Device.Purgon;
    return purgon.TypeCode != 0 && purgon.SlotMask != 0;
}

bool IsOpenedDataSetFile(const std::string& path) {
    const Workspace& ws = Ws();
    return (!ws.FrontFileName.empty() && SameFile(path, ws.FrontFileName)) ||
           (!ws.PurgonFileName.empty() && SameFile(path, ws.PurgonFileName));
}

bool HasDataSet() { return Ws().Device.Origin != kOriginNone; }

std::string ProposedSaveAsName(const std::string& lastFolder) {
    const Workspace& ws = Ws();
    if (!ws.FrontFileName.empty()) return ws.FrontFileName;
    if (lastFolder.empty()) return kCardFrontFile;
    return (std::filesystem::path(lastFolder) / kCardFrontFile).string();
}

std::string ProposedPurgonSaveName(const std::string& frontPath) {
    const Workspace& ws = Ws();
    if (!ws.PurgonFileName.empty()) return ws.PurgonFileName;
    const std::filesystem::path folder = std::filesystem::path(frontPath).parent_path();
    return folder.empty() ? std::string(kCardPurgonFile) : (folder / kCardPurgonFile).string();
}

std::string WithFilterExtension(const std::string& path, SaveFilter filter) {
    if (path.empty() || std::filesystem::path(path).has_extension()) return path;
    return path + (filter == SaveFilter::ParameterSet ? ".set" : ".par");
}

bool QuerySaveChanges(SaveDialogs& dialogs, const SaveContext& context, CommandResult* saveResult) {
    if (!Ws().Modified || context.noSaveQuestion) return true;
    switch (dialogs.AskSaveChanges()) {
        case SaveChangesAnswer::Cancel: return false;
        case SaveChangesAnswer::No: return true;
        case SaveChangesAnswer::Yes: break;
    }
    const CommandResult saved = SaveCommand(dialogs, context);
    if (saveResult) *saveResult = saved;
    return saved.outcome == CommandOutcome::Done;
}

CommandResult SaveCommand(SaveDialogs& dialogs, const SaveContext& context) {
    Workspace& ws = Ws();
    if (!HasDataSet()) return Outcome(CommandOutcome::NothingToSave);
    if (ws.FrontFileName.empty()) return SaveAsCommand(dialogs, context);

    std::string purgonPath;
    if (PurgonAttached()) {
        purgonPath = ws.PurgonFileName;
        if (purgonPath.empty()) {
            // Cancel here writes the FRONT file alone.
            const auto chosen = dialogs.AskPurgonSavePath(ws.PurgonSaveName.empty() ? kCardPurgonFile : ws.PurgonSaveName);
            if (chosen) purgonPath = ws.PurgonSaveName = *chosen;
        }
    }
    const FileLock lock = WaitForOtherSaves(ws.FrontFileName);
    if (!MayOverwrite(dialogs, ws.FrontFileName, purgonPath)) return Outcome(CommandOutcome::Cancelled);
    return Written(WriteDataSet(ws.FrontFileName, purgonPath));
}

CommandResult SaveAsCommand(SaveDialogs& dialogs, const SaveContext& context) {
    Workspace& ws = Ws();
    if (!HasDataSet()) return Outcome(CommandOutcome::NothingToSave);
    auto front = dialogs.AskFrontSavePath(ProposedSaveAsName(context.lastFolder));
    if (!front) return Outcome(CommandOutcome::Cancelled);
    front->path = WithFilterExtension(front->path, front->filter);
    const char variant = front->filter == SaveFilter::ParameterSet ? 'P' : 'B';

    std::string purgonPath;
    const TDevice& device = ws.Device;
    if (device.Purgon.TypeCode == 0 || variant == 'P') {
        ws.PurgonSaveName.clear();
    } else if (device.Purgon.SlotMask != 0 || CarriesPurgon(device.Slot[1].Code) || CarriesPurgon(device.Slot[2].Code)) {
        const auto chosen = dialogs.AskPurgonSavePath(ProposedPurgonSaveName(front->path));
        if (!chosen) return Outcome(CommandOutcome::Cancelled);
        purgonPath = ws.PurgonSaveName = *chosen;
    }

    const FileLock lock = WaitForOtherSaves(front->path);
    if (!MayOverwrite(dialogs, front->path, purgonPath)) return Outcome(CommandOutcome::Cancelled);
    // The variant changes only when the command goes ahead, so Cancel leaves the data set as it was.
    SetVariant(variant);
    ws.Modified = true;
    const WriteResult written = WriteDataSet(front->path, purgonPath);
    if (written.ok) UpdateRecentFiles();
    return Written(written);
}

CommandResult CardOpenCommand(SaveDialogs& dialogs, const SaveContext& context, const std::string& mountPath) {
    if (mountPath.empty()) return Outcome(CommandOutcome::NoCardDrive);
    CommandResult saved;
    if (!QuerySaveChanges(dialogs, context, &saved))
        return saved.outcome == CommandOutcome::Done ? Outcome(CommandOutcome::Cancelled) : saved;

    const auto folder = FindCardFolder(mountPath);
    const auto front = folder ? FindCardFile(*folder, kCardFrontFile) : std::nullopt;
    if (!front) return Outcome(CommandOutcome::NoCardFile);
    const std::string purgon = FindCardFile(*folder, kCardPurgonFile).value_or("");

    CommandResult result = Outcome(CommandOutcome::Done);
    result.load = LoadDataSet(*front, purgon);
    if (!result.load.ok()) result.outcome = CommandOutcome::LoadRefused;
    return result;
}

CommandResult CardSaveCommand(SaveDialogs& dialogs, const std::string& mountPath) {
    Workspace& ws = Ws();
    if (mountPath.empty()) return Outcome(CommandOutcome::NoCardDrive);
    const CardFolderResult folder = EnsureCardFolder(mountPath);
    if (folder.folder.empty()) {
        CommandResult result = Outcome(CommandOutcome::CardFolderNotCreatable);
        result.folder = CardFolderDisplay(mountPath);
        result.systemReason = folder.systemReason;
        return result;
    }
    if (FindCardFile(folder.folder, kCardFrontFile) || FindCardFile(folder.folder, kCardPurgonFile)) {
        if (!dialogs.ConfirmCardOverwrite()) return Outcome(CommandOutcome::Cancelled);
    }

    const std::string front = CardFilePath(folder.folder, kCardFrontFile);
    const std::string purgon = PurgonAttached() ? CardFilePath(folder.folder, kCardPurgonFile) : std::string();
    const FileLock lock = WaitForOtherSaves(front);
    if (!MayOverwrite(dialogs, front, purgon)) return Outcome(CommandOutcome::Cancelled);
    ws.Modified = true;
    SetVariant('B');
    return Written(WriteDataSet(front, purgon));
}

}  // namespace tessalin

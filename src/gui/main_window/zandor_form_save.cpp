// The main window's data-set commands that write or replace the data set: the save question,
// "Speichern", "Speichern unter..." and the memory card. The rules are the data-set module's; the
// window supplies the dialogs and shows the outcome.
#include "core/data_set/image_checks.h"
#include "core/data_set/texts.h"
#include "core/main_window/save_decisions.h"
#include "core/workspace.h"
#include "gui/common/image_lists.h"
#include "gui/common/ui_texts.h"
#include "gui/main_window/card_form.h"
#include "gui/main_window/load_form.h"
#include "gui/main_window/zandor_form.h"
#include "gui/page/form_page.h"

namespace tessalin::gui {

namespace {

// The answers of the data-set commands, asked through the prompter with the window's dialogs.
class WindowSaveDialogs : public SaveDialogs {
public:
    WindowSaveDialogs(Prompter& prompter, QWidget* parent, FileDialogSpec frontSpec, FileDialogSpec purgonSpec)
        : prompter_(prompter), parent_(parent), frontSpec_(std::move(frontSpec)), purgonSpec_(std::move(purgonSpec)) {}

    SaveChangesAnswer AskSaveChanges() override {
        switch (prompter_.Message(parent_, QString::fromUtf8(kProductName), Pick(DataSetText::SaveChangesQuestion),
                                  MessageIcon::Question, MessageButtons::YesNoCancel)) {
            case MessageAnswer::Yes: return SaveChangesAnswer::Yes;
            case MessageAnswer::No: return SaveChangesAnswer::No;
            default: return SaveChangesAnswer::Cancel;
        }
    }

    std::optional<SaveAsAnswer> AskFrontSavePath(const std::string& proposedName) override {
        FileDialogSpec dialogSpec = frontSpec_;
        dialogSpec.FileName = QString::fromStdString(proposedName);
        const FileDialogResult chosen = prompter_.SaveFile(parent_, dialogSpec);
        if (!chosen.Accepted) return std::nullopt;
        // The second filter is the parameter set.
        return SaveAsAnswer{chosen.Path.toStdString(),
                            chosen.FilterIndex == 2 ? SaveFilter::ParameterSet : SaveFilter::Configuration};
    }

    std::optional<std::string> AskPurgonSavePath(const std::string& proposedName) override {
        FileDialogSpec dialogSpec = purgonSpec_;
        dialogSpec.FileName = QString::fromStdString(proposedName);
        const FileDialogResult chosen = prompter_.SaveFile(parent_, dialogSpec);
        if (!chosen.Accepted) return std::nullopt;
        return chosen.Path.toStdString();
    }

    bool ConfirmCardOverwrite() override {
        return prompter_.Message(parent_, Pick(DataSetText::CardCaption), Pick(DataSetText::CardOverwriteQuestion),
                                 MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
    }

    bool ConfirmOverwriteChanged(const std::string& path) override {
        return prompter_.Message(parent_, QString::fromUtf8(kProductName),
                                 Pick(DataSetText::ChangedOnDiskQuestion) + QString::fromStdString(path),
                                 MessageIcon::Warning, MessageButtons::YesNo) == MessageAnswer::Yes;
    }

private:
    Prompter& prompter_;
    QWidget* parent_;
    FileDialogSpec frontSpec_;
    FileDialogSpec purgonSpec_;
};

// The window's save dialogs, starting where the open dialogs of the load dialog are.
WindowSaveDialogs DialogsOf(TZandorForm& form, Prompter& prompter) {
    FileDialogSpec front = form.SaveDialog();
    front.InitialDir = form.LoadForm().OpenFrontDialog().InitialDir;
    FileDialogSpec purgon = form.SaveDialogU();
    purgon.InitialDir = form.LoadForm().OpenPurgonDialog().InitialDir;
    return WindowSaveDialogs(prompter, &form, std::move(front), std::move(purgon));
}

QString MessageCaption(const CommandResult& result) {
    switch (result.outcome) {
        // The file of another device software keeps its message under the application title.
        case CommandOutcome::LoadRefused:
            return QString::fromUtf8(result.load.code == kLoadForeignVariant ? kApplicationTitle : kProductName);
        case CommandOutcome::NoCardDrive:
        case CommandOutcome::NoCardFile:
        case CommandOutcome::CardFolderNotCreatable: return Pick(DataSetText::CardCaption);
        default: return QString::fromUtf8(kProductName);
    }
}

}  // namespace

SaveContext TZandorForm::CurrentSaveContext() const {
    SaveContext context;
    context.lastFolder = loadForm_->OpenFrontDialog().InitialDir.toStdString();
    context.noSaveQuestion = su_;
    return context;
}

void TZandorForm::ShowCommandResult(const CommandResult& result) {
    const std::string text = result.message(Ws().UiLanguage);
    if (!text.empty()) {
        prompter_.Message(this, MessageCaption(result), QString::fromStdString(text), MessageIcon::Error,
                          MessageButtons::Ok);
    }
    ShowRecentFiles();
    UpdateCaption();
}

bool TZandorForm::QuerySaveChanges() {
    WindowSaveDialogs dialogs = DialogsOf(*this, prompter_);
    CommandResult saved;
    const bool goOn = tessalin::QuerySaveChanges(dialogs, CurrentSaveContext(), &saved);
    if (saved.outcome != CommandOutcome::Done) ShowCommandResult(saved);
    return goOn;
}

void TZandorForm::Datei_SaveClick() {
    WindowSaveDialogs dialogs = DialogsOf(*this, prompter_);
    ShowCommandResult(SaveCommand(dialogs, CurrentSaveContext()));
}

void TZandorForm::Datei_SaveAsClick() {
    WindowSaveDialogs dialogs = DialogsOf(*this, prompter_);
    ShowCommandResult(SaveAsCommand(dialogs, CurrentSaveContext()));
}

QString TZandorForm::CardDrive() const { return cardForm_->CardDrive(); }

void TZandorForm::Speicherkarte1Click() {
    const int choice = prompter_.Exec(*cardForm_);
    if (choice != TCardForm::kOpen && choice != TCardForm::kSave) return;
    cardForm_->SetCardDrive(cardForm_->ChosenDrive());
    const std::string drive = CardDrive().toStdString();
    WindowSaveDialogs dialogs = DialogsOf(*this, prompter_);
    if (choice == TCardForm::kSave) {
        ShowCommandResult(CardSaveCommand(dialogs, drive));
        return;
    }
    const CommandResult result = CardOpenCommand(dialogs, CurrentSaveContext(), drive);
    if (result.outcome == CommandOutcome::Done) {
        ShowParamSetImage(kImageParamSetA);
        ClearPageBeforeLoad(*this);
        ShowLoadedDataSet();
    } else {
        ShowCommandResult(result);
    }
}

}  // namespace tessalin::gui

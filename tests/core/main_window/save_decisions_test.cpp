#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/data_set/card.h"
#include "core/data_set/texts.h"
#include "core/main_window/save_decisions.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

namespace fs = std::filesystem;
using test::ImageBuilder;
using test::ReadWholeFile;
using test::TempDir;

// Answers given in advance; records what was asked.
struct ScriptedDialogs : SaveDialogs {
    SaveChangesAnswer saveChanges = SaveChangesAnswer::No;
    std::optional<SaveAsAnswer> front;
    std::optional<std::string> purgon;
    bool overwrite = true;

    int saveChangesAsked = 0, overwriteAsked = 0;
    std::vector<std::string> frontProposals, purgonProposals;

    SaveChangesAnswer AskSaveChanges() override {
        ++saveChangesAsked;
        return saveChanges;
    }
    std::optional<SaveAsAnswer> AskFrontSavePath(const std::string& proposed) override {
        frontProposals.push_back(proposed);
        return front;
    }
    std::optional<std::string> AskPurgonSavePath(const std::string& proposed) override {
        purgonProposals.push_back(proposed);
        return purgon;
    }
    bool ConfirmCardOverwrite() override {
        ++overwriteAsked;
        return overwrite;
    }
    bool ConfirmOverwriteChanged(const std::string& path) override {
        changedAsked.push_back(path);
        return overwriteChanged;
    }
    bool overwriteChanged = false;
    std::vector<std::string> changedAsked;
};

class SaveCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        test::InstallImage(ImageBuilder().purgon().build());
        Ws().Device.Origin = kOriginFile;
    }
    static void AttachPurgon() {
        Ws().Device.Purgon.TypeCode = 79;
        Ws().Device.Purgon.SlotMask = 1;
    }
    static char Variant(const std::string& path) { return static_cast<char>(ReadWholeFile(path).at(6)); }

    TempDir dir;
    ScriptedDialogs dialogs;
    SaveContext context;
};

TEST_F(SaveCommandsTest, SaveWritesTheCurrentFilesAndAsksForAMissingPurgonFile) {
    Workspace& ws = Ws();
    ws.FrontFileName = dir.file("f.par");
    ws.PurgonFileName = dir.file("old-purgon.par");
    ws.Modified = true;

    // No controller attached: the Purgon file is dropped.
    EXPECT_EQ(SaveCommand(dialogs, context).outcome, CommandOutcome::Done);
    EXPECT_TRUE(fs::exists(dir.file("f.par")));
    EXPECT_FALSE(fs::exists(dir.file("old-purgon.par")));
    EXPECT_EQ(ws.PurgonFileName, "");
    EXPECT_FALSE(ws.Modified);
    EXPECT_TRUE(dialogs.purgonProposals.empty());

    // Attached but no Purgon file: asked with the default name; Cancel writes the FRONT file alone.
    AttachPurgon();
    EXPECT_EQ(SaveCommand(dialogs, context).outcome, CommandOutcome::Done);
    EXPECT_EQ(dialogs.purgonProposals, std::vector<std::string>{"BACKUP02.PAR"});
    EXPECT_EQ(ws.PurgonFileName, "");

    dialogs.purgon = dir.file("p.par");
    EXPECT_EQ(SaveCommand(dialogs, context).outcome, CommandOutcome::Done);
    EXPECT_EQ(ReadWholeFile(dir.file("p.par")).size(), kPurgonSize);
    EXPECT_EQ(ws.PurgonFileName, dir.file("p.par"));
    // Asked no more once the data set has its Purgon file.
    EXPECT_EQ(SaveCommand(dialogs, context).outcome, CommandOutcome::Done);
    EXPECT_EQ(dialogs.purgonProposals.size(), 2u);
}

// Confirming the dialog must never overwrite a data set the user did not open: the proposal is the data
// set's own FRONT file, or BACKUP01.PAR in the last folder.
TEST_F(SaveCommandsTest, SaveAsProposesOnlyTheDataSetsOwnFile) {
    context.lastFolder = "/data/sets";
    EXPECT_EQ(SaveCommand(dialogs, context).outcome, CommandOutcome::Cancelled);  // no file name: save as
    Ws().FrontFileName = "/data/sets/MINE.PAR";
    EXPECT_EQ(SaveAsCommand(dialogs, context).outcome, CommandOutcome::Cancelled);
    context.lastFolder.clear();
    Ws().FrontFileName.clear();
    EXPECT_EQ(SaveAsCommand(dialogs, context).outcome, CommandOutcome::Cancelled);
    EXPECT_EQ(dialogs.frontProposals,
              (std::vector<std::string>{"/data/sets/BACKUP01.PAR", "/data/sets/MINE.PAR", "BACKUP01.PAR"}));
}

TEST_F(SaveCommandsTest, WithoutADeviceNothingIsAskedOrWritten) {
    Ws().Device.Origin = kOriginNone;
    Ws().Modified = true;
    dialogs.front = SaveAsAnswer{dir.file("empty.par"), SaveFilter::Configuration};
    EXPECT_EQ(SaveCommand(dialogs, context).outcome, CommandOutcome::NothingToSave);
    EXPECT_EQ(SaveAsCommand(dialogs, context).outcome, CommandOutcome::NothingToSave);
    EXPECT_TRUE(dialogs.frontProposals.empty());
    EXPECT_FALSE(fs::exists(dir.file("empty.par")));
}

TEST_F(SaveCommandsTest, ABareNameTakesTheExtensionOfTheChosenFilter) {
    for (const auto& [filter, name, written] :
         {std::tuple{SaveFilter::ParameterSet, "NAME", "NAME.set"}, std::tuple{SaveFilter::Configuration, "CONF", "CONF.par"},
          std::tuple{SaveFilter::ParameterSet, "KEEP.par", "KEEP.par"}}) {
        dialogs.front = SaveAsAnswer{dir.file(name), filter};
        EXPECT_EQ(SaveAsCommand(dialogs, context).outcome, CommandOutcome::Done) << name;
        EXPECT_TRUE(fs::exists(dir.file(written))) << written;
        EXPECT_EQ(Ws().FrontFileName, dir.file(written));
    }
    EXPECT_FALSE(fs::exists(dir.file("NAME")));
}

TEST_F(SaveCommandsTest, SaveAsFilterDecidesVariantAndPurgonFile) {
    Workspace& ws = Ws();
    AttachPurgon();

    // Parameter set: 'P', never a Purgon file even with the controller attached.
    dialogs.front = SaveAsAnswer{dir.file("set.set"), SaveFilter::ParameterSet};
    EXPECT_EQ(SaveAsCommand(dialogs, context).outcome, CommandOutcome::Done);
    EXPECT_EQ(Variant(dir.file("set.set")), 'P');
    EXPECT_TRUE(dialogs.purgonProposals.empty());
    EXPECT_EQ(ws.PurgonFileName, "");

    // Configuration: 'B', the Purgon file is asked for with the load dialog's name.
    dialogs.front = SaveAsAnswer{dir.file("conf.par"), SaveFilter::Configuration};
    dialogs.purgon = dir.file("conf02.par");
    EXPECT_EQ(SaveAsCommand(dialogs, context).outcome, CommandOutcome::Done);
    EXPECT_EQ(Variant(dir.file("conf.par")), 'B');
    // The Purgon file is proposed beside the FRONT file.
    EXPECT_EQ(dialogs.purgonProposals, std::vector<std::string>{dir.file("BACKUP02.PAR")});
    EXPECT_EQ(ws.FrontFileName, dir.file("conf.par"));
    EXPECT_EQ(ws.PurgonFileName, dir.file("conf02.par"));
    EXPECT_EQ(ws.RecentFiles[0], dir.file("conf.par") + " / " + dir.file("conf02.par"));
    EXPECT_EQ(ws.RecentFiles[1], dir.file("set.set"));
    EXPECT_FALSE(ws.Modified);

    // Cancel in the Purgon dialog stops the whole command: nothing written, the data set unchanged.
    ws.ParImage.setU8(6, 'P');
    ws.Modified = true;
    const ParImageBuffer before = ws.ParImage;
    dialogs.front = SaveAsAnswer{dir.file("never.par"), SaveFilter::Configuration};
    dialogs.purgon.reset();
    EXPECT_EQ(SaveAsCommand(dialogs, context).outcome, CommandOutcome::Cancelled);
    EXPECT_FALSE(fs::exists(dir.file("never.par")));
    EXPECT_TRUE(ws.ParImage == before);
    EXPECT_TRUE(ws.Modified);
}

TEST_F(SaveCommandsTest, SaveAsAsksForPurgonFileOnlyWhenAControllerCanBeCarried) {
    struct Case {
        const char* name;
        uint8_t typeCode, slotMask, slot2, slot3;
        bool asked;
    };
    const Case cases[] = {
        {"no controller", 0, 1, 153, 0, false},
        {"attached", 79, 2, 0, 0, true},
        {"carrier 153 in slot II", 80, 0, 153, 0, true},
        {"carrier 189 in slot III", 79, 0, 0, 189, true},
        {"carrier only in slot I", 79, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        ScriptedDialogs d;
        d.front = SaveAsAnswer{dir.file("a.par"), SaveFilter::Configuration};
        d.purgon = dir.file("a02.par");
        TDevice& device = Ws().Device;
        device.Purgon.TypeCode = c.typeCode;
        device.Purgon.SlotMask = c.slotMask;
        device.Slot[0].Code = 153;
        device.Slot[1].Code = c.slot2;
        device.Slot[2].Code = c.slot3;
        EXPECT_EQ(SaveAsCommand(d, context).outcome, CommandOutcome::Done) << c.name;
        EXPECT_EQ(d.purgonProposals.size(), c.asked ? 1u : 0u) << c.name;
        EXPECT_EQ(Ws().PurgonFileName, c.asked ? dir.file("a02.par") : "") << c.name;
    }
}

TEST_F(SaveCommandsTest, QuerySaveChangesGoesOnOnlyWhenTheChangesAreSafe) {
    Workspace& ws = Ws();
    EXPECT_TRUE(QuerySaveChanges(dialogs, context));  // nothing changed: not asked
    EXPECT_EQ(dialogs.saveChangesAsked, 0);

    ws.Modified = true;
    dialogs.saveChanges = SaveChangesAnswer::Cancel;
    EXPECT_FALSE(QuerySaveChanges(dialogs, context));
    dialogs.saveChanges = SaveChangesAnswer::No;
    EXPECT_TRUE(QuerySaveChanges(dialogs, context));
    context.noSaveQuestion = true;
    EXPECT_TRUE(QuerySaveChanges(dialogs, context));
    EXPECT_EQ(dialogs.saveChangesAsked, 2);
    context.noSaveQuestion = false;

    // Yes with a write that fails keeps the data set and reports why.
    dialogs.saveChanges = SaveChangesAnswer::Yes;
    ws.FrontFileName = dir.file("gone/f.par");
    CommandResult saved;
    EXPECT_FALSE(QuerySaveChanges(dialogs, context, &saved));
    EXPECT_EQ(saved.outcome, CommandOutcome::WriteFailed);
    EXPECT_TRUE(ws.Modified);
    EXPECT_EQ(saved.message(1).rfind("The data could not be saved: " + dir.file("gone/f.par") + ": ", 0), 0u);

    ws.FrontFileName = dir.file("f.par");
    EXPECT_TRUE(QuerySaveChanges(dialogs, context));
    EXPECT_FALSE(ws.Modified);
    EXPECT_TRUE(fs::exists(dir.file("f.par")));
}

// Another program (or a second window) saved the opened files since they were loaded: "Speichern" asks
// before it goes over them, and No keeps their content and the data set changed. The window's own save
// is no such change.
TEST_F(SaveCommandsTest, SaveAsksBeforeGoingOverFilesChangedByOthers) {
    const auto [front, purgon] = ImageBuilder().purgon().frontSerial(1).writeFiles(dir);
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    Workspace& ws = Ws();
    ws.Modified = true;
    EXPECT_EQ(SaveCommand(dialogs, context).outcome, CommandOutcome::Done);
    EXPECT_TRUE(dialogs.changedAsked.empty());

    ImageBuilder().purgon().frontSerial(2).writeFiles(dir);  // someone else's save
    const std::vector<uint8_t> theirs = ReadWholeFile(front);
    ws.Modified = true;
    EXPECT_EQ(SaveCommand(dialogs, context).outcome, CommandOutcome::Cancelled);
    EXPECT_EQ(dialogs.changedAsked, std::vector<std::string>{front});
    EXPECT_EQ(ReadWholeFile(front), theirs);
    EXPECT_TRUE(ws.Modified);

    dialogs.overwriteChanged = true;
    EXPECT_EQ(SaveCommand(dialogs, context).outcome, CommandOutcome::Done);
    EXPECT_NE(ReadWholeFile(front), theirs);
    EXPECT_EQ(dialogs.changedAsked.size(), 2u);

    // "Speichern unter..." onto the changed file asks too; the variant stays when the answer is No.
    ImageBuilder().purgon().frontSerial(3).writeFiles(dir);
    dialogs.overwriteChanged = false;
    dialogs.front = SaveAsAnswer{front, SaveFilter::ParameterSet};
    ws.Modified = true;
    EXPECT_EQ(SaveAsCommand(dialogs, context).outcome, CommandOutcome::Cancelled);
    EXPECT_EQ(dialogs.changedAsked.size(), 3u);
    EXPECT_EQ(ws.ParImage.u8(6), 'B');
}

// A document never replaces a file of the opened data set, by whatever name it is given.
TEST_F(SaveCommandsTest, OpenedDataSetFilesAreKnownByAnyName) {
    const auto [front, purgon] = ImageBuilder().purgon().writeFiles(dir);
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    fs::create_hard_link(purgon, dir.file("hard.par"));
    fs::create_symlink(front, dir.file("link.par"));
    EXPECT_TRUE(IsOpenedDataSetFile(front));
    EXPECT_TRUE(IsOpenedDataSetFile(dir.file("hard.par")));
    EXPECT_TRUE(IsOpenedDataSetFile(dir.file("link.par")));
    EXPECT_TRUE(IsOpenedDataSetFile(dir.file("./BACKUP02.PAR")));
    EXPECT_FALSE(IsOpenedDataSetFile(dir.file("report.pdf")));
}

TEST_F(SaveCommandsTest, CardSaveWritesConfigurationIntoTheBackupFolder) {
    Workspace& ws = Ws();
    ws.ParImage.setU8(6, 'P');
    EXPECT_EQ(CardSaveCommand(dialogs, "").outcome, CommandOutcome::NoCardDrive);

    // A card without a BACKUP folder gets one; no controller: only BACKUP01.PAR, always 'B'.
    EXPECT_EQ(CardSaveCommand(dialogs, dir.path().string()).outcome, CommandOutcome::Done);
    const std::string folder = dir.file("BACKUP");
    EXPECT_EQ(Variant(folder + "/BACKUP01.PAR"), 'B');
    EXPECT_FALSE(fs::exists(folder + "/BACKUP02.PAR"));
    EXPECT_EQ(ws.FrontFileName, folder + "/BACKUP01.PAR");
    EXPECT_EQ(ws.PurgonFileName, "");
    EXPECT_EQ(dialogs.overwriteAsked, 0);

    // Existing files: asked first; No writes nothing.
    AttachPurgon();
    dialogs.overwrite = false;
    EXPECT_EQ(CardSaveCommand(dialogs, dir.path().string()).outcome, CommandOutcome::Cancelled);
    EXPECT_FALSE(fs::exists(folder + "/BACKUP02.PAR"));
    dialogs.overwrite = true;
    EXPECT_EQ(CardSaveCommand(dialogs, dir.path().string()).outcome, CommandOutcome::Done);
    EXPECT_EQ(ReadWholeFile(folder + "/BACKUP02.PAR").size(), kPurgonSize);
    EXPECT_EQ(dialogs.overwriteAsked, 2);

    // A mount path that does not exist: the folder cannot be created.
    const CommandResult missing = CardSaveCommand(dialogs, dir.file("nocard"));
    EXPECT_EQ(missing.outcome, CommandOutcome::CardFolderNotCreatable);
    EXPECT_EQ(missing.message(1), "Cannot create " + dir.file("nocard") + "/BACKUP/");
    EXPECT_EQ(missing.message(0), "Verzeichnis kann nicht erstellt werden: " + dir.file("nocard") + "/BACKUP/");
}

TEST_F(SaveCommandsTest, CardNamesAreFoundInAnyCase) {
    // A FAT card listed in lower case: the existing names are reused, not duplicated.
    fs::create_directory(dir.file("backup"));
    const auto [front, purgon] = ImageBuilder().purgon().writeFiles(dir, "backup/backup01.par", "backup/Backup02.Par");
    EXPECT_EQ(FindCardFolder(dir.path().string()), dir.file("backup"));
    EXPECT_EQ(FindCardFile(dir.file("backup"), "BACKUP02.PAR"), purgon);

    EXPECT_EQ(CardOpenCommand(dialogs, context, dir.path().string()).outcome, CommandOutcome::Done);
    EXPECT_EQ(Ws().FrontFileName, front);
    EXPECT_EQ(Ws().PurgonFileName, purgon);

    AttachPurgon();
    EXPECT_EQ(CardSaveCommand(dialogs, dir.path().string()).outcome, CommandOutcome::Done);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("backup")), fs::directory_iterator()), 2);
    EXPECT_EQ(Ws().FrontFileName, front);
}

TEST_F(SaveCommandsTest, CardOpenOutcomes) {
    EXPECT_EQ(CardOpenCommand(dialogs, context, "").message(0), "SmartMedia-Laufwerk nicht g\u00fcltig!");
    const CommandResult none = CardOpenCommand(dialogs, context, dir.path().string());
    EXPECT_EQ(none.outcome, CommandOutcome::NoCardFile);
    EXPECT_EQ(none.message(1), "Configuration file don't exist\r\non SmartMedia Drive");

    // A Purgon file left from an earlier save is read with the FRONT file.
    fs::create_directory(dir.file("BACKUP"));
    const auto [front, purgon] =
        ImageBuilder().purgon().writeFiles(dir, "BACKUP/BACKUP01.PAR", "BACKUP/BACKUP02.PAR");
    Ws().Modified = true;
    dialogs.saveChanges = SaveChangesAnswer::Cancel;
    EXPECT_EQ(CardOpenCommand(dialogs, context, dir.path().string()).outcome, CommandOutcome::Cancelled);
    EXPECT_EQ(Ws().FrontFileName, "");

    dialogs.saveChanges = SaveChangesAnswer::No;
    EXPECT_EQ(CardOpenCommand(dialogs, context, dir.path().string()).outcome, CommandOutcome::Done);
    EXPECT_EQ(Ws().PurgonFileName, purgon);

    test::WriteImageFile(front, ImageBuilder().variant('p').build(), 0, kFrontSize);
    const CommandResult foreign = CardOpenCommand(dialogs, context, dir.path().string());
    EXPECT_EQ(foreign.outcome, CommandOutcome::LoadRefused);
    EXPECT_EQ(foreign.message(1),
              "This file variant is not supported,\n\rit belonged to another device software!\n\n" + front);
}

}  // namespace
}  // namespace tessalin

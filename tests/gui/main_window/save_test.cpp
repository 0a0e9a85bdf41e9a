// Saving from the window: "Speichern", "Speichern unter...", the save question's Yes, a write that
// fails, and the memory card.
#include <QAction>
#include <QComboBox>
#include <QToolButton>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/data_set/write.h"
#include "gui/main_window/card_form.h"
#include "gui/main_window/load_form.h"
#include "main_window_fixture.h"
#include "support/image_builder.h"

namespace tessalin::gui::test {
namespace {

using tessalin::test::ImageBuilder;
using tessalin::test::ReadWholeFile;
using tessalin::test::TempDir;

class SaveTest : public MainWindowTest {
protected:
    // Starts the window with a loaded data set (FRONT file only) and returns its path.
    QString StartWithDataSet(const std::string& name = "SET.PAR") {
        const auto [front, purgon] = ImageBuilder().writeFiles(dir_, name);
        Start({QString::fromStdString(front)});
        form_->AktionsTimerTimer();
        EXPECT_EQ(Ws().LoadError, 0);
        return QString::fromStdString(front);
    }

    void Change(long long index, uint8_t value) {
        Ws().ParImage.setU8(index, value);
        Ws().Modified = true;
        form_->AktionsTimerTimer();
    }

    void ChooseCard(int button) {
        prompter_.OnExec = [button](QDialog& dialog) {
            auto& card = static_cast<TCardForm&>(dialog);
            card.Prepare();
            card.findChild<QComboBox*>("DriveComboBox")->setCurrentIndex(0);  // the first volume, if any
            return button;
        };
    }

    TempDir dir_;
};

TEST_F(SaveTest, SaveWritesTheCurrentFile) {
    const QString front = StartWithDataSet();
    Change(100, 7);
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - SET.PAR *");
    Find<QToolButton>("SaveButton")->click();
    EXPECT_EQ(ReadWholeFile(front.toStdString()).at(100), 7);
    EXPECT_FALSE(Ws().Modified);
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - SET.PAR");
    form_->AktionsTimerTimer();
    EXPECT_FALSE(Find<QToolButton>("SaveButton")->isEnabled());
}

TEST_F(SaveTest, SaveAsFilterDecidesConfigurationOrParameterSet) {
    StartWithDataSet();
    for (const auto& [filter, variant] : {std::pair{1, 'B'}, std::pair{2, 'P'}}) {
        const std::string target = dir_.file("saved" + std::to_string(filter) + ".par");
        prompter_.FileResults = {{true, QString::fromStdString(target), filter}};
        Find<QAction>("Datei_SaveAs")->trigger();
        ASSERT_TRUE(std::filesystem::exists(target)) << filter;
        EXPECT_EQ(ReadWholeFile(target).at(6), variant);
        EXPECT_EQ(Ws().FrontFileName, target);
        EXPECT_EQ(Ws().RecentFiles[0], target);
        EXPECT_EQ(Find<QAction>("N1Dateialt1")->text(), QString::fromStdString("saved" + std::to_string(filter) + ".par"));
    }
    const FileDialogSpec& asked = prompter_.FileDialogs.back();
    EXPECT_EQ(asked.Title, "Vantris-Konfiguration speichern");
    EXPECT_EQ(asked.Filter, "Konfiguration (*.par)|*.par|Parametersatz (*.set)|*.set");
    EXPECT_EQ(asked.FileName, QString::fromStdString(dir_.file("saved1.par")));  // the data set's own file
    EXPECT_EQ(asked.DefaultExt, "par");
}

TEST_F(SaveTest, FailedWriteSaysWhyAndKeepsTheChange) {
    const QString front = StartWithDataSet();
    Change(100, 9);
    const std::string target = dir_.file("no-such-folder/X.PAR");
    prompter_.FileResults = {{true, QString::fromStdString(target), 1}};
    Find<QAction>("Datei_SaveAs")->trigger();
    ASSERT_EQ(prompter_.Messages.size(), 1u);
    EXPECT_EQ(prompter_.Messages[0].Icon, MessageIcon::Error);
    EXPECT_TRUE(prompter_.Messages[0].Text.startsWith("Die Daten konnten nicht gespeichert werden: "));
    EXPECT_TRUE(prompter_.Messages[0].Text.contains(QString::fromStdString(target)));
    EXPECT_TRUE(Ws().Modified);
    EXPECT_EQ(Ws().FrontFileName, front.toStdString());
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - SET.PAR *");
}

// The disk fails at the last step, as a pulled card does: the message names the file and the system's
// reason, the file keeps its old bytes and the data set stays changed.
TEST_F(SaveTest, CardPulledWhileSavingSaysWhyAndKeepsTheOldFile) {
    class PulledCard : public SaveFileOps {
    public:
        int Rename(const std::string&, const std::string&) override {
            errno = EIO;
            return -1;
        }
    } pulled;
    const QString front = StartWithDataSet();
    const std::vector<uint8_t> before = ReadWholeFile(front.toStdString());
    Change(100, 9);
    {
        const ScopedSaveFileOps faulty(pulled);
        Find<QToolButton>("SaveButton")->click();
    }
    ASSERT_EQ(prompter_.Messages.size(), 1u);
    EXPECT_EQ(prompter_.Messages[0].Icon, MessageIcon::Error);
    EXPECT_EQ(prompter_.Messages[0].Text, "Die Daten konnten nicht gespeichert werden: " + front + ": " +
                                              QString::fromUtf8(std::strerror(EIO)));
    EXPECT_EQ(ReadWholeFile(front.toStdString()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
    EXPECT_TRUE(Ws().Modified);
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - SET.PAR *");
}

// Another program saved the opened file meanwhile: "Speichern" asks before going over it; No keeps that
// save and the window's change, Yes writes.
TEST_F(SaveTest, SaveAsksBeforeGoingOverAFileChangedByAnotherProgram) {
    const QString front = StartWithDataSet();
    Change(100, 9);
    ImageBuilder().frontSerial(4711).writeFiles(dir_, "SET.PAR");
    const std::vector<uint8_t> theirs = ReadWholeFile(front.toStdString());
    prompter_.Answers = {MessageAnswer::No};
    Find<QToolButton>("SaveButton")->click();
    ASSERT_EQ(prompter_.Messages.size(), 1u);
    EXPECT_EQ(prompter_.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_TRUE(prompter_.Messages[0].Text.contains("von einem anderen Programm oder Fenster ge\u00e4ndert"));
    EXPECT_TRUE(prompter_.Messages[0].Text.endsWith(front));
    EXPECT_EQ(ReadWholeFile(front.toStdString()), theirs);
    EXPECT_TRUE(Ws().Modified);

    prompter_.Answers = {MessageAnswer::Yes};
    Find<QToolButton>("SaveButton")->click();
    EXPECT_EQ(ReadWholeFile(front.toStdString()).at(100), 9);
    EXPECT_FALSE(Ws().Modified);
}

TEST_F(SaveTest, YesInTheSaveQuestionSavesFirstThenGoesOn) {
    const QString front = StartWithDataSet();
    const auto [next, nextPurgon] = ImageBuilder().writeFiles(dir_, "NEXT.PAR");
    Change(100, 5);
    prompter_.Answers = {MessageAnswer::Yes};
    form_->RequestLoad(QString::fromStdString(next), "");
    form_->AktionsTimerTimer();
    EXPECT_EQ(ReadWholeFile(front.toStdString()).at(100), 5);
    EXPECT_EQ(Ws().FrontFileName, next);
}

TEST_F(SaveTest, MemoryCardSavesAndOpensTheBackupFolder) {
    TempDir card;
    StartWithDataSet();
    form_->CardForm().SetMountSource([&card] { return std::vector<std::string>{card.path().string()}; });
    ChooseCard(TCardForm::kSave);
    Find<QToolButton>("CardButton")->click();
    const std::string cardFront = (card.path() / "BACKUP" / "BACKUP01.PAR").string();
    ASSERT_TRUE(std::filesystem::exists(cardFront));
    EXPECT_EQ(ReadWholeFile(cardFront).at(6), 'B');
    EXPECT_EQ(form_->CardDrive(), QString::fromStdString(card.path().string()));

    // saving again asks first; No writes nothing
    Change(100, 3);
    prompter_.Answers = {MessageAnswer::No};
    Find<QAction>("Speicherkarte1")->trigger();
    ASSERT_EQ(prompter_.Messages.size(), 1u);
    EXPECT_EQ(prompter_.Messages[0].Caption, "SmartMedia Card - Tessalin 3000");
    EXPECT_EQ(prompter_.Messages[0].Text, "Konfiguration auf der SmartMedia-Card überschreiben?");
    EXPECT_NE(ReadWholeFile(cardFront).at(100), 3);

    // opening from the card (after answering No to the save question) loads the card's data set
    ChooseCard(TCardForm::kOpen);
    prompter_.Answers = {MessageAnswer::No};
    Find<QAction>("Speicherkarte1")->trigger();
    EXPECT_EQ(Ws().FrontFileName, cardFront);
    EXPECT_FALSE(Ws().Modified);
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - BACKUP01.PAR");
}

TEST_F(SaveTest, MemoryCardWithoutVolumeOrFileSaysSo) {
    TempDir emptyCard;
    StartWithDataSet();
    struct Case {
        std::vector<std::string> mounts;
        const char* text;
    };
    for (const Case& c : {Case{{}, "SmartMedia-Laufwerk nicht gültig!"},
                          Case{{emptyCard.path().string()},
                               "Die Konfigurationsdatei existiert nicht\r\nauf dem SmartMedia-Laufwerk"}}) {
        prompter_.Messages.clear();
        form_->CardForm().SetMountSource([mounts = c.mounts] { return mounts; });
        ChooseCard(TCardForm::kOpen);
        Find<QAction>("Speicherkarte1")->trigger();
        ASSERT_EQ(prompter_.Messages.size(), 1u) << c.text;
        EXPECT_EQ(prompter_.Messages[0].Caption, "SmartMedia Card - Tessalin 3000");
        EXPECT_EQ(prompter_.Messages[0].Text, QString::fromUtf8(c.text));
        EXPECT_EQ(prompter_.Messages[0].Icon, MessageIcon::Error);
    }
}

}  // namespace
}  // namespace tessalin::gui::test

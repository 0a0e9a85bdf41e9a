// The window as a user meets it day to day: refused files say which and why, saving never writes a
// file the user did not choose nor a data set without a device, leaving fields unchanged changes
// nothing, the page survives a refused load and a language switch, and the keyboard reaches everything.
#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <filesystem>
#include <tuple>

#include "core/data_set/image_checks.h"
#include "core/data_set/load_messages.h"
#include "core/device/load_data_set.h"
#include "core/tree/device_tree.h"
#include "gui/common/toolkit_language.h"
#include "gui/main_window/load_form.h"
#include "gui/page/form_page.h"
#include "gui/page/number_edit.h"
#include "gui/page/page_controls.h"
#include "main_window_fixture.h"
#include "support/image_builder.h"

namespace tessalin::gui::test {
namespace {

using tessalin::test::ImageBuilder;
using tessalin::test::ReadWholeFile;
using tessalin::test::TempDir;

// A pH module in slot [I]: its "Kalibrierdaten" page starts with two text fields and then numbers.
ImageBuilder PhSet() { return ImageBuilder().base(1).slot(0, 3, 0, 1).record(0, {8, 0x12, 1, 0, 7}); }

class EverydayTest : public MainWindowTest {
protected:
    QString WriteSet(const std::string& folder, const ImageBuilder& builder) {
        std::filesystem::create_directories(dir_.path() / folder);
        return QString::fromStdString(builder.writeFiles(dir_, folder + "/BACKUP01.PAR").first);
    }
    // A FRONT file whose checksum no longer matches.
    QString WriteDamaged(const std::string& folder) {
        const QString path = WriteSet(folder, PhSet());
        ParImageBuffer image = PhSet().build();
        image.setU8(5000, 1);
        tessalin::test::WriteImageFile(path.toStdString(), image, 0, kFrontSize);
        return path;
    }
    void AnswerLoadDialog(const QString& front) {
        prompter_.OnExec = [front](QDialog& dialog) {
            static_cast<TLoadForm&>(dialog).SetFiles(front, QString());
            return int(QDialog::Accepted);
        };
    }
    void Open(const QString& front) {
        AnswerLoadDialog(front);
        Find<QAction>("Datei_Open")->trigger();
    }
    QTreeWidgetItem* TreeItem(const QString& text) {
        const auto items = Find<QTreeWidget>("DeviceTree")->findItems(text, Qt::MatchContains | Qt::MatchRecursive);
        EXPECT_EQ(items.size(), 1) << text.toStdString();
        return items.isEmpty() ? nullptr : items[0];
    }
    // Selects the node and lets the timer build its page.
    void ShowPage(const QString& nodeText) {
        Find<QTreeWidget>("DeviceTree")->setCurrentItem(TreeItem(nodeText));
        form_->AktionsTimerTimer();
    }
    QList<QLineEdit*> PageEdits() const { return form_->Page().Formpage->findChildren<QLineEdit*>(); }
    const MessageCall& LastMessage() const { return prompter_.Messages.back(); }

    TempDir dir_;
};

TEST_F(EverydayTest, EveryWayOfOpeningARefusedFileSaysWhichAndWhy) {
    const QString missing = QString::fromStdString(dir_.file("gone/BACKUP01.PAR"));
    const QString damaged = WriteDamaged("damaged");

    // Command line.
    Start({missing});
    form_->AktionsTimerTimer();
    ASSERT_EQ(prompter_.Messages.size(), 1u);
    EXPECT_EQ(LastMessage().Caption, "Tessalin 3000");
    EXPECT_EQ(LastMessage().Icon, MessageIcon::Error);
    EXPECT_TRUE(LastMessage().Text.contains(missing));
    EXPECT_TRUE(LastMessage().Text.contains("Die Datei existiert nicht."));

    // "Öffnen...".
    Open(damaged);
    ASSERT_EQ(prompter_.Messages.size(), 2u);
    EXPECT_TRUE(LastMessage().Text.contains(damaged));
    EXPECT_TRUE(LastMessage().Text.contains(QString::fromUtf8("Die Prüfsumme stimmt nicht")));

    // A drop, in English.
    Find<QAction>("EnglischVtr")->trigger();
    form_->RequestLoad(damaged, QString());
    form_->AktionsTimerTimer();
    ASSERT_EQ(prompter_.Messages.size(), 3u);
    EXPECT_TRUE(LastMessage().Text.startsWith("The file cannot be loaded:\n" + damaged));
    EXPECT_TRUE(LastMessage().Text.contains("The checksum does not match"));

    // A sound FRONT file given as the Purgon file of the pair: named, and told apart from damage.
    const QString front = WriteSet("pair", PhSet());
    prompter_.OnExec = [front](QDialog& dialog) {
        static_cast<TLoadForm&>(dialog).SetFiles(front, front);
        return int(QDialog::Accepted);
    };
    Find<QAction>("Datei_Open")->trigger();
    ASSERT_EQ(prompter_.Messages.size(), 4u);
    EXPECT_TRUE(LastMessage().Text.startsWith("The file cannot be loaded:\n" + front));
    EXPECT_TRUE(LastMessage().Text.contains(
        "The file is a FRONT configuration; the Purgon configuration of the data set belongs here."));
    EXPECT_FALSE(LastMessage().Text.contains("checksum"));
}

TEST_F(EverydayTest, ARecentEntryWhoseFileIsGoneIsOfferedForRemoval) {
    Start();
    const QString kept = WriteSet("kept", PhSet());
    const QString gone = WriteSet("gone", PhSet());
    Open(gone);
    Open(kept);
    std::filesystem::remove(gone.toStdString());
    ASSERT_EQ(Ws().RecentFiles[1], gone.toStdString());

    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        prompter_.Answers = {answer};
        Find<QAction>("N2Dateialt1")->trigger();
        EXPECT_EQ(LastMessage().Buttons, MessageButtons::YesNo);
        EXPECT_TRUE(LastMessage().Text.contains(gone));
        EXPECT_TRUE(LastMessage().Text.contains(QString::fromUtf8("aus der Liste der zuletzt geöffneten Dateien")));
        EXPECT_EQ(Ws().FrontFileName, kept.toStdString());  // the data set stays
    }
    EXPECT_EQ(Ws().RecentFiles[0], kept.toStdString());
    EXPECT_EQ(Ws().RecentFiles[1], "");
    EXPECT_FALSE(Find<QAction>("N2Dateialt1")->isVisible());
}

TEST_F(EverydayTest, ThePageComesBackAfterARefusedLoad) {
    Start();
    Open(WriteSet("ph", PhSet()));
    ShowPage("Kalibrierdaten");
    const int edits = static_cast<int>(PageEdits().size());
    ASSERT_GT(edits, 0);

    Open(WriteDamaged("damaged"));
    EXPECT_EQ(Ws().LoadError, kLoadChecksum);
    form_->AktionsTimerTimer();
    EXPECT_EQ(PageEdits().size(), edits);
    EXPECT_NE(form_->ParamPage().Model().title.find("Kalibrierdaten"), std::string::npos);
}

TEST_F(EverydayTest, SavingNeedsADeviceAndProposesOnlyTheDataSetsOwnFile) {
    Start();
    auto* save = Find<QAction>("Datei_Save");
    auto* saveAs = Find<QAction>("Datei_SaveAs");
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(saveAs->isEnabled());

    const QString mine = WriteSet("mine", PhSet());
    const QString other = WriteSet("other", PhSet());
    const auto otherBytes = ReadWholeFile(other.toStdString());
    Open(mine);
    EXPECT_TRUE(saveAs->isEnabled());
    Open(WriteDamaged("damaged"));  // the load dialog now names the refused file
    saveAs->trigger();
    ASSERT_EQ(prompter_.FileDialogs.size(), 1u);
    EXPECT_EQ(prompter_.FileDialogs.back().FileName, mine);

    // After "Neu" nothing can be saved, even when something marks the data set changed.
    AnswerLoadDialog(other);
    Find<QAction>("Neu1")->trigger();
    Ws().Modified = true;
    form_->AktionsTimerTimer();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(Find<QToolButton>("SaveButton")->isEnabled());
    EXPECT_FALSE(saveAs->isEnabled());
    prompter_.FileResults = {{true, other, 1}};
    form_->Datei_SaveAsClick();
    form_->Datei_SaveClick();
    EXPECT_EQ(prompter_.FileDialogs.size(), 1u);
    EXPECT_EQ(ReadWholeFile(other.toStdString()), otherBytes);
}

TEST_F(EverydayTest, TheParameterSetFilterGivesASetFileThatLoadsAgain) {
    Start();
    Open(WriteSet("ph", PhSet()));
    const std::string bare = dir_.file("NAME");
    prompter_.FileResults = {{true, QString::fromStdString(bare), 2}};
    Find<QAction>("Datei_SaveAs")->trigger();
    ASSERT_TRUE(std::filesystem::exists(bare + ".set"));
    EXPECT_FALSE(std::filesystem::exists(bare));
    EXPECT_EQ(ReadWholeFile(bare + ".set").at(6), 'P');
    Open(QString::fromStdString(bare + ".set"));
    EXPECT_EQ(Ws().LoadError, 0);
}

TEST_F(EverydayTest, ALanguageSwitchKeepsTheSelectedNodeItsPageAndTheOpenBranches) {
    Start();
    Open(WriteSet("ph", PhSet()));
    ShowPage("Kalibrierdaten");
    auto* tree = Find<QTreeWidget>("DeviceTree");
    tree->topLevelItem(0)->setExpanded(true);  // the front unit, away from the selection
    const std::string path = NodePath(Ws().Tree.selected);
    Find<QAction>("EnglischVtr")->trigger();
    EXPECT_EQ(NodePath(Ws().Tree.selected), path);
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    EXPECT_TRUE(Find<QTreeWidget>("DeviceTree")->currentItem()->text(0).contains("Calibration data"));
    form_->AktionsTimerTimer();
    EXPECT_NE(form_->ParamPage().Model().title.find("Calibration data"), std::string::npos);
    EXPECT_FALSE(PageEdits().isEmpty());
}

TEST_F(EverydayTest, CommandsWithoutADeviceAreDisabledUntilOneIsLoaded) {
    Start();
    const char* actions[] = {"Datei_SaveAs", "Drucken1", "ExportPDF", "ExportExcel1"};
    const char* buttons[] = {"PrintButton", "ToolButton1", "ToolButton2", "BankButton"};
    for (const char* name : actions) EXPECT_FALSE(Find<QAction>(name)->isEnabled()) << name;
    for (const char* name : buttons) EXPECT_FALSE(Find<QToolButton>(name)->isEnabled()) << name;
    Open(WriteSet("ph", PhSet()));
    for (const char* name : actions) EXPECT_TRUE(Find<QAction>(name)->isEnabled()) << name;
    for (const char* name : buttons) EXPECT_TRUE(Find<QToolButton>(name)->isEnabled()) << name;
    Find<QAction>("Neu1")->trigger();
    for (const char* name : actions) EXPECT_FALSE(Find<QAction>(name)->isEnabled()) << name;
}

TEST_F(EverydayTest, TooltipsTellWhatTheWindowCutsOrRefuses) {
    Start();
    const QString front = WriteSet("ph", PhSet());
    Open(front);
    EXPECT_EQ(Find<QAction>("N1Dateialt1")->toolTip(), front);  // the caption shows the file name only

    // Name labels wider than their column carry their full text; the others none.
    int cut = 0;
    for (const int node : NodesInOrder()) {
        if (Ws().Tree.nodes[node].level == 0) continue;
        DeviceTreeChange(node);
        form_->AktionsTimerTimer();
        for (QLabel* label : form_->Page().Formpage->findChildren<QLabel*>(role::kNameLabel)) {
            EXPECT_EQ(label->toolTip(), label->width() > 150 ? label->text() : QString()) << label->text().toStdString();
            cut += label->width() > 150 ? 1 : 0;
        }
    }
    EXPECT_GT(cut, 0);

    // A red number says why.
    ShowPage("Kalibrierdaten");
    const auto numbers = form_->Page().Formpage->findChildren<NumberEdit*>();
    ASSERT_FALSE(numbers.isEmpty());
    NumberEdit* number = numbers.front();
    QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(number, "12a");
    EXPECT_EQ(number->toolTip(), "Keine Zahl");
    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_EQ(number->toolTip(), "");
}

// Shown windows with real focus: Tab, Shift+Tab, F6 and the shortcuts as the user presses them.
class KeyboardTest : public EverydayTest {
protected:
    void ShowWindow() {
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), static_cast<Qt::Key>(key), modifiers);
    }
    bool FocusOnPage() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && form_->Page().Formpage->isAncestorOf(focus);
    }
};

// Every page of a pH module, tabbed through from the tree to its last control.
TEST_F(KeyboardTest, TabbingThroughThePagesChangesNothing) {
    Start();
    Open(WriteSet("ph", PhSet()));
    ShowWindow();
    const ParImageBuffer before = Ws().ParImage;
    auto* tree = Find<QTreeWidget>("DeviceTree");
    int pages = 0;
    for (const int node : NodesInOrder()) {
        if (Ws().Tree.nodes[node].level == 0) continue;
        DeviceTreeChange(node);
        form_->AktionsTimerTimer();
        tree->setFocus();
        Press(Qt::Key_Tab);
        if (!FocusOnPage()) continue;  // a page without controls
        ++pages;
        for (int step = 0; step < 100 && FocusOnPage(); ++step) Press(Qt::Key_Tab);
    }
    form_->AktionsTimerTimer();

    EXPECT_GT(pages, 3);
    EXPECT_FALSE(Ws().Modified);
    EXPECT_FALSE(Find<QAction>("Datei_Save")->isEnabled());
    EXPECT_TRUE(Ws().ParImage == before);
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - BACKUP01.PAR");
}

TEST_F(KeyboardTest, TreeAndPageAreReachedWithTabShiftTabAndF6) {
    Start();
    Open(WriteSet("ph", PhSet()));
    ShowWindow();
    ShowPage("Kalibrierdaten");
    auto* tree = Find<QTreeWidget>("DeviceTree");
    tree->setFocus();
    Press(Qt::Key_Tab);
    ASSERT_TRUE(FocusOnPage());
    QWidget* first = QApplication::focusWidget();
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), tree);
    Press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), first);
    Press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), tree);

    const struct {
        const char* action;
        QKeySequence keys;
    } shortcuts[] = {{"Neu1", QKeySequence(Qt::CTRL | Qt::Key_N)},        {"Datei_Open", QKeySequence(Qt::CTRL | Qt::Key_O)},
                     {"Datei_Save", QKeySequence(Qt::CTRL | Qt::Key_S)},  {"Drucken1", QKeySequence(Qt::CTRL | Qt::Key_P)},
                     {"Bedienungsanleitung1", QKeySequence(Qt::Key_F1)}};
    for (const auto& s : shortcuts) EXPECT_EQ(Find<QAction>(s.action)->shortcut(), s.keys) << s.action;
    for (const char* menu : {"Datei", "Konfiguration", "Sprache", "Hilfe"})
        EXPECT_TRUE(Find<QMenu>(menu)->title().startsWith('&')) << menu;
}

// The demo data set, opened, edited and saved without the mouse.
TEST_F(KeyboardTest, OpenTheDemoEditANumberAndSaveWithTheKeyboardOnly) {
    for (const char* name : {"BACKUP01.PAR", "BACKUP02.PAR"})
        std::filesystem::copy_file(std::filesystem::path(TESSALIN_EXAMPLES_DIR) / "demo" / name, dir_.path() / name);
    const std::string front = dir_.file("BACKUP01.PAR");
    const auto stored = ReadWholeFile(front);
    prompter_.OnExec = [this](QDialog& dialog) {
        static_cast<TLoadForm&>(dialog).SetFiles(QString::fromStdString(dir_.file("BACKUP01.PAR")),
                                                 QString::fromStdString(dir_.file("BACKUP02.PAR")));
        return int(QDialog::Accepted);
    };
    Start();
    ShowWindow();
    Press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(Ws().FrontFileName, front);

    // Down the tree to the calibration data of the pH module, opening branches on the way.
    auto* tree = Find<QTreeWidget>("DeviceTree");
    tree->setFocus();
    for (int step = 0; step < 200 && !tree->currentItem()->text(0).contains("Kalibrierdaten"); ++step)
        Press(tree->currentItem()->childCount() > 0 && !tree->currentItem()->isExpanded() ? Qt::Key_Right : Qt::Key_Down);
    ASSERT_TRUE(tree->currentItem()->text(0).contains("Kalibrierdaten"));
    form_->AktionsTimerTimer();

    // Tab past the two text fields to the zero point.
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    Press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, "7.25");
    Press(Qt::Key_Tab);
    form_->AktionsTimerTimer();
    ASSERT_TRUE(Find<QAction>("Datei_Save")->isEnabled());

    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(Ws().Modified);
    const auto saved = ReadWholeFile(front);
    EXPECT_NE(saved, stored);
    ASSERT_EQ(saved.size(), kFrontSize);
    for (std::size_t i = 0; i < kFrontSize; ++i) ASSERT_EQ(saved[i], Ws().ParImage.u8(static_cast<long long>(i))) << i;
    ResetWorkspace();
    EXPECT_EQ(LoadDataSet(front, dir_.file("BACKUP02.PAR")).code, 0);
}

// The real message boxes of refused files, in both interface languages: the toolkit's own button
// texts follow the language. With TESSALIN_SCREENSHOT_DIR set the boxes are also saved as pictures.
TEST_F(EverydayTest, TheRealMessageBoxesSpeakTheInterfaceLanguage) {
    Start();
    const LoadResult damaged = LoadDataSet(WriteDamaged("damaged").toStdString(), "");
    const LoadResult missing = LoadDataSet(dir_.file("gone/BACKUP01.PAR"), "");
    QtPrompter real;
    // Shows the box, answers it with its last button and returns the texts of its buttons.
    auto show = [&](const std::string& text, MessageIcon icon, MessageButtons buttons, const QString& picture) {
        QStringList shown;
        QTimer::singleShot(0, [&shown, picture] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            for (QAbstractButton* button : box->buttons()) shown << button->text();
            if (const QByteArray dir = qgetenv("TESSALIN_SCREENSHOT_DIR"); !dir.isEmpty())
                box->grab().save(QString::fromUtf8(dir) + "/" + picture);
            box->buttons().last()->click();
        });
        real.Message(form_.get(), "Tessalin 3000", QString::fromStdString(text), icon, buttons);
        return shown;
    };
    for (const auto& [item, language, yes] : {std::tuple{"DeutschVtr", "de", "&Ja"}, std::tuple{"EnglischVtr", "en", "&Yes"}}) {
        Find<QAction>(item)->trigger();
        const int ui = Ws().UiLanguage;
        EXPECT_EQ(show(LoadRefusedMessage(damaged, ui), MessageIcon::Error, MessageButtons::Ok,
                       QString("refused-%1.png").arg(language)),
                  QStringList{"OK"});
        EXPECT_TRUE(show(ForgetRecentEntryQuestion(missing, ui), MessageIcon::Question, MessageButtons::YesNo,
                         QString("recent-gone-%1.png").arg(language))
                        .contains(QString::fromUtf8(yes)))
            << language;
    }
}

}  // namespace
}  // namespace tessalin::gui::test

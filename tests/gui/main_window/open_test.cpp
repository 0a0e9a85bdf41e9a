// Every way a data set enters the window: the load dialog, a recent-file item, the command line and
// dropped files, each ending in the loader; the save question before the data set is replaced; "Neu".
#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "core/families/menu_registry.h"
#include "core/tree/device_tree.h"
#include "gui/main_window/load_form.h"
#include "gui/page/form_page.h"
#include "main_window_fixture.h"
#include "support/image_builder.h"

namespace tessalin::gui::test {
namespace {

using tessalin::test::ImageBuilder;
using tessalin::test::TempDir;

class OpenTest : public MainWindowTest {
protected:
    // Writes a data set into its own folder; returns {front, purgon} (purgon empty without one).
    std::pair<QString, QString> WriteSet(const std::string& folder, const ImageBuilder& builder) {
        std::filesystem::create_directories(dir_.path() / folder);
        const auto [front, purgon] = builder.writeFiles(dir_, folder + "/BACKUP01.PAR", folder + "/BACKUP02.PAR");
        return {QString::fromStdString(front), QString::fromStdString(purgon)};
    }

    // The load dialog, filled in and confirmed by the user.
    void AnswerLoadDialog(const QString& front, const QString& purgon) {
        prompter_.OnExec = [front, purgon](QDialog& dialog) {
            static_cast<TLoadForm&>(dialog).SetFiles(front, purgon);
            return int(QDialog::Accepted);
        };
    }

    void Drop(const QStringList& paths) {
        auto* mime = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
        mime->setUrls(urls);
        // the drag enters the window first, which makes it the target of the drop
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form_.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form_.get(), &drop);
        delete mime;
    }

    TempDir dir_;
};

TEST_F(OpenTest, OpenThroughTheDialogShowsTheDataSet) {
    Start();
    const auto [front, purgon] = WriteSet("one", ImageBuilder().purgon());
    AnswerLoadDialog(front, purgon);
    Find<QAction>("Datei_Open")->trigger();
    EXPECT_EQ(prompter_.ExecutedDialogs, std::vector<QString>{"TLoadForm"});
    EXPECT_EQ(Ws().LoadError, 0);
    EXPECT_EQ(Ws().FrontFileName, front.toStdString());
    EXPECT_EQ(Ws().PurgonFileName, purgon.toStdString());
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - BACKUP01.PAR / BACKUP02.PAR");
    EXPECT_EQ(Find<QAction>("N1Dateialt1")->text(), "BACKUP01.PAR / BACKUP02.PAR");
    EXPECT_TRUE(Find<QAction>("N1Dateialt1")->isVisible());
    // The rebuilt tree selects the front unit's node, which shows its terminal plan.
    EXPECT_EQ(Find<QTabWidget>("MainPageControl")->currentIndex(), TZandorForm::kPageGrafik);

    // the caption marks a changed data set once the timer has seen the change
    Ws().Modified = true;
    form_->AktionsTimerTimer();
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - BACKUP01.PAR / BACKUP02.PAR *");
    EXPECT_TRUE(Find<QToolButton>("SaveButton")->isEnabled());
}

// The view shows exactly the tree model's nodes, with the model's selection.
void ExpectTreeShowsModel(QTreeWidget* tree) {
    const DeviceTreeState& model = Ws().Tree;
    ASSERT_EQ(tree->topLevelItemCount(), static_cast<int>(model.roots.size()));
    int shown = 0;
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        const int node = (*it)->data(0, Qt::UserRole).toInt();
        EXPECT_EQ((*it)->text(0).toStdString(), model.nodes.at(static_cast<std::size_t>(node)).text);
        ++shown;
    }
    EXPECT_EQ(shown, static_cast<int>(NodesInOrder().size()));
    if (model.selected >= 0) {
        ASSERT_NE(tree->currentItem(), nullptr);
        EXPECT_EQ(tree->currentItem()->data(0, Qt::UserRole).toInt(), model.selected);
    }
}

TEST_F(OpenTest, TreeFollowsTheModelThroughLoadLanguageAndNew) {
    Start();
    auto* tree = Find<QTreeWidget>("DeviceTree");
    // A pH module in slot [I], whose menus the tree shows in the device language.
    const auto set = WriteSet("tree", ImageBuilder().base(1).slot(0, 3, 0, 1).record(0, {8, 0x12, 1, 0, 7}));
    AnswerLoadDialog(set.first, "");
    Find<QAction>("Datei_Open")->trigger();
    ExpectTreeShowsModel(tree);
    EXPECT_EQ(Find<QTabWidget>("MainPageControl")->currentIndex(), static_cast<int>(Ws().Tree.activeTab));
    auto treeHas = [tree](const QString& text) {
        return !tree->findItems(text, Qt::MatchContains | Qt::MatchRecursive).isEmpty();
    };
    EXPECT_TRUE(treeHas("Kalibrierdaten"));

    Find<QAction>("EnglischVtr")->trigger();
    ExpectTreeShowsModel(tree);
    EXPECT_TRUE(treeHas("Calibration data"));
    EXPECT_FALSE(treeHas("Kalibrierdaten"));

    Find<QAction>("Neu1")->trigger();
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_EQ(Find<QTabWidget>("MainPageControl")->currentIndex(), TZandorForm::kPageDescription);
}

TEST_F(OpenTest, SelectingAUnitShowsItsTerminalPlan) {
    Start();
    auto* tree = Find<QTreeWidget>("DeviceTree");
    const auto set = WriteSet("plan", ImageBuilder().base(1).slot(0, 3, 0, 1).record(0, {8, 0x12, 1, 0, 7}));
    AnswerLoadDialog(set.first, "");
    Find<QAction>("Datei_Open")->trigger();
    const auto items = tree->findItems("PH 2400", Qt::MatchContains);
    ASSERT_EQ(items.size(), 1);
    tree->setCurrentItem(items[0]);
    EXPECT_EQ(Find<QTabWidget>("MainPageControl")->currentIndex(), TZandorForm::kPageGrafik);
    const QImage plan = Find<QWidget>("GrafikImage")->grab().toImage();
    EXPECT_EQ(plan.size(), QSize(500, 600));
    EXPECT_EQ(plan.pixel(499, 599) & 0xFFFFFF, 0xF0F0F0u);  // the button face
    EXPECT_NE(plan.pixel(100, 90) & 0xFFFFFF, 0xF0F0F0u);   // the module drawn
}

TEST_F(OpenTest, SelectingAMenuNodeShowsItsPageAsSoonAsTheClickIsOver) {
    Start();
    auto* tree = Find<QTreeWidget>("DeviceTree");
    const auto set = WriteSet("page", ImageBuilder().base(1).slot(0, 3, 0, 1).record(0, {8, 0x12, 1, 0, 7}));
    AnswerLoadDialog(set.first, "");
    Find<QAction>("Datei_Open")->trigger();
    const auto items = tree->findItems("Kalibrierdaten", Qt::MatchContains | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    Find<QTimer>("AktionsTimer")->stop();  // no waiting for the timer's next tick
    tree->setCurrentItem(items[0]);
    EXPECT_EQ(Find<QTabWidget>("MainPageControl")->currentIndex(), TZandorForm::kPageParameter);
    QWidget* panel = form_->Page().Formpage;
    EXPECT_TRUE(panel->findChildren<QWidget*>().isEmpty());  // built after the click, not in it
    QTest::qWait(10);
    EXPECT_FALSE(panel->findChildren<QLineEdit*>().isEmpty());
    EXPECT_FALSE(form_->ParamPage().Model().rows.empty());
    EXPECT_NE(form_->ParamPage().Model().title.find("Kalibrierdaten"), std::string::npos);
}

TEST_F(OpenTest, CancelInTheSaveQuestionKeepsTheDataSet) {
    Start();
    const auto first = WriteSet("one", ImageBuilder());
    const auto second = WriteSet("two", ImageBuilder().version('7', '1'));
    AnswerLoadDialog(first.first, "");
    Find<QAction>("Datei_Open")->trigger();
    Ws().Modified = true;
    form_->AktionsTimerTimer();
    const ParImageBuffer image = Ws().ParImage;

    AnswerLoadDialog(second.first, "");
    prompter_.ExecutedDialogs.clear();
    prompter_.Answers = {MessageAnswer::Cancel};
    Find<QToolButton>("OpenButton")->click();
    form_->RequestLoad(second.first, "");
    prompter_.Answers = {MessageAnswer::Cancel};
    form_->AktionsTimerTimer();
    prompter_.Answers = {MessageAnswer::Cancel};
    Find<QAction>("N1Dateialt1")->trigger();

    EXPECT_EQ(prompter_.Messages.size(), 3u);
    EXPECT_TRUE(prompter_.ExecutedDialogs.empty());
    EXPECT_EQ(Ws().FrontFileName, first.first.toStdString());
    EXPECT_TRUE(Ws().ParImage == image);
    EXPECT_TRUE(Ws().Modified);
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - BACKUP01.PAR *");

    // No goes on without saving
    prompter_.Answers = {MessageAnswer::No};
    Find<QAction>("Datei_Open")->trigger();
    EXPECT_EQ(Ws().FrontFileName, second.first.toStdString());
    EXPECT_FALSE(Ws().Modified);
}

TEST_F(OpenTest, RecentItemLoadsItsEntryAndMovesItToTheTop) {
    Start();
    const auto a = WriteSet("a", ImageBuilder().purgon());
    const auto b = WriteSet("b", ImageBuilder());
    AnswerLoadDialog(a.first, a.second);
    Find<QAction>("Datei_Open")->trigger();
    AnswerLoadDialog(b.first, "");
    Find<QAction>("Datei_Open")->trigger();
    ASSERT_EQ(Ws().RecentFiles[1], (a.first + " / " + a.second).toStdString());

    Find<QAction>("N2Dateialt1")->trigger();
    EXPECT_EQ(Ws().FrontFileName, a.first.toStdString());
    EXPECT_EQ(Ws().PurgonFileName, a.second.toStdString());
    EXPECT_EQ(form_->LoadForm().FrontFile(), a.first);
    EXPECT_EQ(form_->LoadForm().PurgonFile(), a.second);
    EXPECT_EQ(Find<QAction>("N1Dateialt1")->statusTip(), a.first + " / " + a.second);
    EXPECT_EQ(Find<QAction>("N2Dateialt1")->statusTip(), b.first);
    EXPECT_FALSE(Find<QAction>("N3Dateialt1")->isVisible());
}

TEST_F(OpenTest, CommandLineLoadsAsSoonAsTheWindowIsUp) {
    const auto set = WriteSet("cmd", ImageBuilder().purgon());
    struct Case {
        QStringList arguments;
        std::string purgon;
    };
    for (const Case& c : {Case{{set.first}, ""}, Case{{set.first, set.second}, set.second.toStdString()}}) {
        SCOPED_TRACE(c.arguments.size());
        ResetWorkspace();
        Start(c.arguments);
        EXPECT_EQ(form_->ActionRequest(), TZandorForm::kLoadRequest);
        EXPECT_TRUE(Ws().FrontFileName.empty());
        Find<QTimer>("AktionsTimer")->stop();  // loaded as soon as the window is up, not a tick later
        QTest::qWait(10);
        EXPECT_EQ(form_->ActionRequest(), TZandorForm::kNoAction);
        EXPECT_EQ(Ws().FrontFileName, set.first.toStdString());
        EXPECT_EQ(Ws().PurgonFileName, c.purgon);
        EXPECT_EQ(form_->LoadForm().FrontFile(), set.first);
        Stop();
    }
    Start();
    EXPECT_EQ(form_->ActionRequest(), TZandorForm::kNoAction);
}

TEST_F(OpenTest, DroppedFilesLoadOnlyWithAFrontFile) {
    Start();
    const auto set = WriteSet("drop", ImageBuilder().purgon());
    const auto other = WriteSet("other", ImageBuilder());
    Drop({set.second});
    EXPECT_EQ(form_->ActionRequest(), TZandorForm::kNoAction);

    Drop({other.first, set.second, set.first});
    EXPECT_EQ(form_->ActionRequest(), TZandorForm::kLoadRequest);
    form_->AktionsTimerTimer();
    EXPECT_EQ(Ws().FrontFileName, set.first.toStdString());
    EXPECT_EQ(Ws().PurgonFileName, set.second.toStdString());
}

TEST_F(OpenTest, RefusedFilesLeaveTheDataSetAsItWas) {
    Start();
    const auto good = WriteSet("good", ImageBuilder());
    const auto foreign = WriteSet("foreign", ImageBuilder().variant('p'));
    AnswerLoadDialog(good.first, "");
    Find<QAction>("Datei_Open")->trigger();
    const ParImageBuffer image = Ws().ParImage;

    // another device software's file: the one message of the loader
    AnswerLoadDialog(foreign.first, "");
    Find<QAction>("Datei_Open")->trigger();
    EXPECT_EQ(Ws().LoadError, 8192);
    ASSERT_EQ(prompter_.Messages.size(), 1u);
    EXPECT_EQ(prompter_.Messages[0].Caption, "Tessalin 3000 - Configuration- and Documentation Tool");
    EXPECT_EQ(prompter_.Messages[0].Text,
              "Diese Dateivariante wird nicht unterstützt,\n\rsie gehört zu einer anderen Gerätesoftware!\n\n" +
                  foreign.first);
    EXPECT_EQ(prompter_.Messages[0].Icon, MessageIcon::Error);

    // a missing file
    AnswerLoadDialog(dir_.file("missing/BACKUP01.PAR").c_str(), "");
    Find<QAction>("Datei_Open")->trigger();
    EXPECT_EQ(Ws().LoadError, 4096);
    EXPECT_EQ(prompter_.Messages.size(), 2u);

    EXPECT_EQ(Ws().FrontFileName, good.first.toStdString());
    EXPECT_TRUE(Ws().ParImage == image);
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - BACKUP01.PAR");
    EXPECT_EQ(Ws().RecentFiles[0], good.first.toStdString());
    EXPECT_TRUE(Ws().RecentFiles[1].empty());
}

TEST_F(OpenTest, NewEmptiesTheDataSet) {
    Start();
    const auto set = WriteSet("new", ImageBuilder());
    AnswerLoadDialog(set.first, "");
    Find<QAction>("Datei_Open")->trigger();
    Find<QToolButton>("BankButton")->click();
    Find<QToolButton>("NewButton")->click();
    EXPECT_TRUE(Ws().FrontFileName.empty());
    EXPECT_TRUE(Ws().ParImage == ParImageBuffer());
    EXPECT_FALSE(Ws().ActiveParamSet);
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000");
    EXPECT_EQ(form_->Page().HeaderControl1->model()->headerData(0, Qt::Horizontal, Qt::UserRole).toInt(), 25);
}

TEST_F(OpenTest, BankButtonSwitchesTheParameterSet) {
    Start();
    EXPECT_FALSE(Find<QToolButton>("BankButton")->isEnabled());  // no device, no parameter sets
    AnswerLoadDialog(WriteSet("bank", ImageBuilder()).first, "");
    Find<QAction>("Datei_Open")->trigger();
    auto* header = form_->Page().HeaderControl1;
    for (const auto& [set, image] : {std::pair{true, 26}, std::pair{false, 25}}) {
        Ws().PageRebuildRequest = false;
        Find<QToolButton>("BankButton")->click();
        EXPECT_EQ(Ws().ActiveParamSet, set);
        EXPECT_EQ(header->model()->headerData(0, Qt::Horizontal, Qt::UserRole).toInt(), image);
        EXPECT_TRUE(Ws().PageRebuildRequest);
        form_->AktionsTimerTimer();
        EXPECT_FALSE(Ws().PageRebuildRequest);
    }
}

TEST_F(OpenTest, ARangeErrorWhileBuildingTheTreeIsShownAndTheProgramGoesOn) {
    // Three modules whose menu walks need more node records than the tree has (no real menu is that long).
    static std::vector<TMenuEntry> big(400, TMenuEntry{.level = 1});
    big.back() = TMenuEntry{.level = -1};
    ScopedMenuOverride ph{3, MenuTable{"Big", big.data(), 399}};
    ImageBuilder builder;
    builder.base(1);
    for (int s = 0; s < 3; ++s) {
        builder.slot(s, 3, static_cast<uint8_t>(s), static_cast<uint8_t>(1 << s));
        builder.record(s, {.hwId = 8, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 1});
    }
    const auto [front, purgon] = WriteSet("big", builder);

    for (bool throughTimer : {true, false}) {
        SCOPED_TRACE(throughTimer ? "command line" : "load dialog");
        prompter_.Messages.clear();
        if (throughTimer) {
            Start({front});
            form_->AktionsTimerTimer();
        } else {
            Start();
            AnswerLoadDialog(front, purgon);
            Find<QAction>("Datei_Open")->trigger();
        }
        ASSERT_EQ(prompter_.Messages.size(), 1u);
        EXPECT_EQ(prompter_.Messages[0].Caption, "Tessalin 3000");
        EXPECT_TRUE(prompter_.Messages[0].Text.contains("node record")) << prompter_.Messages[0].Text.toStdString();
        EXPECT_EQ(prompter_.Messages[0].Icon, MessageIcon::Error);
        // The data set is loaded; the window keeps working.
        EXPECT_EQ(Ws().FrontFileName, front.toStdString());
        form_->AktionsTimerTimer();
        EXPECT_EQ(prompter_.Messages.size(), 1u);
        Stop();
    }
}

}  // namespace
}  // namespace tessalin::gui::test

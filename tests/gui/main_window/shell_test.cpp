// The main window as the user meets it: its parts, the languages, hints, the wheel, the timer and
// the settings kept from one start to the next.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

#include "core/documentation/doc_table.h"
#include "gui/common/image_lists.h"
#include "gui/documentation/documentation_grid.h"
#include "gui/main_window/load_form.h"
#include "gui/page/child_form.h"
#include "main_window_fixture.h"

namespace tessalin::gui::test {
namespace {

TEST_F(MainWindowTest, HasEveryComponentUnderItsName) {
    Start();
    for (const char* name : {"Neu1", "Datei_Open", "Datei_Save", "Datei_SaveAs", "Speicherkarte1", "Drucken1",
                             "ExportPDF", "ExportExcel1", "Beenden1", "N5", "N1Dateialt1", "N2Dateialt1",
                             "N3Dateialt1", "N4Dateialt1", "Gertebeschreibung1", "Gertekonfigurationndern1",
                             "DeutschVtr", "EnglischVtr", "FranzVtr", "ItalVtr", "SchwedischVtr", "SpanischVtr",
                             "PolnischVtr", "MorvaneHomepage1", "Bedienungsanleitung1", "InfoberZandor1",
                             "ExpandTree"})
        Find<QAction>(name);
    for (const char* name : {"Datei", "Konfiguration", "Sprache", "Hilfe"}) Find<QMenu>(name);
    for (const char* name : {"NewButton", "OpenButton", "SaveButton", "CardButton", "PrintButton", "ToolButton1",
                             "ToolButton2", "BankButton"}) {
        auto* button = Find<QToolButton>(name);
        EXPECT_EQ(button->size(), QSize(27, 26)) << name;
        EXPECT_EQ(button->iconSize(), QSize(20, 20)) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
    }
    Find<QToolBar>("MainToolBar");
    Find<QSplitter>("MainSplitter");
    Find<QStatusBar>("StatusBar");
    auto* tree = Find<QTreeWidget>("DeviceTree");
    EXPECT_EQ(tree->indentation(), 19);
    EXPECT_EQ(tree->minimumWidth(), 150);

    auto* pages = Find<QTabWidget>("MainPageControl");
    EXPECT_FALSE(pages->tabBar()->isVisibleTo(pages));
    ASSERT_EQ(pages->count(), 4);
    const char* pageNames[] = {"HWConfTabSheet", "ParameterTabSheet", "GrafikTabSheet", "PrintTabSheet"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pages->widget(i)->objectName(), pageNames[i]);
    EXPECT_EQ(pages->tabText(2), "Grafik");
    auto* parameter = pages->widget(1);
    EXPECT_NE(parameter->findChild<QScrollArea*>("ScrollBox1"), nullptr);
    EXPECT_NE(parameter->findChild<QWidget*>("Formpage"), nullptr);
    auto* header = parameter->findChild<QHeaderView*>("HeaderControl1");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->sectionSize(0), 32);
    EXPECT_EQ(header->sectionSize(1), 410);
    EXPECT_EQ(header->model()->headerData(0, Qt::Horizontal, Qt::UserRole).toInt(), 25);

    auto* timer = Find<QTimer>("AktionsTimer");
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_TRUE(timer->isActive());

    EXPECT_EQ(form_->ChildForm().size(), QSize(455, 304));
    EXPECT_EQ(form_->ChildForm().Page().HeaderControl1->sectionSize(0), 30);
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000");
    EXPECT_TRUE(form_->acceptDrops());
}

TEST(Pictures, EveryNamedPictureExists) {
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 25, 26, 30}) EXPECT_EQ(BilderEnabled(index).size(), QSize(20, 20)) << index;
    for (int index = 1; index <= 10; ++index) EXPECT_EQ(HtmlImage(index).width(), 22) << index;
    EXPECT_TRUE(BilderEnabled(24).isNull());
    EXPECT_TRUE(BilderEnabled(-1).isNull());
    EXPECT_FALSE(NamedBitmap("SPLASH").isNull());
    EXPECT_FALSE(NamedBitmap("REFRESH").isNull());
    EXPECT_FALSE(WindowIcon().isNull());
}

struct LanguageCase {
    const char* item;
    int deviceLanguage;
    int uiLanguage;
    const char* panel0;
    const char* datei;
    const char* open;
    const char* saveHint;
    const char* saveDialogTitle;
};

TEST_F(MainWindowTest, LanguageItemsSwitchBothLanguagesAndRelabel) {
    Start();
    const LanguageCase cases[] = {
        {"EnglischVtr", 1, 1, "English", "&File", "Open...", "Save parameter set", "Save Vantris Configuration"},
        {"ItalVtr", 3, 1, "Italiano", "&File", "Open...", "Save parameter set", "Save Vantris Configuration"},
        {"DeutschVtr", 0, 0, "Deutsch", "&Datei", "Öffnen...", "Gerätekonfiguration speichern",
         "Vantris-Konfiguration speichern"},
        {"PolnischVtr", 6, 1, "Português", "&File", "Open...", "Save parameter set", "Save Vantris Configuration"},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.item);
        Find<QAction>(c.item)->trigger();
        EXPECT_TRUE(Find<QAction>(c.item)->isChecked());
        EXPECT_EQ(Ws().DeviceLanguage, c.deviceLanguage);
        EXPECT_EQ(Ws().UiLanguage, c.uiLanguage);
        EXPECT_EQ(Find<QLabel>("StatusPanel0")->text(), QString::fromUtf8(c.panel0));
        EXPECT_EQ(Find<QMenu>("Datei")->title(), c.datei);
        EXPECT_EQ(Find<QAction>("Datei_Open")->text(), QString::fromUtf8(c.open));
        EXPECT_EQ(Find<QAction>("Datei_Save")->statusTip(), QString::fromUtf8(c.saveHint));
        EXPECT_EQ(Find<QToolButton>("SaveButton")->toolTip(), QString::fromUtf8(c.saveHint));
        EXPECT_EQ(form_->SaveDialog().Title, QString::fromUtf8(c.saveDialogTitle));
    }
    // English texts of the rest of the table, and what stays as it is.
    Find<QAction>("EnglischVtr")->trigger();
    EXPECT_EQ(Find<QMenu>("Hilfe")->title(), "&Help");
    EXPECT_EQ(Find<QAction>("Gertekonfigurationndern1")->text(), "Change Device Configuration");
    EXPECT_EQ(Find<QAction>("InfoberZandor1")->text(), "About Tessalin 3000");
    EXPECT_EQ(Find<QAction>("InfoberZandor1")->statusTip(), "Informations about Tessalin 3000");
    EXPECT_EQ(Find<QAction>("Speicherkarte1")->text(), "SmartMedia-&Card...");
    EXPECT_EQ(Find<QAction>("Speicherkarte1")->statusTip(), "Parameter set interchange with memory card");
    EXPECT_EQ(Find<QAction>("ExportPDF")->statusTip(), "Export as PDF File");
    EXPECT_EQ(Find<QToolButton>("ToolButton1")->toolTip(), "");
    EXPECT_EQ(Find<QAction>("Datei_SaveAs")->text(), "Save &as...");
    EXPECT_EQ(Find<QTabWidget>("MainPageControl")->tabText(0), "Device Description");
    EXPECT_EQ(form_->SaveDialogU().Filter, "Purgon Configuration (*.par)|*.par");
    EXPECT_EQ(form_->ExportPDFDialog().Filter, "Adobe PDF Files (*.pdf)|*.pdf");
    EXPECT_EQ(form_->SaveDialog().Filter, "Configuration (*.par)|*.par|Parameter Set (*.set)|*.set");
    for (const char* name : {"MorvaneHomepage1", "Bedienungsanleitung1", "N6"})
        EXPECT_TRUE(Find<QAction>(name)->isVisible()) << name;
}

TEST_F(MainWindowTest, StartsInTheStoredDeviceLanguage) {
    struct Case {
        int stored;
        const char* checked;
        int device;
        int ui;
        const char* panel0;
    };
    for (const Case& c : {Case{3, "ItalVtr", 3, 1, "Italiano"}, Case{0, "DeutschVtr", 0, 0, "Deutsch"},
                          Case{9, "DeutschVtr", 0, 0, "Deutsch"}}) {
        SCOPED_TRACE(c.stored);
        TestSettings().setValue("Language2", c.stored);
        Start();
        EXPECT_TRUE(Find<QAction>(c.checked)->isChecked());
        EXPECT_EQ(Ws().DeviceLanguage, c.device);
        EXPECT_EQ(Ws().UiLanguage, c.ui);
        EXPECT_EQ(Find<QLabel>("StatusPanel0")->text(), QString::fromUtf8(c.panel0));
        Stop();
    }
}

TEST_F(MainWindowTest, HintsGoToStatusPanelExceptFilePaths) {
    Start();
    auto* panel = Find<QLabel>("StatusPanel1");
    // a menu item's hint, as the menu reports it while the pointer is on the item
    Find<QAction>("Datei_Save")->showStatusText(form_->menuBar());
    EXPECT_EQ(panel->text(), " Gerätekonfiguration speichern");
    // a tool button's hint when the pointer enters it
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(Find<QToolButton>("OpenButton"), &enter);
    EXPECT_EQ(panel->text(), " Gerätekonfiguration aus Datei laden");
    // recent-file items carry paths as hints: the panel stays empty
    Ws().RecentFiles = {"/data/BACKUP01.PAR", "", "", ""};
    form_->ShowRecentFiles();
    Find<QAction>("N1Dateialt1")->showStatusText(form_->menuBar());
    EXPECT_EQ(panel->text(), "");
    form_->ApplicationHint("E:\\BACKUP\\BACKUP01.PAR");
    EXPECT_EQ(panel->text(), "");
}

TEST_F(MainWindowTest, WheelScrollsTheParameterPageOnly) {
    Start();
    form_->resize(900, 600);
    form_->show();
    form_->Page().Formpage->setMinimumHeight(3000);
    auto* pages = Find<QTabWidget>("MainPageControl");
    pages->setCurrentIndex(TZandorForm::kPageParameter);
    QCoreApplication::processEvents();
    QScrollBar* bar = form_->Page().ScrollBox1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);

    // the pointer rests on the middle of what the user sees of the target
    auto wheel = [this](QWidget* target, int delta) {
        const QWidget* view = target == form_->Page().Formpage ? form_->Page().ScrollBox1->viewport() : target;
        const QPointF local = target->mapFrom(view, QPointF(view->width() / 2.0, view->height() / 2.0));
        QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        return QCoreApplication::sendEvent(target, &event);
    };
    QWidget* formpage = form_->Page().Formpage;
    wheel(formpage, -120);
    EXPECT_EQ(bar->value(), 30);
    wheel(formpage, -120);
    EXPECT_EQ(bar->value(), 60);
    wheel(formpage, 120);
    EXPECT_EQ(bar->value(), 30);
    bar->setValue(20);
    wheel(formpage, 120);
    EXPECT_EQ(bar->value(), 0);
    // anywhere but page and tree nothing scrolls
    bar->setValue(50);
    wheel(Find<QStatusBar>("StatusBar"), -120);
    EXPECT_EQ(bar->value(), 50);

    // over the documentation grid the grid scrolls, and the hidden parameter page stays
    DocTable table;
    table.rows.assign(200, DocRow{"", "Menü", "Text", "Wert", ""});
    ShowDocumentationGrid(pages->widget(TZandorForm::kPagePrint), table);
    pages->setCurrentIndex(TZandorForm::kPagePrint);
    QCoreApplication::processEvents();
    auto* grid = pages->widget(TZandorForm::kPagePrint)->findChild<QTableWidget*>("DocumentationGrid");
    ASSERT_NE(grid, nullptr);
    wheel(grid->viewport(), -120);
    EXPECT_GT(grid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(bar->value(), 50);
    form_->close();
}

TEST_F(MainWindowTest, TimerKeepsSaveAndCaptionInStepWithModified) {
    Start();
    auto* save = Find<QAction>("Datei_Save");
    auto* saveButton = Find<QToolButton>("SaveButton");
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(saveButton->isEnabled());
    Ws().Device.Origin = kOriginFile;  // a device's data set
    Ws().FrontFileName = "/data/BACKUP01.PAR";
    Ws().PurgonFileName = "/data/BACKUP02.PAR";
    Ws().Modified = true;
    form_->AktionsTimerTimer();
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(saveButton->isEnabled());
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - BACKUP01.PAR / BACKUP02.PAR *");
    Ws().Modified = false;
    form_->AktionsTimerTimer();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(saveButton->isEnabled());
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000 - BACKUP01.PAR / BACKUP02.PAR");
    // a new data set has no file name and never shows the mark
    Ws().FrontFileName.clear();
    Ws().PurgonFileName.clear();
    Ws().Modified = true;
    form_->AktionsTimerTimer();
    EXPECT_EQ(form_->windowTitle(), "Tessalin 3000");
}

TEST_F(MainWindowTest, SettingsWrittenOnCloseAreReadOnTheNextStart) {
    Start();
    EXPECT_EQ(form_->pos(), QPoint(20, 12));
    EXPECT_EQ(form_->size(), QSize(799, 616));
    form_->move(140, 90);
    form_->resize(1000, 700);
    Find<QAction>("SchwedischVtr")->trigger();
    Ws().RecentFiles = {"/d/one/BACKUP01.PAR / /d/one/BACKUP02.PAR", "/d/two/X&Y.SET", "", ""};
    form_->ShowRecentFiles();
    prompter_.FileResults.push_back({true, "/d/three/BACKUP01.PAR", 1});
    form_->LoadForm().BrowseFront();
    form_->SetExportPath("/d/pdf");
    EXPECT_TRUE(form_->close());
    Stop();

    QSettings stored = TestSettings();
    EXPECT_EQ(stored.value("OpenDir").toString(), "/d/three");
    EXPECT_EQ(stored.value("Language2").toInt(), 4);
    EXPECT_EQ(stored.value("TreeX").toInt(), 295);
    EXPECT_EQ(stored.value("HWConfY").toInt(), 200);
    EXPECT_FALSE(stored.contains("Language1"));
    EXPECT_FALSE(stored.contains("su"));

    Start();
    EXPECT_EQ(form_->pos(), QPoint(140, 90));
    EXPECT_EQ(form_->size(), QSize(1000, 700));
    EXPECT_TRUE(Find<QAction>("SchwedischVtr")->isChecked());
    EXPECT_EQ(Ws().UiLanguage, 1);
    EXPECT_EQ(Ws().RecentFiles[0], "/d/one/BACKUP01.PAR / /d/one/BACKUP02.PAR");
    EXPECT_EQ(Find<QAction>("N1Dateialt1")->statusTip(), "/d/one/BACKUP01.PAR / /d/one/BACKUP02.PAR");
    EXPECT_EQ(Find<QAction>("N1Dateialt1")->text(), "BACKUP01.PAR / BACKUP02.PAR");
    EXPECT_EQ(Find<QAction>("N2Dateialt1")->text(), "X&&Y.SET");
    EXPECT_TRUE(Find<QAction>("N2Dateialt1")->isVisible());
    EXPECT_FALSE(Find<QAction>("N3Dateialt1")->isVisible());
    EXPECT_TRUE(Find<QAction>("N5")->isVisible());
    EXPECT_EQ(form_->LoadForm().OpenFrontDialog().InitialDir, "/d/three");
    EXPECT_EQ(form_->LoadForm().OpenPurgonDialog().InitialDir, "/d/three");
    EXPECT_EQ(form_->ExportPDFDialog().InitialDir, "/d/pdf");
}

TEST_F(MainWindowTest, CloseAsksFirstWhenTheDataSetChanged) {
    Start();
    form_->move(300, 200);
    Ws().Modified = true;
    // Cancel keeps the window and writes nothing
    prompter_.Answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(form_->close());
    ASSERT_EQ(prompter_.Messages.size(), 1u);
    EXPECT_EQ(prompter_.Messages[0].Caption, "Tessalin 3000");
    EXPECT_EQ(prompter_.Messages[0].Text, "Möchten Sie Ihre Daten speichern?\r\nDie Daten wurden geändert.");
    EXPECT_EQ(prompter_.Messages[0].Buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(prompter_.Messages[0].Icon, MessageIcon::Question);
    EXPECT_FALSE(TestSettings().contains("PosX"));
    EXPECT_TRUE(Find<QTimer>("AktionsTimer")->isActive());
    // Yes when the data could not be saved keeps them too
    prompter_.Answers = {MessageAnswer::Yes};
    EXPECT_FALSE(form_->close());
    // No closes without saving
    prompter_.Answers = {MessageAnswer::No};
    EXPECT_TRUE(form_->close());
    EXPECT_EQ(TestSettings().value("PosX").toInt(), 300);
    EXPECT_FALSE(Find<QTimer>("AktionsTimer")->isActive());
    EXPECT_FALSE(form_->acceptDrops());
}

TEST_F(MainWindowTest, ExpertSwitchSkipsTheSaveQuestion) {
    TestSettings().setValue("su", true);
    Start();
    Ws().Modified = true;
    EXPECT_TRUE(form_->QuerySaveChanges());
    EXPECT_TRUE(prompter_.Messages.empty());
}

TEST_F(MainWindowTest, ExpandOpensTheSelectedBranchCompletely) {
    Start();
    auto* tree = Find<QTreeWidget>("DeviceTree");
    auto* top = new QTreeWidgetItem(tree, {"module"});
    auto* menu = new QTreeWidgetItem(top, {"menu"});
    auto* sub = new QTreeWidgetItem(menu, {"submenu"});
    new QTreeWidgetItem(sub, {"page"});
    auto* other = new QTreeWidgetItem(tree, {"other"});
    new QTreeWidgetItem(other, {"page"});
    tree->setCurrentItem(top);
    Find<QAction>("ExpandTree")->trigger();
    EXPECT_TRUE(top->isExpanded());
    EXPECT_TRUE(menu->isExpanded());
    EXPECT_TRUE(sub->isExpanded());
    EXPECT_FALSE(other->isExpanded());
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Open(const QUrl& url) { Urls << url; }
};

TEST_F(MainWindowTest, HelpItemsOpenTheMakersPagesInTheBrowser) {
    Start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    Find<QAction>("MorvaneHomepage1")->trigger();
    Find<QAction>("Bedienungsanleitung1")->trigger();
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(catcher.Urls.size(), 2);
    EXPECT_EQ(catcher.Urls[0].host(), catcher.Urls[1].host());
    EXPECT_NE(catcher.Urls[0], catcher.Urls[1]);
}

}  // namespace
}  // namespace tessalin::gui::test

#include "shell_test.moc"

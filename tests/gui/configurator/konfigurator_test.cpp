// The configurator window driven from the main window as a user drives it: "Neu", the configurator,
// the module list and its buttons, the version and option menus of the tree, OK and Cancel.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "core/configurator/configurator.h"
#include "core/data_set/write.h"
#include "core/history/history.h"
#include "core/device/designations.h"
#include "core/device/load_data_set.h"
#include "gui/configurator/konfigurator_form.h"
#include "gui/main_window/main_window_fixture.h"
#include "gui/widgets/param_treeview.h"
#include "support/image_builder.h"

namespace tessalin::gui::test {
namespace {

constexpr int kRowRole = Qt::UserRole + 1;

// The configurator window as the user sees it while it is open.
class Window {
public:
    explicit Window(QDialog& dialog) : dialog_(dialog) {
        dialog_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog_));
        list_ = dialog_.findChild<QTreeWidget*>("DeviceModulListe");
        tree_ = dialog_.findChild<TParamTreeview*>("DeviceParamTreeview");
    }

    std::vector<int> OfferedCodes() const {
        std::vector<int> codes;
        for (int i = 0; i < list_->topLevelItemCount(); ++i)
            codes.push_back(configurator::kModuleCatalogue[list_->topLevelItem(i)->data(0, kRowRole).toInt()].code);
        return codes;
    }

    // Selects the list row of a module type and presses the add button.
    void Add(int code) {
        for (int i = 0; i < list_->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list_->topLevelItem(i);
            if (configurator::kModuleCatalogue[item->data(0, kRowRole).toInt()].code != code) continue;
            list_->setCurrentItem(item);
            QToolButton* add = Button("SpeedButtonToVTR");
            ASSERT_TRUE(add->isEnabled());
            QTest::mouseClick(add, Qt::LeftButton);
            return;
        }
        FAIL() << "module " << code << " is not offered";
    }

    // Clicks the menu anchor `href` in the tree and chooses `value`.
    void Choose(const QString& href, const QString& value) {
        for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
            if (!TParamTreeview::Markup(*it).contains("href=\"" + href + "\"")) continue;
            tree_->scrollToItem(*it);
            const QRect r = tree_->AnchorRect(*it, 0);
            QTest::mouseClick(tree_->viewport(), Qt::LeftButton, {}, r.center());
            QMenu* menu = tree_->PopupMenu();
            ASSERT_TRUE(menu->isVisible());
            for (QAction* action : menu->actions())
                if (action->text() == value) menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
            QApplication::processEvents();
            return;
        }
        FAIL() << href.toStdString() << " is not in the tree";
    }

    // Selects the tree node of a position (2 front, 1 base, 4..6 slots, 10 Purgon).
    void Select(int position) {
        for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it)
            if ((*it)->data(0, Qt::UserRole + 1).toInt() == position) tree_->setCurrentItem(*it);
    }

    QToolButton* Button(const char* name) const { return dialog_.findChild<QToolButton*>(name); }
    void Press(const char* name) { QTest::mouseClick(dialog_.findChild<QPushButton*>(name), Qt::LeftButton); }
    QTreeWidget* List() const { return list_; }
    TParamTreeview* Tree() const { return tree_; }

private:
    QDialog& dialog_;
    QTreeWidget* list_ = nullptr;
    TParamTreeview* tree_ = nullptr;
};

class KonfiguratorTest : public MainWindowTest {
protected:
    // Runs the configurator from the menu; `drive` acts in the open window.
    int RunConfigurator(const std::function<void(Window&)>& drive) {
        int result = -1;
        prompter_.OnExec = [&](QDialog& dialog) {
            Window window(dialog);
            drive(window);
            dialog.hide();
            result = dialog.result();
            return result;
        };
        Find<QAction>("Gertekonfigurationndern1")->trigger();
        return result;
    }

    std::vector<QString> DeviceTreeTexts() const {
        std::vector<QString> texts;
        auto* tree = form_->findChild<QTreeWidget*>("DeviceTree");
        for (int i = 0; i < tree->topLevelItemCount(); ++i) texts.push_back(tree->topLevelItem(i)->text(0));
        return texts;
    }

    // Starts the window on a data set file (front, base, a pH module) made by the configurator model.
    void StartWithDataSetFile() {
        {
            configurator::Configurator c;
            ASSERT_TRUE(c.addCode(2).ok);
            ASSERT_TRUE(c.addCode(1).ok);
            ASSERT_TRUE(c.addCode(3).ok);
            c.commit();
            ASSERT_TRUE(WriteDataSet(dir_.file("SET01.PAR"), "").ok);
            ResetWorkspace();
        }
        Start({QString::fromStdString(dir_.file("SET01.PAR"))});
        form_->AktionsTimerTimer();
    }

    tessalin::test::TempDir dir_;
};

TEST_F(KonfiguratorTest, NewDeviceAssembledAndCommittedWithOk) {
    Start();
    Find<QAction>("Neu1")->trigger();
    const int result = RunConfigurator([](Window& w) {
        EXPECT_EQ(w.OfferedCodes(), (std::vector<int>{2, 17}));
        w.Add(2);
        w.Choose("sw_ver", "9.x");
        EXPECT_EQ(w.OfferedCodes(), (std::vector<int>{1, 50}));
        w.Add(1);
        w.Add(4);
        w.Add(5);
        w.Add(79);
        w.Choose("optLPAR", "aktiv");
        w.Press("OkButton");
    });
    ASSERT_EQ(result, QDialog::Accepted);

    const TDevice device = Ws().Device;
    EXPECT_EQ(device.Origin, kOriginTool);
    EXPECT_EQ(device.Front.Code, 2);
    EXPECT_EQ(device.Front.SwMajor, '9');
    EXPECT_TRUE((device.Front.Options >> 18) & 1u);
    EXPECT_EQ(device.Base.Code, 1);
    EXPECT_EQ(device.Slot[0].Code, 4);
    EXPECT_EQ(device.Slot[1].Code, 5);
    EXPECT_EQ(device.Purgon.TypeCode, 79);
    EXPECT_TRUE(Ws().Modified);
    form_->AktionsTimerTimer();
    EXPECT_TRUE(Find<QAction>("Datei_Save")->isEnabled());

    // The main tree shows the new device; the description lists it.
    const std::vector<QString> nodes = DeviceTreeTexts();
    const auto shows = [&](const std::string& name) {
        return std::any_of(nodes.begin(), nodes.end(), [&](const QString& t) { return t.contains(QString::fromStdString(name)); });
    };
    EXPECT_TRUE(shows(ModuleName(kPosSlot1, 4)));
    EXPECT_TRUE(shows(ModuleName(kPosSlot2, 5)));
    auto* description = Find<TParamTreeview>("HWConfTreeview");
    EXPECT_EQ(description->topLevelItemCount(), 6);  // front, base, [I], Purgon, [II], [III]

    // Saved and read back: the same device.
    const std::string front = dir_.file("NEW01.PAR"), purgon = dir_.file("NEW02.PAR");
    prompter_.FileResults = {{true, QString::fromStdString(front), 1}, {true, QString::fromStdString(purgon), 1}};
    Find<QAction>("Datei_SaveAs")->trigger();
    ASSERT_FALSE(Ws().Modified);
    ResetWorkspace();
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    const TDevice& reloaded = Ws().Device;
    EXPECT_EQ(reloaded.Front.Code, device.Front.Code);
    EXPECT_EQ(reloaded.Front.SwMajor, device.Front.SwMajor);
    EXPECT_EQ(reloaded.Front.Options, device.Front.Options);
    EXPECT_EQ(reloaded.Base.Code, device.Base.Code);
    for (int s = 0; s < 3; ++s) EXPECT_EQ(reloaded.Slot[s].Code, device.Slot[s].Code) << s;
    EXPECT_EQ(reloaded.Purgon.TypeCode, device.Purgon.TypeCode);
    EXPECT_EQ(reloaded.Purgon.SlotMask, device.Purgon.SlotMask);
}

TEST_F(KonfiguratorTest, CancelLeavesTheLoadedDataSetByteIdentical) {
    StartWithDataSetFile();
    ASSERT_EQ(Ws().Device.Origin, kOriginFile);
    const ParImageBuffer before = Ws().ParImage;
    const TDevice device = Ws().Device;
    // The tree as the user left it: the front unit open, a menu of the module selected.
    auto* deviceTree = Find<QTreeWidget>("DeviceTree");
    deviceTree->topLevelItem(0)->setExpanded(true);
    QTreeWidgetItem* moduleNode = deviceTree->topLevelItem(2);
    ASSERT_GT(moduleNode->childCount(), 0);
    deviceTree->setCurrentItem(moduleNode->child(0));
    const QString selectedText = deviceTree->currentItem()->text(0);

    const int result = RunConfigurator([](Window& w) {
        w.Add(5);
        w.Select(kPosSlot1);
        ASSERT_TRUE(w.Button("SpeedButtonDown")->isEnabled());
        QTest::mouseClick(w.Button("SpeedButtonDown"), Qt::LeftButton);
        w.Select(kPosSlot2);
        QTest::mouseClick(w.Button("SpeedButtonFromVTR"), Qt::LeftButton);
        EXPECT_FALSE(w.Button("SpeedButtonFromVTR")->isEnabled());
        w.Choose("optPUFF", "aktiv");
        w.Press("CancelButton");
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(Ws().ParImage == before);
    EXPECT_EQ(Ws().Device.Slot[0].Code, device.Slot[0].Code);
    EXPECT_EQ(Ws().Device.Origin, kOriginFile);
    EXPECT_FALSE(Ws().Modified);
    // The tree keeps its shape.
    form_->show();
    EXPECT_TRUE(form_->grab().save(QDir::temp().filePath("main_window_after_cancel.png")));
    EXPECT_TRUE(deviceTree->topLevelItem(0)->isExpanded());
    ASSERT_NE(deviceTree->currentItem(), nullptr);
    EXPECT_EQ(deviceTree->currentItem()->text(0), selectedText);
    // The window keeps its placement in the settings.
    EXPECT_TRUE(TestSettings().contains("CSizeX"));
}

TEST_F(KonfiguratorTest, OkWithoutAChangeChangesNothing) {
    StartWithDataSetFile();
    const ParImageBuffer before = Ws().ParImage;
    const QString caption = form_->windowTitle();
    auto* deviceTree = Find<QTreeWidget>("DeviceTree");
    deviceTree->setCurrentItem(deviceTree->topLevelItem(2)->child(0));
    form_->AktionsTimerTimer();
    const QString selectedText = deviceTree->currentItem()->text(0);

    // The user only looks: selects a module, then OK.
    const int result = RunConfigurator([](Window& w) {
        w.Select(kPosSlot1);
        w.Press("OkButton");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    form_->AktionsTimerTimer();
    EXPECT_TRUE(Ws().ParImage == before);
    EXPECT_EQ(Ws().Device.Origin, kOriginFile);
    EXPECT_FALSE(Ws().Modified);
    EXPECT_FALSE(History().CanUndo());
    EXPECT_FALSE(Find<QAction>("Datei_Save")->isEnabled());
    EXPECT_EQ(form_->windowTitle(), caption);
    ASSERT_NE(deviceTree->currentItem(), nullptr);
    EXPECT_EQ(deviceTree->currentItem()->text(0), selectedText);
}

// The status line gives the configurator's reasons in the interface language.
TEST_F(KonfiguratorTest, StatusLineSpeaksTheInterfaceLanguage) {
    Start();
    for (const auto& [languageItem, reason] :
         {std::pair{"DeutschVtr", "Der Steckplatz ist leer"}, std::pair{"EnglischVtr", "the slot is empty"}}) {
        SCOPED_TRACE(languageItem);
        Find<QAction>(languageItem)->trigger();
        Find<QAction>("Neu1")->trigger();
        RunConfigurator([&, item = std::string(languageItem), text = QString::fromUtf8(reason)](Window& w) {
            w.Add(2);
            w.Add(1);
            w.Select(kPosSlot2);
            ASSERT_TRUE(w.Button("SpeedButtonFromVTR")->isEnabled());
            QTest::mouseClick(w.Button("SpeedButtonFromVTR"), Qt::LeftButton);
            QWidget* window = w.List()->window();
            EXPECT_EQ(window->findChild<QLabel*>("KonfiguratorLabel")->text(), text);
            if (const QByteArray dir = qgetenv("TESSALIN_SCREENSHOT_DIR"); !dir.isEmpty()) {
                const QString picture = QString::fromUtf8(dir) + "/configurator_" + QString::fromStdString(item) + ".png";
                EXPECT_TRUE(window->grab().save(picture));
            }
            // The reason belongs to the slot it was given for: another selection clears it, in the tree
            // and in the module list.
            w.Select(kPosFront);
            EXPECT_EQ(window->findChild<QLabel*>("KonfiguratorLabel")->text(), "");
            w.Select(kPosSlot2);
            QTest::mouseClick(w.Button("SpeedButtonFromVTR"), Qt::LeftButton);
            ASSERT_EQ(window->findChild<QLabel*>("KonfiguratorLabel")->text(), text);
            w.List()->setCurrentItem(w.List()->topLevelItem(0));
            EXPECT_EQ(window->findChild<QLabel*>("KonfiguratorLabel")->text(), "");
            w.Press("CancelButton");
        });
    }
}

TEST_F(KonfiguratorTest, EnterRightAfterOpeningClosesWithOkAndChangesNothing) {
    Start();
    Find<QAction>("Neu1")->trigger();
    const int result = RunConfigurator([](Window& w) {
        QTreeWidget* list = w.List();
        list->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(list->window()));
        list->setFocus();
        ASSERT_NE(list->currentItem(), nullptr);  // the list took the focus on its first row
        EXPECT_FALSE(w.Button("SpeedButtonToVTR")->isEnabled());
        EXPECT_TRUE(list->window()->grab().save(QDir::temp().filePath("configurator_opened.png")));
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_FALSE(list->window()->isVisible());
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Ws().Device.Origin, kOriginNone);
    EXPECT_FALSE(Ws().Modified);
}

TEST_F(KonfiguratorTest, AfterOkTheFrontIsShownAndReopeningStartsThereWithEveryUnitsVersionLines) {
    StartWithDataSetFile();
    auto* deviceTree = Find<QTreeWidget>("DeviceTree");
    deviceTree->setCurrentItem(deviceTree->topLevelItem(2)->child(0));
    form_->AktionsTimerTimer();

    RunConfigurator([](Window& w) {
        w.Add(5);
        w.Select(kPosSlot2);
        w.Press("OkButton");
    });
    // The front unit is selected and its terminal plan shown, not an empty page.
    EXPECT_EQ(Find<QTabWidget>("MainPageControl")->currentIndex(), TZandorForm::kPageGrafik);
    EXPECT_EQ(deviceTree->currentItem(), deviceTree->topLevelItem(0));
    form_->show();
    EXPECT_TRUE(form_->grab().save(QDir::temp().filePath("main_window_after_configurator.png")));

    RunConfigurator([](Window& w) {
        EXPECT_TRUE(w.Tree()->window()->grab().save(QDir::temp().filePath("configurator_reopened.png")));
        const QTreeWidgetItem* current = w.Tree()->currentItem();
        ASSERT_NE(current, nullptr);
        EXPECT_EQ(current->data(0, kRowRole).toInt(), kPosFront);
        // The base unit and the module read from the file show software, hardware and serial number.
        for (QTreeWidgetItemIterator it(w.Tree()); *it != nullptr; ++it) {
            const int position = (*it)->data(0, kRowRole).toInt();
            if (position == kPosBase || position == kPosSlot1) {
                EXPECT_EQ((*it)->childCount(), 3) << position;
            }
        }
        w.Press("CancelButton");
    });
}

TEST_F(KonfiguratorTest, KeyboardAloneAddsModulesAndReachesTheMenus) {
    Start();
    Find<QAction>("Neu1")->trigger();
    RunConfigurator([](Window& w) {
        QTreeWidget* list = w.List();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);  // adds the first front, does not close the window
        ASSERT_TRUE(list->window()->isVisible());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);  // the first base
        EXPECT_FALSE(w.OfferedCodes().empty());

        // Every anchor of the tree is reached with the arrow keys and opens with Enter.
        TParamTreeview* tree = w.Tree();
        tree->setFocus();
        tree->setCurrentItem(tree->topLevelItem(0));
        int opened = 0;
        for (int step = 0; step < 60; ++step) {
            if (TParamTreeview::Markup(tree->currentItem()).contains("href=")) {
                QTest::keyClick(tree, Qt::Key_Return);
                EXPECT_TRUE(tree->PopupMenu()->isVisible());
                QTest::keyClick(tree->PopupMenu(), Qt::Key_Escape);
                QApplication::processEvents();
                ++opened;
            }
            QTest::keyClick(tree, Qt::Key_Down);
        }
        EXPECT_GE(opened, 15);  // the version and the options
        w.Press("CancelButton");
    });
    EXPECT_EQ(Ws().Device.Origin, kOriginNone);
}

}  // namespace
}  // namespace tessalin::gui::test

// The splash/about window, the load dialog, the memory-card dialog and the pieces beneath them.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "core/device/designations.h"
#include "gui/main_window/card_form.h"
#include "gui/main_window/load_form.h"
#include "gui/main_window/program_start.h"
#include "gui/main_window/removable_mounts.h"
#include "main_window_fixture.h"

namespace tessalin::gui::test {
namespace {

void FireTimer(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }

class SplashTest : public MainWindowTest {};

TEST_F(SplashTest, StaysFiveSecondsOrHalfASecondWithSU) {
    {
        TZandorInfoForm splash;
        EXPECT_EQ(splash.Timer1()->interval(), 5000);
    }
    TestSettings().setValue("SU", "");
    TZandorInfoForm splash;
    EXPECT_EQ(splash.Timer1()->interval(), 500);
}

TEST_F(SplashTest, SitsWhereTheMainWindowsCornerWas) {
    {
        TZandorInfoForm splash;
        EXPECT_EQ(splash.pos(), QPoint(200 + 799 - 357, 200 + 616 - 306));
    }
    QSettings s = TestSettings();
    s.setValue("PosX", 100);
    s.setValue("PosY", 50);
    s.setValue("SizeX", 900);
    s.setValue("SizeY", 700);
    s.setValue("Language1", 1);
    s.sync();
    TZandorInfoForm splash;
    EXPECT_EQ(splash.pos(), QPoint(100 + 900 - 357, 50 + 700 - 306));
    EXPECT_EQ(splash.size(), QSize(357, 306));
    EXPECT_EQ(Ws().UiLanguage, 1);
}

// Nothing waits for the splash: the main window is up, and the data set of the command line is loaded on
// its first tick, while the splash is still in its minimum time on top of it.
TEST_F(SplashTest, TheMainWindowAndItsDataSetDoNotWaitForTheSplash) {
    const QString front = QString(TESSALIN_EXAMPLES_DIR) + "/demo/BACKUP01.PAR";
    ProgramStart start(prompter_, {front});
    EXPECT_TRUE(start.Splash().isVisible());
    EXPECT_TRUE(start.Window().isVisible());
    start.Window().AktionsTimerTimer();
    EXPECT_EQ(QString::fromStdString(Ws().FrontFileName), front);
    EXPECT_FALSE(Ws().Tree.roots.empty());
    EXPECT_TRUE(start.Splash().Timer1()->isActive());
    EXPECT_TRUE(start.Splash().isVisible());
}

TEST_F(SplashTest, ClosesOnlyWhenBothTimerAndMainWindowAreDone) {
    // main window ready first: the splash waits for its timer
    {
        TZandorInfoForm splash;
        splash.show();
        EXPECT_TRUE(splash.Timer1()->isActive());
        splash.CloseSplash();
        EXPECT_TRUE(splash.isVisible());
        FireTimer(splash.Timer1());
        EXPECT_FALSE(splash.isVisible());
    }
    // timer first: the splash waits for the main window
    {
        TZandorInfoForm splash;
        splash.show();
        FireTimer(splash.Timer1());
        EXPECT_TRUE(splash.isVisible());
        EXPECT_FALSE(splash.Timer1()->isActive());
        splash.CloseSplash();
        EXPECT_FALSE(splash.isVisible());
    }
}

TEST_F(SplashTest, AboutShowsOkInTheInterfaceLanguage) {
    Start();
    auto* ok = splash_->findChild<QPushButton*>("OKButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_FALSE(ok->isVisibleTo(splash_.get()));
    Find<QAction>("EnglischVtr")->trigger();
    bool okShown = false;
    QString caption;
    prompter_.OnExec = [&](QDialog& dialog) {
        dialog.show();
        okShown = ok->isVisible();
        caption = dialog.windowTitle();
        ok->click();
        return dialog.result();
    };
    Find<QAction>("InfoberZandor1")->trigger();
    EXPECT_EQ(prompter_.ExecutedDialogs, std::vector<QString>{"TZandorInfoForm"});
    EXPECT_TRUE(okShown);
    EXPECT_EQ(caption, "About Tessalin 3000");
    EXPECT_FALSE(splash_->isVisible());
    EXPECT_TRUE(splash_->AboutMode());
}

class LoadFormTest : public MainWindowTest {};

TEST_F(LoadFormTest, TextsFollowTheInterfaceLanguage) {
    struct Case {
        int ui;
        const char* caption;
        const char* frontLabel;
        const char* browse;
        const char* open;
    };
    ScriptedPrompter prompter;
    TLoadForm form(prompter);
    EXPECT_EQ(form.FrontFile(), "BACKUP01.PAR");
    EXPECT_EQ(form.PurgonFile(), "");
    for (const Case& c : {Case{0, "Konfigurations-Datei(en) laden", "Konfigurationsdatei FRONT: (z.B. BACKUP01.PAR)",
                               "Durchsuchen ...", "Öffnen"},
                          Case{1, "Load Configuration File(s)", "Coniguration File FRONT: (e.g. BACKUP01.PAR)",
                               "Scan ...", "Open"}}) {
        Ws().UiLanguage = c.ui;
        form.show();
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(form.findChild<QLabel*>("FrontLabel")->text(), QString::fromUtf8(c.frontLabel));
        EXPECT_EQ(form.findChild<QPushButton*>("BrowsePurgonButton")->text(), c.browse);
        EXPECT_EQ(form.findChild<QPushButton*>("LoadButton")->text(), QString::fromUtf8(c.open));
        form.hide();
    }
}

TEST_F(LoadFormTest, BrowseDialogsProposeTheCardNamesAndShareTheFolder) {
    TestSettings().setValue("OpenDir", "/start");
    ScriptedPrompter prompter;
    TLoadForm form(prompter);
    Ws().Device.Front.Code = 17;
    Ws().Device.Front.ExMark = "X";
    const QString frontName = QString::fromStdString(ModuleName(kPosFront, 17));
    const QString family = QString::fromStdString(FamilyDesignation());
    ASSERT_TRUE(frontName.contains("X"));
    const FileDialogSpec front = form.OpenFrontDialog();
    EXPECT_EQ(front.Title, "Konfigurationsdatei " + frontName + " öffnen");
    EXPECT_EQ(front.Filter, family + " Datensatz (*.par,*.set)|*.par;*.set|Konfiguration (*.par)|*.par|"
                            "Parametersatz (*.set)|*.set|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(front.FileName, "BACKUP01.PAR");
    EXPECT_EQ(front.InitialDir, "/start");
    EXPECT_EQ(front.DefaultExt, "par");
    EXPECT_TRUE(front.MustExist);
    Ws().UiLanguage = 1;
    const FileDialogSpec purgon = form.OpenPurgonDialog();
    EXPECT_EQ(purgon.Title, "Open Configuration File " + QString::fromStdString(ModuleName(kPosSlot1, 79)));
    EXPECT_TRUE(purgon.Filter.startsWith(family + " Data Set (*.par,*.set)|*.par;*.set|Configuration"));
    EXPECT_EQ(purgon.FileName, "BACKUP02.PAR");

    // a cancelled dialog changes nothing; a chosen Purgon file fills its field and moves both folders
    form.findChild<QPushButton*>("BrowsePurgonButton")->click();
    EXPECT_EQ(form.PurgonFile(), "");
    prompter.FileResults.push_back({true, "/card/BACKUP/BACKUP02.PAR", 1});
    form.findChild<QPushButton*>("BrowsePurgonButton")->click();
    EXPECT_EQ(form.PurgonFile(), "/card/BACKUP/BACKUP02.PAR");
    EXPECT_EQ(form.FrontFile(), "BACKUP01.PAR");
    EXPECT_EQ(form.OpenFrontDialog().InitialDir, "/card/BACKUP");
    ASSERT_EQ(prompter.FileDialogs.size(), 2u);
    EXPECT_EQ(prompter.FileDialogs[1].InitialDir, "/start");
}

TEST(QtNameFilters, PatternsReplaceTheShownPatterns) {
    EXPECT_EQ(QtNameFilters("V Datensatz (*.par,*.set)|*.par;*.set|Konfiguration (*.par)|*.par|Alle Dateien (*.*)|*.*"),
              QStringList({"V Datensatz (*.par *.set)", "Konfiguration (*.par)", "Alle Dateien (*.*)"}));
    EXPECT_EQ(QtNameFilters("Plain|*.pdf"), QStringList({"Plain (*.pdf)"}));
    EXPECT_EQ(QtNameFilters(""), QStringList());
}

class CardFormTest : public MainWindowTest {};

TEST_F(CardFormTest, ListsTheRemovableVolumesAndPreselectsTheStoredOne) {
    Ws().UiLanguage = 1;  // the card dialog speaks German in both languages
    TCardForm form;
    form.SetMountSource([] { return std::vector<std::string>{"/media/card", "/media/stick"}; });
    form.SetCardDrive("/media/stick");
    form.Prepare();
    auto* list = form.findChild<QComboBox*>("DriveComboBox");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(form.ChosenDrive(), "/media/stick");
    EXPECT_EQ(form.windowTitle(), "SmartMedia Card - Tessalin 3000");
    EXPECT_EQ(form.findChild<QLabel*>("DriveLabel")->text(), "SmartMedia-Laufwerk");
    EXPECT_EQ(form.findChild<QPushButton*>("CardOpenButton")->text(), "Öffnen");
    EXPECT_EQ(form.findChild<QPushButton*>("CardSaveButton")->text(), "Speichern");
    EXPECT_EQ(form.findChild<QPushButton*>("CardCancelButton")->text(), "Abbrechen");

    // a stored volume that is not mounted now, or none stored: nothing chosen
    for (const char* stored : {"/media/gone", ""}) {
        form.SetCardDrive(stored);
        form.Prepare();
        EXPECT_EQ(form.ChosenDrive(), "") << stored;
    }
    form.SetMountSource([] { return std::vector<std::string>{}; });
    form.Prepare();
    EXPECT_EQ(list->count(), 0);
}

TEST_F(CardFormTest, ButtonsGiveOpenSaveOrCancel) {
    TCardForm form;
    form.SetMountSource([] { return std::vector<std::string>{"/media/card"}; });
    for (auto [button, result] : {std::pair{"CardOpenButton", TCardForm::kOpen}, std::pair{"CardSaveButton", TCardForm::kSave},
                                  std::pair{"CardCancelButton", int(QDialog::Rejected)}}) {
        form.show();
        form.findChild<QPushButton*>(button)->click();
        EXPECT_EQ(form.result(), result) << button;
    }
}

TEST_F(CardFormTest, MenuItemStoresTheChosenVolume) {
    Start();
    form_->CardForm().SetMountSource([] { return std::vector<std::string>{"/media/card"}; });
    prompter_.OnExec = [](QDialog& dialog) {
        static_cast<TCardForm&>(dialog).Prepare();
        return int(QDialog::Rejected);
    };
    Find<QAction>("Speicherkarte1")->trigger();
    EXPECT_EQ(form_->CardDrive(), "");
    prompter_.OnExec = [](QDialog& dialog) {
        auto& card = static_cast<TCardForm&>(dialog);
        card.Prepare();
        card.findChild<QComboBox*>("DriveComboBox")->setCurrentIndex(0);
        return TCardForm::kOpen;
    };
    Find<QAction>("Speicherkarte1")->trigger();
    EXPECT_EQ(form_->CardDrive(), "/media/card");
    EXPECT_TRUE(form_->close());
    EXPECT_EQ(TestSettings().value("CardDrive").toString(), "/media/card");
}

TEST(RemovableMountPoints, KeepsRemovableBlockDevicesInTableOrder) {
    const std::string table =
        "sysfs /sys sysfs rw 0 0\n"
        "/dev/sda1 / ext4 rw 0 0\n"
        "/dev/sdb1 /media/SMART\\040CARD vfat rw 0 0\n"
        "/dev/mmcblk0p1 /media/sd vfat rw 0 0\n"
        "/dev/sdb1 /media/SMART\\040CARD vfat rw 0 0\n"
        "/dev/mapper/vg-home /home ext4 rw 0 0\n"
        "garbage\n"
        "/dev/sdc /mnt/whole\\134disk vfat rw 0 0\n";
    const auto removable = [](const std::string& device) {
        return device == "sdb1" || device == "mmcblk0p1" || device == "sdc" || device == "mapper/vg-home";
    };
    EXPECT_EQ(RemovableMountPoints(table, removable),
              (std::vector<std::string>{"/media/SMART CARD", "/media/sd", "/mnt/whole\\disk"}));
    EXPECT_TRUE(RemovableMountPoints(table, [](const std::string&) { return false; }).empty());
}

TEST(RemovableMountPoints, UnknownDeviceIsNotRemovable) {
    EXPECT_FALSE(SystemDeviceIsRemovable("no-such-device-0"));
}

}  // namespace
}  // namespace tessalin::gui::test

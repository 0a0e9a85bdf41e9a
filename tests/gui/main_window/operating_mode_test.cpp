// REFRESH on an operating-mode page: the timer rebuilds the device tree for the new module with the
// operating-mode page still selected and shown.
#include <QPushButton>
#include <QTreeWidget>

#include "core/common/sections.h"
#include "core/workspace.h"
#include "gui/main_window/load_form.h"
#include "gui/page/form_page.h"
#include "main_window_fixture.h"
#include "support/image_builder.h"

namespace tessalin::gui::test {
namespace {

using tessalin::test::ImageBuilder;
using tessalin::test::TempDir;

TEST_F(MainWindowTest, RefreshShowsTheNewSensorWithThePageStillSelected) {
    Start();
    // A digital pH sensor (stored code 30) on a digital-sensor carrier in [I].
    const long long sensorBytes = ParamOffset(At(Section::BUF_FIX, 340), 255, false);
    ImageBuilder builder;
    builder.base(1).slot(0, 30, 0, 1).record(0, {.hwId = 109, .hwVersion = 1}).attach(0, 27).setByte(sensorBytes, 6);
    TempDir dir;
    const auto [front, purgon] = builder.writeFiles(dir);
    prompter_.OnExec = [front = QString::fromStdString(front)](QDialog& dialog) {
        static_cast<TLoadForm&>(dialog).SetFiles(front, "");
        return int(QDialog::Accepted);
    };
    Find<QAction>("Datei_Open")->trigger();
    ASSERT_EQ(Ws().Device.Slot[0].Code, 170);

    auto* tree = Find<QTreeWidget>("DeviceTree");
    const auto items = tree->findItems("Betriebsart", Qt::MatchContains | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    tree->setCurrentItem(items[0]);
    form_->AktionsTimerTimer();

    Ws().ParImage.setU8(0x7003, 6);  // the variable chosen on the page: ORP
    QPushButton* refresh = nullptr;
    for (QPushButton* button : form_->Page().Formpage->findChildren<QPushButton*>())
        if (button->text() == "REFRESH") refresh = button;
    ASSERT_NE(refresh, nullptr);
    refresh->click();
    form_->AktionsTimerTimer();

    EXPECT_EQ(Ws().Device.Slot[0].Code, 174);
    EXPECT_FALSE(tree->findItems("ORP-Offset", Qt::MatchContains | Qt::MatchRecursive).isEmpty());
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_TRUE(tree->currentItem()->text(0).contains("Betriebsart"));
    EXPECT_NE(form_->ParamPage().Model().title.find("Betriebsart"), std::string::npos);
    EXPECT_TRUE(Ws().Modified);
}

}  // namespace
}  // namespace tessalin::gui::test

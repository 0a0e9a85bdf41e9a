// The week-program page of a Purgon controller in the window: each day's time line is painted from the
// core drawing, with its switching points.
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/families/purgon/purgon.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "gui/common/prompter.h"
#include "gui/page/child_form.h"
#include "gui/page/form_page.h"
#include "gui/page/page_controls.h"
#include "gui/page/param_page_frame.h"
#include "gui/page/picture_row.h"
#include "support/configured_device.h"

namespace tessalin::gui {
namespace {

class NoPrompts : public Prompter {
public:
    FileDialogResult OpenFile(QWidget*, const FileDialogSpec&) override { return {}; }
    FileDialogResult SaveFile(QWidget*, const FileDialogSpec&) override { return {}; }
    MessageAnswer Message(QWidget*, const QString&, const QString&, MessageIcon, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    bool Print(QWidget*, QPrinter&) override { return false; }
    int Exec(QDialog& dialog) override { return OnExec ? OnExec(dialog) : QDialog::Rejected; }
    std::function<int(QDialog&)> OnExec;
};

constexpr long long kBlockA = 0x4064;
constexpr int kWeekProgram = 3;
constexpr int kMonday = 4;

// A device whose Purgon controller runs a week program; Monday: program 2 every 1.0 h from 06:00 to
// 09:00, program 1 once at 12:30. Returns the node of the menu entry `menu` of the controller.
int WeekProgramDevice(int menu) {
    EXPECT_TRUE(tessalin::test::BuildThroughConfigurator({.codes = {1, 4, 79}, .major = '9'}));
    SelectLanguage(1);
    Ws().ParImage.setU8(kBlockA + 10, 2);  // week program
    const uint8_t points[] = {2, 2, 0, 6, 0, 9, 10, 0, 1, 1, 30, 12, 0, 0, 0, 0};
    for (int i = 0; i < 16; ++i) Ws().ParImage.setU8(kBlockA + 300 + i, points[i]);
    EXPECT_TRUE(BuildDeviceTree());
    int weekNode = -1;
    for (int node : NodesInOrder()) {
        const auto& n = Ws().Tree.nodes[node];
        if (n.record >= 0 && n.level > 0 && Ws().Tree.records[n.record].entry == &MenuProbe[menu]) weekNode = node;
    }
    return weekNode;
}

// The page of a node in a frame as the main window shows it, with the sub-page dialog beside it.
struct ShownPage {
    explicit ShownPage(int node) {
        host.resize(520, 700);
        DeviceTreeChange(node);
        page.ServiceRequests();
    }
    NoPrompts prompter;
    QWidget host;
    ParamPageFrame frame = MakeParamPageFrame(&host, page_layout::kX0);
    TChildForm childForm;
    FormPage page{frame, prompter, childForm};
};

TEST(WeekProgramView, TheSwitchingPointEditorShowsItsTitle) {
    const int mondayNode = WeekProgramDevice(kMonday);
    ASSERT_GE(mondayNode, 0);
    ShownPage shown(mondayNode);
    NoPrompts& prompter = shown.prompter;
    TChildForm& childForm = shown.childForm;
    FormPage& page = shown.page;

    QString title;
    prompter.OnExec = [&](QDialog& dialog) {
        dialog.show();
        title = childForm.Page().HeaderControl1->model()->headerData(1, Qt::Horizontal).toString();
        const QString path = QStandardPaths::writableLocation(QStandardPaths::TempLocation) + "/purgon-point-editor.png";
        EXPECT_TRUE(dialog.grab().save(path));
        // What the user sees in the header, not only what it holds.
        const QImage header = childForm.Page().HeaderControl1->grab().toImage();
        int dark = 0;
        for (int x = 40; x < header.width(); ++x)
            for (int y = 0; y < header.height(); ++y) dark += qGray(header.pixel(x, y)) < 100 ? 1 : 0;
        EXPECT_GT(dark, 20);
        dialog.hide();
        return int(QDialog::Rejected);
    };
    QPushButton* edit = nullptr;
    for (QPushButton* button : page.Panel()->findChildren<QPushButton*>())
        if (edit == nullptr && button->text() == "Edit") edit = button;
    ASSERT_NE(edit, nullptr);
    edit->click();
    EXPECT_EQ(title, "Time management");
}

TEST(WeekProgramView, TimeLineOfMondayShowsItsSwitchingPoints) {
    const int weekNode = WeekProgramDevice(kWeekProgram);
    ASSERT_GE(weekNode, 0);
    ShownPage shown(weekNode);
    FormPage& page = shown.page;

    QList<PictureBox*> pictures = page.Panel()->findChildren<PictureBox*>();
    ASSERT_EQ(pictures.size(), 7);  // Monday .. Sunday
    PictureBox* monday = pictures.front();
    EXPECT_EQ(monday->height(), 136);
    const QImage image = monday->grab().toImage();
    const QString path = QStandardPaths::writableLocation(QStandardPaths::TempLocation) + "/purgon-week-monday.png";
    ASSERT_TRUE(image.save(path));

    EXPECT_EQ(image.pixelColor(3, 60), QColor(255, 255, 225));  // light yellow background
    // The blue bar of program row 2 runs from 06:00 to 09:00 just below the row's marks.
    const int x0 = monday->width() - 208;
    const int barY = 115 - 28 + 2;
    EXPECT_EQ(image.pixelColor(x0 + 60, barY), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(x0 + 56, barY + 4), QColor(0, 0, 0));  // the mark at 07:00
    EXPECT_EQ(image.pixelColor(x0 + 80, barY), QColor(192, 192, 192));  // after 09:00 only the row line
}

}  // namespace
}  // namespace tessalin::gui

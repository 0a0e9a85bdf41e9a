// Building the page: where each kind of row puts its controls, their tags, headings and separators,
// the header, the picture row, and the page without a table.
#include <QCheckBox>
#include <algorithm>
#include <array>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTimeEdit>

#include "gui/page/number_edit.h"
#include "gui/page/picture_row.h"
#include "page_fixture.h"

namespace tessalin::gui::test {
namespace {

using namespace page_layout;

class PageLayoutTest : public PageTest {};

TEST_F(PageLayoutTest, ColumnsAndTagsOfTheValueRows) {
    Ws().ParImage.setF32(kSysSet + 104, 200);
    Open(kTestMenu);
    auto* name = Find<QLabel>(RowTag(kRowCount), role::kNameLabel);
    auto* edit = Find<NumberEdit>(RowTag(kRowCount));
    auto* unit = Find<QLabel>(RowTag(kRowCount) | kUnitTagBit, role::kUnitLabel);
    ASSERT_TRUE(name && edit && unit);
    EXPECT_EQ(name->x(), kX0 + 8);
    EXPECT_EQ(name->y(), edit->y() + 4);
    EXPECT_EQ(name->text(), "Count");
    EXPECT_EQ(edit->geometry(), QRect(kX0 + 158, edit->y(), 150, edit->height()));
    EXPECT_EQ(unit->x(), kX0 + 316);
    EXPECT_EQ(unit->y(), edit->y() + 4);
    EXPECT_EQ(unit->text(), "s");

    auto* units = Find<QComboBox>(RowTag(kRowCond) | kUnitTagBit, role::kUnitList);
    auto* condEdit = Find<NumberEdit>(RowTag(kRowCond));
    ASSERT_TRUE(units && condEdit);
    EXPECT_EQ(units->geometry(), QRect(kX0 + 310, condEdit->y(), 100, units->height()));
    EXPECT_EQ(condEdit->y(), edit->y() + edit->height() + 8);  // the hidden row left no gap

    auto* list = Find<QComboBox>(RowTag(kRowMode));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->x(), kX0 + 158);
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(Find<QWidget>(RowTag(kRowHidden)), nullptr);

    for (int n : {1, 2}) {
        auto* button = Find<QPushButton>(ButtonTag(kRowButtons, n));
        ASSERT_NE(button, nullptr) << n;
        EXPECT_EQ(button->geometry(), QRect(kX0 + 316 + (n - 1) * 34, button->y(), 30, 25));
    }
    for (int j : {0, 1})
        for (int i : {0, 1}) {
            auto* box = Find<QCheckBox>(CellTag(kRowMatrix, j, i));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->x(), kX0 + 110 + i * 50);
        }
    auto* slider = Find<QSlider>(RowTag(kRowSlider));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->geometry(), QRect(kX0 + 158, slider->y(), kW - (kX0 + 158), 30));
    SaveScreenshot("every_kind_of_row");
}

TEST_F(PageLayoutTest, HeadingsAreBevelledFramesAcrossTheTitleSection) {
    Open(kTestMenu);
    QList<QFrame*> frames = panel()->findChildren<QFrame*>(role::kHeadingFrame, Qt::FindDirectChildrenOnly);
    ASSERT_EQ(frames.size(), 2);
    std::sort(frames.begin(), frames.end(), [](QFrame* a, QFrame* b) { return a->y() < b->y(); });
    for (QFrame* frame : frames) {
        EXPECT_EQ(frame->x(), kX0);
        EXPECT_EQ(frame->width(), kW);
        EXPECT_EQ(frame->frameShadow(), QFrame::Sunken);
    }
    // The first heading: picture 30 at the left, bold text beside it, starting at y 8.
    QFrame* heading = frames[0];
    EXPECT_EQ(heading->y(), kTop);
    auto* icon = panel()->findChild<QLabel*>(role::kHeadingIcon, Qt::FindDirectChildrenOnly);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pos(), QPoint(kX0 + 8, kTop + 8));
    auto* text = Find<QLabel>(RowTag(kRowHeading), role::kHeadingLabel);
    EXPECT_EQ(text->text(), "Settings");
    EXPECT_TRUE(text->font().bold());
    EXPECT_EQ(text->x(), kX0 + icon->width() + 24);
    EXPECT_EQ(Find<QLabel>(RowTag(kRowCount), role::kNameLabel)->y(), kTop + heading->height() + 8 + 4);

    // A heading without texts is a 3-pixel separator followed by 8 pixels of space.
    QFrame* separator = frames[1];
    EXPECT_EQ(separator->height(), 3);
    EXPECT_EQ(Find<QLabel>(RowTag(kRowButtons), role::kNameLabel)->y(), separator->y() + 3 + 8 + 4);
}

TEST_F(PageLayoutTest, ButtonsCarryGlyphCaptionAndHint) {
    Open(kTestMenu);
    auto* read = Find<QPushButton>(ButtonTag(kRowButtons, 1));
    auto* open = Find<QPushButton>(ButtonTag(kRowButtons, 2));
    EXPECT_EQ(read->text(), "Read");
    EXPECT_FALSE(read->icon().isNull());
    EXPECT_EQ(read->toolTip(), "Read again");
    EXPECT_EQ(open->text(), "Open");
    EXPECT_TRUE(open->icon().isNull());
    EXPECT_EQ(open->toolTip(), "Open the sub-page");
}

TEST_F(PageLayoutTest, MatrixShowsItsLabelsAndCellStates) {
    Open(kTestMenu);
    QStringList labels;
    for (QLabel* label : panel()->findChildren<QLabel*>(role::kMatrixLabel, Qt::FindDirectChildrenOnly))
        labels << label->text();
    EXPECT_EQ(labels, QStringList({"C0", "C1", "R0", "R1"}));
    auto* disabled = Find<QCheckBox>(CellTag(kRowMatrix, 0, 0));
    auto* checked = Find<QCheckBox>(CellTag(kRowMatrix, 1, 0));
    auto* off = Find<QCheckBox>(CellTag(kRowMatrix, 1, 1));
    EXPECT_FALSE(disabled->isEnabled());
    EXPECT_TRUE(checked->isEnabled() && checked->isChecked());
    EXPECT_TRUE(off->isEnabled() && !off->isChecked());
}

TEST_F(PageLayoutTest, PictureRowShowsWhatItsHandlerDrew) {
    Open(kTestMenu);
    auto* picture = Find<PictureBox>(RowTag(kRowPicture));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->x(), kX0);
    EXPECT_EQ(picture->size(), QSize(60, 40));  // the handler resized it
    const QImage& image = picture->Image();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 225));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(30, 30), QColor(0, 0, 255));
    EXPECT_EQ(Find<QLabel>(RowTag(kRowDerived), role::kNameLabel)->y() - 4, picture->y() + 40 + 8);
}

TEST_F(PageLayoutTest, TimePickerShowsHourAndMinute) {
    Ws().ParImage.setU8(kSysSet + 140, 75);  // minute beyond 59
    Ws().ParImage.setU8(kSysSet + 141, 7);
    Open(kTestMenu);
    auto* picker = Find<QTimeEdit>(RowTag(kRowTime));
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->displayFormat(), "HH:mm");
    EXPECT_EQ(picker->time(), QTime(7, 59));
}

TEST_F(PageLayoutTest, HeaderShowsThePlainTitleAndTheSetPicture) {
    Open(kTestMenu, "<b>pH</b> <font color=\"#00a000\">Sensor data</font><z>4,1</z>");
    EXPECT_EQ(HeaderTitle(frame_), "pH Sensor data");
    EXPECT_EQ(HeaderImage(frame_), 25);
    EXPECT_GE(panel()->minimumHeight(), Find<QWidget>(RowTag(kRowDerived))->geometry().bottom());
}

TEST_F(PageLayoutTest, ATextRowWithoutValidCharacterSetStopsTheBuildWithAMessage) {
    static const TextRecord kName{{"Feld", "", "Field", "", "", "", "", "", "", "", "", "", "", ""}};
    static const TParamEntry kRows[] = {
        {.location = At(Section::SYS_SET, 100), .flags = kPfUInt16, .kind = kKindNumber, .valueType = 8,
         .texts = &kName},
        {.arg = 8 | (4 << 8), .location = At(Section::SYS_SET, 120), .kind = kKindText, .valueType = 5,
         .texts = &kName},
        {.location = At(Section::SYS_SET, 102), .flags = kPfUInt16, .kind = kKindNumber, .valueType = 8,
         .texts = &kName},
    };
    static const TMenuEntry kMenu{.level = 1, .handler = DefaultHandler, .params = kRows, .lastParam = 2};
    Ws().UiLanguage = 1;
    Open(kMenu);
    EXPECT_EQ(prompter_.Messages, QStringList({"Form: ASCII input without valid character set"}));
    EXPECT_NE(Find<NumberEdit>(RowTag(0)), nullptr);
    EXPECT_EQ(Find<NumberEdit>(RowTag(2)), nullptr);
}

TEST_F(PageLayoutTest, AHundredRowsFillThePanelAndTheScrollBoxScrollsIt) {
    static const TextRecord kName{{"Wert", "", "Value", "", "", "", "", "", "", "", "", "", "", ""}};
    static const auto kRows = [] {
        std::array<TParamEntry, 100> rows{};
        for (int r = 0; r < 100; ++r)
            rows[r] = TParamEntry{.location = At(Section::SYS_SET, static_cast<uint16_t>(2 * r)), .flags = kPfUInt16,
                                  .kind = kKindNumber, .valueType = 8, .texts = &kName};
        return rows;
    }();
    static const TMenuEntry kMenu{.level = 1, .handler = DefaultHandler, .params = kRows.data(), .lastParam = 99};
    Open(kMenu);
    auto* last = Find<NumberEdit>(RowTag(99));
    ASSERT_NE(last, nullptr);
    EXPECT_GE(panel()->minimumHeight(), last->geometry().bottom());
    host_->show();
    QApplication::processEvents();
    QScrollBar* bar = frame_.ScrollBox1->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    QApplication::processEvents();
    const QPoint lastInView = last->mapTo(frame_.ScrollBox1->viewport(), QPoint(0, last->height()));
    EXPECT_LE(lastInView.y(), frame_.ScrollBox1->viewport()->height());
}

TEST_F(PageLayoutTest, WithoutAPageThePanelIsEmptyAndTheTitleABlank) {
    Open(kTestMenu);
    Ws().CurrentPage = TTabPtrRec{};
    Ws().PageRebuildRequest = true;
    Tick();
    EXPECT_TRUE(panel()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty());
    EXPECT_EQ(HeaderTitle(frame_), " ");
}

TEST_F(PageLayoutTest, AClearRequestFreesTheControls) {
    Open(kTestMenu);
    Ws().PageClearRequest = true;
    Tick();
    EXPECT_TRUE(panel()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty());
    EXPECT_FALSE(Ws().PageClearRequest);
}

}  // namespace
}  // namespace tessalin::gui::test

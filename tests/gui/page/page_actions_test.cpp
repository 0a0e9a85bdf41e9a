// What the controls do: choices, rebuilds through the timer, the parameter set switch, buttons and the
// sub-page dialog, matrix cells, the time picker and the slider.
#include <QCheckBox>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QDir>
#include <QTimeEdit>

#include <algorithm>

#include "gui/page/number_edit.h"
#include "page_fixture.h"

namespace tessalin::gui::test {
namespace {

class PageActionsTest : public PageTest {
protected:
    QComboBox* Mode() const { return Find<QComboBox>(RowTag(kRowMode)); }
};

TEST_F(PageActionsTest, ChoosingAnItemStoresItsCodeAndTheSameItemSendsNothing) {
    Ws().ParImage.setU8(kSysSet + 110, 2);
    Open(kTestMenu);
    QComboBox* mode = Mode();
    EXPECT_EQ(mode->currentText(), "On");

    emit mode->activated(1);  // the item already shown
    EXPECT_EQ(Log().count(kRowMode, kEvCommitted), 0);
    EXPECT_FALSE(Ws().PageRebuildRequest);
    EXPECT_EQ(Byte(kSysSet + 110), 2);

    QTest::keyClick(mode, Qt::Key_Down);  // the user picks "Auto"
    EXPECT_EQ(mode->currentText(), "Auto");
    EXPECT_EQ(Byte(kSysSet + 110), 3);
    EXPECT_EQ(Byte(kSysSet + 110 + kSetB), 0);
    EXPECT_EQ(Log().count(kRowMode, kEvCommitted), 1);
}

TEST_F(PageActionsTest, AStoredCodeWithoutItemShowsNoSelection) {
    Ws().ParImage.setU8(kSysSet + 110, 9);
    Open(kTestMenu);
    EXPECT_EQ(Mode()->currentIndex(), -1);
    EXPECT_EQ(Byte(kSysSet + 110), 9);
}

TEST_F(PageActionsTest, ACommitThatAsksForARebuildIsCarriedOutOnTheNextTick) {
    Open(kTestMenu);
    QPointer<QComboBox> before = Mode();
    QTest::keyClick(before, Qt::Key_Down);
    EXPECT_TRUE(Ws().PageRebuildRequest);
    QApplication::processEvents();
    EXPECT_FALSE(before.isNull());  // not inside the list's own event
    Tick();
    EXPECT_TRUE(before.isNull());
    EXPECT_FALSE(Ws().PageRebuildRequest);
    EXPECT_EQ(Mode()->currentText(), "Off");
}

TEST_F(PageActionsTest, SwitchingTheSetShowsTheOtherSetsValues) {
    Ws().ParImage.setU16(kSysSet + 100, 11);
    Ws().ParImage.setU16(kSysSet + kSetB + 100, 22);
    Open(kTestMenu);
    EXPECT_EQ(Find<NumberEdit>(RowTag(kRowCount))->text(), "11");

    EXPECT_EQ(SwitchParamSet(), 26);  // the parameter set button
    Tick();
    EXPECT_EQ(HeaderImage(frame_), 26);
    EXPECT_EQ(Find<NumberEdit>(RowTag(kRowCount))->text(), "22");

    NumberEdit* edit = Find<NumberEdit>(RowTag(kRowCount));
    edit->clear();
    Type(edit, "33");
    EXPECT_EQ(Ws().ParImage.u16(kSysSet + kSetB + 100), 33);
    EXPECT_EQ(Ws().ParImage.u16(kSysSet + 100), 11);

    EXPECT_EQ(SwitchParamSet(), 25);
    Tick();
    EXPECT_EQ(HeaderImage(frame_), 25);
    EXPECT_EQ(Find<NumberEdit>(RowTag(kRowCount))->text(), "11");
}

TEST_F(PageActionsTest, AButtonTellsItsHandlerAndRefreshesTheButtons) {
    Open(kTestMenu);
    Find<QPushButton>(ButtonTag(kRowButtons, 1))->click();
    EXPECT_EQ(Log().count(kRowButtons, kEvButtonPressed), 1);
    // After the press each button's state is asked once more.
    const auto& events = Log().events;
    const auto pressed = std::find(events.begin(), events.end(), std::pair{int(kRowButtons), int(kEvButtonPressed)});
    ASSERT_NE(pressed, events.end());
    EXPECT_EQ(std::count(pressed, events.end(), std::pair{int(kRowButtons), int(kEvButtonEnabled)}), 2);
    EXPECT_TRUE(prompter_.Messages.isEmpty());
}

TEST_F(PageActionsTest, TheSubPageOpensInTheDialogAndItsButtonsDoNothing) {
    Ws().ParImage.setU16(kSysSet + 100, 5);
    Open(kTestMenu, "Main title");
    QString dialogTitle;
    QColor titleColour;
    prompter_.OnExec = [&](QDialog& dialog) {
        EXPECT_EQ(&dialog, childForm_.get());
        const ParamPageFrame& frame = childForm_->Page();
        dialogTitle = HeaderTitle(frame);
        titleColour = frame.HeaderControl1->model()->headerData(1, Qt::Horizontal, Qt::ForegroundRole)
                          .value<QBrush>().color();
        EXPECT_EQ(page_->SubPage()->Panel(), frame.Formpage);
        // The dialog's own controls work as on the main page ...
        auto* edit = frame.Formpage->findChild<NumberEdit*>();
        edit->clear();
        QTest::keyClicks(edit, "4");
        // ... but its buttons do nothing, and a rebuild now goes to the dialog's page.
        frame.Formpage->findChild<QPushButton*>()->click();
        Ws().PageRebuildRequest = true;
        page_->ServiceRequests();
        return int(QDialog::Accepted);
    };
    Log().subPageClosedAnswer = false;
    Find<QPushButton>(ButtonTag(kRowButtons, 2))->click();

    EXPECT_EQ(dialogTitle, "Unterseite");  // the user interface is German
    EXPECT_EQ(titleColour, QColor(0x00, 0xa0, 0x00));
    EXPECT_EQ(HeaderTitle(frame_), "Main title");
    EXPECT_EQ(Byte(kSysSet + 160), 4);
    EXPECT_EQ(Log().count(101, kEvButtonPressed), 0);
    EXPECT_EQ(Log().count(101, kEvButtonSubPage), 0);
    EXPECT_EQ(page_->SubPage(), nullptr);
    // Closed with OK, and the handler asked for a rebuild of the main page.
    EXPECT_EQ(Log().count(kRowButtons, kEvSubPageClosed), 1);
    EXPECT_TRUE(Ws().PageRebuildRequest);
    EXPECT_EQ(Ws().CurrentPage.entry, &kTestMenu);
    EXPECT_EQ(Ws().CurrentParam.param, kTestMenu.params + kRowButtons);
    Tick();
    EXPECT_EQ(Find<NumberEdit>(RowTag(kRowCount))->text(), "5");
}

TEST_F(PageActionsTest, CancellingTheSubPageKeepsItsValuesAndSendsNoCloseEvent) {
    Open(kTestMenu);
    prompter_.OnExec = [&](QDialog&) {
        auto* edit = childForm_->Page().Formpage->findChild<NumberEdit*>();
        edit->clear();
        QTest::keyClicks(edit, "3");
        return int(QDialog::Rejected);
    };
    Find<QPushButton>(ButtonTag(kRowButtons, 2))->click();
    EXPECT_EQ(Byte(kSysSet + 160), 3);
    EXPECT_EQ(Log().count(kRowButtons, kEvSubPageClosed), 0);
    EXPECT_FALSE(Ws().PageRebuildRequest);
}

TEST_F(PageActionsTest, MatrixTimeAndSliderCommitTheirValues) {
    Open(kTestMenu);
    Find<QCheckBox>(CellTag(kRowMatrix, 1, 1))->click();
    Find<QCheckBox>(CellTag(kRowMatrix, 1, 0))->click();
    EXPECT_EQ(Log().matrixClicks, (std::vector<int>{(1 << 24) | (1 << 16) | 1, (1 << 16)}));

    Find<QTimeEdit>(RowTag(kRowTime))->setTime(QTime(13, 45));
    EXPECT_EQ(Byte(kSysSet + 140), 45);
    EXPECT_EQ(Byte(kSysSet + 141), 13);

    auto* slider = Find<QSlider>(RowTag(kRowSlider));
    EXPECT_EQ(slider->maximum(), 50);
    slider->setValue(17);
    EXPECT_EQ(Byte(kSysSet + 145), 17);
    EXPECT_EQ(Log().count(kRowSlider, kEvCommitted), 0);
    EXPECT_TRUE(Ws().Modified);
}

TEST_F(PageActionsTest, TypedDigitsGoToTheHourWhereverTheTimeFieldIsEntered) {
    Ws().ParImage.setU8(kSysSet + 140, 30);
    Ws().ParImage.setU8(kSysSet + 141, 13);
    Open(kTestMenu);
    host_->show();
    host_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host_.get()));
    auto* picker = Find<QTimeEdit>(RowTag(kRowTime));
    // A click on the minutes, where the user's click lands: on the field's inner line edit.
    auto* text = picker->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(text->width() * 3 / 4, text->height() / 2));
    QTest::keyClicks(picker, "1245");
    EXPECT_EQ(Byte(kSysSet + 141), 12);
    EXPECT_EQ(Byte(kSysSet + 140), 45);
    // A second click inside the field places the cursor as usual.
    QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(text->width() * 3 / 4, text->height() / 2));
    EXPECT_FALSE(text->hasSelectedText());
    // Then with Tab from the field before it.
    picker->clearFocus();
    picker->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(picker, "09");
    EXPECT_EQ(picker->time(), QTime(9, 45));
    EXPECT_TRUE(picker->grab().save(QDir::temp().filePath("time_field_entered.png")));
}

}  // namespace
}  // namespace tessalin::gui::test

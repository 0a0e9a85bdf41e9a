// Numeric edits: the check on every change and on leaving, its colours and beep, the unit list, the
// locale's decimal separator, and the rows and labels that a commit brings up to date.
#include <QComboBox>
#include <QSignalSpy>

#include "gui/page/number_edit.h"
#include "page_fixture.h"

namespace tessalin::gui::test {
namespace {

class NumberEditTest : public PageTest {
protected:
    NumberEdit* Edit(int row) const { return Find<NumberEdit>(RowTag(row)); }
    static uint16_t U16(long long offset) { return Ws().ParImage.u16(offset); }
};

TEST_F(NumberEditTest, LeavingCorrectsAndColoursAsTheCheckSays) {
    struct Case {
        const char* typed;
        const char* shown;
        QColor colour;
        uint16_t stored;
    };
    const Case cases[] = {
        {"42", "42", QColor(255, 255, 255), 42},  // accepted
        {"250", "100", QColor(0, 255, 0), 100},   // above the maximum: the maximum, lime green
        {"2.5", "2", QColor(255, 255, 0), 2},     // whole-number type: cut, yellow
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Ws().ParImage.setU16(kSysSet + 100, 7);
        Open(kTestMenu);
        NumberEdit* edit = Edit(kRowCount);
        edit->clear();
        Type(edit, c.typed);
        Leave(edit);
        EXPECT_EQ(edit->text(), c.shown);
        EXPECT_EQ(Background(edit), c.colour);
        EXPECT_EQ(U16(kSysSet + 100), c.stored);
        EXPECT_TRUE(Ws().Modified);
    }
}

TEST_F(NumberEditTest, ANonNumberStaysRedStoresNothingAndBeepsOnLeaving) {
    // Texts the check reads as no number: a dangling exponent, a letter, nothing.
    for (const char* typed : {"12e", "x", ""}) {
        SCOPED_TRACE(typed);
        Ws().ParImage.setU16(kSysSet + 100, 7);
        Open(kTestMenu);
        NumberEdit* edit = Edit(kRowCount);
        QSignalSpy beeps(page_.get(), &FormPage::Beeped);
        const int commits = Log().count(kRowCount, kEvCommitted);
        edit->setText(typed);
        emit edit->textEdited(typed);
        EXPECT_EQ(Background(edit), QColor(255, 0, 0));
        EXPECT_EQ(beeps.count(), 0);
        Leave(edit);
        EXPECT_EQ(edit->text(), typed);
        EXPECT_EQ(Background(edit), QColor(255, 0, 0));
        EXPECT_EQ(beeps.count(), 1);
        EXPECT_EQ(U16(kSysSet + 100), 7);
        EXPECT_EQ(Log().count(kRowCount, kEvCommitted), commits);
    }
}

TEST_F(NumberEditTest, TypingStoresEveryValidNumberAndRefreshesTheDependentRowAndItsLabel) {
    Ws().ParImage.setU16(kSysSet + 100, 7);
    Ws().ParImage.setU16(kSysSet + 150, 14);
    Open(kTestMenu);
    EXPECT_EQ(Find<QLabel>(RowTag(kRowDerived), role::kNameLabel)->text(), "Twice 7");
    NumberEdit* edit = Edit(kRowCount);
    edit->selectAll();
    Type(edit, "9");
    EXPECT_EQ(U16(kSysSet + 100), 9);
    EXPECT_EQ(Background(edit), QColor(255, 255, 255));
    // The count's commit doubled it into the derived row, which shows it with its new label.
    EXPECT_EQ(Edit(kRowDerived)->text(), "18");
    EXPECT_EQ(Find<QLabel>(RowTag(kRowDerived), role::kNameLabel)->text(), "Twice 9");
    EXPECT_FALSE(Ws().PageRebuildRequest);
}

TEST_F(NumberEditTest, AnUneditableRowDisablesItsEditAndUnitButNotItsName) {
    Open(kTestMenu);
    EXPECT_FALSE(Edit(kRowLocked)->isEnabled());
    EXPECT_FALSE(Find<QLabel>(RowTag(kRowLocked) | kUnitTagBit, role::kUnitLabel)->isEnabled());
    EXPECT_TRUE(Find<QLabel>(RowTag(kRowLocked), role::kNameLabel)->isEnabled());
    EXPECT_TRUE(Edit(kRowCount)->isEnabled());
}

TEST_F(NumberEditTest, ChoosingAnotherUnitChecksTheNumberInThatUnit) {
    Ws().ParImage.setF32(kSysSet + 104, 200);
    Open(kTestMenu);
    NumberEdit* edit = Edit(kRowCond);
    auto* units = Find<QComboBox>(RowTag(kRowCond) | kUnitTagBit, role::kUnitList);
    ASSERT_NE(units, nullptr);
    ASSERT_EQ(units->count(), 2);
    EXPECT_EQ(units->currentText(), "µS/cm");
    edit->clear();
    Type(edit, "3");
    EXPECT_FLOAT_EQ(Ws().ParImage.f32(kSysSet + 104), 3);
    units->setCurrentIndex(1);
    emit units->activated(1);  // 3 mS/cm = 3000 µS/cm: within the limit
    EXPECT_EQ(Background(edit), QColor(255, 255, 255));
    EXPECT_FLOAT_EQ(Ws().ParImage.f32(kSysSet + 104), 3000);

    edit->setText("7");
    emit edit->textEdited("7");  // 7 mS/cm is above 5000 µS/cm: red, nothing stored
    EXPECT_EQ(Background(edit), QColor(255, 0, 0));
    EXPECT_FLOAT_EQ(Ws().ParImage.f32(kSysSet + 104), 3000);
    Leave(units);  // leaving the unit list checks as leaving the edit: the limit, in mS/cm
    EXPECT_EQ(Background(edit), QColor(0, 255, 0));
    EXPECT_FLOAT_EQ(Ws().ParImage.f32(kSysSet + 104), 5000);
    EXPECT_EQ(edit->text().left(1), "5");
}

TEST_F(NumberEditTest, DecimalSeparatorFollowsTheLocaleAndBothAreAccepted) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Ws().ParImage.setF32(kSysSet + 104, 12.5f);
    Open(kTestMenu);
    NumberEdit* edit = Edit(kRowCond);
    EXPECT_TRUE(edit->text().contains(',')) << edit->text().toStdString();
    EXPECT_FALSE(edit->text().contains('.'));
    for (const char* typed : {"1,25", "1.5"}) {
        edit->clear();
        Type(edit, typed);
        Leave(edit);
        EXPECT_EQ(Background(edit), QColor(255, 255, 255)) << typed;
    }
    EXPECT_FLOAT_EQ(Ws().ParImage.f32(kSysSet + 104), 1.5f);
}

TEST_F(NumberEditTest, EnterMovesTheFocusOn) {
    Open(kTestMenu);
    host_->show();
    QApplication::setActiveWindow(host_.get());
    NumberEdit* edit = Edit(kRowCount);
    edit->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(edit->hasFocus());
}

}  // namespace
}  // namespace tessalin::gui::test

// The "Bearbeiten" menu as a user drives it from the keyboard: a committed field taken back with Ctrl+Z
// and brought again with Ctrl+Y and Ctrl+Shift+Z, the "Speichern" state following the saved step, "Neu"
// taken back, a load starting afresh; Ctrl+F, Enter, F3 and Shift+F3 through the hits of the find bar.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "core/history/history.h"
#include "core/tree/device_tree.h"
#include "gui/main_window/load_form.h"
#include "gui/page/number_edit.h"
#include "main_window_fixture.h"
#include "support/image_builder.h"

namespace tessalin::gui::test {
namespace {

using tessalin::test::ImageBuilder;
using tessalin::test::TempDir;

class EditMenuTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        History().Clear();
    }
    void TearDown() override { History().Clear(); }

    // A pH module in slot [I], loaded and shown in a window that has the focus.
    void StartWithPhModule() {
        const ImageBuilder set = ImageBuilder().base(1).slot(0, 3, 0, 1).record(0, {8, 0x12, 1, 0, 7});
        front_ = QString::fromStdString(set.writeFiles(dir_).first);
        prompter_.OnExec = [this](QDialog& dialog) {
            static_cast<TLoadForm&>(dialog).SetFiles(front_, QString());
            return int(QDialog::Accepted);
        };
        Start();
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        Press(Qt::Key_O, Qt::ControlModifier);
        ASSERT_EQ(Ws().FrontFileName, front_.toStdString());
    }
    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), static_cast<Qt::Key>(key), modifiers);
    }
    // The timer's tick: the page follows, then the "Speichern" state and the menu.
    void Tick() { form_->AktionsTimerTimer(); }
    void ShowPage(const QString& nodeText) {
        const auto items = Find<QTreeWidget>("DeviceTree")->findItems(nodeText, Qt::MatchContains | Qt::MatchRecursive);
        ASSERT_FALSE(items.isEmpty()) << nodeText.toStdString();
        Find<QTreeWidget>("DeviceTree")->setCurrentItem(items[0]);
        Tick();
    }
    NumberEdit* FirstNumber() const {
        const auto numbers = form_->Page().Formpage->findChildren<NumberEdit*>();
        return numbers.isEmpty() ? nullptr : numbers.front();
    }
    QString Selected() { return Find<QTreeWidget>("DeviceTree")->currentItem()->text(0); }

    TempDir dir_;
    QString front_;
};

TEST_F(EditMenuTest, ACommittedFieldIsTakenBackAndBroughtAgainFromTheKeyboard) {
    StartWithPhModule();
    QAction* undo = Find<QAction>("Rueckgaengig1");
    QAction* redo = Find<QAction>("Wiederherstellen1");
    Tick();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->text(), "Rückgängig");
    EXPECT_EQ(undo->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z)});
    EXPECT_EQ(redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));

    ShowPage("Kalibrierdaten");
    const ParImageBuffer loaded = Ws().ParImage;
    NumberEdit* zero = FirstNumber();
    ASSERT_NE(zero, nullptr);
    const QString shown = zero->text();
    zero->setFocus();
    Press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(zero, "6.5");
    Press(Qt::Key_Tab);  // leaving the field commits it: typing and leaving are one step
    Tick();
    const ParImageBuffer edited = Ws().ParImage;
    ASSERT_FALSE(edited == loaded);
    EXPECT_EQ(History().StepCount(), 1u);
    EXPECT_TRUE(undo->isEnabled());
    // The field and the step show the number as stored.
    EXPECT_EQ(FirstNumber()->text(), "6.50");
    EXPECT_EQ(undo->text(), "Rückgängig: Nullpunkt " + shown + " → 6.50 pH");
    EXPECT_TRUE(Find<QToolButton>("UndoButton")->isEnabled());
    EXPECT_TRUE(form_->windowTitle().endsWith(" *"));
    QMenu* menu = Find<QMenu>("Bearbeiten");
    menu->adjustSize();
    EXPECT_TRUE(menu->grab().save(QDir::temp().filePath("edit_menu.png")));
    EXPECT_TRUE(Find<QWidget>("MainToolBar")->grab().save(QDir::temp().filePath("edit_toolbar.png")));

    // Ctrl+Z from the tree: the image as loaded, the data set unchanged, the focus back on the row.
    Find<QTreeWidget>("DeviceTree")->setFocus();
    Press(Qt::Key_Z, Qt::ControlModifier);
    Tick();
    EXPECT_TRUE(Ws().ParImage == loaded);
    EXPECT_FALSE(Ws().Modified);
    EXPECT_FALSE(Find<QAction>("Datei_Save")->isEnabled());
    EXPECT_FALSE(form_->windowTitle().endsWith(" *"));
    EXPECT_TRUE(Selected().contains("Kalibrierdaten"));
    ASSERT_NE(FirstNumber(), nullptr);
    EXPECT_EQ(FirstNumber()->text(), shown);
    EXPECT_EQ(QApplication::focusWidget(), FirstNumber());
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_EQ(Find<QToolButton>("RedoButton")->toolTip(), "Wiederherstellen: Nullpunkt " + shown + " → 6.50 pH");
    // The history speaks the language switched to.
    Find<QAction>("EnglischVtr")->trigger();
    Tick();
    EXPECT_EQ(Find<QToolButton>("RedoButton")->toolTip(), "Redo Zero " + shown + " → 6.50 pH");
    Find<QAction>("DeutschVtr")->trigger();
    Tick();
    ShowPage("Kalibrierdaten");

    // Both redo keys bring it again.
    for (const QKeySequence& keys : redo->shortcuts()) {
        Find<QTreeWidget>("DeviceTree")->setFocus();
        QTest::keySequence(QApplication::focusWidget(), keys);
        Tick();
        EXPECT_TRUE(Ws().ParImage == edited) << keys.toString().toStdString();
        EXPECT_TRUE(Find<QAction>("Datei_Save")->isEnabled());
        Find<QTreeWidget>("DeviceTree")->setFocus();
        Press(Qt::Key_Z, Qt::ControlModifier);
        Tick();
    }

    // Saved after the change: the saved step is the changed one, and taking it back is a change.
    Press(Qt::Key_Y, Qt::ControlModifier);
    Press(Qt::Key_S, Qt::ControlModifier);
    Tick();
    EXPECT_FALSE(Ws().Modified);
    Find<QTreeWidget>("DeviceTree")->setFocus();
    Press(Qt::Key_Z, Qt::ControlModifier);
    Tick();
    EXPECT_TRUE(Ws().Modified);
    EXPECT_TRUE(Find<QAction>("Datei_Save")->isEnabled());

    // A load starts an empty history.
    Press(Qt::Key_O, Qt::ControlModifier);  // the save question: Cancel keeps the data set
    prompter_.Answers = {MessageAnswer::No};
    Press(Qt::Key_O, Qt::ControlModifier);
    Tick();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(EditMenuTest, NeuIsTakenBackWithItsDeviceAndFiles) {
    StartWithPhModule();
    const ParImageBuffer loaded = Ws().ParImage;
    const std::size_t nodes = NodesInOrder().size();
    Find<QAction>("Neu1")->trigger();
    Tick();
    EXPECT_TRUE(Ws().Tree.roots.empty());
    EXPECT_EQ(Find<QAction>("Rueckgaengig1")->text(), "Rückgängig: Neu");
    EXPECT_FALSE(Find<QAction>("Datei_Save")->isEnabled());

    Find<QAction>("Rueckgaengig1")->trigger();
    Tick();
    EXPECT_TRUE(Ws().ParImage == loaded);
    EXPECT_EQ(Ws().FrontFileName, front_.toStdString());
    EXPECT_EQ(NodesInOrder().size(), nodes);
    EXPECT_EQ(Find<QTreeWidget>("DeviceTree")->topLevelItemCount(), static_cast<int>(Ws().Tree.roots.size()));
    EXPECT_FALSE(Ws().Modified);
    EXPECT_TRUE(Find<QAction>("Datei_SaveAs")->isEnabled());
}

TEST_F(EditMenuTest, FindBarGoesToTheHitsWithEnterF3AndShiftF3) {
    StartWithPhModule();
    Tick();
    auto* bar = Find<QWidget>("FindBar");
    EXPECT_FALSE(bar->isVisible());
    Press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar->isVisible());
    auto* field = Find<QLineEdit>("FindField");
    EXPECT_EQ(QApplication::focusWidget(), field);

    // Letter case and accents do not count.
    QTest::keyClicks(field, "NULLPUNKT");
    auto* hits = Find<QListWidget>("FindHits");
    const auto zero = hits->findItems("Kalibrierdaten > Nullpunkt: ", Qt::MatchContains);
    ASSERT_EQ(zero.size(), 1);
    EXPECT_TRUE(zero[0]->text().endsWith(" pH"));
    // Down in the field to the hit, then Enter.
    while (hits->currentItem() != zero[0] && hits->currentRow() < hits->count() - 1) Press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), field);
    Press(Qt::Key_Return);
    Tick();
    EXPECT_TRUE(form_->grab().save(QDir::temp().filePath("find_bar.png")));
    EXPECT_TRUE(Selected().contains("Kalibrierdaten"));
    ASSERT_NE(FirstNumber(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), FirstNumber());

    // The hits follow an edit of the found value; the current hit stays.
    const int current = hits->currentRow();
    Press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(FirstNumber(), "6.5");
    Press(Qt::Key_Tab);
    Tick();
    EXPECT_EQ(hits->currentRow(), current);
    EXPECT_TRUE(hits->currentItem()->text().endsWith(": 6.50 pH")) << hits->currentItem()->text().toStdString();

    // F3 and Shift+F3 go round the hits of a text found in several places.
    Press(Qt::Key_F, Qt::ControlModifier);
    field->selectAll();
    QTest::keyClicks(field, "temp");
    ASSERT_GE(hits->count(), 2);
    Press(Qt::Key_Return);
    Tick();
    Press(Qt::Key_F3);
    Tick();
    EXPECT_EQ(hits->currentRow(), 1);
    Press(Qt::Key_F3, Qt::ShiftModifier);
    Tick();
    EXPECT_EQ(hits->currentRow(), 0);
    Press(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(hits->currentRow(), hits->count() - 1);

    // Nothing found: an empty list, and the page stays where it was.
    Press(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(field, "xyzzy");
    EXPECT_EQ(hits->count(), 0);
    Press(Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
}

}  // namespace
}  // namespace tessalin::gui::test

// The parameter tree view driven as a user drives it: clicks on anchors, Enter, Escape, arrow keys.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "gui/widgets/param_editors.h"
#include "gui/widgets/param_treeview.h"

namespace tessalin {
namespace {

struct Change {
    QString href, oldValue, newValue;
};

class ParamTreeviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree_ = std::make_unique<TParamTreeview>();
        tree_->resize(400, 300);
        tree_->OnParamChanged = [this](QTreeWidgetItem*, const QString& href, const QString& o, const QString& n) {
            changes_.push_back({href, o, n});
        };
        tree_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tree_.get()));
    }

    QTreeWidgetItem* Add(const QString& markup, QTreeWidgetItem* parent = nullptr) {
        return tree_->AddItem(parent, markup);
    }

    // Clicks the anchor numbered `anchor` (0-based) of an item, as the mouse would.
    void ClickAnchor(QTreeWidgetItem* item, int anchor = 0) {
        const QRect r = tree_->AnchorRect(item, anchor);
        ASSERT_TRUE(r.isValid()) << "anchor " << anchor << " not laid out";
        QTest::mouseClick(tree_->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }

    // Selects an item and presses Enter on it: the focused anchor's editor opens.
    void EnterOn(QTreeWidgetItem* item) {
        tree_->setCurrentItem(item);
        tree_->setFocus();
        QTest::keyClick(tree_.get(), Qt::Key_Return);
        QApplication::processEvents();
    }

    static QString Value(QTreeWidgetItem* item, const QString& href) {
        const QString markup = TParamTreeview::Markup(item);
        const int start = markup.indexOf('>', markup.indexOf("href=\"" + href + "\"")) + 1;
        return markup.mid(start, markup.indexOf('<', start) - start);
    }

    std::unique_ptr<TParamTreeview> tree_;
    std::vector<Change> changes_;
};

TEST_F(ParamTreeviewTest, MenuPopsUpBelowTheValueAndReportsARealChangeOnly) {
    QTreeWidgetItem* item = Add(R"(Software :  <a href="sw_ver" class="MENU" props="5.x|6.x|7.x|8.x|9.x|A.x">5.x</a>)");
    ClickAnchor(item);
    QMenu* menu = tree_->PopupMenu();
    ASSERT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 6);
    const QRect anchor = tree_->AnchorRect(item, 0);
    EXPECT_EQ(menu->pos(), tree_->viewport()->mapToGlobal(QPoint(anchor.left(), anchor.bottom() + 3)));
    EXPECT_TRUE(tree_->Editing());

    menu->setActiveAction(menu->actions()[2]);
    QTest::keyClick(menu, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(TParamTreeview::Markup(item).endsWith(">7.x</a>"));
    ASSERT_EQ(changes_.size(), 1u);
    EXPECT_EQ(changes_[0].href, "sw_ver");
    EXPECT_EQ(changes_[0].oldValue, "5.x");
    EXPECT_EQ(changes_[0].newValue, "7.x");
    EXPECT_FALSE(tree_->Editing());

    // The same entry again writes it and reports nothing; Escape chooses nothing.
    ClickAnchor(item);
    menu->setActiveAction(menu->actions()[2]);
    QTest::keyClick(menu, Qt::Key_Return);
    ClickAnchor(item);
    QTest::keyClick(menu, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(tree_->Editing());
    EXPECT_EQ(changes_.size(), 1u);
}

// Every popup editor: Enter on the item opens it with the value, the user's input and Enter commit
// and report the change; opened again, Escape leaves the value as it is.
TEST_F(ParamTreeviewTest, EveryEditorOpensCommitsWithEnterAndCancelsWithEscape) {
    struct Case {
        const char* markup;
        std::function<QWidget*(TParamTreeview&)> editor;
        std::function<void(QWidget*)> input;
        QString expected;
    };
    const QString date = QDate(2024, 3, 9).toString(TPopupDatePicker::DateFormat());
    const QString time = QTime(14, 5).toString(TPopupDatePicker::TimeFormat());
    const auto typed = [](const char* text) {
        return [text](QWidget* w) {
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(w, text);
        };
    };
    const std::vector<Case> cases = {
        {R"(Name: <a href="p" class="EDIT">old</a>)", [](TParamTreeview& t) -> QWidget* { return t.EditEditor(); },
         typed("a<b"), "a&lt;b"},
        {R"(Name: <a href="p" class="EDIT">old</a>)", [](TParamTreeview& t) -> QWidget* { return t.EditEditor(); },
         [](QWidget* w) { static_cast<QLineEdit*>(w)->clear(); }, "?"},
        {R"(Time: <a href="p" class="MASK" props="99:99;1;_">12:30</a>)",
         [](TParamTreeview& t) -> QWidget* { return t.MaskEditor(); },
         [](QWidget* w) {
             QTest::keyClick(w, Qt::Key_Home);
             QTest::keyClicks(w, "0945");
         },
         "09:45"},
        {R"(Count: <a href="p" class="SPIN">5</a>)", [](TParamTreeview& t) -> QWidget* { return t.SpinEditor(); },
         typed("42"), "42"},
        {R"(Colour: <a href="p" class="LIST" props="rot|gr&amp;n|blau">gr&amp;n</a>)",
         [](TParamTreeview& t) -> QWidget* { return t.ListEditor(); },
         [](QWidget* w) { QTest::keyClick(w, Qt::Key_Down); }, "blau"},
        {R"(Date: <a href="p" class="DATE">01.01.2000</a>)", [](TParamTreeview& t) -> QWidget* { return t.DateEditor(); },
         [](QWidget* w) { static_cast<QDateTimeEdit*>(w)->setDate(QDate(2024, 3, 9)); }, date},
        {R"(Time: <a href="p" class="TIME">x</a>)", [](TParamTreeview& t) -> QWidget* { return t.DateEditor(); },
         [](QWidget* w) { static_cast<QDateTimeEdit*>(w)->setTime(QTime(14, 5)); }, time},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.markup);
        tree_->clear();
        changes_.clear();
        QTreeWidgetItem* item = Add(c.markup);
        const QString before = Value(item, "p");

        EnterOn(item);
        QWidget* editor = c.editor(*tree_);
        ASSERT_TRUE(editor->isVisible());
        QTest::keyClick(editor, Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(Value(item, "p"), before);
        EXPECT_TRUE(changes_.empty());

        EnterOn(item);
        ASSERT_TRUE(editor->isVisible());
        c.input(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_FALSE(tree_->Editing());
        EXPECT_EQ(Value(item, "p"), c.expected);
        ASSERT_EQ(changes_.size(), 1u);
        EXPECT_EQ(changes_[0].oldValue, before);
        EXPECT_EQ(changes_[0].newValue, c.expected);
    }
}

TEST_F(ParamTreeviewTest, InvalidMaskedTextKeepsTheEditorOpen) {
    QTreeWidgetItem* item = Add(R"(<a href="p" class="MASK" props="99:99">12:30</a>)");
    EnterOn(item);
    TPopupMaskEdit* mask = tree_->MaskEditor();
    mask->clear();
    QTest::keyClick(mask, Qt::Key_Return);
    EXPECT_TRUE(mask->isVisible());
    EXPECT_TRUE(changes_.empty());
    QTest::keyClick(mask, Qt::Key_Escape);
    EXPECT_EQ(Value(item, "p"), "12:30");
}

TEST_F(ParamTreeviewTest, ClickedListEntryAndLeftEditorCommit) {
    QTreeWidgetItem* item = Add(R"(<a href="c" class="LIST" props="rot|blau">rot</a> <a href="e" class="EDIT">x</a>)");
    ClickAnchor(item, 0);
    TPopupListBox* list = tree_->ListEditor();
    ASSERT_TRUE(list->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(Value(item, "c"), "blau");

    // An edit that loses its window (a click elsewhere) delivers what was typed.
    ClickAnchor(item, 1);
    ASSERT_TRUE(tree_->EditEditor()->isVisible());
    tree_->EditEditor()->setText("typed");
    tree_->EditEditor()->hide();
    EXPECT_EQ(Value(item, "e"), "typed");
    ASSERT_EQ(changes_.size(), 2u);
}

TEST_F(ParamTreeviewTest, EditorlessClassesCommitThroughTheirHandlers) {
    QTreeWidgetItem* item = Add(R"(<a href="t" class="TOGGLE" props="ein|aus">aus</a> <a href="d" class="DIR">?</a> )"
                                R"(<a href="q" class="QUERY">1</a> <a href="u" class="CUSTOM" props="x">a</a> <a href="k">k</a>)");
    QString dirStart = "unset";
    tree_->ChooseDirectory = [&](QWidget*, const QString&, const QString& start, const QPoint&) {
        dirStart = start;
        return QString("/data/sets");
    };
    tree_->OnParamQuery = [](QTreeWidgetItem*, const QString&, QString& value) { value = "2"; };
    tree_->OnParamCustomEdit = [this](QTreeWidgetItem*, const QString& href, const QString&, const QString& props,
                                      const QRect&) { tree_->DeliverValue(href, props + "!"); };
    tree_->OnParamClick = [](QTreeWidgetItem*, const QString&, QString& value) { value = "clicked"; };

    for (int anchor = 0; anchor < 5; ++anchor) ClickAnchor(item, anchor);
    EXPECT_EQ(Value(item, "t"), "ein");
    EXPECT_EQ(Value(item, "d"), "/data/sets");
    EXPECT_NE(dirStart, "?");  // the empty value starts in the current folder
    EXPECT_EQ(Value(item, "q"), "2");
    EXPECT_EQ(Value(item, "u"), "x!");
    EXPECT_EQ(Value(item, "k"), "clicked");
    EXPECT_EQ(changes_.size(), 5u);
    EXPECT_FALSE(tree_->Editing());

    ClickAnchor(item, 0);
    EXPECT_EQ(Value(item, "t"), "aus");
}

TEST_F(ParamTreeviewTest, KeyboardReachesEveryParameter) {
    QTreeWidgetItem* first = Add(R"(<a href="a" class="EDIT">1</a> <a href="b" class="EDIT">2</a> <a href="c" class="EDIT">3</a>)");
    QTreeWidgetItem* parent = Add("<b>Unit</b>");
    QTreeWidgetItem* last = Add(R"(Last: <a href="d" class="EDIT">4</a>)", parent);
    tree_->collapseAll();

    tree_->setCurrentItem(first);
    tree_->setFocus();
    QTest::keyClick(tree_.get(), Qt::Key_Right);
    EXPECT_EQ(tree_->FocusedAnchor(), 1);
    QTest::keyClick(tree_.get(), Qt::Key_Right);
    QTest::keyClick(tree_.get(), Qt::Key_Right);  // past the last anchor: left to the tree
    EXPECT_EQ(tree_->FocusedAnchor(), 2);
    QTest::keyClick(tree_.get(), Qt::Key_Left);
    EXPECT_EQ(tree_->FocusedAnchor(), 1);
    QTest::keyClick(tree_.get(), Qt::Key_Return);
    ASSERT_TRUE(tree_->EditEditor()->isVisible());
    EXPECT_EQ(tree_->EditEditor()->text(), "2");
    QTest::keyClick(tree_->EditEditor(), Qt::Key_Escape);

    // With AdvanceOnReturn, Enter walks c, then d inside the collapsed unit, then wraps to a.
    tree_->AdvanceOnReturn = true;
    QTest::keyClick(tree_.get(), Qt::Key_Right);
    QTest::keyClick(tree_.get(), Qt::Key_Return);
    EXPECT_EQ(tree_->EditEditor()->text(), "3");
    QTest::keyClick(tree_->EditEditor(), Qt::Key_Return);
    EXPECT_EQ(tree_->currentItem(), last);
    ASSERT_TRUE(tree_->EditEditor()->isVisible());
    EXPECT_EQ(tree_->EditEditor()->text(), "4");
    QTest::keyClick(tree_->EditEditor(), Qt::Key_Return);
    EXPECT_EQ(tree_->currentItem(), first);
    EXPECT_EQ(tree_->FocusedAnchor(), 0);
    EXPECT_EQ(tree_->EditEditor()->text(), "1");
    QTest::keyClick(tree_->EditEditor(), Qt::Key_Escape);
}

TEST_F(ParamTreeviewTest, HandCursorOnlyOverAnchors) {
    QTreeWidgetItem* item = Add(R"(Plain text and <a href="p" class="EDIT">value</a>)");
    QString entered, exited;
    tree_->OnParamEnter = [&](QTreeWidgetItem*, const QString& href, const QString&) { entered = href; };
    tree_->OnParamExit = [&](QTreeWidgetItem*, const QString& href, const QString&) { exited = href; };
    const QRect anchor = tree_->AnchorRect(item, 0);
    QTest::mouseMove(tree_->viewport(), anchor.center());
    EXPECT_EQ(tree_->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(entered, "p");
    QTest::mouseMove(tree_->viewport(), QPoint(anchor.left() - 40, anchor.center().y()));
    EXPECT_NE(tree_->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(exited, "p");
}

TEST_F(ParamTreeviewTest, ALongValueIsReachedBySidewaysScrollingNotCut) {
    QTreeWidgetItem* options = Add("<b>Opzioni</b>");
    QTreeWidgetItem* option = Add("Registratore dati di calibrazione con banda di tolleranza e curva caratteristica"
                                  " :  <a href=\"optTBAND\" class=\"MENU\" props=\"attivo|inattivo\">inattivo</a>",
                                  options);
    tree_->expandAll();
    QApplication::processEvents();
    const QRect row = tree_->visualItemRect(option);
    ASSERT_GT(tree_->horizontalScrollBar()->maximum(), 0);
    EXPECT_LE(tree_->AnchorRect(option, 0).bottom(), row.bottom());  // on the item's own line
    tree_->horizontalScrollBar()->setValue(tree_->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_LE(tree_->AnchorRect(option, 0).right(), tree_->viewport()->width());
    EXPECT_TRUE(tree_->grab().save(QDir::temp().filePath("param_treeview_long_value.png")));
    ClickAnchor(option);
    EXPECT_TRUE(tree_->PopupMenu()->isVisible());
}

TEST_F(ParamTreeviewTest, ASelectedRowKeepsItsBranchAreaInTheControlColour) {
    QTreeWidgetItem* unit = Add("<b>Unit</b>");
    QTreeWidgetItem* line = Add("Software :  <font color=\"#008000\">9.2</font>", unit);
    tree_->expandAll();
    tree_->setFocus();
    tree_->setCurrentItem(line);
    QApplication::processEvents();
    const QImage image = tree_->viewport()->grab().toImage();
    image.save(QDir::temp().filePath("param_treeview_selected_branch.png"));
    const QRect row = tree_->visualItemRect(line);
    const QColor base = tree_->palette().color(QPalette::Base);
    for (int x = 1; x < row.left() - 1; ++x)
        for (const int y : {row.top() + 1, row.center().y(), row.bottom() - 1})
            ASSERT_EQ(image.pixelColor(x, y), base) << x << "," << y;
}

}  // namespace
}  // namespace tessalin

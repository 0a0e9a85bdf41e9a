// Fixed-length text edits: the key filter of the row's character set, the field written on leaving,
// and renaming the selected tree node while typing.
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

#include "gui/page/fixed_text_edit.h"
#include "page_fixture.h"

namespace tessalin::gui::test {
namespace {

class TextEditTest : public PageTest {
protected:
    FixedTextEdit* Edit(int row) const { return Find<FixedTextEdit>(RowTag(row)); }
    static std::string Field(long long offset, int length) {
        std::string bytes;
        for (int i = 0; i < length; ++i) bytes += static_cast<char>(Byte(offset + i));
        return bytes;
    }
};

TEST_F(TextEditTest, KeysPassThroughTheCharacterSet) {
    struct Case {
        int row;
        const char* typed;
        const char* shown;  // UTF-8
    };
    const Case cases[] = {
        {kRowTag, "abc", "ABC"},                  // set 5: capitals
        {kRowTag, "a b", "A\u00B7B"},             // a blank is the device blank
        {kRowTag, "A?B-C", "ABC"},                // set 5 has no "?" and no "-"
        {kRowTag, "ABCDEFGHIJKLM", "ABCDEFGHIJ"}, // 10 at most
        {kRowName, "ab-Z.", "ab-Z"},              // set 6 keeps lower case; 4 at most
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Open(kTestMenu);
        FixedTextEdit* edit = Edit(c.row);
        edit->clear();
        Type(edit, c.typed);
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
    }
}

TEST_F(TextEditTest, BackspaceStillWorksInAFullField) {
    Open(kTestMenu);
    FixedTextEdit* edit = Edit(kRowName);
    edit->clear();
    Type(edit, "abcd");
    QTest::keyClick(edit, Qt::Key_Backspace);
    Type(edit, "x");
    EXPECT_EQ(edit->text(), "abcx");
}

TEST_F(TextEditTest, ShowsTheWholeFieldAndWritesItPaddedOnLeaving) {
    const std::string stored = "TAG\xB7" "1\xB7\xB7\xB7\xB7\xB7";
    for (int i = 0; i < 10; ++i) Ws().ParImage.setU8(kSysSet + 120 + i, static_cast<uint8_t>(stored[i]));
    Open(kTestMenu);
    FixedTextEdit* edit = Edit(kRowTag);
    EXPECT_EQ(edit->text(), QString::fromUtf8("TAG\u00B71\u00B7\u00B7\u00B7\u00B7\u00B7"));
    EXPECT_EQ(Find<QLabel>(RowTag(kRowTag), role::kCharSetLabel)->text(), QString::fromUtf8("0..9A..Z_\u00B7"));

    edit->clear();
    Type(edit, "abc");
    EXPECT_EQ(Byte(kSysSet + 120), 'T');  // nothing is written while typing
    Leave(edit);
    EXPECT_EQ(Field(kSysSet + 120, 10), "ABC\xB7\xB7\xB7\xB7\xB7\xB7\xB7");
    EXPECT_EQ(Byte(kSysSet + 130), 0);  // the field ends where it ends
    EXPECT_EQ(Log().count(kRowTag, kEvCommitted), 1);
    EXPECT_TRUE(Ws().Modified);

    // A rebuild shows the whole field as stored.
    Ws().PageRebuildRequest = true;
    Tick();
    EXPECT_EQ(Edit(kRowTag)->text(), QString::fromUtf8("ABC\u00B7\u00B7\u00B7\u00B7\u00B7\u00B7\u00B7"));
}

// Pasted text passes the same filter as typing, so what the field shows is what leaving it stores.
TEST_F(TextEditTest, PastedTextIsFilteredAndStoredAsShown) {
    Open(kTestMenu);
    FixedTextEdit* edit = Edit(kRowTag);
    edit->clear();
    QGuiApplication::clipboard()->setText("ab c?\n-12345678");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QString::fromUtf8("AB\u00B7C123456"));
    Leave(edit);
    EXPECT_EQ(Field(kSysSet + 120, 10), "AB\xB7" "C123456");
    EXPECT_EQ(QString::fromStdString(page_->Model().find(kRowTag)->value), edit->text());
}

// Tabbing through a field leaves it as it is: an empty field is not filled with device blanks.
TEST_F(TextEditTest, LeavingAnUnchangedFieldWritesNothing) {
    Open(kTestMenu);
    ASSERT_EQ(Edit(kRowTag)->text(), "");
    Leave(Edit(kRowTag));
    EXPECT_EQ(Byte(kSysSet + 120), 0);
    EXPECT_FALSE(Ws().Modified);
    EXPECT_EQ(Log().count(kRowTag, kEvCommitted), 0);
}

TEST_F(TextEditTest, TypingIntoARenamingRowRenamesTheSelectedNode) {
    Ws().Tree.nodes.push_back(TreeNode{"Old", 1, 0, -1, {}});
    Ws().Tree.selected = 0;
    Open(kTestMenu);
    QSignalSpy renamed(page_.get(), &FormPage::NodeRenamed);
    FixedTextEdit* edit = Edit(kRowName);
    edit->clear();
    Type(edit, "ab");
    EXPECT_EQ(Ws().Tree.nodes[0].text, "ab");
    EXPECT_GE(renamed.count(), 1);

    // A row without the rename flag leaves the node alone.
    Type(Edit(kRowTag), "X");
    EXPECT_EQ(Ws().Tree.nodes[0].text, "ab");
}

}  // namespace
}  // namespace tessalin::gui::test

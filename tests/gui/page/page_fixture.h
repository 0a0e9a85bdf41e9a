#pragma once
// A small page of every kind of row on the base unit's per-set section, handlers that log what they
// are asked, and a fixture that shows the page in a frame as the main window does.

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/workspace.h"
#include "gui/common/prompter.h"
#include "gui/page/child_form.h"
#include "gui/page/form_page.h"
#include "gui/page/page_controls.h"
#include "gui/page/param_page_frame.h"

namespace tessalin::gui::test {

// Where the values of the test page live: the base unit's per-set section.
constexpr long long kSysSet = 0x0100;
constexpr long long kSetB = 0x2000;

// Rows of the test page.
enum TestRow : int {
    kRowHeading,     // heading with picture 30
    kRowCount,       // whole number in seconds, 0..100, uint16 at +100; refreshes the other rows
    kRowHidden,      // never shown
    kRowCond,        // float in µS/cm or mS/cm at +104, 0..5000 µS/cm
    kRowMode,        // choice Off/On/Auto at +110, rebuilds the page
    kRowTag,         // text of set 5, 10 long, at +120
    kRowName,        // text of set 6, 4 long, at +132, renames the tree node
    kRowLocked,      // number that cannot be edited, at +136
    kRowSeparator,   // heading without texts
    kRowButtons,     // two buttons; button 2 opens the sub-page
    kRowMatrix,      // 2 x 2 check boxes
    kRowTime,        // time at +140 (minute) and +141 (hour)
    kRowSlider,      // slider 0..50 at +145
    kRowPicture,     // picture drawn by its handler
    kRowDerived,     // number at +150 written by the count's commit; label from its handler
    kRowCount_,
};

struct HandlerLog {
    std::vector<std::pair<int, int>> events;  // (row, event) in order
    std::vector<int> matrixClicks;            // number of event 23
    bool subPageClosedAnswer = false;         // event 11
    int count(int row, int event) const;
};
HandlerLog& Log();

extern const TMenuEntry kTestMenu;
extern const TMenuEntry kSubPageMenu;

// Answers at once instead of waiting for the user.
class TestPrompter : public Prompter {
public:
    QStringList Messages;
    std::function<int(QDialog&)> OnExec;

    FileDialogResult OpenFile(QWidget*, const FileDialogSpec&) override { return {}; }
    FileDialogResult SaveFile(QWidget*, const FileDialogSpec&) override { return {}; }
    MessageAnswer Message(QWidget*, const QString&, const QString& text, MessageIcon, MessageButtons) override {
        Messages.push_back(text);
        return MessageAnswer::Ok;
    }
    bool Print(QWidget*, QPrinter&) override { return false; }
    int Exec(QDialog& dialog) override { return OnExec ? OnExec(dialog) : QDialog::Rejected; }
};

class PageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a page as selecting its tree node does, and lets the timer build it.
    void Open(const TMenuEntry& entry, const std::string& title = "Test page");
    void Tick() { page_->ServiceRequests(); }

    // The last created control of the panel with this class and tag (and object name, when given).
    template <typename Control>
    Control* Find(uint32_t tag, const QString& name = {}) const {
        const QList<Control*> all = panel()->findChildren<Control*>(Qt::FindDirectChildrenOnly);
        for (auto it = all.crbegin(); it != all.crend(); ++it)
            if (HasTag(*it) && TagOf(*it) == tag && (name.isEmpty() || (*it)->objectName() == name)) return *it;
        return nullptr;
    }
    QWidget* panel() const { return page_->Panel(); }
    // With TESSALIN_SCREENSHOTS set to a folder, leaves a picture of the page frame there.
    void SaveScreenshot(const QString& name) const;

    static void Type(QWidget* control, const QString& keys);
    static void Leave(QWidget* control);
    static QColor Background(const QLineEdit* edit) { return edit->palette().color(QPalette::Base); }
    static uint8_t Byte(long long offset) { return Ws().ParImage.u8(offset); }
    static QString HeaderTitle(const ParamPageFrame& frame);
    static int HeaderImage(const ParamPageFrame& frame);

    TestPrompter prompter_;
    std::unique_ptr<QWidget> host_;
    ParamPageFrame frame_;
    std::unique_ptr<TChildForm> childForm_;
    std::unique_ptr<FormPage> page_;
};

}  // namespace tessalin::gui::test

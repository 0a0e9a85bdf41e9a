#pragma once
// The commit cycle of the parameter page: what an edit writes into the image, which events the row's
// handler hears, and the follow-ups. Every operation starts from a row number, makes that row current and
// works on the page model that the view shows; the view then renders what the returned follow-up names.
//
// Core-side follow-ups are carried out before an operation returns: rows and labels of the model are
// refreshed, a page rebuild is requested (PageRebuildRequest), the tree branch or the whole tree is
// rebuilt in Ws().Tree. Every commit that changes a value sets Modified; leaving a control whose value
// was not changed writes nothing and leaves Modified as it is.

#include <string>

#include "core/page/formpage.h"

namespace tessalin {

struct FollowUp {
    bool refreshRows = false;     // other rows' values, lists and enabled states changed in the model
    bool refreshLabels = false;   // handler-supplied labels changed in the model
    bool refreshButtons = false;  // the buttons' enabled states changed in the model
    bool rebuildPage = false;     // PageRebuildRequest was set: the timer rebuilds the page
    bool rebuildBranch = false;   // the selected node's branch was rebuilt
    bool rebuildTree = false;     // the whole tree was rebuilt
    bool notWritten = false;      // the row's location has no place for this module: nothing was stored
};

// Text field (kind 1), leaving the edit: writes the text as a fixed-length field (padded with the device
// blank), sends event 3; flag 6 rebuilds the branch, flag 2 requests a page rebuild. A text equal to the
// one shown is not written, so an empty field left alone stays as it is in the image.
FollowUp CommitText(PageModel& page, int row, const std::string& text);

// What typing `text` into the text row's field gives: only the row's character set (a blank as the device
// blank, capitals where the set says so), at most the field's length. CommitText stores this.
std::string FilteredText(const PageRow& row, const std::string& text);

// Text field, every change: with flag 7 the selected tree node takes the edit's text. True when renamed.
bool RenameNodeFromText(int row, const std::string& text);

// Choice list (kinds 2, 8), an item selected: when its code differs from the stored byte, writes it (both
// sets with flag 3), sends event 3; flag 5 refreshes the rows, 2 requests a page rebuild, 6 rebuilds the
// branch, 13 the tree. A rule that rebuilt the tree during event 3 (a change of hardware) is reported as a
// tree rebuild too. Choosing the code already stored stores nothing and sends nothing, whatever the list
// shows (a one-item list shows its item over any stored byte).
FollowUp CommitChoice(PageModel& page, int row, int itemIndex);

struct NumberOutcome {
    int result = 0;          // of the check: 0 accepted, 1 not a number, 2 decimals, 3 below, 4 above
    bool stored = false;
    bool unchanged = false;  // leaving with the value already stored: nothing to store, not a refusal
    std::string text;        // the text the edit shows now (the corrected one after a correction)
    std::string limit;       // the limit passed (results 3 and 4), as the edit would show it
    std::string corrected;   // a stored correction as the row shows it read back, with its unit ("999.9 mg/l")
    EditColour colour = EditColour::White;
    bool beep = false;
    FollowUp followUp;
};

// Numeric edit (kind 3): `text` checked in the row's current unit. While typing (leaving false) an
// accepted number is stored (white) and anything else only marked red. On leaving, a non-number stays red
// with a beep and sends nothing; a fractional number for a type without decimals is cut (yellow), one
// beyond a limit is replaced by the limit (lime), and both are stored. Stored values send event 3, then
// flag 5 refreshes the rows and flag 12 the labels. Leaving with the text shown as stored (white, as
// built or as last stored while typing) writes nothing.
NumberOutcome CommitNumber(PageModel& page, int row, const std::string& text, bool leaving);

// The unit list beside a number: choosing another unit re-checks the shown number in that unit, as a
// change (leaving false) or as leaving the edit. Leaving the list on the same unit is leaving the number.
NumberOutcome ChangeUnit(PageModel& page, int row, int unitIndex, bool leaving);

// Slider (kind 4): writes the position as one byte. No event.
FollowUp CommitSlider(PageModel& page, int row, int position);

// Time picker (kind 6, time mode): writes minute and hour when they differ from the shown time. No event.
// An hour or minute beyond 23:59 (or below 00:00) is corrected to the limit and stored, reported as a
// number beyond its limit is; the outcome's text is the time shown after.
NumberOutcome CommitTime(PageModel& page, int row, int hour, int minute);

struct ButtonOutcome {
    FollowUp followUp;
    const TMenuEntry* subPage = nullptr;  // the menu entry to open as a sub-page, or none
};

// A button (kinds 5, 8) clicked: event 30 (true requests a page rebuild), event 35 (true with a menu entry:
// open it as a sub-page, see SubPageSession). Without a sub-page and a rebuild request the buttons' enabled
// states are refreshed (event 31). Buttons of the sub-page dialog's own page do nothing.
ButtonOutcome PressButton(PageModel& page, int row, int button, bool onSubPage);

// Event 31 for every button of the page.
void RefreshButtons(PageModel& page);

// A matrix cell (kind 7) clicked: event 23 with the cell and its new state; then every cell of the matrix
// shows its state again (event 22), since the handler may have cleared others.
void ClickMatrixCell(PageModel& page, int row, int matrixRow, int column, bool checked);

// After a commit of row r: every other number shows its value again (with its enabled state and unit),
// every other choice list is filled again with its selection and enabled state. Row r is current after.
void RefreshDependentRows(PageModel& page, int row);

// After a commit of row r: labels that text and number rows take from their handler are asked again.
void RefreshRowLabels(PageModel& page, int row);

}  // namespace tessalin

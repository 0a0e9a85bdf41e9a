#pragma once
// The parameter page as a model: one row record per shown entry of CurrentPage's parameter table, with
// everything the view shows (label, value text, units, choice items, enabled state, heading, buttons,
// matrix). Building fills the row contexts Ws().FormpageRows; the views render the rows and send edits to
// the commit operations of page_edit.h.

#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/choice_list.h"
#include "core/catalogue/tables.h"

namespace tessalin {

struct PageButton {
    int number = 1;        // from 1
    std::string caption;
    std::string glyph;     // name of a picture resource, empty without
    std::string hint;      // tool tip, empty without
    bool enabled = true;
};

// The colour a numeric edit shows after a check.
enum class EditColour { White, Red, Yellow, Lime };

// Matrix cell states.
enum MatrixCell : int { kCellDisabled = 0, kCellOff = 1, kCellOn = 2 };

struct PageRow {
    int row = 0;           // the entry's index in the parameter table
    uint8_t kind = kKindHeading;
    uint32_t flags = 0;    // the entry's flags

    // Heading or note (flag 0 or 17): `label` is the heading text over `headingLines` lines (0: a plain
    // separator line), `icon` an index into the main window's image list (-1 none). A heading of kind 3
    // also shows its value (read-only) with `valueLabel` beside it.
    bool heading = false;
    int headingLines = 0;
    int icon = -1;
    std::string valueLabel;

    std::string label;     // name label (a value row) or heading text
    bool enabled = true;   // the value controls; the name label always stays enabled
    // False when the row's controls get no events: a text row whose value type is not text, a choice row
    // whose list is empty, a time row not in time mode.
    bool active = true;

    // Number (kind 3): value text, applicable units and the chosen one (-1 none), check colour.
    // Text (kind 1): the field's bytes as they stand ("·" is the device blank). Slider: the position.
    std::string value;
    std::vector<std::string> units;
    int unitIndex = -1;
    EditColour colour = EditColour::White;

    // Text (kind 1)
    int charSet = 0;
    int maxLength = 0;
    std::string charSetName;

    // Choice (kinds 2 and 8): items with their codes, the selected index (-1 none).
    std::vector<ChoiceItem> items;
    int selected = -1;

    // Slider (kind 4)
    int minimum = 0;
    int maximum = 0;
    int position = 0;

    // Time (kind 6)
    int hour = 0;
    int minute = 0;

    // Buttons (kinds 5 and 8)
    std::vector<PageButton> buttons;

    // Matrix (kind 7): labels and cells[j][i] (row j, column i).
    std::vector<std::string> matrixRows;
    std::vector<std::string> matrixColumns;
    std::vector<std::vector<int>> cells;

    // The single unit beside a number, "" when it has none or a list of several.
    std::string unitLabel() const;
};

struct PageModel {
    std::string title;            // plain text; a single blank without page
    std::vector<PageRow> rows;    // the shown rows in table order
    // A table error of a text row (user-interface language): the build stopped at `errorRow`.
    std::string error;
    int errorRow = -1;

    PageRow* find(int row);
    const PageRow* find(int row) const;
};

// Builds the page of CurrentPage. Sends events 4, 5, 7, 8, 9, 20..22 and 32..34, 36 as the rows need them.
// Without page the row contexts lose their entries and the title is a single blank. A table of more than
// 100 rows is a RangeError.
PageModel BuildFormpage();

// Builds one row of the shown page again, from the row context the page build left (the row is made
// current): what the row shows now. Nothing when the row has no entry, is hidden or stops the page.
std::optional<PageRow> BuildPageRow(int row);

// Sends event 40 to a picture row with the canvas it is to draw on.
void DrawPictureRow(int row, void* canvas);

// The parameter set button: toggles ActiveParamSet and requests a page rebuild. Returns the image index
// of the set now shown (25 set A, 26 set B).
int SwitchParamSet();
int ParamSetImage();

}  // namespace tessalin

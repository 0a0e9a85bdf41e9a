#pragma once
// The pieces of a row that building and refreshing the page share: making a row current, where its value
// lies, and reading its label, choice items, number and buttons through its handler and the codec.

#include <string>

#include "core/page/formpage.h"

namespace tessalin {

// Copies row context r of FormpageRows to CurrentParam; returns its entry (nullptr: the row has none).
// A row number outside 0..99 is a RangeError.
const TParamEntry* MakeRowCurrent(int row);

// The image offset of the current row's value in the active set.
long long CurrentValueOffset();

// Asks the current row's handler.
bool AskCurrent(int event);
bool AskCurrent(int event, TEvParRec& rec);

// While a page is built, one event record serves every event of the build: what a handler leaves in it
// is what the next handler finds. The build holds a SharedEventRecord for its duration; EventRecord gives
// that record, or `local` when no build is running (the refreshes after a commit).
class SharedEventRecord {
public:
    SharedEventRecord();
    ~SharedEventRecord();
    SharedEventRecord(const SharedEventRecord&) = delete;
    SharedEventRecord& operator=(const SharedEventRecord&) = delete;

private:
    TEvParRec record_;
    TEvParRec* outer_;
};
TEvParRec& EventRecord(TEvParRec& local);

// The name label: the handler's (event 9) with flag 19, else the entry's name in the device language.
std::string RowLabel(const TParamEntry& entry);

// The choice items of the current row (the handler's list with flag 16, else the entry's), with the
// stored code selected; enabled by event 5 when there are items, inactive when there are none.
void ReadChoice(const TParamEntry& entry, PageRow& row);

// The number of the current row: text, units and chosen unit.
void ReadNumberInto(PageRow& row);

// The buttons of the current row: count (event 32), glyph (34), caption (33) and hint (36) of each.
void ReadButtons(PageRow& row);

}  // namespace tessalin

#pragma once
// Marks on the rows of a built parameter page: a marked row's name label stands out and every control of
// the row tells in its tooltip what the mark says (while comparing: the value in the second data set).
// Marking again replaces the marks before; unmarked controls get their own tooltips back.

#include <QString>

#include <map>

class QWidget;

namespace tessalin::gui {

// `marks`: row number → tooltip text. An empty map takes every mark away.
void ShowRowMarks(QWidget* panel, const std::map<int, QString>& marks);

// True when the row's name label is marked.
bool RowMarked(QWidget* panel, int row);

}  // namespace tessalin::gui

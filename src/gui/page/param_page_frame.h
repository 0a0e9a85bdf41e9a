#pragma once
// The frame that a parameter page is built into, on the main window's "Parameter" tab and in the
// sub-page dialog: a vertical scroll box `ScrollBox1` holding the two-section header
// `HeaderControl1` (parameter-set picture, page title; 27 pixels high, bold, not clickable) and
// below it the panel `Formpage`, the parent of all row controls.

#include <QString>

class QHeaderView;
class QScrollArea;
class QStandardItemModel;
class QWidget;

namespace tessalin::gui {

struct ParamPageFrame {
    QScrollArea* ScrollBox1 = nullptr;
    QHeaderView* HeaderControl1 = nullptr;
    QWidget* Formpage = nullptr;

    // Header section 1 shows this picture of BilderEnabled (25 set A, 26 set B).
    void SetHeaderImage(int index) const;
    void SetHeaderTitle(const QString& title) const;
    // Deletes every control on Formpage, last created first.
    void ClearFormpage() const;
};

// Builds the frame inside `parent` (which gets a layout holding the scroll box).
ParamPageFrame MakeParamPageFrame(QWidget* parent, int imageSectionWidth);

}  // namespace tessalin::gui

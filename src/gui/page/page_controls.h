#pragma once
// What every control of a parameter page shares: the layout columns, the integer tag that leads a
// control back to its row, the object names that tell the kinds of labels and lists apart, and the
// Enter key that moves the focus on as Tab does.

#include <QObject>
#include <QString>

#include <cstdint>

class QWidget;

namespace tessalin::gui {

// Layout of a page, in pixels: x0 is the width of the header's picture section and W the width of its
// title section; names start at x0 + 8, values at x0 + 158, units at x0 + 316 (a label) or x0 + 310 (a
// list). Labels and edits are 150 wide unless a row says otherwise.
namespace page_layout {
inline constexpr int kX0 = 32;
inline constexpr int kW = 410;
inline constexpr int kTop = 8;
inline constexpr int kGap = 8;
inline constexpr int kNameX = kX0 + 8;
inline constexpr int kValueX = kX0 + 158;
inline constexpr int kUnitLabelX = kX0 + 316;
inline constexpr int kUnitListX = kX0 + 310;
inline constexpr int kWidth = 150;
inline constexpr int kUnitListWidth = 100;
inline constexpr int kMinimumHeight = 200;
}  // namespace page_layout

// Tags: the row number; a unit label or unit list adds bit 24; button n of a row carries n in bits 24
// to 31; the check box of column i, row j of a matrix carries j in bits 16 to 23 and i in bits 24 to 31.
inline constexpr uint32_t kUnitTagBit = 1u << 24;
inline constexpr uint32_t RowTag(int row) { return static_cast<uint32_t>(row); }
inline constexpr uint32_t ButtonTag(int row, int button) {
    return static_cast<uint32_t>(row) | (static_cast<uint32_t>(button) << 24);
}
inline constexpr uint32_t CellTag(int row, int matrixRow, int column) {
    return static_cast<uint32_t>(row) | (static_cast<uint32_t>(matrixRow) << 16) |
           (static_cast<uint32_t>(column) << 24);
}
inline constexpr int TagRow(uint32_t tag) { return static_cast<int>(tag & 0xFFFFFF); }

void SetTag(QObject* control, uint32_t tag);
uint32_t TagOf(const QObject* control);
bool HasTag(const QObject* control);

// Object names of the controls whose class alone does not say what they are.
namespace role {
inline const QString kNameLabel = QStringLiteral("NameLabel");
inline const QString kHeadingLabel = QStringLiteral("HeadingLabel");
inline const QString kHeadingFrame = QStringLiteral("HeadingFrame");
inline const QString kHeadingIcon = QStringLiteral("HeadingIcon");
inline const QString kValueLabel = QStringLiteral("ValueLabel");
inline const QString kCharSetLabel = QStringLiteral("CharSetLabel");
inline const QString kUnitLabel = QStringLiteral("UnitLabel");
inline const QString kUnitList = QStringLiteral("UnitList");
inline const QString kButtonFrame = QStringLiteral("ButtonFrame");
inline const QString kMatrixLabel = QStringLiteral("MatrixLabel");
}  // namespace role

// Installs on a control: Enter or Return moves the focus to the next control, as Tab does.
void MoveFocusOnEnter(QWidget* control);

}  // namespace tessalin::gui

#pragma once
// The check-box matrix of a matrix row: column labels across the top, row labels down the left, and one
// check box per cell (disabled, unchecked or checked as the row's cells say).

#include <QCheckBox>
#include <vector>

#include "core/page/formpage.h"

namespace tessalin::gui {

struct MatrixCellBox {
    QCheckBox* box;
    int matrixRow;
    int column;
};

// Creates the matrix at top y; returns its boxes. A matrix without rows or columns shows nothing.
std::vector<MatrixCellBox> MakeMatrix(QWidget* panel, const PageRow& row, int y);

// Sets every check box of the row's matrix on the panel to the state the row's cells hold now (a click
// can clear other cells too).
void ShowMatrixCells(QWidget* panel, const PageRow& row);

// The height the matrix takes, without the gap after it.
int MatrixHeight(const PageRow& row);

}  // namespace tessalin::gui

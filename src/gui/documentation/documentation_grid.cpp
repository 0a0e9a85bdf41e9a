#include "gui/documentation/documentation_grid.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tessalin::gui {

namespace {
constexpr int kRowHeight = 20;
}  // namespace

void ShowDocumentationGrid(QWidget* page, const DocTable& table) {
    auto* grid = page->findChild<QTableWidget*>("DocumentationGrid");
    if (grid == nullptr) {
        grid = new QTableWidget(page);
        grid->setObjectName("DocumentationGrid");
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
        grid->horizontalHeader()->setStretchLastSection(true);
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(grid);
    }
    grid->clear();
    grid->setColumnCount(kDocColumns);
    QStringList header;
    for (int c = 0; c < kDocColumns; ++c) header << QString::fromStdString(DocTable::Header()[c]);
    grid->setHorizontalHeaderLabels(header);
    grid->setRowCount(static_cast<int>(table.rows.size()));
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r)
        for (int c = 0; c < kDocColumns; ++c)
            if (!table.rows[r][c].empty())
                grid->setItem(r, c, new QTableWidgetItem(QString::fromStdString(table.rows[r][c])));
    // Every column is as wide as its widest text, and never narrower than its standard width.
    grid->resizeColumnsToContents();
    for (int c = 0; c < kDocColumns; ++c)
        grid->setColumnWidth(c, std::max(grid->columnWidth(c), DocTable::ScreenWidths()[c]));
}

}  // namespace tessalin::gui

#pragma once
// ComparisonPanel: below the device tree while the loaded data set is compared with a second one. Its
// header names the second data set and the number of differences; its list has one line per difference,
// and choosing a line leads to the node (and parameter set) where it lies. "Vergleich beenden" closes
// the comparison.

#include <QWidget>

#include <vector>

#include "core/compare/compare.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tessalin::gui {

class ComparisonPanel : public QWidget {
    Q_OBJECT
public:
    explicit ComparisonPanel(QWidget* parent = nullptr);

    // Shows the differences with the nodes of the loaded tree they belong to (-1: none, shown greyed).
    void ShowDifferences(const QString& otherFiles, const std::vector<Difference>& differences,
                         const std::vector<int>& nodes);
    // Sets the header and the button in the current user-interface language.
    void ApplyTexts();

signals:
    // A line was chosen: the node to show, in set 'A' or 'B' (0: the shown set stays).
    void NodeChosen(int node, char set);
    void CloseRequested();

private:
    void Chosen(QListWidgetItem* item);

    QLabel* header_;
    QListWidget* list_;
    QPushButton* close_;
    QString otherFiles_;
    int count_ = 0;
};

}  // namespace tessalin::gui

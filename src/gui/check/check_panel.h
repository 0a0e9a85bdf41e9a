#pragma once
// CheckPanel: beside the parameter page while the findings of the data-set check are open. Its header
// counts the findings; its list has one line per finding (place, stored value, what is accepted, the
// repair), and choosing a line leads to the node, parameter set and row where it lies. "Alle reparieren"
// applies every repair as one change; the close button hides the panel.

#include <QWidget>

#include <vector>

#include "core/check/finding.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tessalin::gui {

class CheckPanel : public QWidget {
    Q_OBJECT
public:
    explicit CheckPanel(QWidget* parent = nullptr);

    void ShowFindings(const std::vector<check::Finding>& findings);
    // Sets the header, the lines and the buttons in the current user-interface language.
    void ApplyTexts();

signals:
    // A line was chosen: the node's index path, its set ('A', 'B', or '-' when the set does not matter)
    // and the row (-1 none). Findings without a page send nothing.
    void FindingChosen(const QString& node, char set, int row);
    void RepairAllRequested();
    void CloseRequested();

private:
    void Chosen(QListWidgetItem* item);

    QLabel* header_;
    QListWidget* list_;
    QPushButton* repairAll_;
    QPushButton* close_;
    std::vector<check::Finding> findings_;
};

}  // namespace tessalin::gui

#pragma once
// The terminal plan on the "Grafik" page: drawn straight onto the widget whenever it is painted, so the
// window keeps no picture of its own beside what is on screen.

#include <QWidget>

namespace tessalin::gui {

class TerminalPlanView : public QWidget {
public:
    explicit TerminalPlanView(QWidget* parent = nullptr);

    // Shows the plan of `selector` (see DrawTerminalPlan) for the device in the workspace.
    void ShowPlan(int selector);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int selector_ = 0;
};

}  // namespace tessalin::gui

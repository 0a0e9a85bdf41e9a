#pragma once
// TKonfiguratorForm: the configurator window. The module list on the left offers what can be added
// now; the configuration tree on the right shows the working configuration with the software version
// and the options as menus; the buttons between them add, remove and move modules. It works on the
// configurator model's private copies: OK hands them to the program, Cancel drops them.

#include <QDialog>
#include <memory>

#include "core/configurator/configurator.h"

class QLabel;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessalin {
class MarkupImageList;
class TParamTreeview;
}  // namespace tessalin

namespace tessalin::gui {

class TKonfiguratorForm : public QDialog {
    Q_OBJECT
public:
    // `images`: the main window's tree pictures, for both the list and the tree.
    TKonfiguratorForm(const MarkupImageList* images, QWidget* parent = nullptr);
    ~TKonfiguratorForm() override;

    // Starts from fresh copies of the program's device and image (done on every showing).
    void Restart();
    const configurator::Configurator& Model() const { return *config_; }
    // The last closing took a changed configuration into the data set (OK with no change takes nothing).
    bool Committed() const { return committed_; }

    // Window placement kept in the user settings.
    static constexpr QRect kDefaultPlacement{54, 42, 717, 619};

public slots:
    void SpeedButtonToVTRClick();
    void SpeedButtonFromVTRClick();
    void SpeedButtonUpClick();
    void SpeedButtonDownClick();
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTree();
    void BuildList();
    void Rebuild();
    void TreeSelectionChanging(QTreeWidgetItem* item);
    void ShowOutcome(const configurator::Outcome& outcome);
    int SelectedPosition() const;
    void DisableSlotButtons();
    void PlaceControls();
    void ReadPlacement();
    void WritePlacement() const;

    std::unique_ptr<configurator::Configurator> config_;
    QTreeWidget* DeviceModulListe_ = nullptr;
    TParamTreeview* DeviceParamTreeview_ = nullptr;
    QToolButton* SpeedButtonToVTR_ = nullptr;
    QToolButton* SpeedButtonFromVTR_ = nullptr;
    QToolButton* SpeedButtonUp_ = nullptr;
    QToolButton* SpeedButtonDown_ = nullptr;
    QLabel* KonfiguratorLabel_ = nullptr;
    QPushButton* OkButton_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
    int addRow_ = -1;
    bool committed_ = false;
};

}  // namespace tessalin::gui

#pragma once
// TCardForm: the choice of the memory-card volume, then "Öffnen" (read the data set from the card)
// or "Speichern" (write it to the card). The list holds the mounted removable volumes and is
// refilled each time the dialog is shown.

#include <QDialog>

#include "gui/main_window/removable_mounts.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tessalin::gui {

class TCardForm : public QDialog {
    Q_OBJECT
public:
    // Result codes of the dialog besides Rejected (Cancel).
    static constexpr int kOpen = 2;
    static constexpr int kSave = 3;

    explicit TCardForm(QWidget* parent = nullptr);

    // Replaces the system's mount table as the source of the list.
    void SetMountSource(MountSource source) { mountSource_ = std::move(source); }
    // The entry preselected when the list is refilled (the setting "CardDrive").
    void SetCardDrive(const QString& drive) { cardDrive_ = drive; }
    QString CardDrive() const { return cardDrive_; }
    // The volume chosen in the list; empty when the list is empty.
    QString ChosenDrive() const;

    // Sets the texts, refills the list, preselects the card drive and focuses "Öffnen".
    void Prepare();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MountSource mountSource_ = SystemRemovableMounts;
    QString cardDrive_;
    QLabel* label_;
    QComboBox* drives_;
    QPushButton* open_;
    QPushButton* save_;
    QPushButton* cancel_;
};

}  // namespace tessalin::gui

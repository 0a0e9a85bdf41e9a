#pragma once
// TLoadForm: "Konfigurations-Datei(en) laden", the choice of a FRONT file and an optional Purgon
// file. Each field has a browse button with its own open dialog; both dialogs start in the folder of
// the setting "OpenDir", and a choice in one moves the other to the same folder.

#include <QDialog>

#include "gui/common/prompter.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessalin::gui {

class TLoadForm : public QDialog {
    Q_OBJECT
public:
    TLoadForm(Prompter& prompter, QWidget* parent = nullptr);

    // The designations in the dialog titles and filters: the front unit's, the Purgon
    // controller's and the device family's of the current brand.

    QString FrontFile() const;
    QString PurgonFile() const;
    void SetFiles(const QString& front, const QString& purgon);

    // The open dialogs as they are shown now (title, filter, folder, proposed name).
    FileDialogSpec OpenFrontDialog() const;
    FileDialogSpec OpenPurgonDialog() const;

    // Sets every text in the current user-interface language.
    void ApplyTexts();

    // The same choice of files for a data set to compare with: its own caption and confirm button.
    void UseForComparing();

public slots:
    void BrowseFront();
    void BrowsePurgon();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    FileDialogSpec OpenDialog(const QString& designation, const char* proposedName, const QString& dir) const;
    void Browse(bool front);

    Prompter& prompter_;
    bool comparing_ = false;
    QString frontDir_;
    QString purgonDir_;

    QLabel* frontLabel_;
    QLabel* purgonLabel_;
    QLabel* explanation1_;
    QLabel* explanation2_;
    QLineEdit* editFront_;
    QLineEdit* editPurgon_;
    QPushButton* browseFront_;
    QPushButton* browsePurgon_;
    QPushButton* open_;
    QPushButton* cancel_;
};

}  // namespace tessalin::gui

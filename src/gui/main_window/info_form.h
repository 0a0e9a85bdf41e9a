#pragma once
// TZandorInfoForm: the splash window at start-up and the "About" window later. As splash it stays
// up until its timer has run out (5 s, or 0.5 s when the setting "SU" exists), even when the main
// window is ready earlier; as about window it sits at the main window's bottom-right corner and is
// closed with "OK".

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace tessalin::gui {

class TZandorInfoForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSplashMs = 5000;
    static constexpr int kShortSplashMs = 500;

    explicit TZandorInfoForm(QWidget* parent = nullptr);

    bool AboutMode() const { return aboutMode_; }
    // Switches to about mode and asks the window to close; the close succeeds once the splash timer
    // has run out.
    void CloseSplash();
    // In about mode the window is shown at the bottom-right corner of this window.
    void SetAboutAnchor(QWidget* mainWindow) { aboutAnchor_ = mainWindow; }

    QTimer* Timer1() const { return timer1_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void ApplyTexts();
    bool CloseAllowed() const;

    bool aboutMode_ = false;
    QWidget* aboutAnchor_ = nullptr;
    QTimer* timer1_;
    QPushButton* okButton_;
};

}  // namespace tessalin::gui

#pragma once
// TChildForm: the resizable sub-page dialog. The parameter page builds a sub-page into its
// Formpage; OK and Cancel end it.

#include <QDialog>

#include "gui/page/param_page_frame.h"

namespace tessalin::gui {

class TChildForm : public QDialog {
    Q_OBJECT
public:
    explicit TChildForm(QWidget* parent = nullptr);

    const ParamPageFrame& Page() const { return page_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ParamPageFrame page_;
};

}  // namespace tessalin::gui

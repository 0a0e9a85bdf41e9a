// The main window's side of the configurator: it runs the window modally and, after OK, shows the
// changed device; the description and the device tree are rebuilt in every case.
#include <QTabWidget>

#include "core/workspace.h"
#include "gui/configurator/konfigurator_form.h"
#include "gui/main_window/zandor_form.h"
#include "gui/page/form_page.h"

namespace tessalin::gui {

TKonfiguratorForm& TZandorForm::KonfiguratorForm() {
    if (auto* form = findChild<TKonfiguratorForm*>("TKonfiguratorForm")) return *form;
    return *new TKonfiguratorForm(HTMLImageList_.get(), this);
}

void TZandorForm::RunConfigurator() {
    TKonfiguratorForm& form = KonfiguratorForm();
    form.Restart();
    const bool changed = prompter_.Exec(form) == QDialog::Accepted && Ws().Device.Front.Code != 0;
    if (changed) formPage_->Shown().Clear();
    ShowDeviceDescription();
    RebuildDeviceTree();
    if (changed) {
        UpdateCaption();
        MainPageControl_->setCurrentIndex(kPageParameter);
    }
}

}  // namespace tessalin::gui

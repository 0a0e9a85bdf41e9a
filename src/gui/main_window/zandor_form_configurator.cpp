// The main window's side of the configurator: it runs the window modally and, after OK, shows the
// changed device from its front unit; the description and the device tree are rebuilt in every case,
// and a device the configurator left unchanged keeps the tree's open branches and selection.
#include <QTabWidget>

#include "core/history/history.h"
#include "core/workspace.h"
#include "gui/common/ui_texts.h"
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
    // What OK takes into the data set is one step of the edit history.
    History().Record(StepLabel(texts::StepConfigure), [&] { prompter_.Exec(form); });
    const bool changed = form.Committed();
    ShowDeviceDescription();
    if (!changed) {
        RebuildDeviceTreeKeepingPath();
        return;
    }
    // The rebuilt tree selects the front unit, which brings its terminal plan to the front.
    formPage_->Shown().Clear();
    MainPageControl_->setCurrentIndex(kPageParameter);
    RebuildDeviceTree();
    UpdateCaption();
}

}  // namespace tessalin::gui

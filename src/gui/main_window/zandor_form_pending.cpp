// The main window's hooks into the modules that are wired in next: the device description, the
// terminal plan, the parameter page builder, the configurator and the documentation. Until then these
// commands do nothing.
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

void TZandorForm::Drucken1Click() {}
void TZandorForm::ExportPDFClick() {}
void TZandorForm::ExportExcel1Click() {}
void TZandorForm::ShowTerminalPlan() {}
void TZandorForm::ShowDeviceDescription() {}
void TZandorForm::RunConfigurator() {}
void TZandorForm::BuildCurrentPage(const ParamPageFrame&) {}

}  // namespace tessalin::gui

// The main window's hooks into the device description, the configurator window and
// the documentation, which are not part of the program yet: these commands do nothing.
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

void TZandorForm::Drucken1Click() {}
void TZandorForm::ExportPDFClick() {}
void TZandorForm::ExportExcel1Click() {}
void TZandorForm::ShowDeviceDescription() {}
void TZandorForm::RunConfigurator() {}

}  // namespace tessalin::gui

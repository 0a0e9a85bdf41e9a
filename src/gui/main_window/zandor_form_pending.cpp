// The main window's hooks into the documentation, which is not part of the program yet: these
// commands do nothing.
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

void TZandorForm::Drucken1Click() {}
void TZandorForm::ExportPDFClick() {}
void TZandorForm::ExportExcel1Click() {}

}  // namespace tessalin::gui

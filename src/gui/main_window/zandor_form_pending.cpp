// The main window's hooks into the device description and the configurator window, which are not part
// of the program yet: these commands do nothing.
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

void TZandorForm::ShowDeviceDescription() {}
void TZandorForm::RunConfigurator() {}

}  // namespace tessalin::gui

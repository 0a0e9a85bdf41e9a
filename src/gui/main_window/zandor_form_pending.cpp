// The main window's hooks into the modules that are wired in next: the data-set loader and writer
// with the recent-file list and the memory card, the device tree, the device description, the
// parameter page, the configurator and the documentation. Until then these commands do nothing.
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

void TZandorForm::Neu1Click() {}
void TZandorForm::Datei_SaveClick() {}
void TZandorForm::Datei_SaveAsClick() {}
void TZandorForm::RecentFileClick(int) {}
void TZandorForm::Drucken1Click() {}
void TZandorForm::ExportPDFClick() {}
void TZandorForm::ExportExcel1Click() {}
void TZandorForm::BankButtonClick() {}
void TZandorForm::LoadNamedDataSet() {}
void TZandorForm::RebuildDeviceTree() {}
void TZandorForm::ShowDeviceDescription() {}
void TZandorForm::RunConfigurator() {}
void TZandorForm::ServicePageRequests() {}
void TZandorForm::FilesDropped(const QStringList&) {}

}  // namespace tessalin::gui

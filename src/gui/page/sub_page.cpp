// A button row opens another menu entry as a sub-page: the page is built into the sub-page dialog,
// which runs modally; while it is open the timer's rebuilds go to the dialog's page. When it closes the
// main page's context comes back and the follow-up of the close is carried out on the main page.
#include <QDialog>
#include <QHeaderView>
#include <QStandardItemModel>

#include "core/common/texts.h"
#include "core/page/sub_page.h"
#include "gui/common/prompter.h"
#include "gui/page/child_form.h"
#include "gui/page/form_page.h"

namespace tessalin::gui {

namespace {
// The dialog's title section: plain text, green for a menu entry with a green title. Any other title
// has no colour of its own and is drawn in the header's text colour (an empty brush would draw nothing).
void ShowSubPageTitle(const ParamPageFrame& frame, const std::string& title, bool green) {
    frame.SetHeaderTitle(QString::fromStdString(CatalogTextToPlain(title)));
    auto* model = static_cast<QStandardItemModel*>(frame.HeaderControl1->model());
    model->horizontalHeaderItem(1)->setData(green ? QVariant(QBrush(QColor(0x00, 0xa0, 0x00))) : QVariant(),
                                            Qt::ForegroundRole);
}
}  // namespace

void FormPage::OpenSubPage(const TMenuEntry& entry, int row) {
    SubPageSession session(entry, row);
    const ParamPageFrame& dialogFrame = childForm_->Page();
    FormPage dialogPage(dialogFrame, prompter_, SubPageTag{});
    int result = QDialog::Rejected;
    try {
        ShowSubPageTitle(dialogFrame, session.title(), (entry.flags & kMfGreenTitle) != 0);
        dialogPage.Rebuild();
        subPage_ = &dialogPage;
        result = prompter_.Exec(*childForm_);
    } catch (...) {
        subPage_ = nullptr;
        session.close(false, model_);
        throw;
    }
    subPage_ = nullptr;
    dialogPage.Clear();
    Perform(session.close(result == QDialog::Accepted, model_), row);
}

}  // namespace tessalin::gui

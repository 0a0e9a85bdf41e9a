#pragma once
// A button row can open another menu entry as a modal sub-page. The session keeps the main page's
// context while the dialog shows the sub-page, and puts it back when the dialog closes.

#include <array>
#include <string>

#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/workspace.h"

namespace tessalin {

class SubPageSession {
public:
    // Saves CurrentPage and the row contexts and makes `entry` the current page, for the module of the
    // page whose button row `buttonRow` was clicked. The title is the entry's text in the user-interface
    // language (its handler's with the title flag, green with the green flag).
    SubPageSession(const TMenuEntry& entry, int buttonRow);

    const std::string& title() const { return title_; }

    // Builds the dialog's page (also for every rebuild while the dialog is open).
    PageModel build() const { return BuildFormpage(); }

    // The dialog closed: the main page's context comes back with the button row current. With OK the
    // button row hears event 11: true refreshes the main page's handler labels, false requests a rebuild;
    // a button row with flag 2 requests one too. Without a rebuild request the main page's buttons are
    // refreshed.
    FollowUp close(bool ok, PageModel& mainPage);

private:
    TTabPtrRec savedPage_;
    std::array<TParamRef, kFormpageRowCount> savedRows_;
    int buttonRow_;
    std::string title_;
};

}  // namespace tessalin

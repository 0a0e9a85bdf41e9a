#include "core/page/sub_page.h"

#include "core/catalogue/events.h"
#include "core/page/row_values.h"

namespace tessalin {

SubPageSession::SubPageSession(const TMenuEntry& entry, int buttonRow)
    : savedPage_(Ws().CurrentPage), savedRows_(Ws().FormpageRows), buttonRow_(buttonRow) {
    MakeRowCurrent(buttonRow);
    if (entry.texts) title_ = entry.texts->s[Ws().UiLanguage == 0 ? 0 : 2];
    if (entry.flags & kMfTitleFromHandler) {
        TEvParRec rec;
        AskMenu(entry, kEvTitle, rec);
        title_ = rec.text;
    }
    if (entry.flags & kMfGreenTitle) title_ = "<font color=\"#00a000\">" + title_ + "</font>";
    Ws().CurrentPage = TTabPtrRec{savedPage_.moduleType, savedPage_.slot, savedPage_.position, &entry, entry.params,
                                  entry.lastParam, {}};
}

FollowUp SubPageSession::close(bool ok, PageModel& mainPage) {
    Workspace& ws = Ws();
    ws.CurrentPage = savedPage_;
    ws.FormpageRows = savedRows_;
    FollowUp follow;
    const TParamEntry* entry = MakeRowCurrent(buttonRow_);
    if (ok && entry != nullptr) {
        if (AskCurrent(kEvSubPageClosed)) {
            for (PageRow& row : mainPage.rows) {
                const TParamEntry* e = MakeRowCurrent(row.row);
                if (e == nullptr || !(e->flags & kPfLabelFromHandler)) continue;
                (row.heading ? row.valueLabel : row.label) = RowLabel(*e);
            }
            MakeRowCurrent(buttonRow_);
            follow.refreshLabels = true;
        } else {
            ws.PageRebuildRequest = true;
        }
        if (entry->flags & kPfRebuildPage) ws.PageRebuildRequest = true;
    }
    follow.rebuildPage = ws.PageRebuildRequest;
    if (!ws.PageRebuildRequest) {
        RefreshButtons(mainPage);
        follow.refreshButtons = true;
        MakeRowCurrent(buttonRow_);
    }
    return follow;
}

}  // namespace tessalin

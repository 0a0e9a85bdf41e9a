#include "core/catalogue/events.h"

#include "core/catalogue/process_variables.h"
#include "core/workspace.h"

namespace tessalin {

bool DefaultHandler(int event, TEvParRec& rec) {
    if (event == kEvChoiceList) {
        const TParamEntry* entry = Ws().CurrentParam.param;
        rec.text = ProcessVariableList(entry ? static_cast<uint32_t>(entry->arg) : 0);
    }
    return true;
}

bool AskRow(const TParamEntry& entry, int event, TEvParRec& rec) {
    return entry.handler ? entry.handler(event, rec) : DefaultHandler(event, rec);
}

bool AskMenu(const TMenuEntry& entry, int event, TEvParRec& rec) {
    return entry.handler ? entry.handler(event, rec) : false;
}

}  // namespace tessalin

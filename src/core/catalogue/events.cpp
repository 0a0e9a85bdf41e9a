#include "core/catalogue/events.h"

namespace tessalin {

bool DefaultHandler(int event, TEvParRec& rec) {
    (void)event;
    (void)rec;
    return true;
}

bool AskRow(const TParamEntry& entry, int event, TEvParRec& rec) {
    return entry.handler ? entry.handler(event, rec) : DefaultHandler(event, rec);
}

bool AskMenu(const TMenuEntry& entry, int event, TEvParRec& rec) {
    return entry.handler ? entry.handler(event, rec) : false;
}

}  // namespace tessalin

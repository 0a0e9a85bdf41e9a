#include "gui/main_window/image_lists.h"

// The pictures are compiled into the gui library, whose resource initialiser the linker would
// otherwise drop; register them once before the first lookup.
static void RegisterBitmaps() { Q_INIT_RESOURCE(resources); }

namespace tessalin::gui {

namespace {
QString Resource(const QString& name) {
    static const bool registered = (RegisterBitmaps(), true);
    (void)registered;
    return ":/bitmaps/" + name + ".png";
}

QPixmap Indexed(const char* prefix, int index) {
    if (index < 0 || index > 99) return {};
    return QPixmap(Resource(QString("%1_%2").arg(prefix).arg(index, 2, 10, QChar('0'))));
}
}  // namespace

QPixmap BilderEnabled(int index) { return Indexed("bilder", index); }

QPixmap HtmlImage(int index) { return Indexed("tree", index); }

QPixmap NamedBitmap(const QString& name) { return QPixmap(Resource(name)); }

QIcon WindowIcon() {
    QIcon icon;
    icon.addFile(Resource("window_icon"));
    icon.addFile(Resource("window_icon_64"));
    return icon;
}

}  // namespace tessalin::gui

#include "gui/main_window/image_lists.h"

namespace tessalin::gui {

namespace {
QPixmap Indexed(const char* prefix, int index) {
    if (index < 0 || index > 99) return {};
    return QPixmap(QString(":/bitmaps/%1_%2.png").arg(prefix).arg(index, 2, 10, QChar('0')));
}
}  // namespace

QPixmap BilderEnabled(int index) { return Indexed("bilder", index); }

QPixmap HtmlImage(int index) { return Indexed("tree", index); }

QPixmap NamedBitmap(const QString& name) { return QPixmap(":/bitmaps/" + name + ".png"); }

QIcon WindowIcon() {
    QIcon icon;
    icon.addFile(":/bitmaps/window_icon.png");
    icon.addFile(":/bitmaps/window_icon_64.png");
    return icon;
}

}  // namespace tessalin::gui

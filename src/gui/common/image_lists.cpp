#include "gui/common/image_lists.h"

#include <QFile>
#include <QGuiApplication>

// The pictures are compiled into the gui library, whose resource initialiser the linker would
// otherwise drop; register them once before the first lookup.
static void RegisterBitmaps() { Q_INIT_RESOURCE(resources); }

namespace tessalin::gui {

namespace {
QString Resource(const QString& name, qreal ratio = ScreenPixelRatio()) {
    static const bool registered = (RegisterBitmaps(), true);
    (void)registered;
    const QString path = ":/bitmaps/" + name;
    if (ratio > 1.0 && QFile::exists(path + "@2x.png")) return path + "@2x.png";
    return path + ".png";
}

QPixmap Indexed(const char* prefix, int index) {
    if (index < 0 || index > 99) return {};
    return QPixmap(Resource(QString("%1_%2").arg(prefix).arg(index, 2, 10, QChar('0'))));
}
}  // namespace

qreal ScreenPixelRatio() { return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0; }

QPixmap BilderEnabled(int index) { return Indexed("bilder", index); }

QPixmap HtmlImage(int index) { return Indexed("tree", index); }

QPixmap NamedBitmap(const QString& name) { return QPixmap(Resource(name)); }

QImage RedKeyedBitmap(const QString& name, qreal ratio) {
    QImage image(Resource(name, ratio));
    if (image.isNull()) return image;
    // Converted where it lies (a second copy of a large picture would double what drawing it costs in
    // memory), to the format the painter draws without converting again.
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const QRgb red = qRgb(255, 0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == red) line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

QIcon WindowIcon() {
    QIcon icon;
    icon.addFile(Resource("window_icon"));
    icon.addFile(Resource("window_icon_64"));
    return icon;
}

}  // namespace tessalin::gui

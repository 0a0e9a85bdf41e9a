#include "gui/common/picture_file.h"

#include <QBuffer>
#include <QByteArray>

namespace tessalin::gui {

WriteResult WritePngFile(const std::string& path, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return WriteResult{false, path, "the picture cannot be encoded as PNG"};
    return WriteFileSafely(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tessalin::gui

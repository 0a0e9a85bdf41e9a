#include "gui/widgets/markup_pictures.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QUrl>

#include "core/markup/markup_tag.h"

namespace tessalin {

const QPixmap& MarkupPictureCache::Picture(const QString& source) {
    auto it = pictures_.find(source);
    if (it == pictures_.end()) {
        QPixmap picture;
        const QUrl url(source);
        if (url.isLocalFile())
            picture.load(url.toLocalFile());
        else if (url.scheme().compare("qrc", Qt::CaseInsensitive) == 0)
            picture.load(":" + url.path());
        it = pictures_.insert(source, picture);
    }
    return it.value();
}

const QPixmap* NamedPicture(const MarkupDrawOptions& options, const QString& name) {
    if (!options.pictures) return nullptr;
    for (auto it = options.pictures->cbegin(); it != options.pictures->cend(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0) return &it.value();
    return nullptr;
}

namespace {

// Icon of a file or folder path, or, for a number, of that kind of place (computer, desktop, trash,
// network, drive, folder, file).
std::optional<MarkupPicture> ShellIcon(const QString& target, int edge) {
    QFileIconProvider provider;
    bool isNumber = false;
    const int kind = target.toInt(&isNumber);
    QIcon icon;
    if (isNumber) {
        if (kind < QAbstractFileIconProvider::Computer || kind > QAbstractFileIconProvider::File) return std::nullopt;
        icon = provider.icon(static_cast<QAbstractFileIconProvider::IconType>(kind));
    } else {
        icon = provider.icon(QFileInfo(target));
    }
    if (icon.isNull()) return std::nullopt;
    const QSize size(edge, edge);
    return MarkupPicture{icon.pixmap(size), size};
}

// A picture drawn at its own size, or stretched when the tag gives both a width and a height.
MarkupPicture Sized(const QPixmap& pixmap, std::string_view tag) {
    QSize size = pixmap.deviceIndependentSize().toSize();
    const std::optional<int> width = ParseMarkupInt(TagAttribute(tag, "width").value_or(""));
    const std::optional<int> height = ParseMarkupInt(TagAttribute(tag, "height").value_or(""));
    if (width && height && *width > 0 && *height > 0) size = QSize(*width, *height);
    return MarkupPicture{pixmap, size};
}

}  // namespace

std::optional<MarkupPicture> ResolvePicture(std::string_view tag, const MarkupDrawOptions& options) {
    const std::optional<std::string> src = TagAttribute(tag, "src");
    if (!src) return std::nullopt;
    const std::string upper = ToUpperAscii(*src);
    const QString value = QString::fromUtf8(*src);

    if (upper.starts_with("IDX:")) {
        const std::optional<int> index = ParseMarkupInt(upper.substr(4));
        const MarkupImageList* list = options.imageList;
        if (!list || !index || *index < 0 || *index >= list->Count()) return std::nullopt;
        return MarkupPicture{list->Picture(*index), list->PictureSize()};
    }
    if (upper.starts_with("SSYS:")) return ShellIcon(value.mid(5), 16);
    if (upper.starts_with("LSYS:")) return ShellIcon(value.mid(5), 32);

    const QPixmap* pixmap = nullptr;
    if (upper.find("://") != std::string::npos) {
        if (options.pictureCache) pixmap = &options.pictureCache->Picture(value);
    } else if (upper.find(':') == std::string::npos) {
        pixmap = NamedPicture(options, value);
    }
    if (!pixmap || pixmap->isNull()) return std::nullopt;
    return Sized(*pixmap, tag);
}

}  // namespace tessalin

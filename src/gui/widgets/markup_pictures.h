#pragma once
// Pictures of the "<IMG>" tag: which picture a src names and the size it takes in the line.

#include <QPixmap>
#include <QSize>
#include <optional>
#include <string_view>

#include "gui/widgets/par_html.h"

namespace tessalin {

struct MarkupPicture {
    QPixmap pixmap;
    QSize size;  // logical pixels taken in the line
};

// The picture of an "<IMG ...>" tag. Nothing (no picture, no space) for an image-list index outside
// the list, a name missing from the picture container, a source that fails to load or an unknown kind.
std::optional<MarkupPicture> ResolvePicture(std::string_view tag, const MarkupDrawOptions& options);

// A named picture of the container, looked up without regard to case.
const QPixmap* NamedPicture(const MarkupDrawOptions& options, const QString& name);

}  // namespace tessalin

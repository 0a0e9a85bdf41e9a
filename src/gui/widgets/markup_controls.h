#pragma once
// Embedded controls of the "<CONTROL ID=... VALUE=... WIDTH=... TYPE=...>" tag: their size in the line
// and their drawing with the application style.

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

#include "gui/widgets/par_html.h"

class QPainter;

namespace tessalin {

struct MarkupControl {
    QString type;  // EDIT, COMBO, CHECK, RADIO, BUTTON, TOOLBTN (upper-cased)
    QString value;
    QString id;
    QSize size;
};

// The control of a tag, sized for `font`. A control without a usable WIDTH is as wide as its content.
MarkupControl ParseControl(std::string_view tag, const QFont& font, const MarkupDrawOptions& options);

// Draws the control in `box`, pushed when `pushed` is set.
void DrawControl(QPainter& painter, const MarkupControl& control, const QRect& box, bool pushed, const QFont& font,
                 const MarkupDrawOptions& options);

}  // namespace tessalin

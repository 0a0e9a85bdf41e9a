#pragma once
// ParHTML: lays out, paints and hit-tests the item markup of the tool's trees and lists on a QPainter.
//
// One call does all three, chosen by flags: DrawMarkup takes one markup string, a rectangle and the
// options, and gives back the size of the laid-out text and the anchor or embedded control under a
// point. It keeps nothing between calls apart from the picture cache that the caller hands in.
// The markup is UTF-8 text; the string functions that need no drawing live in core/markup.

#include <QColor>
#include <QHash>
#include <QList>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>

#include "core/markup/markup_color.h"

class QPainter;
class QWidget;

namespace tessalin {

// Pictures of one size, addressed by index from "<img src=\"idx:N\">". Sizes are logical pixels; a
// picture with a device pixel ratio above 1 is drawn at full resolution on a high-density surface.
class MarkupImageList {
public:
    explicit MarkupImageList(QSize pictureSize) : size_(pictureSize) {}

    void Add(const QPixmap& picture) { pictures_.append(picture); }
    int Count() const { return static_cast<int>(pictures_.size()); }
    QSize PictureSize() const { return size_; }
    const QPixmap& Picture(int index) const { return pictures_.at(index); }

private:
    QSize size_;
    QList<QPixmap> pictures_;
};

// Pictures named by a source containing "://" (a file:// or qrc:// address), loaded on first use and
// kept, one per distinct source, as long as the cache lives. A source that fails to load is kept as
// an empty picture and draws nothing.
class MarkupPictureCache {
public:
    const QPixmap& Picture(const QString& source);

private:
    QHash<QString, QPixmap> pictures_;
};

struct MarkupDrawOptions {
    int lineSpacing = 0;                                // pixels added to each line's height
    const QWidget* widget = nullptr;                    // style and palette for embedded controls
    const QHash<QString, QPixmap>* pictures = nullptr;  // picture container: src without ":"
    MarkupPictureCache* pictureCache = nullptr;         // src containing "://"
    QColor shadowColor = QColor(0x80, 0x80, 0x80);
    QColor hoverTextColor;        // invalid: no hover colouring of the text
    QColor hoverBackgroundColor;  // invalid: no hover background
    QColor anchorColor = QColor(0x00, 0x00, 0xFF);
    bool keyboard = false;     // report the focused anchor instead of the one under the point
    bool mouseDown = false;    // embedded control under the point is drawn pushed
    bool wordWrap = false;     // without it the text is one line, cut with an ellipsis
    bool hover = false;        // hover colours only for the anchor numbered hoverAnchor
    bool selected = false;     // the item is selected ("BL" text is shown)
    bool measureOnly = false;  // lay out and measure all lines, no painting, no hit test
    bool noPaint = false;      // hit-test without drawing
    int shadowOffset = 1;
    int hoverAnchor = -1;  // anchor number (from 1); -1 none
    int focusAnchor = -1;  // anchor number minus one; -1 none
    QPoint point{-1, -1};  // point to hit-test
    const MarkupImageList* imageList = nullptr;
};

struct MarkupDrawResult {
    bool hit = false;       // the point lies on an anchor, an anchored picture or an embedded control
    std::string href;       // href of that anchor, "ctrl" for a control
    int anchorNumber = -1;  // number of that anchor, from 1
    int anchorCount = 0;    // anchors in the string
    QRect anchorRect;
    QString controlType;  // type, value, ID and box of the control at the point
    QString controlValue;
    QString controlId;
    QRect controlRect;
    int width = 0;   // widest line
    int height = 0;  // all lines
};

// Lays out `markup` inside `rect` and, as the options say, paints it, measures it or hit-tests it.
// The painter's font is the starting font, its pen colour the starting text colour; its brush colour is
// the background the "BL" tag hides text in. Font, pen and brush are the same on return as on entry.
// Returns result.hit.
bool DrawMarkup(QPainter& painter, std::string_view markup, const QRect& rect, const MarkupDrawOptions& options,
                MarkupDrawResult& result);

// The colour to draw: system colours are taken from the palette now, so they follow the desktop scheme.
QColor ResolveMarkupColor(const MarkupColor& color, const QPalette& palette);

}  // namespace tessalin

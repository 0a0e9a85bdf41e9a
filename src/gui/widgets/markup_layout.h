#pragma once
// The line engine behind DrawMarkup. Each line is laid out twice from the same style state: a measuring
// pass decides how much markup the line takes and how high and wide it is; a painting pass then draws
// exactly that markup in the line's box and collects the hit test.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "gui/widgets/par_html.h"

class QPainter;

namespace tessalin {

enum class ParagraphAlign { Left, Right, Center };

// Style state: carried from line to line for the whole call.
struct MarkupStyle {
    QFont font;
    QColor textColor;
    std::optional<QColor> background;  // text background; none: drawn transparently
    bool subscript = false;
    bool superscript = false;
    bool shadow = false;
    bool hidden = false;
    bool errorMark = false;
    int angle = 0;  // rotated text, degrees
    int listLevel = 0;

    std::optional<QColor> backgroundBeforeFont;
    std::optional<QColor> backgroundBeforeAnchor;
    QColor textBeforeHighlight;
    std::optional<QColor> backgroundBeforeHighlight;

    ParagraphAlign align = ParagraphAlign::Left;
    int indent = 0;
    std::optional<QColor> band;    // paragraph background of each line
    std::optional<QColor> bandTo;  // with it the band is a gradient

    bool inAnchor = false;
    std::string anchorHref;
    int anchorCount = 0;  // the open anchor is number anchorCount
};

// What the measuring pass finds out about a line.
struct LineMetrics {
    int width = 0;
    int height = 0;
    int subDepth = 0;
    int supHeight = 0;
    int textOffset = 0;  // text raised by a picture's align="top"/"middle"
    bool dropRest = false;  // without word-wrap a piece did not fit: the rest of the string is dropped
};

// Where a line is painted; bottom is exclusive.
struct LineBox {
    int left = 0;
    int top = 0;
    int bottom = 0;
};

// What the painting pass of one line reports for the point.
struct LineHit {
    enum class Kind { None, AnchorText, Direct };
    Kind kind = Kind::None;
    std::string href;
    int anchorNumber = -1;
    QRect anchorRect;
    QString controlType;
    QString controlValue;
    QString controlId;
    QRect controlRect;
};

class MarkupLayout {
public:
    // `work` is the rectangle the lines are laid out in, `whole` the caller's rectangle (body background),
    // `entryStyle` the style at the start of the call, `entryBrush` the surface's brush colour on entry.
    MarkupLayout(QPainter& painter, const MarkupDrawOptions& options, const QRect& work, const QRect& whole,
                 const MarkupStyle& entryStyle, std::optional<QColor> entryBrush);

    // Measuring pass: takes one line from text[pos...]; returns the position after it.
    std::size_t MeasureLine(std::string_view text, std::size_t pos, MarkupStyle& style, LineMetrics& metrics) const;

    // Painting pass over text[from, to) in `box` (no drawing with the no-paint flag).
    void PaintLine(std::string_view text, std::size_t from, std::size_t to, MarkupStyle& style,
                   const LineMetrics& metrics, const LineBox& box, LineHit& hit) const;

    // Height of "gh" in `font`: the height of an empty line.
    int TextHeight(const QFont& font) const;

private:
    friend class LineRun;

    QPainter& painter_;
    const MarkupDrawOptions& options_;
    QRect work_;
    QRect whole_;
    MarkupStyle entryStyle_;
    std::optional<QColor> entryBrush_;
    QPalette palette_;
};

}  // namespace tessalin

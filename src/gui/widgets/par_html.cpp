#include "gui/widgets/par_html.h"

#include <QPainter>
#include <algorithm>

#include "core/markup/markup_text.h"
#include "gui/widgets/markup_layout.h"

namespace tessalin {

namespace {

struct SystemColorRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour indices 1..24 of the markup's colour names, as palette roles.
constexpr SystemColorRole kSystemColorRoles[] = {
    {QPalette::Active, QPalette::Window},             // 1 desktop background
    {QPalette::Active, QPalette::Highlight},          // 2 active caption
    {QPalette::Inactive, QPalette::Mid},              // 3 inactive caption
    {QPalette::Active, QPalette::Window},             // 4 menu
    {QPalette::Active, QPalette::Base},               // 5 window
    {QPalette::Active, QPalette::Shadow},             // 6 window frame
    {QPalette::Active, QPalette::WindowText},         // 7 menu text
    {QPalette::Active, QPalette::Text},               // 8 window text
    {QPalette::Active, QPalette::HighlightedText},    // 9 caption text
    {QPalette::Active, QPalette::Window},             // 10 active border
    {QPalette::Inactive, QPalette::Window},           // 11 inactive border
    {QPalette::Active, QPalette::Mid},                // 12 application workspace
    {QPalette::Active, QPalette::Highlight},          // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},    // 14 highlight text
    {QPalette::Active, QPalette::Button},             // 15 button face
    {QPalette::Active, QPalette::Dark},               // 16 button shadow
    {QPalette::Disabled, QPalette::Text},             // 17 grey text
    {QPalette::Active, QPalette::ButtonText},         // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText},  // 19 inactive caption text
    {QPalette::Active, QPalette::Light},              // 20 button highlight
    {QPalette::Active, QPalette::Shadow},             // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},           // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},        // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},        // 24 info background
};

}  // namespace

QColor ResolveMarkupColor(const MarkupColor& color, const QPalette& palette) {
    if (color.kind == MarkupColor::Kind::Rgb) return QColor::fromRgb(color.rgb);
    const int count = static_cast<int>(std::size(kSystemColorRoles));
    if (color.systemIndex < 1 || color.systemIndex > count) return QColor(Qt::black);
    const SystemColorRole& entry = kSystemColorRoles[color.systemIndex - 1];
    return palette.color(entry.group, entry.role);
}

bool DrawMarkup(QPainter& painter, std::string_view markup, const QRect& rect, const MarkupDrawOptions& options,
                MarkupDrawResult& result) {
    painter.save();
    const QBrush entryBrush = painter.brush();
    const std::optional<QColor> entryBrushColor =
        entryBrush.style() == Qt::NoBrush ? std::nullopt : std::optional<QColor>(entryBrush.color());
    painter.setBrush(Qt::NoBrush);

    MarkupStyle style;
    style.font = painter.font();
    style.textColor = painter.pen().color();

    const std::string text = PrepareMarkup(markup);
    result = MarkupDrawResult{};

    const QRect work = rect.adjusted(1, 0, 0, 0);
    const MarkupLayout layout(painter, options, work, rect, style, entryBrushColor);
    const QPoint& point = options.point;
    int top = rect.top();
    std::size_t pos = 0;
    while (pos < text.size()) {
        const int emptyHeight = layout.TextHeight(style.font);
        const MarkupStyle lineStart = style;
        LineMetrics metrics;
        metrics.height = emptyHeight;
        const std::size_t end = layout.MeasureLine(text, pos, style, metrics);
        metrics.height += options.lineSpacing;

        LineBox box;
        box.left = work.left();
        if (style.align == ParagraphAlign::Right)
            box.left = std::max(box.left, work.left() + work.width() - metrics.width);
        else if (style.align == ParagraphAlign::Center && work.width() - metrics.width > 0)
            box.left += (work.width() - metrics.width) / 2;
        box.left += style.indent;
        box.top = top;
        const int lineHeight = metrics.height + metrics.supHeight + metrics.subDepth;
        box.bottom = top + lineHeight;

        if (!options.measureOnly) {
            style = lineStart;
            LineHit hit;
            layout.PaintLine(text, pos, end, style, metrics, box, hit);
            const int textBottom = box.bottom - metrics.textOffset;
            const bool onText = textBottom - emptyHeight < point.y() && point.y() < textBottom;
            const bool confirmed =
                hit.kind == LineHit::Kind::Direct || (hit.kind == LineHit::Kind::AnchorText && onText);
            if (confirmed) {
                result.hit = true;
                result.href = hit.href;
                result.anchorNumber = hit.anchorNumber;
                result.anchorRect = hit.anchorRect;
                result.controlType = hit.controlType;
                result.controlValue = hit.controlValue;
                result.controlId = hit.controlId;
                result.controlRect = hit.controlRect;
            }
        }

        result.width = std::max(result.width, metrics.width);
        result.height += lineHeight;
        result.anchorCount = style.anchorCount;
        top += lineHeight;
        pos = metrics.dropRest ? text.size() : std::max(end, pos + 1);
        if (!options.measureOnly && top >= rect.top() + rect.height()) break;
    }
    if (result.height == 0) result.height = layout.TextHeight(painter.font());

    painter.restore();
    return result.hit;
}

}  // namespace tessalin

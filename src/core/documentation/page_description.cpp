#include "core/documentation/page_description.h"

#include "core/common/texts.h"
#include "core/documentation/font_metrics.h"

namespace tessalin {

double PageDescription::TextWidth(const std::string& text, const CanvasFont& font) const {
    return SansTextWidth(Utf8ToCp1252(text), font.size, font.bold);
}

void PageDescription::Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) {
    DrawCommand c;
    c.kind = DrawCommand::Kind::Text;
    c.x = x;
    c.y = y;
    c.text = text;
    c.font = font;
    c.colour = colour;
    commands_.push_back(std::move(c));
}

void PageDescription::Line(double x1, double y1, double x2, double y2, uint32_t colour, double width) {
    commands_.push_back(DrawCommand{DrawCommand::Kind::Line, x1, y1, x2, y2, {}, {}, colour, width});
}

void PageDescription::Rectangle(double x, double y, double width, double height, uint32_t colour) {
    commands_.push_back(DrawCommand{DrawCommand::Kind::Rectangle, x, y, width, height, {}, {}, colour, 1});
}

void PageDescription::Fill(double x, double y, double width, double height, uint32_t colour) {
    commands_.push_back(DrawCommand{DrawCommand::Kind::Fill, x, y, width, height, {}, {}, colour, 1});
}

void PageDescription::Replay(Canvas& target) const {
    for (const DrawCommand& c : commands_) {
        switch (c.kind) {
            case DrawCommand::Kind::Text: target.Text(c.x, c.y, c.text, c.font, c.colour); break;
            case DrawCommand::Kind::Line: target.Line(c.x, c.y, c.x2, c.y2, c.colour, c.lineWidth); break;
            case DrawCommand::Kind::Rectangle: target.Rectangle(c.x, c.y, c.x2, c.y2, c.colour); break;
            case DrawCommand::Kind::Fill: target.Fill(c.x, c.y, c.x2, c.y2, c.colour); break;
        }
    }
}

}  // namespace tessalin

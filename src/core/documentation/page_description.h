#pragma once
// A report page as a list of drawing commands in points (A4 portrait, origin top left): what the
// report pagination draws, and what the PDF writer, the printer and the tests read back. Recording a page
// is drawing on it as on any canvas; Replay draws it on another canvas.

#include <string>
#include <vector>

#include "core/canvas.h"

namespace tessalin {

inline constexpr double kA4Width = 596;
inline constexpr double kA4Height = 842;

struct DrawCommand {
    enum class Kind { Text, Line, Rectangle, Fill } kind = Kind::Text;
    double x = 0, y = 0;
    double x2 = 0, y2 = 0;          // Line: the end point; Rectangle and Fill: width and height
    std::string text;               // UTF-8
    CanvasFont font;
    uint32_t colour = 0;
    double lineWidth = 1;
};

class PageDescription : public Canvas {
public:
    double Width() const override { return kA4Width; }
    double Height() const override { return kA4Height; }
    // Measured with the report font's metrics.
    double TextWidth(const std::string& text, const CanvasFont& font) const override;
    void Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) override;
    void Line(double x1, double y1, double x2, double y2, uint32_t colour, double width = 1) override;
    void Rectangle(double x, double y, double width, double height, uint32_t colour) override;
    void Fill(double x, double y, double width, double height, uint32_t colour) override;

    const std::vector<DrawCommand>& Commands() const { return commands_; }
    void Replay(Canvas& target) const;

private:
    std::vector<DrawCommand> commands_;
};

}  // namespace tessalin

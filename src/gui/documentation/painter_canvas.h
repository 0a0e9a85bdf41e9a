#pragma once
// The drawing interface on a QPainter: report pages (in points) drawn on a printer or an image, scaled to
// the device's resolution.

#include <QFont>

#include "core/canvas.h"

class QPainter;

namespace tessalin::gui {

class PainterCanvas : public Canvas {
public:
    // `unitsPerPoint` device pixels for one point; `width` and `height` of the surface in points.
    PainterCanvas(QPainter& painter, double unitsPerPoint, double width, double height);

    double Width() const override { return width_; }
    double Height() const override { return height_; }
    double TextWidth(const std::string& text, const CanvasFont& font) const override;
    void Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) override;
    void Line(double x1, double y1, double x2, double y2, uint32_t colour, double width = 1) override;
    void Rectangle(double x, double y, double width, double height, uint32_t colour) override;
    void Fill(double x, double y, double width, double height, uint32_t colour) override;

private:
    QFont Font(const CanvasFont& font) const;

    QPainter& painter_;
    double scale_;
    double width_;
    double height_;
};

}  // namespace tessalin::gui

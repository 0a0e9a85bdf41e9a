#include "gui/documentation/painter_canvas.h"

#include <QFontMetricsF>
#include <algorithm>
#include <QPaintDevice>
#include <QPainter>

namespace tessalin::gui {

namespace {
QColor Colour(uint32_t rgb) { return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, double unitsPerPoint, double width, double height)
    : painter_(painter), scale_(unitsPerPoint), width_(width), height_(height) {}

QFont PainterCanvas::Font(const CanvasFont& font) const {
    QFont f(QString::fromStdString(font.family));
    // Sized in device pixels so that the text keeps its size in points on any resolution.
    f.setPixelSize(std::max(1, static_cast<int>(font.size * scale_ + 0.5)));
    f.setBold(font.bold);
    return f;
}

double PainterCanvas::TextWidth(const std::string& text, const CanvasFont& font) const {
    return QFontMetricsF(Font(font), painter_.device()).horizontalAdvance(QString::fromStdString(text)) / scale_;
}

void PainterCanvas::Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) {
    painter_.setFont(Font(font));
    painter_.setPen(Colour(colour));
    // (x, y) is the text's top left; its baseline lies 0.85 of the font size below.
    painter_.drawText(QPointF(x * scale_, (y + 0.85 * font.size) * scale_), QString::fromStdString(text));
}

void PainterCanvas::Line(double x1, double y1, double x2, double y2, uint32_t colour, double width) {
    painter_.setPen(QPen(Colour(colour), width * scale_));
    painter_.drawLine(QPointF(x1 * scale_, y1 * scale_), QPointF(x2 * scale_, y2 * scale_));
}

void PainterCanvas::Rectangle(double x, double y, double width, double height, uint32_t colour) {
    painter_.setPen(QPen(Colour(colour), scale_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(x * scale_, y * scale_, width * scale_, height * scale_));
}

void PainterCanvas::Fill(double x, double y, double width, double height, uint32_t colour) {
    painter_.fillRect(QRectF(x * scale_, y * scale_, width * scale_, height * scale_), Colour(colour));
}

}  // namespace tessalin::gui

#include "gui/page/picture_row.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "gui/common/image_lists.h"

namespace tessalin::gui {

namespace {
QColor Rgb(uint32_t colour) { return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF); }

QFont QtFont(const CanvasFont& font) {
    QFont qt(QString::fromStdString(font.family));
    qt.setPointSizeF(font.size);
    qt.setBold(font.bold);
    return qt;
}

double TextAdvance(const std::string& text, const CanvasFont& font) {
    return QFontMetricsF(QtFont(font)).horizontalAdvance(QString::fromStdString(text));
}
}  // namespace

double PicturePainter::TextWidth(const std::string& text, const CanvasFont& font) const {
    return TextAdvance(text, font);
}

void PicturePainter::Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) {
    const QFont qt = QtFont(font);
    painter_.setFont(qt);
    painter_.setPen(Rgb(colour));
    painter_.drawText(QPointF(x, y + QFontMetricsF(qt).ascent()), QString::fromStdString(text));
}

void PicturePainter::Line(double x1, double y1, double x2, double y2, uint32_t colour, double width) {
    painter_.setPen(QPen(Rgb(colour), width));
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PicturePainter::Rectangle(double x, double y, double width, double height, uint32_t colour) {
    painter_.setPen(QPen(Rgb(colour), 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(x, y, width - 1, height - 1));
}

void PicturePainter::Fill(double x, double y, double width, double height, uint32_t colour) {
    painter_.fillRect(QRectF(x, y, width, height), Rgb(colour));
}

void PicturePainter::Bitmap(double x, double y, const std::string& name) {
    const QPaintDevice* device = painter_.device();
    const QImage bitmap = RedKeyedBitmap(QString::fromStdString(name), device ? device->devicePixelRatio() : 1.0);
    if (!bitmap.isNull()) painter_.drawImage(QPointF(x, y), bitmap);
}

ImageCanvas::ImageCanvas(int width, int height, qreal ratio) : ratio_(std::max<qreal>(ratio, 1.0)) {
    SetSize(width, height);
}

void ImageCanvas::SetSize(int width, int height) {
    image_ = QImage(qRound(std::max(width, 1) * ratio_), qRound(std::max(height, 1) * ratio_),
                    QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Qt::transparent);
}

double ImageCanvas::TextWidth(const std::string& text, const CanvasFont& font) const { return TextAdvance(text, font); }

void ImageCanvas::Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) {
    Paint([&](Canvas& canvas) { canvas.Text(x, y, text, font, colour); });
}

void ImageCanvas::Line(double x1, double y1, double x2, double y2, uint32_t colour, double width) {
    Paint([&](Canvas& canvas) { canvas.Line(x1, y1, x2, y2, colour, width); });
}

void ImageCanvas::Rectangle(double x, double y, double width, double height, uint32_t colour) {
    Paint([&](Canvas& canvas) { canvas.Rectangle(x, y, width, height, colour); });
}

void ImageCanvas::Fill(double x, double y, double width, double height, uint32_t colour) {
    Paint([&](Canvas& canvas) { canvas.Fill(x, y, width, height, colour); });
}

void ImageCanvas::Bitmap(double x, double y, const std::string& name) {
    Paint([&](Canvas& canvas) { canvas.Bitmap(x, y, name); });
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { resize(kSide, kSide); }

void PictureBox::Show(const QImage& image) {
    image_ = image;
    resize(image_.deviceIndependentSize().toSize());
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

}  // namespace tessalin::gui

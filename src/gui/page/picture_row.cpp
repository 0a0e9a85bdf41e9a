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
}  // namespace

ImageCanvas::ImageCanvas(int width, int height) { SetSize(width, height); }

void ImageCanvas::SetSize(int width, int height) {
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
}

double ImageCanvas::TextWidth(const std::string& text, const CanvasFont& font) const {
    return QFontMetricsF(QtFont(font)).horizontalAdvance(QString::fromStdString(text));
}

void ImageCanvas::Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) {
    QPainter painter(&image_);
    const QFont qt = QtFont(font);
    painter.setFont(qt);
    painter.setPen(Rgb(colour));
    painter.drawText(QPointF(x, y + QFontMetricsF(qt).ascent()), QString::fromStdString(text));
}

void ImageCanvas::Line(double x1, double y1, double x2, double y2, uint32_t colour, double width) {
    QPainter painter(&image_);
    painter.setPen(QPen(Rgb(colour), width));
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void ImageCanvas::Rectangle(double x, double y, double width, double height, uint32_t colour) {
    QPainter painter(&image_);
    painter.setPen(QPen(Rgb(colour), 1));
    painter.drawRect(QRectF(x, y, width - 1, height - 1));
}

void ImageCanvas::Fill(double x, double y, double width, double height, uint32_t colour) {
    QPainter painter(&image_);
    painter.fillRect(QRectF(x, y, width, height), Rgb(colour));
}

void ImageCanvas::Bitmap(double x, double y, const std::string& name) {
    const QImage bitmap = RedKeyedBitmap(QString::fromStdString(name));
    if (bitmap.isNull()) return;
    QPainter painter(&image_);
    painter.drawImage(QPointF(x, y), bitmap);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { resize(kSide, kSide); }

void PictureBox::Show(const QImage& image) {
    image_ = image;
    resize(image_.size());
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

}  // namespace tessalin::gui

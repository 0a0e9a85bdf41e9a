#include "draw_common.h"

#include <QFont>
#include <QImage>
#include <QPainterPath>

#include <cstdio>
#include <utility>

namespace drawing {

namespace {
QString g_outDir;
Observer g_observer;

void Observe(const QString& name, const Draw& draw) {
    if (!g_observer) return;
    QPicture commands;
    {
        QPainter p(&commands);
        draw(p);
    }
    g_observer(name, commands);
}

// The picture of w x h pixels, drawn `scale` times as large for screens of that many pixels a point.
QImage Drawn(int w, int h, int scale, const Draw& draw) {
    QImage image(w * scale, h * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        draw(p);
    }
    return image;
}

// Every picture comes twice: NAME.png, and NAME@2x.png for screens of two pixels a point.
constexpr int kScales[] = {1, 2};
QString ScaledName(const QString& name, int scale) { return scale == 1 ? name : name + QString("@%1x").arg(scale); }

void Write(const QImage& image, const QString& name) {
    const QString path = g_outDir + "/" + name + ".png";
    if (!image.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Every pixel the drawing left less than half covered becomes red, every other one opaque.
void KeyRed(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            if (qAlpha(c) < 128) {
                line[x] = qRgb(255, 0, 0);
            } else {
                // Un-premultiplied colour, opaque; a drawn pixel that happens to be pure red is nudged.
                QRgb opaque = qRgb(qRed(c), qGreen(c), qBlue(c));
                if (opaque == qRgb(255, 0, 0)) opaque = qRgb(254, 0, 0);
                line[x] = opaque;
            }
        }
    }
}

}  // namespace

void SetOutputFolder(const QString& folder) { g_outDir = folder; }

void SetObserver(Observer observe) { g_observer = std::move(observe); }

void Save(const QString& name, int w, int h, const Draw& draw) {
    Observe(name, draw);
    for (int scale : kScales) Write(Drawn(w, h, scale, draw), ScaledName(name, scale));
}

void SaveIcon(const QString& name, int size, const Draw& draw) {
    Observe(name, draw);
    Write(Drawn(size, size, 1, draw), name);
}

void SaveRedKeyed(const QString& name, int w, int h, const Draw& draw) {
    Observe(name, draw);
    for (int scale : kScales) {
        QImage image = Drawn(w, h, scale, draw);
        KeyRed(image);
        Write(image.convertToFormat(QImage::Format_RGB32), ScaledName(name, scale));
    }
}

QPen Outline(qreal width) { return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Sheet(QPainter& p, qreal x, qreal y, qreal w, qreal h, const QColor& fill) {
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - 4, y);
    path.lineTo(x + w, y + 4);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    p.setPen(Outline());
    p.setBrush(fill);
    p.drawPath(path);
    p.setBrush(kLightGrey);
    QPainterPath fold;
    fold.moveTo(x + w - 4, y);
    fold.lineTo(x + w - 4, y + 4);
    fold.lineTo(x + w, y + 4);
    p.drawPath(fold);
}

void TextLines(QPainter& p, qreal x, qreal y, qreal w, int count, qreal step, const QColor& c) {
    p.setPen(QPen(c, 1.0));
    for (int i = 0; i < count; ++i) p.drawLine(QPointF(x, y + i * step), QPointF(x + w, y + i * step));
}

void Letter(QPainter& p, const QRectF& r, const QString& text, int pixelSize, const QColor& colour) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace drawing

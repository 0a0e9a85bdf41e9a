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

QImage Drawn(int w, int h, const Draw& draw) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        draw(p);
    }
    return image;
}

void Write(const QImage& image, const QString& name) {
    const QString path = g_outDir + "/" + name + ".png";
    if (!image.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}
}  // namespace

void SetOutputFolder(const QString& folder) { g_outDir = folder; }

void SetObserver(Observer observe) { g_observer = std::move(observe); }

void Save(const QString& name, int w, int h, const Draw& draw) {
    Observe(name, draw);
    Write(Drawn(w, h, draw), name);
}

void SaveRedKeyed(const QString& name, int w, int h, const Draw& draw) {
    Observe(name, draw);
    QImage image = Drawn(w, h, draw);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
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
    Write(image.convertToFormat(QImage::Format_RGB32), name);
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

#pragma once
// A white QImage to draw markup on, and functions that find where ink of a kind of colour landed.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <functional>
#include <string>

#include "gui/widgets/par_html.h"

namespace tessalin::test {

class MarkupCanvas {
public:
    explicit MarkupCanvas(int width = 320, int height = 120) : image_(width, height, QImage::Format_RGB32) {
        image_.fill(Qt::white);
        font_.setFamily("Arial");
        font_.setPixelSize(13);
    }

    MarkupDrawResult Draw(const std::string& markup, MarkupDrawOptions options = {}, QRect rect = {}) {
        if (rect.isNull()) rect = image_.rect();
        QPainter painter(&image_);
        painter.setFont(font_);
        painter.setPen(Qt::black);
        MarkupDrawResult result;
        DrawMarkup(painter, markup, rect, options, result);
        return result;
    }

    // Bounding box of the pixels that satisfy `match`; a null rectangle when there are none.
    QRect Ink(const std::function<bool(QColor)>& match) const {
        QRect box;
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x)
                if (match(image_.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
        return box;
    }

    QFontMetrics Metrics(bool bold = false) const {
        QFont font = font_;
        font.setBold(bold);
        return QFontMetrics(font, &image_);
    }

    const QImage& Image() const { return image_; }
    const QFont& Font() const { return font_; }

private:
    QImage image_;
    QFont font_;
};

inline bool IsDark(QColor c) { return c.red() < 110 && c.green() < 110 && c.blue() < 110; }
inline bool IsGreen(QColor c) { return c.green() > c.red() + 50 && c.green() > c.blue() + 50; }
inline bool IsRed(QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }
inline bool IsNotWhite(QColor c) { return c != QColor(Qt::white); }

// An image list of `count` solid red pictures.
inline MarkupImageList RedPictures(QSize size, int count) {
    MarkupImageList list(size);
    QPixmap picture(size);
    picture.fill(Qt::red);
    for (int i = 0; i < count; ++i) list.Add(picture);
    return list;
}

}  // namespace tessalin::test

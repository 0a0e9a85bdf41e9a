#pragma once
// What every drawing of the picture generator shares: one small palette, the writer of a picture file,
// and a few shapes. See draw_bitmaps.cpp for how to run the generator.
#include <QColor>
#include <QPainter>
#include <QPicture>
#include <QRectF>
#include <QString>

#include <functional>

namespace drawing {

inline const QColor kOutline(0x2b, 0x3a, 0x4a);
inline const QColor kPaper(0xff, 0xff, 0xff);
inline const QColor kBlue(0x2f, 0x6f, 0xb5);
inline const QColor kLightBlue(0xd6, 0xe6, 0xf5);
inline const QColor kGreen(0x3a, 0x9a, 0x4a);
inline const QColor kLightGreen(0xc8, 0xe8, 0xc0);
inline const QColor kRed(0xc8, 0x3a, 0x2e);
inline const QColor kYellow(0xf2, 0xc1, 0x4e);
inline const QColor kOrange(0xe0, 0x7b, 0x24);
inline const QColor kGrey(0x8a, 0x96, 0xa3);
inline const QColor kLightGrey(0xdf, 0xe4, 0xea);
inline const QColor kDisplay(0x9c, 0xd3, 0x8e);

using Draw = std::function<void(QPainter&)>;

// The folder the pictures are written to.
void SetOutputFolder(const QString& folder);

// Hands the drawing commands of every picture made from now on to `observe` as well, with the
// picture's name (for checks of what the pictures show); an empty function stops it.
using Observer = std::function<void(const QString& name, const QPicture& commands)>;
void SetObserver(Observer observe);

// Draws a picture of w x h pixels on a transparent ground and writes it as NAME.png, and twice as large
// as NAME@2x.png for screens of two pixels a point.
void Save(const QString& name, int w, int h, const Draw& draw);

// An icon of size x size pixels, written once as NAME.png: the icon's users choose among its sizes.
void SaveIcon(const QString& name, int size, const Draw& draw);

// As Save, for pictures whose transparent colour is pure red: every pixel the drawing leaves less than
// half covered becomes red, every other one opaque, so that no edge blends into the red.
void SaveRedKeyed(const QString& name, int w, int h, const Draw& draw);

QPen Outline(qreal width = 1.0);

// A sheet of paper with a folded top-right corner, inside the rectangle (x, y, w, h).
void Sheet(QPainter& p, qreal x, qreal y, qreal w, qreal h, const QColor& fill = kPaper);

void TextLines(QPainter& p, qreal x, qreal y, qreal w, int count, qreal step, const QColor& c = kGrey);

// Bold text centred in a rectangle, its size in pixels.
void Letter(QPainter& p, const QRectF& r, const QString& text, int pixelSize, const QColor& colour);

}  // namespace drawing

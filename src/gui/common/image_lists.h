#pragma once
// The main window's two picture lists, by index: BilderEnabled (20 x 20: tool bar, parameter set
// A = 25 and B = 26, heading icons such as the note 30) and HTMLImageList (22 pixels wide: the tree
// pictures 1 and 2 base unit, 3 and 4 front unit, 5 and 6 module, 7 calculation block, 8 digital
// sensor, 9 I-module, 10 Purgon controller). An index without a picture gives a null pixmap.

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tessalin::gui {

inline constexpr int kImageNew = 0;
inline constexpr int kImageOpen = 1;
inline constexpr int kImageSave = 2;
inline constexpr int kImageCard = 3;
inline constexpr int kImagePrint = 4;
inline constexpr int kImagePdf = 5;
inline constexpr int kImageExcel = 6;
inline constexpr int kImageConfigurator = 7;
inline constexpr int kImageParamSetA = 25;
inline constexpr int kImageParamSetB = 26;
inline constexpr int kLastHtmlImage = 10;

// Every picture exists drawn for one and for two pixels a point (NAME@2x): above one pixel a point the
// larger one is taken, so that nothing is shown blown up from small pixels. Its device pixel ratio keeps
// it at its size in points.
qreal ScreenPixelRatio();

QPixmap BilderEnabled(int index);
QPixmap HtmlImage(int index);
// A named bitmap resource such as "SPLASH" or "REFRESH".
QPixmap NamedBitmap(const QString& name);
// A named bitmap whose pure red pixels are transparent, as the terminal plan's pictures are drawn, for a
// surface of `ratio` pixels a point; a null image when the program has no bitmap of that name.
QImage RedKeyedBitmap(const QString& name, qreal ratio = ScreenPixelRatio());
QIcon WindowIcon();

}  // namespace tessalin::gui

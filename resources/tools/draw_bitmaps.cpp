// Draws the program's pictures (tool-bar and heading images, tree pictures, splash, window and
// application icons) into resources/bitmaps/. The PNGs are committed; run this again after changing a drawing:
//
//   cmake -S resources/tools -B build/tools -G Ninja && cmake --build build/tools
//   QT_QPA_PLATFORM=offscreen build/tools/draw_bitmaps resources/bitmaps
//
// One style for all: a dark slate outline, flat fills from one small palette, no gradients on the
// small pictures, so they stay crisp at 20 and 22 pixels.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

#include "draw_common.h"
#include "draw_terminal_plan.h"

namespace {

using namespace drawing;

// ---- tool-bar and heading images, 20 x 20 ----------------------------------------------------

void ToolNew(QPainter& p) {
    Sheet(p, 3.5, 1.5, 12, 16);
    // a small spark: this data set starts empty
    p.setPen(QPen(kOrange, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(14.5, 14.5);
    p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
    p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
    p.drawLine(c + QPointF(-2, -2), c + QPointF(2, 2));
    p.drawLine(c + QPointF(-2, 2), c + QPointF(2, -2));
}

void ToolOpen(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kYellow.darker(115));
    QPainterPath back;
    back.moveTo(1.5, 4.5);
    back.lineTo(7.5, 4.5);
    back.lineTo(9.5, 6.5);
    back.lineTo(16.5, 6.5);
    back.lineTo(16.5, 16.5);
    back.lineTo(1.5, 16.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kYellow);
    QPainterPath front;
    front.moveTo(1.5, 16.5);
    front.lineTo(4.5, 9.5);
    front.lineTo(18.5, 9.5);
    front.lineTo(15.5, 16.5);
    front.closeSubpath();
    p.drawPath(front);
}

void ToolSave(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kBlue);
    QPainterPath disk;
    disk.moveTo(2.5, 2.5);
    disk.lineTo(15.5, 2.5);
    disk.lineTo(17.5, 4.5);
    disk.lineTo(17.5, 17.5);
    disk.lineTo(2.5, 17.5);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 2.5, 9, 6));
    p.setBrush(kLightGrey);
    p.drawRect(QRectF(5.5, 11.5, 9, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawRect(QRectF(11, 3.5, 2, 4));
}

void ToolCard(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kGrey.darker(130));
    QPainterPath card;
    card.moveTo(4.5, 1.5);
    card.lineTo(15.5, 1.5);
    card.lineTo(15.5, 18.5);
    card.lineTo(4.5, 18.5);
    card.lineTo(4.5, 5.5);
    card.lineTo(6.5, 3.5);
    card.closeSubpath();
    card.moveTo(4.5, 1.5);
    p.drawPath(card);
    // gold contact field
    p.setBrush(kYellow);
    p.drawRect(QRectF(6.5, 8.5, 7, 7));
    p.setPen(QPen(kOrange.darker(120), 1.0));
    p.drawLine(QPointF(10, 9), QPointF(10, 15));
    p.drawLine(QPointF(7, 12), QPointF(13, 12));
    // the card's write-protect patch
    p.setPen(Qt::NoPen);
    p.setBrush(kLightGrey);
    p.drawRect(QRectF(12, 3, 2.5, 3));
}

void ToolPrint(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 1.5, 9, 7));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 12.5, 9, 6));
    TextLines(p, 7, 15, 6, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(15.5, 10), 1, 1);
}

void DocumentWithBand(QPainter& p, const QColor& band) {
    Sheet(p, 3.5, 1.5, 13, 17);
    p.setPen(Outline());
    p.setBrush(band);
    p.drawRect(QRectF(1.5, 9.5, 14, 7));
}

void ToolPdf(QPainter& p) {
    DocumentWithBand(p, kRed);
    TextLines(p, 6, 5, 7, 2, 2.5);
    Letter(p, QRectF(1.5, 9.5, 14, 7), "PDF", 6, kPaper);
}

void ToolExcel(QPainter& p) {
    Sheet(p, 3.5, 1.5, 13, 17);
    p.setPen(QPen(kGreen, 1.0));
    for (int row = 0; row < 5; ++row) p.drawLine(QPointF(5.5, 5.5 + row * 2.8), QPointF(14.5, 5.5 + row * 2.8));
    for (int col = 0; col < 3; ++col) p.drawLine(QPointF(5.5 + col * 4.5, 5.5), QPointF(5.5 + col * 4.5, 16.7));
    p.setPen(Outline());
    p.setBrush(kGreen);
    p.drawRect(QRectF(1.5, 10.5, 8, 8));
    QPen cross(kPaper, 1.4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(QPointF(3.5, 12.5), QPointF(7.5, 16.5));
    p.drawLine(QPointF(7.5, 12.5), QPointF(3.5, 16.5));
}

// Three plug-in modules in a rack, the middle one being pulled: changing the configuration.
void ToolConfigurator(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kLightGrey);
    p.drawRect(QRectF(1.5, 5.5, 17, 13));
    const QColor fills[3] = {kGreen, kBlue, kOrange};
    for (int i = 0; i < 3; ++i) {
        const qreal x = 3.5 + i * 5;
        const qreal top = i == 1 ? 1.5 : 7.5;
        p.setBrush(fills[i]);
        p.drawRect(QRectF(x, top, 3.5, 9));
    }
}

void ToolRefresh(QPainter& p) {
    p.setPen(QPen(kGreen.darker(110), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3.5, 3.5, 13, 13), 30 * 16, 150 * 16);
    p.drawArc(QRectF(3.5, 3.5, 13, 13), 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen.darker(110));
    QPolygonF head1{{1.0, 8.0}, {7.0, 8.0}, {4.0, 12.5}};
    QPolygonF head2{{19.0, 12.0}, {13.0, 12.0}, {16.0, 7.5}};
    // place the heads at the open ends of the two arcs
    p.drawPolygon(head1.translated(0, -1));
    p.drawPolygon(head2.translated(0, 1));
}

void ParameterSet(QPainter& p, const QString& letter, const QColor& fill) {
    p.setPen(Outline());
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 3, 3);
    Letter(p, QRectF(1.5, 1.5, 17, 17), letter, 13, kPaper);
}

void HeadingNote(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    Letter(p, QRectF(1.5, 2, 17, 17), "i", 13, kPaper);
}

void HeadingWarning(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kYellow);
    QPolygonF triangle{{10, 1.5}, {18.5, 17.5}, {1.5, 17.5}};
    p.drawPolygon(triangle);
    Letter(p, QRectF(1.5, 5, 17, 13), "!", 11, kOutline);
}

// ---- tree pictures, 22 x 18 ------------------------------------------------------------------

// Base unit: the housing with its terminal strip.
void TreeBase(QPainter& p, const QColor& accent) {
    p.setPen(Outline());
    p.setBrush(kLightGrey);
    p.drawRect(QRectF(1.5, 3.5, 19, 12));
    p.setBrush(accent);
    p.drawRect(QRectF(1.5, 3.5, 19, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    for (int i = 0; i < 6; ++i) p.drawRect(QRectF(3 + i * 3, 9, 2, 4));
}

// Front unit: the housing with its display and keys.
void TreeFront(QPainter& p, const QColor& frame) {
    p.setPen(Outline());
    p.setBrush(frame);
    p.drawRoundedRect(QRectF(1.5, 1.5, 19, 15), 2, 2);
    p.setBrush(kDisplay);
    p.drawRect(QRectF(4.5, 3.5, 13, 6));
    p.setPen(QPen(kOutline, 1.0));
    p.drawLine(QPointF(6, 6.5), QPointF(11, 6.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(4.5 + i * 3.5, 12, 2.5, 2));
}

// Plug-in module: a circuit board with its connector.
void TreeModule(QPainter& p, const QColor& board) {
    p.setPen(Outline());
    p.setBrush(board);
    p.drawRect(QRectF(3.5, 1.5, 15, 12));
    p.setBrush(kYellow);
    for (int i = 0; i < 5; ++i) p.drawRect(QRectF(5 + i * 2.6, 13.5, 1.6, 3));
    p.setBrush(kOutline);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(7, 4, 6, 5));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(15.5, 4.5), 1, 1);
}

// Calculation block: two inputs combined into one value.
void TreeCalculation(QPainter& p, const QColor& fill) {
    p.setPen(Outline());
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(5.5, 1.5, 12, 15), 2, 2);
    p.setPen(QPen(kOutline, 1.2));
    p.drawLine(QPointF(1, 5.5), QPointF(5.5, 5.5));
    p.drawLine(QPointF(1, 12.5), QPointF(5.5, 12.5));
    p.drawLine(QPointF(17.5, 9), QPointF(21, 9));
    Letter(p, QRectF(5.5, 1.5, 12, 15), QString::fromUtf8("\xce\xa3"), 10, kPaper);
}

// Digital sensor: a probe with its cable head.
void TreeSensor(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kGrey);
    p.drawRect(QRectF(8.5, 1.5, 5, 5));
    p.setBrush(kLightBlue);
    p.drawRoundedRect(QRectF(9.5, 6.5, 3, 10), 1.5, 1.5);
    p.setPen(QPen(kOutline, 1.2));
    p.drawLine(QPointF(11, 1.5), QPointF(11, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(16, 4), 1.4, 1.4);
    p.drawEllipse(QPointF(18.5, 4), 1.4, 1.4);
}

// I-module: a module with two sensor inputs.
void TreeIModule(QPainter& p) {
    TreeModule(p, kLightGrey.darker(110));
    p.setPen(Outline());
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(7, 11), 1.6, 1.6);
    p.drawEllipse(QPointF(11, 11), 1.6, 1.6);
}

// Purgon controller: a probe being rinsed.
void TreePurgon(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kLightGrey);
    p.drawRect(QRectF(1.5, 1.5, 9, 15));
    p.setBrush(kBlue);
    p.drawRect(QRectF(3.5, 3.5, 5, 3));
    p.setPen(QPen(kOutline, 1.0));
    p.drawLine(QPointF(10.5, 10), QPointF(14, 10));
    p.setPen(Outline());
    p.setBrush(kLightBlue);
    QPainterPath drop;
    drop.moveTo(17, 4);
    drop.cubicTo(QPointF(20.5, 9), QPointF(20.5, 13), QPointF(17, 13));
    drop.cubicTo(QPointF(13.5, 13), QPointF(13.5, 9), QPointF(17, 4));
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(15, 16), 1, 1);
    p.drawEllipse(QPointF(19, 16), 1, 1);
}

// ---- window icon and splash ------------------------------------------------------------------

void WindowIcon(QPainter& p, int size) {
    const qreal s = size / 32.0;
    p.scale(s, s);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(2, 3, 28, 26), 4, 4);
    p.setBrush(kDisplay);
    p.drawRoundedRect(QRectF(6, 7, 20, 10), 1.5, 1.5);
    p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.5, 12), QPointF(13, 12));
    p.drawLine(QPointF(15, 12), QPointF(23.5, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    for (int i = 0; i < 4; ++i) p.drawRoundedRect(QRectF(6 + i * 5.5, 21, 3.5, 3.5), 1, 1);
}

// The analyser as seen from the front, large, for the splash.
void Analyser(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kOutline, 2));
    p.setBrush(kLightGrey);
    p.drawRoundedRect(r, 8, 8);
    const QRectF display(r.left() + 16, r.top() + 16, r.width() - 32, r.height() * 0.45);
    p.setBrush(kDisplay);
    p.drawRoundedRect(display, 4, 4);
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(int(display.height() * 0.34));
    font.setBold(true);
    p.setFont(font);
    p.setPen(kOutline);
    p.drawText(display.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignRight, "7.02 pH");
    p.setPen(QPen(kOutline, 1.5));
    const qreal keyTop = display.bottom() + 18;
    const qreal keyWidth = (r.width() - 32 - 3 * 10) / 4;
    const QColor keys[4] = {kBlue, kPaper, kPaper, kGreen};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(keys[i]);
        p.drawRoundedRect(QRectF(r.left() + 16 + i * (keyWidth + 10), keyTop, keyWidth, 14), 3, 3);
    }
}

void Splash(QPainter& p, int w, int h) {
    QLinearGradient band(0, 0, 0, h);
    band.setColorAt(0, kBlue.lighter(115));
    band.setColorAt(1, kBlue.darker(125));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(0, 0, w, h);
    // thin measuring curve across the band
    QPainterPath curve;
    curve.moveTo(0, h * 0.78);
    for (int x = 0; x <= w; x += 8) curve.lineTo(x, h * 0.78 - 14 * std::sin(x / 38.0) - x * 0.05);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    Analyser(p, QRectF(w - 150, 26, 126, 112));
    QFont title("DejaVu Sans");
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(kPaper);
    p.drawText(QRectF(18, 34, w - 180, 40), Qt::AlignLeft | Qt::AlignVCenter, "Tessalin");
    title.setPixelSize(38);
    p.setFont(title);
    p.setPen(kYellow);
    p.drawText(QRectF(18, 74, w - 180, 44), Qt::AlignLeft | Qt::AlignVCenter, "3000");
}

}  // namespace

// ---- buttons of the program pages, 20 x 20 ----------------------------------------------------

// Edit: a pencil across a sheet.
void ButtonEdit(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 2.5, 11, 15));
    p.setPen(QPen(kOrange, 3.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(7, 15), QPointF(16, 5));
    p.setPen(QPen(kOutline, 1.2));
    p.drawLine(QPointF(5.5, 17), QPointF(7, 15));
}

// Insert: a green plus beside a row.
void ButtonInsert(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kLightGrey);
    p.drawRect(QRectF(8.5, 7.5, 10, 5));
    p.setPen(QPen(kGreen, 3.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(5, 4), QPointF(5, 16));
    p.drawLine(QPointF(-1, 10), QPointF(11, 10));
}

// Delete: a red cross over a row.
void ButtonDelete(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kLightGrey);
    p.drawRect(QRectF(2.5, 7.5, 15, 5));
    p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 4), QPointF(15, 16));
    p.drawLine(QPointF(15, 4), QPointF(5, 16));
}

// Copy: two sheets, one over the other.
void ButtonCopy(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kLightBlue);
    p.drawRect(QRectF(2.5, 2.5, 10, 12));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7.5, 5.5, 10, 12));
    p.setPen(QPen(kBlue, 1.0));
    for (int y = 9; y <= 15; y += 3) p.drawLine(QPointF(9.5, y), QPointF(15.5, y));
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_bitmaps OUTPUT_DIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    SetOutputFolder(outDir);

    // Image list of the tool bar and the page headings (20 x 20), by index.
    Save("bilder_00", 20, 20, ToolNew);
    Save("bilder_01", 20, 20, ToolOpen);
    Save("bilder_02", 20, 20, ToolSave);
    Save("bilder_03", 20, 20, ToolCard);
    Save("bilder_04", 20, 20, ToolPrint);
    Save("bilder_05", 20, 20, ToolPdf);
    Save("bilder_06", 20, 20, ToolExcel);
    Save("bilder_07", 20, 20, ToolConfigurator);
    Save("bilder_25", 20, 20, [](QPainter& p) { ParameterSet(p, "A", kBlue); });
    Save("bilder_26", 20, 20, [](QPainter& p) { ParameterSet(p, "B", kOrange); });
    Save("bilder_30", 20, 20, HeadingNote);
    Save("bilder_31", 20, 20, HeadingWarning);
    Save("REFRESH", 20, 20, ToolRefresh);
    Save("BEARBEITEN", 20, 20, ButtonEdit);
    Save("EINFUEGEN", 20, 20, ButtonInsert);
    Save("ENTFERNEN", 20, 20, ButtonDelete);
    Save("KOPIEREN", 20, 20, ButtonCopy);

    // Tree pictures (22 x 18), by index.
    Save("tree_01", 22, 18, [](QPainter& p) { TreeBase(p, kGrey); });
    Save("tree_02", 22, 18, [](QPainter& p) { TreeBase(p, kBlue); });
    Save("tree_03", 22, 18, [](QPainter& p) { TreeFront(p, kLightGrey); });
    Save("tree_04", 22, 18, [](QPainter& p) { TreeFront(p, kGrey); });
    Save("tree_05", 22, 18, [](QPainter& p) { TreeModule(p, kGreen); });
    Save("tree_06", 22, 18, [](QPainter& p) { TreeModule(p, kBlue); });
    Save("tree_07", 22, 18, [](QPainter& p) { TreeCalculation(p, kOrange); });
    Save("tree_08", 22, 18, TreeSensor);
    Save("tree_09", 22, 18, TreeIModule);
    Save("tree_10", 22, 18, TreePurgon);

    SaveIcon("window_icon", 32, [](QPainter& p) { WindowIcon(p, 32); });
    SaveIcon("window_icon_64", 64, [](QPainter& p) { WindowIcon(p, 64); });
    Save("SPLASH", 357, 170, [](QPainter& p) { Splash(p, 357, 170); });

    // The application icon at the sizes a desktop's icon theme asks for.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        SaveIcon(QString("app_icon_%1").arg(size), size, [size](QPainter& p) { WindowIcon(p, size); });

    DrawTerminalPlanBitmaps();
    return 0;
}

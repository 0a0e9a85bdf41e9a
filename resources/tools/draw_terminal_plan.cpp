#include "draw_terminal_plan.h"

#include <QFont>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

#include "draw_common.h"

namespace {

using namespace drawing;

const QColor kHousing(0xd4, 0xda, 0xe1);
const QColor kHousingDark(0x9a, 0xa6, 0xb2);
const QColor kTerminalGreen(0x3f, 0x9b, 0x4f);
const QColor kTerminalGrey(0x9c, 0xa3, 0xab);
const QColor kExYellow(0xf6, 0xd3, 0x2d);

struct Brand {
    const char* prefix;  // MV, BV, SL
    const char* name;
    QColor colour;
};
const Brand kBrands[] = {
    {"MV", "MORVANE", kBlue},
    {"BV", "BREVON", kOrange},
    {"SL", "SOLLANE", kGreen},
};

QFont Font(int pixelSize, bool bold = false, bool italic = false) {
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void Write(QPainter& p, const QRectF& r, const QString& text, int pixelSize, const QColor& colour,
           int align = Qt::AlignCenter, bool bold = false) {
    p.setFont(Font(pixelSize, bold));
    p.setPen(colour);
    p.drawText(r, align, text);
}

// Thin grey lines that stand for small print.
void SmallPrint(QPainter& p, qreal x, qreal y, qreal w, int lines) { TextLines(p, x, y, w, lines, 5, kGrey); }

// The hexagon with "Ex" of explosion-protected equipment.
void ExHexagon(QPainter& p, const QPointF& c, qreal r) {
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = 3.14159265 / 3 * i + 3.14159265 / 6;
        hex << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kExYellow);
    p.drawPolygon(hex);
    Write(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), "Ex", int(r * 0.9), kOutline, Qt::AlignCenter, true);
}

// ---- housings ------------------------------------------------------------------------------------

void Module(QPainter& p) {
    p.setPen(Outline(2));
    p.setBrush(kHousing);
    p.drawRoundedRect(QRectF(22, 58, 381, 262), 8, 8);
    p.setBrush(kHousingDark);
    p.drawRoundedRect(QRectF(22, 58, 381, 14), 6, 6);
    p.setPen(QPen(kOutline, 1));
    for (int x = 60; x < 380; x += 16) p.drawLine(QPointF(x, 62), QPointF(x + 8, 62));
    // mounting screws
    p.setBrush(kLightGrey);
    for (qreal x : {30.0, 395.0}) {
        p.drawEllipse(QPointF(x, 300), 4, 4);
        p.drawLine(QPointF(x - 3, 300), QPointF(x + 3, 300));
    }
}

void FrontUnit(QPainter& p) {
    p.setPen(Outline(2));
    p.setBrush(kHousing);
    p.drawRoundedRect(QRectF(4, 4, 317, 415), 12, 12);
    p.setBrush(kHousingDark);
    p.drawRoundedRect(QRectF(60, 28, 206, 366), 8, 8);
    // the display between the front label and the keypad
    p.setBrush(kDisplay);
    p.drawRoundedRect(QRectF(76, 70, 174, 138), 4, 4);
    Write(p, QRectF(86, 84, 154, 60), "7.02 pH", 36, kOutline, Qt::AlignRight | Qt::AlignVCenter, true);
    Write(p, QRectF(86, 146, 154, 24), "25.0 °C", 18, kOutline, Qt::AlignRight | Qt::AlignVCenter);
    SmallPrint(p, 90, 185, 80, 3);
}

void FrontLabel(QPainter& p, const Brand& brand) {
    p.setPen(Qt::NoPen);
    p.setBrush(brand.colour);
    p.drawRoundedRect(QRectF(0, 0, 174, 24), 3, 3);
    Write(p, QRectF(8, 0, 110, 24), brand.name, 13, kPaper, Qt::AlignLeft | Qt::AlignVCenter, true);
    Write(p, QRectF(110, 0, 58, 24), "2400", 12, kPaper, Qt::AlignRight | Qt::AlignVCenter);
}

void Keypad(QPainter& p, const Brand& brand) {
    p.setPen(Outline(1.5));
    p.setBrush(kLightGrey);
    p.drawRoundedRect(QRectF(1, 1, 172, 162), 6, 6);
    const char* labels[] = {"meas", "menu", "cal", "par", "enter", "esc"};
    for (int i = 0; i < 6; ++i) {
        const QRectF key(14 + (i % 3) * 52, 14 + (i / 3) * 46, 44, 34);
        p.setPen(Outline(1.2));
        p.setBrush(i == 4 ? brand.colour : kPaper);
        p.drawRoundedRect(key, 5, 5);
        Write(p, key, labels[i], 10, i == 4 ? kPaper : kOutline);
    }
    // cursor keys
    const QPointF c(87, 128);
    p.setBrush(kPaper);
    p.setPen(Outline(1.2));
    p.drawEllipse(c, 26, 26);
    p.setBrush(kOutline);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(90 * i);
        p.drawPolygon(QPolygonF({QPointF(0, -20), QPointF(-5, -13), QPointF(5, -13)}));
        p.restore();
    }
}

void BaseUnit(QPainter& p) {
    p.setPen(Outline(2));
    p.setBrush(kHousing);
    p.drawRoundedRect(QRectF(3, 3, 319, 242), 10, 10);
    p.setBrush(kHousingDark);
    p.drawRect(QRectF(3, 200, 319, 45));
    // cable glands
    p.setBrush(kLightGrey);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(45 + i * 58, 222), 13, 13);
    SmallPrint(p, 30, 40, 140, 6);
    Write(p, QRectF(30, 90, 265, 40), "BU 2400", 22, kOutline, Qt::AlignLeft | Qt::AlignVCenter, true);
}

// The base unit's terminal strip: `count` numbered terminals in a row.
void BaseTerminals(QPainter& p, int count) {
    p.setPen(Outline(1.5));
    p.setBrush(kHousingDark);
    p.drawRoundedRect(QRectF(2, 2, 420, 85), 6, 6);
    const qreal step = 400.0 / count;
    for (int i = 0; i < count; ++i) {
        const QRectF cell(12 + i * step, 14, step - 3, 44);
        p.setBrush(i % 2 ? kTerminalGrey : kTerminalGreen);
        p.setPen(Outline(1));
        p.drawRect(cell);
        p.setBrush(kLightGrey);
        p.drawEllipse(QPointF(cell.center().x(), cell.top() + 12), 5, 5);
        Write(p, QRectF(cell.left() - 2, 62, cell.width() + 4, 18), QString::number(i + 1), 10, kPaper);
    }
}

void PurgonCabinet(QPainter& p) {
    p.setPen(Outline(2));
    p.setBrush(kHousing);
    p.drawRoundedRect(QRectF(3, 3, 262, 283), 8, 8);
    p.setBrush(kDisplay);
    p.drawRoundedRect(QRectF(150, 30, 96, 50), 4, 4);
    Write(p, QRectF(150, 30, 96, 50), "AUTO", 16, kOutline, Qt::AlignCenter, true);
    // valves and hoses
    p.setBrush(kLightGrey);
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(150 + (i % 2) * 50, 100 + (i / 2) * 34, 36, 24));
        p.drawLine(QPointF(168 + (i % 2) * 50, 124 + (i / 2) * 34), QPointF(168 + (i % 2) * 50, 138 + (i / 2) * 34));
    }
    p.setPen(QPen(kBlue, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 250), QPointF(250, 250));
    p.drawLine(QPointF(20, 250), QPointF(20, 286));
}

void PurgonBottles(QPainter& p, int bottles) {
    p.setPen(Outline(2));
    p.setBrush(kHousingDark);
    p.drawRoundedRect(QRectF(3, 3, 262, 205), 8, 8);
    const qreal width = 62;
    const qreal gap = (262 - bottles * width) / (bottles + 1);
    const QColor fills[3] = {kLightBlue, kLightGreen, kYellow};
    for (int i = 0; i < bottles; ++i) {
        const qreal x = 3 + gap + i * (width + gap);
        QPainterPath bottle;
        bottle.addRoundedRect(QRectF(x, 70, width, 125), 10, 10);
        bottle.addRect(QRectF(x + 20, 40, 22, 32));
        p.setBrush(fills[bottles == 1 ? 0 : i]);
        p.drawPath(bottle.simplified());
        p.setPen(QPen(kBlue, 3));
        p.drawLine(QPointF(x + 31, 10), QPointF(x + 31, 40));
        p.setPen(Outline(2));
    }
}

// A name plate of the Purgon controller, landscape (105 x 44) or as a vertical strip (38 x 180).
void PurgonPlate(QPainter& p, const QString& text, const QColor& colour, bool vertical) {
    const QRectF r = vertical ? QRectF(1, 1, 36, 178) : QRectF(1, 1, 103, 42);
    p.setPen(Outline(1.2));
    p.setBrush(colour);
    p.drawRoundedRect(r, 4, 4);
    if (vertical) {
        p.save();
        p.translate(r.center());
        p.rotate(-90);
        Write(p, QRectF(-85, -15, 170, 30), text, 14, kPaper, Qt::AlignCenter, true);
        p.restore();
    } else {
        Write(p, r, text, 14, kPaper, Qt::AlignCenter, true);
    }
}

// ---- labels ---------------------------------------------------------------------------------------

void Logo(QPainter& p, const Brand& brand) {
    p.setFont(Font(17, true, true));
    p.setPen(brand.colour);
    p.drawText(QRectF(2, 0, 184, 21), Qt::AlignLeft | Qt::AlignVCenter, brand.name);
}

void BarCode(QPainter& p, bool ex) {
    p.setPen(Outline(1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 0.5, 157, 127));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    const int widths[] = {2, 1, 3, 1, 1, 2, 1, 3, 2, 1, 1, 2, 3, 1, 2, 1, 1, 3, 1, 2, 2, 1, 3, 1, 1, 2, 1, 2, 3, 1};
    qreal x = 14;
    for (int i = 0; i < 30 && x < 144; ++i) {
        if (i % 2 == 0) p.drawRect(QRectF(x, 12, widths[i] * 1.5, 54));
        x += widths[i] * 1.5 + 1.5;
    }
    Write(p, QRectF(0, 68, 158, 16), "4 012345 678901", 11, kOutline);
    if (ex) ExHexagon(p, QPointF(40, 104), 17);
    SmallPrint(p, ex ? 66 : 14, 96, ex ? 78 : 130, 4);
}

void TypePlate(QPainter& p) {
    p.setPen(Outline(1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 0.5, 185, 36));
    Write(p, QRectF(3, 2, 26, 11), "Typ", 8, kGrey, Qt::AlignLeft | Qt::AlignVCenter);
    Write(p, QRectF(3, 14, 26, 11), "Nr.", 8, kGrey, Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(kLightGrey, 1));
    p.drawLine(QPointF(3, 27.5), QPointF(182, 27.5));
}

// The label below the type plate: approvals and ratings; the Ex variant with its hexagon.
void ApprovalLabel(QPainter& p, const Brand& brand, bool ex) {
    p.setPen(Outline(1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 0.5, 185, 67));
    p.setPen(Qt::NoPen);
    p.setBrush(brand.colour);
    p.drawRect(QRectF(1, 1, 5, 66));
    if (ex) {
        ExHexagon(p, QPointF(30, 34), 18);
        Write(p, QRectF(54, 4, 128, 12), "II 1G Ex ia IIC T4", 9, kOutline, Qt::AlignLeft | Qt::AlignVCenter, true);
        SmallPrint(p, 54, 24, 124, 7);
    } else {
        Write(p, QRectF(12, 6, 40, 30), "CE", 22, kOutline, Qt::AlignCenter, true);
        SmallPrint(p, 60, 10, 118, 10);
    }
}

// The full-width label of a module that carries its Ex layout: brand band, room for the type plate,
// the hexagon and the certificate text.
void ExModuleLabel(QPainter& p, const Brand& brand) {
    p.setPen(Outline(1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 0.5, 343, 127));
    p.setPen(Qt::NoPen);
    p.setBrush(brand.colour);
    p.drawRect(QRectF(1, 1, 342, 20));
    Write(p, QRectF(6, 1, 180, 20), brand.name, 14, kPaper, Qt::AlignLeft | Qt::AlignVCenter, true);
    ExHexagon(p, QPointF(300, 62), 28);
    Write(p, QRectF(196, 24, 80, 14), "Ex ia IIC T4", 10, kOutline, Qt::AlignLeft | Qt::AlignVCenter, true);
    SmallPrint(p, 196, 46, 66, 8);
    SmallPrint(p, 8, 70, 178, 9);
}

// ---- terminals -------------------------------------------------------------------------------------

// A module's connector strip: 19 contact positions of 18 pixels; a block that serves one channel of
// two carries the channel's mark at the right.
void TerminalBlock(QPainter& p, const QString& channel = {}) {
    p.setPen(Outline(1.2));
    p.setBrush(kHousingDark);
    p.drawRoundedRect(QRectF(0.5, 0.5, 343, 52), 4, 4);
    p.setBrush(kLightGrey);
    for (int n = 0; n < 19; ++n) {
        const QRectF cell(2 + 18 * n, 18, 16, 30);
        p.drawRect(cell);
        p.drawEllipse(QPointF(cell.center().x(), cell.top() + 9), 4, 4);
    }
    if (!channel.isEmpty()) Write(p, QRectF(200, 2, 138, 14), channel, 9, kYellow, Qt::AlignRight | Qt::AlignVCenter, true);
}

void DoNotConnect(QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1, 1, 87, 51));
    p.setPen(QPen(kRed.darker(110), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(81, 45));
    p.drawLine(QPointF(81, 8), QPointF(8, 45));
}

void Terminal(QPainter& p, const QColor& colour) {
    p.setPen(Outline(1));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1, 0.5, 16, 31), 2, 2);
    p.setBrush(kLightGrey);
    p.drawEllipse(QPointF(9, 8), 4.5, 4.5);
    p.drawLine(QPointF(6, 8), QPointF(12, 8));
    p.setBrush(kOutline);
    p.drawRect(QRectF(5, 20, 8, 8));
}

void Shield(QPainter& p) {
    p.setPen(Outline(1.5));
    p.setBrush(kHousingDark);
    p.drawRoundedRect(QRectF(1, 1, 167, 30), 4, 4);
    p.setPen(QPen(kOutline, 2));
    p.drawLine(QPointF(10, 16), QPointF(140, 16));
    // the earth symbol at the bar's end
    p.drawLine(QPointF(140, 8), QPointF(140, 24));
    p.drawLine(QPointF(146, 11), QPointF(146, 21));
    p.drawLine(QPointF(152, 14), QPointF(152, 18));
}

// A terminal's number: white on a dark plate for a terminal, dark on paper for a position without one.
// The paper keeps the thin strokes of a plain number whole; on red alone the half-covered pixels at
// their edges would turn transparent and break the figure up.
void NumberGlyph(QPainter& p, int n, bool marked) {
    const QString text = QString::number(n);
    p.setPen(Qt::NoPen);
    if (marked) {
        p.setBrush(kOutline);
        p.drawRoundedRect(QRectF(0, 0, 14, 14), 3, 3);
    } else {
        p.setBrush(kPaper);
        p.drawRect(QRectF(0, 0, 14, 14));
    }
    p.setFont(Font(n >= 10 ? 9 : 10, true));
    p.setPen(marked ? kPaper : kOutline);
    p.drawText(QRectF(0, 0, 14, 14), Qt::AlignCenter, text);
}

}  // namespace

void DrawTerminalPlanBitmaps() {
    SaveRedKeyed("MODUL", 425, 325, Module);
    SaveRedKeyed("FRONT", 325, 423, FrontUnit);
    SaveRedKeyed("BASE_MV", 325, 248, BaseUnit);
    SaveRedKeyed("KL_021", 424, 89, [](QPainter& p) { BaseTerminals(p, 24); });
    SaveRedKeyed("KL_025", 424, 89, [](QPainter& p) { BaseTerminals(p, 20); });
    SaveRedKeyed("KL_026", 424, 89, [](QPainter& p) { BaseTerminals(p, 16); });
    SaveRedKeyed("PURGON_MV", 268, 289, PurgonCabinet);
    SaveRedKeyed("PURGON_1FLASCHE", 268, 211, [](QPainter& p) { PurgonBottles(p, 1); });
    SaveRedKeyed("PURGON_3FLASCHEN", 268, 211, [](QPainter& p) { PurgonBottles(p, 3); });
    SaveRedKeyed("PUR_SCH_MV", 105, 44, [](QPainter& p) { PurgonPlate(p, "PURGON", kBlue, false); });
    SaveRedKeyed("LAV_SCH_MV", 105, 44, [](QPainter& p) { PurgonPlate(p, "LAVANO", kBlue, false); });
    SaveRedKeyed("PUR_SCH1_BV", 105, 44, [](QPainter& p) { PurgonPlate(p, "PURGON", kOrange, false); });
    SaveRedKeyed("PUR_SCH2_BV", 38, 180, [](QPainter& p) { PurgonPlate(p, "BREVON", kOrange, true); });

    for (const Brand& brand : kBrands) {
        const QString prefix = brand.prefix;
        SaveRedKeyed(prefix + "_FRONT", 174, 24, [&](QPainter& p) { FrontLabel(p, brand); });
        SaveRedKeyed(prefix + "_TASTEN", 174, 164, [&](QPainter& p) { Keypad(p, brand); });
        SaveRedKeyed(brand.name, 186, 21, [&](QPainter& p) { Logo(p, brand); });
        SaveRedKeyed(prefix + "_NEX", 186, 68, [&](QPainter& p) { ApprovalLabel(p, brand, false); });
    }
    SaveRedKeyed("BARCODE", 158, 128, [](QPainter& p) { BarCode(p, false); });
    SaveRedKeyed("BARCODEX", 158, 128, [](QPainter& p) { BarCode(p, true); });

    for (const char* name : {"TYP_032", "TYP_035", "TYP_110", "TYP_110M", "TYP_041", "TYP_051", "TYP_051M",
                             "TYP_062", "TYP_062M", "TYP_065", "TYP_065M", "TYP_130", "TYP_071", "TYP_081",
                             "TYP_081M", "TYP_085", "TYP_085M", "TYP_121", "TYP_140", "TYP_141", "TYP_160",
                             "TYP_170", "SL_TYP_032", "SL_TYP_041"})
        SaveRedKeyed(name, 186, 37, TypePlate);

    for (const char* name : {"MV_032X", "MV_110X", "MV_041X", "MV_051X", "MV_062X", "MV_071X", "MV_081X", "MV_140X"})
        SaveRedKeyed(name, 186, 68, [](QPainter& p) { ApprovalLabel(p, kBrands[0], true); });
    SaveRedKeyed("MV_EXMOD", 344, 128, [](QPainter& p) { ExModuleLabel(p, kBrands[0]); });
    SaveRedKeyed("MV_EX160", 344, 128, [](QPainter& p) { ExModuleLabel(p, kBrands[0]); });
    SaveRedKeyed("BV_EXMOD", 344, 128, [](QPainter& p) { ExModuleLabel(p, kBrands[1]); });

    for (const char* name : {"KL_031", "KL_032", "KL_033", "KL_035", "KL_110", "KL_110M", "KL_041", "KL_051",
                             "KL_061", "KL_062", "KL_065", "KL_130", "KL_071", "KL_081", "KL_085", "KL_121",
                             "KL_140", "KL_140M", "KL_141", "KL_141M", "KL_160_M", "KL_160_MI", "KL_170"})
        SaveRedKeyed(name, 344, 53, [](QPainter& p) { TerminalBlock(p); });
    for (const char* channel : {"FU", "OV1", "OV2", "PUR"})
        SaveRedKeyed(QString("KL_140_") + channel, 344, 53, [&](QPainter& p) { TerminalBlock(p, channel); });
    SaveRedKeyed("KL_140_DONOT", 89, 53, DoNotConnect);

    SaveRedKeyed("KLEMME_GN", 18, 32, [](QPainter& p) { Terminal(p, kTerminalGreen); });
    SaveRedKeyed("KLEMME_GR", 18, 32, [](QPainter& p) { Terminal(p, kTerminalGrey); });
    SaveRedKeyed("SHIELD", 169, 43, Shield);
    SaveRedKeyed("O_0", 14, 14, [](QPainter& p) { NumberGlyph(p, 0, false); });
    for (int n = 1; n <= 19; ++n) {
        SaveRedKeyed(QString("M_%1").arg(n), 14, 14, [n](QPainter& p) { NumberGlyph(p, n, true); });
        SaveRedKeyed(QString("O_%1").arg(n), 14, 14, [n](QPainter& p) { NumberGlyph(p, n, false); });
    }
}

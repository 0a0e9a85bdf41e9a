#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QRegularExpression>

#include "core/terminal_plan/terminal_plan.h"
#include "core/workspace.h"
#include "gui/common/image_lists.h"
#include "gui/page/picture_row.h"
#include "gui/terminal_plan/terminal_plan_image.h"

namespace tessalin::gui {
namespace {

// The size each picture of the terminal plan has, by its name.
QSize ExpectedSize(const QString& name) {
    struct Rule {
        const char* pattern;
        QSize size;
    };
    const Rule rules[] = {
        {"^MODUL$", {425, 325}},
        {"^FRONT$", {325, 423}},
        {"^BASE_MV$", {325, 248}},
        {"^PURGON_MV$", {268, 289}},
        {"^PURGON_(1FLASCHE|3FLASCHEN)$", {268, 211}},
        {"^(PUR_SCH_MV|LAV_SCH_MV|PUR_SCH1_BV)$", {105, 44}},
        {"^PUR_SCH2_BV$", {38, 180}},
        {"^(MV|BV|SL)_FRONT$", {174, 24}},
        {"^(MV|BV|SL)_TASTEN$", {174, 164}},
        {"^(MORVANE|BREVON|SOLLANE)$", {186, 21}},
        {"^BARCODEX?$", {158, 128}},
        {"^(SL_)?TYP_", {186, 37}},
        {"^(MV|BV)_EXMOD$|^MV_EX160$", {344, 128}},
        {"^(MV|BV|SL)_(NEX|\\d+X)$", {186, 68}},
        {"^KL_0(21|25|26)$", {424, 89}},
        {"^KL_140_DONOT$", {89, 53}},
        {"^KL_", {344, 53}},
        {"^KLEMME_(GN|GR)$", {18, 32}},
        {"^SHIELD$", {169, 43}},
        {"^(M|O)_\\d+$", {14, 14}},
    };
    for (const Rule& rule : rules)
        if (QRegularExpression(rule.pattern).match(name).hasMatch()) return rule.size;
    return {};
}

TEST(TerminalPlanPictures, EveryNameExistsWithItsSizeAndRedAsItsTransparentColour) {
    for (const std::string& name : TerminalPlanBitmapNames()) {
        const QString qname = QString::fromStdString(name);
        const QImage image = RedKeyedBitmap(qname, 1.0);
        ASSERT_FALSE(image.isNull()) << name;
        const QSize expected = ExpectedSize(qname);
        ASSERT_TRUE(expected.isValid()) << "no size known for " << name;
        EXPECT_EQ(image.size(), expected) << name;
        // For screens of two pixels a point the same picture is drawn twice as large, not blown up.
        const QImage sharp = RedKeyedBitmap(qname, 2.0);
        EXPECT_EQ(sharp.size(), expected * 2) << name;
        EXPECT_EQ(sharp.deviceIndependentSize().toSize(), expected) << name;
    }
    // The housing's corners are transparent, its middle is not.
    const QImage module = RedKeyedBitmap("MODUL", 1.0);
    EXPECT_EQ(qAlpha(module.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(module.pixel(200, 200)), 255);
}

TEST(TerminalPlanPictures, ThePlanShowsTheBitmapsAtTheirPlacesOnTheButtonFace) {
    ResetWorkspace();
    TIdInfo_h& slot = Ws().Device.Slot[0];
    slot.Code = 12;
    slot.SerialNo = 1234567;
    const QImage plan = TerminalPlanImage(12 * 256 + 1);
    ASSERT_EQ(plan.size(), QSize(kPlanWidth, kPlanHeight));
    EXPECT_EQ(plan.pixel(499, 599) & 0xFFFFFF, kPlanBackground);  // nothing drawn there
    // The type plate's bottom right corner, at (41, 100) + (180, 32), away from the texts drawn on it.
    EXPECT_EQ(plan.pixel(41 + 180, 100 + 32), RedKeyedBitmap("TYP_032", 1.0).pixel(180, 32));
}

// A position without a terminal shows its number as the type plate shows its texts, dark on paper: no
// pixel of the figure is lost to the transparent red, at one and at two pixels a point. The PHS module's
// plan, with its unused positions, is left in the temporary folder to be looked at.
TEST(TerminalPlanPictures, NumbersWithoutATerminalAreWholeFigures) {
    for (const qreal ratio : {1.0, 2.0}) {
        for (int n = 0; n <= 19; ++n) {
            const QImage glyph = RedKeyedBitmap(QString("O_%1").arg(n), ratio);
            ASSERT_FALSE(glyph.isNull()) << n;
            int dark = 0;
            for (int y = 0; y < glyph.height(); ++y)
                for (int x = 0; x < glyph.width(); ++x) {
                    ASSERT_EQ(qAlpha(glyph.pixel(x, y)), 255) << "O_" << n << " at " << x << "," << y;
                    dark += qGray(glyph.pixel(x, y)) < 128;
                }
            EXPECT_GT(dark, 6 * ratio * ratio) << n;
        }
        ResetWorkspace();
        Ws().Device.Slot[0].Code = 20;
        Ws().Device.Slot[0].SerialNo = 1234567;
        QImage plan(QSize(kPlanWidth, kPlanHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
        plan.setDevicePixelRatio(ratio);
        QPainter painter(&plan);
        PicturePainter canvas(painter, QSize(kPlanWidth, kPlanHeight));
        DrawTerminalPlan(20 * 256 + 1, canvas);
        painter.end();
        EXPECT_TRUE(plan.save(QDir::temp().filePath(QString("terminal_plan_phs_%1x.png").arg(ratio))));
    }
}

}  // namespace
}  // namespace tessalin::gui

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/terminal_plan/terminal_plan.h"
#include "core/workspace.h"
#include "gui/common/image_lists.h"
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
        const QImage image = RedKeyedBitmap(qname);
        ASSERT_FALSE(image.isNull()) << name;
        const QSize expected = ExpectedSize(qname);
        ASSERT_TRUE(expected.isValid()) << "no size known for " << name;
        EXPECT_EQ(image.size(), expected) << name;
    }
    // The housing's corners are transparent, its middle is not.
    const QImage module = RedKeyedBitmap("MODUL");
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
    EXPECT_EQ(plan.pixel(41 + 180, 100 + 32), RedKeyedBitmap("TYP_032").pixel(180, 32));
}

}  // namespace
}  // namespace tessalin::gui

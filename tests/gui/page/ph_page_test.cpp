// Pages of a pH module with factory defaults, as the user sees them.
#include <QComboBox>
#include <QFrame>

#include "core/common/sections.h"
#include "core/families/default_records.h"
#include "core/families/ph/ph.h"
#include "gui/page/fixed_text_edit.h"
#include "gui/page/number_edit.h"
#include "page_fixture.h"

namespace tessalin::gui::test {
namespace {

constexpr int kCalibrationData = 0;  // MenuPH entries
constexpr int kGlassMonitoring = 17;
constexpr int kToleranceBand = 32;

class PhPageTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        TDevice& device = Ws().Device;
        device.Origin = kOriginFile;
        device.Front.Code = 2;
        device.Front.SwMajor = '9';
        device.Front.SwMinor = '0';
        device.Base.Code = 1;
        device.Slot[0].Code = 4;
        device.Slot[0].SlotMask = 1;
        for (Section section : {Section::PH_SET, Section::PH_FIX})
            for (long long above : {0LL, kSetB})
                Ws().ParImage.writeBytes(ParamOffset(At(section, 0), 0, false) + above, DefaultRecord(section));
        Ws().DeviceLanguage = 1;
        Ws().UiLanguage = 1;
    }

    void OpenPh(int index, const std::string& title) {
        const TMenuEntry& entry = MenuPH[index];
        Ws().CurrentPage = TTabPtrRec{4, 0, kPosSlot1, &entry, entry.params, entry.lastParam, title};
        Ws().PageRebuildRequest = true;
        Tick();
    }
};

TEST_F(PhPageTest, CalibrationDataShowsTextsASeparatorAndNumbersWithUnits) {
    OpenPh(kCalibrationData, "<font color=\"#00a000\">Calibration data</font>");
    EXPECT_EQ(HeaderTitle(frame_), "Calibration data");
    auto* model = Find<FixedTextEdit>(RowTag(0));
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->maxLength(), 10);
    EXPECT_EQ(Find<QLabel>(RowTag(0), role::kCharSetLabel)->text(), QString::fromUtf8("0..9a..zA..Z_-,.\u00B7"));
    const QList<QFrame*> frames = panel()->findChildren<QFrame*>(role::kHeadingFrame, Qt::FindDirectChildrenOnly);
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0]->height(), 3);
    auto* zero = Find<NumberEdit>(RowTag(3));
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->text(), "7.00");
    EXPECT_EQ(Find<QLabel>(RowTag(3) | kUnitTagBit, role::kUnitLabel)->text(), "pH");
    EXPECT_EQ(Find<QLabel>(RowTag(4), role::kNameLabel)->text(), "Slope");
    SaveScreenshot("ph_calibration_data");
}

TEST_F(PhPageTest, AutomaticMonitoringShowsTheLimitsDisabled) {
    OpenPh(kGlassMonitoring, "Glass el.");
    auto* monitoring = Find<QComboBox>(RowTag(0));
    ASSERT_NE(monitoring, nullptr);
    EXPECT_EQ(monitoring->currentText(), "Auto");
    for (int row : {2, 3}) {
        ASSERT_NE(Find<NumberEdit>(RowTag(row)), nullptr) << row;
        EXPECT_FALSE(Find<NumberEdit>(RowTag(row))->isEnabled()) << row;
        EXPECT_EQ(Find<QLabel>(RowTag(row) | kUnitTagBit)->text(), QString::fromUtf8("MOhm"));
    }
    SaveScreenshot("ph_glass_monitoring_auto");

    // Individual monitoring makes them editable at once.
    QTest::keyClick(monitoring, Qt::Key_Down);
    EXPECT_EQ(monitoring->currentText(), "Individual");
    EXPECT_TRUE(Find<NumberEdit>(RowTag(2))->isEnabled());
    EXPECT_TRUE(Find<NumberEdit>(RowTag(3))->isEnabled());
    SaveScreenshot("ph_glass_monitoring_individual");
}

TEST_F(PhPageTest, AHeadingOfTwoLinesFramesBothAboveTheRows) {
    OpenPh(kToleranceBand, "Cal tolerance band");
    auto* heading = Find<QLabel>(RowTag(0), role::kHeadingLabel);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), "Calibration data taken over when\r\n" + heading->text().section("\r\n", 1));
    EXPECT_TRUE(heading->font().bold());
    auto* frame = panel()->findChild<QFrame*>(role::kHeadingFrame, Qt::FindDirectChildrenOnly);
    ASSERT_NE(frame, nullptr);
    EXPECT_GE(frame->geometry().bottom(), heading->geometry().bottom());
    EXPECT_EQ(Find<QLabel>(RowTag(1), role::kNameLabel)->y(), frame->y() + frame->height() + 8 + 4);
    SaveScreenshot("ph_tolerance_band");
}

}  // namespace
}  // namespace tessalin::gui::test

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "core/catalogue/formatters.h"
#include "core/catalogue/number_text.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

TEST(NumberText, FormatsFixedAndGeneral) {
    EXPECT_EQ(FormatFixed(2.5, 0), "3");  // half away from zero, as the device shows it
    EXPECT_EQ(FormatFixed(-0.04, 1), "0.0");
    EXPECT_EQ(FormatFixed(12.345, 2, ','), "12,35");
    EXPECT_EQ(FormatGeneral(50, 4, 3), "50");
    EXPECT_EQ(FormatGeneral(0.4, 4, 3), "0.4");
    EXPECT_EQ(FormatGeneral(9.9991, 4, 3, ','), "9,999");
    EXPECT_EQ(FormatGeneral(123456, 4, 1), "1.235E+05");
    EXPECT_EQ(FormatGeneral(0.0001, 4, 3), "0");
}

// Shown numbers are converted without printf, and must keep printf's digits: exact halves of the binary
// value, negative zero, large and tiny values, many places, exponents.
TEST(NumberText, ConversionKeepsPrintfDigits) {
    const double values[] = {0.0,  -0.0,   0.1,        0.125, 0.375,  2.5,    -2.5,  2.675, 1e-7,
                             25.05, -17.25, 123456.789, 1e15,  3.4e38, -1e300, 1e-20, 4503599627370497.0,
                             0.05,  -0.3,   1.1,        0.15,  -7e-3, 999999999999.99, 99999999999999.9};
    for (double value : values) {
        for (int decimals : {0, 1, 2, 3, 6, 12, 15, 17}) {
            char expected[512];
            std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
            EXPECT_EQ(PrintedFixed(value, decimals), expected) << value << " with " << decimals << " places";
        }
    }
    EXPECT_EQ(FormatGeneral(-98765432.0, 3, 2), "-9.88E+07");
    EXPECT_EQ(FormatGeneral(1.5e300, 2, 0), "1.5E+300");
    EXPECT_EQ(FormatFixed(-1e300, 0).size(), 302u);
}

TEST(PracticalSalinity, Pss78) {
    EXPECT_NEAR(PracticalSalinity(42914, 15), 35.0, 1e-4);  // the reference seawater
    EXPECT_NEAR(PracticalSalinity(53065, 25), 35.0, 0.005);  // seawater at 25 °C
    EXPECT_NEAR(PracticalSalinity(21457, 15), 16.286, 1e-3);  // half the reference conductivity
    EXPECT_EQ(PracticalSalinity(0, 20), 0);
    EXPECT_EQ(PracticalSalinity(-5, 20), 0);
    EXPECT_EQ(PracticalSalinity(0.5, 0), 0);  // nearly pure cold water: the formula goes negative
}

TEST(DeviceTime, SecondsSince2000LocalTime) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    // 2000-01-02 00:00 in Berlin (1999-01-01 23:00 UTC) is one day after the device's epoch.
    EXPECT_EQ(DeviceSecondsAt(946767600), 86400);
    // Summer time does not shift the count: 2000-07-01 12:00 local is 10:00 UTC.
    EXPECT_EQ(DeviceSecondsAt(962445600), (182 * 24 + 12) * 3600);
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_GT(DeviceSecondsNow(), 0);
}

TEST(TimeOfDay, HourAndMinuteBytesClampedOnReading) {
    ResetWorkspace();
    Ws().ParImage.setU8(0x7000, 75);
    Ws().ParImage.setU8(0x7001, 30);
    const TimeOfDay t = ReadTimeOfDay(0x7000);
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 59);
    WriteTimeOfDay(0x0150, {7, 45}, true);
    EXPECT_EQ(Ws().ParImage.u8(0x0150), 45);
    EXPECT_EQ(Ws().ParImage.u8(0x0151), 7);
    EXPECT_EQ(Ws().ParImage.u8(0x2151), 7);
    ResetWorkspace();
}

}  // namespace
}  // namespace tessalin

#include "core/families/purgon/time_line.h"

#include <algorithm>

#include "core/catalogue/codec.h"
#include "core/common/texts.h"
#include "core/device/predicates.h"
#include "core/families/purgon/program_block.h"
#include "core/families/purgon/texts.h"
#include "core/range_error.h"

namespace tessalin::purgon {

namespace {

constexpr uint32_t kBackground = 0xFFFFE1;  // light yellow
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kShadow = 0x808080;
constexpr uint32_t kTitleGrey = 0x808080;
constexpr uint32_t kSilver = 0xC0C0C0;
constexpr uint32_t kBlue = 0x0000FF;

constexpr int kAxisY = 116;
constexpr int kMinutesPerDay = 24 * 60;
constexpr int kLastInterval = 240;  // intervals from here on end the repetition

const CanvasFont kLabelFont{"Arial", 10, false};
const CanvasFont kTitleFont{"Arial", 12, true};
const CanvasFont kHourFont{"Arial", 7, false};

bool ValidTime(int hour, int minute) { return hour >= 0 && hour <= 23 && minute >= 0 && minute < 60; }

void Mark(Canvas& canvas, int x, int rowTop) { canvas.Fill(x, rowTop, 2, 7, kBlack); }

void DrawAxis(Canvas& canvas, int x0) {
    canvas.Line(x0, kAxisY, x0 + 193, kAxisY, kBlack);
    for (int h = 0; h <= 24; ++h) {
        const int x = x0 + 8 * h;
        if (h % 6 == 0) canvas.Line(x, 114, x, 120, kBlack);
        else canvas.Line(x, 115, x, 118, kBlack);
    }
    const struct { int dx; const char* text; } hours[] = {
        {-6, "0:00"}, {42, "6:00"}, {85, "12:00"}, {133, "18:00"}, {181, "24:00"}};
    for (const auto& h : hours) canvas.Text(x0 + h.dx, 121, h.text, kHourFont, kBlack);
}

void DrawPoint(Canvas& canvas, int x0, const SwitchingPoint& p) {
    const int rowTop = 115 - 14 * p.program;
    const int startX = TimeLineX(x0, p.startHour, p.startMinute);
    if (p.mode != 2) {
        Mark(canvas, startX, rowTop);
        return;
    }
    const int endX = TimeLineX(x0, p.endHour, p.endMinute);
    if (endX + 1 > startX) canvas.Fill(startX, rowTop + 2, endX + 1 - startX, 2, kBlue);
    const int end = p.endHour * 60 + p.endMinute;
    // An interval of 0 would never reach the end; like one of 240 and more it ends the repetition.
    const bool repeats = p.interval > 0 && p.interval < kLastInterval;
    const int start = p.startHour * 60 + p.startMinute;
    for (int t = start; t < end;) {
        Mark(canvas, t == start ? startX : TimeLineX(x0, t / 60, t % 60), rowTop);
        if (!repeats) break;
        t += p.interval * 6;
        if (t >= kMinutesPerDay) break;
    }
}

}  // namespace

std::array<std::string, 6> TimeLineLabels() {
    std::array<std::string, 6> labels;
    const bool procedure2 = ParamByte(Block(kProcedure)) == 2;
    if (PurgonControl3()) {
        labels[0] = EntryName(procedure2 ? &kTxtMeasure : &kTxtRinse);
        labels[1] = EntryName(&kTxtClean);
        labels[2] = EntryName(&kTxtParking);
    } else {
        labels[0] = EntryName(procedure2 ? &kTxtMeasure : &kTxtClean);
        labels[1] = EntryName(&kTxtCal2Point);
        labels[2] = EntryName(&kTxtCal1Point);
        for (int i = 3; i < 6; ++i) labels[i] = UserProgramName(i + 4);
    }
    return labels;
}

int TimeLineX(int x0, int hour, int minute) {
    if (!ValidTime(hour, minute)) return x0;
    return x0 + ((hour * 60 + minute) * kTimeLineAxisLength + 720) / kMinutesPerDay;
}

void DrawTimeLine(PictureCanvas& canvas, int day) {
    CheckIndex("week-program day", day, kDays);
    const std::array<std::string, 6> labels = TimeLineLabels();
    double widest = 0;
    for (const std::string& label : labels) widest = std::max(widest, canvas.TextWidth(label, kLabelFont));
    const int x0 = static_cast<int>(widest) + 14;
    const int width = x0 + 208;
    canvas.SetSize(width, kTimeLineHeight);

    canvas.Fill(0, 0, width - 1, kTimeLineHeight - 1, kBackground);
    canvas.Rectangle(0, 0, width - 1, kTimeLineHeight - 1, kBlack);
    canvas.Line(width - 1, 1, width - 1, kTimeLineHeight, kShadow);
    canvas.Line(1, kTimeLineHeight - 1, width, kTimeLineHeight - 1, kShadow);
    canvas.Text(6, 4, EntryName(&kTxtDay[day]), kTitleFont, kTitleGrey);

    DrawAxis(canvas, x0);
    for (int i = 1; i <= 6; ++i) {
        const std::string& label = labels[i - 1];
        canvas.Text(x0 - 8 - canvas.TextWidth(label, kLabelFont), 96 - 14 * (i - 1), label, kLabelFont, kBlack);
        canvas.Line(x0, 103 - 14 * (i - 1), x0 + 193, 103 - 14 * (i - 1), kSilver);
    }
    for (int n = 1; n <= kPointsPerDay; ++n) {
        const SwitchingPoint p = ReadPoint(day, n);
        if (p.program == 0 || p.program > 6) break;
        DrawPoint(canvas, x0, p);
    }
}

}  // namespace tessalin::purgon

#include "core/families/purgon/program_block.h"

#include <algorithm>
#include <cstdio>

#include "core/catalogue/charsets.h"
#include "core/catalogue/codec.h"
#include "core/common/texts.h"
#include "core/device/predicates.h"
#include "core/families/purgon/texts.h"
#include "core/range_error.h"

namespace tessalin::purgon {

namespace {

long long BlockAt(uint16_t offset) { return ParamOffsetSetA(Block(offset)); }
uint8_t BlockByte(uint16_t offset) { return ReadU8(BlockAt(offset)); }

void CheckDay(int day) { CheckIndex("week-program day", day, kDays); }
void CheckPoint(int point) { CheckIndex("switching point", point - 1, kPointsPerDay); }
void CheckProgram(int program) { CheckIndex("program", program - 1, kPrograms); }
void CheckStep(int step) { CheckIndex("program step", step - 1, kStepsPerProgram); }

// ---- the step function table --------------------------------------------------------------------

bool Procedure2() { return BlockByte(kProcedure) == 2; }
bool ServiceOpen() { return OpenProgram() == kServiceProgram; }
bool NotServiceOpen() { return !ServiceOpen(); }
bool Port3Is2() { return BlockByte(kMediaPort3) == 2; }
bool Port3Is3() { return BlockByte(kMediaPort3) == 3; }
bool CalBufferStep() { return !PurgonControl3() && !ServiceOpen(); }

constexpr int kNoMedium = -1;

const StepFunction kStepFunctions[] = {
    {0, Always, &kTxtProgramEnd, kNoMedium, 0x00},
    {1, Always, &kTxtProbeInService, kNoMedium, 0x80},
    {2, Always, &kTxtProbeInMeasure, kNoMedium, 0xC0},
    {3, Always, &kTxtRinseWaterStep, kNoMedium, 0xAA},
    {4, Always, &kTxtRinseWaterStep, kNoMedium, 0xAC},
    {7, Procedure2, &kTxtMeasDuration, kNoMedium, 0x20},
    {8, Always, &kTxtWaitDuration, kNoMedium, 0x20},
    {9, ServiceOpen, &kTxtWaitPosition, kNoMedium, 0x00},
    {32, NotServiceOpen, &kTxtWaitPosition, kNoMedium, 0x00},
    {10, PurgonControlOn, &kTxtGotoLine, kNoMedium, 0x10},
    {142, PurgonControlOn, nullptr, 0, 0xC9},
    {143, PurgonControlOn, nullptr, 1, 0xC9},
    {144, Port3Is2, nullptr, 2, 0xC9},
    {149, Port3Is3, nullptr, 2, 0x2B},
    {150, Port3Is3, nullptr, 2, 0x4D},
    {151, CalBufferStep, &kTxtCalBuffer1Step, kNoMedium, 0x00},
    {152, CalBufferStep, &kTxtCalBuffer2Step, kNoMedium, 0x00},
    {217, Always, nullptr, 3, 0xAB},
    {218, Always, nullptr, 3, 0xCD},
    {219, Always, nullptr, 4, 0xAB},
    {220, Always, nullptr, 4, 0xCD},
    {159, NotServiceOpen, &kTxtOrpCheck, kNoMedium, 0x00},
    {63, Always, &kTxtEmptyStep, kNoMedium, 0x00},
};

constexpr int kMediumCharSet = 6;

// A medium name as the step editor's list and the step labels show it: bytes outside the name field's
// character set are shown as blanks. With `mend` (the step editor's list, opened by the user) they are
// stored back as "." so that the device shows the name as it is listed there; a label only reads.
std::string MediumName(int medium, bool mend) {
    const long long at = BlockAt(kMediumName[medium]);
    const std::string_view allowed = CharSetTable()[kMediumCharSet].chars;
    std::array<uint8_t, kNameLength> shown{};
    for (int i = 0; i < kNameLength; ++i) {
        const uint8_t byte = ReadU8(at + i);
        if (byte == 0) break;
        shown[i] = byte;
        if (allowed.find(static_cast<char>(byte)) == std::string_view::npos) {
            if (mend) WriteU8(at + i, '.');
            shown[i] = ' ';
        }
    }
    return DisplayText(shown);
}

std::string FunctionName(const StepFunction& function, bool mend) {
    std::string name = function.name != nullptr ? EntryName(function.name) : MediumName(function.medium, mend);
    if (function.flags & kSfOn) name += EntryName(&kTxtSuffixOn);
    if (function.flags & kSfOff) name += EntryName(&kTxtSuffixOff);
    return name;
}

}  // namespace

// ---- switching points ----------------------------------------------------------------------------------

SwitchingPoint ReadPoint(int day, int point) {
    CheckDay(day);
    CheckPoint(point);
    const uint16_t at = PointOffset(day, point);
    SwitchingPoint p;
    p.program = BlockByte(at);
    p.mode = BlockByte(at + 1);
    p.startMinute = BlockByte(at + 2);
    p.startHour = BlockByte(at + 3);
    p.endMinute = BlockByte(at + 4);
    p.endHour = BlockByte(at + 5);
    p.interval = ReadU16(BlockAt(at + 6));
    return p;
}

void KeepOfferedMode(int day, int point) {
    const int mode = ReadPoint(day, point).mode;
    if (mode != kModeOnce && mode != kModeInterval) WriteU8(BlockAt(PointOffset(day, point) + 1), kModeOnce);
}

void ClearPointsAfter(int day, int point) {
    CheckDay(day);
    CheckPoint(point);
    for (int n = point + 1; n <= kPointsPerDay; ++n) WriteU8(BlockAt(PointOffset(day, n)), 0);
}

void LoadPointIntoWork(int day, int point) {
    CheckDay(day);
    CheckPoint(point);
    for (int i = 1; i < 8; ++i) WriteU8(kWorkPoint + i - 1, BlockByte(PointOffset(day, point) + i));
}

void StorePointFromWork(int day, int point) {
    CheckDay(day);
    CheckPoint(point);
    for (int i = 1; i < 8; ++i) WriteU8(BlockAt(PointOffset(day, point) + i), ReadU8(kWorkPoint + i - 1));
}

void CopyDay(int from, int to) {
    CheckDay(from);
    CheckDay(to);
    std::array<uint8_t, kDayBytes> bytes{};
    ReadBlock(BlockAt(DayOffset(from)), bytes);
    WriteBlock(BlockAt(DayOffset(to)), bytes);
}

// ---- step programs -------------------------------------------------------------------------------------

Steps ReadProgram(int program) {
    CheckProgram(program);
    Steps steps{};
    ReadBlock(BlockAt(ProgramOffset(program)), steps);
    return steps;
}

void WriteProgram(int program, const Steps& steps) {
    CheckProgram(program);
    WriteBlock(BlockAt(ProgramOffset(program)), steps);
}

void InsertStep(Steps& steps, int q) {
    CheckStep(q);
    Steps out = steps;
    for (int n = 1; n <= kStepsPerProgram; ++n) {
        uint8_t* step = &out[kStepBytes * (n - 1)];
        if (step[0] != kStepGoto || step[1] < q) continue;
        if (step[1] == 255) throw RangeError("goto target", step[1] + 1, 256);
        ++step[1];
    }
    std::copy_backward(out.begin() + kStepBytes * (q - 1), out.end() - kStepBytes, out.end());
    const uint8_t empty[kStepBytes] = {kStepEmpty, 0, 0, kMonitoringOff};
    std::copy(std::begin(empty), std::end(empty), out.begin() + kStepBytes * (q - 1));
    steps = out;
}

void DeleteStep(Steps& steps, int q) {
    CheckStep(q);
    Steps out = steps;
    for (int n = 1; n <= kStepsPerProgram; ++n) {
        uint8_t* step = &out[kStepBytes * (n - 1)];
        if (step[0] == kStepGoto && step[1] > q) --step[1];
    }
    std::copy(out.begin() + kStepBytes * q, out.end(), out.begin() + kStepBytes * (q - 1));
    const uint8_t end[kStepBytes] = {kStepEnd, 0, 0, kMonitoringOff};
    std::copy(std::begin(end), std::end(end), out.end() - kStepBytes);
    steps = out;
}

bool HasRoom(const Steps& steps) {
    for (int n = 1; n < kStepsPerProgram; ++n)
        if (steps[kStepBytes * (n - 1)] == kStepEnd) return true;
    return false;
}

int EndLine(const Steps& steps) {
    for (int n = 1; n <= kStepsPerProgram; ++n)
        if (steps[kStepBytes * (n - 1)] == kStepEnd) return n;
    return kStepsPerProgram + 1;
}

int LastGotoTarget(const Steps& steps) { return std::min(EndLine(steps), kStepsPerProgram); }

void LoadProgramIntoWork(int program) {
    const Steps steps = ReadProgram(program);
    WriteBlock(kWorkSteps, steps);
    WriteU8(kWorkProgram, static_cast<uint8_t>(program));
}

Steps WorkSteps() {
    Steps steps{};
    ReadBlock(kWorkSteps, steps);
    return steps;
}

int OpenProgram() { return ReadU8(kWorkProgram); }

void StoreWorkIntoProgram() { WriteProgram(OpenProgram(), WorkSteps()); }

// ---- step functions ------------------------------------------------------------------------------------

const StepFunction* FindStepFunction(int code) {
    for (const StepFunction& f : kStepFunctions)
        if (f.code == code) return &f;
    return nullptr;
}

std::string StepFunctionName(const StepFunction& function) { return FunctionName(function, false); }

std::string StepFunctionList() {
    std::string list;
    for (const StepFunction& f : kStepFunctions) {
        if (!f.available()) continue;
        if (!list.empty()) list += '|';
        list += std::to_string(f.code) + '|' + FunctionName(f, true);
    }
    return list;
}

std::string StepLabel(int number, std::span<const uint8_t, kStepBytes> step) {
    char text[64];
    std::snprintf(text, sizeof text, "%2.2d: ", number);
    std::string label = text;
    const StepFunction* function = FindStepFunction(step[0]);
    if (function == nullptr) return label;
    label += StepFunctionName(*function);
    if (function->flags & (kSfRunTime | kSfExposure)) {
        std::snprintf(text, sizeof text, "   %d s", step[1] | (step[2] << 8));
        label += text;
    }
    if (function->flags & kSfGoto) {
        std::snprintf(text, sizeof text, " %d   %d x", step[1], step[2]);
        label += text;
    }
    if ((function->flags & kSfMonitoring) && step[3] == kMonitoringOn) label += "  Chk";
    return label;
}

// ---- program names -------------------------------------------------------------------------------------

std::string UserProgramName(int program) {
    CheckIndex("user program", program - 7, 3);
    std::array<uint8_t, kNameLength> bytes{};
    ReadBlock(BlockAt(kUserProgramName[program - 7]), bytes);
    return DisplayText(bytes);
}

std::string ProgramNamesList() {
    if (PurgonControl3()) return EntryList(Procedure2() ? &kTxtProgramsType3Short : &kTxtProgramsType3Continuous);
    return EntryList(Procedure2() ? &kTxtProgramsShort : &kTxtProgramsContinuous) + UserProgramName(7) + "|5|" +
           UserProgramName(8) + "|6|" + UserProgramName(9);
}

}  // namespace tessalin::purgon

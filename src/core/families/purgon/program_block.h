#pragma once
// Program block A of the Purgon image: the week program with its switching points, the fixed interval,
// the ten step programs, and the working bytes in the scratch area that the program pages edit. Every
// access goes through the codec with the section PURGON (offsets from the start of block A).

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/catalogue/tables.h"
#include "core/common/sections.h"

namespace tessalin::purgon {

// ---- block A ---------------------------------------------------------------------------------------

inline constexpr uint16_t kBlockValid = 0;        // 2 when the block is valid
inline constexpr uint16_t kTimeControl = 10;      // 1 fixed interval, 2 week program
inline constexpr uint16_t kFixedInterval = 11;    // three rows of program (u8) and interval (u16), 3 apart
inline constexpr uint16_t kControl = 2300;        // 1 on (first type), 2 off, 3 second type
inline constexpr uint16_t kProcedure = 2301;      // 1 continuous, 2 short-time
inline constexpr uint16_t kControlSystem = 2302;  // bit-packed inputs and outputs of a control system
inline constexpr uint16_t kMediaPort3 = 2352;     // use of media adapter port III
inline constexpr uint16_t kMediumName[5] = {2450, 2466, 2482, 2498, 2514};
inline constexpr uint16_t kUserProgramName[3] = {2530, 2546, 2562};  // programs 7, 8, 9
inline constexpr int kNameLength = 16;

inline constexpr int kDays = 7;              // 0 Saturday, 1 Sunday, 2 Monday ... 6 Friday
inline constexpr int kPointsPerDay = 10;
inline constexpr int kDayBytes = 100;
inline constexpr int kPrograms = 10;
inline constexpr int kStepsPerProgram = 30;
inline constexpr int kStepBytes = 4;
inline constexpr int kProgramStepBytes = kStepsPerProgram * kStepBytes;  // 120
inline constexpr int kServiceProgram = 10;

constexpr uint16_t DayOffset(int day) { return static_cast<uint16_t>(100 + kDayBytes * day); }
constexpr uint16_t PointOffset(int day, int point) { return static_cast<uint16_t>(DayOffset(day) + 8 * (point - 1)); }
constexpr uint16_t ProgramOffset(int program) { return static_cast<uint16_t>(800 + 150 * (program - 1)); }
constexpr Location Block(uint16_t offset) { return At(Section::PURGON, offset); }

// The day of a week-program menu entry, whose sub-index counts Monday = 1 .. Sunday = 7.
constexpr int DayOfEntry(int subIndex) { return (subIndex + 1) % kDays; }

// ---- working bytes in the scratch area -----------------------------------------------------------

inline constexpr uint16_t kWorkProgram = 0x7000;    // the program whose step page is open
inline constexpr uint16_t kWorkCopyTarget = 0x7000; // + day: the copy target chosen in that day's row
inline constexpr uint16_t kWorkPoint = 0x7001;      // mode, start, end, interval of the point being edited
inline constexpr uint16_t kWorkStep = 0x7032;       // the step being edited
inline constexpr uint16_t kWorkSteps = 0x7036;      // working copy of the open program's 30 steps
inline constexpr uint8_t kNoCopyTarget = 8;

// ---- switching points ------------------------------------------------------------------------------

struct SwitchingPoint {
    int program = 0;  // 0: no point (end of the day's list); 1..6 a program row of the time line
    int mode = 1;     // 1 start once, 2 start repeatedly from start to end
    int startHour = 0, startMinute = 0;
    int endHour = 0, endMinute = 0;
    int interval = 0;  // tenths of an hour
};

SwitchingPoint ReadPoint(int day, int point);
inline constexpr int kModeOnce = 1;
inline constexpr int kModeInterval = 2;
// A point whose mode is none that the editor offers (a new point holds 0) is made to start once.
void KeepOfferedMode(int day, int point);
// Clears the program byte of every point after `point` of the day.
void ClearPointsAfter(int day, int point);
// Copies the point's bytes 1..7 into the working bytes, and back.
void LoadPointIntoWork(int day, int point);
void StorePointFromWork(int day, int point);
// The 100 bytes of day `from` over day `to`.
void CopyDay(int from, int to);

// ---- step programs ---------------------------------------------------------------------------------

inline constexpr uint8_t kStepEnd = 0;
inline constexpr uint8_t kStepGoto = 10;
inline constexpr uint8_t kStepEmpty = 63;
inline constexpr uint8_t kMonitoringOn = 1;
inline constexpr uint8_t kMonitoringOff = 2;

using Steps = std::array<uint8_t, kProgramStepBytes>;

Steps ReadProgram(int program);
void WriteProgram(int program, const Steps& steps);

// Step q (1..30) moves down one place with the steps after it (step 30 is lost) and becomes an empty step
// with monitoring off; "Goto line" targets at q or later follow. A target that would pass 255 is a
// RangeError and leaves the steps as they were.
void InsertStep(Steps& steps, int q);
// Step q (1..30) is removed and the steps after it move up; step 30 ends the program; "Goto line" targets
// after q follow.
void DeleteStep(Steps& steps, int q);
// Whether the program has room for one more step: one of the steps 1..29 is empty.
bool HasRoom(const Steps& steps);

// The line of the program's end marker, 31 without one: the program's lines are those before it.
int EndLine(const Steps& steps);
// The last line a "Goto line" step of the program may name: its end marker's line, 30 without one.
int LastGotoTarget(const Steps& steps);

// The open program's working copy: loading it makes `program` the open program.
void LoadProgramIntoWork(int program);
Steps WorkSteps();
// Writes the working copy back into the open program.
void StoreWorkIntoProgram();
int OpenProgram();

// ---- step functions --------------------------------------------------------------------------------

enum StepFlag : uint8_t {
    kSfOn = 0x02,         // the name is followed by "On"
    kSfOff = 0x04,        // the name is followed by "Off"
    kSfMonitoring = 0x08,
    kSfGoto = 0x10,       // target line and repeat cycles
    kSfRunTime = 0x20,
    kSfExposure = 0x40,
};

struct StepFunction {
    uint8_t code;
    bool (*available)();
    const TextRecord* name;  // null for a medium name
    int medium;         // index into kMediumName for a medium, -1 otherwise
    uint8_t flags;
};

// The row of the step function table with `code`, or null.
const StepFunction* FindStepFunction(int code);
// The function's name in the device language, with "On"/"Off" as its flags say; only reads.
std::string StepFunctionName(const StepFunction& function);
// "code|name|code|name" of every function whose condition holds for the open program, for the step
// editor: a medium name's bytes outside its character set are stored back as ".".
std::string StepFunctionList();
// "nn: name", then its duration, goto target and cycles, or its monitoring as the flags say.
std::string StepLabel(int number, std::span<const uint8_t, kStepBytes> step);

// ---- program names ---------------------------------------------------------------------------------

// The names of the programs a switching point or a timer can start, as a choice list without prefix.
std::string ProgramNamesList();
// The name field of user program 7, 8 or 9 as shown (device blanks as blanks, trimmed).
std::string UserProgramName(int program);

}  // namespace tessalin::purgon

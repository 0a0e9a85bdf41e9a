// Rules of the Purgon program editor: visibility and titles of the menu items, the week program with
// its time lines, copy rows and switching points, and the step programs with their buttons and editor.

#include "core/families/purgon/handlers.h"

#include <cstdio>
#include <string>

#include "core/canvas.h"
#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/common/texts.h"
#include "core/device/predicates.h"
#include "core/families/purgon/program_block.h"
#include "core/families/purgon/purgon.h"
#include "core/families/purgon/texts.h"
#include "core/families/purgon/time_line.h"
#include "core/workspace.h"

namespace tessalin::purgon {

namespace {

int Arg() { return Ws().CurrentParam.param != nullptr ? Ws().CurrentParam.param->arg : 0; }
int BlockValue(uint16_t offset) { return ParamByte(Block(offset)); }
bool Procedure2() { return BlockValue(kProcedure) == 2; }
int TimeControl() { return BlockValue(kTimeControl); }

bool Menu(int event, TEvParRec& rec, bool visible) {
    return event == kEvMenuVisible ? visible : DefaultHandler(event, rec);
}
bool Title(TEvParRec& rec, const TextRecord& texts) {
    rec.text = EntryName(&texts);
    return true;
}

// ---- buttons --------------------------------------------------------------------------------------

enum StepButton : int { kEditButton = 1, kInsertButton = 2, kDeleteButton = 3 };

bool Picture(TEvParRec& rec, const char* name) {
    rec.text = name;
    return true;
}

// ---- week program ---------------------------------------------------------------------------------

int PointDay() { return Arg() / 16; }
int PointNumber() { return Arg() % 16; }

std::string Clock(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, " %2.2d:%2.2d", hour, minute);
    return text;
}

std::string PointLabel(const SwitchingPoint& p) {
    if (p.mode != 2) return EntryName(&kTxtTimeOfStart) + Clock(p.startHour, p.startMinute);
    char interval[24];
    std::snprintf(interval, sizeof interval, " %3.1f h", p.interval / 10.0);
    return EntryName(&kTxtStart) + Clock(p.startHour, p.startMinute) + "   " + EntryName(&kTxtEnd) +
           Clock(p.endHour, p.endMinute) + "   Int." + interval;
}

// Monday .. Sunday as the block numbers its days.
constexpr int kWeekOrder[kDays] = {2, 3, 4, 5, 6, 0, 1};

std::string CopyTargets(int day) {
    std::string list = "8|(x)";
    for (int d : kWeekOrder)
        if (d != day) list += "|" + std::to_string(d) + "|" + EntryName(&kTxtDay[d]);
    return list;
}

// ---- steps ----------------------------------------------------------------------------------------

std::span<const uint8_t, kStepBytes> StepOf(const Steps& steps, int n) {
    return std::span<const uint8_t, kStepBytes>(steps.data() + kStepBytes * (n - 1), kStepBytes);
}

bool InsertAllowed(const Steps& steps, int n) { return n < kStepsPerProgram && HasRoom(steps); }

// Applies a change to the open program's working copy and writes it back into the program.
template <typename Change>
void ChangeSteps(Change change) {
    Steps steps = WorkSteps();
    change(steps);
    WriteBlock(kWorkSteps, steps);
    StoreWorkIntoProgram();
    Ws().Modified = true;
}

}  // namespace

// ---- menu items -----------------------------------------------------------------------------------

bool MenuController(int event, TEvParRec& rec) {
    if (event == kEvTitle) return Title(rec, SwBefore7() ? kTxtProbe : kTxtProbeControl);
    return Menu(event, rec, true);
}

bool MenuControlOn(int event, TEvParRec& rec) { return Menu(event, rec, PurgonControlOn()); }
bool MenuControl3(int event, TEvParRec& rec) { return Menu(event, rec, PurgonControl3()); }
bool MenuControlled(int event, TEvParRec& rec) { return Menu(event, rec, PurgonControlled()); }

bool MenuProbeSettings(int event, TEvParRec& rec) {
    if (event == kEvTitle) return Title(rec, BrandBrevon() && !OptDolovan() ? kTxtProbeVorlix : kTxtProbe);
    return Menu(event, rec, PurgonControlled());
}

bool MenuFixedInterval(int event, TEvParRec& rec) {
    return Menu(event, rec, PurgonControlled() && TimeControl() == 1);
}

bool MenuWeekProgram(int event, TEvParRec& rec) {
    return Menu(event, rec, PurgonControlled() && TimeControl() == 2);
}

bool MenuProgramEntry(int program, int event, TEvParRec& rec) {
    switch (event) {
        case kEvMenuVisible: {
            if (!PurgonControlled()) return false;
            if (program <= 3) return !Procedure2();
            if (program <= 6) return Procedure2();
            if (program <= 9) return PurgonControlOn();
            return true;
        }
        case kEvPageOpen:
            LoadProgramIntoWork(program);
            return true;
        case kEvTitle: {
            if (PurgonControl3() && program <= 6) {
                static const TextRecord* const kType3[6] = {&kTxtRinse, &kTxtClean,   &kTxtParking,
                                                            &kTxtMeasure, &kTxtClean, &kTxtParking};
                return Title(rec, *kType3[program - 1]);
            }
            if (!PurgonControl3() && program >= 7 && program <= 9) {
                // A user program is titled by its name; a blank name keeps the table title so that the
                // node can still be seen and chosen.
                rec.text = UserProgramName(program);
                if (!rec.text.empty()) return true;
            }
            return Title(rec, kTxtProgram[program - 1]);
        }
        default:
            return DefaultHandler(event, rec);
    }
}

// ---- rows -----------------------------------------------------------------------------------------

bool RowTimerProgram(int event, TEvParRec& rec) {
    if (event != kEvChoiceList) return DefaultHandler(event, rec);
    rec.text = EntryList(&kTxtOffPrefix) + ProgramNamesList();
    return true;
}

bool RowWeekPicture(int event, TEvParRec& rec) {
    if (event != kEvPicture) return DefaultHandler(event, rec);
    if (rec.object != nullptr) DrawTimeLine(*static_cast<PictureCanvas*>(rec.object), Arg());
    return true;
}

bool RowCopyDay(int event, TEvParRec& rec) {
    const int day = Arg();
    switch (event) {
        case kEvRowVisible:
            WriteU8(kWorkCopyTarget + day, kNoCopyTarget);
            return true;
        case kEvChoiceList:
            rec.text = CopyTargets(day);
            return true;
        case kEvButtonCaption:
            return Title(rec, kTxtCopy);
        case kEvButtonPicture:
            return Picture(rec, "KOPIEREN");
        case kEvButtonPressed: {
            const int target = ReadU8(kWorkCopyTarget + day);
            if (target >= kDays) return false;
            CopyDay(day, target);
            Ws().Modified = true;
            return true;
        }
        default:
            return DefaultHandler(event, rec);
    }
}

bool RowPointProgram(int event, TEvParRec& rec) {
    const int day = PointDay(), point = PointNumber();
    switch (event) {
        case kEvRowVisible:
            return point == 1 || ReadPoint(day, point - 1).program != 0;
        case kEvTitle: {
            char number[16];
            std::snprintf(number, sizeof number, "%2.2d: ", point);
            rec.text = number + EntryName(&kTxtPointProgram);
            return true;
        }
        case kEvChoiceList:
            rec.text = EntryList(&kTxtEndPrefix) + ProgramNamesList();
            return true;
        case kEvCommitted:
            if (ReadPoint(day, point).program == 0)
                ClearPointsAfter(day, point);
            else
                KeepOfferedMode(day, point);
            return true;
        default:
            return DefaultHandler(event, rec);
    }
}

bool RowPointButton(int event, TEvParRec& rec) {
    const int day = PointDay(), point = PointNumber();
    switch (event) {
        case kEvRowVisible:
            return ReadPoint(day, point).program != 0;
        case kEvTitle:
            rec.text = PointLabel(ReadPoint(day, point));
            return true;
        case kEvButtonCaption:
            return Title(rec, kTxtEdit);
        case kEvButtonPicture:
            return Picture(rec, "BEARBEITEN");
        case kEvButtonPressed:
            LoadPointIntoWork(day, point);
            return false;
        case kEvButtonSubPage:
            rec.object = const_cast<TMenuEntry*>(&ProbePointEditor);
            return true;
        case kEvSubPageClosed:
            StorePointFromWork(day, point);
            Ws().Modified = true;
            return true;
        default:
            return DefaultHandler(event, rec);
    }
}

bool RowPointField(int event, TEvParRec& rec) {
    if (event != kEvRowVisible) return DefaultHandler(event, rec);
    return Arg() == 0 || ReadU8(kWorkPoint) == Arg();
}

bool RowUserProgramName(int event, TEvParRec& rec) {
    if (event != kEvRowVisible) return DefaultHandler(event, rec);
    return ((Arg() >> 16) & 0xFF) == OpenProgram();
}

bool RowStep(int event, TEvParRec& rec) {
    const int n = Arg();
    switch (event) {
        case kEvRowVisible: {
            const Steps steps = WorkSteps();
            for (int i = 1; i < n; ++i)
                if (steps[kStepBytes * (i - 1)] == kStepEnd) return false;
            return true;
        }
        case kEvTitle:
            rec.text = StepLabel(n, StepOf(WorkSteps(), n));
            return true;
        case kEvButtonCount:
            rec.number = 3;
            return true;
        case kEvButtonPicture:
            return Picture(rec, rec.number == kEditButton ? "BEARBEITEN" : rec.number == kInsertButton ? "EINFUEGEN" : "ENTFERNEN");
        case kEvButtonHint:
            return Title(rec, rec.number == kEditButton ? kTxtEdit : rec.number == kInsertButton ? kTxtInsert : kTxtDelete);
        case kEvButtonEnabled:
            return rec.number != kInsertButton || InsertAllowed(WorkSteps(), n);
        case kEvButtonPressed:
            if (rec.number == kEditButton) {
                for (int i = 0; i < kStepBytes; ++i) WriteU8(kWorkStep + i, ReadU8(kWorkSteps + kStepBytes * (n - 1) + i));
                return false;
            }
            if (rec.number == kInsertButton) {
                if (!InsertAllowed(WorkSteps(), n)) return false;
                ChangeSteps([n](Steps& steps) { InsertStep(steps, n); });
                return true;
            }
            ChangeSteps([n](Steps& steps) { DeleteStep(steps, n); });
            return true;
        case kEvButtonSubPage:
            if (rec.number != kEditButton) return false;
            rec.object = const_cast<TMenuEntry*>(&ProbeStepEditor);
            return true;
        case kEvSubPageClosed:
            ChangeSteps([n](Steps& steps) {
                for (int i = 0; i < kStepBytes; ++i) steps[kStepBytes * (n - 1) + i] = ReadU8(kWorkStep + i);
            });
            return false;
        default:
            return DefaultHandler(event, rec);
    }
}

bool RowGotoLine(int event, TEvParRec& rec) {
    if (event != kEvLimits) return RowStepField(event, rec);
    rec.upper = static_cast<float>(LastGotoTarget(WorkSteps()));
    return true;
}

bool RowStepFunction(int event, TEvParRec& rec) {
    if (event != kEvChoiceList) return DefaultHandler(event, rec);
    rec.text = StepFunctionList();
    return true;
}

bool RowStepField(int event, TEvParRec& rec) {
    if (event != kEvRowVisible) return DefaultHandler(event, rec);
    const StepFunction* function = FindStepFunction(ReadU8(kWorkStep));
    return function != nullptr && (function->flags & Arg()) != 0;
}

}  // namespace tessalin::purgon

// The Purgon controller's programs in program block A: every step holds a function that the step editor
// offers with the fields that editor takes (duration, monitoring), a "Goto line" step lands on a line of its
// program, no step follows the end marker, and a day's switching points have a mode and an interval the
// switching-point editor takes and follow each other in time. Program
// findings are reported at their page's node and row; what the controller should do instead is the
// user's decision. A switching point's time beyond 23:59 is repaired to 23:59, and a point without an
// offered mode is made to start once, both through the day page's switching-point editor.

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "core/check/check_parts.h"
#include "core/common/texts.h"
#include "core/data_set/par_image.h"
#include "core/families/purgon/program_block.h"
#include "core/families/purgon/purgon.h"
#include "core/families/purgon/texts.h"
#include "core/catalogue/codec.h"
#include "core/catalogue/number_text.h"
#include "core/page/page_edit.h"
#include "core/page/row_values.h"
#include "core/page/sub_page.h"
#include "core/settings/page_walk.h"
#include "core/settings/snapshot.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::check {

namespace {

using purgon::kDays;
using purgon::kPointsPerDay;
using purgon::kPrograms;
using purgon::kStepBytes;
using purgon::kStepsPerProgram;

constexpr long long kPresentAt = static_cast<long long>(kPurgonOffset) + 2;
constexpr int kProgramRows = 6;        // the program rows a switching point can start
constexpr int kLongestDuration = 9999;  // seconds of a step, as its editor takes them
constexpr int kLongestInterval = 240;   // tenths of an hour between the starts of a point, as its editor takes them

std::string DayName(int day) { return EntryName(&purgon::kTxtDay[day]); }

std::string Two(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// The menu entries of the days in MenuProbe: Monday .. Friday are entries 4..8, Saturday and Sunday 9, 10;
// program k is entry 11 + k.
const TMenuEntry& DayEntry(int day) { return MenuProbe[day >= 2 ? day + 2 : day + 9]; }
const TMenuEntry& ProgramEntry(int program) { return MenuProbe[11 + program]; }

// The node of a menu entry's page; -1 when the tree does not show it.
int EntryNode(const TMenuEntry& entry) {
    const DeviceTreeState& tree = Ws().Tree;
    for (int node : NodesInOrder()) {
        const TreeNode& n = tree.nodes[static_cast<std::size_t>(node)];
        if (n.level > 0 && n.record >= 0 && tree.records[static_cast<std::size_t>(n.record)].entry == &entry) return node;
    }
    return -1;
}

// The step row of step n on its program page, and the button row of switching point n on its day page.
constexpr int StepRow(int n) { return 2 + n; }
constexpr int PointButtonRow(int n) { return 2 * n - 1; }

// The switching-point editor's rows: 0 the mode, 1 the time of a single start (mode 1), 2 start and 3 end
// (mode 2).
constexpr int kEditorMode = 0, kEditorStartOnce = 1, kEditorStart = 2, kEditorEnd = 3;

// A finding of a program page or a day page: at the node the tree shows for it, with the tree's own
// titles, and at its row; the place by name alone when the tree does not show the page.
Finding Program(const TMenuEntry& entry, const std::string& fallbackPath, int row, std::string label, Severity severity) {
    Finding f = DeviceFinding(FindingKind::Program, fallbackPath, std::move(label), severity);
    const int node = EntryNode(entry);
    if (node >= 0) {
        f.path = NodeTitlePath(node);
        f.node = NodePath(node);
        f.row = row;
    }
    return f;
}

std::string ProgramPath(int program) {
    return Say("Purgon > Programmablauf > Programm ", "Purgon > Program flow > Program ") + std::to_string(program);
}

std::string DayPath(int day) { return Say("Purgon > Wochenprogramm > ", "Purgon > Week program > ") + DayName(day); }

const uint8_t* StepOf(const purgon::Steps& steps, int n) { return &steps[static_cast<std::size_t>(kStepBytes * (n - 1))]; }

// The fields the step editor shows for the step's function, against what the editor takes.
void CheckStepFields(int program, int n, const purgon::StepFunction& function, const uint8_t* step, std::vector<Finding>& out) {
    const auto field = [&](const std::string& name, std::string stored, std::string accepted) {
        Finding f = Program(ProgramEntry(program), ProgramPath(program), StepRow(n),
                            Say("Schritt ", "Step ") + Two(n) + ": " + name, Severity::Refused);
        f.stored = std::move(stored);
        f.accepted = std::move(accepted);
        out.push_back(std::move(f));
    };
    const int duration = step[1] | (step[2] << 8);
    if ((function.flags & (purgon::kSfRunTime | purgon::kSfExposure)) && duration > kLongestDuration)
        field(Say("Dauer", "duration"), std::to_string(duration) + " s", "0 .. " + std::to_string(kLongestDuration) + " s");
    if ((function.flags & purgon::kSfMonitoring) && step[3] != purgon::kMonitoringOn && step[3] != purgon::kMonitoringOff)
        field(EntryName(&purgon::kTxtStepMonitoring), std::to_string(step[3]), Say("1 Ein, 2 Aus", "1 On, 2 Off"));
}

void CheckProgram(int program, std::vector<Finding>& out) {
    const purgon::Steps steps = purgon::ReadProgram(program);
    auto code = [&](int n) { return steps[static_cast<std::size_t>(kStepBytes * (n - 1))]; };
    const int end = purgon::EndLine(steps);
    const int lastLine = purgon::LastGotoTarget(steps);
    const TMenuEntry& entry = ProgramEntry(program);
    // The step editor offers the functions whose condition holds for the open program.
    purgon::LoadProgramIntoWork(program);
    for (int n = 1; n < end; ++n) {
        const purgon::StepFunction* function = purgon::FindStepFunction(code(n));
        if (function == nullptr || !function->available()) {
            Finding f = Program(entry, ProgramPath(program), StepRow(n), Say("Schritt ", "Step ") + Two(n), Severity::Refused);
            f.stored = Say("Funktion ", "function ") + std::to_string(code(n));
            f.accepted = Say("eine Funktion, die der Schritt-Editor anbietet", "a function the step editor offers");
            out.push_back(std::move(f));
            continue;
        }
        CheckStepFields(program, n, *function, StepOf(steps, n), out);
        if (code(n) != purgon::kStepGoto) continue;
        const int target = steps[static_cast<std::size_t>(kStepBytes * (n - 1) + 1)];
        if (target <= lastLine) continue;
        Finding f = Program(entry, ProgramPath(program), StepRow(n), Say("Schritt ", "Step ") + Two(n) + ": Goto", Severity::Refused);
        f.stored = std::to_string(target);
        f.accepted = "0 .. " + std::to_string(lastLine);
        out.push_back(std::move(f));
    }
    for (int n = end + 1; n <= kStepsPerProgram; ++n) {
        if (code(n) == purgon::kStepEnd) continue;
        Finding f = Program(entry, ProgramPath(program), -1, Say("Schritt ", "Step ") + Two(n), Severity::Cosmetic);
        f.stored = Say("Schritt nach dem Programmende (Zeile ", "step after the program end (line ") + std::to_string(end) + ")";
        f.accepted = Say("nichts nach dem Programmende", "nothing after the program end");
        out.push_back(std::move(f));
        break;  // one finding a program: every later step is behind the same end
    }
}

// The image offset of a switching point's byte.
long long PointByte(int day, int n, int offset) {
    return ParamOffsetSetA(purgon::Block(static_cast<uint16_t>(purgon::PointOffset(day, n) + offset)));
}

// A time of switching point n beyond 23:59.
void CheckPointTime(int day, int n, int hour, int minute, int editorRow, std::vector<Finding>& out) {
    if (hour <= 23 && minute <= 59) return;
    Finding f = Program(DayEntry(day), DayPath(day), PointButtonRow(n),
                        Two(n) + (editorRow == kEditorEnd ? Say(": Ende", ": End") : Say(": Start", ": Start")),
                        Severity::Refused);
    f.kind = FindingKind::Time;
    f.stored = Two(hour) + ":" + Two(minute);
    f.accepted = "00:00 .. 23:59";
    f.target.hour = std::min(hour, 23);
    f.target.minute = std::min(minute, 59);
    f.at = PointByte(day, n, editorRow == kEditorEnd ? 4 : 2);
    f.width = 2;
    if (!f.node.empty()) {
        f.repair = Two(f.target.hour) + ":" + Two(f.target.minute);
        f.target.possible = true;
        f.target.editorRow = editorRow;
    }
    out.push_back(std::move(f));
}

// A mode that the switching-point editor does not offer (a point made with mode 0): the analyser knows
// neither when nor how often to start it. The repair starts it once, at its start time.
void CheckPointMode(int day, int n, int mode, std::vector<Finding>& out) {
    if (mode == purgon::kModeOnce || mode == purgon::kModeInterval) return;
    Finding f = Program(DayEntry(day), DayPath(day), PointButtonRow(n), Two(n) + ": " + EntryName(&purgon::kTxtPointMode),
                        Severity::Refused);
    f.kind = FindingKind::ListCode;
    f.stored = std::to_string(mode);
    f.accepted = Say("1 Einzelstart, 2 Intervall", "1 Individual start, 2 Interval");
    f.at = PointByte(day, n, 1);
    f.width = 1;
    if (!f.node.empty()) {
        f.repair = Say("1 Einzelstart", "1 Individual start");
        f.target.possible = true;
        f.target.pointDay = day;
        f.target.pointNumber = n;
    }
    out.push_back(std::move(f));
}

void CheckDay(int day, std::vector<Finding>& out) {
    int previous = -1;
    for (int n = 1; n <= kPointsPerDay; ++n) {
        const purgon::SwitchingPoint point = purgon::ReadPoint(day, n);
        if (point.program == 0 || point.program > kProgramRows) return;
        CheckPointMode(day, n, point.mode, out);
        const bool interval = point.mode == purgon::kModeInterval;
        CheckPointTime(day, n, point.startHour, point.startMinute, interval ? kEditorStart : kEditorStartOnce, out);
        if (interval) CheckPointTime(day, n, point.endHour, point.endMinute, kEditorEnd, out);
        if (interval && point.interval > kLongestInterval) {
            Finding f = Program(DayEntry(day), DayPath(day), PointButtonRow(n), Two(n) + ": " + EntryName(&purgon::kTxtIntervalTime),
                                Severity::Refused);
            f.stored = FormatFixed(point.interval / 10.0, 1) + " h";
            f.accepted = "0.0 .. " + FormatFixed(kLongestInterval / 10.0, 1) + " h";
            out.push_back(std::move(f));
        }
        const int start = point.startHour * 60 + point.startMinute;
        if (start < previous) {
            Finding f = Program(DayEntry(day), DayPath(day), PointButtonRow(n), Two(n) + Say(": Programm", ": Program"),
                                Severity::ShownOtherwise);
            f.stored = Two(point.startHour) + ":" + Two(point.startMinute);
            f.accepted = Say("nicht vor ", "not before ") + Two(previous / 60) + ":" + Two(previous % 60);
            out.push_back(std::move(f));
        }
        previous = std::max(previous, start);
    }
}

// Opens the switching-point editor of the finding's point from its day page, as its button does; the
// editor is closed with OK after `edit` when that returns true, else cancelled.
template <typename Edit>
bool EditPoint(const Finding& f, Edit edit) {
    const int node = NodeAtPath(f.node);
    if (node < 0 || NodeTitlePath(node) != f.path) return false;
    DeviceTreeChange(node);
    PageModel page = BuildFormpage();
    const ButtonOutcome pressed = PressButton(page, f.row, 1, false);
    if (pressed.subPage != &ProbePointEditor) return false;
    SubPageSession session(*pressed.subPage, f.row);
    PageModel editor = session.build();
    const bool stored = edit(editor);
    session.close(stored, page);
    return stored;
}

}  // namespace

bool RepairSwitchingPointMode(const Finding& f) {
    return EditPoint(f, [](PageModel& editor) {
        PageRow* row = editor.find(kEditorMode);
        if (row == nullptr) return false;
        for (std::size_t i = 0; i < row->items.size(); ++i)
            if (row->items[i].code == purgon::kModeOnce) {
                // The list shows nothing for the stored 0: choosing "Individual start" is the change it is.
                row->selected = -1;
                CommitChoice(editor, kEditorMode, static_cast<int>(i));
                return true;
            }
        return false;
    });
}

bool RepairSwitchingPointTime(const Finding& f) {
    return EditPoint(f, [&](PageModel& editor) {
        // The editor shows a stored 25:70 as 23:59, and leaving a time as shown stores nothing: the row is
        // told the time it holds, so that entering 23:59 is the change it is.
        PageRow* row = editor.find(f.target.editorRow);
        if (row == nullptr || MakeRowCurrent(f.target.editorRow) == nullptr) return false;
        const long long at = CurrentValueOffset();
        row->minute = ReadU8(at);
        row->hour = ReadU8(at + 1);
        return CommitTime(editor, f.target.editorRow, f.target.hour, f.target.minute).stored;
    });
}

void CheckPurgonPrograms(std::vector<Finding>& out) {
    if (Ws().ParImage.u8(kPresentAt) == 0 || Ws().Device.Purgon.TypeCode == 0) return;
    const PageContextKeeper keeper;  // the working bytes of the program pages
    for (int program = 1; program <= kPrograms; ++program) CheckProgram(program, out);
    for (int day = 0; day < kDays; ++day) CheckDay(day, out);
}

}  // namespace tessalin::check

// The Purgon controller's programs in program block A: a "Goto line" step must land on a line of its
// program, no step follows the end marker, and a day's switching points follow each other in time. These
// are reported; what the controller should do instead is the user's decision. A switching point's time
// beyond 23:59 is repaired to 23:59 through the day page's switching-point editor.

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
#include "core/page/page_edit.h"
#include "core/page/row_values.h"
#include "core/page/sub_page.h"
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
constexpr int kProgramRows = 6;  // the program rows a switching point can start

std::string DayName(int day) { return EntryName(&purgon::kTxtDay[day]); }

std::string Two(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// The menu entries of the days in MenuProbe: Monday .. Friday are entries 4..8, Saturday and Sunday 9, 10.
const TMenuEntry& DayEntry(int day) { return MenuProbe[day >= 2 ? day + 2 : day + 9]; }

// The node of a day's page; -1 when the tree does not show it (no week program).
int DayNode(int day) {
    const DeviceTreeState& tree = Ws().Tree;
    for (int node : NodesInOrder()) {
        const TreeNode& n = tree.nodes[static_cast<std::size_t>(node)];
        if (n.level > 0 && n.record >= 0 && tree.records[static_cast<std::size_t>(n.record)].entry == &DayEntry(day))
            return node;
    }
    return -1;
}

// The switching-point editor's rows: 1 the time of a single start (mode 1), 2 start and 3 end (mode 2).
constexpr int kEditorStartOnce = 1, kEditorStart = 2, kEditorEnd = 3;

Finding Program(std::string path, std::string label, Severity severity) {
    return DeviceFinding(FindingKind::Program, std::move(path), std::move(label), severity);
}

void CheckProgram(int program, std::vector<Finding>& out) {
    const purgon::Steps steps = purgon::ReadProgram(program);
    auto code = [&](int n) { return steps[static_cast<std::size_t>(kStepBytes * (n - 1))]; };
    const int end = purgon::EndLine(steps);
    const int lastLine = purgon::LastGotoTarget(steps);
    const std::string path = Say("Purgon > Programmablauf > Programm ", "Purgon > Program flow > Program ") + std::to_string(program);
    for (int n = 1; n < end; ++n) {
        if (code(n) != purgon::kStepGoto) continue;
        const int target = steps[static_cast<std::size_t>(kStepBytes * (n - 1) + 1)];
        if (target <= lastLine) continue;
        Finding f = Program(path, Say("Schritt ", "Step ") + Two(n) + ": Goto", Severity::Refused);
        f.stored = std::to_string(target);
        f.accepted = "0 .. " + std::to_string(lastLine);
        out.push_back(std::move(f));
    }
    for (int n = end + 1; n <= kStepsPerProgram; ++n) {
        if (code(n) == purgon::kStepEnd) continue;
        Finding f = Program(path, Say("Schritt ", "Step ") + Two(n), Severity::Cosmetic);
        f.stored = Say("Schritt nach dem Programmende (Zeile ", "step after the program end (line ") + std::to_string(end) + ")";
        f.accepted = Say("nichts nach dem Programmende", "nothing after the program end");
        out.push_back(std::move(f));
        break;  // one finding a program: every later step is behind the same end
    }
}

// A time of switching point n beyond 23:59.
void CheckPointTime(int day, int n, int hour, int minute, int editorRow, std::vector<Finding>& out) {
    if (hour <= 23 && minute <= 59) return;
    const int node = DayNode(day);
    Finding f = Program(Say("Purgon > Wochenprogramm > ", "Purgon > Week program > ") + DayName(day),
                        Two(n) + (editorRow == kEditorEnd ? Say(": Ende", ": End") : Say(": Start", ": Start")),
                        Severity::Refused);
    f.kind = FindingKind::Time;
    f.stored = Two(hour) + ":" + Two(minute);
    f.accepted = "00:00 .. 23:59";
    f.target.hour = std::min(hour, 23);
    f.target.minute = std::min(minute, 59);
    if (node >= 0) {
        f.path = NodeTitlePath(node);
        f.node = NodePath(node);
        f.row = 2 * n - 1;  // the point's button row
        f.repair = Two(f.target.hour) + ":" + Two(f.target.minute);
        f.target.possible = true;
        f.target.editorRow = editorRow;
    }
    out.push_back(std::move(f));
}

void CheckDay(int day, std::vector<Finding>& out) {
    int previous = -1;
    for (int n = 1; n <= kPointsPerDay; ++n) {
        const purgon::SwitchingPoint point = purgon::ReadPoint(day, n);
        if (point.program == 0 || point.program > kProgramRows) return;
        const bool interval = point.mode == 2;
        CheckPointTime(day, n, point.startHour, point.startMinute, interval ? kEditorStart : kEditorStartOnce, out);
        if (interval) CheckPointTime(day, n, point.endHour, point.endMinute, kEditorEnd, out);
        const int start = point.startHour * 60 + point.startMinute;
        if (start < previous) {
            Finding f = Program(Say("Purgon > Wochenprogramm > ", "Purgon > Week program > ") + DayName(day),
                                Two(n) + Say(": Programm", ": Program"), Severity::ShownOtherwise);
            f.stored = Two(point.startHour) + ":" + Two(point.startMinute);
            f.accepted = Say("nicht vor ", "not before ") + Two(previous / 60) + ":" + Two(previous % 60);
            out.push_back(std::move(f));
        }
        previous = std::max(previous, start);
    }
}

}  // namespace

bool RepairSwitchingPointTime(const Finding& f) {
    const int node = NodeAtPath(f.node);
    if (node < 0 || NodeTitlePath(node) != f.path) return false;
    DeviceTreeChange(node);
    PageModel page = BuildFormpage();
    const ButtonOutcome pressed = PressButton(page, f.row, 1, false);
    if (pressed.subPage != &ProbePointEditor) return false;
    SubPageSession session(*pressed.subPage, f.row);
    PageModel editor = session.build();
    // The editor shows a stored 25:70 as 23:59, and leaving a time as shown stores nothing: the row is
    // told the time it holds, so that entering 23:59 is the change it is.
    PageRow* row = editor.find(f.target.editorRow);
    if (row == nullptr || MakeRowCurrent(f.target.editorRow) == nullptr) return false;
    const long long at = CurrentValueOffset();
    row->minute = ReadU8(at);
    row->hour = ReadU8(at + 1);
    const bool stored = CommitTime(editor, f.target.editorRow, f.target.hour, f.target.minute).stored;
    session.close(stored, page);
    return stored;
}

void CheckPurgonPrograms(std::vector<Finding>& out) {
    if (Ws().ParImage.u8(kPresentAt) == 0 || Ws().Device.Purgon.TypeCode == 0) return;
    for (int program = 1; program <= kPrograms; ++program) CheckProgram(program, out);
    for (int day = 0; day < kDays; ++day) CheckDay(day, out);
}

}  // namespace tessalin::check

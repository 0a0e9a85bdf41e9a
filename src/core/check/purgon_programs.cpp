// The Purgon controller's programs in program block A: a "Goto line" step must land on a line of its
// program, no step follows the end marker, and a day's switching points follow each other in time. These
// are reported; what the controller should do instead is the user's decision. A switching point's time
// beyond 23:59 is repaired to 23:59 through the day page's switching-point editor.

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/check/check_parts.h"
#include "core/catalogue/codec.h"
#include "core/data_set/par_image.h"
#include "core/families/purgon/purgon.h"
#include "core/page/page_edit.h"
#include "core/page/sub_page.h"
#include "core/settings/snapshot.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::check {

namespace {

constexpr long long kBlockA = static_cast<long long>(kPurgonOffset) + 100;
constexpr long long kPresentAt = static_cast<long long>(kPurgonOffset) + 2;
constexpr int kPrograms = 10;
constexpr int kSteps = 30;
constexpr int kGotoLine = 10;
constexpr int kDays = 7;
constexpr int kPoints = 10;
constexpr int kProgramRows = 6;

long long StepAt(int program, int step) { return kBlockA + 800 + 150LL * (program - 1) + 4LL * (step - 1); }
long long PointAt(int day, int point) { return kBlockA + 100 + 100LL * day + 8LL * (point - 1); }

std::string DayName(int day) {
    // Days as the program block numbers them: 0 Saturday .. 6 Friday.
    static const char* const kGerman[] = {"Samstag", "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag"};
    static const char* const kEnglish[] = {"Saturday", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    return Say(kGerman[day], kEnglish[day]);
}

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
    Finding f;
    f.kind = FindingKind::Program;
    f.severity = severity;
    f.set = '-';
    f.path = std::move(path);
    f.label = std::move(label);
    return f;
}

void CheckProgram(const ParImageBuffer& image, int program, std::vector<Finding>& out) {
    int end = kSteps + 1;  // the line of the end marker; past the last line without one
    for (int n = 1; n <= kSteps && end > kSteps; ++n)
        if (image.u8(StepAt(program, n)) == 0) end = n;
    const int lastLine = std::min(end, kSteps);
    const std::string path = Say("Purgon > Programmablauf > Programm ", "Purgon > Program flow > Program ") + std::to_string(program);
    for (int n = 1; n < end; ++n) {
        if (image.u8(StepAt(program, n)) != kGotoLine) continue;
        const int target = image.u8(StepAt(program, n) + 1);
        if (target <= lastLine) continue;
        Finding f = Program(path, Say("Schritt ", "Step ") + Two(n) + ": Goto", Severity::Refused);
        f.stored = std::to_string(target);
        f.accepted = "0 .. " + std::to_string(lastLine);
        out.push_back(std::move(f));
    }
    for (int n = end + 1; n <= kSteps; ++n) {
        if (image.u8(StepAt(program, n)) == 0) continue;
        Finding f = Program(path, Say("Schritt ", "Step ") + Two(n), Severity::Cosmetic);
        f.stored = Say("Schritt nach dem Programmende (Zeile ", "step after the program end (line ") + std::to_string(end) + ")";
        f.accepted = Say("nichts nach dem Programmende", "nothing after the program end");
        out.push_back(std::move(f));
        break;  // one finding a program: every later step is behind the same end
    }
}

// A time of switching point n beyond 23:59, at `at` (minute, then hour).
void CheckPointTime(const ParImageBuffer& image, int day, int n, long long at, int editorRow, std::vector<Finding>& out) {
    const int minute = image.u8(at), hour = image.u8(at + 1);
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

void CheckDay(const ParImageBuffer& image, int day, std::vector<Finding>& out) {
    int previous = -1;
    for (int n = 1; n <= kPoints; ++n) {
        const long long at = PointAt(day, n);
        const int program = image.u8(at);
        if (program == 0 || program > kProgramRows) return;
        const bool interval = image.u8(at + 1) == 2;
        CheckPointTime(image, day, n, at + 2, interval ? kEditorStart : kEditorStartOnce, out);
        if (interval) CheckPointTime(image, day, n, at + 4, kEditorEnd, out);
        const int start = image.u8(at + 3) * 60 + image.u8(at + 2);
        if (start < previous) {
            Finding f = Program(Say("Purgon > Wochenprogramm > ", "Purgon > Week program > ") + DayName(day),
                                Two(n) + Say(": Programm", ": Program"), Severity::ShownOtherwise);
            f.stored = Two(image.u8(at + 3)) + ":" + Two(image.u8(at + 2));
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
    const bool stored = CommitTime(editor, f.target.editorRow, f.target.hour, f.target.minute).stored;
    session.close(stored, page);
    return stored;
}

void CheckPurgonPrograms(std::vector<Finding>& out) {
    const ParImageBuffer& image = Ws().ParImage;
    if (image.u8(kPresentAt) == 0 || Ws().Device.Purgon.TypeCode == 0) return;
    for (int program = 1; program <= kPrograms; ++program) CheckProgram(image, program, out);
    for (int day = 0; day < kDays; ++day) CheckDay(image, day, out);
}

}  // namespace tessalin::check

#include "core/page/page_edit.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/catalogue/charsets.h"
#include "core/catalogue/codec.h"
#include "core/catalogue/fixed_text.h"
#include "core/common/texts.h"
#include "core/page/row_text.h"
#include "core/page/row_values.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// The row's context made current and its shown row; nullptr when the row has no entry or is not shown.
PageRow* ShownRow(PageModel& page, int row) {
    if (MakeRowCurrent(row) == nullptr) return nullptr;
    return page.find(row);
}

void RequestPageRebuild(FollowUp& follow) {
    Ws().PageRebuildRequest = true;
    follow.rebuildPage = true;
}

void RebuildBranchFor(FollowUp& follow) {
    RebuildBranch();
    follow.rebuildBranch = true;
}

std::string CurrentUnitText(const PageRow& row) {
    if (row.unitIndex >= 0 && row.unitIndex < static_cast<int>(row.units.size())) return row.units[row.unitIndex];
    return row.label;
}

// A row whose location has no place for the current module (a module section on a calculation block, an
// offset beyond its section): a commit there would store nothing, so it is reported and not made.
bool HasNoPlace(const TParamEntry& entry) {
    return entry.location.hasValue() && !HasPlace(entry.location, Ws().CurrentParam.slot);
}

TICheckValue Check(const PageRow& row, const std::string& text, bool& accepted) {
    TICheckValue check;
    check.input = text;
    check.unit = CurrentUnitText(row);
    accepted = CheckNumber(check);
    return check;
}

}  // namespace

std::string FilteredText(const PageRow& row, const std::string& text) {
    std::string out;
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t key = NextCodePoint(text, pos);
        if (key == kBackspace) continue;
        if (auto accepted = FilterTypedChar(row.charSet, key, count, static_cast<std::size_t>(row.maxLength))) {
            AppendUtf8(out, *accepted);
            ++count;
        }
    }
    return out;
}

FollowUp CommitText(PageModel& page, int row, const std::string& text) {
    FollowUp follow;
    PageRow* shown = ShownRow(page, row);
    if (shown == nullptr || shown->kind != kKindText || !shown->active) return follow;
    // Leaving the field as it was shown writes nothing: an empty field stays empty in the image.
    if (text == shown->value) return follow;
    const TParamEntry& entry = *Ws().CurrentParam.param;
    follow.notWritten = HasNoPlace(entry);
    if (follow.notWritten) return follow;
    Ws().Modified = true;
    const long long offset = CurrentValueOffset();
    const auto length = static_cast<std::size_t>(shown->maxLength);
    const std::string typed = FilteredText(*shown, text);
    WriteFixedText(offset, length, typed);
    if ((entry.flags & kPfBothSets) && WrittenInBothSets(entry.location.section)) {
        // A text kept alike in both sets goes to its set-A place and to the copy 0x2000 above it.
        const long long setA = ParamOffsetSetA(entry.location);
        WriteFixedText(setA, length, typed);
        WriteFixedText(setA + 0x2000, length, typed);
    }
    shown->value = ReadFixedText(offset, length);
    AskCurrent(kEvCommitted);
    if (entry.flags & kPfRebuildBranch) RebuildBranchFor(follow);
    if (entry.flags & kPfRebuildPage) RequestPageRebuild(follow);
    return follow;
}

bool RenameNodeFromText(int row, const std::string& text) {
    const TParamEntry* entry = MakeRowCurrent(row);
    DeviceTreeState& tree = Ws().Tree;
    if (entry == nullptr || !(entry->flags & kPfRenameNode) || tree.selected < 0) return false;
    tree.nodes[tree.selected].text = text;
    return true;
}

FollowUp CommitChoice(PageModel& page, int row, int itemIndex) {
    FollowUp follow;
    PageRow* shown = ShownRow(page, row);
    if (shown == nullptr || !shown->active || (shown->kind != kKindChoice && shown->kind != kKindChoiceButtons))
        return follow;
    CheckIndex("choice item", itemIndex, shown->items.size());
    const TParamEntry& entry = *Ws().CurrentParam.param;
    const auto code = static_cast<uint8_t>(shown->items[itemIndex].code);
    // A list kept in the image is unchanged when its byte holds the code; a list without a place of its
    // own (the handler keeps its value) when the item is the one shown.
    const bool located = entry.location.hasValue();
    if (located ? HasPlace(entry.location, Ws().CurrentParam.slot) && ReadU8(CurrentValueOffset()) == code
                : itemIndex == shown->selected)
        return follow;
    follow.notWritten = HasNoPlace(entry);
    if (follow.notWritten) return follow;
    Ws().Modified = true;
    shown->selected = itemIndex;
    SetParamByte(entry.location, code, (entry.flags & kPfBothSets) != 0);
    AskCurrent(kEvCommitted);
    // A rule that changed the hardware has decoded the device again and asks for the tree: it is rebuilt with
    // the same node selected before the page goes on.
    if (std::exchange(Ws().TreeRebuildRequest, false)) {
        RedecodeKeepSelection();
        follow.rebuildTree = true;
    }
    if (entry.flags & kPfRefreshRows) {
        RefreshDependentRows(page, row);
        follow.refreshRows = true;
    }
    if (entry.flags & kPfRebuildPage) RequestPageRebuild(follow);
    if (entry.flags & kPfRebuildBranch) RebuildBranchFor(follow);
    if (entry.flags & kPfRebuildTree) {
        BuildDeviceTree();
        follow.rebuildTree = true;
    }
    return follow;
}

namespace {

// Leaving a number shows it as the row shows it stored: a typed "6.5" becomes "6.50".
void ShowAsStored(PageRow& shown, NumberOutcome& out) {
    PageRow stored;
    ReadNumberInto(stored);
    if (stored.value.empty() || stored.unitIndex != shown.unitIndex) return;
    out.text = stored.value;
    shown.value = stored.value;
}

// `recheck`: the unit changed, so the shown text is checked and stored again even when it is unchanged.
NumberOutcome CheckAndCommitNumber(PageModel& page, int row, const std::string& text, bool leaving, bool recheck) {
    NumberOutcome out;
    out.text = text;
    PageRow* shown = ShownRow(page, row);
    if (shown == nullptr || shown->heading || shown->kind != kKindNumber) return out;
    // Leaving a number that is shown as stored (white, text untouched) changes nothing.
    if (leaving && !recheck && text == shown->value && shown->colour == EditColour::White) {
        out.unchanged = true;
        ShowAsStored(*shown, out);
        return out;
    }
    const TParamEntry& entry = *Ws().CurrentParam.param;
    out.followUp.notWritten = HasNoPlace(entry);
    if (out.followUp.notWritten) return out;
    Ws().Modified = true;

    bool accepted = false;
    TICheckValue check = Check(*shown, text, accepted);
    out.result = check.result;
    if (check.result == kCheckBelow || check.result == kCheckAbove) out.limit = check.corrected;
    if (accepted) {
        out.colour = EditColour::White;
    } else if (!leaving || check.result == kCheckNotANumber || check.result == kCheckAccepted) {
        // Typing: nothing is stored until the text is a valid number. Leaving: a non-number stays.
        out.colour = EditColour::Red;
        out.beep = leaving;
        shown->value = out.text;
        shown->colour = out.colour;
        return out;
    } else {
        out.colour = check.result == kCheckDecimals ? EditColour::Yellow : EditColour::Lime;
        out.text = check.corrected;
        check = Check(*shown, out.text, accepted);
    }
    WriteNumber(check);
    out.stored = true;
    if (out.colour != EditColour::White) {
        // The correction in the row's own format: the edit shows it in the general form of a unit list,
        // the page as the row reads it (in the unit it chooses for the value).
        PageRow readBack;
        ReadNumberInto(readBack);
        const std::string unit = ShownUnit(readBack);
        out.corrected = readBack.value + (unit.empty() ? "" : " " + unit);
    }
    shown->value = out.text;
    shown->colour = out.colour;
    if (leaving) ShowAsStored(*shown, out);
    AskCurrent(kEvCommitted);
    if (entry.flags & kPfRefreshRows) {
        RefreshDependentRows(page, row);
        out.followUp.refreshRows = true;
    }
    if (entry.flags & kPfRefreshLabels) {
        RefreshRowLabels(page, row);
        out.followUp.refreshLabels = true;
    }
    return out;
}

}  // namespace

NumberOutcome CommitNumber(PageModel& page, int row, const std::string& text, bool leaving) {
    return CheckAndCommitNumber(page, row, text, leaving, false);
}

NumberOutcome ChangeUnit(PageModel& page, int row, int unitIndex, bool leaving) {
    PageRow* shown = ShownRow(page, row);
    if (shown == nullptr || shown->kind != kKindNumber || shown->heading) return NumberOutcome{};
    CheckIndex("unit", unitIndex, shown->units.size());
    const bool unitChanged = unitIndex != shown->unitIndex;
    shown->unitIndex = unitIndex;
    return CheckAndCommitNumber(page, row, shown->value, leaving, unitChanged);
}

FollowUp CommitSlider(PageModel& page, int row, int position) {
    FollowUp follow;
    PageRow* shown = ShownRow(page, row);
    if (shown == nullptr || shown->kind != kKindSlider) return follow;
    follow.notWritten = HasNoPlace(*Ws().CurrentParam.param);
    if (follow.notWritten) return follow;
    Ws().Modified = true;
    shown->position = std::clamp(position, std::min(shown->minimum, shown->maximum),
                                 std::max(shown->minimum, shown->maximum));
    shown->value = std::to_string(shown->position);
    WriteU8(CurrentValueOffset(), static_cast<uint8_t>(shown->position));
    return follow;
}

NumberOutcome CommitTime(PageModel& page, int row, int hour, int minute) {
    NumberOutcome out;
    PageRow* shown = ShownRow(page, row);
    if (shown == nullptr || shown->kind != kKindTime || !shown->active) return out;
    const int clampedHour = std::clamp(hour, 0, 23);
    const int clampedMinute = std::clamp(minute, 0, 59);
    if (hour > 23 || minute > 59) out.result = kCheckAbove;
    if (hour < 0 || minute < 0) out.result = kCheckBelow;
    out.text = TimeText(clampedHour, clampedMinute);
    if (out.result != kCheckAccepted) out.limit = out.text;
    if (clampedHour == shown->hour && clampedMinute == shown->minute) {
        out.unchanged = true;
        return out;
    }
    const TParamEntry& entry = *Ws().CurrentParam.param;
    out.followUp.notWritten = HasNoPlace(entry);
    if (out.followUp.notWritten) return out;
    Ws().Modified = true;
    out.stored = true;
    shown->hour = clampedHour;
    shown->minute = clampedMinute;
    shown->value = out.text;
    // Minute byte, then hour byte.
    const bool bothSets = (entry.flags & kPfBothSets) != 0;
    SetParamByte(entry.location, static_cast<uint8_t>(shown->minute), bothSets);
    SetParamByte(Location{entry.location.section, static_cast<uint16_t>(entry.location.offset + 1)},
                 static_cast<uint8_t>(shown->hour), bothSets);
    return out;
}

ButtonOutcome PressButton(PageModel& page, int row, int button, bool onSubPage) {
    ButtonOutcome out;
    if (onSubPage || ShownRow(page, row) == nullptr) return out;
    TEvParRec pressed;
    pressed.number = button;
    if (AskCurrent(kEvButtonPressed, pressed)) RequestPageRebuild(out.followUp);
    TEvParRec sub;
    sub.object = nullptr;
    sub.number = button;
    if (AskCurrent(kEvButtonSubPage, sub) && sub.object != nullptr) {
        out.subPage = static_cast<const TMenuEntry*>(sub.object);
        return out;
    }
    if (!Ws().PageRebuildRequest) {
        RefreshButtons(page);
        out.followUp.refreshButtons = true;
    }
    return out;
}

void RefreshButtons(PageModel& page) {
    for (PageRow& shown : page.rows) {
        if (shown.buttons.empty() || MakeRowCurrent(shown.row) == nullptr) continue;
        for (PageButton& b : shown.buttons) {
            TEvParRec rec;
            rec.number = b.number;
            b.enabled = AskCurrent(kEvButtonEnabled, rec);
        }
    }
}

void ClickMatrixCell(PageModel& page, int row, int matrixRow, int column, bool checked) {
    PageRow* shown = ShownRow(page, row);
    if (shown == nullptr || shown->kind != kKindMatrix) return;
    CheckIndex("matrix row", matrixRow, shown->cells.size());
    CheckIndex("matrix column", column, shown->cells[matrixRow].size());
    Ws().Modified = true;
    TEvParRec rec;
    rec.object = &page;
    rec.number = (column << 24) | (matrixRow << 16) | (checked ? 1 : 0);
    AskCurrent(kEvMatrixClick, rec);
    // The handler may have changed other cells of the matrix along with this one.
    ReadMatrixCells(*shown);
}

void RefreshDependentRows(PageModel& page, int row) {
    for (auto it = page.rows.rbegin(); it != page.rows.rend(); ++it) {
        PageRow& other = *it;
        if (other.row == row) continue;
        const TParamEntry* entry = MakeRowCurrent(other.row);
        if (entry == nullptr) continue;
        if (other.kind == kKindNumber) {
            // Every number edit, the value under a heading included, shows its value and enabled state again.
            ReadNumberInto(other);
            other.enabled = AskCurrent(kEvRowEditable);
        } else if (!other.heading && (other.kind == kKindChoice || other.kind == kKindChoiceButtons)) {
            ReadChoice(*entry, other);
        }
    }
    MakeRowCurrent(row);
}

void RefreshRowLabels(PageModel& page, int row) {
    const PageRow* changed = page.find(row);
    const bool hasEdit = changed != nullptr && (changed->kind == kKindNumber || (changed->kind == kKindText && !changed->heading));
    if (hasEdit) {
        for (PageRow& other : page.rows) {
            if (other.kind != kKindText && other.kind != kKindNumber) continue;
            const TParamEntry* entry = MakeRowCurrent(other.row);
            if (entry == nullptr || !(entry->flags & kPfLabelFromHandler)) continue;
            (other.heading ? other.valueLabel : other.label) = RowLabel(*entry);
        }
    }
    MakeRowCurrent(row);
}

}  // namespace tessalin

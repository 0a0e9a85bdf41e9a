#pragma once
// A small page of every row kind on a pH module in slot [I], with handlers that record what they hear.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/workspace.h"

namespace tessalin::test {

constexpr long long kSlot1Set = 0x0800;  // PH-SET of slot [I], set A

struct HandlerLog {
    std::vector<std::pair<int, int>> events;  // (row, event)
    std::set<const TEvParRec*> records;       // the event records handlers were given
    int count(int row, int event) const {
        int n = 0;
        for (const auto& e : events) n += e.first == row && e.second == event;
        return n;
    }
};
inline HandlerLog gLog;

inline int CurrentRow();

constexpr TextRecord T(const char* de, const char* en, const char* listDe = "", const char* listEn = "") {
    return TextRecord{{de, listDe, en, listEn, en, listEn, en, listEn, en, listEn, en, listEn, en, listEn}};
}

inline bool Logged(int event, TEvParRec& rec) {
    gLog.events.emplace_back(CurrentRow(), event);
    gLog.records.insert(&rec);
    return DefaultHandler(event, rec);
}

// Row 3 is shown only while the mode (PH-SET +11) is Manual (2); row 1 is read-only while it is Auto (1).
inline bool ModeDependent(int event, TEvParRec& rec) {
    const uint8_t mode = Ws().ParImage.u8(ParamOffsetHere(At(Section::PH_SET, 11)));
    if (event == kEvRowVisible && CurrentRow() == 3) return mode == 2;
    if (event == kEvRowEditable && CurrentRow() == 1) return mode != 1;
    return Logged(event, rec);
}

inline bool Buttons(int event, TEvParRec& rec);
inline bool Matrix(int event, TEvParRec& rec) {
    Logged(event, rec);
    switch (event) {
        case kEvMatrixRowLabel: rec.text = "R" + std::to_string(rec.number); return true;
        case kEvMatrixColumnLabel: rec.text = "C" + std::to_string(rec.number); return true;
        case kEvMatrixCellState: {
            const int j = (rec.number >> 16) & 0xFF, i = (rec.number >> 24) & 0xFF;
            rec.number = (j == 0 && i == 0) ? kCellDisabled : (Ws().ParImage.u8(0x7010 + j * 3 + i) ? kCellOn : kCellOff);
            return true;
        }
        case kEvMatrixClick: {
            const int j = (rec.number >> 16) & 0xFF, i = (rec.number >> 24) & 0xFF;
            Ws().ParImage.setU8(0x7010 + j * 3 + i, rec.number & 1);
            return true;
        }
        default: return DefaultHandler(event, rec);
    }
}
inline bool Note(int event, TEvParRec& rec) {
    if (event == kEvHeading) {
        rec.text = "Line one\r\nLine two";
        rec.number = 2;
        return true;
    }
    return Logged(event, rec);
}
// Label names the unit chosen by row 2's neighbour value at PH-SET +40.
inline bool HandlerLabel(int event, TEvParRec& rec) {
    if (event == kEvTitle) {
        rec.text = "Limit " + std::to_string(Ws().ParImage.u8(ParamOffsetHere(At(Section::PH_SET, 30))));
        return true;
    }
    if (event == kEvChoiceList) {
        rec.text = "7|Seven|8|Eight|9|Nine";
        return true;
    }
    return Logged(event, rec);
}
inline bool Hidden(int event, TEvParRec& rec) { return event == kEvRowVisible ? false : Logged(event, rec); }

inline bool NotNine() { return false; }
inline bool Yes() { return true; }
inline constexpr Predicate kConditions[] = {Yes, Yes, NotNine};

inline constexpr TextRecord kHead = T("Abschnitt", "Section");
inline constexpr TextRecord kNominal = T("Nennwert", "Nominal");
inline constexpr TextRecord kMode = T("Modus", "Mode", "1|Automatisch|2|Manuell|3|Aus", "1|Auto|2|Manual|3|Off");
inline constexpr TextRecord kOffset = T("Offset", "Offset");
inline constexpr TextRecord kTag = T("Messstelle", "Tag");
inline constexpr TextRecord kPick = T("Auswahl", "Pick");
inline constexpr TextRecord kActions = T("Aktionen", "Actions");
inline constexpr TextRecord kLevel = T("Pegel", "Level");
inline constexpr TextRecord kAt = T("Zeit", "At");
inline constexpr TextRecord kGrid = T("Raster", "Grid");
inline constexpr TextRecord kCond = T("Leitfähigkeit", "Conductivity");
inline constexpr TextRecord kShown = T("Wert", "Value");
inline constexpr TextRecord kSub = T("Unterseite", "Sub-page");
inline constexpr TextRecord kOneItem = T("Eins", "One", "5|Nur", "5|Only");

inline constexpr TParamEntry kSubRows[] = {
    {.location = At(Section::PH_SET, 60), .flags = kPfUInt8, .kind = kKindNumber, .valueType = 7, .handler = Logged, .texts = &kNominal},
};
inline constexpr TMenuEntry kSubEntry{.level = 2, .flags = kMfGreenTitle, .handler = Logged, .texts = &kSub,
                                      .params = kSubRows, .lastParam = 0};

inline bool Buttons(int event, TEvParRec& rec) {
    Logged(event, rec);
    switch (event) {
        case kEvButtonCount: rec.number = 2; return true;
        case kEvButtonCaption: rec.text = rec.number == 1 ? "Refresh" : "More..."; return true;
        case kEvButtonPicture: rec.text = "REFRESH"; return rec.number == 1;
        case kEvButtonHint: rec.text = "Read again"; return rec.number == 1;
        case kEvButtonPressed: return rec.number == 1;
        case kEvButtonSubPage:
            if (rec.number != 2) return false;
            rec.object = const_cast<TMenuEntry*>(&kSubEntry);
            return true;
        case kEvButtonEnabled: return rec.number == 1 || Ws().ParImage.u8(0x7000) != 0;
        case kEvSubPageClosed: return Ws().ParImage.u8(0x7001) != 0;
        default: return true;
    }
}

inline constexpr uint32_t kU8 = kPfUInt8;

inline constexpr TParamEntry kRows[] = {
    /* 0 */ {.arg = 3, .flags = kPfHeading, .handler = Logged, .texts = &kHead},
    /* 1 */ {.location = At(Section::PH_SET, 20), .flags = kPfInt16 | kPfOwnLimits, .kind = kKindNumber, .valueType = 20,
             .scale = 2, .lower = 0, .upper = 14, .handler = ModeDependent, .texts = &kNominal},
    /* 2 */ {.location = At(Section::PH_SET, 11), .flags = kU8 | kPfBothSets | kPfRefreshRows, .kind = kKindChoice,
             .handler = ModeDependent, .texts = &kMode},
    /* 3 */ {.location = At(Section::PH_SET, 24), .flags = kPfTypeLimits, .kind = kKindNumber, .valueType = 21,
             .handler = ModeDependent, .texts = &kOffset},
    /* 4 */ {.arg = 5 | (10 << 8), .location = At(Section::PH_SET, 100), .flags = kPfRenameNode | kPfRebuildPage,
             .kind = kKindText, .valueType = 5, .handler = Logged, .texts = &kTag},
    /* 5 */ {.location = At(Section::PH_SET, 30), .flags = kU8 | kPfListFromHandler | kPfItemConditions | kPfRefreshLabels,
             .kind = kKindChoice, .handler = HandlerLabel, .texts = &kPick, .itemConditions = kConditions},
    /* 6 */ {.flags = 0, .kind = kKindButtons, .handler = Buttons, .texts = &kActions},
    /* 7 */ {.location = At(Section::PH_SET, 31), .flags = kPfInt8, .kind = kKindSlider, .lower = -10.7f, .upper = 10.9f,
             .handler = Logged, .texts = &kLevel},
    /* 8 */ {.location = At(Section::PH_SET, 32), .kind = kKindTime, .valueType = 81, .handler = Logged, .texts = &kAt},
    /* 9 */ {.arg = 2 | (3 << 8), .kind = kKindMatrix, .handler = Matrix, .texts = &kGrid},
    /* 10 */ {.flags = kPfHeadingFromHandler, .handler = Note},
    /* 11 */ {.location = At(Section::PH_SET, 40), .flags = kPfLabelFromHandler | kPfTypeLimits | kPfRefreshLabels,
              .kind = kKindNumber, .valueType = 21, .handler = HandlerLabel, .texts = &kShown},
    /* 12 */ {.location = At(Section::PH_SET, 44), .kind = kKindNumber, .valueType = 33, .handler = Logged, .texts = &kCond},
    /* 13 */ {.location = At(Section::PH_SET, 48), .kind = kKindNumber, .valueType = 21, .handler = Hidden, .texts = &kShown},
    /* 14 */ {.arg = -1, .location = At(Section::PH_SET, 52), .flags = kPfHeading, .kind = kKindNumber, .valueType = 21,
              .handler = Logged, .texts = &kShown},
    /* 15 */ {.arg = -1, .flags = kPfHeading, .handler = Logged},
};
inline constexpr int kLastRow = 15;

inline constexpr TextRecord kPageTitle = T("Seite", "Page");
inline constexpr TMenuEntry kPageEntry{.level = 1, .handler = Logged, .texts = &kPageTitle, .params = kRows,
                                       .lastParam = kLastRow};

inline int CurrentRow() {
    const TParamEntry* p = Ws().CurrentParam.param;
    if (p >= kRows && p < kRows + kLastRow + 1) return static_cast<int>(p - kRows);
    if (p == &kSubRows[0]) return 100;
    return -1;
}

class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        gLog = {};
        Ws().DeviceLanguage = 1;
        Ws().UiLanguage = 1;
        Ws().Device.Origin = kOriginFile;
        Ws().Device.Front.Code = 2;
        Ws().Device.Front.SwMajor = '9';
        Ws().Device.Front.SwMinor = '0';
        Ws().Device.Slot[0].Code = 3;
        Ws().Device.Slot[0].RecIndex = 0;
        Ws().Device.Slot[0].SlotMask = 1;
        Ws().CurrentPage = TTabPtrRec{3, 0, kPosSlot1, &kPageEntry, kRows, kLastRow, "<b>Nominal</b> page<Z>3,1</Z>"};
        FillImage();
    }

    static void FillImage() {
            ParImageBuffer& im = Ws().ParImage;
            im.setU16(kSlot1Set + 20, 700);               // 7.00 pH
            im.setU8(kSlot1Set + 11, 2);                  // Manual
            im.setF32(kSlot1Set + 24, -12);               // mV
            im.writeBytes(kSlot1Set + 100, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("AB\xB7" "C\xB7\xB7\xB7\xB7\xB7\xB7"), 10));
            im.setU8(kSlot1Set + 30, 8);
            im.setU8(kSlot1Set + 31, static_cast<uint8_t>(-4));
            im.setU8(kSlot1Set + 32, 75);                 // minute beyond 59
            im.setU8(kSlot1Set + 33, 7);
            im.setF32(kSlot1Set + 40, 5);
            im.setF32(kSlot1Set + 44, 50000);             // µS/cm
            im.setF32(kSlot1Set + 52, 33);
    }
    static uint8_t Byte(long long offset) { return Ws().ParImage.u8(offset); }
};

}  // namespace tessalin::test

// The identity of the device as the slot table stores it: record indices, the I-module's pair of slots,
// the calculation blocks and the slot that carries the Purgon controller. The decoder's rules decide what
// fits; only a calculation block that the decoder drops anyway is repaired (its code cleared).

#include <string>
#include <utility>

#include "core/check/check_parts.h"
#include "core/device/calc_blocks.h"
#include "core/device/format.h"
#include "core/workspace.h"

namespace tessalin::check {

namespace {

constexpr long long kSlotTable = 36;    // 5 bytes a slot: code, record index, slot mask
constexpr long long kCalcTable = 51;    // 5 bytes a block: code, record index, slot mask
constexpr long long kAttachTable = 61;  // how the sensor of each slot is attached
constexpr int kRecordCount = 3;
constexpr uint8_t kPurgonCarriers[] = {4, 153, 189};

Finding Identity(std::string path, std::string label, Severity severity = Severity::Refused) {
    return DeviceFinding(FindingKind::Identity, std::move(path), std::move(label), severity);
}

// "[I]", without the blank that FormatSlotMask leaves for a name to follow.
std::string SlotName(int s) {
    std::string name = FormatSlotMask(static_cast<uint8_t>(1u << s));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

bool ThroughIModule(uint8_t attach) { return attach == 24 || attach == 28; }

}  // namespace

void CheckIdentity(std::vector<Finding>& out) {
    const Workspace& ws = Ws();
    const ParImageBuffer& image = ws.ParImage;

    for (int s = 0; s < 3; ++s) {
        const uint8_t code = image.u8(kSlotTable + 5 * s);
        const uint8_t index = image.u8(kSlotTable + 5 * s + 1);
        if (code == 0 || index < kRecordCount) continue;
        Finding f = Identity(Say("Steckplatz ", "Slot ") + SlotName(s), Say("Index des Kennungssatzes", "identity record index"));
        f.stored = std::to_string(index);
        f.accepted = "0 .. 2";
        out.push_back(std::move(f));
    }

    // From software 9 the slot table says which slots an I-module serves: two neighbouring ones.
    if (static_cast<unsigned char>(ws.Device.Front.SwMajor) >= '9') {
        uint8_t mask = 0;
        for (int s = 0; s < 3; ++s)
            if (ThroughIModule(image.u8(kAttachTable + s))) mask |= static_cast<uint8_t>(1u << s);
        // The decoder takes the first of [I] and [II] that names the I-module; its pair is that slot and the next.
        bool split = mask == 5 || mask == 7;
        for (int s = 0; s < 3; ++s)
            if ((mask >> s & 1) && image.u8(kSlotTable + 5 * s) == 0) split = true;
        if (split) {
            Finding f = Identity(Say("I-Modul", "I-module"), Say("Steckplätze des I-Moduls", "slots of the I-module"));
            f.stored = FormatSlotMask(mask);
            f.accepted = "[I] [II] / [II] [III]";
            out.push_back(std::move(f));
        }
    }

    for (int c = 0; c < 2; ++c) {
        const long long at = kCalcTable + 5 * c;
        const uint8_t code = image.u8(at);
        if (code == 0 || CalcBlockCodeFits(code)) continue;
        Finding f = Identity(Say("Rechenblock ", "Calculation block ") + std::to_string(c + 1),
                             Say("Definition", "definition"), Severity::ShownOtherwise);
        f.stored = std::to_string(code) + " " + FormatSlotMask(image.u8(at + 2));
        f.accepted = Say("zwei Module der Messgröße des Blocks", "two modules of the block's measurement");
        f.repair = Say("kein Rechenblock", "no calculation block");
        f.target.possible = true;
        f.target.clearAt = at;
        f.at = at;
        f.width = 1;
        out.push_back(std::move(f));
    }

    // A Purgon image was read, but no slot holds a module that carries the controller: it counts as absent.
    bool carried = false;
    for (int s = 0; s < 3; ++s)
        for (uint8_t carrier : kPurgonCarriers) carried = carried || image.u8(kSlotTable + 5 * s) == carrier;
    const bool purgonRead = !ws.PurgonFileName.empty() || ws.Device.Purgon.TypeCode != 0;
    if (purgonRead && !carried) {
        Finding f = Identity("Purgon", Say("Steckplatz des Controllers", "slot of the controller"));
        f.stored = Say("kein tragendes Modul", "no module that carries it");
        f.accepted = Say("ein pH-Modul mit Sondensteuerung", "a pH module with probe control");
        out.push_back(std::move(f));
    }
}

}  // namespace tessalin::check

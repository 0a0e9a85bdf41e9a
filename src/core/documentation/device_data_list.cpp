#include "core/documentation/device_data_list.h"

#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/device/option_names.h"
#include "core/documentation/doc_texts.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

std::string Line(DocWord word, const std::string& value) { return DocText(word) + ": " + value; }

std::string Serial(int32_t idState, uint32_t serial) {
    return idState == kIdFromFile ? FormatSerial(serial) : "xxxxxxx";
}

bool IsProbeModule(uint8_t code) { return code == 153 || code == 189; }

// Slot s: name, software, hardware, serial number, and the Purgon controller carried by it.
void SlotLines(DeviceDataLines& lines, int s) {
    const TDevice& d = Ws().Device;
    const TIdInfo_h& slot = d.Slot[s];
    const int first = kDataSlotFirstLines[s];
    if (slot.Code != 0) {
        lines[first] = FormatSlotMask(slot.SlotMask) + ModuleName(kPosSlot1 + s, slot.Code);
        const bool known = slot.IdState == kIdFromFile;
        lines[first + 1] = Line(DocWord::Software, known ? FormatVersion(slot.SwVersion) : "x.x");
        lines[first + 2] = Line(DocWord::Hardware, std::to_string(slot.HwVersion));
        lines[first + 3] = Line(DocWord::SerialNumber, Serial(slot.IdState, slot.SerialNo));
    }
    const TidPurgon& purgon = d.Purgon;
    const bool carried = purgon.TypeCode != 0 && purgon.SlotMask == (1 << s);
    const bool probeInTwoOrThree = IsProbeModule(d.Slot[1].Code) || IsProbeModule(d.Slot[2].Code);
    if (carried && (s == 0 || !probeInTwoOrThree))
        lines[first + 4] = FormatSlotMask(purgon.SlotMask) + ModuleName(kPosCalc1, purgon.TypeCode);
}

}  // namespace

DeviceDataLines DeviceDataList() {
    const TDevice& d = Ws().Device;
    DeviceDataLines lines;
    const TIdFront& front = d.Front;
    lines[kDataFrontName] = ModuleName(kPosFront, front.Code);
    lines[1] = Line(DocWord::Software, FormatFrontVersion(front.SwMajor, front.SwMinor));
    lines[2] = Line(DocWord::Hardware, std::to_string(front.HwVersion));
    lines[3] = Line(DocWord::SerialNumber, Serial(front.IdState, front.SerialNo));

    // Lines 5 to 25: the options in their listed order.
    bool anyOption = false;
    for (std::size_t i = 0; i < kListedOptionOrder.size(); ++i) {
        const int bit = kListedOptionOrder[i];
        if (((front.Options >> bit) & 1u) && OptionListed(bit, front.SwMajor)) {
            lines[kDataFirstOption + i] = OptionName(bit);
            anyOption = true;
        }
    }
    lines[kDataOptionsHeading] = DocText(DocWord::Options) + ": " + (anyOption ? "" : DocText(DocWord::None));

    if (d.Base.Code != 0) {
        lines[kDataBaseName] = ModuleName(kPosBase, d.Base.Code);
        const bool from53 = front.SwMajor > '5' || (front.SwMajor == '5' && front.SwMinor > '2');
        if (from53) {
            lines[38] = Line(DocWord::Software, FormatVersion(d.Base.SwVersion));
            lines[39] = Line(DocWord::Hardware, std::to_string(d.Base.HwVersion));
            lines[40] = Line(DocWord::SerialNumber, Serial(d.Base.IdState, d.Base.SerialNo));
        }
    }
    for (int s = 0; s < 3; ++s) SlotLines(lines, s);
    return lines;
}

}  // namespace tessalin

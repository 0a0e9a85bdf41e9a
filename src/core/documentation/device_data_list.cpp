#include "core/documentation/device_data_list.h"

#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/device/option_names.h"
#include "core/documentation/doc_texts.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// Option bits in the order of lines 5 to 25.
constexpr int kOptionLineBits[] = {1, 2, 3, 4, 5, 6, 8, 9, 11, 12, 24, 31, 25, 26, 27, 10, 18, 16, 17, 19, 20};

// The option bits that a front software generation lists; bit 10 is in none of them.
bool OptionListed(int bit, char swMajor) {
    const uint32_t upTo5 = 0x7E | 1u << 8 | 1u << 9 | 1u << 11 | 1u << 12 | 0x1Fu << 16;
    const uint32_t from6 = 0x7E | 1u << 8 | 1u << 9 | 1u << 12 | 0x1Fu << 16 | 1u << 24;
    const uint32_t from7 = from6 | 1u << 25 | 1u << 26 | 1u << 27 | 1u << 31;
    const auto major = static_cast<unsigned char>(swMajor);
    const uint32_t mask = major <= '5' ? upTo5 : major == '6' ? from6 : from7;
    return (mask >> bit) & 1u;
}

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
    lines[1] = Line(DocWord::Software, std::string{front.SwMajor, '.', front.SwMinor});
    lines[2] = Line(DocWord::Hardware, std::to_string(front.HwVersion));
    lines[3] = Line(DocWord::SerialNumber, Serial(front.IdState, front.SerialNo));

    bool anyOption = false;
    for (std::size_t i = 0; i < std::size(kOptionLineBits); ++i) {
        const int bit = kOptionLineBits[i];
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

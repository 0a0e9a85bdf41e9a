#include "core/device/hardware_description.h"

#include "core/device/description_texts.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/device/option_names.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

std::string Bold(const std::string& text) { return "<b>" + text + "</b>"; }
std::string Picture(int index) { return "<img src=\"idx:" + std::to_string(index) + "\"> "; }

DescriptionItem Leaf(std::string markup) { return DescriptionItem{std::move(markup), {}}; }

// Software, hardware and serial number of a base unit or module.
std::vector<DescriptionItem> UnitLines(const TIdInfo_h& unit) {
    return {Leaf(DescriptionValueLine(DescriptionText(DescriptionWord::Software), FormatVersion(unit.SwVersion))),
            Leaf(DescriptionValueLine(DescriptionText(DescriptionWord::Hardware), std::to_string(unit.HwVersion))),
            Leaf(DescriptionValueLine(DescriptionText(DescriptionWord::SerialNumber), FormatSerial(unit.SerialNo)))};
}

DescriptionItem FrontItem(const TIdFront& front) {
    DescriptionItem item{Picture(3) + Bold(ModuleName(kPosFront, front.Code)), {}};
    item.children.push_back(Leaf(DescriptionValueLine(DescriptionText(DescriptionWord::Software),
                                                      FormatFrontVersion(front.SwMajor, front.SwMinor))));
    item.children.push_back(
        Leaf(DescriptionValueLine(DescriptionText(DescriptionWord::Hardware), std::to_string(front.HwVersion))));
    item.children.push_back(
        Leaf(DescriptionValueLine(DescriptionText(DescriptionWord::SerialNumber), FormatSerial(front.SerialNo))));
    DescriptionItem options{Bold(DescriptionText(DescriptionWord::Options)), {}};
    if (front.Options == 0) {
        options.children.push_back(Leaf(DescriptionText(DescriptionWord::NoOptions)));
    } else {
        for (const std::string& name : ListedOptionNames())
            options.children.push_back(Leaf(DescriptionValueLine(name, DescriptionText(DescriptionWord::Active))));
    }
    item.children.push_back(std::move(options));
    return item;
}

DescriptionItem SlotItem(const TDevice& device, int s) {
    static constexpr const char* kEmptyLabels[] = {"[I] ", "[II] ", "[III] "};
    const TIdInfo_h& slot = device.Slot[s];
    if (slot.Code == 0)
        return Leaf(Picture(5) + "<b><font color=\"#C0C0C0\">" + kEmptyLabels[s] + ModuleName(kPosSlot1 + s, 0) +
                    "</font></b>");
    return DescriptionItem{Picture(5) + Bold(FormatSlotMask(slot.SlotMask) + ModuleName(kPosSlot1 + s, slot.Code)),
                           UnitLines(slot)};
}

bool IsProbeModule(uint8_t code) { return code == 153 || code == 189; }

// Whether the Purgon controller is listed after slot s: it must be carried by that slot, and a probe
// control channel in slot [II] or [III] takes it over (the controller is then part of that channel).
bool PurgonAfterSlot(const TDevice& device, int s) {
    const TidPurgon& purgon = device.Purgon;
    if (purgon.TypeCode == 0 || purgon.SlotMask != (1 << s)) return false;
    const uint8_t second = device.Slot[1].Code, third = device.Slot[2].Code;
    switch (s) {
        case 0: return true;
        case 1: return !IsProbeModule(second) && third != 153;
        default: return second != 153 && !IsProbeModule(third);
    }
}

}  // namespace

std::string DescriptionValueLine(const std::string& label, const std::string& value) {
    return label + " :  <font color=\"#008000\">" + value + "</font>";
}

std::vector<std::string> ListedOptionNames() {
    const TIdFront& front = Ws().Device.Front;
    std::vector<std::string> names;
    for (int bit : kListedOptionOrder) {
        if (!((front.Options >> bit) & 1u) || !OptionListed(bit, front.SwMajor)) continue;
        if (std::string name = OptionName(bit); !name.empty()) names.push_back(std::move(name));
    }
    return names;
}

HardwareDescription BuildHardwareDescription() {
    const TDevice& device = Ws().Device;
    HardwareDescription d;
    d.buttonCaption = DescriptionText(DescriptionWord::Configurator);
    if (device.Origin == kOriginNone) {
        d.items.push_back(Leaf(DescriptionText(DescriptionWord::NothingLoaded)));
        return d;
    }
    d.items.push_back(FrontItem(device.Front));

    DescriptionItem base{Picture(1) + Bold(ModuleName(kPosBase, device.Base.Code)), {}};
    const auto major = static_cast<unsigned char>(device.Front.SwMajor);
    if (major > '5' || (major == '5' && static_cast<unsigned char>(device.Front.SwMinor) > '2'))
        base.children = UnitLines(device.Base);
    d.items.push_back(std::move(base));

    for (int s = 0; s < 3; ++s) {
        d.items.push_back(SlotItem(device, s));
        if (PurgonAfterSlot(device, s))
            d.items.push_back(Leaf(Picture(10) + Bold(FormatSlotMask(device.Purgon.SlotMask) +
                                                       ModuleName(kPosCalc1, device.Purgon.TypeCode))));
    }
    return d;
}

}  // namespace tessalin

#include "core/configurator/configuration_tree.h"

#include "core/device/description_texts.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/device/hardware_description.h"
#include "core/device/option_names.h"

namespace tessalin::configurator {

namespace {

std::string Head(int picture, const std::string& name) {
    return "<img src=\"idx:" + std::to_string(picture) + "\"> <b>" + name + "</b>";
}

ConfigNode Line(DescriptionWord label, const std::string& value) {
    return ConfigNode{-1, DescriptionValueLine(DescriptionText(label), value), {}};
}

std::vector<ConfigNode> UnitLines(const TIdInfo_h& unit) {
    return {Line(DescriptionWord::Software, FormatVersion(unit.SwVersion)),
            Line(DescriptionWord::Hardware, std::to_string(unit.HwVersion)),
            Line(DescriptionWord::SerialNumber, FormatSerial(unit.SerialNo))};
}

std::string MenuAnchor(const std::string& href, const std::string& choices, const std::string& value) {
    return "<a href=\"" + href + "\" class=\"MENU\" props=\"" + choices + "\">" + value + "</a>";
}

ConfigNode FrontNode(const Configurator& config) {
    const TDevice& device = config.device();
    const TIdFront& front = device.Front;
    ConfigNode node{kPosFront, Head(3, ModuleName(kPosFront, front.Code)), {}};
    if (device.Origin == kOriginFile) {
        node.children.push_back(Line(DescriptionWord::Software, FormatFrontVersion(front.SwMajor, front.SwMinor)));
        node.children.push_back(Line(DescriptionWord::Hardware, std::to_string(front.HwVersion)));
        node.children.push_back(Line(DescriptionWord::SerialNumber, FormatSerial(front.SerialNo)));
    } else {
        node.children.push_back(ConfigNode{
            -1, DescriptionText(DescriptionWord::Software) + " :  " +
                    MenuAnchor(kVersionHref, kVersionChoices, FormatFrontVersion(front.SwMajor, 'x')),
            {}});
    }
    const std::string active = DescriptionText(DescriptionWord::Active);
    const std::string inactive = DescriptionText(DescriptionWord::Inactive);
    ConfigNode options{-1, "<b>" + DescriptionText(DescriptionWord::Options) + "</b>", {}};
    for (const OptionRow& row : kOptionRows) {
        if (!OptionOffered(row, front)) continue;
        const std::string value = config.optionActive(row) ? active : inactive;
        options.children.push_back(ConfigNode{
            -1, OptionName(row.bit) + " :  " + MenuAnchor(std::string(row.key), active + "|" + inactive, value), {}});
    }
    node.children.push_back(std::move(options));
    return node;
}

}  // namespace

std::vector<ConfigNode> BuildConfigurationTree(const Configurator& config) {
    const TDevice& device = config.device();
    if (device.Front.Code == 0) return {ConfigNode{-1, DescriptionText(DescriptionWord::NothingLoaded), {}}};

    std::vector<ConfigNode> nodes;
    nodes.push_back(FrontNode(config));
    ConfigNode base{kPosBase, Head(1, ModuleName(kPosBase, device.Base.Code)), {}};
    if (device.Base.Code != 0 && device.Base.IdState == kIdFromFile) base.children = UnitLines(device.Base);
    nodes.push_back(std::move(base));

    static constexpr const char* kEmptyLabels[] = {"[I] ", "[II] ", "[III] "};
    for (int s = 0; s < 3; ++s) {
        const TIdInfo_h& slot = device.Slot[s];
        const int position = kPosSlot1 + s;
        if (slot.Code == 0) {
            nodes.push_back(ConfigNode{position,
                                       "<img src=\"idx:5\"> <b><font color=\"#C0C0C0\">" + std::string(kEmptyLabels[s]) +
                                           ModuleName(position, 0) + "</font></b>",
                                       {}});
        } else {
            ConfigNode node{position, Head(5, FormatSlotMask(slot.SlotMask) + ModuleName(position, slot.Code)), {}};
            if (slot.IdState == kIdFromFile) node.children = UnitLines(slot);
            nodes.push_back(std::move(node));
        }
        if (device.Purgon.TypeCode != 0 && device.Purgon.SlotMask == (1 << s))
            nodes.push_back(ConfigNode{
                kPosPurgonNode,
                Head(10, FormatSlotMask(device.Purgon.SlotMask) + ModuleName(kPosCalc1, device.Purgon.TypeCode)),
                {}});
    }
    return nodes;
}

std::string ModuleListHeader(const Configurator& config, int uiLanguage) {
    const char* list = uiLanguage == 0 ? "Modul-Liste" : "Module List";
    const uint8_t front = config.device().Front.Code;
    if (front == 0) return list;
    return "<b>" + ModuleName(kPosFront, front) + "</b>  " + list;
}

Outcome ApplyTreeChange(Configurator& config, const std::string& href, const std::string& newValue) {
    if (href == kVersionHref) {
        const char major = newValue.empty() ? '\0' : newValue[0];
        if (!((major >= '5' && major <= '9') || major == 'A'))
            return Refused("Unbekannte Softwareversion " + newValue, "unknown software version " + newValue);
        config.setVersion(major);
        return {};
    }
    return config.setOption(href, newValue == DescriptionText(DescriptionWord::Active));
}

}  // namespace tessalin::configurator

#include "core/families/menu_registry.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/families/base/base.h"
#include "core/families/calc/calc.h"
#include "core/families/cond/cond.h"
#include "core/families/condi/condi.h"
#include "core/families/controller/controller.h"
#include "core/families/digorp/digorp.h"
#include "core/families/digph/digph.h"
#include "core/families/fieldbus/fieldbus.h"
#include "core/families/front/front.h"
#include "core/families/opmode/radio.h"
#include "core/families/output/output.h"
#include "core/families/oxy/oxy.h"
#include "core/families/oxy/sensors.h"
#include "core/families/ph/ph.h"
#include "core/families/purgon/purgon.h"

namespace tessalin {

namespace {

// One accessor per family menu. A family's catalogue file declares its table and end index; its accessor
// then returns {name, table, end}.
MenuTable BaseMenu() { return MenuTable{"MenuBase", MenuBase, kMenuBaseEnd}; }
MenuTable FrontMenu() { return MenuTable{"MenuFront", MenuFront, kMenuFrontEnd}; }
MenuTable RadioMenu() { return MenuTable{"MenuRadio", MenuRadio, kMenuRadioEnd}; }
MenuTable PhMenu() { return MenuTable{"MenuPH", MenuPH, kMenuPHEnd}; }
MenuTable DigPhMenu() { return MenuTable{"MenuDigPH", MenuDigPH, kMenuDigPHEnd}; }
MenuTable DigPhOrpMenu() { return MenuTable{"MenuDigPHORP", MenuDigPHORP, kMenuDigPHORPEnd}; }
MenuTable DigPh12Menu() { return MenuTable{"MenuDigPH12", MenuDigPH12, kMenuDigPH12End}; }
MenuTable DigOrpMenu() { return MenuTable{"MenuDigORP", MenuDigORP, kMenuDigORPEnd}; }
MenuTable CondMenu() { return MenuTable{"MenuCond", MenuCond, kMenuCondEnd}; }
MenuTable DigCondMenu() { return MenuTable{"MenuDigCond", MenuDigCond, kMenuDigCondEnd}; }
MenuTable CondIMenu() { return MenuTable{"MenuCondI", MenuCondI, kMenuCondIEnd}; }
MenuTable DigCondIMenu() { return MenuTable{"MenuDigCondI", MenuDigCondI, kMenuDigCondIEnd}; }
MenuTable SensorCondIMenu() { return MenuTable{"MenuSensorCondI", MenuSensorCondI, kMenuSensorCondIEnd}; }
MenuTable OxyMenu() { return MenuTable{"MenuOxy", MenuOxy, kMenuOxyEnd}; }
MenuTable DigOxyMenu() { return MenuTable{"MenuDigOxy", MenuDigOxy, kMenuDigOxyEnd}; }
MenuTable OptOxyMenu() { return MenuTable{"MenuOptOxy", MenuOptOxy, kMenuOptOxyEnd}; }
MenuTable OutMenu() { return MenuTable{"MenuOut", MenuOut, kMenuOutEnd}; }
MenuTable PidMenu() { return MenuTable{"MenuPID", MenuPID, kMenuPIDEnd}; }
MenuTable PaMenu() { return MenuTable{"MenuPA", MenuPA, kMenuPAEnd}; }
MenuTable FfMenu() { return MenuTable{"MenuFF", MenuFF, kMenuFFEnd}; }
MenuTable ProbeMenuTable() { return MenuTable{"MenuProbe", MenuProbe, kMenuProbeEnd}; }
MenuTable CalcPhMenu() { return MenuTable{"MenuCalcPH", MenuCalcPH, kMenuCalcPHEnd}; }
MenuTable CalcCondMenu() { return MenuTable{"MenuCalcCond", MenuCalcCond, kMenuCalcCondEnd}; }
MenuTable CalcOxyMenu() { return MenuTable{"MenuCalcOxy", MenuCalcOxy, kMenuCalcOxyEnd}; }
MenuTable CalcCo2Menu() { return MenuTable{"MenuCalcCO2", MenuCalcCO2, kMenuCalcCO2End}; }

struct TypeMenu {
    int moduleType;
    MenuTable (*menu)();
};

constexpr TypeMenu kTypeMenus[] = {
    {1, BaseMenu},       {2, FrontMenu},      {3, PhMenu},         {4, PhMenu},
    {5, CondMenu},       {6, CondIMenu},      {7, OxyMenu},        {8, OutMenu},
    {9, PidMenu},        {10, OxyMenu},       {11, OxyMenu},       {12, PhMenu},
    {13, PhMenu},        {14, PaMenu},        {15, BaseMenu},      {16, BaseMenu},
    {17, FrontMenu},     {18, PhMenu},        {19, PhMenu},        {20, OxyMenu},
    {21, OxyMenu},       {23, FfMenu},        {24, RadioMenu},     {26, OxyMenu},
    {28, RadioMenu},     {50, BaseMenu},      {128, CalcPhMenu},   {129, CalcCondMenu},
    {130, CalcOxyMenu},  {131, CalcCo2Menu},  {150, PhMenu},       {151, OxyMenu},
    {152, OxyMenu},      {153, ProbeMenuTable}, {154, CondMenu},   {160, DigPhMenu},
    {161, DigOxyMenu},   {162, DigCondMenu},  {164, DigOrpMenu},   {170, DigPhMenu},
    {171, DigOxyMenu},   {172, DigCondMenu},  {173, DigCondIMenu}, {174, DigOrpMenu},
    {175, DigPhOrpMenu}, {176, DigPh12Menu},  {180, PhMenu},       {181, OxyMenu},
    {182, CondMenu},     {183, SensorCondIMenu}, {189, ProbeMenuTable}, {190, PhMenu},
    {191, OxyMenu},      {192, CondMenu},     {193, SensorCondIMenu}, {211, OptOxyMenu},
};

constexpr bool TypesAscending() {
    for (std::size_t i = 1; i < std::size(kTypeMenus); ++i)
        if (kTypeMenus[i - 1].moduleType >= kTypeMenus[i].moduleType) return false;
    return true;
}
static_assert(TypesAscending());

constexpr auto kModuleTypes = [] {
    std::array<int, std::size(kTypeMenus)> types{};
    for (std::size_t i = 0; i < types.size(); ++i) types[i] = kTypeMenus[i].moduleType;
    return types;
}();

std::map<int, MenuTable>& Overrides() {
    static std::map<int, MenuTable> overrides;
    return overrides;
}

}  // namespace

std::optional<MenuTable> MenuTableOf(int moduleType) {
    if (auto it = Overrides().find(moduleType); it != Overrides().end()) return it->second;
    const auto* it = std::lower_bound(std::begin(kTypeMenus), std::end(kTypeMenus), moduleType,
                                      [](const TypeMenu& m, int type) { return m.moduleType < type; });
    if (it == std::end(kTypeMenus) || it->moduleType != moduleType) return std::nullopt;
    return it->menu();
}

MenuTable ProbeMenu() { return *MenuTableOf(153); }

std::span<const int> MenuModuleTypes() { return kModuleTypes; }

ScopedMenuOverride::ScopedMenuOverride(int moduleType, MenuTable table) : moduleType_(moduleType) {
    Overrides()[moduleType] = table;
}

ScopedMenuOverride::~ScopedMenuOverride() { Overrides().erase(moduleType_); }

}  // namespace tessalin

#include "core/catalogue/menu_tables.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/catalogue/par_base.h"
#include "core/catalogue/par_cond.h"
#include "core/catalogue/par_condi.h"
#include "core/catalogue/par_digorp.h"
#include "core/catalogue/par_digph.h"
#include "core/catalogue/par_fieldbus.h"
#include "core/catalogue/par_out.h"
#include "core/catalogue/par_oxy.h"
#include "core/catalogue/par_oxy_sensors.h"
#include "core/catalogue/par_ph.h"
#include "core/catalogue/par_pid.h"
#include "core/catalogue/par_radio.h"
#include "core/purgon/purgon.h"

namespace tessalin {

namespace {

// The table of a family whose catalogue is not part of this build: only the end entry, so the device tree
// shows no branch for it.
constexpr TMenuEntry kNoEntries[] = {TMenuEntry{.level = -1}};

constexpr MenuTable Empty(std::string_view name) { return MenuTable{name, kNoEntries, 0}; }

// One accessor per family menu. A family's catalogue file declares its table and end index; its accessor
// then returns {name, table, end}.
MenuTable BaseMenu() { return MenuTable{"MenuBase", MenuBase, kMenuBaseEnd}; }
MenuTable FrontMenu() { return Empty("MenuFront"); }
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
MenuTable CalcPhMenu() { return Empty("MenuCalcPH"); }
MenuTable CalcCondMenu() { return Empty("MenuCalcCond"); }
MenuTable CalcOxyMenu() { return Empty("MenuCalcOxy"); }
MenuTable CalcCo2Menu() { return Empty("MenuCalcCO2"); }

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

std::span<const TMenuEntry> MenuEntries(const MenuTable& table) {
    if (table.entries == nullptr || table.end < 0) return {};
    return {table.entries, static_cast<std::size_t>(table.end) + 1};
}

std::span<const TParamEntry> ParamEntries(const TMenuEntry& entry) {
    if (entry.params == nullptr || entry.lastParam < 0) return {};
    return {entry.params, static_cast<std::size_t>(entry.lastParam) + 1};
}

const TParamEntry* FirstParam(const TMenuEntry& entry) { return entry.params; }

std::span<const int> MenuModuleTypes() { return kModuleTypes; }

ScopedMenuOverride::ScopedMenuOverride(int moduleType, MenuTable table) : moduleType_(moduleType) {
    Overrides()[moduleType] = table;
}

ScopedMenuOverride::~ScopedMenuOverride() { Overrides().erase(moduleType_); }

}  // namespace tessalin

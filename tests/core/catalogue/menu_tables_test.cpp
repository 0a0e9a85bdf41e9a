#include <gtest/gtest.h>

#include <string>

#include "core/catalogue/events.h"
#include "core/catalogue/process_variables.h"
#include "core/families/menu_registry.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

TEST(MenuTableOf, ModuleTypesSelectTheirFamilyMenu) {
    const struct {
        int type;
        const char* menu;
    } cases[] = {
        {1, "MenuBase"},   {50, "MenuBase"},      {2, "MenuFront"},     {17, "MenuFront"},
        {24, "MenuRadio"}, {28, "MenuRadio"},     {3, "MenuPH"},        {18, "MenuPH"},
        {190, "MenuPH"},   {175, "MenuDigPHORP"}, {176, "MenuDigPH12"}, {164, "MenuDigORP"},
        {5, "MenuCond"},   {6, "MenuCondI"},      {193, "MenuSensorCondI"}, {26, "MenuOxy"},
        {211, "MenuOptOxy"}, {8, "MenuOut"},      {9, "MenuPID"},       {14, "MenuPA"},
        {23, "MenuFF"},    {153, "MenuProbe"},    {189, "MenuProbe"},   {128, "MenuCalcPH"},
        {131, "MenuCalcCO2"},
    };
    for (const auto& c : cases) {
        auto table = MenuTableOf(c.type);
        ASSERT_TRUE(table.has_value()) << c.type;
        EXPECT_EQ(table->name, c.menu) << c.type;
        // Whatever the family holds, the entry at `end` closes the table.
        EXPECT_EQ(MenuEntries(*table).back().level, -1) << c.type;
        EXPECT_EQ(MenuEntries(*table).size(), static_cast<std::size_t>(table->end) + 1);
    }
}

TEST(MenuTableOf, InactiveChannelAndUnknownTypesHaveNone) {
    for (int type : {0, 22, 25, 27, 100, 127, 132, 163, 255}) EXPECT_FALSE(MenuTableOf(type).has_value()) << type;
}

TEST(MenuTableOf, EveryListedTypeHasATable) {
    for (int type : MenuModuleTypes()) EXPECT_TRUE(MenuTableOf(type).has_value()) << type;
    EXPECT_EQ(MenuModuleTypes().size(), 56u);
}

bool CountingHandler(int event, TEvParRec& rec) {
    if (event == kEvButtonCount) {
        rec.number = 3;
        return true;
    }
    if (event == kEvRowVisible) return false;
    return DefaultHandler(event, rec);
}

TEST(Handlers, UnansweredEventsFallToTheDefault) {
    TParamEntry row{.handler = CountingHandler};
    TEvParRec rec;
    EXPECT_FALSE(AskRow(row, kEvRowVisible, rec));
    EXPECT_TRUE(AskRow(row, kEvRowEditable, rec));
    EXPECT_TRUE(AskRow(row, kEvButtonCount, rec));
    EXPECT_EQ(rec.number, 3);

    TParamEntry bare{};
    for (int event : {kEvRowVisible, kEvRowEditable, kEvCommitted, kEvButtonEnabled}) EXPECT_TRUE(AskRow(bare, event, rec));

    // A menu entry without a handler (the end entry) is never shown.
    TMenuEntry end{.level = -1};
    EXPECT_FALSE(AskMenu(end, kEvMenuVisible, rec));
}

TEST(Handlers, TheDefaultListIsTheProcessVariableListOfTheRowsClassMask) {
    ResetWorkspace();
    TDevice& d = Ws().Device;
    d.Origin = kOriginFile;
    d.Front.Code = 2;
    d.Front.SwMajor = '9';
    d.Base.Code = 1;
    const TParamEntry row{.arg = static_cast<int32_t>(kPvOutput | kPvWithOff), .kind = kKindChoice};
    Ws().CurrentParam.param = &row;
    TEvParRec rec;
    EXPECT_TRUE(DefaultHandler(kEvChoiceList, rec));
    EXPECT_EQ(rec.text, ProcessVariableList(kPvOutput | kPvWithOff));
    EXPECT_TRUE(rec.text.starts_with("0|"));
}

TEST(ParamEntries, CoverZeroToLastParamAndFoldersAreEmpty) {
    static constexpr TParamEntry rows[3] = {};
    TMenuEntry folder{.level = 1};
    EXPECT_TRUE(ParamEntries(folder).empty());
    EXPECT_EQ(FirstParam(folder), nullptr);
    TMenuEntry page{.level = 1, .params = rows, .lastParam = 2};
    EXPECT_EQ(ParamEntries(page).size(), 3u);
    EXPECT_EQ(FirstParam(page), &rows[0]);
}

}  // namespace
}  // namespace tessalin

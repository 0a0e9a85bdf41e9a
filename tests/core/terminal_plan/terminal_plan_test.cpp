#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/terminal_plan/terminal_plan.h"
#include "core/terminal_plan/type_plates.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

// What a plan drew, one line per command: "NAME@x,y" for a bitmap, "text@x,y:TEXT" for a text.
class RecordingCanvas : public Canvas {
public:
    std::vector<std::string> drawn;
    std::vector<std::string> fills;

    double Width() const override { return kPlanWidth; }
    double Height() const override { return kPlanHeight; }
    double TextWidth(const std::string& text, const CanvasFont&) const override { return 5.0 * text.size(); }
    void Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t) override {
        drawn.push_back("text@" + At(x, y) + ":" + text + (font.bold ? " bold " : " ") + std::to_string(int(font.size)));
    }
    void Line(double, double, double, double, uint32_t, double) override {}
    void Rectangle(double, double, double, double, uint32_t) override {}
    void Fill(double x, double y, double w, double h, uint32_t colour) override {
        fills.push_back(At(x, y) + " " + At(w, h) + " " + std::to_string(colour));
    }
    void Bitmap(double x, double y, const std::string& name) override { drawn.push_back(name + "@" + At(x, y)); }

    bool has(const std::string& command) const {
        return std::find(drawn.begin(), drawn.end(), command) != drawn.end();
    }
    int count(const std::string& prefix) const {
        return static_cast<int>(std::count_if(drawn.begin(), drawn.end(),
                                              [&](const std::string& d) { return d.rfind(prefix, 0) == 0; }));
    }

private:
    static std::string At(double x, double y) { return std::to_string(int(x)) + "," + std::to_string(int(y)); }
};

class TerminalPlanTest : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }

    TIdInfo_h& Slot(int s, uint8_t code, uint8_t brand = 0, const char* ex = "", uint32_t serial = 1234567) {
        TIdInfo_h& slot = Ws().Device.Slot[s];
        slot.Code = code;
        slot.Brand = brand;
        slot.ExMark = ex;
        slot.SerialNo = serial;
        return slot;
    }

    RecordingCanvas Draw(int selector) {
        RecordingCanvas canvas;
        DrawTerminalPlan(selector, canvas);
        return canvas;
    }
};

TEST(TypePlates, TheTableHasItsRowsPerBrandAndEndsWithCodeZero) {
    const auto table = TypschildTable();
    ASSERT_EQ(table.size(), 67u);
    auto rowsOf = [&](std::string_view brand) {
        return std::count_if(table.begin(), table.end() - 1, [&](const TTypschild& r) { return r.BrandKey == brand; });
    };
    EXPECT_EQ(rowsOf("MORVANE"), 47);
    EXPECT_EQ(rowsOf("BREVON"), 17);
    EXPECT_EQ(rowsOf("SOLLANE"), 2);
    EXPECT_EQ(table.back().Code, 0);
    for (const TTypschild& row : table) EXPECT_EQ(row.Terminals.size(), 20u) << int(row.Code);
    EXPECT_EQ(FindTypschild(12, "SOLLANE")->TerminalBlock, "KL_031");
    EXPECT_EQ(FindTypschild(13, "SOLLANE"), nullptr);
}

TEST_F(TerminalPlanTest, OwnBrandModuleWithShieldedInput) {
    Slot(0, 12);
    const RecordingCanvas c = Draw(12 * 256 + 1);
    for (const char* expected : {"MODUL@0,0", "BARCODE@227,77", "MORVANE@41,77", "TYP_032@41,100", "MV_NEX@41,137",
                                 "KL_032@40,207", "SHIELD@37,286", "O_1@43,260", "M_2@61,260", "O_3@79,260",
                                 "M_12@241,260", "M_19@367,260"})
        EXPECT_TRUE(c.has(expected)) << expected;
    EXPECT_EQ(c.fills.back(), "39,77 347,202 16777215");  // the housing's white field under the labels
    // Green terminals only at positions 12..19; 10 and 11 are number-only; 1..9 are under the shield.
    EXPECT_EQ(c.count("KLEMME_GN@"), 8);
    EXPECT_TRUE(c.has("KLEMME_GN@239,286"));
    EXPECT_FALSE(c.has("KLEMME_GN@203,286"));
    EXPECT_EQ(c.count("KLEMME_GR@"), 0);
    EXPECT_TRUE(c.has("text@71,104:PH 2400-1 bold 6"));
    EXPECT_TRUE(c.has("text@71,116:1234567 bold 7"));
}

TEST_F(TerminalPlanTest, ExVariantsOfModulesAndInterfaceModule) {
    struct Case {
        const char* what;
        int selector;
        std::vector<std::string> drawn;
        std::vector<std::string> notDrawn;
    };
    Slot(0, 12, 0, "X");
    Slot(1, 5, 1);
    TIdInfo_h& iModule = Ws().Device.IModule;
    iModule.Code = 24;
    iModule.ExMark = "X";
    iModule.SerialNo = 2;
    const Case cases[] = {
        {"own brand, Ex", 12 * 256 + 1, {"BARCODEX@227,77", "MV_032X@41,137", "text@71,104:PH 2400X-1 bold 6"},
         {"BARCODE@227,77", "MV_NEX@41,137"}},
        {"second brand, standard", 5 * 256 + 2, {"BARCODE@227,77", "BREVON@41,77", "TYP_041@41,100", "BV_NEX@41,137"},
         {"MORVANE@41,77"}},
        {"I-module with its Ex layout", 24 * 256, {"MV_EXMOD@39,77", "TYP_140@41,100", "text@71,116:xxxxxxx bold 7"},
         {"BARCODE@227,77", "BARCODEX@227,77", "MORVANE@41,77"}},
    };
    for (const Case& k : cases) {
        const RecordingCanvas c = Draw(k.selector);
        for (const std::string& d : k.drawn) EXPECT_TRUE(c.has(d)) << k.what << ": " << d;
        for (const std::string& d : k.notDrawn) EXPECT_FALSE(c.has(d)) << k.what << ": " << d;
    }
}

TEST_F(TerminalPlanTest, SensorBehindInterfaceModuleShowsTheChannelsItUses) {
    struct Case {
        int slot;
        int unit;
        uint8_t setting;
        uint8_t slotOneCode;
        const char* block;
    };
    const Case cases[] = {
        {2, 4, 4, 0, "KL_140_PUR@40,207"},  {2, 4, 9, 0, "KL_140_PUR@40,207"}, {2, 4, 8, 0, "KL_140_FU@40,207"},
        {2, 4, 2, 0, "KL_140_OV2@40,207"},  {0, 1, 1, 0, "KL_140_FU@40,207"},  {0, 1, 4, 0, "KL_140_OV1@40,207"},
        {1, 2, 4, 150, "KL_140_PUR@40,207"}, {1, 2, 4, 3, "KL_140_OV1@40,207"},
    };
    for (const Case& k : cases) {
        ResetWorkspace();
        if (k.slotOneCode != 0) Slot(0, k.slotOneCode);
        Slot(k.slot, 160);
        Ws().ParImage.setU8(0x3CD4, k.setting);
        const RecordingCanvas c = Draw(160 * 256 + k.unit);
        EXPECT_TRUE(c.has(k.block)) << "slot " << k.slot << " setting " << int(k.setting);
        EXPECT_FALSE(c.has("KL_140_DONOT@40,207"));
    }
    ResetWorkspace();
    Slot(0, 160);
    Ws().Device.IModule.Code = 24;
    const RecordingCanvas c = Draw(160 * 256 + 1);
    EXPECT_TRUE(c.has("KL_140_OV1@40,207"));
    EXPECT_TRUE(c.has("KL_140_DONOT@40,207"));
}

TEST_F(TerminalPlanTest, FrontBaseAndPurgonPictures) {
    struct Case {
        const char* what;
        int selector;
        std::vector<std::string> drawn;
    };
    Ws().Device.Front.Brand = 1;
    Ws().Device.Purgon.Brand = 0;
    const Case cases[] = {
        {"front of the second brand", 2 * 256, {"FRONT@20,0", "BV_TASTEN@96,219", "BV_FRONT@96,37"}},
        {"base 15", 15 * 256, {"BASE_MV@49,0", "KL_025@0,250"}},
        {"base 16", 16 * 256, {"BASE_MV@49,0", "KL_026@0,250"}},
        {"base 50", 50 * 256, {"BASE_MV@49,0", "KL_021@0,250"}},
        {"Purgon 80", 80 * 256 + 1, {"PURGON_MV@30,0", "PURGON_1FLASCHE@30,289", "LAV_SCH_MV@146,176"}},
        {"Purgon 79", 79 * 256 + 2, {"PURGON_MV@30,0", "PURGON_3FLASCHEN@30,289", "PUR_SCH_MV@146,176"}},
    };
    for (const Case& k : cases) {
        const RecordingCanvas c = Draw(k.selector);
        EXPECT_EQ(c.drawn, k.drawn) << k.what;
        EXPECT_EQ(c.fills.front(), "0,0 500,600 15790320") << k.what;
    }
    Ws().Device.Purgon.Brand = 1;
    EXPECT_EQ(Draw(79 * 256).drawn, (std::vector<std::string>{"PURGON_MV@30,0", "PURGON_3FLASCHEN@30,289",
                                                               "PUR_SCH1_BV@146,176", "PUR_SCH2_BV@66,40"}));
}

TEST_F(TerminalPlanTest, UnitsWithoutAPictureShowOnlyTheBackground) {
    Slot(0, 13, 2);  // no row for this module under the third brand
    for (int selector : {13 * 256 + 1, 128 * 256 + 3, 4 * 256 + 3}) {
        const RecordingCanvas c = Draw(selector);
        EXPECT_TRUE(c.drawn.empty()) << selector;
        EXPECT_EQ(c.fills.size(), 1u) << selector;
    }
}

}  // namespace
}  // namespace tessalin

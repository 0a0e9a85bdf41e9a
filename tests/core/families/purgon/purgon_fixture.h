#pragma once
// A device made by the configurator: front, base, a pH module of type 4 in slot [I] and a Purgon
// controller with its factory defaults; functions to reach MenuProbe's pages through the tree and page
// models, and to read program block A and CTRL-FIX by bytes.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/catalogue/menu_tables.h"
#include "core/families/purgon/purgon.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/page/sub_page.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/configured_device.h"
#include "support/page_rows.h"
#include "support/tree_walk.h"

namespace tessalin::test {

inline constexpr long long kBlockA = 0x4064;
inline constexpr long long kCtrlFix = 0x2040;

inline int BlockByte(int offset) { return Ws().ParImage.u8(kBlockA + offset); }
inline void SetBlockByte(int offset, int value) { Ws().ParImage.setU8(kBlockA + offset, static_cast<uint8_t>(value)); }
inline int CtrlFixByte(int offset) { return Ws().ParImage.u8(kCtrlFix + offset); }

struct PurgonDevice {
    char major = '9';
    std::vector<int> modules = {4};
    int purgon = 79;
    std::vector<std::string> options;
};

class PurgonFixture : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }
    void TearDown() override { ResetWorkspace(); }

    // Front 2 and base 1, then the modules and the Purgon controller, with English device texts.
    static void MakeDevice(const PurgonDevice& d = {}) {
        std::vector<int> codes{1};
        codes.insert(codes.end(), d.modules.begin(), d.modules.end());
        codes.push_back(d.purgon);
        ASSERT_TRUE(Configure({.codes = codes, .options = d.options, .major = d.major}));
    }

    // The node of the Purgon controller (the component node whose menu is MenuProbe).
    static int PurgonNode() {
        for (int node : NodesInOrder()) {
            const auto& n = Ws().Tree.nodes[node];
            if (n.level == 0 && n.record >= 0 && n.text.find("idx:10") != std::string::npos) return node;
        }
        return -1;
    }

    // The node of MenuProbe entry `index`, or -1 when it is not shown.
    static int EntryNode(int index) { return NodeOf(&MenuProbe[index]); }

    static std::vector<int> VisibleEntries() {
        const std::set<int> shown = test::VisibleEntries(MenuProbe, kMenuProbeEnd);
        return {shown.begin(), shown.end()};
    }

    static PageModel OpenEntry(int index) { return OpenPage(&MenuProbe[index]); }
};

// Records what a picture draws.
class RecordingCanvas : public PictureCanvas {
public:
    struct Op {
        char kind;  // 'T' text, 'L' line, 'R' rectangle, 'F' fill
        double x, y, w, h;
        uint32_t colour;
        std::string text;
    };
    std::vector<Op> ops;
    int width = 50, height = 50;

    double Width() const override { return width; }
    double Height() const override { return height; }
    // Every character 6 pixels wide: the picture's layout is then known in advance.
    double TextWidth(const std::string& text, const CanvasFont&) const override { return 6.0 * text.size(); }
    void Text(double x, double y, const std::string& text, const CanvasFont&, uint32_t colour) override {
        ops.push_back({'T', x, y, 0, 0, colour, text});
    }
    void Line(double x1, double y1, double x2, double y2, uint32_t colour, double) override {
        ops.push_back({'L', x1, y1, x2, y2, colour, {}});
    }
    void Rectangle(double x, double y, double w, double h, uint32_t colour) override {
        ops.push_back({'R', x, y, w, h, colour, {}});
    }
    void Fill(double x, double y, double w, double h, uint32_t colour) override {
        ops.push_back({'F', x, y, w, h, colour, {}});
    }
    void SetSize(int w, int h) override {
        width = w;
        height = h;
        ops.clear();
    }
};

}  // namespace tessalin::test

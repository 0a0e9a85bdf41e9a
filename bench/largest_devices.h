#pragma once
// The largest devices the configurator can make, found by a sweep: every front and its bases, every
// software version with every option the configurator lets the version have, every choice of up to three
// modules from the module list in list order (so that each choice is tried once, not in every order),
// with and without each Purgon controller the configuration accepts, and every pair of calculation blocks
// the front unit's page then offers. The devices whose trees have the most nodes are the worst cases the
// benchmarks measure.
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/configurator/configurator.h"
#include "core/configurator/options.h"
#include "core/data_set/par_image.h"
#include "core/data_set/write.h"
#include "core/device/decode.h"
#include "core/families/front/front.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::bench {

// The front unit's page on which both calculation blocks are chosen.
inline constexpr int kCalcBlocksEntry = 11;

struct SweptDevice {
    ParImageBuffer image;
    int nodes = 0;
    std::string description;  // front, version, base, I-module, slots, Purgon controller, calculation blocks
};

inline std::string DescribeDevice() {
    const TDevice& d = Ws().Device;
    std::string out =
        "front " + std::to_string(d.Front.Code) + " sw " + d.Front.SwMajor + " base " + std::to_string(d.Base.Code);
    if (d.IModule.Code != 0) out += " I-module " + std::to_string(d.IModule.Code);
    out += " slots";
    for (const TIdInfo_h& slot : d.Slot) out += " " + std::to_string(slot.Code);
    if (d.Purgon.TypeCode != 0) out += " Purgon " + std::to_string(d.Purgon.TypeCode);
    for (const TCalcBlock& block : d.CalcBlock)
        if (block.Code != 0) out += " calc " + std::to_string(block.Code);
    return out;
}

class LargestDeviceSweep {
public:
    // Sweeps once; `keep` devices with the most nodes are kept, largest first.
    explicit LargestDeviceSweep(std::size_t keep) : keep_(keep) {
        for (const configurator::CatalogueRow& front : configurator::kModuleCatalogue) {
            if (front.category != configurator::Category::Front) continue;
            for (char major : {'5', '6', '7', '8', '9', 'A'}) {
                ResetWorkspace();
                configurator::Configurator start;
                if (!start.addCode(front.code).ok) continue;
                start.setVersion(major);
                for (const configurator::OptionRow& option : configurator::kOptionRows)
                    start.setOption(std::string(option.key), true);
                for (int row : OfferedRows(start, configurator::Category::Base)) {
                    configurator::Configurator withBase = start;
                    if (withBase.add(row).ok) AddModules(withBase, 0, 0);
                }
            }
        }
    }

    const std::vector<SweptDevice>& largest() const { return largest_; }
    int configurations() const { return configurations_; }

private:
    static bool IsModuleRow(const configurator::CatalogueRow& row) {
        using configurator::Category;
        return row.category == Category::Module || row.category == Category::IModule ||
               row.category == Category::DigitalSensor || row.category == Category::Ldo;
    }

    static std::vector<int> OfferedRows(const configurator::Configurator& c, configurator::Category category) {
        std::vector<int> rows;
        for (const configurator::OfferedItem& item : c.offered())
            if (configurator::kModuleCatalogue[item.row].category == category) rows.push_back(item.row);
        return rows;
    }

    // Every choice of further modules from list row `from` on, each tried with every Purgon controller.
    void AddModules(const configurator::Configurator& c, int from, int added) {
        TryPurgon(c);
        if (added == 3) return;
        for (const configurator::OfferedItem& item : c.offered()) {
            if (item.row < from || !IsModuleRow(configurator::kModuleCatalogue[item.row])) continue;
            configurator::Configurator next = c;
            if (next.add(item.row).ok) AddModules(next, item.row, added + 1);
        }
    }

    void TryPurgon(const configurator::Configurator& c) {
        TryCalcBlocks(c);
        for (int row : OfferedRows(c, configurator::Category::Purgon)) {
            configurator::Configurator next = c;
            if (next.add(row).ok) TryCalcBlocks(next);
        }
    }

    // The front unit's page of calculation blocks, or an empty page when the tree does not show it.
    static PageModel CalcBlockPage() {
        for (int node : NodesInOrder()) {
            const TreeNode& n = Ws().Tree.nodes[node];
            if (n.record >= 0 && Ws().Tree.records[n.record].entry == &MenuFront[kCalcBlocksEntry]) {
                DeviceTreeChange(node);
                return BuildFormpage();
            }
        }
        return {};
    }

    static std::vector<int> ItemIndices(const PageModel& page, int row) {
        std::vector<int> indices;
        if (const PageRow* r = page.find(row))
            for (std::size_t i = 0; i < r->items.size(); ++i) indices.push_back(static_cast<int>(i));
        return indices;
    }

    void TryCalcBlocks(const configurator::Configurator& c) {
        Commit(c);
        Consider();
        const PageModel offer = CalcBlockPage();
        for (int first : ItemIndices(offer, 0)) {
            for (int second : ItemIndices(offer, 1)) {
                if (first == 0 && second == 0) continue;
                Commit(c);
                PageModel page = CalcBlockPage();
                if (first != 0) CommitChoice(page, 0, first);
                page = CalcBlockPage();
                if (second != 0 && page.find(1) != nullptr && second < static_cast<int>(page.find(1)->items.size()))
                    CommitChoice(page, 1, second);
                BuildDeviceTree();
                Consider();
            }
        }
    }

    static void Commit(const configurator::Configurator& c) {
        ResetWorkspace();
        c.commit();
        BuildDeviceTree();
    }

    void Consider() {
        ++configurations_;
        const int nodes = static_cast<int>(Ws().Tree.nodes.size());
        if (largest_.size() == keep_ && nodes <= largest_.back().nodes) return;
        const std::string description = DescribeDevice();
        for (const SweptDevice& kept : largest_)
            if (kept.description == description) return;
        SweptDevice device{Ws().ParImage, nodes, description};
        const auto at =
            std::find_if(largest_.begin(), largest_.end(), [&](const SweptDevice& kept) { return kept.nodes < nodes; });
        largest_.insert(at, std::move(device));
        if (largest_.size() > keep_) largest_.pop_back();
    }

    std::size_t keep_;
    std::vector<SweptDevice> largest_;
    int configurations_ = 0;
};

// The sweep's largest devices, swept once per program.
inline const std::vector<SweptDevice>& LargestDevices() {
    static const LargestDeviceSweep sweep(3);
    static const bool reported = [] {
        std::fprintf(stderr, "largest devices of %d configurations:\n", sweep.configurations());
        for (const SweptDevice& d : sweep.largest())
            std::fprintf(stderr, "  %d nodes: %s\n", d.nodes, d.description.c_str());
        return true;
    }();
    (void)reported;
    return sweep.largest();
}

// Puts a swept device into a fresh workspace, decoded (its tree not built yet).
inline void InstallDevice(const SweptDevice& device) {
    ResetWorkspace();
    Ws().ParImage = device.image;
    Ws().Device.Origin = kOriginTool;  // made in the tool, as the configurator hands it over
    DecodeDevice(false);
}

// Writes a swept device as its data-set files ("BACKUP01.PAR" and, with a Purgon controller,
// "BACKUP02.PAR") into `dir`; the paths, the Purgon one empty without a controller.
inline std::pair<std::string, std::string> WriteDevice(const SweptDevice& device, const std::string& dir) {
    InstallDevice(device);
    const std::string front = dir + "/BACKUP01.PAR";
    const std::string purgon = Ws().Device.Purgon.TypeCode != 0 ? dir + "/BACKUP02.PAR" : "";
    if (!WriteDataSet(front, purgon).ok) std::fprintf(stderr, "cannot write the device into %s\n", dir.c_str());
    return {front, purgon};
}

}  // namespace tessalin::bench

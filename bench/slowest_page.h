#pragma once
// The page of the loaded device whose model takes longest to build: every page of the device tree is built
// a number of times and the median of its builds compared, so that one slow build on a busy machine does
// not pick the page.
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "core/page/formpage.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::bench {

struct MeasuredPage {
    TTabPtrRec page;
    std::string path;  // the node's index path, as the command line names it
    std::size_t rows = 0;
    double medianNs = 0;
};

// Builds the model of the page in CurrentPage `builds` times; the median time of one build.
inline double MedianBuildNs(int builds) {
    std::vector<double> times;
    for (int i = 0; i < builds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const PageModel page = BuildFormpage();
        times.push_back(std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + builds / 2, times.end());
    return times[builds / 2];
}

// Every menu page of the loaded device's tree, each measured; the number of pages in `pages`.
inline MeasuredPage SlowestPage(int& pages) {
    MeasuredPage slowest;
    pages = 0;
    for (int node : NodesInOrder()) {
        if (Ws().Tree.nodes[node].record < 0 || Ws().Tree.nodes[node].level == 0) continue;
        DeviceTreeChange(node);
        if (PageIsNil(Ws().CurrentPage)) continue;
        ++pages;
        const double ns = MedianBuildNs(31);
        if (ns > slowest.medianNs) slowest = {Ws().CurrentPage, NodePath(node), BuildFormpage().rows.size(), ns};
    }
    return slowest;
}

}  // namespace tessalin::bench

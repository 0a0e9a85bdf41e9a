#pragma once
// Comparing the loaded data set with a second one while the user goes on working: the second data set is
// loaded into a workspace of its own and stays there, read-only; the loaded data set is never changed by
// comparing. The differences are worked out again whenever the loaded image or the language changes, and
// lead to the nodes of the loaded data set's tree and the rows of its pages.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/compare/compare.h"
#include "core/data_set/load.h"
#include "core/data_set/par_image.h"
#include "core/settings/snapshot.h"

namespace tessalin {

struct Workspace;

class Comparison;

struct ComparisonOpening {
    std::unique_ptr<Comparison> comparison;  // none when the second data set was refused
    LoadResult load;                          // why a file was refused
    std::string message;                      // or why its device tree could not be built
};

class Comparison {
public:
    // Loads the second data set beside the loaded one and compares the two in `sets`. A range error while
    // building the tree or the pages is thrown. Either way the loaded data set is as it was.
    static ComparisonOpening Open(const std::string& front, const std::string& purgon, SetChoice sets);
    ~Comparison();

    const std::string& FrontFile() const { return front_; }
    const std::string& PurgonFile() const { return purgon_; }
    const std::vector<Difference>& Differences() const { return differences_; }

    // Works the differences out again when the loaded image or the device language changed since the last
    // time; true when it did. The loaded data set's selection, shown set and page stay as they are.
    bool Refresh();

private:
    Comparison() = default;
    // The second data set's snapshot in the loaded data set's device language.
    void TakeOtherSnapshot();

    std::unique_ptr<Workspace> other_;
    std::string front_, purgon_;
    SetChoice sets_ = SetChoice::Both;
    Snapshot otherSnapshot_;
    int otherLanguage_ = -1;
    ParImageBuffer comparedImage_;
    int comparedLanguage_ = -1;
    std::vector<Difference> differences_;
};

// For each difference, the node of the loaded data set's tree that it belongs to: the node of its page,
// or for the hardware the node of its component; -1 where there is none (what only the second data set has).
std::vector<int> DifferenceNodes(const std::vector<Difference>& differences);

// The number of differences at each node of the loaded data set's tree, its own and those of the nodes
// below it added up; nodes without a difference are left out.
std::map<int, int> DifferenceCounts(const std::vector<Difference>& differences);

// The differing rows of the page of `node` in the shown set (set B when `setB`), by row number.
std::map<int, const Difference*> RowDifferences(const std::vector<Difference>& differences, int node, bool setB);

}  // namespace tessalin

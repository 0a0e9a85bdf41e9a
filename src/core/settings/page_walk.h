#pragma once
// The walk over every page of the loaded device: each node of the device tree that has a parameter page,
// in tree order, built by the page model in set A, set B or both, as the window would show it. Settings
// files, comparisons and the data-set check all see the pages through this one walk.

#include <functional>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/page/formpage.h"

namespace tessalin {

enum class SetChoice { A, B, Both };

// Keeps what the window's page context holds (shown set, selection, tab, current page and row contexts,
// the rebuild request) and the scratch bytes that pages keep their working choices in (the Purgon program
// whose steps are open, ...), and puts them back when it goes.
class PageContextKeeper {
public:
    PageContextKeeper();
    ~PageContextKeeper();
    PageContextKeeper(const PageContextKeeper&) = delete;
    PageContextKeeper& operator=(const PageContextKeeper&) = delete;

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// Keeps the stored images (FRONT and Purgon) as they are: whatever a page's handlers write while the page
// is built for reading (a rule that corrects a value when its row is asked whether it is shown) is put
// back when it goes, so that reading pages never changes the data set. `changed()` tells whether anything
// was written since the keeper was made or last put the images back; `putBack()` does that at once.
class StoredImageKeeper {
public:
    StoredImageKeeper();
    ~StoredImageKeeper() { putBack(); }
    StoredImageKeeper(const StoredImageKeeper&) = delete;
    StoredImageKeeper& operator=(const StoredImageKeeper&) = delete;

    // The stored images as they were.
    const std::vector<uint8_t>& original() const { return original_; }
    bool changed() const;
    void putBack();

private:
    std::vector<uint8_t> original_;
};

// Calls `visit` with the node, the set ('A' or 'B') and the page built for it, per node set A before set B.
// The page is built with that node selected and that set active, so the page's row contexts are current
// while `visit` runs. The shown set, the selection, the current page and the scratch bytes that pages keep
// their working choices in are put back afterwards, and so are the stored images after every page: the walk
// reads, it never writes.
void ForEachPage(SetChoice sets, const std::function<void(int node, char set, const PageModel& page)>& visit);

}  // namespace tessalin

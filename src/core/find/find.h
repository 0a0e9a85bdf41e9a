#pragma once
// Finding a parameter by what it says: every title of the device tree and, on every page the tree shows,
// every row's label, shown value, unit and choice texts, in the device language and the parameter set
// shown. Letter case and accents do not count ("kalibrier" finds "Kalibrierdaten", "reference" finds
// "Référence"). Pages and rows that the data set does not show are not searched.

#include <string>
#include <string_view>
#include <vector>

namespace tessalin {

struct FindHit {
    std::string node;   // the node's index path ("0/2/1")
    std::string path;   // the node's titles from the top, joined by " > "
    int row = -1;       // the row of the page, -1 when the node's title matched
    std::string label;  // the row's label, its shown value and unit ("" for a title)
    std::string value;
    std::string unit;

    // "PH 2400 > Kalibrierdaten > Nullpunkt: 7.00 pH"; a title hit is its path.
    std::string text() const;
};

// The text as it is compared: letters in lower case and without accents (UTF-8; "ß" as "ss").
std::string FoldForSearch(std::string_view text);

// Every hit of `query` in the loaded data set in tree order, a node's title before its rows. The device
// tree must be built; the selection, the shown set and the current page are as before afterwards. A
// query of blanks only finds nothing.
std::vector<FindHit> FindInDataSet(std::string_view query);

}  // namespace tessalin

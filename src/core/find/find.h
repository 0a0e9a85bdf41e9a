#pragma once
// Finding a parameter by what it says: every title of the device tree and, on every page the tree shows,
// every row's label, heading, shown value, unit and choice texts, and the labels, headings and choice texts
// of the sub-pages its buttons open, in the device language and the parameter set shown. Letter case and
// accents do not count ("kalibrier" finds "Kalibrierdaten", "reference" finds "Référence"), the German
// transcriptions stand for their letters ("ueber" finds "über", "strasse" finds "Straße"), and the device
// blank "·" of a text field reads as a blank. Pages and rows that the data set does not show are not
// searched.

#include <string>
#include <string_view>
#include <vector>

namespace tessalin {

struct FindHit {
    std::string node;   // the node's index path ("0/2/1")
    std::string path;   // the node's titles from the top, joined by " > "
    int row = -1;       // the row of the page, -1 when the node's title matched
    std::string label;  // the row's label (or heading), its shown value and unit ("" for a title)
    std::string value;
    std::string unit;
    std::string item;   // the choice items that matched and are not the shown value, joined by ", "

    // "PH 2400 > Kalibrierdaten > Nullpunkt: 7.00 pH"; a title hit is its path; a hit by a choice item
    // adds it in the user-interface language ("Probe type: Dolovan — offers Hovrel").
    std::string text() const;
};

// How umlauts fold: to their base letter ("ü" as "u") or to their German transcription ("ü" as "ue").
enum class Umlauts { Base, Transcribed };

// The text as it is compared: letters in lower case and without accents (UTF-8; "ß" as "ss"), the
// device blank "·" as a blank.
std::string FoldForSearch(std::string_view text, Umlauts umlauts = Umlauts::Base);

// Every hit of `query` in the loaded data set in tree order, a node's title before its rows; hits of one
// node that read alike are one hit. The device tree must be built; the selection, the shown set, the
// current page and the image are as before afterwards. A query of blanks only finds nothing.
std::vector<FindHit> FindInDataSet(std::string_view query);

}  // namespace tessalin

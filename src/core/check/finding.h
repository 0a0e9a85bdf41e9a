#pragma once
// One finding of the data-set check: a stored value or an identity field that the analyser would not take
// as it stands, with its place, what is stored, what the analyser accepts and the repair.

#include <string>
#include <vector>

namespace tessalin::check {

// How the analyser would treat the value.
enum class Severity {
    Refused,         // the analyser would refuse the data set or the value
    ShownOtherwise,  // the analyser would show or use something else than the card holds
    Cosmetic,        // nothing the analyser uses; only the data set looks wrong
};

enum class FindingKind {
    ListCode,       // a list byte that is none of the offered codes
    NumberLimit,    // a number beyond its limits
    NotANumber,     // NaN or infinity in a number
    TextCharacters, // text characters outside the row's character set
    Time,           // a time beyond 23:59 (a switching point of the Purgon week program)
    SetsDiffer,     // a both-sets row whose set A and set B halves differ
    Identity,       // slot table, identity records, calculation blocks, Purgon controller
    Program,        // a Purgon time program or program flow
    Corrected,      // a value that its page corrects as soon as it is shown (the analyser uses the corrected one)
};

// A value that a repair changes besides the finding's own, as the pages show it before and after.
struct ValueChange {
    std::string place;   // "PATH > LABEL", or "FRONT byte N" / "Purgon byte N" where no row shows the byte
    std::string before;
    std::string after;
};

// The value a repair enters; which member counts follows the finding's kind.
struct RepairTarget {
    bool possible = false;
    int code = 0;             // list byte
    double value = 0;         // number, in base units
    std::string text;         // text field (UTF-8, the device blank as "·")
    int hour = 0, minute = 0; // time
    long long clearAt = -1;   // identity: the image byte that the repair sets to zero
    int editorRow = -1;       // a switching point's time: the row of the switching-point editor it is in
    bool openPage = false;    // a value its page corrects when shown: the repair opens the page
    int pointDay = -1;        // a switching point's mode: its day and number, repaired on the day page
    int pointNumber = 0;
};

struct Finding {
    FindingKind kind = FindingKind::ListCode;
    Severity severity = Severity::Refused;
    std::string path;        // the node's titles from the top (" > "), or the part of the device
    std::string node;        // the node's index path ("0/2/1"); "" without a page
    char set = 'A';          // parameter set of the value ('A' or 'B'); '-' when the set does not matter
    int row = -1;            // the entry's row in the page; -1 without
    std::string label;       // the row's label, or what the finding is about
    std::string stored;      // what the data set holds
    std::string accepted;    // what the analyser accepts
    std::string repair;      // what the repair enters; "" when there is no repair
    RepairTarget target;
    // Every other value the repair changes (the row's rules run as a commit runs them).
    std::vector<ValueChange> alsoChanges;
    // The finding's own bytes: the first one and the width (and the same 0x2000 above with `bothHalves`);
    // -1 when it has none of its own.
    long long at = -1;
    int width = 0;
    bool bothHalves = false;

    // The same place and kind (what a check after a repair compares).
    bool samePlace(const Finding& other) const;
};

// Names for reports and JSON: "refused", "shown_otherwise", "cosmetic"; "list_code", "number_limit", ...
const char* SeverityName(Severity severity);
const char* KindName(FindingKind kind);
// The severity in the user-interface language (0 German, else English).
std::string SeverityText(Severity severity, int uiLanguage);
// Where the finding lies: "PATH > LABEL [set A]" ("[Satz A]" in German); no set where it does not matter.
std::string FindingPlace(const Finding& f, int uiLanguage);
// What it is: "stored X; accepted: Y; repair: Z" (or "no repair"), in the user-interface language.
std::string FindingDetail(const Finding& f, int uiLanguage);
// The other values its repair changes, one line each: "also PLACE: BEFORE → AFTER" ("auch ...").
std::vector<std::string> FindingAlsoLines(const Finding& f, int uiLanguage);
// "(row N)" / "(Zeile N)"; "" without a row.
std::string FindingRowText(const Finding& f, int uiLanguage);
// "no findings", "1 finding", "8 findings" ("keine Befunde", "1 Befund", "8 Befunde").
std::string CountFindings(std::size_t n, int uiLanguage);
// "no repairs", "1 repair", "3 repairs" ("keine Reparaturen", "1 Reparatur", "3 Reparaturen").
std::string CountRepairs(std::size_t n, int uiLanguage);

}  // namespace tessalin::check

#include "core/check/finding.h"

#include <utility>

#include "core/check/check_parts.h"
#include "core/workspace.h"

namespace tessalin::check {

bool Finding::samePlace(const Finding& other) const {
    return kind == other.kind && node == other.node && path == other.path && set == other.set &&
           row == other.row && label == other.label;
}

const char* SeverityName(Severity severity) {
    switch (severity) {
        case Severity::Refused: return "refused";
        case Severity::ShownOtherwise: return "shown_otherwise";
        case Severity::Cosmetic: return "cosmetic";
    }
    return "";
}

const char* KindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::ListCode: return "list_code";
        case FindingKind::NumberLimit: return "number_limit";
        case FindingKind::NotANumber: return "not_a_number";
        case FindingKind::TextCharacters: return "text_characters";
        case FindingKind::Time: return "time";
        case FindingKind::SetsDiffer: return "sets_differ";
        case FindingKind::Identity: return "identity";
        case FindingKind::Program: return "program";
        case FindingKind::Corrected: return "corrected";
    }
    return "";
}

std::string SeverityText(Severity severity, int uiLanguage) {
    const bool de = uiLanguage == 0;
    switch (severity) {
        case Severity::Refused: return de ? "vom Analysator abgelehnt" : "refused by the analyser";
        case Severity::ShownOtherwise: return de ? "vom Analysator anders gezeigt" : "shown otherwise by the analyser";
        case Severity::Cosmetic: return de ? "kosmetisch" : "cosmetic";
    }
    return "";
}

std::string FindingPlace(const Finding& f, int uiLanguage) {
    std::string out = f.path;
    if (!f.label.empty()) out += " > " + f.label;
    if (f.set != '-') out += std::string(uiLanguage == 0 ? " [Satz " : " [set ") + f.set + "]";
    return out;
}

std::string FindingDetail(const Finding& f, int uiLanguage) {
    const bool de = uiLanguage == 0;
    std::string out = (de ? "gespeichert " : "stored ") + f.stored + (de ? "; zulässig: " : "; accepted: ") + f.accepted;
    if (f.repair.empty()) return out + (de ? "; keine Reparatur" : "; no repair");
    return out + (de ? "; Reparatur: " : "; repair: ") + f.repair;
}

std::vector<std::string> FindingAlsoLines(const Finding& f, int uiLanguage) {
    std::vector<std::string> out;
    for (const ValueChange& change : f.alsoChanges)
        out.push_back((uiLanguage == 0 ? "auch " : "also ") + change.place + ": " + change.before + " → " + change.after);
    return out;
}

std::string FindingRowText(const Finding& f, int uiLanguage) {
    if (f.row < 0) return "";
    return (uiLanguage == 0 ? "(Zeile " : "(row ") + std::to_string(f.row) + ")";
}

std::string CountFindings(std::size_t n, int uiLanguage) {
    const bool de = uiLanguage == 0;
    if (n == 0) return de ? "keine Befunde" : "no findings";
    return std::to_string(n) + (de ? (n == 1 ? " Befund" : " Befunde") : (n == 1 ? " finding" : " findings"));
}

std::string CountRepairs(std::size_t n, int uiLanguage) {
    const bool de = uiLanguage == 0;
    if (n == 0) return de ? "keine Reparaturen" : "no repairs";
    return std::to_string(n) + (de ? (n == 1 ? " Reparatur" : " Reparaturen") : (n == 1 ? " repair" : " repairs"));
}

Finding DeviceFinding(FindingKind kind, std::string path, std::string label, Severity severity) {
    Finding f;
    f.kind = kind;
    f.severity = severity;
    f.set = '-';
    f.path = std::move(path);
    f.label = std::move(label);
    return f;
}

std::string Say(const char* german, const char* english) { return Ws().UiLanguage == 0 ? german : english; }

}  // namespace tessalin::check

#include "core/documentation/doc_findings.h"

#include "core/check/check.h"
#include "core/workspace.h"

namespace tessalin {

void AppendFindingsSection(DocTable& table) {
    const int ui = Ws().UiLanguage;
    const bool de = ui == 0;
    const std::vector<check::Finding> findings = check::CheckDataSet();
    std::string heading = de ? "Prüfung des Datensatzes" : "Check of the data set";
    if (findings.empty()) heading += ": " + check::CountFindings(0, ui);
    table.rows.push_back({"0", heading, "", "", ""});
    table.findingsFrom = table.rows.size();
    for (const check::Finding& f : findings) {
        std::string place = check::FindingPlace(f, ui);
        if (f.row >= 0) place += " " + check::FindingRowText(f, ui);
        table.rows.push_back({"", "", place, check::FindingDetail(f, ui), check::SeverityText(f.severity, ui)});
        // The page's font has no arrow: the documentation writes "->".
        for (const check::ValueChange& change : f.alsoChanges)
            table.rows.push_back({"", "", (de ? "  auch " : "  also ") + change.place, change.before + " -> " + change.after, ""});
    }
}

}  // namespace tessalin

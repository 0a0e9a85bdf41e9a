#include "core/documentation/doc_findings.h"

#include "core/check/check.h"
#include "core/workspace.h"

namespace tessalin {

void AppendFindingsSection(DocTable& table) {
    const int ui = Ws().UiLanguage;
    const bool de = ui == 0;
    const std::vector<check::Finding> findings = check::CheckDataSet();
    table.rows.push_back({"0", de ? "Prüfung des Datensatzes" : "Check of the data set", "", "", ""});
    if (findings.empty()) table.rows.push_back({"", "", de ? "keine Befunde" : "no findings", "", ""});
    for (const check::Finding& f : findings)
        table.rows.push_back({"", "", check::FindingPlace(f, ui), check::FindingDetail(f, ui), check::SeverityText(f.severity, ui)});
}

}  // namespace tessalin

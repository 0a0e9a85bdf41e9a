// tessalin-cli doc: the documentation of a data set as a PDF report, a workbook, CSV, JSON or text.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/output_files.h"
#include "cli/tree_session.h"
#include "core/documentation/device_data_list.h"
#include "core/documentation/doc_findings.h"
#include "core/documentation/doc_table.h"
#include "core/documentation/exports.h"
#include "core/documentation/table_files.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli doc FRONT [PURGON] [--set A|B] [--lang N] [--pdf OUT.pdf] [--xlsx OUT.xlsx]\n"
    "                        [--csv OUT.csv] [--json] [--findings]\n"
    "Documents the data set: every shown menu of the device tree with every documented parameter and its\n"
    "value in parameter set --set (default A), texts in device language --lang (default 1 English).\n"
    "--pdf writes the report pages (first page with the device data, then the table), --xlsx a workbook\n"
    "and --csv comma-separated text of the table; several may be given at once. --json prints the device\n"
    "data list and the table; without any of these the table is printed as text. --findings ends the table\n"
    "with the findings of the data-set check (see 'lint'), so that the record shows what was wrong.\n"
    "An output that is an opened input, or two outputs naming one file, is a usage error.\n"
    "Exit codes: 0 done, 2 usage error, 3 the data set refused, 4 a file not written.\n";

Json AsJson(const DeviceDataLines& lines, const DocTable& table) {
    return {{"deviceData", lines}, {"header", DocTable::Header()}, {"rows", table.rows}};
}

std::string Text(const DeviceDataLines& lines, const DocTable& table) {
    std::string out;
    for (const std::string& line : lines)
        if (!line.empty()) out += line + "\n";
    for (const DocRow& row : table.rows) {
        if (DocTable::IsMenuRow(row)) {
            out += '\n';
            out.append(2 * std::stoul(row[kColLevel]), ' ');
            out += "[" + row[kColMenu] + "]\n";
        } else if (!row[kColText].empty() || !row[kColParameter].empty()) {
            out += "    " + row[kColText] + ": " + row[kColParameter];
            if (!row[kColUnit].empty()) out += " " + row[kColUnit];
            out += "\n";
        }
    }
    return out;
}

// Writes the files asked for; false after a message when one cannot be written.
bool WriteFiles(const Args& args, const DocTable& table) {
    std::string error;
    if (auto path = args.value("pdf")) {
        int pages = 0;
        if (!ExportPdf(*path, error, &pages, args.has("findings")))
            return std::fprintf(stderr, "tessalin-cli doc: %s\n", error.c_str()), false;
        std::fprintf(stderr, "tessalin-cli doc: %s: %d pages\n", path->c_str(), pages);
    }
    if (auto path = args.value("xlsx"); path && !WriteXlsxFile(*path, table, error))
        return std::fprintf(stderr, "tessalin-cli doc: %s\n", error.c_str()), false;
    if (auto path = args.value("csv"); path && !WriteCsvFile(*path, table, error))
        return std::fprintf(stderr, "tessalin-cli doc: %s\n", error.c_str()), false;
    return true;
}

int Run(const std::vector<std::string>& argv) {
    Args args(argv, {"lang", "set", "pdf", "xlsx", "csv"}, {"json", "findings"});
    if (!args.ok()) return UsageError("doc", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    bool setB = false;
    if (!ReadParamSet(args, setB)) return UsageError("doc", "--set takes A or B");
    const std::vector<NamedFile> outputs{{"--pdf", args.value("pdf").value_or(""), ""},
                                         {"--xlsx", args.value("xlsx").value_or(""), ""},
                                         {"--csv", args.value("csv").value_or(""), ""}};
    if (const int code = RefuseOverlaps("doc", DataSetInputs(args.positional()), outputs); code != kExitOk) return code;
    if (const int code = OpenDataSetTree("doc", args, args.positional().size()); code != kExitOk) return code;
    Ws().ActiveParamSet = setB;
    try {
        DocTable table = BuildDocumentationTable();
        if (args.has("findings")) AppendFindingsSection(table);
        if (!WriteFiles(args, table)) return kExitWriteFailed;
        if (args.has("json"))
            PrintJson(AsJson(DeviceDataList(), table));
        else if (!args.has("pdf") && !args.has("xlsx") && !args.has("csv"))
            std::fputs(Text(DeviceDataList(), table).c_str(), stdout);
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli doc: %s\n", e.what());
        return kExitRefused;
    }
    return kExitOk;
}

const CommandRegistration registration("doc", "document a data set: PDF report, workbook, CSV, JSON or text", Run);

}  // namespace
}  // namespace tessalin::cli

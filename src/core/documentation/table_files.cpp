#include "core/documentation/table_files.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "core/documentation/workbook_library.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// Column widths in characters for the screen widths of the columns.
constexpr double kColumnChars[kDocColumns] = {7, 28, 36, 20, 10};
constexpr lxw_color_t kMenuFill = 0xD9D9D9;

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string CsvLine(const DocRow& row) {
    std::string line;
    for (int c = 0; c < kDocColumns; ++c) line += (c ? "," : "") + CsvField(row[c]);
    return line + "\r\n";
}

}  // namespace

bool WriteXlsxFile(const std::string& path, const DocTable& table, std::string& error) {
    const WorkbookLibrary* lib = LoadWorkbookLibrary(error);
    if (lib == nullptr) {
        error = path + ": " + error;
        return false;
    }
    lxw_workbook* book = lib->workbook_new(path.c_str());
    if (book == nullptr) {
        error = path + ": the workbook cannot be created";
        return false;
    }
    const bool german = Ws().UiLanguage == 0;
    lxw_worksheet* sheet = lib->workbook_add_worksheet(book, german ? "Dokumentation" : "Documentation");
    lxw_format* header = lib->workbook_add_format(book);
    lib->format_set_bold(header);
    lib->format_set_bottom(header, LXW_BORDER_THIN);
    lxw_format* menu = lib->workbook_add_format(book);
    lib->format_set_bold(menu);
    lib->format_set_bg_color(menu, kMenuFill);
    lxw_format* menuLevel = lib->workbook_add_format(book);
    lib->format_set_bold(menuLevel);
    lib->format_set_bg_color(menuLevel, kMenuFill);
    lib->format_set_align(menuLevel, LXW_ALIGN_LEFT);

    for (int c = 0; c < kDocColumns; ++c) {
        const lxw_col_t col = static_cast<lxw_col_t>(c);
        lib->worksheet_set_column(sheet, col, col, kColumnChars[c], nullptr);
        lib->worksheet_write_string(sheet, 0, col, DocTable::Header()[c].c_str(), header);
    }
    lib->worksheet_freeze_panes(sheet, 1, 0);

    lxw_row_t r = 1;
    for (const DocRow& row : table.rows) {
        const bool isMenu = DocTable::IsMenuRow(row);
        for (int c = 0; c < kDocColumns; ++c) {
            const lxw_col_t col = static_cast<lxw_col_t>(c);
            if (c == kColLevel && isMenu)
                lib->worksheet_write_number(sheet, r, col, std::stoi(row[c]), menuLevel);
            else if (!row[c].empty())
                lib->worksheet_write_string(sheet, r, col, row[c].c_str(), isMenu ? menu : nullptr);
            else if (isMenu)
                lib->worksheet_write_blank(sheet, r, col, menu);
        }
        ++r;
    }
    const lxw_error result = lib->workbook_close(book);
    if (result != LXW_NO_ERROR) {
        error = path + ": " + lib->lxw_strerror(result);
        return false;
    }
    return true;
}

std::string TableCsv(const DocTable& table) {
    // The byte-order mark tells a spreadsheet that the text is UTF-8: without it, umlauts and "°" are read
    // in the system's code page.
    std::string out = "\xEF\xBB\xBF" + CsvLine(DocTable::Header());
    for (const DocRow& row : table.rows) out += CsvLine(row);
    return out;
}

bool WriteCsvFile(const std::string& path, const DocTable& table, std::string& error) {
    const std::string bytes = TableCsv(table);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file) file.close();
    if (!file) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace tessalin

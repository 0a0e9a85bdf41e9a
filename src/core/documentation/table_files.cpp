#include "core/documentation/table_files.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/documentation/workbook_library.h"
#include "core/files/safe_write.h"
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

// What the workbook library prints on standard error while the object lives, caught instead of shown.
class ErrorLines {
public:
    ErrorLines() {
        std::fflush(stderr);
        caught_ = ::memfd_create("workbook-errors", MFD_CLOEXEC);
        saved_ = caught_ >= 0 ? ::dup(STDERR_FILENO) : -1;
        if (saved_ >= 0) ::dup2(caught_, STDERR_FILENO);
    }
    ~ErrorLines() { Take(); }
    ErrorLines(const ErrorLines&) = delete;
    ErrorLines& operator=(const ErrorLines&) = delete;

    // Puts standard error back and returns what was caught.
    std::string Take() {
        std::string text;
        if (saved_ >= 0) {
            std::fflush(stderr);
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
            saved_ = -1;
            char buffer[4096];
            ssize_t n;
            while ((n = ::pread(caught_, buffer, sizeof buffer, static_cast<off_t>(text.size()))) > 0)
                text.append(buffer, static_cast<std::size_t>(n));
        }
        if (caught_ >= 0) ::close(caught_);
        caught_ = -1;
        return text;
    }

private:
    int caught_ = -1;
    int saved_ = -1;
};

// How the library's lines name the system's reason.
constexpr const char* kSystemError = "System error = ";

// Builds the workbook and has the library write it to `file`; empty, or the reason it could not.
std::string WriteWorkbook(const WorkbookLibrary* lib, const std::string& file, const DocTable& table) {
    lxw_workbook* book = lib->workbook_new(file.c_str());
    if (book == nullptr) return "the workbook cannot be created";
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
    // The library tells a failure in lines of its own on standard error; the user is given the system's
    // reason that they carry instead.
    ErrorLines lines;
    errno = 0;
    const lxw_error result = lib->workbook_close(book);
    const int closeErrno = errno;
    const std::string told = lines.Take();
    if (result == LXW_NO_ERROR) return "";
    if (const std::size_t at = told.rfind(kSystemError); at != std::string::npos) {
        const std::size_t from = at + std::strlen(kSystemError);
        return told.substr(from, told.find('\n', from) - from);
    }
    return closeErrno != 0 ? std::strerror(closeErrno) : lib->lxw_strerror(result);
}

}  // namespace

bool WriteXlsxFile(const std::string& path, const DocTable& table, std::string& error) {
    const WorkbookLibrary* lib = LoadWorkbookLibrary(error);
    if (lib == nullptr) {
        error = path + ": " + error;
        return false;
    }
    // The library writes the workbook by its name: to the temporary file beside the target.
    const WriteResult written =
        WriteFileSafelyBy(path, [lib, &table](const std::string& file) { return WriteWorkbook(lib, file, table); });
    if (!written.ok) error = written.describe();
    return written.ok;
}

std::string TableCsv(const DocTable& table) {
    // The byte-order mark tells a spreadsheet that the text is UTF-8: without it, umlauts and "°" are read
    // in the system's code page.
    std::string out = "\xEF\xBB\xBF" + CsvLine(DocTable::Header());
    for (const DocRow& row : table.rows) out += CsvLine(row);
    return out;
}

bool WriteCsvFile(const std::string& path, const DocTable& table, std::string& error) {
    const WriteResult written = WriteFileSafely(path, TableCsv(table));
    if (!written.ok) error = written.describe();
    return written.ok;
}

}  // namespace tessalin

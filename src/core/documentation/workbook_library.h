#pragma once
// The workbook library, loaded when the first workbook is written. A program that writes none (most
// commands of the command-line tool, a window session without an export) neither loads it nor the
// compression and cryptography libraries it needs, which cost each start time and memory.

#include <xlsxwriter.h>

#include <string>

namespace tessalin {

// The library's functions that the workbook export calls, under their own names.
struct WorkbookLibrary {
    decltype(&::workbook_new) workbook_new;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet;
    decltype(&::workbook_add_format) workbook_add_format;
    decltype(&::workbook_close) workbook_close;
    decltype(&::format_set_bold) format_set_bold;
    decltype(&::format_set_bottom) format_set_bottom;
    decltype(&::format_set_bg_color) format_set_bg_color;
    decltype(&::format_set_align) format_set_align;
    decltype(&::worksheet_set_column) worksheet_set_column;
    decltype(&::worksheet_write_string) worksheet_write_string;
    decltype(&::worksheet_write_number) worksheet_write_number;
    decltype(&::worksheet_write_blank) worksheet_write_blank;
    decltype(&::worksheet_freeze_panes) worksheet_freeze_panes;
    decltype(&::lxw_strerror) lxw_strerror;
};

// The library, loaded on the first call; nullptr with the reason in `error` when it or one of its
// functions cannot be found.
const WorkbookLibrary* LoadWorkbookLibrary(std::string& error);

}  // namespace tessalin

#pragma once
// The report pages of a parameter set: a first page with the measuring point, the note, the parameter
// set and the device data list, then as many pages as the documentation table needs. Every page carries
// the header (program name, page number, rule) and the footer (rule, date). Pages come out as page
// descriptions that the PDF writer and the printer draw.

#include <string>
#include <vector>

#include "core/documentation/device_data_list.h"
#include "core/documentation/doc_table.h"
#include "core/documentation/doc_texts.h"
#include "core/documentation/page_description.h"

namespace tessalin {

// The page template in points: the content band and the bands of header and footer.
namespace report {
inline constexpr double kBandLeft = 61;
inline constexpr double kHeaderTop = 37;
inline constexpr double kContentTop = 72;
inline constexpr double kContentHeight = 698;
inline constexpr double kFooterTop = 770;
inline constexpr double kRuleWidth = 491;
inline constexpr double kHeadingBarHeight = 18;
inline constexpr double kHeadingLabelLeft = 10;
inline constexpr int kHeadingPairs = 3;
inline constexpr uint32_t kHeadingFill = 0xC0C0C0;
inline constexpr const char* kProgramName = "Zandor Programming- and Documentation Tool";
}  // namespace report

// Everything the pages show, gathered before the layout starts.
struct ReportContent {
    std::string measuringPoint;   // the image's 16 bytes as they stand
    std::string note;             // of the active set
    bool setB = false;
    std::string deviceHeading;    // "Gerätebeschreibung" + two blanks + the family designation
    DeviceDataLines dataList;
    DocTable table;
    std::string pageWord;         // "Seite" / "Page"
    std::string dateLabel;        // "Datum: 06.03.2006"
};

// From the workspace: builds the documentation table and the device data list anew and reads the texts
// of the first page in the device language (labels in the user-interface language). With `withFindings`
// the table ends with the findings of the data-set check.
ReportContent CollectReportContent(const DocDate& date, bool withFindings = false);

// Lays the content out on pages.
std::vector<PageDescription> LayOutReport(const ReportContent& content);

}  // namespace tessalin

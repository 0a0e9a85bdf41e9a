#include "core/documentation/report_pages.h"

#include <algorithm>
#include <array>

#include "core/catalogue/fixed_text.h"
#include "core/device/designations.h"
#include "core/documentation/doc_findings.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

using namespace report;

constexpr uint32_t kBlack = 0x000000;
constexpr long long kMeasuringPointOffset = 0x52;
constexpr long long kNoteOffset = 0x130;
constexpr std::size_t kFirstPageTextLength = 16;
constexpr int kPathLevels = 6;  // menu levels 0..5 of the device tree
constexpr double kHeadingFontSize = 12;
constexpr double kTextColumn = 140;   // the parameter's name
constexpr double kValueColumn = 280;  // its value and unit
constexpr double kColumnGap = 6;

double LineHeightOf(double size) {
    if (size == 10) return 13;
    if (size == 11) return 14;
    if (size == 12) return 16;
    return 12;
}

class ReportLayout {
public:
    explicit ReportLayout(const ReportContent& content) : content_(content) {}

    std::vector<PageDescription> Run() {
        StartPage();
        DrawFirstPage();
        while (nextRow_ < content_.table.rows.size()) {
            StartPage();
            const std::size_t before = nextRow_;
            DrawContinuationPage();
            if (nextRow_ == before) break;  // a row that fits no empty page (cannot happen with this template)
        }
        return std::move(pages_);
    }

private:
    // ---- page template

    void StartPage() {
        pages_.emplace_back();
        page_ = &pages_.back();
        y_ = 0;
        headingsUsed_ = 0;
        const int number = static_cast<int>(pages_.size());
        const CanvasFont small{"Arial", 8, false};
        page_->Text(kBandLeft, kHeaderTop, kProgramName, small, kBlack);
        RightAligned(kBandLeft + 392 + 100, kHeaderTop, content_.pageWord + " " + std::to_string(number), small);
        page_->Line(kBandLeft, kHeaderTop + 12.5, kBandLeft + kRuleWidth, kHeaderTop + 12.5, kBlack, 1);
        page_->Line(kBandLeft, kFooterTop + 20.5, kBandLeft + kRuleWidth, kFooterTop + 20.5, kBlack, 1);
        RightAligned(kBandLeft + 391 + 100, kFooterTop + 22, content_.dateLabel, small);
    }

    void RightAligned(double right, double top, const std::string& text, const CanvasFont& font) {
        page_->Text(right - page_->TextWidth(text, font), top, text, font, kBlack);
    }

    // ---- drawing in the content band (x from the band's left edge, y from its top)

    void SetFont(double size) {
        font_.size = size;
        lineHeight_ = LineHeightOf(size);
    }

    void Draw(double x, const std::string& text, bool bold = false) { DrawAt(x, y_, font_.size, text, bold); }

    // Bold in the content band is the regular face drawn twice, half a point apart: the pages need only
    // the one font.
    void DrawAt(double x, double y, double size, const std::string& text, bool bold) {
        if (text.empty()) return;
        const CanvasFont regular{"Arial", size, false};
        page_->Text(kBandLeft + x, kContentTop + y, text, regular, kBlack);
        if (bold) page_->Text(kBandLeft + x + 0.5, kContentTop + y, text, regular, kBlack);
    }

    // Places the next heading pair of this page; a page has three, a fourth heading is not shown.
    void PlaceHeading(double barTop, double labelTop, const std::string& text) {
        if (headingsUsed_ >= kHeadingPairs) return;
        ++headingsUsed_;
        page_->Fill(kBandLeft, kContentTop + barTop, kRuleWidth, kHeadingBarHeight, kHeadingFill);
        DrawAt(kHeadingLabelLeft, labelTop, kHeadingFontSize, text, true);
    }

    // ---- first page

    // The first page's content may run longer than one band (many options, every slot filled): what does
    // not fit continues at the top of the next page.
    void Room(double needed) {
        if (y_ + needed > kContentHeight) StartPage();
    }

    void Line(double x, const std::string& text, bool bold = false) {
        if (text.empty()) return;
        Room(lineHeight_);
        Draw(x, text, bold);
        y_ += lineHeight_;
    }

    void LabelledLine(const std::string& label, const std::string& value) {
        Room(lineHeight_);
        Draw(0, label + ":", true);
        Draw(150, value);
        y_ += lineHeight_;
    }

    void DrawFirstPage() {
        const DeviceDataLines& d = content_.dataList;
        SetFont(12);
        LabelledLine(DocText(DocWord::MeasuringPoint), content_.measuringPoint);
        LabelledLine(DocText(DocWord::Note), content_.note);
        LabelledLine(DocText(DocWord::ParameterSet), content_.setB ? "B" : "A");
        Room(17 + 20);
        PlaceHeading(y_ + 15, y_ + 17, content_.deviceHeading);
        y_ += 48;

        SetFont(11);
        Line(0, d[kDataFrontName], true);
        SetFont(10);
        for (int i = 1; i <= kDataOptionsHeading; ++i) Line(60, d[i]);
        for (int i = kDataFirstOption; i <= kDataLastOption; ++i) Line(80, d[i]);
        y_ += 15;

        if (!d[kDataBaseName].empty()) {
            UnitBlock(kDataBaseName);
            y_ += 15;
        }
        for (int first : kDataSlotFirstLines) {
            if (!d[first].empty()) {
                UnitBlock(first);
                if (!d[first + 4].empty()) {
                    y_ += 15;
                    SetFont(11);
                    Line(0, d[first + 4], true);
                }
            }
            y_ += 15;
        }
    }

    // A unit's name in bold and its three lines below.
    void UnitBlock(int first) {
        SetFont(11);
        Line(0, content_.dataList[first], true);
        SetFont(10);
        for (int i = first + 1; i <= first + 3; ++i) Line(60, content_.dataList[i]);
    }

    // ---- continuation pages

    // Prints rows from the next one until the page is full or the table ends.
    void DrawContinuationPage() {
        const std::vector<DocRow>& rows = content_.table.rows;
        while (nextRow_ < rows.size()) {
            const DocRow& row = rows[nextRow_];
            const bool printed = DocTable::IsMenuRow(row) ? MenuRow(row) : ParameterRow(row);
            if (!printed) return;
            ++nextRow_;
        }
    }

    bool ParameterRow(const DocRow& row) {
        if (lastLevel_ != -1) y_ += 3;
        lastLevel_ = -1;
        SetFont(10);
        if (nextRow_ >= content_.table.findingsFrom) return FindingRow(row);
        if (y_ + lineHeight_ > kContentHeight) return false;
        Draw(kTextColumn, row[kColText]);
        Draw(kValueColumn, row[kColUnit].empty() ? row[kColParameter] : row[kColParameter] + "  " + row[kColUnit]);
        y_ += lineHeight_;
        return true;
    }

    // A finding: its place wraps between the text column and the value column, what was stored,
    // accepted and repaired (with the severity) between the value column and the page's right edge.
    bool FindingRow(const DocRow& row) {
        const std::vector<std::string> place = Wrapped(row[kColText], kValueColumn - kTextColumn - kColumnGap);
        const std::vector<std::string> detail =
            Wrapped(row[kColUnit].empty() ? row[kColParameter] : row[kColParameter] + "  " + row[kColUnit], kRuleWidth - kValueColumn);
        const std::size_t lines = std::max(place.size(), detail.size());
        if (y_ + lineHeight_ * static_cast<double>(lines) > kContentHeight) return false;
        for (std::size_t i = 0; i < lines; ++i) {
            if (i < place.size()) Draw(kTextColumn, place[i]);
            if (i < detail.size()) Draw(kValueColumn, detail[i]);
            y_ += lineHeight_;
        }
        return true;
    }

    // The text in lines no wider than `width` in the current font, broken between words, and inside a
    // word only where the word alone is wider.
    std::vector<std::string> Wrapped(const std::string& text, double width) const {
        std::vector<std::string> lines;
        std::string line;
        const auto fits = [&](const std::string& candidate) { return page_->TextWidth(candidate, font_) <= width; };
        std::size_t i = 0;
        while (i < text.size()) {
            const std::size_t blank = text.find(' ', i);
            const std::string word = text.substr(i, blank == std::string::npos ? std::string::npos : blank - i);
            i = blank == std::string::npos ? text.size() : blank + 1;
            const std::string joined = line.empty() ? word : line + " " + word;
            if (fits(joined)) {
                line = joined;
                continue;
            }
            if (!line.empty()) lines.push_back(line);
            line.clear();
            for (std::size_t k = 0; k < word.size();) {
                // Whole UTF-8 characters: a continuation byte stays with the byte before it.
                std::size_t next = k + 1;
                while (next < word.size() && (static_cast<unsigned char>(word[next]) & 0xC0) == 0x80) ++next;
                const std::string piece = word.substr(k, next - k);
                if (!line.empty() && !fits(line + piece)) {
                    lines.push_back(line);
                    line.clear();
                }
                line += piece;
                k = next;
            }
        }
        if (!line.empty() || lines.empty()) lines.push_back(line);
        return lines;
    }

    bool MenuRow(const DocRow& row) {
        const int level = std::stoi(row[kColLevel]);
        if (lastLevel_ == -1 && y_ > 0) y_ += 20;
        lastLevel_ = level;
        SetFont(10);
        // Levels beyond the path store are kept at its deepest line.
        const int slot = std::clamp(level, 0, kPathLevels - 1);
        path_[slot] = row[kColMenu];
        if (level == 0) {
            if (y_ + 50 > kContentHeight) return false;
            PlaceHeading(y_, y_ + 2, path_[0]);
            y_ += 6;
        } else {
            if (y_ + 2 * lineHeight_ > kContentHeight) return false;
            std::string text = path_[1];
            for (int l = 2; l <= slot; ++l) text += " | " + path_[l];
            Draw(0, text, true);
        }
        y_ += lineHeight_;
        return true;
    }

    const ReportContent& content_;
    std::vector<PageDescription> pages_;
    PageDescription* page_ = nullptr;
    CanvasFont font_;
    double lineHeight_ = 12;
    double y_ = 0;
    int headingsUsed_ = 0;
    std::size_t nextRow_ = 0;
    int lastLevel_ = -1;
    std::array<std::string, kPathLevels> path_;
};

}  // namespace

ReportContent CollectReportContent(const DocDate& date, bool withFindings) {
    const Workspace& ws = Ws();
    ReportContent content;
    content.table = BuildDocumentationTable();
    if (withFindings) AppendFindingsSection(content.table);
    content.dataList = DeviceDataList();
    content.measuringPoint = DocumentedText(ReadFixedText(kMeasuringPointOffset, kFirstPageTextLength));
    content.note = DocumentedText(
        ReadFixedText(kNoteOffset + (ws.ActiveParamSet ? static_cast<long long>(kSetBDistance) : 0), kFirstPageTextLength));
    content.setB = ws.ActiveParamSet;
    content.deviceHeading = DocText(DocWord::DeviceDescription) + "  " + FamilyDesignation();
    content.pageWord = ws.UiLanguage == 0 ? "Seite" : "Page";
    content.dateLabel = DateLabel(date);
    return content;
}

std::vector<PageDescription> LayOutReport(const ReportContent& content) { return ReportLayout(content).Run(); }

}  // namespace tessalin

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <regex>
#include <sstream>

#include "core/documentation/pdf_writer.h"
#include "support/image_builder.h"
#include "support/shell.h"

namespace tessalin {
namespace {

using test::Shell;

struct PdfObject {
    std::string dictionary;
    std::string stream;  // inflated when it was deflated
};

std::string Inflate(const std::string& data) {
    std::string out(1 << 20, '\0');
    uLongf size = out.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                         data.size()),
              Z_OK);
    return out.substr(0, size);
}

// The number after `key` in a dictionary, -1 when the key is missing.
long Entry(const std::string& dictionary, const std::string& key) {
    const std::size_t at = dictionary.find(key + " ");
    return at == std::string::npos ? -1 : std::stol(dictionary.substr(at + key.size() + 1));
}

// Reads a PDF through its cross-reference stream: every object found where the stream says, at its byte
// offset or inside an object stream.
class PdfReader {
public:
    explicit PdfReader(std::string bytes) : bytes_(std::move(bytes)) {}

    // The locations of objects 1.. from the cross-reference stream; fails the test when it is malformed.
    void ReadXref() {
        const std::size_t start = bytes_.rfind("startxref\n");
        ASSERT_NE(start, std::string::npos);
        const PdfObject xref = ObjectAt(std::stoul(bytes_.substr(start + 10)), 0);
        trailer = xref.dictionary;
        ASSERT_NE(trailer.find("/Type /XRef"), std::string::npos) << trailer;
        std::smatch w;
        ASSERT_TRUE(std::regex_search(trailer, w, std::regex("/W \\[1 (\\d) (\\d)\\]"))) << trailer;
        const std::size_t w2 = std::stoul(w[1]), w3 = std::stoul(w[2]), row = 1 + w2 + w3;
        const std::size_t size = Entry(trailer, "/Size");
        ASSERT_EQ(xref.stream.size(), size * row);
        for (std::size_t n = 0; n < size; ++n) {
            auto field = [&](std::size_t from, std::size_t width) {
                std::size_t v = 0;
                for (std::size_t i = 0; i < width; ++i) v = v << 8 | static_cast<unsigned char>(xref.stream[n * row + from + i]);
                return v;
            };
            const Location at{static_cast<int>(field(0, 1)), field(1, w2), field(1 + w2, w3)};
            if (n == 0) {
                ASSERT_EQ(at.type, 0);
                continue;
            }
            ASSERT_TRUE(at.type == 1 || at.type == 2) << "object " << n;
            locations.push_back(at);
        }
    }

    PdfObject Object(std::size_t number) const {
        const Location& at = locations.at(number - 1);
        if (at.type == 1) return ObjectAt(at.field2, number);
        // inside an object stream: its header pairs object numbers with offsets after /First
        const PdfObject container = Object(at.field2);
        EXPECT_NE(container.dictionary.find("/Type /ObjStm"), std::string::npos);
        const std::size_t first = Entry(container.dictionary, "/First");
        std::istringstream header(container.stream.substr(0, first));
        std::vector<std::size_t> numbers, offsets;
        for (std::size_t n, off; header >> n >> off;) numbers.push_back(n), offsets.push_back(off);
        EXPECT_EQ(static_cast<long>(numbers.size()), Entry(container.dictionary, "/N"));
        EXPECT_LT(at.field3, numbers.size());
        EXPECT_EQ(numbers.at(at.field3), number);
        const std::size_t begin = first + offsets.at(at.field3);
        const std::size_t end = at.field3 + 1 < offsets.size() ? first + offsets[at.field3 + 1] : container.stream.size();
        std::string body = container.stream.substr(begin, end - begin);
        while (!body.empty() && body.back() == '\n') body.pop_back();
        return PdfObject{body, {}};
    }

    // The first object whose dictionary contains `text`, 0 when none.
    std::size_t Find(const std::string& text) const {
        for (std::size_t n = 1; n <= locations.size(); ++n)
            if (Object(n).dictionary.find(text) != std::string::npos) return n;
        return 0;
    }

    // The content streams of the pages in page order.
    std::vector<PdfObject> Contents() const {
        std::vector<PdfObject> contents;
        for (std::size_t n = 1; n <= locations.size(); ++n) {
            const std::string page = Object(n).dictionary;
            if (page.find("/Type /Page ") != std::string::npos) contents.push_back(Object(Entry(page, "/Contents")));
        }
        return contents;
    }

    // Type 1: at byte offset field2; type 2: in object stream field2 at index field3.
    struct Location {
        int type = 0;
        std::size_t field2 = 0, field3 = 0;
    };
    std::vector<Location> locations;
    std::string trailer;

private:
    // A top-level object; `number` 0 accepts any object number.
    PdfObject ObjectAt(std::size_t at, std::size_t number) const {
        const std::size_t headEnd = bytes_.find(" 0 obj\n", at);
        EXPECT_NE(headEnd, std::string::npos);
        if (number != 0) {
            EXPECT_EQ(bytes_.substr(at, headEnd - at), std::to_string(number)) << "object " << number;
        }
        const std::size_t from = headEnd + 7;
        const std::size_t end = bytes_.find("\nendobj", from);
        const std::string body = bytes_.substr(from, end - from);
        PdfObject obj;
        const std::size_t stream = body.find(">>stream\n");
        obj.dictionary = body.substr(0, stream == std::string::npos ? body.size() : stream + 2);
        if (stream == std::string::npos) return obj;
        const std::size_t length = Entry(body, "/Length");
        std::string data = body.substr(stream + 9, length);
        EXPECT_EQ(body.substr(stream + 9 + length), "\nendstream");
        obj.stream = obj.dictionary.find("/FlateDecode") != std::string::npos ? Inflate(data) : data;
        return obj;
    }

    std::string bytes_;
};

std::vector<PageDescription> TwoPages() {
    std::vector<PageDescription> pages(2);
    const CanvasFont small{"Arial", 8, false};
    pages[0].Text(61, 37, "(paren) back\\slash ÄÖü€", small, 0);
    for (int i = 0; i < 40; ++i) pages[0].Text(61, 100 + 13 * i, "Parameter row " + std::to_string(i), {}, 0);
    pages[0].Line(61, 49.5, 552, 49.5, 0, 1);
    pages[0].Fill(61, 72, 491, 18, 0xC0C0C0);
    pages[1].Text(71, 74, "Second page", CanvasFont{"Arial", 12, true}, 0);
    return pages;
}

PdfInfo Info() {
    PdfInfo info;
    info.created = 1141650000;  // March 2006
    return info;
}

TEST(PdfWriterTest, ObjectsAreWhereTheCrossReferenceStreamSays) {
    const std::string bytes = PdfDocument(TwoPages(), Info());
    EXPECT_EQ(bytes.substr(0, 9), "%PDF-1.5\n");
    PdfReader pdf(bytes);
    ASSERT_NO_FATAL_FAILURE(pdf.ReadXref());
    for (std::size_t n = 1; n <= pdf.locations.size(); ++n) pdf.Object(n);
    const std::size_t objectStream = pdf.Find("/Type /ObjStm");
    ASSERT_NE(objectStream, 0u);
    EXPECT_NE(pdf.Object(objectStream).dictionary.find("/FlateDecode"), std::string::npos);

    const std::size_t catalog = pdf.Find("/Type /Catalog");
    ASSERT_NE(catalog, 0u);
    EXPECT_NE(pdf.trailer.find("/Root " + std::to_string(catalog) + " 0 R"), std::string::npos);
    EXPECT_NE(pdf.Find("/Count 2"), 0u);

    const std::size_t info = pdf.Find("/Title (Zandor)");
    ASSERT_NE(info, 0u);
    EXPECT_NE(pdf.trailer.find("/Info " + std::to_string(info) + " 0 R"), std::string::npos);
    const std::string infoText = pdf.Object(info).dictionary;
    EXPECT_NE(infoText.find("/Creator (Zandor - Programming- and Documentation Tool)"), std::string::npos);
    EXPECT_TRUE(std::regex_search(infoText, std::regex("/CreationDate \\(D:200603\\d{8}\\)")));

    const std::string font = pdf.Object(pdf.Find("/BaseFont /Arial ")).dictionary;
    EXPECT_NE(font.find("/Subtype /Type1"), std::string::npos);
    EXPECT_NE(font.find("/Encoding /WinAnsiEncoding"), std::string::npos);
    EXPECT_EQ(font.find("/FontFile"), std::string::npos);
    EXPECT_NE(pdf.Find("/BaseFont /Arial,Bold"), 0u);  // page 2 asks for the bold face

    // A document without bold text carries the regular font only.
    std::vector<PageDescription> regular(1);
    regular[0].Text(61, 37, "Regular", {}, 0);
    EXPECT_EQ(PdfDocument(regular, Info()).find("Arial,Bold"), std::string::npos);
}

// The widths a face's /Widths array gives the bytes 32..255.
std::vector<int> FontWidths(const PdfReader& pdf, const std::string& baseFont) {
    const std::string font = pdf.Object(pdf.Find("/BaseFont /" + baseFont + " ")).dictionary;
    std::istringstream array(pdf.Object(Entry(font, "/Widths")).dictionary);
    array.ignore(1);  // [
    std::vector<int> widths;
    for (int w; array >> w;) widths.push_back(w);
    return widths;
}

TEST(PdfWriterTest, EveryShownByteKeepsItsWidthInItsFace) {
    PdfReader pdf(PdfDocument(TwoPages(), Info()));
    ASSERT_NO_FATAL_FAILURE(pdf.ReadXref());
    const std::vector<int> regular = FontWidths(pdf, "Arial"), bold = FontWidths(pdf, "Arial,Bold");
    ASSERT_EQ(regular.size(), 224u);
    ASSERT_EQ(bold.size(), 224u);
    const auto width = [](const std::vector<int>& widths, unsigned char byte) { return widths[byte - 32]; };
    // shown in the regular face: "Parameter row", "(paren) back\slash ÄÖü€"
    EXPECT_EQ(width(regular, 'P'), 667);
    EXPECT_EQ(width(regular, ' '), 278);
    EXPECT_EQ(width(regular, 0xC4), 667);  // Ä
    EXPECT_EQ(width(regular, 0x80), 556);  // €
    EXPECT_EQ(width(bold, 'S'), 667);      // "Second page" in bold
    EXPECT_EQ(width(bold, 'g'), 611);
    // a byte no page shows in a face is never measured there
    EXPECT_EQ(width(regular, 'S'), 0);
    EXPECT_EQ(width(bold, 'P'), 0);
}

TEST(PdfWriterTest, PageContentInPdfCoordinatesCompressedWhereItPays) {
    PdfReader pdf(PdfDocument(TwoPages(), Info()));
    ASSERT_NO_FATAL_FAILURE(pdf.ReadXref());
    const std::vector<PdfObject> contents = pdf.Contents();
    ASSERT_EQ(contents.size(), 2u);
    EXPECT_NE(contents[0].dictionary.find("/FlateDecode"), std::string::npos);
    EXPECT_EQ(contents[1].dictionary.find("/FlateDecode"), std::string::npos);  // too short to gain

    const std::string& first = contents[0].stream;
    // top left (61, 37) of an 8-point text: baseline 0.85 * 8 below, y from the bottom of the page
    EXPECT_NE(first.find("BT\n/F1 8 Tf\n61 798.2 Td(\\(paren\\) back\\\\slash \xC4\xD6\xFC\x80)Tj\n"),
              std::string::npos)
        << first.substr(0, 200);
    // the next text moves from there
    EXPECT_NE(first.find("/F1 10 Tf\n0 -64.7 Td(Parameter row 0)Tj\n0 -13 Td(Parameter row 1)Tj"), std::string::npos);
    EXPECT_NE(first.find("61 792.5 m 552 792.5 l S"), std::string::npos);
    EXPECT_NE(first.find("0.75 0.75 0.75 rg\n61 752 491 18 re f"), std::string::npos);
    EXPECT_EQ(contents[1].stream, "BT\n/F2 12 Tf\n71 757.8 Td(Second page)Tj\nET\n");
}

// Three report pages: the same header and footer on each with the page number between them, and a silver
// bar, alike on every page, drawn over each page's own first line.
std::vector<PageDescription> BandedPages() {
    std::vector<PageDescription> pages(3);
    const CanvasFont small{"Arial", 8, false};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        PageDescription& page = pages[i];
        page.Text(61, 37, "Program name", small, 0);
        page.Text(500, 37, "Page " + std::to_string(i + 1), small, 0);
        page.Line(61, 49.5, 552, 49.5, 0, 1);
        page.Text(61, 100, "Content of page " + std::to_string(i + 1), {}, 0);
        page.Fill(55, 95, 200, 20, 0xC0C0C0);
        page.Text(61, 792, "Footer", small, 0);
    }
    pages[2].Text(61, 130, "Last words", {}, 0);
    return pages;
}

TEST(PdfWriterTest, WhatEveryPageDrawsAlikeIsOneFormPlacedOnEachPage) {
    PdfReader pdf(PdfDocument(BandedPages(), Info()));
    ASSERT_NO_FATAL_FAILURE(pdf.ReadXref());
    const std::size_t form = pdf.Find("/Subtype /Form");
    ASSERT_NE(form, 0u);
    EXPECT_NE(pdf.Find("/XObject << /B " + std::to_string(form) + " 0 R >>"), 0u);
    const std::string band = pdf.Object(form).stream;
    EXPECT_EQ(band, "BT\n/F1 8 Tf\n61 798.2 Td(Program name)Tj\nET\n61 792.5 m 552 792.5 l S\n"
                    "BT\n61 43.2 Td(Footer)Tj\nET\n");

    const std::vector<PdfObject> contents = pdf.Contents();
    ASSERT_EQ(contents.size(), 3u);
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const std::string& page = contents[i].stream;
        SCOPED_TRACE(page);
        // the form first, then the page's own drawing from the initial state: the font is set again
        EXPECT_EQ(page.rfind("/B Do\nBT\n/F1 8 Tf\n", 0), 0u);
        EXPECT_NE(page.find("(Page " + std::to_string(i + 1) + ")Tj"), std::string::npos);
        EXPECT_EQ(page.find("Program name"), std::string::npos);
        EXPECT_EQ(page.find("Footer"), std::string::npos);
        // the bar, though alike everywhere, is painted over the page's own text and so stays after it
        ASSERT_NE(page.find("re f"), std::string::npos);
        EXPECT_LT(page.find("(Content of page"), page.find("re f"));
    }
    EXPECT_NE(contents[2].stream.find("(Last words)Tj"), std::string::npos);

    // Nothing is shared when the pages have nothing alike or there is one page.
    EXPECT_EQ(PdfDocument(TwoPages(), Info()).find("/Form"), std::string::npos);
    std::vector<PageDescription> single = BandedPages();
    single.resize(1);
    EXPECT_EQ(PdfDocument(single, Info()).find("/Form"), std::string::npos);
}

TEST(PdfWriterTest, ViewerReadsTheFileAndAnUnwritableFileIsReported) {
    test::TempDir dir;
    const std::string path = dir.file("report.pdf");
    std::string error;
    ASSERT_TRUE(WritePdfFile(path, TwoPages(), Info(), error)) << error;
    EXPECT_FALSE(WritePdfFile(dir.file("missing/report.pdf"), TwoPages(), Info(), error));
    EXPECT_NE(error.find("missing/report.pdf"), std::string::npos);

    const std::string tools = Shell("command -v pdftotext; command -v qpdf");
    if (tools.find("pdftotext") == std::string::npos || tools.find("qpdf") == std::string::npos)
        GTEST_SKIP() << "poppler-utils or qpdf missing";
    const std::string text = Shell("pdftotext -layout '" + path + "' -");
    EXPECT_NE(text.find("(paren) back\\slash ÄÖü€"), std::string::npos) << text;
    EXPECT_LT(text.find("Parameter row 0"), text.find("Parameter row 39"));
    EXPECT_NE(text.find("Second page"), std::string::npos);
    EXPECT_NE(Shell("pdfinfo '" + path + "'").find("A4"), std::string::npos);
    EXPECT_EQ(Shell("qpdf --check '" + path + "' >/dev/null 2>&1").find("exit status"), std::string::npos);

    // Every page shows the shared header and footer with its own texts.
    const std::string banded = dir.file("banded.pdf");
    ASSERT_TRUE(WritePdfFile(banded, BandedPages(), Info(), error)) << error;
    EXPECT_EQ(Shell("qpdf --check '" + banded + "' >/dev/null 2>&1").find("exit status"), std::string::npos);
    for (int page = 1; page <= 3; ++page) {
        const std::string n = std::to_string(page);
        const std::string shown = Shell("pdftotext -f " + n + " -l " + n + " '" + banded + "' -");
        for (const std::string& wanted : {std::string("Program name"), "Page " + n, "Content of page " + n, std::string("Footer")})
            EXPECT_NE(shown.find(wanted), std::string::npos) << "page " << n << ": " << shown;
    }
}

}  // namespace
}  // namespace tessalin

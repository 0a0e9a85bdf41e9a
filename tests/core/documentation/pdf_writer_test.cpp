#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <regex>

#include "core/documentation/pdf_writer.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

struct PdfObject {
    std::string dictionary;
    std::string stream;  // inflated when it was deflated
};

// Reads a PDF through its cross-reference table: every object found where its offset says.
class PdfReader {
public:
    explicit PdfReader(std::string bytes) : bytes_(std::move(bytes)) {}

    // The offsets of objects 1.. from the table; fails the test when the table is malformed.
    void ReadXref() {
        const std::size_t start = bytes_.rfind("startxref\n");
        ASSERT_NE(start, std::string::npos);
        const std::size_t xref = std::stoul(bytes_.substr(start + 10));
        ASSERT_EQ(bytes_.compare(xref, 5, "xref\n"), 0);
        std::size_t pos = xref + 5;
        ASSERT_EQ(bytes_.compare(pos, 2, "0 "), 0);
        const std::size_t count = std::stoul(bytes_.substr(pos + 2));
        pos = bytes_.find('\n', pos) + 1;
        ASSERT_EQ(bytes_.substr(pos, 20), "0000000000 65535 f \n");
        for (std::size_t i = 1; i < count; ++i) {
            const std::string entry = bytes_.substr(pos + 20 * i, 20);
            ASSERT_TRUE(std::regex_match(entry, std::regex("\\d{10} 00000 n \n"))) << entry;
            offsets.push_back(std::stoul(entry.substr(0, 10)));
        }
        trailer = bytes_.substr(pos + 20 * count);
    }

    PdfObject Object(std::size_t number) const {
        const std::size_t at = offsets.at(number - 1);
        const std::string head = std::to_string(number) + " 0 obj\n";
        EXPECT_EQ(bytes_.compare(at, head.size(), head), 0) << "object " << number;
        const std::size_t end = bytes_.find("\nendobj", at);
        const std::string body = bytes_.substr(at + head.size(), end - at - head.size());
        PdfObject obj;
        const std::size_t stream = body.find(">>\nstream\n");
        obj.dictionary = body.substr(0, stream == std::string::npos ? body.size() : stream + 2);
        if (stream == std::string::npos) return obj;
        const std::size_t length = std::stoul(body.substr(body.find("/Length ") + 8));
        std::string data = body.substr(stream + 10, length);
        EXPECT_EQ(body.substr(stream + 10 + length), "\nendstream");
        if (obj.dictionary.find("/FlateDecode") != std::string::npos) {
            std::string out(1 << 20, '\0');
            uLongf size = out.size();
            EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                                 reinterpret_cast<const Bytef*>(data.data()), data.size()),
                      Z_OK);
            data = out.substr(0, size);
        }
        obj.stream = data;
        return obj;
    }

    // The first object whose dictionary contains `text`, 0 when none.
    std::size_t Find(const std::string& text) const {
        for (std::size_t n = 1; n <= offsets.size(); ++n)
            if (Object(n).dictionary.find(text) != std::string::npos) return n;
        return 0;
    }

    std::vector<std::size_t> offsets;
    std::string trailer;

private:
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

TEST(PdfWriterTest, ObjectsAreWhereTheCrossReferenceTableSays) {
    PdfReader pdf(PdfDocument(TwoPages(), Info()));
    ASSERT_NO_FATAL_FAILURE(pdf.ReadXref());
    for (std::size_t n = 1; n <= pdf.offsets.size(); ++n) pdf.Object(n);

    EXPECT_NE(pdf.trailer.find("/Size " + std::to_string(pdf.offsets.size() + 1)), std::string::npos);
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

TEST(PdfWriterTest, PageContentInPdfCoordinatesCompressedWhereItPays) {
    PdfReader pdf(PdfDocument(TwoPages(), Info()));
    ASSERT_NO_FATAL_FAILURE(pdf.ReadXref());
    std::vector<PdfObject> contents;
    for (std::size_t n = 1; n <= pdf.offsets.size(); ++n) {
        PdfObject obj = pdf.Object(n);
        if (obj.dictionary.find("/Length") != std::string::npos) contents.push_back(obj);
    }
    ASSERT_EQ(contents.size(), 2u);
    EXPECT_NE(contents[0].dictionary.find("/FlateDecode"), std::string::npos);
    EXPECT_EQ(contents[1].dictionary.find("/FlateDecode"), std::string::npos);  // too short to gain

    const std::string& first = contents[0].stream;
    // top left (61, 37) of an 8-point text: baseline 0.85 * 8 below, y from the bottom of the page
    EXPECT_NE(first.find("BT\n/F1 8 Tf\n61 798.2 Td (\\(paren\\) back\\\\slash \\304\\326\\374\\200) Tj\n"),
              std::string::npos)
        << first.substr(0, 200);
    // the next text moves from there
    EXPECT_NE(first.find("/F1 10 Tf\n0 -64.7 Td (Parameter row 0) Tj\n0 -13 Td (Parameter row 1) Tj"), std::string::npos);
    EXPECT_NE(first.find("61 792.5 m 552 792.5 l S"), std::string::npos);
    EXPECT_NE(first.find("0.75 0.75 0.75 rg\n61 752 491 18 re f"), std::string::npos);
    EXPECT_EQ(contents[1].stream, "BT\n/F2 12 Tf\n71 757.8 Td (Second page) Tj\nET\n");
}

std::string Shell(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        while (std::size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
        if (pclose(p) != 0) out += "\n<exit status not 0>";
    }
    return out;
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
}

}  // namespace
}  // namespace tessalin

#include "core/documentation/pdf_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "core/common/texts.h"
#include "core/documentation/font_metrics.h"
#include "core/files/safe_write.h"

namespace tessalin {

namespace {

// Object numbers of the objects every document has; the bold font's objects (when a page uses it) and
// the pages follow, each page a page object and its content stream.
enum FixedObject : int { kCatalog = 1, kPages, kInfo, kResources, kFontRegular, kWidthsRegular, kDescriptorRegular };

// A number with at most two decimals and no trailing zeros.
std::string Num(double v) {
    if (std::fabs(v) < 0.005) return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string Colour(uint32_t rgb) {
    return Num(((rgb >> 16) & 0xFF) / 255.0) + " " + Num(((rgb >> 8) & 0xFF) / 255.0) + " " + Num((rgb & 0xFF) / 255.0);
}

// A literal string of Windows-1252 bytes; delimiters, backslashes and control bytes are escaped (a line
// end inside a string would be read back as a plain line feed), letters beyond ASCII are written as they
// are.
std::string PdfString(std::string_view bytes) {
    std::string out = "(";
    for (unsigned char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 32 || c == 127) {
            char esc[5];
            std::snprintf(esc, sizeof esc, "\\%03o", c);
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + ")";
}

std::string PdfDate(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char text[24];
    std::strftime(text, sizeof text, "D:%Y%m%d%H%M%S", &local);
    return text;
}

// The bytes that the pages show in each face of the font, marked as their texts are written.
struct ShownBytes {
    std::array<bool, 256> regular{};
    std::array<bool, 256> bold{};
};

// The drawing operators of one page or form; PDF's y runs upwards from the bottom edge. Consecutive texts
// share one text object and move relative to each other, which makes the stream compress well. The state
// tracked starts as PDF's initial graphics state.
class ContentStream {
public:
    explicit ContentStream(ShownBytes& shown, std::string start = {}) : out_(std::move(start)), shown_(shown) {}

    void Add(const DrawCommand& c) {
        if (c.kind != DrawCommand::Kind::Text) EndText();
        switch (c.kind) {
            case DrawCommand::Kind::Text: Text(c); break;
            case DrawCommand::Kind::Line:
                Stroke(c.colour, c.lineWidth);
                out_ += Num(c.x) + " " + Num(Y(c.y)) + " m " + Num(c.x2) + " " + Num(Y(c.y2)) + " l S\n";
                break;
            case DrawCommand::Kind::Rectangle:
                Stroke(c.colour, 1);
                out_ += Num(c.x) + " " + Num(Y(c.y + c.y2)) + " " + Num(c.x2) + " " + Num(c.y2) + " re S\n";
                break;
            case DrawCommand::Kind::Fill:
                FillColour(c.colour);
                out_ += Num(c.x) + " " + Num(Y(c.y + c.y2)) + " " + Num(c.x2) + " " + Num(c.y2) + " re f\n";
                break;
        }
    }

    std::string Finish() {
        EndText();
        return std::move(out_);
    }

private:
    static double Y(double top) { return kA4Height - top; }
    static double Rounded(double v) { return std::round(v * 100) / 100; }

    void Text(const DrawCommand& c) {
        const std::string bytes = Utf8ToCp1252(c.text);
        if (bytes.empty()) return;
        std::array<bool, 256>& shown = c.font.bold ? shown_.bold : shown_.regular;
        for (unsigned char byte : bytes) shown[byte] = true;
        if (!inText_) {
            out_ += "BT\n";
            inText_ = true;
            lineX_ = lineY_ = 0;
        }
        FillColour(c.colour);
        // The text state outlives the text object: the font is set only when it changes.
        const std::string font = std::string(c.font.bold ? "/F2 " : "/F1 ") + Num(c.font.size) + " Tf\n";
        if (font != font_) {
            font_ = font;
            out_ += font;
        }
        // The text's top left is given; its baseline lies 0.85 of the font size below.
        const double x = Rounded(c.x), y = Rounded(Y(c.y + 0.85 * c.font.size));
        out_ += Num(x - lineX_) + " " + Num(y - lineY_) + " Td" + PdfString(bytes) + "Tj\n";
        lineX_ = x;
        lineY_ = y;
    }

    void EndText() {
        if (!inText_) return;
        out_ += "ET\n";
        inText_ = false;
    }

    void FillColour(uint32_t rgb) {
        if (rgb == fill_) return;
        fill_ = rgb;
        out_ += Colour(rgb) + " rg\n";
    }

    void Stroke(uint32_t rgb, double width) {
        if (rgb != stroke_) {
            stroke_ = rgb;
            out_ += Colour(rgb) + " RG\n";
        }
        if (width != lineWidth_) {
            lineWidth_ = width;
            out_ += Num(width) + " w\n";
        }
    }

    std::string out_;
    ShownBytes& shown_;
    uint32_t fill_ = 0;    // PDF starts with black
    uint32_t stroke_ = 0;
    double lineWidth_ = 1;
    bool inText_ = false;
    std::string font_;
    double lineX_ = 0;     // where the current text line starts, in the text object
    double lineY_ = 0;
};

// Compresses the content streams of one document with one deflate state, set up once: its buffers are
// large, and allocating them for every page would cost more than the compression.
class Deflater {
public:
    Deflater() { ok_ = deflateInit(&z_, Z_BEST_COMPRESSION) == Z_OK; }
    ~Deflater() {
        if (ok_) deflateEnd(&z_);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // The deflated data, or false when deflating fails.
    bool Deflate(const std::string& data, std::string& out) {
        if (!ok_ || deflateReset(&z_) != Z_OK) return false;
        out.resize(deflateBound(&z_, static_cast<uLong>(data.size())));
        z_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        z_.avail_in = static_cast<uInt>(data.size());
        z_.next_out = reinterpret_cast<Bytef*>(out.data());
        z_.avail_out = static_cast<uInt>(out.size());
        if (deflate(&z_, Z_FINISH) != Z_STREAM_END) return false;
        out.resize(z_.total_out);
        return true;
    }

private:
    z_stream z_{};
    bool ok_ = false;
};

// The dictionary entries and data of a stream object, deflated when that makes it smaller.
std::string StreamBody(const std::string& entries, const std::string& data, Deflater& deflater) {
    std::string packed;
    const bool deflated = deflater.Deflate(data, packed) && packed.size() + 20 < data.size();
    const std::string& body = deflated ? packed : data;
    return "<<" + entries + "/Length " + std::to_string(body.size()) + (deflated ? "/Filter/FlateDecode" : "") +
           ">>stream\n" + body + "\nendstream";
}

// The widths of the bytes 32..255. A byte no page shows in this face is never measured by a viewer; its
// width is written as 0, which packs far better than the font's real width.
std::string Widths(bool bold, const std::array<bool, 256>& shown) {
    std::string out = "[";
    const auto& widths = SansWidths(bold);
    for (std::size_t i = 0; i < widths.size(); ++i)
        out += (i % 16 == 0 ? "\n" : " ") + std::to_string(shown[32 + i] ? widths[i] : 0);
    return out + "\n]";
}

std::string Font(const char* name, int widths, int descriptor) {
    return "<< /Type /Font /Subtype /Type1 /BaseFont /" + std::string(name) +
           " /Encoding /WinAnsiEncoding /FirstChar 32 /LastChar 255 /Widths " + std::to_string(widths) +
           " 0 R /FontDescriptor " + std::to_string(descriptor) + " 0 R >>";
}


std::string Descriptor(const char* name, bool bold) {
    return "<< /Type /FontDescriptor /FontName /" + std::string(name) +
           " /Flags 32 /FontBBox [-665 -325 2000 1006] /ItalicAngle 0 /Ascent 905 /Descent -212 /CapHeight 716"
           " /StemV " + (bold ? "153 /FontWeight 700" : std::string("80 /FontWeight 400")) + " >>";
}

// Big-endian bytes of a cross-reference stream field.
void AppendField(std::string& out, std::size_t value, int width) {
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

int FieldWidth(std::size_t largest) {
    int width = 1;
    while (width < 8 && (largest >> (8 * width)) != 0) ++width;
    return width;
}

// Writes the objects of a document: streams at the top level, every other object packed into one
// compressed object stream, and a compressed cross-reference stream at the end.
class ObjectWriter {
public:
    explicit ObjectWriter(Deflater& deflater) : deflater_(deflater) { out_ = "%PDF-1.5\n%\xE2\xE3\xCF\xD3\n"; }

    // A dictionary or an array, kept for the object stream.
    void Add(int number, const std::string& body) {
        Entry(number) = {2, 0, packed_.size()};
        packedHeader_ += std::to_string(number) + " " + std::to_string(packedBodies_.size()) + " ";
        packedBodies_ += body + "\n";
        packed_.push_back(number);
    }

    // A stream object with its dictionary entries (the length and filter are added).
    void AddStream(int number, const std::string& entries, const std::string& data) {
        Write(number, StreamBody(entries, data, deflater_));
    }

    std::string Finish(int root, int info) {
        const int objectStream = static_cast<int>(entries_.size());
        for (int number : packed_) entries_[number].field2 = objectStream;
        AddStream(objectStream,
                  " /Type /ObjStm /N " + std::to_string(packed_.size()) + " /First " +
                      std::to_string(packedHeader_.size()),
                  packedHeader_ + packedBodies_);

        const int xref = objectStream + 1;
        Entry(xref) = {1, out_.size(), 0};
        std::size_t largest2 = 0, largest3 = 0;
        for (const XrefEntry& e : entries_) {
            largest2 = std::max(largest2, e.field2);
            largest3 = std::max(largest3, e.field3);
        }
        const int w2 = FieldWidth(largest2), w3 = FieldWidth(largest3);
        std::string table;
        for (const XrefEntry& e : entries_) {
            table += static_cast<char>(e.type);
            AppendField(table, e.field2, w2);
            AppendField(table, e.field3, w3);
        }
        const std::size_t start = out_.size();
        Write(xref, StreamBody(" /Type /XRef /Size " + std::to_string(entries_.size()) + " /W [1 " +
                                   std::to_string(w2) + " " + std::to_string(w3) + "] /Root " +
                                   std::to_string(root) + " 0 R /Info " + std::to_string(info) + " 0 R",
                               table, deflater_));
        out_ += "startxref\n" + std::to_string(start) + "\n%%EOF\n";
        return std::move(out_);
    }

private:
    // Type 0: free; 1: at byte offset field2; 2: in object stream field2 at index field3.
    struct XrefEntry {
        int type = 0;
        std::size_t field2 = 0;
        std::size_t field3 = 0;
    };

    XrefEntry& Entry(int number) {
        if (entries_.size() < static_cast<std::size_t>(number) + 1) entries_.resize(number + 1);
        return entries_[number];
    }

    void Write(int number, const std::string& body) {
        Entry(number) = {1, out_.size(), 0};
        out_ += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }

    Deflater& deflater_;
    std::string out_;
    std::vector<XrefEntry> entries_{XrefEntry{}};
    std::vector<int> packed_;  // object numbers in the object stream, in order
    std::string packedHeader_;
    std::string packedBodies_;
};

// ---- the page band: what every page draws alike, written once as a form and placed on each page

bool Same(const DrawCommand& a, const DrawCommand& b) {
    return a.kind == b.kind && a.x == b.x && a.y == b.y && a.x2 == b.x2 && a.y2 == b.y2 && a.text == b.text &&
           a.font.family == b.font.family && a.font.size == b.font.size && a.font.bold == b.font.bold &&
           a.colour == b.colour && a.lineWidth == b.lineWidth;
}

// Where a command may put paint, in points from the top left, with room for the pen and the glyph outlines
// (the font box reaches 0.665 of the size left of a glyph, 2 to its right, 1.006 up and 0.325 down).
struct Box {
    double left, top, right, bottom;
    bool Meets(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

Box PaintBox(const DrawCommand& c) {
    constexpr double kMargin = 1;
    switch (c.kind) {
        case DrawCommand::Kind::Text: {
            const double s = c.font.size, baseline = c.y + 0.85 * s;
            const double width = SansTextWidth(Utf8ToCp1252(c.text), s, c.font.bold);
            return {c.x - 0.665 * s - kMargin, baseline - 1.006 * s - kMargin, c.x + width + 2 * s + kMargin,
                    baseline + 0.325 * s + kMargin};
        }
        case DrawCommand::Kind::Line: {
            const double pen = c.lineWidth + kMargin;
            return {std::min(c.x, c.x2) - pen, std::min(c.y, c.y2) - pen, std::max(c.x, c.x2) + pen,
                    std::max(c.y, c.y2) + pen};
        }
        case DrawCommand::Kind::Rectangle:
        case DrawCommand::Kind::Fill: break;
    }
    const double pen = (c.kind == DrawCommand::Kind::Rectangle ? 1 : 0) + kMargin;
    return {std::min(c.x, c.x + c.x2) - pen, std::min(c.y, c.y + c.y2) - pen, std::max(c.x, c.x + c.x2) + pen,
            std::max(c.y, c.y + c.y2) + pen};
}

// Marks the commands of the band: those at the same place in every page's list and alike on every page.
// The band is drawn before the rest of a page, so a command joins it only when no command of a page that
// precedes it and stays on the page can overlap it: the painting order where paint meets stays as it was.
// A single page has no band.
std::vector<bool> SharedBand(const std::vector<PageDescription>& pages) {
    if (pages.size() < 2) return {};
    std::size_t shortest = pages[0].Commands().size();
    for (const PageDescription& page : pages) shortest = std::min(shortest, page.Commands().size());
    std::vector<bool> band(shortest, false);
    std::size_t end = 0;  // after the last command alike on every page
    for (std::size_t i = 0; i < shortest; ++i) {
        const DrawCommand& c = pages[0].Commands()[i];
        bool alike = true;
        for (std::size_t p = 1; p < pages.size() && alike; ++p) alike = Same(pages[p].Commands()[i], c);
        band[i] = alike;
        if (alike) end = i + 1;
    }
    band.resize(end);
    std::vector<std::vector<Box>> staying(pages.size());  // per page, the boxes of earlier commands left out
    for (std::size_t i = 0; i < end; ++i) {
        if (band[i]) {
            const Box box = PaintBox(pages[0].Commands()[i]);
            for (const std::vector<Box>& boxes : staying)
                for (const Box& earlier : boxes) band[i] = band[i] && !box.Meets(earlier);
        }
        if (!band[i])
            for (std::size_t p = 0; p < pages.size(); ++p) staying[p].push_back(PaintBox(pages[p].Commands()[i]));
    }
    return band;
}

bool UsesBold(const std::vector<PageDescription>& pages) {
    for (const PageDescription& page : pages)
        for (const DrawCommand& c : page.Commands())
            if (c.kind == DrawCommand::Kind::Text && c.font.bold) return true;
    return false;
}

std::string Ref(int object) { return std::to_string(object) + " 0 R"; }

}  // namespace

std::string PdfDocument(const std::vector<PageDescription>& pages, const PdfInfo& info) {
    Deflater deflater;
    ObjectWriter w(deflater);
    const bool bold = UsesBold(pages);
    const int fontBold = kDescriptorRegular + 1;
    const std::vector<bool> band = SharedBand(pages);
    const bool hasBand = std::find(band.begin(), band.end(), true) != band.end();
    const int bandForm = bold ? fontBold + 3 : fontBold;
    const int firstPage = hasBand ? bandForm + 1 : bandForm;
    ShownBytes shown;  // filled as the content is written; the widths follow it

    w.Add(kCatalog, "<< /Type /Catalog /Pages " + Ref(kPages) + " >>");
    // Page size and resources are the same for every page and inherited from the page tree.
    std::string kids;
    for (std::size_t i = 0; i < pages.size(); ++i) kids += (i ? " " : "") + Ref(firstPage + 2 * static_cast<int>(i));
    w.Add(kPages, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) +
                      " /MediaBox [0 0 " + Num(kA4Width) + " " + Num(kA4Height) + "] /Resources " + Ref(kResources) +
                      " >>");
    w.Add(kInfo, "<< /Title " + PdfString(Utf8ToCp1252(info.title)) + " /Creator " +
                     PdfString(Utf8ToCp1252(info.creator)) + " /CreationDate " + PdfString(PdfDate(info.created)) +
                     " >>");
    w.Add(kResources, "<< /Font << /F1 " + Ref(kFontRegular) + (bold ? " /F2 " + Ref(fontBold) : std::string()) +
                          " >>" + (hasBand ? " /XObject << /B " + Ref(bandForm) + " >>" : std::string()) +
                          " >>");
    w.Add(kFontRegular, Font("Arial", kWidthsRegular, kDescriptorRegular));
    w.Add(kDescriptorRegular, Descriptor("Arial", false));
    if (bold) {
        w.Add(fontBold, Font("Arial,Bold", fontBold + 1, fontBold + 2));
        w.Add(fontBold + 2, Descriptor("Arial,Bold", true));
    }
    // The band's form paints in the page's coordinates; like every form it leaves the graphics state as
    // it found it, so each page's own drawing starts from the initial state after placing it.
    if (hasBand) {
        ContentStream form(shown);
        for (std::size_t i = 0; i < band.size(); ++i)
            if (band[i]) form.Add(pages[0].Commands()[i]);
        w.AddStream(bandForm, " /Type /XObject /Subtype /Form /BBox [0 0 " + Num(kA4Width) + " " + Num(kA4Height) +
                                  "] /Resources " + Ref(kResources),
                    form.Finish());
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int pageObject = firstPage + 2 * static_cast<int>(i);
        w.Add(pageObject, "<< /Type /Page /Parent " + Ref(kPages) + " /Contents " + Ref(pageObject + 1) + " >>");
        ContentStream content(shown, hasBand ? "/B Do\n" : "");
        const std::vector<DrawCommand>& commands = pages[i].Commands();
        for (std::size_t k = 0; k < commands.size(); ++k)
            if (k >= band.size() || !band[k]) content.Add(commands[k]);
        w.AddStream(pageObject + 1, "", content.Finish());
    }
    w.Add(kWidthsRegular, Widths(false, shown.regular));
    if (bold) w.Add(fontBold + 1, Widths(true, shown.bold));
    return w.Finish(kCatalog, kInfo);
}

bool WritePdfFile(const std::string& path, const std::vector<PageDescription>& pages, const PdfInfo& info,
                  std::string& error) {
    const WriteResult written = WriteFileSafely(path, PdfDocument(pages, info));
    if (!written.ok) error = written.describe();
    return written.ok;
}

}  // namespace tessalin

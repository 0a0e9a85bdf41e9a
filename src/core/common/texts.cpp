#include "core/common/texts.h"

#include <array>

#include "core/markup/markup_text.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0 where the byte is undefined.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Cuts out every section from `open` to the next `close`, both included; an unclosed section drops the
// rest of the text.
std::string CutSections(const std::string& text, std::string_view open, std::string_view close) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, from)) {
        out.append(text, from, at - from);
        const std::size_t end = text.find(close, at + open.size());
        if (end == std::string::npos) return out;
        from = end + close.size();
    }
    out.append(text, from);
    return out;
}

const char* LanguageString(const TextRecord* record, int part) {
    if (record == nullptr) return nullptr;
    return record->s[static_cast<std::size_t>(2 * CheckedDeviceLanguage() + part)];
}

}  // namespace

int CheckedDeviceLanguage() {
    const int language = Ws().DeviceLanguage;
    CheckIndex("device language", language, kDeviceLanguageCount);
    return language;
}

std::string EntryName(const TextRecord* record) {
    const char* s = LanguageString(record, 0);
    return s ? s : "";
}

std::string EntryList(const TextRecord* record) {
    const char* s = LanguageString(record, 1);
    return s ? s : "";
}

std::string LanguageText(std::span<const char* const, kDeviceLanguageCount> texts) {
    const char* s = texts[static_cast<std::size_t>(CheckedDeviceLanguage())];
    return s ? s : "";
}

std::string CatalogTextToPlain(std::string_view text) {
    // The hidden sections go first, while their tags are still there to find.
    const std::string shown = CutSections(CutSections(std::string(text), "<z>", "</z>"), "<Z>", "</Z>");
    const std::string s = MarkupToPlainText(shown);
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

std::string StripAccelerator(std::string_view caption) {
    std::string out(caption);
    const std::size_t at = out.find('&');
    if (at != std::string::npos) out.erase(at, 1);
    return out;
}

std::string DisplayText(std::span<const uint8_t> bytes) {
    std::string raw;
    for (uint8_t b : bytes) {
        if (b == 0) break;
        raw.push_back(b == 0xB7 ? ' ' : static_cast<char>(b));
    }
    const std::size_t first = raw.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = raw.find_last_not_of(' ');
    return Cp1252ToUtf8(std::string_view(raw).substr(first, last - first + 1));
}

std::string DisplayText(const uint8_t* bytes, std::size_t count) {
    if (bytes == nullptr) return {};
    return DisplayText(std::span<const uint8_t>(bytes, count));
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<uint8_t>(ch);
        if (b >= 0x80 && b < 0xA0)
            AppendUtf8(out, kHigh[b - 0x80] ? kHigh[b - 0x80] : U'\uFFFD');
        else
            AppendUtf8(out, b);
    }
    return out;
}

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<uint8_t>(text[pos++]);
    if (lead < 0x80) return lead;
    int more = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3;
        c = lead & 0x07;
    } else {
        return U'\uFFFD';
    }
    for (int i = 0; i < more; ++i) {
        if (pos >= text.size() || (static_cast<uint8_t>(text[pos]) & 0xC0) != 0x80) return U'\uFFFD';
        c = (c << 6) | (static_cast<uint8_t>(text[pos++]) & 0x3F);
    }
    return c;
}

int Cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] != 0 && kHigh[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const int b = Cp1252Byte(NextCodePoint(text, pos));
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

}  // namespace tessalin

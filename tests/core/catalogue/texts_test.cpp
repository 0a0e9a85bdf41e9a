#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "core/common/texts.h"
#include "core/workspace.h"
#include "support/text_checks.h"
#include "support/text_records.h"

namespace tessalin {
namespace {

constexpr TextRecord kSwitch{{"Schalter", "1|Aus|2|Ein", "Switch", "1|Off|2|On", "Commutateur", "1|Arrêt|2|Marche",
                              "Interruttore", "1|Off|2|On", "Brytare", "1|Från|2|Till", "Interruptor",
                              "1|Apagado|2|Encendido", "", nullptr}};

TEST(DeviceTexts, LookupByDeviceLanguageWithoutFallback) {
    ResetWorkspace();
    struct Case {
        int language;
        const char* name;
        const char* list;
    };
    const Case cases[] = {
        {0, "Schalter", "1|Aus|2|Ein"},          {1, "Switch", "1|Off|2|On"},
        {2, "Commutateur", "1|Arrêt|2|Marche"}, {4, "Brytare", "1|Från|2|Till"},
        {6, "", ""},  // an empty or absent string stays empty: no other language stands in
    };
    for (const Case& c : cases) {
        Ws().DeviceLanguage = c.language;
        EXPECT_EQ(EntryName(&kSwitch), c.name);
        EXPECT_EQ(EntryList(&kSwitch), c.list);
    }
    EXPECT_EQ(EntryName(nullptr), "");
    EXPECT_EQ(EntryList(nullptr), "");
    Ws().DeviceLanguage = 7;
    EXPECT_THROW(EntryName(&kSwitch), RangeError);
    ResetWorkspace();
}

TEST(DeviceTexts, CatalogTextToPlain) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"Output<BR>current", "Output\r\ncurrent"},
        {"a<br>b<Hr>c", "a\r\nb\r\nc"},
        {"<img src=5><b>pH module</b><z> [I] hidden</z>", "pH module"},
        {"<b>Cond</b><Z>more</Z> tail", "Cond tail"},
        {"<font color=\"#FF8000\">Operating mode</font>", "Operating mode"},
        {"   leading", "leading"},
        {"TAG<12", "TAG<12"},             // a "<" without ">" is text
        {"keep<z>never closed", "keep"},  // an unclosed hidden section ends the text
        {"A<z>x</z>B<z>y", "AB"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CatalogTextToPlain(c.in), c.out) << c.in;
}

TEST(DeviceTexts, AcceleratorsAndFixedTextDisplay) {
    EXPECT_EQ(StripAccelerator("&Datei"), "Datei");
    EXPECT_EQ(StripAccelerator("Save && &exit"), "Save & &exit");
    EXPECT_EQ(StripAccelerator("none"), "none");

    const uint8_t bytes[] = {0xB7, 'T', 'A', 'N', 'K', 0xB7, '1', 0xB7, 0xB7, 0xE4};
    EXPECT_EQ(DisplayText(bytes, 9), "TANK 1");
    EXPECT_EQ(DisplayText(bytes, 10), "TANK 1  ä");
    const uint8_t stop[] = {'A', 0, 'B'};
    EXPECT_EQ(DisplayText(stop, 3), "A");
    EXPECT_EQ(DisplayText(nullptr, 4), "");
}

TEST(DeviceTexts, Windows1252RoundTrip) {
    EXPECT_EQ(Cp1252ToUtf8("\xB5S/cm \xB0" "C \x80 \xB7"), "µS/cm °C € ·");
    EXPECT_EQ(Utf8ToCp1252("µS/cm °C € ·"), "\xB5S/cm \xB0" "C \x80 \xB7");
    EXPECT_EQ(Utf8ToCp1252("Ω"), "?");
    for (int b = 1; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;  // undefined bytes
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
    }
}

std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
    return count;
}

// Every device text of every family, the Purgon controller and the process-variable catalogue.
const std::vector<test::DeviceText>& DeviceTexts() {
    static const std::vector<test::DeviceText> texts = test::AllDeviceTexts();
    return texts;
}

TEST(DeviceTexts, EveryCharacterLiesInTheAnalysersCodePage) {
    ASSERT_GT(DeviceTexts().size(), 1500u);
    for (const test::DeviceText& text : DeviceTexts()) {
        for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
            const std::string& s = text.text[lang];
            for (std::size_t pos = 0; pos < s.size();) {
                const char32_t c = NextCodePoint(s, pos);
                EXPECT_GE(Cp1252Byte(c), 0) << text.where << " " << test::kLanguageTags[lang] << ": " << s;
            }
        }
    }
}

// One term per concept: texts that read the same in German and English read the same in every other
// language too, whether they are a title, a label, a list item or a process-variable name.
TEST(DeviceTexts, SameGermanAndEnglishTextIsTranslatedAlikeEverywhere) {
    std::map<std::pair<std::string, std::string>, const test::DeviceText*> first;
    for (const test::DeviceText& text : DeviceTexts()) {
        if (text.text[0].empty() && text.text[1].empty()) continue;
        const auto [it, inserted] = first.try_emplace({text.text[0], text.text[1]}, &text);
        if (inserted) continue;
        for (int lang = 2; lang < kDeviceLanguageCount; ++lang) {
            EXPECT_EQ(text.text[lang], it->second->text[lang])
                << "\"" << text.text[0] << "\" in " << test::kLanguageTags[lang] << ": " << text.where << " against "
                << it->second->where;
        }
    }
}

// A translation stays within a few characters of the longer of its German and English text, as the
// analyser's display and the page's label column allow.
TEST(DeviceTexts, TranslationsAreAtMostFourCharactersLongerThanGermanOrEnglish) {
    constexpr std::size_t kSlack = 4;
    for (const test::DeviceText& text : DeviceTexts()) {
        const std::size_t limit =
            std::max(CodePoints(CatalogTextToPlain(text.text[0])), CodePoints(CatalogTextToPlain(text.text[1]))) +
            kSlack;
        for (int lang = 2; lang < kDeviceLanguageCount; ++lang) {
            EXPECT_LE(CodePoints(CatalogTextToPlain(text.text[lang])), limit)
                << text.where << " " << test::kLanguageTags[lang] << ": \"" << text.text[lang] << "\" against \""
                << text.text[1] << "\"";
        }
    }
}

}  // namespace
}  // namespace tessalin

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <utility>

#include "core/common/texts.h"
#include "core/find/find.h"
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

constexpr int kFr = 2, kIt = 3, kSv = 4, kEs = 5, kPt = 6;

// One term per concept: texts that read the same in German and English read the same in every other
// language too, whether they are a title, a label, a list item, a process-variable name, a unit or a
// module description. The one text the analyser itself gives otherwise stays as it is: value type 73's
// unit reads "%Luft" in Swedish, where every other "%Air" stays "%Air".
TEST(DeviceTexts, SameGermanAndEnglishTextIsTranslatedAlikeEverywhere) {
    std::map<std::pair<std::string, std::string>, const test::DeviceText*> first;
    for (const test::DeviceText& text : DeviceTexts()) {
        if (text.text[0].empty() && text.text[1].empty()) continue;
        const auto [it, inserted] = first.try_emplace({text.text[0], text.text[1]}, &text);
        if (inserted) continue;
        for (int lang = 2; lang < kDeviceLanguageCount; ++lang) {
            if (text.text[0] == "%Air" && lang == kSv) continue;
            EXPECT_EQ(text.text[lang], it->second->text[lang])
                << "\"" << text.text[0] << "\" in " << test::kLanguageTags[lang] << ": " << text.where << " against "
                << it->second->where;
        }
    }
}

// A translation stays within a few characters of the longer of its German and English text, as the
// analyser's display and the page's label column allow. The tool's own words (the hardware description,
// the option names, the documentation) stand in columns of their own and are not held to it.
TEST(DeviceTexts, TranslationsAreAtMostFourCharactersLongerThanGermanOrEnglish) {
    constexpr std::size_t kSlack = 4;
    for (const test::DeviceText& text : DeviceTexts()) {
        if (!text.onDisplay) continue;
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

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The settled terms: per language one word for a concept, in every family and every shape of text. A text
// whose German holds `german` (letter case aside) says `settled` (letter case and accents aside) and none
// of the rejected variants, which are the other words once used for it or words that mean something
// else; with `german` "" no text of the language says a rejected variant.
struct SettledTerm {
    int language;
    const char* german;
    const char* settled;
    std::vector<const char*> rejected;
};

const std::vector<SettledTerm>& Glossary() {
    static const std::vector<SettledTerm> terms = {
        {kFr, "verhalten", "Comportement", {"Réaction"}},
        {kFr, "wartungsbedarf", "Maintenance", {"Besoin de maintenance"}},
        {kFr, "-el", "él.", {"électr.", "Électr."}},
        {kFr, "kein modul", "Aucun module", {"Pas de module"}},
        {kFr, "goto", "Saut", {"Aller à ligne", "Aller à la ligne"}},
        {kFr, "(intern)", "(internes)", {"(interne)"}},
        {kIt, "verhalten", "Comportamento", {"Reazione"}},
        {kIt, "wartungsbedarf", "Manutenzione", {"Richiesta manutenzione"}},
        {kIt, "abweichung", "Scostamento", {"Deviazione"}},
        {kIt, "-el", "el.", {"elettr.", "Elettr."}},
        {kIt, "kein modul", "Nessun modulo", {"Nessuna modulo"}},
        {kIt, "schutzring", "anello prot.", {"guardia"}},
        {kIt, "alkalisierung andere", "altra", {"Alcalinizzazione altro"}},
        {kIt, "", "Service", {"Assistenza"}},  // the service program and position, not customer support
        {kSv, "", "Avskiljning", {"Avvisning"}},
        {kSv, "parametersatz", "Parametersats", {"Parameterset", "Parameteruppsättning"}},
        {kSv, "parametersätze", "Parametersatser", {"Parameterset", "Parameteruppsättning"}},
        {kSv, "", "Övriga", {"Andra"}},
        {kSv, "", "Kal-", {"Kal.", "Kal "}},
        {kSv, "korrektur", "korrektion", {"korr.", "kompensering"}},
        {kSv, "kompensation", "kompensering", {"korrektion"}},
        {kSv, "bürde", "Last", {"Börd"}},  // "börd" is birth
        {kSv, "parken", "Dra in", {"Parker"}},  // the probe's rest position, not parking
        {kSv, "matrix funktionssteuerung", "Funktionsstyrningsmatris", {"Matris funktionsstyrning"}},
        {kSv, "steuerung alarm", "Larmstyrning", {"Styrning larm"}},
        {kEs, "wartungsbedarf", "Mantenimiento", {"Requiere mantenimiento"}},
        {kEs, "-el", "el.", {"electr.", "Electr.", "eléctr."}},
        {kEs, "kein modul", "Ningún módulo", {"Sin módulo"}},
        {kEs, "kaltimer", "Tempor. cal", {"Temp. cal"}},  // "Temp." reads as temperature beside "°C"
        {kPt, "verhalten", "Comportamento", {"Reação"}},
        {kPt, "", "Relação", {"Razão"}},
        {kPt, "-el", "el.", {"eléctr.", "elétr.", "Elétr."}},
        {kPt, "kein modul", "Nenhum módulo", {"Sem módulo"}},
        {kPt, "kaltimer", "Tempor. cal", {"Temp. cal"}},
        {kPt, "", "Service", {"Assistência"}},
        {kPt, "spülwasser", "lavagem", {"enxágue"}},  // European Portuguese throughout
        {kPt, "spülzeit", "lavagem", {"enxágue"}},
    };
    return terms;
}

TEST(DeviceTexts, EachLanguageUsesItsSettledTerms) {
    for (const SettledTerm& term : Glossary()) {
        for (const test::DeviceText& text : DeviceTexts()) {
            const std::string& s = text.text[term.language];
            const bool anyText = *term.german == '\0';
            if (!anyText && !Contains(AsciiLower(text.text[0]), term.german)) continue;
            if (!anyText) {
                EXPECT_TRUE(Contains(FoldForSearch(s), FoldForSearch(term.settled)))
                    << text.where << " " << test::kLanguageTags[term.language] << ": \"" << s << "\" does not say \""
                    << term.settled << "\"";
            }
            for (const char* rejected : term.rejected) {
                EXPECT_FALSE(Contains(s, rejected)) << text.where << " " << test::kLanguageTags[term.language] << ": \""
                                                    << s << "\" says \"" << rejected << "\", not \"" << term.settled
                                                    << "\"";
            }
        }
    }
}

// Spanish and Portuguese ordinals carry their point: "1.º", "1.er", never "1º".
TEST(DeviceTexts, OrdinalsCarryTheirPoint) {
    for (const test::DeviceText& text : DeviceTexts()) {
        for (int lang : {kEs, kPt}) {
            const std::string& s = text.text[lang];
            for (const char* mark : {"º", "ª", "er "}) {
                for (std::size_t at = s.find(mark); at != std::string::npos; at = s.find(mark, at + 1)) {
                    EXPECT_FALSE(at > 0 && s[at - 1] >= '0' && s[at - 1] <= '9')
                        << text.where << " " << test::kLanguageTags[lang] << ": \"" << s << "\"";
                }
            }
        }
    }
}

// A note that refers to another page ("Umschaltung siehe", followed by the page) keeps each language's
// order: the word for "see" follows a colon or a comma ("Commutation : voir", "Para conmutación, ver"),
// it does not stand behind the subject as the German "siehe" does.
TEST(DeviceTexts, NotesReferToAnotherPageInEachLanguagesOrder) {
    int notes = 0;
    for (const test::DeviceText& text : DeviceTexts()) {
        if (!text.text[0].ends_with(" siehe")) continue;
        ++notes;
        for (int lang = 2; lang < kDeviceLanguageCount; ++lang) {
            const std::string& s = text.text[lang];
            const std::size_t blank = s.rfind(' ');
            EXPECT_TRUE(blank != std::string::npos && blank > 0 && (s[blank - 1] == ',' || s[blank - 1] == ':'))
                << text.where << " " << test::kLanguageTags[lang] << ": \"" << s << "\"";
        }
    }
    EXPECT_GE(notes, 2);
}

// An English text holds no German word: no umlaut or "ß", none of the German small words, no noun with a
// German ending ("-ung", "-keit", "-heit", "-schaft", "-atur").
TEST(DeviceTexts, EnglishTextsHoldNoGermanWords) {
    static const std::set<std::string> kGermanWords = {"und", "bei", "mit", "für", "nach", "siehe", "oder",
                                                       "ein", "aus", "der", "die", "das", "des", "dem",
                                                       "den", "von", "zur", "zum", "nicht", "wenn", "über"};
    static const char* const kGermanEndings[] = {"ung", "ungen", "keit", "heit", "schaft", "atur"};
    for (const test::DeviceText& text : DeviceTexts()) {
        const std::string& s = text.text[1];
        for (std::size_t pos = 0; pos < s.size();) {
            std::size_t end = pos;
            bool umlaut = false;
            while (end < s.size() && (std::isalpha(static_cast<unsigned char>(s[end])) || s[end] == '\xC3')) {
                if (s[end] == '\xC3' && end + 1 < s.size()) {
                    umlaut = umlaut || Contains("\x84\x96\x9C\xA4\xB6\xBC\x9F", std::string_view(&s[end + 1], 1));
                    ++end;
                }
                ++end;
            }
            const std::string word = AsciiLower(s.substr(pos, end - pos));
            bool german = umlaut || kGermanWords.count(word) > 0;
            for (const char* ending : kGermanEndings) german = german || (word.size() > 5 && word.ends_with(ending));
            EXPECT_FALSE(german) << text.where << ": \"" << s << "\" holds \"" << word << "\"";
            pos = end == pos ? pos + 1 : end;
        }
    }
}

}  // namespace
}  // namespace tessalin

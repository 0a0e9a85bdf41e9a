#pragma once
// Device texts in the seven device languages, looked up by DeviceLanguage without any fallback, the
// conversions of catalogue texts into plain text, and the Windows-1252 <-> UTF-8 edge for image bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/common/text_record.h"

namespace tessalin {

// One string per device language, in language order (unit texts, process-variable names).
using LanguageTexts = std::array<const char*, kDeviceLanguageCount>;

// The current device language, checked to lie in 0..6 (RangeError otherwise).
int CheckedDeviceLanguage();

// Name or list string of a record in the device language; an absent record or string gives "".
std::string EntryName(const TextRecord* record);
std::string EntryList(const TextRecord* record);

// The string of the device language from a seven-language set ("" when absent).
std::string LanguageText(std::span<const char* const, kDeviceLanguageCount> texts);

// Catalogue text -> plain text: <BR> and <HR> (any case) become CR LF, <z>..</z> and <Z>..</Z> sections
// are cut out, every other tag is removed, leading blanks go. Malformed markup ends the conversion
// without losing the text before it: an unclosed z-section drops the rest, a "<" without ">" keeps it.
std::string CatalogTextToPlain(std::string_view text);

// A caption without its first "&".
std::string StripAccelerator(std::string_view caption);

// Bytes of a fixed-length text field as plain text: 0xB7 becomes a blank, a zero byte ends the text,
// blanks are trimmed at both ends.
std::string DisplayText(std::span<const uint8_t> bytes);
std::string DisplayText(const uint8_t* bytes, std::size_t count);

// Image bytes (Windows-1252) -> UTF-8, and back. Characters that Windows-1252 cannot hold become '?'.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view text);

// One code point of a UTF-8 text starting at `pos` (advanced past it); malformed bytes give U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);
// The Windows-1252 byte of a code point, or -1 when there is none.
int Cp1252Byte(char32_t codePoint);
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace tessalin

#include "core/catalogue/fixed_text.h"

#include <vector>

#include "core/catalogue/codec.h"
#include "core/common/texts.h"
#include "core/workspace.h"

namespace tessalin {

std::string ReadFixedText(long long offset, std::size_t length) {
    std::string bytes;
    for (uint8_t b : Ws().ParImage.bytes(offset, length)) {
        if (b == 0) break;
        bytes.push_back(static_cast<char>(b));
    }
    return Cp1252ToUtf8(bytes);
}

std::string DocumentedText(std::string_view fieldText) {
    constexpr std::string_view kBlank = "\xC2\xB7";  // the device blank in UTF-8
    std::string text;
    for (std::size_t i = 0; i < fieldText.size(); ++i) {
        if (fieldText.substr(i, kBlank.size()) == kBlank) {
            text.push_back(' ');
            i += kBlank.size() - 1;
        } else {
            text.push_back(fieldText[i]);
        }
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void WriteFixedText(long long offset, std::size_t length, std::string_view text) {
    if (length == 0) return;
    const std::string bytes = Utf8ToCp1252(text);
    std::vector<uint8_t> field(length, kDeviceBlank);
    for (std::size_t i = 0; i < length && i < bytes.size() && bytes[i] != '\0'; ++i)
        field[i] = static_cast<uint8_t>(bytes[i]);
    WriteBlock(offset, field);
}

}  // namespace tessalin

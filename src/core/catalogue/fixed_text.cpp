#include "core/catalogue/fixed_text.h"

#include <vector>

#include "core/catalogue/codec.h"
#include "core/catalogue/texts.h"
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

void WriteFixedText(long long offset, std::size_t length, std::string_view text) {
    if (length == 0) return;
    const std::string bytes = Utf8ToCp1252(text);
    std::vector<uint8_t> field(length, kDeviceBlank);
    for (std::size_t i = 0; i < length && i < bytes.size() && bytes[i] != '\0'; ++i)
        field[i] = static_cast<uint8_t>(bytes[i]);
    WriteBlock(offset, field);
}

}  // namespace tessalin

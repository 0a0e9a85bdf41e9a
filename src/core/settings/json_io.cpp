#include "core/settings/json_io.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <set>
#include <vector>

namespace tessalin {

namespace {

using Json = nlohmann::ordered_json;

// An input iterator over the document that records how far the parser has read, so that a fault the
// parser callback finds can name its place.
class ReadingIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    ReadingIterator(const char* at, const char** reached) : at_(at), reached_(reached) {}
    reference operator*() const { return *at_; }
    ReadingIterator& operator++() {
        *reached_ = ++at_;
        return *this;
    }
    ReadingIterator operator++(int) {
        ReadingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const ReadingIterator& other) const { return at_ == other.at_; }

private:
    const char* at_;
    const char** reached_;
};

// A fault found by the parser callback, at a byte offset of the document.
struct Refusal {
    std::size_t offset;
    std::string what;
};

// The offset of the opening quote of the string whose closing quote is at `close`: the nearest quote before it
// that no backslash escapes.
std::size_t StringStart(std::string_view text, std::size_t close) {
    for (std::size_t at = close; at-- > 0;) {
        if (text[at] != '"') continue;
        std::size_t backslashes = 0;
        while (backslashes < at && text[at - 1 - backslashes] == '\\') ++backslashes;
        if (backslashes % 2 == 0) return at;
    }
    return 0;
}

// "line L, column C: what" for a byte offset; columns count characters, not the bytes of a UTF-8 sequence.
// The library's message quotes the bytes it read last, which may end inside a character or hold a byte
// that starts none: every byte that is not part of a whole UTF-8 character is written "\xNN".
std::string WholeCharacters(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : (byte & 0xF8) == 0xF0 ? 4 : 0;
        bool whole = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k) whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (whole) {
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        static constexpr char kHex[] = "0123456789ABCDEF";
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0x0F];
        ++i;
    }
    return out;
}

std::string Fault(std::string_view text, std::size_t offset, const std::string& what) {
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + WholeCharacters(what);
}

}  // namespace

std::optional<nlohmann::ordered_json> ParseJson(std::string_view document, std::string& error) {
    const char* begin = document.data();
    const char* reached = begin;
    std::vector<std::set<std::string>> names;  // the member names of each open object, innermost last
    const auto check = [&](int depth, Json::parse_event_t event, Json& parsed) {
        const auto offset = static_cast<std::size_t>(reached - begin);
        switch (event) {
            case Json::parse_event_t::object_start:
            case Json::parse_event_t::array_start:
                // `depth` counts the arrays and objects around this one.
                if (depth >= kJsonMaxDepth)
                    throw Refusal{offset - 1, "nested deeper than " + std::to_string(kJsonMaxDepth) + " levels"};
                if (event == Json::parse_event_t::object_start) names.emplace_back();
                break;
            case Json::parse_event_t::object_end: names.pop_back(); break;
            case Json::parse_event_t::key: {
                const auto& name = parsed.get_ref<const std::string&>();
                if (!names.back().insert(name).second)
                    throw Refusal{StringStart(document, offset - 1), "the member \"" + name + "\" appears twice"};
                break;
            }
            default: break;
        }
        return true;
    };
    try {
        return Json::parse(ReadingIterator(begin, &reached), ReadingIterator(begin + document.size(), &reached),
                           check);
    } catch (const Refusal& refusal) {
        error = Fault(document, refusal.offset, refusal.what);
    } catch (const Json::parse_error& e) {
        // The library's message reads "[json.exception.parse_error.N] parse error at ...: what"; `byte` counts
        // the bytes read up to and including the one that made the fault.
        const std::string_view message = e.what();
        const std::size_t what = message.find(": ");
        error = Fault(document, e.byte == 0 ? 0 : e.byte - 1,
                      std::string(what == std::string_view::npos ? message : message.substr(what + 2)));
    }
    return std::nullopt;
}

std::string JsonText(const nlohmann::ordered_json& value, int indent) {
    return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

namespace {

bool IsListOfRecords(const Json& value) {
    return value.is_array() && !value.empty() &&
           std::all_of(value.begin(), value.end(), [](const Json& e) { return e.is_structured(); });
}

// `value` on one line: ", " between members or elements and ": " after a member name.
void Inline(const Json& value, std::string& out) {
    if (!value.is_structured()) {
        out += JsonText(value);
        return;
    }
    const bool object = value.is_object();
    out += object ? '{' : '[';
    bool first = true;
    for (auto it = value.begin(); it != value.end(); ++it, first = false) {
        if (!first) out += ", ";
        if (object) out += JsonText(it.key()) + ": ";
        Inline(it.value(), out);
    }
    out += object ? '}' : ']';
}

// `value` with each member or element on a line of its own, `indent` blanks in; a member that is a list of
// records one record a line when `recordsToo` holds.
void Lines(const Json& value, const std::string& indent, bool recordsToo, std::string& out) {
    if (!value.is_structured() || value.empty()) {
        Inline(value, out);
        return;
    }
    const bool object = value.is_object();
    const std::string inner = indent + "  ";
    out += object ? '{' : '[';
    bool first = true;
    for (auto it = value.begin(); it != value.end(); ++it, first = false) {
        out += first ? "\n" : ",\n";
        out += inner;
        if (object) out += JsonText(it.key()) + ": ";
        if (recordsToo && IsListOfRecords(it.value()))
            Lines(it.value(), inner, false, out);
        else
            Inline(it.value(), out);
    }
    out += "\n" + indent + (object ? '}' : ']');
}

}  // namespace

std::string JsonLines(const nlohmann::ordered_json& document) {
    std::string out;
    Lines(document, "", true, out);
    return out + "\n";
}

}  // namespace tessalin

#include "core/settings/json.h"

#include <charconv>
#include <cstdio>

namespace tessalin {

JsonValue JsonValue::Bool(bool value) {
    JsonValue v;
    v.type_ = Type::Bool;
    v.boolean_ = value;
    return v;
}

JsonValue JsonValue::Number(long long value) { return NumberText(std::to_string(value)); }

JsonValue JsonValue::NumberText(std::string text) {
    JsonValue v;
    v.type_ = Type::Number;
    v.text_ = std::move(text);
    return v;
}

JsonValue JsonValue::String(std::string text) {
    JsonValue v;
    v.type_ = Type::String;
    v.text_ = std::move(text);
    return v;
}

JsonValue JsonValue::Array() {
    JsonValue v;
    v.type_ = Type::Array;
    return v;
}

JsonValue JsonValue::Object() {
    JsonValue v;
    v.type_ = Type::Object;
    return v;
}

std::optional<long long> JsonValue::integer() const {
    if (type_ != Type::Number) return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text_.data(), text_.data() + text_.size(), value);
    if (ec != std::errc{} || end != text_.data() + text_.size()) return std::nullopt;
    return value;
}

const JsonValue* JsonValue::find(std::string_view key) const {
    for (const auto& [name, value] : members_)
        if (name == key) return &value;
    return nullptr;
}

JsonValue& JsonValue::push(JsonValue value) {
    items_.push_back(std::move(value));
    return items_.back();
}

JsonValue& JsonValue::add(std::string key, JsonValue value) {
    members_.emplace_back(std::move(key), std::move(value));
    return members_.back().second;
}

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> document(std::string& error) {
        JsonValue value;
        skipSpace();
        if (!parseValue(value, 0)) return fail(error);
        skipSpace();
        if (pos_ < text_.size()) {
            fault_ = "unexpected text after the document";
            return fail(error);
        }
        return value;
    }

private:
    std::optional<JsonValue> fail(std::string& error) const {
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < faultPos_ && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++line;
                column = 1;
            } else if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80) {
                ++column;
            }
        }
        error = "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + fault_;
        return std::nullopt;
    }

    bool fault(std::string what) {
        fault_ = std::move(what);
        faultPos_ = pos_;
        return false;
    }

    void skipSpace() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return fault("unknown word");
        pos_ += word.size();
        return true;
    }

    bool parseValue(JsonValue& out, int depth) {
        if (pos_ >= text_.size()) return fault("a value is missing");
        switch (text_[pos_]) {
            case '{': return parseObject(out, depth + 1);
            case '[': return parseArray(out, depth + 1);
            case '"': {
                std::string s;
                if (!parseString(s)) return false;
                out = JsonValue::String(std::move(s));
                return true;
            }
            case 't': out = JsonValue::Bool(true); return literal("true");
            case 'f': out = JsonValue::Bool(false); return literal("false");
            case 'n': out = JsonValue(); return literal("null");
            default: return parseNumber(out);
        }
    }

    bool parseObject(JsonValue& out, int depth) {
        if (depth > kJsonMaxDepth) return fault("nested deeper than " + std::to_string(kJsonMaxDepth) + " levels");
        out = JsonValue::Object();
        ++pos_;
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == '}') {
            ++pos_;
            return true;
        }
        while (true) {
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] != '"') return fault("a member name in quotes is expected");
            const std::size_t keyPos = pos_;
            std::string key;
            if (!parseString(key)) return false;
            if (out.find(key) != nullptr) {
                pos_ = keyPos;
                return fault("the member \"" + key + "\" appears twice");
            }
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] != ':') return fault("':' is expected after a member name");
            ++pos_;
            skipSpace();
            JsonValue value;
            if (!parseValue(value, depth)) return false;
            out.add(std::move(key), std::move(value));
            skipSpace();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == '}') {
                ++pos_;
                return true;
            }
            return fault("',' or '}' is expected");
        }
    }

    bool parseArray(JsonValue& out, int depth) {
        if (depth > kJsonMaxDepth) return fault("nested deeper than " + std::to_string(kJsonMaxDepth) + " levels");
        out = JsonValue::Array();
        ++pos_;
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == ']') {
            ++pos_;
            return true;
        }
        while (true) {
            skipSpace();
            JsonValue value;
            if (!parseValue(value, depth)) return false;
            out.push(std::move(value));
            skipSpace();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == ']') {
                ++pos_;
                return true;
            }
            return fault("',' or ']' is expected");
        }
    }

    bool digits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
        return pos_ > start;
    }

    bool parseNumber(JsonValue& out) {
        const std::size_t start = pos_;
        if (text_[pos_] == '-') ++pos_;
        if (pos_ >= text_.size() || text_[pos_] < '0' || text_[pos_] > '9') return fault("a value is expected");
        if (text_[pos_] == '0') {
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') return fault("a number has a leading zero");
        } else {
            digits();
        }
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            if (!digits()) return fault("digits are expected after the decimal point");
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (!digits()) return fault("digits are expected in the exponent");
        }
        out = JsonValue::NumberText(std::string(text_.substr(start, pos_ - start)));
        return true;
    }

    static void appendUtf8(std::string& out, char32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    bool hex4(char32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i, ++pos_) {
            if (pos_ >= text_.size()) return fault("\\u needs four hexadecimal digits");
            const char c = text_[pos_];
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (digit < 0) return fault("\\u needs four hexadecimal digits");
            value = value * 16 + static_cast<char32_t>(digit);
        }
        return true;
    }

    bool escape(std::string& out) {
        ++pos_;  // the backslash
        if (pos_ >= text_.size()) return fault("the string ends inside an escape");
        const char c = text_[pos_++];
        switch (c) {
            case '"': out += '"'; return true;
            case '\\': out += '\\'; return true;
            case '/': out += '/'; return true;
            case 'b': out += '\b'; return true;
            case 'f': out += '\f'; return true;
            case 'n': out += '\n'; return true;
            case 'r': out += '\r'; return true;
            case 't': out += '\t'; return true;
            case 'u': break;
            default: --pos_; return fault(std::string("unknown escape \\") + c);
        }
        char32_t unit = 0;
        if (!hex4(unit)) return false;
        if (unit >= 0xDC00 && unit <= 0xDFFF) return fault("a low surrogate without a high one");
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            char32_t low = 0;
            if (text_.substr(pos_, 2) != "\\u") return fault("a high surrogate without a low one");
            pos_ += 2;
            if (!hex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return fault("a high surrogate without a low one");
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
        appendUtf8(out, unit);
        return true;
    }

    // One UTF-8 sequence, checked: no overlong forms, no surrogates, nothing above U+10FFFF.
    bool utf8(std::string& out) {
        const auto lead = static_cast<unsigned char>(text_[pos_]);
        int length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || pos_ + static_cast<std::size_t>(length) > text_.size()) return fault("invalid UTF-8");
        char32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text_[pos_ + static_cast<std::size_t>(i)]);
            if ((next & 0xC0) != 0x80) return fault("invalid UTF-8");
            c = (c << 6) | (next & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return fault("invalid UTF-8");
        out.append(text_.substr(pos_, static_cast<std::size_t>(length)));
        pos_ += static_cast<std::size_t>(length);
        return true;
    }

    bool parseString(std::string& out) {
        ++pos_;  // the opening quote
        while (true) {
            if (pos_ >= text_.size()) return fault("the string is not closed");
            const auto c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20) return fault("a control character inside a string");
            if (c == '\\') {
                if (!escape(out)) return false;
            } else if (!utf8(out)) {
                return false;
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string fault_;
    std::size_t faultPos_ = 0;
};

void Write(const JsonValue& value, int indent, std::string& out) {
    const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
    switch (value.type()) {
        case JsonValue::Type::Null: out += "null"; return;
        case JsonValue::Type::Bool: out += value.boolean() ? "true" : "false"; return;
        case JsonValue::Type::Number: out += value.text(); return;
        case JsonValue::Type::String: out += JsonQuote(value.text()); return;
        case JsonValue::Type::Array:
            if (value.items().empty()) {
                out += "[]";
                return;
            }
            out += "[";
            for (std::size_t i = 0; i < value.items().size(); ++i) {
                out += (i ? ",\n" : "\n") + inner;
                Write(value.items()[i], indent + 2, out);
            }
            out += "\n" + std::string(static_cast<std::size_t>(indent), ' ') + "]";
            return;
        case JsonValue::Type::Object:
            if (value.members().empty()) {
                out += "{}";
                return;
            }
            out += "{";
            for (std::size_t i = 0; i < value.members().size(); ++i) {
                out += (i ? ",\n" : "\n") + inner + JsonQuote(value.members()[i].first) + ": ";
                Write(value.members()[i].second, indent + 2, out);
            }
            out += "\n" + std::string(static_cast<std::size_t>(indent), ' ') + "}";
            return;
    }
}

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view document, std::string& error) {
    return Parser(document).document(error);
}

std::string WriteJson(const JsonValue& value) {
    std::string out;
    Write(value, 0, out);
    return out + "\n";
}

std::string JsonQuote(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

}  // namespace tessalin

#pragma once
// A small, strict JSON reader and writer for the readable settings files. The reader accepts exactly the
// JSON grammar (no comments, no trailing commas, no leading zeros, no duplicate keys, valid UTF-8 and
// escapes), nests at most kJsonMaxDepth arrays and objects, and reports the first fault with its line and
// column. The writer prints one member or element per line, members in the order they were added, so that
// two files of the same kind differ only where their contents do.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessalin {

inline constexpr int kJsonMaxDepth = 32;

class JsonValue {
public:
    enum class Type { Null, Bool, Number, String, Array, Object };

    JsonValue() = default;
    static JsonValue Bool(bool value);
    static JsonValue Number(long long value);
    // A number by its JSON text (as read); the text must be a valid JSON number.
    static JsonValue NumberText(std::string text);
    static JsonValue String(std::string text);
    static JsonValue Array();
    static JsonValue Object();

    Type type() const { return type_; }
    bool isNumber() const { return type_ == Type::Number; }
    bool isString() const { return type_ == Type::String; }
    bool isArray() const { return type_ == Type::Array; }
    bool isObject() const { return type_ == Type::Object; }

    bool boolean() const { return boolean_; }
    // A string's text, or a number's JSON text.
    const std::string& text() const { return text_; }
    // A number that is a whole number in the range of long long.
    std::optional<long long> integer() const;

    const std::vector<JsonValue>& items() const { return items_; }
    const std::vector<std::pair<std::string, JsonValue>>& members() const { return members_; }
    // The member named `key`, or nullptr.
    const JsonValue* find(std::string_view key) const;

    // Builders: append an element to an array, a member to an object. Return the added value.
    JsonValue& push(JsonValue value);
    JsonValue& add(std::string key, JsonValue value);

private:
    Type type_ = Type::Null;
    bool boolean_ = false;
    std::string text_;
    std::vector<JsonValue> items_;
    std::vector<std::pair<std::string, JsonValue>> members_;
};

// Parses a whole document. On a fault returns nothing and sets `error` to "line L, column C: what".
std::optional<JsonValue> ParseJson(std::string_view document, std::string& error);

// The document, indented by two blanks a level, one member or element a line, ending with a newline.
std::string WriteJson(const JsonValue& value);

// A text as a JSON string: quoted, with quotes, backslashes and control characters escaped.
std::string JsonQuote(std::string_view text);

}  // namespace tessalin

#pragma once
// Reading and writing JSON documents as nlohmann::ordered_json, which keeps members in the order they were
// added, so that two files of the same kind differ only where their contents do. The reader refuses what a
// lenient one would silently resolve: a member name that appears twice in an object, and arrays and objects
// nested deeper than kJsonMaxDepth levels; every fault names its line and column.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace tessalin {

inline constexpr int kJsonMaxDepth = 32;

// Parses a whole document. On a fault returns nothing and sets `error` to "line L, column C: what".
std::optional<nlohmann::ordered_json> ParseJson(std::string_view document, std::string& error);

// A value as JSON text: on one line, or with `indent` blanks a level and one member or element a line. Text
// that is not valid UTF-8 comes out with U+FFFD in place of each faulty sequence.
std::string JsonText(const nlohmann::ordered_json& value, int indent = -1);

// A document as the command-line tool prints it, to be read by people and by line-based tools alike: each
// member (or element) of the document on a line of its own, and so each record of a member that is a list of
// records (objects or arrays); everything else on one line with ", " and ": " between. Ends with a newline.
std::string JsonLines(const nlohmann::ordered_json& document);

}  // namespace tessalin

#include "core/settings/settings_file.h"

#include <limits>

#include "core/settings/json_io.h"

namespace tessalin {

namespace {

using Json = nlohmann::ordered_json;

const char* SetsName(SetChoice sets) { return sets == SetChoice::A ? "A" : sets == SetChoice::B ? "B" : "both"; }

// A number field by its text: an integer where the text is one, so that it is written as it reads; a text
// that is not a JSON number stays a string.
Json NumberField(const std::string& text) {
    Json number = Json::parse(text, nullptr, false);
    return number.is_number() ? number : Json(text);
}

Json HardwareJson(const std::vector<HardwareSection>& hardware) {
    Json out = Json::object();
    for (const HardwareSection& section : hardware) {
        Json& fields = out[section.key] = Json::object();
        for (const HardwareField& f : section.fields) fields[f.key] = f.number ? NumberField(f.value) : Json(f.value);
    }
    return out;
}

Json RowJson(const SnapshotRow& row) {
    return {{"row", row.row},     {"kind", row.kind}, {"label", row.label},      {"value", row.value},
            {"unit", row.unit}, {"raw", row.raw},   {"editable", row.editable}};
}

// A number that is a whole number in the range of long long.
std::optional<long long> WholeNumber(const Json& value) {
    if (value.is_number_unsigned() && value.get<unsigned long long>() > std::numeric_limits<long long>::max())
        return std::nullopt;
    if (!value.is_number_integer()) return std::nullopt;
    return value.get<long long>();
}

// The member named `key`, or nullptr.
const Json* Member(const Json& object, const char* key) {
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

// Reading: each step checks one member and names it in the error.
class Reader {
public:
    explicit Reader(std::string& error) : error_(error) {}

    bool fail(const std::string& where, const std::string& what) {
        error_ = (where.empty() ? "" : where + ": ") + what;
        return false;
    }

    bool string(const Json& object, const char* key, const std::string& where, std::string& out) {
        const Json* v = Member(object, key);
        if (v == nullptr || !v->is_string()) return fail(where, std::string("\"") + key + "\" must be a string");
        out = v->get<std::string>();
        return true;
    }

    bool integer(const Json& object, const char* key, const std::string& where, long long low, long long high,
                 long long& out) {
        const Json* v = Member(object, key);
        const auto value = v ? WholeNumber(*v) : std::nullopt;
        if (!value || *value < low || *value > high)
            return fail(where, std::string("\"") + key + "\" must be a whole number " + std::to_string(low) + ".." +
                                   std::to_string(high));
        out = *value;
        return true;
    }

    const Json* member(const Json& object, const char* key, Json::value_t type, const std::string& where) {
        const Json* v = Member(object, key);
        if (v == nullptr || v->type() != type) {
            fail(where, std::string("\"") + key + "\" must be " + (type == Json::value_t::array ? "a list" : "an object"));
            return nullptr;
        }
        return v;
    }

    bool hardware(const Json& object, std::vector<HardwareSection>& out) {
        for (const auto& [key, fields] : object.items()) {
            if (!fields.is_object()) return fail("hardware." + key, "must be an object");
            HardwareSection section{key, key, {}};
            for (const auto& [name, value] : fields.items()) {
                if (!value.is_number() && !value.is_string())
                    return fail("hardware." + key + "." + name, "must be a number or a string");
                section.fields.push_back(
                    {name, value.is_number() ? JsonText(value) : value.get<std::string>(), value.is_number(), false});
            }
            out.push_back(std::move(section));
        }
        return true;
    }

    bool row(const Json& object, const std::string& where, SnapshotRow& out) {
        if (!object.is_object()) return fail(where, "must be an object");
        long long number = 0;
        if (!integer(object, "row", where, 0, 99, number)) return false;
        out.row = static_cast<int>(number);
        if (!string(object, "kind", where, out.kind) || !string(object, "label", where, out.label) ||
            !string(object, "value", where, out.value))
            return false;
        // Unit, stored bytes and the editable mark are for readers; a hand-written file may leave them out.
        out.unitGiven = Member(object, "unit") != nullptr;
        if (out.unitGiven && !string(object, "unit", where, out.unit)) return false;
        if (Member(object, "raw") && !string(object, "raw", where, out.raw)) return false;
        if (const Json* editable = Member(object, "editable")) {
            if (!editable->is_boolean()) return fail(where, "\"editable\" must be true or false");
            out.editable = editable->get<bool>();
        }
        return true;
    }

    bool page(const Json& object, const std::string& where, SnapshotPage& out) {
        if (!object.is_object()) return fail(where, "must be an object");
        std::string set;
        if (!string(object, "set", where, set)) return false;
        if (set != "A" && set != "B") return fail(where, "\"set\" must be \"A\" or \"B\"");
        out.set = set[0];
        if (!string(object, "path", where, out.path)) return false;
        if (out.path.empty()) return fail(where, "\"path\" must not be empty");
        out.component = out.path.substr(0, out.path.find(" > "));
        if (Member(object, "node") && !string(object, "node", where, out.node)) return false;
        if (Member(object, "component") && !string(object, "component", where, out.section)) return false;
        if (Member(object, "title") && !string(object, "title", where, out.title)) return false;
        const Json* rows = member(object, "rows", Json::value_t::array, where);
        if (rows == nullptr) return false;
        for (std::size_t i = 0; i < rows->size(); ++i) {
            SnapshotRow r;
            if (!row((*rows)[i], where + ".rows[" + std::to_string(i) + "]", r)) return false;
            if (out.find(r.row) != nullptr) return fail(where, "row " + std::to_string(r.row) + " appears twice");
            out.rows.push_back(std::move(r));
        }
        return true;
    }

private:
    std::string& error_;
};

}  // namespace

std::string SettingsToJson(const Snapshot& snapshot) {
    Json pages = Json::array();
    for (const SnapshotPage& page : snapshot.pages) {
        Json rows = Json::array();
        for (const SnapshotRow& row : page.rows) rows.push_back(RowJson(row));
        pages.push_back({{"set", std::string(1, page.set)},
                         {"path", page.path},
                         {"node", page.node},
                         {"component", page.section},
                         {"title", page.title},
                         {"rows", std::move(rows)}});
    }
    const Json doc = {{"format", kSettingsFormatName},
                      {"version", kSettingsFormatVersion},
                      {"language", snapshot.language},
                      {"sets", SetsName(snapshot.sets)},
                      {"hardware", HardwareJson(snapshot.hardware)},
                      {"pages", std::move(pages)}};
    return JsonText(doc, 2) + "\n";
}

std::optional<Snapshot> SettingsFromJson(std::string_view document, std::string& error) {
    const std::optional<Json> doc = ParseJson(document, error);
    if (!doc) return std::nullopt;
    Reader read(error);
    if (!doc->is_object()) {
        read.fail("", "the file must hold one object");
        return std::nullopt;
    }
    std::string format;
    if (!read.string(*doc, "format", "", format)) return std::nullopt;
    if (format != kSettingsFormatName) {
        read.fail("", "not a settings file (\"format\" is \"" + format + "\")");
        return std::nullopt;
    }
    const Json* version = Member(*doc, "version");
    const auto versionNumber = version ? WholeNumber(*version) : std::nullopt;
    if (!versionNumber) {
        read.fail("", "\"version\" must be a whole number");
        return std::nullopt;
    }
    if (*versionNumber != kSettingsFormatVersion) {
        read.fail("", "version " + std::to_string(*versionNumber) + " is not supported (this program reads version " +
                          std::to_string(kSettingsFormatVersion) + ")");
        return std::nullopt;
    }
    Snapshot snap;
    long long language = 0;
    if (!read.integer(*doc, "language", "", 0, 6, language)) return std::nullopt;
    snap.language = static_cast<int>(language);
    std::string sets;
    if (!read.string(*doc, "sets", "", sets)) return std::nullopt;
    if (sets != "A" && sets != "B" && sets != "both") {
        read.fail("", "\"sets\" must be \"A\", \"B\" or \"both\"");
        return std::nullopt;
    }
    snap.sets = sets == "A" ? SetChoice::A : sets == "B" ? SetChoice::B : SetChoice::Both;
    const Json* hardware = read.member(*doc, "hardware", Json::value_t::object, "");
    if (hardware == nullptr || !read.hardware(*hardware, snap.hardware)) return std::nullopt;
    const Json* pages = read.member(*doc, "pages", Json::value_t::array, "");
    if (pages == nullptr) return std::nullopt;
    for (std::size_t i = 0; i < pages->size(); ++i) {
        SnapshotPage page;
        if (!read.page((*pages)[i], "pages[" + std::to_string(i) + "]", page)) return std::nullopt;
        if (page.set == 'A' ? snap.sets == SetChoice::B : snap.sets == SetChoice::A) {
            read.fail("pages[" + std::to_string(i) + "]", std::string("set ") + page.set + " is not among the file's sets");
            return std::nullopt;
        }
        snap.pages.push_back(std::move(page));
    }
    return snap;
}

}  // namespace tessalin

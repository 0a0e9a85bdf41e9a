#include "core/settings/settings_file.h"

#include "core/settings/json.h"

namespace tessalin {

namespace {

const char* SetsName(SetChoice sets) { return sets == SetChoice::A ? "A" : sets == SetChoice::B ? "B" : "both"; }

JsonValue HardwareJson(const std::vector<HardwareSection>& hardware) {
    JsonValue out = JsonValue::Object();
    for (const HardwareSection& section : hardware) {
        JsonValue& fields = out.add(section.key, JsonValue::Object());
        for (const HardwareField& f : section.fields)
            fields.add(f.key, f.number ? JsonValue::NumberText(f.value) : JsonValue::String(f.value));
    }
    return out;
}

JsonValue RowJson(const SnapshotRow& row) {
    JsonValue out = JsonValue::Object();
    out.add("row", JsonValue::Number(row.row));
    out.add("kind", JsonValue::String(row.kind));
    out.add("label", JsonValue::String(row.label));
    out.add("value", JsonValue::String(row.value));
    out.add("unit", JsonValue::String(row.unit));
    out.add("raw", JsonValue::String(row.raw));
    out.add("editable", JsonValue::Bool(row.editable));
    return out;
}

// Reading: each step checks one member and names it in the error.
class Reader {
public:
    explicit Reader(std::string& error) : error_(error) {}

    bool fail(const std::string& where, const std::string& what) {
        error_ = (where.empty() ? "" : where + ": ") + what;
        return false;
    }

    bool string(const JsonValue& object, const char* key, const std::string& where, std::string& out) {
        const JsonValue* v = object.find(key);
        if (v == nullptr || !v->isString()) return fail(where, std::string("\"") + key + "\" must be a string");
        out = v->text();
        return true;
    }

    bool integer(const JsonValue& object, const char* key, const std::string& where, long long low, long long high,
                 long long& out) {
        const JsonValue* v = object.find(key);
        const auto value = v ? v->integer() : std::nullopt;
        if (!value || *value < low || *value > high)
            return fail(where, std::string("\"") + key + "\" must be a whole number " + std::to_string(low) + ".." +
                                   std::to_string(high));
        out = *value;
        return true;
    }

    const JsonValue* member(const JsonValue& object, const char* key, JsonValue::Type type, const std::string& where) {
        const JsonValue* v = object.find(key);
        if (v == nullptr || v->type() != type) {
            fail(where, std::string("\"") + key + "\" must be " + (type == JsonValue::Type::Array ? "a list" : "an object"));
            return nullptr;
        }
        return v;
    }

    bool hardware(const JsonValue& object, std::vector<HardwareSection>& out) {
        for (const auto& [key, fields] : object.members()) {
            if (!fields.isObject()) return fail("hardware." + key, "must be an object");
            HardwareSection section{key, key, {}};
            for (const auto& [name, value] : fields.members()) {
                if (!value.isNumber() && !value.isString())
                    return fail("hardware." + key + "." + name, "must be a number or a string");
                section.fields.push_back({name, value.text(), value.isNumber(), false});
            }
            out.push_back(std::move(section));
        }
        return true;
    }

    bool row(const JsonValue& object, const std::string& where, SnapshotRow& out) {
        if (!object.isObject()) return fail(where, "must be an object");
        long long number = 0;
        if (!integer(object, "row", where, 0, 99, number)) return false;
        out.row = static_cast<int>(number);
        if (!string(object, "kind", where, out.kind) || !string(object, "label", where, out.label) ||
            !string(object, "value", where, out.value))
            return false;
        // Unit, stored bytes and the editable mark are for readers; a hand-written file may leave them out.
        if (const JsonValue* unit = object.find("unit"); unit && !string(object, "unit", where, out.unit)) return false;
        if (const JsonValue* raw = object.find("raw"); raw && !string(object, "raw", where, out.raw)) return false;
        if (const JsonValue* editable = object.find("editable")) {
            if (editable->type() != JsonValue::Type::Bool) return fail(where, "\"editable\" must be true or false");
            out.editable = editable->boolean();
        }
        return true;
    }

    bool page(const JsonValue& object, const std::string& where, SnapshotPage& out) {
        if (!object.isObject()) return fail(where, "must be an object");
        std::string set;
        if (!string(object, "set", where, set)) return false;
        if (set != "A" && set != "B") return fail(where, "\"set\" must be \"A\" or \"B\"");
        out.set = set[0];
        if (!string(object, "path", where, out.path)) return false;
        if (out.path.empty()) return fail(where, "\"path\" must not be empty");
        out.component = out.path.substr(0, out.path.find(" > "));
        if (const JsonValue* node = object.find("node"); node && !string(object, "node", where, out.node)) return false;
        if (const JsonValue* section = object.find("component");
            section && !string(object, "component", where, out.section))
            return false;
        if (const JsonValue* title = object.find("title"); title && !string(object, "title", where, out.title)) return false;
        const JsonValue* rows = member(object, "rows", JsonValue::Type::Array, where);
        if (rows == nullptr) return false;
        for (std::size_t i = 0; i < rows->items().size(); ++i) {
            SnapshotRow r;
            if (!row(rows->items()[i], where + ".rows[" + std::to_string(i) + "]", r)) return false;
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
    JsonValue doc = JsonValue::Object();
    doc.add("format", JsonValue::String(kSettingsFormatName));
    doc.add("version", JsonValue::Number(kSettingsFormatVersion));
    doc.add("language", JsonValue::Number(snapshot.language));
    doc.add("sets", JsonValue::String(SetsName(snapshot.sets)));
    doc.add("hardware", HardwareJson(snapshot.hardware));
    JsonValue& pages = doc.add("pages", JsonValue::Array());
    for (const SnapshotPage& page : snapshot.pages) {
        JsonValue& p = pages.push(JsonValue::Object());
        p.add("set", JsonValue::String(std::string(1, page.set)));
        p.add("path", JsonValue::String(page.path));
        p.add("node", JsonValue::String(page.node));
        p.add("component", JsonValue::String(page.section));
        p.add("title", JsonValue::String(page.title));
        JsonValue& rows = p.add("rows", JsonValue::Array());
        for (const SnapshotRow& row : page.rows) rows.push(RowJson(row));
    }
    return WriteJson(doc);
}

std::optional<Snapshot> SettingsFromJson(std::string_view document, std::string& error) {
    const std::optional<JsonValue> doc = ParseJson(document, error);
    if (!doc) return std::nullopt;
    Reader read(error);
    if (!doc->isObject()) {
        read.fail("", "the file must hold one object");
        return std::nullopt;
    }
    std::string format;
    if (!read.string(*doc, "format", "", format)) return std::nullopt;
    if (format != kSettingsFormatName) {
        read.fail("", "not a settings file (\"format\" is \"" + format + "\")");
        return std::nullopt;
    }
    const JsonValue* version = doc->find("version");
    if (version == nullptr || !version->integer()) {
        read.fail("", "\"version\" must be a whole number");
        return std::nullopt;
    }
    if (*version->integer() != kSettingsFormatVersion) {
        read.fail("", "version " + version->text() + " is not supported (this program reads version " +
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
    const JsonValue* hardware = read.member(*doc, "hardware", JsonValue::Type::Object, "");
    if (hardware == nullptr || !read.hardware(*hardware, snap.hardware)) return std::nullopt;
    const JsonValue* pages = read.member(*doc, "pages", JsonValue::Type::Array, "");
    if (pages == nullptr) return std::nullopt;
    for (std::size_t i = 0; i < pages->items().size(); ++i) {
        SnapshotPage page;
        if (!read.page(pages->items()[i], "pages[" + std::to_string(i) + "]", page)) return std::nullopt;
        if (page.set == 'A' ? snap.sets == SetChoice::B : snap.sets == SetChoice::A) {
            read.fail("pages[" + std::to_string(i) + "]", std::string("set ") + page.set + " is not among the file's sets");
            return std::nullopt;
        }
        snap.pages.push_back(std::move(page));
    }
    return snap;
}

}  // namespace tessalin

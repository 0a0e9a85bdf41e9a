#include "core/check/changes.h"

#include <algorithm>
#include <cstdio>

#include "core/catalogue/codec.h"
#include "core/catalogue/fixed_text.h"
#include "core/page/formpage.h"
#include "core/page/row_text.h"
#include "core/page/row_values.h"
#include "core/settings/page_walk.h"
#include "core/settings/snapshot.h"
#include "core/workspace.h"

namespace tessalin::check {

namespace {

bool Own(long long i, const Finding* own) {
    if (own == nullptr || own->at < 0) return false;
    const auto inside = [&](long long first) { return i >= first && i < first + own->width; };
    return inside(own->at) || (own->bothHalves && inside(own->at + static_cast<long long>(kSetBDistance)));
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string out;
    char text[4];
    for (uint8_t b : bytes) {
        std::snprintf(text, sizeof text, "%02X", b);
        out += (out.empty() ? "" : " ") + std::string(text);
    }
    return out;
}

// "FRONT byte N" or "Purgon bytes N..M", counted from the start of the file.
std::string BytesPlace(long long first, long long last) {
    const bool purgon = first >= static_cast<long long>(kPurgonOffset);
    const long long base = purgon ? static_cast<long long>(kPurgonOffset) : 0;
    std::string out = purgon ? "Purgon " : "FRONT ";
    if (first == last) return out + "byte " + std::to_string(first - base);
    return out + "bytes " + std::to_string(first - base) + ".." + std::to_string(last - base);
}

struct RawRun {
    long long first = 0, last = 0;
    std::vector<uint8_t> before, after;
};

}  // namespace

const ValuePlace* ValuePlaces::covering(long long offset) const {
    const long long mirror = offset - static_cast<long long>(kSetBDistance);
    for (const ValuePlace& place : places_)
        if (offset >= place.at && offset < place.at + place.width) return &place;
    for (const ValuePlace& place : places_)
        if (place.mirrored && mirror >= place.at && mirror < place.at + place.width) return &place;
    return nullptr;
}

std::vector<uint8_t> StoredImages() {
    const auto stored = Ws().ParImage.all().first(kStoredImageEnd);
    return {stored.begin(), stored.end()};
}

std::string PlaceValue(const ValuePlace& place) {
    Workspace& ws = Ws();
    ws.ActiveParamSet = place.set == 'B';
    ws.CurrentParam = place.ref;
    const TParamEntry& entry = *place.ref.param;
    switch (entry.kind) {
        case kKindChoice:
        case kKindChoiceButtons: {
            PageRow row;
            ReadChoice(entry, row);
            const int code = ReadU8(place.at);
            if (row.selected >= 0 && row.selected < static_cast<int>(row.items.size()))
                return std::to_string(code) + " " + row.items[static_cast<std::size_t>(row.selected)].text;
            return std::to_string(code);
        }
        case kKindNumber: {
            TIPretSingle shown;
            if (!ReadNumber(shown)) return "";
            const std::string unit = shown.unitIndex >= 0 ? shown.units[static_cast<std::size_t>(shown.unitIndex)].text : "";
            return shown.text + (unit.empty() ? "" : " " + unit);
        }
        case kKindText:
            return ReadFixedText(place.at, static_cast<std::size_t>(place.width));
        case kKindTime:
            return TimeText(ReadU8(place.at + 1), ReadU8(place.at));
        default:
            return std::to_string(ReadU8(place.at));
    }
}

std::string PlaceText(const ValuePlace& place) {
    std::string out = NodeTitlePath(place.node) + " > " + place.label;
    if (place.set != '-') out += std::string(Ws().UiLanguage == 0 ? " [Satz " : " [set ") + place.set + "]";
    return out;
}

std::vector<ValueChange> DescribeChanges(const std::vector<uint8_t>& before, const ValuePlaces& places,
                                         const Finding* own) {
    const ParImageBuffer& image = Ws().ParImage;
    std::vector<const ValuePlace*> changed;
    std::vector<RawRun> runs;
    for (long long i = 0; i < static_cast<long long>(before.size()); ++i) {
        const uint8_t was = before[static_cast<std::size_t>(i)], now = image.u8(i);
        if (was == now || Own(i, own)) continue;
        if (const ValuePlace* place = places.covering(i)) {
            if (std::find(changed.begin(), changed.end(), place) == changed.end()) changed.push_back(place);
            continue;
        }
        if (runs.empty() || runs.back().last + 1 != i || (i == static_cast<long long>(kPurgonOffset))) runs.push_back({i, i, {}, {}});
        runs.back().last = i;
        runs.back().before.push_back(was);
        runs.back().after.push_back(now);
    }
    std::vector<ValueChange> out;
    if (!changed.empty()) {
        const PageContextKeeper keeper;
        const std::vector<uint8_t> after = StoredImages();
        for (const ValuePlace* place : changed) out.push_back({PlaceText(*place), "", PlaceValue(*place)});
        Ws().ParImage.writeBytes(0, before);
        for (std::size_t k = 0; k < changed.size(); ++k) out[k].before = PlaceValue(*changed[k]);
        Ws().ParImage.writeBytes(0, after);
    }
    for (const RawRun& run : runs) out.push_back({BytesPlace(run.first, run.last), Hex(run.before), Hex(run.after)});
    return out;
}

}  // namespace tessalin::check

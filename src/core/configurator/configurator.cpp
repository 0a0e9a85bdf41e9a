#include "core/configurator/configurator.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/catalogue/codec.h"
#include "core/common/sections.h"
#include "core/data_set/checksum.h"
#include "core/device/decode.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/device/module_codes.h"
#include "core/families/default_records.h"
#include "core/families/front/front.h"
#include "core/families/opmode/slot_init.h"
#include "core/families/shared/modules_changed.h"
#include "core/workspace.h"

namespace tessalin::configurator {

namespace {

// Image places of the identity data.
constexpr long long kFrontHw = 8192, kFrontBrand = 8193, kFrontSerial = 8194;
constexpr long long kBaseCode = 8208;
constexpr long long kOptionWord = 8224;
constexpr long long kRecords = 8256;
constexpr long long kIModuleCode = 8286;
constexpr long long kPurgonVersion = kPurgonOffset + 2;
constexpr long long kPurgonTypeByte = kPurgonOffset + 0x960;
constexpr uint8_t kControlFirstType = 1, kControlSecondType = 3;
constexpr uint8_t kPurgonFirstType = 79, kPurgonSecondType = 80;

long long SlotCodeAt(int s) { return 36 + 5 * s; }
long long SlotRecIndexAt(int s) { return 37 + 5 * s; }
long long SlotMaskAt(int s) { return 38 + 5 * s; }
long long AttachAt(int s) { return 61 + s; }
long long RecordAt(int k) { return kRecords + 8LL * k; }

// The I-module block and the digital-sensor bytes inside BUF-FIX.
constexpr uint16_t kIModuleBlock = 212, kIModuleBlockSize = 128;
constexpr uint16_t kIModuleMode = 212, kIModuleAnalogKind = 213, kIModuleDigitalKind = 214, kIModuleTech = 227;
constexpr uint16_t kSensorBytes = 340;

// The notice in the free text of a new image's header (offsets 7..35).
constexpr char kHeaderNotice[] = "Made with Tessalin 3000";

bool IsDigitalCarrierCode(int code) { return code == 27 || (code >= 170 && code <= 176) || (code >= 190 && code <= 193); }
bool IsLdoCode(int code) { return code == 29 || code == 211; }

// A section's factory record for `front` in set A and, where the section has a set-B place, there too: a
// per-set section's own copy, or the copy of a module's fixed part, which holds the same bytes in both sets.
void CopyDefaults(ParImageBuffer& image, const TIdFront& front, Section section, uint8_t slot, int moduleType = 0) {
    if (section == Section::None) return;
    const auto record = FamilyDefaultRecord(section, moduleType, front);
    const long long at = ParamOffset(At(section, 0), slot, false);
    image.writeBytes(at, record);
    if (WrittenInBothSets(section)) image.writeBytes(at + static_cast<long long>(kSetBDistance), record);
}

uint8_t DefaultBufFixByte(uint16_t offset) { return DefaultRecord(Section::BUF_FIX)[offset]; }

}  // namespace

Configurator::Configurator() : device_(Ws().Device), image_(Ws().ParImage) {
    for (int s = 0; s < 3; ++s) slotIdState_[s] = device_.Slot[s].IdState;
    // The view is built as the window opens, and its slots are validated then.
    validateSlots();
}

bool Configurator::frontIsVariant() const { return device_.Front.ExMark == "X"; }

uint8_t Configurator::brandByte() const {
    return static_cast<uint8_t>((device_.Front.Brand & 0x1F) | (frontIsVariant() ? 0x40 : 0));
}

bool Configurator::behindInterface(int s) const {
    return slotOccupied(s) && device_.Slot[s].HwId != 255 && (device_.Slot[s].HwId & 0x04) != 0;
}

bool Configurator::sensorCarrier(int s) const {
    const int code = device_.Slot[s].Code;
    return IsDigitalCarrierCode(code) || IsLdoCode(code);
}

bool Configurator::isIModuleChannel(int s) const { return behindInterface(s) && !sensorCarrier(s); }

int Configurator::firstFreeSlot() const {
    for (int s = 0; s < 3; ++s)
        if (!slotOccupied(s)) return s;
    return -1;
}

ListState Configurator::state() const {
    if (device_.Front.Code == 0) return ListState::NoFront;
    if (device_.Base.Code == 0) return ListState::NoBase;
    if (slotOccupied(2)) return ListState::SlotsFull;
    return ListState::Modules;
}

std::optional<Rgb> Configurator::listBackground() const {
    switch (state()) {
        case ListState::NoFront: return Rgb{210, 237, 210};
        case ListState::NoBase: return Rgb{216, 225, 246};
        case ListState::Modules: return Rgb{255, 255, 192};
        case ListState::SlotsFull: return std::nullopt;
    }
    return std::nullopt;
}

bool Configurator::isOffered(int rowIndex) const {
    if (rowIndex < 0 || rowIndex >= kCatalogueRows) return false;
    const CatalogueRow& row = kModuleCatalogue[rowIndex];
    if (!(row.flags & 1)) return false;
    const char major = device_.Front.Code == 0 ? 'A' : device_.Front.SwMajor;
    if (!VersionRuleHolds(row.rule, major)) return false;

    switch (state()) {
        case ListState::NoFront:
            return row.category == Category::Front && (row.withStandardFront || row.withVariantFront);
        case ListState::NoBase:
            return row.category == Category::Base && (frontIsVariant() ? row.withVariantFront : row.withStandardFront);
        case ListState::SlotsFull:
            return false;
        case ListState::Modules:
            break;
    }
    if (!(frontIsVariant() ? row.withVariantFront : row.withStandardFront)) return false;
    switch (row.category) {
        case Category::Module:
        case Category::DigitalSensor:
            return true;
        case Category::IModule:
            return !slotOccupied(1);
        case Category::Ldo: {
            const bool ldoPresent = std::any_of(device_.Slot.begin(), device_.Slot.end(),
                                                [](const TIdInfo_h& slot) { return IsLdoCode(slot.Code); });
            return !slotOccupied(2) && !ldoPresent && device_.Base.Code == 50;
        }
        case Category::Purgon: {
            const bool carrier = std::any_of(device_.Slot.begin(), device_.Slot.end(), [](const TIdInfo_h& slot) {
                return slot.Code == 4 || slot.Code == 153;
            });
            return device_.Purgon.TypeCode == 0 && carrier;
        }
        default:
            return false;
    }
}

std::vector<OfferedItem> Configurator::offered() const {
    std::vector<OfferedItem> items;
    auto addItem = [&](int rowIndex, int image) {
        const CatalogueRow& row = kModuleCatalogue[rowIndex];
        std::string markup = "<img src=\"idx:" + std::to_string(image) + "\" align=\"middle\"><ind x=\"30\"><b>" +
                             ModuleName(kPosFront, row.code) + "</b><br><ind x=\"30\">" +
                             ModuleDescription(kPosFront, row.code) + "<br><Z>" + std::to_string(rowIndex) + "</Z>";
        items.push_back({rowIndex, image, std::move(markup)});
    };
    const ListState st = state();
    if (st == ListState::NoFront) {
        // Standard fronts first, then the variants.
        for (int i = 0; i < kCatalogueRows; ++i)
            if (isOffered(i) && kModuleCatalogue[i].withStandardFront) addItem(i, 3);
        for (int i = 0; i < kCatalogueRows; ++i)
            if (isOffered(i) && kModuleCatalogue[i].withVariantFront) addItem(i, 4);
        return items;
    }
    const bool variant = frontIsVariant();
    for (int i = 0; i < kCatalogueRows; ++i) {
        if (!isOffered(i)) continue;
        const Category category = kModuleCatalogue[i].category;
        int image = variant ? 6 : 5;
        if (category == Category::Base) image = variant ? 2 : 1;
        if (category == Category::Purgon) image = 10;
        addItem(i, image);
    }
    return items;
}

Outcome Configurator::addCode(int code) {
    std::optional<int> first;
    for (int i = 0; i < kCatalogueRows; ++i) {
        if (kModuleCatalogue[i].code != code) continue;
        if (isOffered(i)) return add(i);
        if (!first) first = i;
    }
    if (!first)
        return Refused("Modultyp " + std::to_string(code) + " ist nicht im Katalog",
                       "module type " + std::to_string(code) + " is not in the catalogue");
    return add(*first);
}

Outcome Configurator::add(int rowIndex) {
    if (rowIndex < 0 || rowIndex >= kCatalogueRows) return Refused("Keine solche Katalogzeile", "no such catalogue row");
    const CatalogueRow& row = kModuleCatalogue[rowIndex];
    if (!isOffered(rowIndex)) {
        const std::string code = std::to_string(row.code);
        std::string de = "Modultyp " + code + " wird nicht angeboten", en = "module type " + code + " is not offered";
        auto because = [&](const char* whyDe, const char* whyEn) {
            de += whyDe;
            en += whyEn;
        };
        switch (state()) {
            case ListState::NoFront: because(": zuerst eine Fronteinheit wählen", ": choose a front unit first"); break;
            case ListState::NoBase: because(": zuerst eine Basiseinheit wählen", ": choose a base unit first"); break;
            case ListState::SlotsFull: because(": Steckplatz [III] ist belegt", ": slot [III] is occupied"); break;
            case ListState::Modules:
                if (!VersionRuleHolds(row.rule, device_.Front.SwMajor) ||
                    !(frontIsVariant() ? row.withVariantFront : row.withStandardFront))
                    because(" mit dieser Softwareversion oder Fronteinheit", " with this software version or front unit");
                else if (row.category == Category::IModule && slotOccupied(1))
                    because(": Steckplatz [II] ist belegt", ": slot [II] is occupied");
                else if (row.category == Category::Ldo)
                    because(": braucht die Basiseinheit 50, einen freien Steckplatz [III] und kein weiteres LDO-Modul",
                            ": needs base unit 50, a free slot [III] and no other LDO module");
                else if (row.category == Category::Purgon)
                    because(": braucht ein Trägermodul und keinen weiteren Purgon-Controller",
                            ": needs a carrier module and no other Purgon controller");
                else
                    because(" (nie in der Modul-Liste)", " in the module list at all");
                break;
        }
        return Refused(de, en);
    }
    switch (row.category) {
        case Category::Front: addFront(row); break;
        case Category::Base: addBase(row); break;
        case Category::Module: return addModule(row);
        case Category::IModule: addIModule(row); break;
        case Category::DigitalSensor: addDigitalSensorModule(); break;
        case Category::Ldo: addLdoModule(); break;
        case Category::Purgon: return addPurgon(row.code);
        default:
            return Refused("Diese Modulart wird nie aus der Liste hinzugefügt",
                           "this kind of module is never added from the list");
    }
    return {};
}

void Configurator::addFront(const CatalogueRow& row) {
    const bool variant = row.withVariantFront && !row.withStandardFront;
    image_.setU8(2, 'A');
    image_.setU8(3, '.');
    image_.setU8(4, '2');
    image_.setU8(5, ':');
    if (image_.u8(6) != 'B' && image_.u8(6) != 'P') image_.setU8(6, 'B');
    image_.fill(7, 29, 0);
    image_.setU8(7, '\r');
    const std::size_t noticeLength = std::strlen(kHeaderNotice);
    image_.writeBytes(8, std::span(reinterpret_cast<const uint8_t*>(kHeaderNotice), noticeLength));
    image_.setU8(8 + static_cast<long long>(noticeLength), '\r');
    image_.setU8(9 + static_cast<long long>(noticeLength), '\r');

    // Default parameters of the front unit; they include the module identity records, which start empty.
    for (Section section : {Section::SYS_FIX, Section::SYS_SET, Section::CTRL_FIX, Section::BUF_FIX, Section::AUX_1C00})
        CopyDefaults(image_, device_.Front, section, 255);
    for (int k = 0; k < 3; ++k) image_.setU8(RecordAt(k), 255);

    image_.setU8(kFrontHw, variant ? 2 : 1);
    image_.setU8(kFrontBrand, static_cast<uint8_t>((device_.Front.Brand & 0x1F) | (variant ? 0x40 : 0)));
    image_.setU32(kFrontSerial, 0);
    image_.setU32(kOptionWord, (1u << 3) | (1u << 10) | (1u << 11));
    refresh();
    device_.Front.SwPacked = 162;
}

void Configurator::addBase(const CatalogueRow& row) {
    image_.setU8(kBaseCode, row.code);
    image_.setU8(kBaseCode + 1, 17);
    image_.setU8(kBaseCode + 2, 1);
    image_.setU8(kBaseCode + 3, brandByte());
    image_.setU32(kBaseCode + 4, 0);
    refresh();
}

int Configurator::channelFor(uint8_t hwId, int forSlot) const {
    // The slot table of the working image: modules placed by the same step are not decoded yet.
    auto used = [&](int k) {
        for (int s = 0; s < 3; ++s)
            if (s != forSlot && image_.u8(SlotCodeAt(s)) != 0 && image_.u8(SlotRecIndexAt(s)) == k) return true;
        return false;
    };
    for (int k = 0; k < 3; ++k)
        if (!used(k) && image_.u8(RecordAt(k)) == hwId) return k;
    for (int k = 0; k < 3; ++k)
        if (!used(k)) return k;
    return forSlot;
}

void Configurator::copySectionDefaults(int code, int channel) {
    const auto [setSection, fixSection] = ParamSectionsOf(code);
    const auto block = static_cast<uint8_t>(channel);
    CopyDefaults(image_, device_.Front, setSection, block, code);
    CopyDefaults(image_, device_.Front, fixSection, block, code);
    OnWorkingCopies(image_, device_, [&] { StartPlacedModule(block, code); });
}

void Configurator::placeInSlot(int s, uint8_t code, uint8_t attach) {
    const bool from9 = static_cast<unsigned char>(device_.Front.SwMajor) >= '9';
    const uint8_t hwId = HwIdOfCode(code);
    const int channel = channelFor(hwId, s);
    const bool reused = image_.u8(RecordAt(channel)) == hwId;

    image_.setU8(SlotCodeAt(s), StoredCodeFor(code, attach, from9));
    image_.setU8(SlotRecIndexAt(s), static_cast<uint8_t>(channel));
    image_.setU8(SlotMaskAt(s), static_cast<uint8_t>(1 << s));
    image_.setU8(AttachAt(s), attach);
    image_.setU8(RecordAt(channel), hwId);
    image_.setU8(RecordAt(channel) + 1, 0);
    image_.setU8(RecordAt(channel) + 2, 1);
    image_.setU8(RecordAt(channel) + 3, brandByte());
    image_.setU32(RecordAt(channel) + 4, 1);
    if (!reused) copySectionDefaults(code, channel);
    slotIdState_[s] = 0;
}

Outcome Configurator::addModule(const CatalogueRow& row) {
    const int s = firstFreeSlot();
    if (s < 0) return Refused("Kein freier Steckplatz", "no free slot");
    placeInSlot(s, row.code, 0);
    refresh();
    return {};
}

void Configurator::addIModule(const CatalogueRow& row) {
    const int s = firstFreeSlot();
    const bool from9 = static_cast<unsigned char>(device_.Front.SwMajor) >= '9';
    const uint8_t mode = DefaultBufFixByte(kIModuleMode);
    const uint8_t analogKind = DefaultBufFixByte(kIModuleAnalogKind);
    const uint8_t digitalKind = DefaultBufFixByte(kIModuleDigitalKind);
    const bool digital = DefaultBufFixByte(kIModuleTech) == 2;
    const uint32_t options = device_.Front.Options;

    // Which sub-type each of the two channels serves in the module's mode.
    uint8_t first = 25, second = 25;
    const uint8_t sensor = digital ? IModuleDigitalType(digitalKind, from9) : IModuleAnalogType(analogKind, from9, options);
    switch (mode) {
        case 2: first = sensor; break;                                                       // one sensor
        case 3: first = sensor; second = IModuleAnalogType(digitalKind, from9, options); break;  // two sensors
        case 4: first = sensor; second = ProbeControlType(from9); break;                     // sensor + probe control
        case 5: first = IModuleAnalogType(analogKind, from9, options);
                second = IModuleDigitalType(digitalKind, from9); break;                       // coupling + digital
        case 6: first = IModuleDigitalType(analogKind, from9); break;                         // one digital sensor
        case 7: first = IModuleDigitalType(analogKind, from9);
                second = IModuleDigitalType(digitalKind, from9); break;                       // two digital sensors
        case 9: first = IModuleDigitalType(analogKind, from9); second = ProbeControlType(from9); break;
        default: break;
    }

    image_.setU8(kIModuleCode, row.code);
    image_.setU8(kIModuleCode + 1, '0');
    image_.setU8(kIModuleCode + 2, 1);
    const uint8_t attach = from9 ? row.code : 0;
    placeInSlot(s, first, attach);
    placeInSlot(s + 1, second, attach);
    const auto defaults = DefaultRecord(Section::BUF_FIX).subspan(kIModuleBlock, kIModuleBlockSize);
    image_.writeBytes(ParamOffset(At(Section::BUF_FIX, kIModuleBlock), 255, false), defaults);
    refresh();
}

void Configurator::addDigitalSensorModule() {
    const int s = firstFreeSlot();
    const uint16_t at = static_cast<uint16_t>(kSensorBytes + 2 * s);
    const uint8_t family = DefaultBufFixByte(at), kind = DefaultBufFixByte(at + 1);
    uint8_t code = 27;
    if (family == 6) {
        static constexpr std::pair<uint8_t, uint8_t> kKinds[] = {{0, 170}, {1, 171}, {2, 172}, {3, 173},
                                                                 {6, 174}, {10, 176}, {11, 175}};
        for (const auto& [k, c] : kKinds)
            if (k == kind) code = c;
    } else if (family == 10 && kind == 3) {
        code = 193;
    }
    image_.setU8(ParamOffset(At(Section::BUF_FIX, at), 255, false), family);
    image_.setU8(ParamOffset(At(Section::BUF_FIX, at + 1), 255, false), kind);
    placeInSlot(s, code, 27);
    refresh();
}

void Configurator::addLdoModule() {
    const int s = firstFreeSlot();
    const uint16_t at = static_cast<uint16_t>(kSensorBytes + 2 * s);
    image_.setU8(ParamOffset(At(Section::BUF_FIX, at), 255, false), 11);
    image_.setU8(ParamOffset(At(Section::BUF_FIX, at + 1), 255, false), 1);
    placeInSlot(s, 211, 29);
    refresh();
}

int Configurator::purgonSlot() const {
    if (device_.Slot[0].Code == 4) return 0;
    for (int s : {1, 2})
        if (device_.Slot[s].Code == 4 || device_.Slot[s].Code == 153) return s;
    return -1;
}

Outcome Configurator::addPurgon(uint8_t code) {
    if (purgonSlot() < 0)
        return Refused("Kein Steckplatz trägt ein Modul, an das der Purgon-Controller angeschlossen werden kann",
                       "no slot holds a module that can carry the Purgon controller");
    const bool second = code == kPurgonSecondType;
    if (second && device_.Front.Brand == 1)
        return Refused("Der Purgon-Controller dieser Marke hat nur einen Typ",
                       "the Purgon controller of this brand has one type only");
    // The Purgon image carries a copy of the FRONT header; its defaults fill the program area.
    for (long long i = 2; i < 36; ++i) image_.setU8(kPurgonOffset + i, image_.u8(i));
    CopyDefaults(image_, device_.Front, Section::PURGON, 255);
    // The control byte tells the types apart: 3 is the second type, 1 control on with the first.
    if (second) image_.setU8(kPurgonTypeByte, kControlSecondType);
    else if (image_.u8(kPurgonTypeByte) == kControlSecondType) image_.setU8(kPurgonTypeByte, kControlFirstType);
    const bool type80 =
        static_cast<unsigned char>(device_.Front.SwMajor) >= '7' && image_.u8(kPurgonTypeByte) == kControlSecondType;
    device_.Purgon.TypeCode = type80 ? kPurgonSecondType : kPurgonFirstType;
    refresh();
    return {};
}

Enabling Configurator::enabling(int position) const {
    Enabling e;
    switch (position) {
        case kPosSlot1:
            e.remove = true;
            if (isIModuleChannel(0)) e.down = slotOccupied(2);
            else e.down = slotOccupied(1);
            break;
        case kPosSlot2:
            e.remove = true;
            e.up = !isIModuleChannel(0);
            e.down = slotOccupied(2) && (!behindInterface(2) || sensorCarrier(2));
            break;
        case kPosSlot3:
            e.remove = true;
            e.up = slotOccupied(2);
            break;
        case kPosPurgonNode:
            e.remove = true;
            break;
        default:
            break;
    }
    return e;
}

// Empties slot s; its slot bit stays, as it belongs to the position.
void Configurator::clearSlot(int s) {
    image_.setU8(SlotCodeAt(s), 0);
    image_.setU8(AttachAt(s), 0);
    slotIdState_[s] = 0;
}

// Removes the module of slot s; the modules behind it move up and the last slot becomes empty. Bytes 0,
// 1, 3 and 4 of the slot records move; the slot mask (byte 2) stays with the slot position.
void Configurator::removeSlot(int s) {
    for (int t = s; t < 2; ++t) {
        for (int b : {0, 1, 3, 4}) image_.setU8(SlotCodeAt(t) + b, image_.u8(SlotCodeAt(t + 1) + b));
        image_.setU8(AttachAt(t), image_.u8(AttachAt(t + 1)));
        slotIdState_[t] = slotIdState_[t + 1];
    }
    clearSlot(2);
}

Outcome Configurator::remove(int position) {
    if (!enabling(position).remove) return Refused("Dort ist nichts zu entfernen", "nothing to remove there");
    if (position == kPosPurgonNode) {
        image_.setU8(kPurgonVersion, 0);
        device_.Purgon.TypeCode = 0;
        refresh();
        return {};
    }
    const int s = position - kPosSlot1;
    if (!slotOccupied(s)) return Refused("Der Steckplatz ist leer", "the slot is empty");
    if (isIModuleChannel(s)) {
        // An I-module leaves together with its second slot.
        const int first = (device_.IModule.SlotMask & 1) ? 0 : 1;
        removeSlot(first);
        removeSlot(first);
        image_.fill(kIModuleCode, 3, 0);
    } else {
        removeSlot(s);
    }
    refresh();
    return {};
}

// Exchanges the modules of two slots: type, record index and attach code; the slot bits stay.
void Configurator::swapSlots(int a, int b) {
    for (int k : {0, 1}) {
        const uint8_t x = image_.u8(SlotCodeAt(a) + k);
        image_.setU8(SlotCodeAt(a) + k, image_.u8(SlotCodeAt(b) + k));
        image_.setU8(SlotCodeAt(b) + k, x);
    }
    const uint8_t attach = image_.u8(AttachAt(a));
    image_.setU8(AttachAt(a), image_.u8(AttachAt(b)));
    image_.setU8(AttachAt(b), attach);
    std::swap(slotIdState_[a], slotIdState_[b]);
}

void Configurator::swapPastPair(int single) {
    if (single == 0) {
        // M, P1, P2 -> P1, P2, M
        swapSlots(0, 1);
        swapSlots(1, 2);
    } else {
        // P1, P2, M -> M, P1, P2
        swapSlots(1, 2);
        swapSlots(0, 1);
    }
}

Outcome Configurator::moveUp(int position) {
    if (!enabling(position).up) return Refused("Dieses Modul kann nicht nach oben rücken", "this module cannot move up");
    const int s = position - kPosSlot1;
    // An I-module moves as a pair of slots: the pair moving up and a module moving up past the pair
    // both exchange the pair with the single module.
    if (isIModuleChannel(s)) swapPastPair(0);
    else if (s > 0 && isIModuleChannel(s - 1)) swapPastPair(2);
    else swapSlots(s - 1, s);
    refresh();
    return {};
}

Outcome Configurator::moveDown(int position) {
    if (!enabling(position).down) return Refused("Dieses Modul kann nicht nach unten rücken", "this module cannot move down");
    const int s = position - kPosSlot1;
    if (isIModuleChannel(s)) swapPastPair(2);
    else if (s < 2 && isIModuleChannel(s + 1)) swapPastPair(0);
    else swapSlots(s, s + 1);
    refresh();
    return {};
}

// A module whose type the current software version does not offer leaves its slot, and the modules
// behind it move up. A type the catalogue does not list is kept: nothing says it is not offered.
void Configurator::validateSlots() {
    if (device_.Front.Code == 0) return;
    for (int s = 0; s < 3; ++s) {
        while (slotOccupied(s)) {
            const auto row = CatalogueIndexOf(device_.Slot[s].Code);
            if (!row || VersionRuleHolds(kModuleCatalogue[*row].rule, device_.Front.SwMajor)) break;
            removeSlot(s);
            redecode();
        }
    }
}

Outcome Configurator::setVersion(char major) {
    if (device_.Origin == kOriginFile)
        return Refused("Die Softwareversion einer aus einer Datei gelesenen Fronteinheit ist die des Ger\u00e4ts (" +
                           FormatFrontVersion(device_.Front.SwMajor, device_.Front.SwMinor) + ") und wird nicht gew\u00e4hlt",
                       "the software version of a front unit read from a file is the device's (" +
                           FormatFrontVersion(device_.Front.SwMajor, device_.Front.SwMinor) + ") and is not chosen");
    if (major != device_.Front.SwMajor) {
        image_.fill(36, 15, 0);
        image_.fill(61, 3, 0);
        image_.fill(kIModuleCode, 3, 0);
        image_.setU8(kPurgonVersion, 0);
        device_.Purgon.TypeCode = 0;
        slotIdState_ = {};
    }
    image_.setU8(2, static_cast<uint8_t>(major));
    image_.setU8(4, 'x');
    if (static_cast<unsigned char>(major) < '7') image_.fill(kIModuleCode, 3, 0);
    refresh();
    return {};
}

bool Configurator::optionActive(const OptionRow& row) const { return (device_.Front.Options >> row.bit) & 1; }

Outcome Configurator::setOption(const std::string& key, bool active) {
    const auto row = OptionByKey(key);
    if (!row) return Refused("Unbekannte Option " + key, "unknown option " + key);
    if (!OptionOffered(*row, device_.Front))
        return Refused("Die Option " + key + " " + OptionOfferText(*row, 0), "option " + key + " " + OptionOfferText(*row, 1));
    uint32_t word = image_.u32(kOptionWord);
    if (active) word |= 1u << row->bit;
    else word &= ~(1u << row->bit);
    image_.setU32(kOptionWord, word);
    refresh();
    return {};
}

void OnWorkingCopies(ParImageBuffer& image, TDevice& device, const std::function<void()>& work) {
    struct Exchange {
        ParImageBuffer& image;
        TDevice& device;
        void swap() {
            std::swap(Ws().ParImage, image);
            std::swap(Ws().Device, device);
        }
        ~Exchange() { swap(); }
    } exchange{image, device};
    exchange.swap();
    work();
}

// Decodes the working image into the working device record. The fields that the configurator itself
// owns (origin, the identity states of moved and new modules, the front's packed version of a new
// front, the slot the Purgon controller was attached to) survive the decode.
void Configurator::redecode() {
    const TDevice before = device_;
    OnWorkingCopies(image_, device_, [] {
        Ws().Device.Origin = kOriginTool;
        // As the loader does, the I-module is found anew; only its identity state is kept.
        const int32_t iModuleIdState = Ws().Device.IModule.IdState;
        Ws().Device.IModule = TIdInfo_h{};
        Ws().Device.IModule.IdState = iModuleIdState;
        DecodeDevice(false);
    });

    device_.Origin = before.Origin;
    if (before.Front.Code != 0) {
        device_.Front.SwPacked = before.Front.SwPacked;
        device_.Front.IdState = before.Front.IdState;
    }
    for (int s = 0; s < 3; ++s) device_.Slot[s].IdState = slotOccupied(s) ? slotIdState_[s] : 0;
    // The decoder attaches the controller to the first slot with module 4, 153 or 189; the configurator
    // attaches it by its own rule wherever that rule finds a slot.
    if (device_.Purgon.TypeCode != 0 && purgonSlot() >= 0) device_.Purgon.SlotMask = device_.Slot[purgonSlot()].SlotMask;
}

void Configurator::refresh() {
    redecode();
    validateSlots();
}

bool Configurator::changed() const { return !(image_ == Ws().ParImage) || !(device_ == Ws().Device); }

void Configurator::commit() const {
    Workspace& ws = Ws();
    ws.ParImage = image_;
    if (ws.ParImage.u8(kPurgonVersion) != 0)
        for (long long i = 2; i < 36; ++i) ws.ParImage.setU8(kPurgonOffset + i, ws.ParImage.u8(i));
    ws.Device = device_;
    ws.Device.Origin = kOriginTool;
    DecodeDevice(false);
    if (ws.Device.Purgon.TypeCode != 0 && device_.Purgon.TypeCode != 0) ws.Device.Purgon.SlotMask = device_.Purgon.SlotMask;
    KeepChoicesOnInstalledModules();
    ws.Modified = true;
}

}  // namespace tessalin::configurator

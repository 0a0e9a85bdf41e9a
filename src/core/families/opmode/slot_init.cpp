#include "core/families/opmode/slot_init.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

#include "core/catalogue/codec.h"
#include "core/data_set/par_image.h"
#include "core/device/decode.h"
#include "core/device/module_codes.h"
#include "core/families/condi/handlers.h"
#include "core/families/default_records.h"
#include "core/families/digph/digph.h"
#include "core/families/menu_registry.h"
#include "core/families/oxy/sensors.h"
#include "core/families/ph/handlers.h"
#include "core/families/ph/ph.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

constexpr long long kBlockSize = 0x400;
constexpr long long kFixedPart = 800;  // the fixed sections start 800 bytes into a block
constexpr long long kRecords = 8256;   // module identity records, 8 bytes each

long long BlockStart(uint8_t block) { return ParamOffset(At(Section::PH_SET, 0), block, false); }

void CopyRecord(std::span<const uint8_t> record, long long at) {
    if (record.empty()) return;
    WriteBlock(at, record);
    WriteBlock(at + static_cast<long long>(kSetBDistance), record);
}

// A start value in both halves of the image.
struct Start {
    Section section;
    uint16_t offset;
    double value;
    Encoding encoding = Encoding::UInt8;
};

void Put(uint8_t block, const Start& s) {
    const long long at = ParamOffset(At(s.section, s.offset), block, false);
    if (at == 0 || at >= 0x7000) return;
    WriteEncoded(at, s.encoding, s.value);
    WriteEncoded(at + static_cast<long long>(kSetBDistance), s.encoding, s.value);
}

void PutAll(uint8_t block, std::initializer_list<Start> starts) {
    for (const Start& s : starts) Put(block, s);
}

constexpr Section PS = Section::PH_SET, OS = Section::OXY_SET, OF = Section::OXY_FIX, CS = Section::COND_SET,
                  RS = Section::ORP_SET;

constexpr int kSensorInputStartSensor = 13;  // the electrodeless sensor input starts with sensor 13
constexpr int kPfaudlerModule = 13;
constexpr int kPfaudlerStartSensorType = 4;    // Pfaudler standard, the first type module 13 offers

// Runs a family's start rules for block `block` of a module of type `type`: the rules write their values
// as a commit on that module's page would; the page context is the same afterwards.
template <typename Rules>
void WithBlockCurrent(uint8_t block, int type, Rules rules) {
    Workspace& ws = Ws();
    struct Restore {
        TParamRef saved;
        ~Restore() { Ws().CurrentParam = saved; }
    } restore{ws.CurrentParam};
    ws.CurrentParam = TParamRef{type, block, ws.CurrentParam.position, nullptr};
    rules();
}

// The electrodeless sensor input starts with the sensor its rules fill in.
void StartSensorInput(uint8_t block, int type) {
    WithBlockCurrent(block, type, [] { condi::StartWithSensor(kSensorInputStartSensor); });
}

void StartValues(uint8_t block, int type, SlotStart start) {
    switch (type) {
        case 150: case 170: case 176:  // pH sensors: temperature probe and automatic temperatures
            PutAll(block, {{PS, 9, 5}, {PS, 11, 1}, {PS, 16, 1}});
            break;
        case 151: case 152: case 171:
            for (const OxygenSetStart& s : kOxygenWithoutAirPressureStarts)
                Put(block, {OS, s.offset, static_cast<double>(s.value)});
            Put(block, {OS, 159, 1});
            if (start.oxygenFix) PutAll(block, {{OF, 148, 1}, {OF, 160, 1}, {OF, 163, 1}, {OF, 168, 1}, {OF, 171, 1}});
            if (type == 152) {
                // Trace sensor 001 with its calibration values.
                PutAll(block, {{OS, 23, 5},
                               {OF, 9, -5000, Encoding::Float},
                               {OF, 108, -5000, Encoding::Float},
                               {OF, 112, -8000, Encoding::Float},
                               {OF, 116, -2500, Encoding::Float}});
            }
            break;
        case 154: case 172:  // another 2-electrode sensor, automatic temperatures
            PutAll(block, {{CS, 23, 6}, {CS, 29, 0}, {CS, 32, 1}, {CS, 37, 1}});
            break;
        case 174:
            PutAll(block, {{RS, 9, 5}, {RS, 11, 1}, {RS, 16, 1}});
            break;
        case 193:
            StartSensorInput(block, type);
            break;
        default:
            break;
    }
}

// The pH modules 4, 19 and 150 code their temperature probe in a list of their own (4 Pt100, 5 Pt1000,
// ...): the section's default 2, Pt1000 in the list of the modules 3, 12 and 13, is none of its codes and
// would leave the field empty, so they start with the same Pt1000 under its own code.
std::span<const uint8_t> SecondProbeListPhSetRecord() {
    static const std::vector<uint8_t> record = [] {
        const std::span<const uint8_t> common = DefaultRecord(Section::PH_SET);
        std::vector<uint8_t> own(common.begin(), common.end());
        own.at(9) = 5;
        return own;
    }();
    return record;
}

// The digital ORP sensor's pages show rows of the pH sections (input filter, sensor data, SIP counter, ORP
// check and ORP-value messages), which lie on the same bytes of the slot as its own: its records take the
// pH family's defaults for those rows, where its own records know nothing of them.
void AddOverlaidDefaults(std::vector<uint8_t>& record, Section own, int moduleType) {
    const Section other = own == Section::ORP_SET ? Section::PH_SET : own == Section::ORP_FIX ? Section::PH_FIX : Section::None;
    const std::optional<MenuTable> menu = MenuTableOf(moduleType);
    if (other == Section::None || !menu) return;
    const std::span<const uint8_t> defaults = DefaultRecord(other);
    for (const TMenuEntry& entry : MenuEntries(*menu))
        for (const TParamEntry& param : ParamEntries(entry)) {
            const bool value = param.kind == kKindNumber || param.kind == kKindChoice || param.kind == kKindChoiceButtons;
            if (!value || param.location.section != other) continue;
            const std::size_t at = param.location.offset;
            const std::size_t end = at + static_cast<std::size_t>(EncodingWidth(EncodingOf(param.flags)));
            for (std::size_t i = at; i < end && i < record.size() && i < defaults.size(); ++i) record[i] = defaults[i];
        }
}

}  // namespace

std::vector<uint8_t> FamilyDefaultRecord(Section section, int moduleType, const TIdFront& front) {
    const std::span<const uint8_t> common = DefaultRecord(section);
    if (section != Section::PH_SET) {
        std::vector<uint8_t> record(common.begin(), common.end());
        AddOverlaidDefaults(record, section, moduleType);
        return record;
    }
    const bool digitalPh = moduleType == 160 || moduleType == 170 || moduleType == 175 || moduleType == 176;
    const bool secondProbeList = moduleType == 4 || moduleType == 19 || moduleType == 150;
    const std::span<const uint8_t> own =
        digitalPh ? DigPhSetDefaultRecord() : secondProbeList ? SecondProbeListPhSetRecord() : common;
    std::vector<uint8_t> record(own.begin(), own.end());
    record.at(kBufferSetByte) = FactoryBufferSet(front);
    return record;
}

std::pair<Section, Section> ParamSectionsOf(int code) {
    switch (code) {
        case 3: case 4: case 12: case 13: case 18: case 19: case 150: case 153: case 160: case 170: case 175:
        case 176: case 180: case 189: case 190:
            return {Section::PH_SET, Section::PH_FIX};
        case 5: case 154: case 162: case 172: case 182: case 192:
            return {Section::COND_SET, Section::COND_FIX};
        case 6: case 163: case 173: case 183: case 193:
            return {Section::CONDI_SET, Section::CONDI_FIX};
        case 7: case 10: case 11: case 20: case 21: case 26: case 151: case 152: case 161: case 171: case 181:
        case 191:
            return {Section::OXY_SET, Section::OXY_FIX};
        case 211:
            return {Section::LDO_SET, Section::LDO_FIX};
        case 164: case 174:
            return {Section::ORP_SET, Section::ORP_FIX};
        case 8:
            return {Section::OUT_SET, Section::OUT_FIX};
        case 9:
            return {Section::PID_SET, Section::PID_FIX};
        case 14: case 23:
            return {Section::COM_SET, Section::COM_FIX};
        default:
            return {Section::None, Section::None};
    }
}

void InitialiseSlot(uint8_t block, int moduleType, SlotStart start) {
    CheckIndex("parameter block", block, 3);
    const long long at = BlockStart(block);
    static const std::array<uint8_t, kBlockSize> zeros{};
    WriteBlock(at, zeros);
    WriteBlock(at + static_cast<long long>(kSetBDistance), zeros);
    const auto [setSection, fixSection] = ParamSectionsOf(moduleType);
    const TIdFront& front = Ws().Device.Front;
    if (setSection != Section::None) CopyRecord(FamilyDefaultRecord(setSection, moduleType, front), at);
    if (fixSection != Section::None) CopyRecord(FamilyDefaultRecord(fixSection, moduleType, front), at + kFixedPart);
    StartValues(block, moduleType, start);
}

void StartPlacedModule(uint8_t block, int moduleType) {
    if (moduleType == kPfaudlerModule)
        WithBlockCurrent(block, moduleType, [] { ph::StartWithSensorType(kPfaudlerStartSensorType); });
}

uint8_t IModuleAnalogType(int kind, bool from9, uint32_t options) {
    if (from9) {
        static constexpr uint8_t kAnalog[] = {180, 181, 182, 183};
        return kind >= 0 && kind < 4 ? kAnalog[kind] : 25;
    }
    switch (kind) {
        case 0: return 150;
        case 1: return (options & (1u << 26)) ? 151 : (options & (1u << 27)) ? 152 : 25;
        case 2: return 154;
        default: return 25;
    }
}

uint8_t IModuleDigitalType(int kind, bool from9) {
    if (!from9) return 25;
    switch (kind) {
        case 0: return 160;
        case 1: return 161;
        case 2: return 162;
        case 3: return 163;
        case 6: return 164;
        default: return 25;
    }
}

uint8_t ProbeControlType(bool from9) { return from9 ? 189 : 153; }

void SetSlotModuleType(int s, int moduleType) {
    CheckIndex("slot", s, 3);
    const ParImageBuffer& image = Ws().ParImage;
    const uint8_t attach = image.u8(61 + s);
    const bool from9 = static_cast<unsigned char>(image.u8(2)) >= '9';
    const uint8_t code = static_cast<uint8_t>(moduleType);
    const uint8_t record = image.u8(37 + 5LL * s);
    CheckIndex("identity record", record, 3);
    WriteU8(36 + 5LL * s, StoredCodeFor(code, attach, from9));
    WriteU8(kRecords + 8LL * record, HwIdOfCode(code));
}

}  // namespace tessalin

#include "core/device/decode.h"

#include <algorithm>
#include <span>
#include <vector>

#include "core/data_set/image_checks.h"
#include "core/device/calc_blocks.h"
#include "core/device/device.h"
#include "core/device/module_codes.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// FRONT image fields.
constexpr long long kVersionMajorAt = 2;
constexpr long long kVersionMinorAt = 4;
constexpr long long kFrontHwAt = 8192;
constexpr long long kFrontBrandAt = 8193;
constexpr long long kFrontSerialAt = 8194;
constexpr long long kBaseCodeAt = 8208;
constexpr long long kBaseSwAt = 8209;
constexpr long long kBaseHwAt = 8210;
constexpr long long kBaseBrandAt = 8211;
constexpr long long kBaseSerialAt = 8212;
constexpr long long kOptionsAt = 8224;
constexpr long long kRecordsAt = 8256;
constexpr long long kIModuleCodeAt = 8286;
constexpr long long kIModuleSwAt = 8287;
constexpr long long kIModuleHwAt = 8288;

// Slot table: slot s has code, record index and slot mask 5 bytes apart, its attach byte at 61 + s;
// calculation block c has code, record index and slot mask at 51 + 5c.
constexpr long long SlotCodeAt(int s) { return 36 + 5LL * s; }
constexpr long long SlotRecordAt(int s) { return 37 + 5LL * s; }
constexpr long long SlotMaskAt(int s) { return 38 + 5LL * s; }
constexpr long long AttachAt(int s) { return 61 + s; }
constexpr long long CalcCodeAt(int c) { return 51 + 5LL * c; }

// Purgon image fields, from the start of the Purgon image.
constexpr long long kPurgon = static_cast<long long>(kPurgonOffset);
constexpr long long kPurgonPresentAt = kPurgon + 2;
constexpr long long kPurgonVariantAt = kPurgon + 2400;
constexpr long long kBlockAAt = kPurgon + 100;
constexpr long long kBlockBAt = kPurgon + 3100;
constexpr long long kBlockCAt = kPurgon + 6100;
constexpr std::size_t kBlockSize = 3000;
constexpr uint8_t kBlockValid = 2;

constexpr uint8_t kPurgonBasic = 79;
constexpr uint8_t kPurgonExtended = 80;

// Interface bit of a hardware identity byte. 255 means "no module" and is never an interface, although
// that bit is set in it.
bool ReachedThroughInterface(uint8_t hwId) { return hwId != kNoHwId && (hwId & 0x04) != 0; }

bool IsIModuleAttach(uint8_t attach) { return attach == 24 || attach == 28; }

std::string ExMarkOf(uint8_t brandByte) { return (brandByte & 0xE0) == 0x40 ? "X" : ""; }
uint8_t BrandOf(uint8_t brandByte) { return brandByte & 0x1F; }

struct IdentityRecord {
    uint8_t hwId;
    uint8_t swVersion;
    uint8_t hwVersion;
    uint8_t brandByte;
    uint32_t serial;
};

// Module identity record k. Any index 0..255 stays inside the image; records beyond the third read
// whatever FRONT bytes lie there.
IdentityRecord ReadRecord(uint8_t k) {
    const ParImageBuffer& image = Ws().ParImage;
    const long long at = kRecordsAt + 8LL * k;
    return {image.u8(at), image.u8(at + 1), image.u8(at + 2), image.u8(at + 3), image.u32(at + 4)};
}

// The component's identity state becomes "from file" when the device was loaded and the component is there.
void MarkIdState(int32_t& idState, bool present) {
    if (Ws().Device.Origin == kOriginFile && present) idState = kIdFromFile;
}

bool SoftwareBefore9() { return static_cast<unsigned char>(Ws().Device.Front.SwMajor) < '9'; }

void DecodeFront() {
    const ParImageBuffer& image = Ws().ParImage;
    TIdFront& front = Ws().Device.Front;
    front.SwMajor = image.ch(kVersionMajorAt);
    front.SwMinor = image.ch(kVersionMinorAt);
    front.SwPacked = static_cast<uint8_t>(((front.SwMajor & 0x0F) << 4) | (front.SwMinor & 0x0F));
    front.HwVersion = image.u8(kFrontHwAt);
    front.Code = front.HwVersion == 2 ? 17 : 2;
    front.Brand = BrandOf(image.u8(kFrontBrandAt));
    front.ExMark = ExMarkOf(image.u8(kFrontBrandAt));
    front.SerialNo = image.u32(kFrontSerialAt);
    front.Options = image.u32(kOptionsAt);
    MarkIdState(front.IdState, true);
}

void DecodeBase() {
    const ParImageBuffer& image = Ws().ParImage;
    const TIdFront& front = Ws().Device.Front;
    TIdInfo_h& base = Ws().Device.Base;
    if (VersionAtLeast(front.SwMajor, front.SwMinor, '5', '3')) {
        base.Code = image.u8(kBaseCodeAt);
        base.SwVersion = image.u8(kBaseSwAt);
        base.HwVersion = image.u8(kBaseHwAt);
        base.Brand = BrandOf(image.u8(kBaseBrandAt));
        base.ExMark = ExMarkOf(image.u8(kBaseBrandAt));
        base.SerialNo = image.u32(kBaseSerialAt);
    } else {
        // Older software keeps no base identity: the base follows the front.
        base.ExMark = front.ExMark;
        base.SwVersion = 0x11;
        base.HwVersion = 1;
        base.Brand = front.Brand;
        base.SerialNo = 0;
        base.Code = front.ExMark == "X" ? 15 : 1;
    }
    base.HwId = 0;
    base.SlotMask = 0;
    MarkIdState(base.IdState, base.Code != 0);
}

// Takes brand, serial number and mark of the I-module from the identity record of the first slot it serves.
void TakeIModuleIdentity(TIdInfo_h& iModule, int firstSlot) {
    const IdentityRecord rec = ReadRecord(Ws().ParImage.u8(SlotRecordAt(firstSlot)));
    iModule.Brand = BrandOf(rec.brandByte);
    iModule.SerialNo = rec.serial;
    iModule.ExMark = ExMarkOf(rec.brandByte);
}

// Software before 9 keeps no attach bytes: an I-module shows itself through the interface bit of the module
// in slot [II]. It serves [I] and [II] when slot [I] is reached through it as well, else [II] and [III]; the
// attach bytes 61..63 are written accordingly.
void DecodeIModuleBefore9() {
    ParImageBuffer& image = Ws().ParImage;
    TIdInfo_h& iModule = Ws().Device.IModule;
    if (image.u8(SlotCodeAt(1)) == 0) return;
    if (!ReachedThroughInterface(ReadRecord(image.u8(SlotRecordAt(1))).hwId)) return;

    const uint8_t stored = image.u8(kIModuleCodeAt);
    if (IsIModuleAttach(stored)) {
        iModule.Code = stored;
        iModule.SwVersion = image.u8(kIModuleSwAt);
        iModule.HwVersion = image.u8(kIModuleHwAt);
    } else {
        iModule.Code = 24;
        iModule.SwVersion = 0x22;
        iModule.HwVersion = 1;
    }

    const bool servesFirstSlot = ReachedThroughInterface(ReadRecord(image.u8(SlotRecordAt(0))).hwId);
    const int firstSlot = servesFirstSlot ? 0 : 1;
    TakeIModuleIdentity(iModule, firstSlot);
    iModule.SlotMask = image.u8(SlotMaskAt(firstSlot)) | image.u8(SlotMaskAt(firstSlot + 1));
    for (int s = 0; s < 3; ++s) {
        const bool served = s == firstSlot || s == firstSlot + 1;
        image.setU8(AttachAt(s), served ? iModule.Code : 0);
    }
}

// From version 9 on the attach bytes say where the I-module is: at [I] and [II], or at [II] and [III].
void DecodeIModuleFrom9() {
    const ParImageBuffer& image = Ws().ParImage;
    TIdInfo_h& iModule = Ws().Device.IModule;
    int firstSlot;
    if (IsIModuleAttach(image.u8(AttachAt(0))))
        firstSlot = 0;
    else if (IsIModuleAttach(image.u8(AttachAt(1))))
        firstSlot = 1;
    else
        return;
    iModule.Code = image.u8(kIModuleCodeAt);
    iModule.SwVersion = image.u8(kIModuleSwAt);
    iModule.HwVersion = image.u8(kIModuleHwAt);
    TakeIModuleIdentity(iModule, firstSlot);
    iModule.SlotMask = image.u8(SlotMaskAt(firstSlot)) | image.u8(SlotMaskAt(firstSlot + 1));
}

void DecodeSlot(int s) {
    const ParImageBuffer& image = Ws().ParImage;
    TDevice& device = Ws().Device;
    TIdInfo_h& slot = device.Slot[static_cast<std::size_t>(s)];
    slot.Code = image.u8(SlotCodeAt(s));
    slot.SlotMask = image.u8(SlotMaskAt(s));
    slot.RecIndex = image.u8(SlotRecordAt(s));
    const IdentityRecord rec = ReadRecord(slot.RecIndex);
    slot.HwId = rec.hwId;
    slot.SwVersion = rec.swVersion;
    slot.HwVersion = rec.hwVersion;
    slot.Brand = BrandOf(rec.brandByte);
    slot.SerialNo = rec.serial;
    RemapInterfaceModules(s);
    slot.ExMark = ExMarkOf(rec.brandByte);
    slot.AttachCode = image.u8(AttachAt(s));
    MarkIdState(slot.IdState, slot.Code != 0);
    // A sensor behind an I-module reports the I-module's software and serial number.
    if (!SoftwareBefore9() && IsIModuleAttach(slot.AttachCode)) {
        slot.SwVersion = device.IModule.SwVersion;
        slot.SerialNo = device.IModule.SerialNo;
    }
}

void DecodeCalcBlock(int c) {
    const ParImageBuffer& image = Ws().ParImage;
    TCalcBlock& block = Ws().Device.CalcBlock[static_cast<std::size_t>(c)];
    block.Code = image.u8(CalcCodeAt(c));
    block.RecIndex = image.u8(CalcCodeAt(c) + 1);
    block.SlotMask = image.u8(CalcCodeAt(c) + 2);
    MarkIdState(block.IdState, block.Code != 0);
    if (!CalcBlockValid(c)) {
        block.Code = 0;
        block.IdState = 0;
    }
}

// The Purgon controller is connected through a pH module with probe control; the first such slot carries it.
const TIdInfo_h* PurgonCarrier() {
    for (const TIdInfo_h& slot : Ws().Device.Slot)
        if (slot.Code == 4 || slot.Code == 153 || slot.Code == 189) return &slot;
    return nullptr;
}

// When program block A is not valid, the first valid backup (B, then C) is copied over it.
void RecoverProgramBlock() {
    ParImageBuffer& image = Ws().ParImage;
    if (image.u8(kBlockAAt) == kBlockValid) return;
    for (long long backup : {kBlockBAt, kBlockCAt}) {
        if (image.u8(backup) != kBlockValid) continue;
        const auto source = image.bytes(backup, kBlockSize);
        const std::vector<uint8_t> copy(source.begin(), source.end());
        image.writeBytes(kBlockAAt, copy);
        return;
    }
}

void DecodePurgon(bool fromFile) {
    ParImageBuffer& image = Ws().ParImage;
    TDevice& device = Ws().Device;
    TidPurgon& purgon = device.Purgon;
    if (image.u8(kPurgonPresentAt) == 0) {
        purgon.TypeCode = 0;
        purgon.IdState = 0;
        return;
    }
    purgon.SwVersion = 0;
    purgon.HwVersion = 1;
    purgon.Brand = device.Front.Brand;
    purgon.SerialNo = 0;
    purgon.ExMark.clear();
    purgon.SlotMask = 0;

    if (const TIdInfo_h* carrier = PurgonCarrier()) {
        purgon.SlotMask = carrier->SlotMask;
        if (fromFile) {
            const bool extended = static_cast<unsigned char>(device.Front.SwMajor) >= '7' &&
                                  image.u8(kPurgonVariantAt) == 3;
            purgon.TypeCode = extended ? kPurgonExtended : kPurgonBasic;
        } else if (purgon.TypeCode != 0 && purgon.TypeCode != kPurgonExtended) {
            purgon.TypeCode = kPurgonBasic;
        }
        MarkIdState(purgon.IdState, purgon.TypeCode != 0);
    } else {
        // Without a module to connect it, the controller counts as absent.
        purgon.TypeCode = 0;
        image.setU8(kPurgonPresentAt, 0);
        purgon.IdState = 0;
    }
    RecoverProgramBlock();
}

// Stored code -> code used, for modules reached through an interface.
struct CodeMapping {
    uint8_t stored;
    uint8_t used;
};

constexpr CodeMapping kBefore9Map[] = {{4, 153}, {5, 154}, {19, 150}, {20, 151}, {26, 152}};
constexpr CodeMapping kIModuleMap[] = {{4, 189},  {5, 182},  {6, 183},  {19, 180}, {20, 181},
                                       {26, 181}, {30, 160}, {31, 161}, {32, 162}, {34, 164}};
constexpr CodeMapping kDigitalSensorMap[] = {{5, 192},  {6, 193},  {19, 190}, {20, 191}, {26, 191}, {30, 170},
                                             {31, 171}, {32, 172}, {33, 173}, {34, 174}, {35, 176}, {36, 175}};
constexpr CodeMapping kOpticalMap[] = {{40, 211}};

std::span<const CodeMapping> MappingFor(uint8_t attach, bool from9) {
    if (!from9) return kBefore9Map;
    if (IsIModuleAttach(attach)) return kIModuleMap;
    if (attach == kFamilyDigitalSensor) return kDigitalSensorMap;
    if (attach == kFamilyOptical) return kOpticalMap;
    return {};
}

}  // namespace

uint8_t RemappedCode(uint8_t stored, uint8_t attach, bool from9) {
    const auto mapping = MappingFor(attach, from9);
    const auto it = std::find_if(mapping.begin(), mapping.end(), [&](const CodeMapping& m) { return m.stored == stored; });
    return it == mapping.end() ? stored : it->used;
}

uint8_t StoredCodeFor(uint8_t code, uint8_t attach, bool from9) {
    for (int stored = 1; stored < 256; ++stored)
        if (RemappedCode(static_cast<uint8_t>(stored), attach, from9) == code && stored != code)
            return static_cast<uint8_t>(stored);
    return code;
}

void RemapInterfaceModules(int s) {
    CheckIndex("slot", s, 3);
    TIdInfo_h& slot = Ws().Device.Slot[static_cast<std::size_t>(s)];
    if (!ReachedThroughInterface(slot.HwId)) return;
    const uint8_t used = RemappedCode(slot.Code, Ws().ParImage.u8(AttachAt(s)), !SoftwareBefore9());
    if (used == slot.Code) return;
    slot.Code = used;
    slot.HwId = HwIdOfCode(slot.Code);
}

void DecodeDevice(bool fromFile) {
    DecodeFront();
    DecodeBase();
    if (SoftwareBefore9())
        DecodeIModuleBefore9();
    else
        DecodeIModuleFrom9();
    MarkIdState(Ws().Device.IModule.IdState, Ws().Device.IModule.Code != 0);
    for (int s = 0; s < 3; ++s) DecodeSlot(s);
    for (int c = 0; c < 2; ++c) DecodeCalcBlock(c);
    DecodePurgon(fromFile);
}

void ClearDevice() { Ws().Device = TDevice{}; }

}  // namespace tessalin

#pragma once
// The configurator as a model: it assembles or changes a device configuration on private copies of the
// device record and the 32768-byte parameter image. Every change is made in the working image, which is
// then decoded again, so the working device record always describes the working image. OK (Commit)
// hands both to the program; dropping the object is Cancel.

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/configurator/module_catalogue.h"
#include "core/configurator/options.h"
#include "core/data_set/par_image.h"
#include "core/device/device.h"

namespace tessalin::configurator {

// Positions of the configuration tree: 2 front, 1 base, 4..6 slots [I]..[III], 10 Purgon controller.
inline constexpr int kPosPurgonNode = 10;

// What the module list offers, by the state of the configuration.
enum class ListState { NoFront, NoBase, SlotsFull, Modules };

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

struct OfferedItem {
    int row;    // index into kModuleCatalogue
    int image;  // picture index of the item
    std::string markup;  // the item text of the module list
};

struct Enabling {
    bool remove = false;
    bool up = false;
    bool down = false;
    bool operator==(const Enabling&) const = default;
};

// What became of a request. A refusal gives its reason in both interface languages.
struct Outcome {
    bool ok = true;
    std::string reasonDe;
    std::string reasonEn;
    // The reason in the interface language: 0 German, anything else English.
    const std::string& reason(int uiLanguage) const { return uiLanguage == 0 ? reasonDe : reasonEn; }
};

inline Outcome Refused(std::string de, std::string en) { return {false, std::move(de), std::move(en)}; }

class Configurator {
public:
    // Starts from copies of the program's device record and image.
    Configurator();

    const TDevice& device() const { return device_; }
    const ParImageBuffer& image() const { return image_; }

    ListState state() const;
    // Background colour of the module list in the current state; nothing offered shows the window colour.
    std::optional<Rgb> listBackground() const;
    std::vector<OfferedItem> offered() const;
    bool isOffered(int row) const;

    // Adds the module of a catalogue row; refused with a reason when the list does not offer it.
    Outcome add(int row);
    // The same by module type code (the first row of that code).
    Outcome addCode(int code);

    Enabling enabling(int position) const;
    Outcome remove(int position);
    Outcome moveUp(int position);
    Outcome moveDown(int position);

    // Tree menu changes: "sw_ver" with the major character, or an option key with active/inactive. An
    // option is changed only where the tree offers it; the version only of a front made here, as the
    // tree shows a front read from a file with its version as a read-only line.
    Outcome setVersion(char major);
    Outcome setOption(const std::string& key, bool active);
    bool optionActive(const OptionRow& row) const;

    // The working copies differ from the program's image or device: there is something to take over.
    bool changed() const;
    // OK: the working copies replace the program's (origin 1, decoded again, data set changed), and the
    // choices of other pages that name a module follow the modules (KeepChoicesOnInstalledModules).
    void commit() const;

private:
    bool frontIsVariant() const;
    uint8_t brandByte() const;
    bool slotOccupied(int s) const { return device_.Slot[s].Code != 0; }
    bool behindInterface(int s) const;
    bool sensorCarrier(int s) const;
    bool isIModuleChannel(int s) const;
    int firstFreeSlot() const;
    int channelFor(uint8_t hwId, int forSlot) const;

    void addFront(const CatalogueRow& row);
    void addBase(const CatalogueRow& row);
    Outcome addModule(const CatalogueRow& row);
    void addIModule(const CatalogueRow& row);
    void addDigitalSensorModule();
    void addLdoModule();
    // The stored type (79 or 80) follows the software version and the Purgon image's control byte; the
    // control byte is set so that it follows the type chosen. Refused when no slot can carry it.
    Outcome addPurgon(uint8_t code);
    // The slot the Purgon controller attaches to when added: [I] when it holds module 4, else [II], then
    // [III], when it holds 4 or 153; -1 when none can.
    int purgonSlot() const;

    // Puts a module with the code used by the tool into slot s: slot record, identity record of its
    // measurement channel, attach byte, and the family's default parameters for a new channel.
    void placeInSlot(int s, uint8_t code, uint8_t attach);
    // The family's default records in the channel's parameter block, and what the placed module starts
    // with beyond them.
    void copySectionDefaults(int code, int channel);
    void clearSlot(int s);
    void removeSlot(int s);
    void swapSlots(int a, int b);
    // Exchanges the module in slot `single` with the I-module whose channels are the other two slots.
    void swapPastPair(int single);
    void validateSlots();
    void redecode();
    // After every change, as the configurator's view is rebuilt: decode, then validate the slots.
    void refresh();

    TDevice device_;
    ParImageBuffer image_;
    // Whether each slot's identity came from a device file; it travels with the module.
    std::array<int32_t, 3> slotIdState_{};
};

// Runs `work` with the program's image and device record exchanged for the given working copies and
// exchanges them back however `work` ends: an error inside never leaves a working copy in the program.
void OnWorkingCopies(ParImageBuffer& image, TDevice& device, const std::function<void()>& work);

}  // namespace tessalin::configurator

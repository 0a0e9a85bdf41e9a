#include "support/text_records.h"

#include <set>
#include <span>
#include <utility>

#include "core/catalogue/choice_list.h"
#include "core/catalogue/process_variables.h"
#include "core/catalogue/value_types.h"
#include "core/device/description_texts.h"
#include "core/device/module_codes.h"
#include "core/device/option_names.h"
#include "core/documentation/doc_texts.h"
#include "core/families/base/texts.h"
#include "core/families/calc/texts.h"
#include "core/families/cond/texts.h"
#include "core/families/fieldbus/texts.h"
#include "core/families/front/texts.h"
#include "core/families/menu_registry.h"
#include "core/families/opmode/radio_texts.h"
#include "core/families/opmode/texts.h"
#include "core/families/oxy/texts.h"
#include "core/families/ph/texts.h"
#include "core/families/purgon/purgon.h"
#include "core/families/purgon/settings_texts.h"
#include "core/families/purgon/texts.h"
#include "core/families/shared/common_texts.h"
#include "core/families/shared/conductivity_texts.h"
#include "core/workspace.h"

namespace tessalin::test {
namespace {

// Records that no menu or parameter table names: handlers put them in titles, headings, notes, lists
// and the program editor's step and program names.
const TextRecord* const kHandlerRecords[] = {
    &base::kTxtInputsNote1, &base::kTxtInputsNote2, &calc::kTxtOff, &cond::kTxtOther2El, &cond::kTxtOther4El,
    &conductivity::kTxtCalPresetsLine1, &conductivity::kTxtCalPresetsLine2, &conductivity::kTxtTcLine1,
    &conductivity::kTxtTcLine2, &fieldbus::kTxtNoModule, &front::kTxtBlockOff, &front::kTxtBuffer,
    &front::kTxtChartConcentration, &front::kTxtChartTemperature, &front::kTxtConductivityAt,
    &front::kTxtPhValueAt, &front::kTxtSwitchoverMatrix,
    &front::kTxtSwitchoverSee, &opmode::kTxtApply, &opmode::kTxtHeading1, &opmode::kTxtHeading2,
    &oxy::kTxtCalPresetHeading1, &oxy::kTxtCalPresetHeading2, &oxy::kTxtPolarizationVoltage,
    &oxy::kTxtPressureHeading1, &oxy::kTxtPressureHeading2, &ph::kTxtBufferTable, &ph::kTxtToleranceHeading1,
    &ph::kTxtToleranceHeading2, &purgon::kTxtCal1Point, &purgon::kTxtCal2Point, &purgon::kTxtCalBuffer1Step,
    &purgon::kTxtCalBuffer2Step, &purgon::kTxtCalMode, &purgon::kTxtCalModeV5, &purgon::kTxtClean,
    &purgon::kTxtControlOff, &purgon::kTxtCopy, &purgon::kTxtDelete, &purgon::kTxtEdit, &purgon::kTxtEmptyStep,
    &purgon::kTxtEnd, &purgon::kTxtEndPrefix, &purgon::kTxtGotoLine, &purgon::kTxtInsert,
    &purgon::kTxtMeasDuration, &purgon::kTxtMeasure, &purgon::kTxtOffPrefix, &purgon::kTxtOrpCheck,
    &purgon::kTxtParking, &purgon::kTxtPointProgram, &purgon::kTxtProbe, &purgon::kTxtProbeControl,
    &purgon::kTxtProbeInMeasure, &purgon::kTxtProbeInService, &purgon::kTxtProbeTypesBefore7,
    &purgon::kTxtProbeTypesBrand1, &purgon::kTxtProbeTypesControl3, &purgon::kTxtProbeTypesFrom7,
    &purgon::kTxtProbeVorlix, &purgon::kTxtProgramEnd, &purgon::kTxtProgramsContinuous,
    &purgon::kTxtProgramsShort, &purgon::kTxtProgramsType3Continuous, &purgon::kTxtProgramsType3Short,
    &purgon::kTxtRinse, &purgon::kTxtRinseWaterStep, &purgon::kTxtStart, &purgon::kTxtSuffixOff,
    &purgon::kTxtSuffixOn, &purgon::kTxtTimeOfStart, &purgon::kTxtWaitDuration, &purgon::kTxtWaitPosition,
    &radio::kTxtApplyHeading, &radio::kTxtModeHeading, &radio::kTxtZigBeeHeading, &radio::kTxtZigBeeNote,
};
const std::span<const TextRecord> kHandlerRecordArrays[] = {ph::kTxtBufferSets, purgon::kTxtDay, purgon::kTxtProgram,
                                                            front::kTxtMatrixColumns, front::kTxtMatrixRows};

class Collector {
public:
    void add(const TextRecord* record) {
        if (record != nullptr && seen_.insert(record).second) records_.push_back(record);
    }
    void addEntry(const TMenuEntry& entry) {
        add(entry.texts);
        for (const TParamEntry& param : ParamEntries(entry)) add(param.texts);
    }
    std::vector<const TextRecord*> records() && { return std::move(records_); }

private:
    std::set<const TextRecord*> seen_;
    std::vector<const TextRecord*> records_;
};

}  // namespace

std::vector<const TextRecord*> AllTextRecords() {
    Collector collector;
    for (int type : MenuModuleTypes()) {
        for (const TMenuEntry& entry : MenuEntries(*MenuTableOf(type))) collector.addEntry(entry);
    }
    for (const TMenuEntry& entry : MenuEntries(ProbeMenu())) collector.addEntry(entry);
    collector.addEntry(ProbePointEditor);
    collector.addEntry(ProbeStepEditor);
    for (const TextRecord* record : kHandlerRecords) collector.add(record);
    for (std::span<const TextRecord> records : kHandlerRecordArrays) {
        for (const TextRecord& record : records) collector.add(&record);
    }
    return std::move(collector).records();
}

namespace {

DeviceText FromLanguageTexts(const LanguageTexts& texts, const std::string& where) {
    DeviceText text{{}, where};
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) text.text[lang] = texts[lang] ? texts[lang] : "";
    return text;
}

// One of the tool's own words that a function gives in the device language, asked in each language.
template <typename Text>
DeviceText InEveryLanguage(Text text, const std::string& where) {
    const int language = Ws().DeviceLanguage;
    DeviceText out{{}, where, false};
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
        Ws().DeviceLanguage = lang;
        out.text[lang] = text();
    }
    Ws().DeviceLanguage = language;
    return out;
}

// The unit texts of every value type, each distinct text once.
void AddUnitTexts(std::vector<DeviceText>& texts) {
    std::set<std::array<std::string, kDeviceLanguageCount>> distinct;
    for (int type = 0; type < kValueTypeCount; ++type) {
        for (const UnitAlternative& unit : ValueType(type).units) {
            DeviceText text = FromLanguageTexts(unit.text, "unit of value type " + std::to_string(type));
            if (distinct.insert(text.text).second) texts.push_back(std::move(text));
        }
    }
}

void AddModuleDescriptions(std::vector<DeviceText>& texts) {
    std::set<const DeviceTexts*> seen;
    for (const ModuleCodeRow& row : ModuleCodeTable()) {
        if (row.description == nullptr || !seen.insert(row.description).second) continue;
        DeviceText text{{}, "module description of code " + std::to_string(row.code)};
        for (int lang = 0; lang < kDeviceLanguageCount; ++lang) text.text[lang] = std::string((*row.description)[lang]);
        texts.push_back(std::move(text));
    }
    DeviceText none{{}, "module description \"kein Modul\""};
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) none.text[lang] = std::string(NoModuleText(lang));
    texts.push_back(std::move(none));
}

// The words of the hardware description, the configurator's option names and the documentation.
void AddWords(std::vector<DeviceText>& texts) {
    for (int word = 0; word <= static_cast<int>(DescriptionWord::Inactive); ++word)
        texts.push_back(InEveryLanguage([word] { return DescriptionText(static_cast<DescriptionWord>(word)); },
                                        "description word " + std::to_string(word)));
    for (int bit = 0; bit < 32; ++bit) {
        DeviceText name = InEveryLanguage([bit] { return OptionName(bit); }, "option " + std::to_string(bit));
        if (!name.text[0].empty()) texts.push_back(std::move(name));
    }
    for (int word = 0; word <= static_cast<int>(DocWord::DeviceDescription); ++word)
        texts.push_back(InEveryLanguage([word] { return DocText(static_cast<DocWord>(word)); },
                                        "documentation word " + std::to_string(word)));
}

}  // namespace

std::vector<DeviceText> AllDeviceTexts() {
    std::vector<DeviceText> texts;
    for (const TextRecord* record : AllTextRecords()) {
        const std::string german = record->s[0];
        DeviceText name{{}, "record \"" + german + "\""};
        std::array<std::vector<ChoiceItem>, kDeviceLanguageCount> items;
        for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
            name.text[lang] = record->s[2 * lang] ? record->s[2 * lang] : "";
            items[lang] = ParseChoiceList(record->s[2 * lang + 1] ? record->s[2 * lang + 1] : "");
        }
        texts.push_back(name);
        for (std::size_t i = 0; i < items[0].size(); ++i) {
            DeviceText item{{}, name.where + " item " + std::to_string(i + 1)};
            for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
                if (i < items[lang].size()) item.text[lang] = items[lang][i].text;
            }
            texts.push_back(item);
        }
    }
    for (PvEdition edition : {PvEdition::UpTo8, PvEdition::From9}) {
        for (const ProcessVariableRow& row : ProcessVariableRows(edition)) {
            texts.push_back(FromLanguageTexts(row.names, "process variable " + std::to_string(row.moduleType) + "/" +
                                                             std::to_string(row.variable)));
        }
    }
    texts.push_back(FromLanguageTexts(kOffText, "process-variable item \"Aus\""));
    AddUnitTexts(texts);
    AddModuleDescriptions(texts);
    AddWords(texts);
    return texts;
}

}  // namespace tessalin::test

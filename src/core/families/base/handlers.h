#pragma once
// Handlers of the base unit's contacts K1..K3 and of its inputs page. What a contact's page shows follows
// its usage byte: a limit contact its variable, limit, hysteresis and direction; a rinse contact its rinse
// timing and logbook entry; a USP output the conductivity module it watches. The current outputs follow
// the rules every current output shares (output_pages.h).

#include <cstdint>
#include <string>

#include "core/catalogue/tables.h"
#include "core/catalogue/value_rules.h"

namespace tessalin::base {

// Codes of a contact's usage byte.
inline constexpr int kUsageLimit = 3;
inline constexpr int kUsageRinse = 4;
inline constexpr int kUsageParameterSetB = 5;
inline constexpr int kUsageUsp = 6;
inline constexpr int kUsageKiRec = 7;

// Offsets of a contact's bytes from its usage byte.
inline constexpr uint16_t kModuleSelection = 25;

// ---- rules of the contact whose usage byte is at SYS-SET + k
// The delays do not apply to a rinse contact, a set-B indicator or a KI recorder contact.
bool DelaysApply(uint16_t k);
// The module of a USP output is asked only for a USP output and when there is a choice: more than one
// conductivity module.
bool ModuleSelectionShown(uint16_t k);
// The choice list of conductivity modules: slot position as code, slot prefix and module name as text.
std::string ConductivityModuleList();
// After a usage change: a USP output watches a conductivity module (the first one when the stored choice
// names none, 0 when there is none).
void SelectUspModule(uint16_t k);

// Limit and hysteresis can be edited once their value type resolves (a variable has been chosen).
bool ValueTypeResolves();

template <uint16_t K>
struct ContactRules {
    static constexpr Location kUsage = At(Section::SYS_SET, K);

    static bool Usage(int event, TEvParRec& rec) {
        return rules::OnCommit(event, rec, [] { SelectUspModule(K); });
    }
    static bool ModuleSelection(int event, TEvParRec& rec) {
        if (event == kEvRowVisible) return ModuleSelectionShown(K);
        return rules::ChoiceList(event, rec, ConductivityModuleList);
    }
    static constexpr Handler VariableOrDirection = rules::ShownWhile<kUsage, kUsageLimit>;
    static bool LimitValue(int event, TEvParRec& rec) {
        if (event == kEvRowEditable) return ValueTypeResolves();
        return VariableOrDirection(event, rec);
    }
    static constexpr Handler Rinse = rules::ShownWhile<kUsage, kUsageRinse>;
    static bool Delay(int event, TEvParRec& rec) { return rules::Shown(event, rec, DelaysApply(K)); }
};

// ---- inputs page: the two-line note pointing to the function control matrix (event 7)
bool InputsNote(int event, TEvParRec& rec);

}  // namespace tessalin::base

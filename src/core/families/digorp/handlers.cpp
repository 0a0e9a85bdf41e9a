#include "core/families/digorp/handlers.h"

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/image_access.h"
#include "core/catalogue/value_rules.h"

namespace tessalin::digorp {

namespace {

constexpr int kDeltaMvOrp = 4;

constexpr Location Set(uint16_t offset) { return At(Section::ORP_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::ORP_FIX, offset); }

constexpr Location kOffsetMonitoring = Fix(13);
constexpr Location kTempMonitoring = Fix(27);
constexpr Location kOperatingTimeMonitoring = Fix(201);
constexpr Location kCalTimerMonitoring = Set(67);
constexpr Location kDeltaFunction = Set(45);

bool EditableWhileIndividual(int event, TEvParRec& rec, Location monitoring) {
    return rules::Editable(event, rec, Individual(monitoring));
}

// The defaults are written into both sets whatever the rows' own flags; the page then shows them.
template <typename Defaults>
bool DefaultsUnlessIndividual(int event, TEvParRec& rec, Location monitoring, Defaults defaults) {
    return rules::OnCommit(event, rec, [&] {
        if (!Individual(monitoring)) defaults();
    });
}

}  // namespace

bool RowOffsetMonitoring(int e, TEvParRec& r) {
    return DefaultsUnlessIndividual(e, r, kOffsetMonitoring, [] {
        PutFloat(Fix(14), 0);
        PutFloat(Fix(18), -200);
        PutFloat(Fix(22), 200);
    });
}
bool RowOffsetValue(int e, TEvParRec& r) { return EditableWhileIndividual(e, r, kOffsetMonitoring); }

bool RowTempMonitoring(int e, TEvParRec& r) {
    return DefaultsUnlessIndividual(e, r, kTempMonitoring, [] {
        PutFloat(Fix(28), -20);
        PutFloat(Fix(32), 120);
    });
}
bool RowTempLimit(int e, TEvParRec& r) { return EditableWhileIndividual(e, r, kTempMonitoring); }

bool RowOperatingTimeMonitoring(int e, TEvParRec& r) {
    return DefaultsUnlessIndividual(e, r, kOperatingTimeMonitoring, [] { PutU16(Fix(202), 730); });
}
bool RowOperatingTimeMax(int e, TEvParRec& r) { return EditableWhileIndividual(e, r, kOperatingTimeMonitoring); }

bool RowCalTimerMonitoring(int e, TEvParRec& r) {
    return DefaultsUnlessIndividual(e, r, kCalTimerMonitoring, [] { PutFloat(Set(68), 720); });
}
bool RowCalTimerValue(int e, TEvParRec& r) { return EditableWhileIndividual(e, r, kCalTimerMonitoring); }

bool RowDeltaValue(int e, TEvParRec& r) {
    return rules::Shown(e, r, ParamByte(kDeltaFunction) == kDeltaMvOrp);
}

}  // namespace tessalin::digorp

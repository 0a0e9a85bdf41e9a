// Menu and parameter tables of the digital ORP sensor, with the factory default of every ORP-SET and
// ORP-FIX row; the sections' default records are built from them at compile time. The pH family's SIP
// counter, ORP check and ORP-value message tables serve as they are.

#include <array>

#include "core/catalogue/events.h"
#include "core/catalogue/row_builders.h"
#include "core/families/digorp/digorp.h"
#include "core/families/digorp/handlers.h"
#include "core/families/digorp/texts.h"
#include "core/families/opmode/opmode.h"
#include "core/families/ph/ph.h"
#include "core/families/ph/texts.h"
#include "core/families/shared/common_texts.h"

namespace tessalin {

namespace {

using namespace common;
using namespace ph;
using namespace digorp;
using namespace rows;

constexpr Location PhSet(uint16_t offset) { return At(Section::PH_SET, offset); }
constexpr Location Set(uint16_t offset) { return At(Section::ORP_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::ORP_FIX, offset); }

constexpr Row kInputFilter[] = {
    List(PhSet(8), 2, 0, DefaultHandler, kTxtPulseSuppression),
};

constexpr Row kSensorData[] = {
    List(PhSet(33), 1, kBoth, DefaultHandler, kTxtRefElType),
    List(PhSet(34), 2, 0, DefaultHandler, kTxtOrpToShe),
    List(PhSet(22), 1, 0, DefaultHandler, kTxtQuellora),
};

constexpr Row kOffset[] = {
    List(Fix(13), 2, kBoth | kPfRefreshRows, RowOffsetMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(14), kFloat, 0, 21, Own(-2000.5f, 2000.5f), kBoth, RowOffsetValue, kTxtNominal),
    Number(Fix(18), kFloat, -200, 21, Own(-2000, 2000), kBoth, RowOffsetValue, kTxtMin),
    Number(Fix(22), kFloat, 200, 21, Own(-2000, 2000), kBoth, RowOffsetValue, kTxtMax),
    List(Fix(26), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kTemperature[] = {
    List(Fix(27), 2, kPfRefreshRows, RowTempMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(28), kFloat, -20, 10, Own(-30, 250), 0, RowTempLimit, kTxtMin),
    Number(Fix(32), kFloat, 120, 10, Own(-30, 250), 0, RowTempLimit, kTxtMax),
    List(Fix(36), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kOperatingTime[] = {
    List(Fix(201), 1, kBoth | kPfRefreshRows, RowOperatingTimeMonitoring, kTxtMonitoringOffAutoInd),
    Number(Fix(202), kU16, 730, 85, Own(0, 9999), kBoth, RowOperatingTimeMax, kTxtMaxOperatingTime),
    List(Fix(204), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kCalTimer[] = {
    List(Set(67), 1, kBoth | kPfRefreshRows, RowCalTimerMonitoring, kTxtMonitoringOffAutoInd),
    Number(Set(68), kFloat, 720, 9, Own(0, 9999), 0, RowCalTimerValue, kTxtCalTimer),
};

constexpr Row kDelta[] = {
    List(Set(45), 1, kPfRebuildPage, DefaultHandler, digorp::kTxtDeltaFunction),
    Number(Set(46), kFloat, 0, 214, Own(-9999, 9999), 0, RowDeltaValue, kTxtDeltaValue),
};

constexpr std::span<const Row> kTables[] = {kOffset, kTemperature, kOperatingTime, kCalTimer, kDelta};
constexpr auto kOrpSetDefaults = BuildRecord<268>(Section::ORP_SET, kTables);
constexpr auto kOrpFixDefaults = BuildRecord<205>(Section::ORP_FIX, kTables);

std::span<const TParamEntry> None() { return {}; }

}  // namespace

#define ITEM(level, handler, texts, params, ...) rows::MakeEntry(level, handler, texts, params __VA_OPT__(,) __VA_ARGS__)

// The SIP counter, ORP check and ORP-value messages are the pH family's tables P20, P27 and P33.
const TMenuEntry MenuDigORP[] = {
    OpModeMenuEntry(0x0101),                                                        // 0
    ITEM(1, DefaultHandler, kTxtInputFilter, EntriesOf<kInputFilter>, kTop, 0x0100),            // 1
    ITEM(1, DefaultHandler, kTxtSensorData, EntriesOf<kSensorData>, kTop, 0x0200),              // 2
    ITEM(2, DefaultHandler, kTxtMonitoringDetails, None()),                         // 3
    ITEM(3, DefaultHandler, kTxtOrpOffset, EntriesOf<kOffset>),                                 // 4
    ITEM(3, DefaultHandler, kTxtTemperature, EntriesOf<kTemperature>),                          // 5
    ITEM(3, DefaultHandler, kTxtOperatingTime, EntriesOf<kOperatingTime>),                      // 6
    ITEM(3, DefaultHandler, kTxtSipCounter, PhParamTable(20)),                      // 7
    ITEM(1, DefaultHandler, kTxtCalPresets, None(), kTop, 0x0400),                  // 8
    ITEM(2, DefaultHandler, kTxtCalTimer, EntriesOf<kCalTimer>),                                // 9
    ITEM(2, DefaultHandler, kTxtOrpCheck, PhParamTable(27)),                        // 10
    ITEM(1, DefaultHandler, ph::kTxtDeltaFunction, EntriesOf<kDelta>, kTop, 0x2000),                // 11
    ITEM(1, DefaultHandler, kTxtMessages, None(), kTop, 0x4000),                    // 12
    ITEM(2, DefaultHandler, kTxtMsgOrp, PhParamTable(33)),                          // 13
    rows::kMenuEnd,
};

#undef ITEM

static_assert(std::size(MenuDigORP) == kMenuDigORPEnd + 1);

std::span<const uint8_t> OrpSetDefaultRecord() { return kOrpSetDefaults; }
std::span<const uint8_t> OrpFixDefaultRecord() { return kOrpFixDefaults; }

}  // namespace tessalin

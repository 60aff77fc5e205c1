// The equipment tables of 1000 mm belts: 108 and 133 mm rollers on bearings 4G205 and 4G305, three
// drive-pulley diameters with a load ladder each, transition idlers and two leg tables.
#include <array>

#include "core/equipment/wide_leg_prompts.h"
#include "core/equipment/width_tables.h"

namespace dtii {

namespace {

using enum SlotId;

constexpr std::array cleaners{
    SlotRow{headCleaner, {}, weightOnly(72.9)},
    SlotRow{emptySectionCleaner, {}, weightOnly(24)},
};

// The 45 degree trough sets carry the bearing-3 designation for both bearings.
constexpr std::array carryingIdlerRows{
    // trough sets on 108 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(2), .trough = is(35), .tilt = is(0)},
            write("0122", 37.6)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(2), .trough = is(35), .tilt = other(0)},
            write("0322", 37.6)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(3), .trough = is(35), .tilt = is(0)},
            write("0123", 38.7)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(3), .trough = is(35), .tilt = other(0)},
            write("0323", 38.7)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = oneOf(2, 3), .trough = is(45)},
            write("0223", 41.6)},
    // trough sets on 133 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(2), .trough = is(35), .tilt = is(0)},
            write("0132", 43.5)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(2), .trough = is(35), .tilt = other(0)},
            write("0332", 43.9)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(3), .trough = is(35), .tilt = is(0)},
            write("0133", 45)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(3), .trough = is(35), .tilt = other(0)},
            write("0333", 45)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = oneOf(2, 3), .trough = is(45)},
            write("0233", 48.2)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = oneOf(108, 133), .bearing = oneOf(2, 3)},
            unsetAfter(troughAngleMessage)},
    SlotRow{carryingIdler, {.form = is(3)}, leaveUnset()},
    // V sets
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(2), .tilt = is(0)},
            write("2522", 36.6)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(2), .tilt = other(0)},
            write("2622", 36.9)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(3), .tilt = is(0)},
            write("2523", 37.3)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(3), .tilt = other(0)},
            write("2623", 37.7)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(2), .tilt = is(0)},
            write("2532", 42.5)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(2), .tilt = other(0)},
            write("2632", 42.8)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(3), .tilt = is(0)},
            write("2533", 43.3)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(3), .tilt = other(0)},
            write("2633", 43.6)},
    SlotRow{carryingIdler, {.form = is(2)}, leaveUnset()},
    // flat sets
    SlotRow{carryingIdler, {.form = is(1), .d = is(108)}, write("1423", 31.9)},
    SlotRow{carryingIdler, {.form = is(1), .d = is(133)}, write("1433", 37.2)},
    SlotRow{carryingIdler, {.form = is(1)}, leaveUnset()},
};

constexpr std::array impactIdlerRows{
    SlotRow{impactIdler, {.form = other(3)}, emptyCode()},
    SlotRow{impactIdler, {.form = is(3), .d = oneOf(108, 133), .trough = is(0)}, emptyCode()},
    SlotRow{impactIdler, {.form = is(3), .d = is(108), .trough = is(35)}, write("0723", 49.4)},
    SlotRow{impactIdler, {.form = is(3), .d = is(108), .trough = is(45)}, write("0823", 52.9)},
    SlotRow{impactIdler, {.form = is(3), .d = is(133), .trough = is(35)}, write("0734", 61.1)},
    SlotRow{impactIdler, {.form = is(3), .d = is(133), .trough = is(45)}, write("0834", 65.3)},
    SlotRow{impactIdler, {.form = is(3), .d = oneOf(108, 133)}, emptyAfter(noImpactIdlerMessage)},
    SlotRow{impactIdler, {.form = is(3)}, emptyAfter(noImpactIdlerMessage)},
};

// Codes and weights for 10, 20 and 30 degrees.
constexpr std::array transitionIdlerRows{
    TransitionRow{{.d = is(108), .bearing = is(2)},
                  writeListed(),
                  {"0422", "0522", "0622"},
                  {37.1, 37.3, 37.4}},
    TransitionRow{{.d = is(108), .bearing = is(3)},
                  writeListed(),
                  {"0423", "0523", "0623"},
                  {38.2, 38.4, 38.5}},
    TransitionRow{{.d = is(133), .bearing = is(2)},
                  writeListed(),
                  {"0432", "0532", "0632"},
                  {43.4, 43.6, 43.7}},
    TransitionRow{{.d = is(133), .bearing = is(3)},
                  writeListed(),
                  {"0433", "0533", "0633"},
                  {44.5, 44.7, 44.8}},
    TransitionRow{{.d = is(108)}, unsetAfter(noTransitionIdlerSmallRollers), {}, {}},
    TransitionRow{{.d = is(133)}, unsetAfter(noTransitionIdlerLargeRollers), {}, {}},
};

constexpr std::array drivePulleyDiameterCheck{
    CheckRow{{.D = other(630, 800, 1000)},
             {"您输入的传动滚筒直径不合适，推荐选用直径：630,800,1000。请重新输入！",
              equipmentMessageCaption},
             0},
};

// The same designations weigh more here than on 800 mm belts.
constexpr std::array drivePulleyRows{
    SlotRow{drivePulley, {.D = is(630), .FhAtMost = 40}, write("5103Y/Z", 585)},
    SlotRow{drivePulley, {.D = is(630), .FhAtMost = 73}, write("5123Y/Z", 857)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 73}, write("6123Y/Z", 964)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 110}, write("6143Y/Z", 1168)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 160}, write("6163Y/Z", 1376)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 190}, write("6183Y/Z", 1691)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 80}, write("7123Y/Z", 1162)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 110}, write("7143Y/Z", 1408)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 170}, write("7163Y/Z", 1617)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 210}, write("7183Y/Z", 1928)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 330}, write("7203Y/Z", 2585)},
    SlotRow{drivePulley, {}, unsetAfter(noDrivePulleyMessage)},
};

constexpr std::array frameRows = spacingFrameRows(147.8);  // [kg]

constexpr std::array skirtRows{
    SlotRow{skirtFront, {.d = is(108)}, weightOnly(175.2)},
    SlotRow{skirtFront, {.d = is(133)}, weightOnly(175.9)},
    SlotRow{skirtMiddle, {.d = is(108)}, weightOnly(169.4)},
    SlotRow{skirtMiddle, {.d = is(133)}, weightOnly(170.1)},
    SlotRow{skirtRear, {.d = is(108)}, weightOnly(193.1)},
    SlotRow{skirtRear, {.d = is(133)}, weightOnly(193.8)},
};

// Leg weights grow by 1.38 kg per 100 mm at this width.
constexpr double legStep = 1.38;  // [kg per 100 mm]

constexpr std::array legs108{
    LegRow{heightIs(1200), "1121", 24.4, "1122", 38.8},
    LegRow{heightRange(over(1200), under(1500)), "1301", 28.6, "1302", 43, legStep},
    LegRow{heightIs(1500), "1221", 28.5, "1222", 47.5},
    LegRow{heightRange(over(1500), upTo(1850)), "1401", 33.3, "1402", 52.2, legStep},
};

// On 133 mm rollers the ranges start 25 mm higher; 1500 keeps its own row inside the lower one.
constexpr std::array legs133{
    LegRow{heightIs(1200), "1131", 24, "1132", 38.5},
    LegRow{heightRange(from(1225), under(1525), 1500), "1301", 28.6, "1302", 43, legStep},
    LegRow{heightIs(1500), "1231", 28.2, "1232", 47.1},
    LegRow{heightRange(from(1525), upTo(1875)), "1401", 33.3, "1402", 52.2, legStep},
};

constexpr std::array legTables{
    LegTable{108, legPrompt108, legs108},
    LegTable{133, legPrompt133, legs133},
};

constexpr std::array headChuteRows{
    HeadChuteRow{is(630), SpeedBand::upToLimit, "251", 1140, 1050, 880},
    HeadChuteRow{is(630), SpeedBand::aboveLimit, "252", 1272, 1400, 1230},
    HeadChuteRow{is(800), SpeedBand::upToLimit, "261", 1356, 1100, 960},
    HeadChuteRow{is(800), SpeedBand::aboveLimit, "262", 1464, 1400, 1260},
    HeadChuteRow{is(1000), SpeedBand::upToLimit, "271", 1380, 1150, 1260},
    HeadChuteRow{is(1000), SpeedBand::aboveLimit, "272", 1536, 1500, 1610},
};

constexpr double headChuteSpeedLimit = 1.5;  // [m/s]

constexpr std::array stages{
    setWidthCode(),
    slotStage(cleaners),
    slotStage(carryingIdlerRows),
    slotStage(impactIdlerRows),
    transitionStage(transitionIdlerRows),
    checkStage(drivePulleyDiameterCheck),
    slotStage(drivePulleyRows),
    slotStage(frameRows),
    slotStage(skirtRows),
    legStage(legTables),
    headChuteStage(headChuteSpeedLimit, headChuteRows),
};

}  // namespace

constexpr WidthRules width1000Rules{stages};

}  // namespace dtii

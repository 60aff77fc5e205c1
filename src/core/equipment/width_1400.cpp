// The equipment tables of 1400 mm belts: 108, 133 and 159 mm carrying rollers on bearings 4G305
// and 4G306 only, drive pulleys of 800 and 1000 mm, and a leg table per roller diameter.
#include <array>

#include "core/equipment/wide_leg_prompts.h"
#include "core/equipment/width_tables.h"

namespace dtii {

namespace {

using enum SlotId;

// The accepted diameters are 800 and 1000, yet the message has always recommended 800 and 1200;
// the text is kept as the engineers know it.
constexpr Message drivePulleyDiameterMessage{
    "您输入的传动滚筒直径不合适，推荐选用直径：800,1200。请重新输入！", equipmentMessageCaption};

constexpr std::array cleaners{
    SlotRow{headCleaner, {}, weightOnly(82.6)},
    SlotRow{emptySectionCleaner, {}, weightOnly(30.9)},
};

// Level and forward-tilted trough sets differ in weight for some sets; "0234" weighs 82.6 kg on
// 4G305 bearings and 82.4 kg on 4G306.
constexpr std::array carryingIdlerRows{
    // trough sets on 108 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(3), .trough = is(35), .tilt = is(0)},
            write("0123", 56.6)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(3), .trough = is(35), .tilt = other(0)},
            write("0323", 56.5)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(4), .trough = is(35), .tilt = is(0)},
            write("0124", 68.8)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(4), .trough = is(35), .tilt = other(0)},
            write("0324", 67.7)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = oneOf(3, 4), .trough = is(45)},
            write("0223", 72.5)},
    // trough sets on 133 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(3), .trough = is(35), .tilt = is(0)},
            write("0133", 64.9)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(3), .trough = is(35), .tilt = other(0)},
            write("0333", 73.9)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(3), .trough = is(45)},
            write("0234", 82.6)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(4), .trough = is(35), .tilt = is(0)},
            write("0134", 78.3)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(4), .trough = is(35), .tilt = other(0)},
            write("0334", 78.3)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(4), .trough = is(45)},
            write("0234", 82.4)},
    // trough sets on 159 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(3), .trough = is(35), .tilt = is(0)},
            write("0143", 74.8)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(3), .trough = is(35), .tilt = other(0)},
            write("0343", 74.8)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(4), .trough = is(35), .tilt = is(0)},
            write("0144", 86.9)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(4), .trough = is(35), .tilt = other(0)},
            write("0344", 86.9)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = oneOf(3, 4), .trough = is(45)},
            write("0244", 90.9)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = oneOf(108, 133, 159), .bearing = oneOf(3, 4)},
            unsetAfter(troughAngleMessage)},
    SlotRow{carryingIdler, {.form = is(3)}, leaveUnset()},
    // V sets
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(3), .tilt = is(0)},
            write("2523", 53.8)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(3), .tilt = other(0)},
            write("2623", 54.1)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(4), .tilt = is(0)},
            write("2524", 57.6)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(4), .tilt = other(0)},
            write("2624", 57.8)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(3), .tilt = is(0)},
            write("2533", 61.5)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(3), .tilt = other(0)},
            write("2633", 61.7)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(4), .tilt = is(0)},
            write("2534", 66.1)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(4), .tilt = other(0)},
            write("2634", 66.3)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(159), .bearing = is(3), .tilt = is(0)},
            write("2543", 69.8)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(159), .bearing = is(3), .tilt = other(0)},
            write("2643", 70.1)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(159), .bearing = is(4), .tilt = is(0)},
            write("2544", 74.4)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(159), .bearing = is(4), .tilt = other(0)},
            write("2644", 74.8)},
    SlotRow{carryingIdler, {.form = is(2)}, leaveUnset()},
    // flat sets, and any other form, whatever the bearing
    SlotRow{carryingIdler, {.form = other(3, 2), .d = is(108)}, write("1423", 52.7)},
    SlotRow{carryingIdler, {.form = other(3, 2), .d = is(133)}, write("1433", 59.6)},
    SlotRow{carryingIdler, {.form = other(3, 2), .d = is(159)}, write("1443", 63.1)},
    SlotRow{carryingIdler, {}, leaveUnset()},
};

// The 159 mm impact sets are heavier on 4G306 bearings.
constexpr std::array impactIdlerRows{
    SlotRow{impactIdler, {.form = other(3)}, emptyCode()},
    SlotRow{impactIdler, {.d = other(108, 133, 159)}, emptyAfter(noImpactIdlerMessage)},
    SlotRow{impactIdler, {.trough = is(0)}, emptyCode()},
    SlotRow{impactIdler, {.d = is(108), .trough = is(35)}, write("0711", 76.1)},
    SlotRow{impactIdler, {.d = is(108), .trough = is(45)}, write("0823", 89.5)},
    SlotRow{impactIdler, {.d = is(133), .trough = is(35)}, write("0711", 96.2)},
    SlotRow{impactIdler, {.d = is(133), .trough = is(45)}, write("0834", 101.2)},
    SlotRow{impactIdler, {.d = is(159), .bearing = is(4), .trough = is(35)}, write("0711", 111.1)},
    SlotRow{impactIdler, {.d = is(159), .bearing = is(4), .trough = is(45)}, write("0846", 121.4)},
    SlotRow{impactIdler, {.d = is(159), .trough = is(35)}, write("0711", 107.8)},
    SlotRow{impactIdler, {.d = is(159), .trough = is(45)}, write("0844", 112.9)},
    SlotRow{impactIdler, {}, emptyAfter(noImpactIdlerMessage)},
};

// Codes and weights for 10, 20 and 30 degrees.
constexpr std::array transitionIdlerRows{
    TransitionRow{{.d = is(108), .bearing = is(3)},
                  writeListed(),
                  {"0423", "0523", "0623"},
                  {55.0, 56.1, 56.1}},
    TransitionRow{{.d = is(108), .bearing = is(4)},
                  writeListed(),
                  {"0424", "0524", "0624"},
                  {67.2, 68.3, 68.3}},
    TransitionRow{{.d = is(108)}, unsetAfter(noTransitionIdlerSmallRollers), {}, {}},
    TransitionRow{{.d = is(133), .bearing = is(3)},
                  writeListed(),
                  {"0433", "0533", "0633"},
                  {64.3, 64.5, 64.6}},
    TransitionRow{{.d = is(133), .bearing = is(4)},
                  writeListed(),
                  {"0434", "0534", "0634"},
                  {77.8, 77.9, 78.0}},
    TransitionRow{{.d = is(159), .bearing = is(3)},
                  writeListed(),
                  {"0443", "0543", "0643"},
                  {74.2, 74.0, 74.4}},
    TransitionRow{{.d = is(159), .bearing = is(4)},
                  writeListed(),
                  {"0444", "0544", "0644"},
                  {82.3, 86.4, 86.5}},
    TransitionRow{{.d = oneOf(133, 159)}, unsetAfter(noTransitionIdlerLargeRollers), {}, {}},
};

// An unlisted diameter ends the confirm at the bottom of the ladder.
constexpr std::array drivePulleyRows{
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 100}, write("6143Y/Z", 1417)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 130}, write("6163Y/Z", 1530)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 170}, write("6183Y/Z", 2004)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 210}, write("6203Y/Z", 2553)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 100}, write("7143Y/Z", 1720)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 160}, write("7163Y/Z", 1919)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 210}, write("7183Y/Z", 2287)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 260}, write("7203Y/Z", 2994)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 300}, write("7223Y/Z", 3456)},
    SlotRow{drivePulley, {.D = oneOf(800, 1000)}, unsetAfter(noDrivePulleyMessage)},
    SlotRow{drivePulley, {}, stopAfter(drivePulleyDiameterMessage)},
};

constexpr std::array frameRows = spacingFrameRows(177.9);  // [kg]

constexpr std::array skirtRows{
    SlotRow{skirtFront, {.d = is(108)}, weightOnly(216.7)},
    SlotRow{skirtFront, {.d = is(133)}, weightOnly(217.0)},
    SlotRow{skirtFront, {.d = is(159)}, weightOnly(217.3)},
    SlotRow{skirtMiddle, {.d = is(108)}, weightOnly(207.6)},
    SlotRow{skirtMiddle, {.d = is(133)}, weightOnly(207.9)},
    SlotRow{skirtMiddle, {.d = is(159)}, weightOnly(208.2)},
    SlotRow{skirtRear, {.d = is(108)}, weightOnly(242.7)},
    SlotRow{skirtRear, {.d = is(133)}, weightOnly(243.0)},
    SlotRow{skirtRear, {.d = is(159)}, weightOnly(243.3)},
};

// The ranges fall by 1.93 kg per 100 mm, except the 108 mm range between 1200 and 1500, which
// falls by 1.38. The 1200 and 1500 mm legs have their own rows.
constexpr double legStep = 1.93;          // [kg per 100 mm]
constexpr double legStep108Lower = 1.38;  // [kg per 100 mm]

constexpr std::array legs108{
    LegRow{heightIs(1200), "1121", 31.5, "1122", 44.3},
    LegRow{heightRange(over(1200), under(1500)), "1301", 37.4, "1302", 50.2, legStep108Lower},
    LegRow{heightIs(1500), "1221", 37.3, "1222", 54.6},
    LegRow{heightRange(over(1500), upTo(1850)), "1401", 44.2, "1402", 61, legStep},
};

constexpr std::array legs133{
    LegRow{heightIs(1200), "1131", 31, "1132", 42.8},
    LegRow{heightRange(from(1225), under(1525), 1500), "1301", 37.4, "1302", 50.2, legStep},
    LegRow{heightIs(1500), "1231", 36.7, "1232", 54.1},
    LegRow{heightRange(from(1525), upTo(1875)), "1401", 44.2, "1402", 61, legStep},
};

constexpr std::array legs159{
    LegRow{heightIs(1200), "1141", 30.4, "1142", 43.2},
    LegRow{heightRange(from(1255), under(1555), 1500), "1301", 37.4, "1302", 50.2, legStep},
    LegRow{heightIs(1500), "1241", 36.4, "1242", 53.5},
    LegRow{heightRange(from(1555), upTo(1905)), "1401", 44.2, "1402", 61, legStep},
};

constexpr std::array legTables{
    LegTable{108, legPrompt108, legs108},
    LegTable{133, legPrompt133, legs133},
    LegTable{159, legPrompt159, legs159},
};

constexpr std::array headChuteRows{
    HeadChuteRow{is(800), SpeedBand::upToLimit, "261", 1575, 1100, 953},
    HeadChuteRow{is(800), SpeedBand::aboveLimit, "262", 1748, 1400, 1254},
    HeadChuteRow{is(1000), SpeedBand::upToLimit, "271", 1635, 1150, 1268},
    HeadChuteRow{is(1000), SpeedBand::aboveLimit, "272", 1891, 1500, 1620},
};

constexpr double headChuteSpeedLimit = 1.5;  // [m/s]

constexpr std::array stages{
    setWidthCode(),
    slotStage(cleaners),
    slotStage(carryingIdlerRows),
    slotStage(impactIdlerRows),
    transitionStage(transitionIdlerRows),
    slotStage(drivePulleyRows),
    slotStage(frameRows),
    slotStage(skirtRows),
    legStage(legTables),
    headChuteStage(headChuteSpeedLimit, headChuteRows),
};

}  // namespace

constexpr WidthRules width1400Rules{stages};

}  // namespace dtii

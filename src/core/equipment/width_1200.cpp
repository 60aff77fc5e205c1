// The equipment tables of 1200 mm belts: three carrying roller diameters (108, 133, 159 mm) on
// bearings 4G205, 4G305 and 4G306, three drive-pulley diameters, and a leg table per diameter.
#include <array>

#include "core/equipment/wide_leg_prompts.h"
#include "core/equipment/width_tables.h"

namespace dtii {

namespace {

using enum SlotId;

constexpr Message drivePulleyDiameterMessage{
    "您输入的传动滚筒直径不合适，推荐选用直径：630,800,1000。请重新输入！",
    equipmentMessageCaption};

constexpr std::array cleaners{
    SlotRow{headCleaner, {}, weightOnly(78)},
    SlotRow{emptySectionCleaner, {}, weightOnly(27.8)},
};

// A 35 degree trough set has one code for a level set and one for a forward-tilted set.
constexpr std::array carryingIdlerRows{
    // trough sets on 108 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(2), .trough = is(35), .tilt = is(0)},
            write("0122", 50.1)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(2), .trough = is(35), .tilt = other(0)},
            write("0322", 50.1)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(3), .trough = is(35), .tilt = is(0)},
            write("0123", 51.2)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(3), .trough = is(35), .tilt = other(0)},
            write("0323", 51.2)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(4), .trough = is(35), .tilt = is(0)},
            write("0124", 55.1)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(4), .trough = is(35), .tilt = other(0)},
            write("0324", 55.1)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = oneOf(2, 3, 4), .trough = is(45)},
            write("0223", 54.6)},
    // trough sets on 133 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(2), .trough = is(35), .tilt = is(0)},
            write("0132", 57.5)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(2), .trough = is(35), .tilt = other(0)},
            write("0332", 57.5)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(3), .trough = is(35), .tilt = is(0)},
            write("0133", 58.6)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(3), .trough = is(35), .tilt = other(0)},
            write("0333", 58.6)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(4), .trough = is(35), .tilt = is(0)},
            write("0134", 63.8)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = is(4), .trough = is(35), .tilt = other(0)},
            write("0334", 63.8)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(133), .bearing = oneOf(2, 3, 4), .trough = is(45)},
            write("0234", 67.5)},
    // trough sets on 159 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(2), .trough = is(35), .tilt = is(0)},
            write("0142", 65.1)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(2), .trough = is(35), .tilt = other(0)},
            write("0342", 65.1)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(3), .trough = is(35), .tilt = is(0)},
            write("0143", 66.4)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(3), .trough = is(35), .tilt = other(0)},
            write("0343", 66.4)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(4), .trough = is(35), .tilt = is(0)},
            write("0144", 71.6)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = is(4), .trough = is(35), .tilt = other(0)},
            write("0344", 71.6)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(159), .bearing = oneOf(2, 3, 4), .trough = is(45)},
            write("0244", 75.3)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = oneOf(108, 133, 159), .bearing = oneOf(2, 3, 4)},
            unsetAfter(troughAngleMessage)},
    SlotRow{carryingIdler, {.form = is(3)}, leaveUnset()},
    // V sets
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(2), .tilt = is(0)},
            write("2522", 46.6)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(2), .tilt = other(0)},
            write("2622", 46.6)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = oneOf(3, 4), .tilt = is(0)},
            write("2523", 47.4)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = oneOf(3, 4), .tilt = other(0)},
            write("2623", 47.4)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(2), .tilt = is(0)},
            write("2532", 53.6)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = is(2), .tilt = other(0)},
            write("2632", 51.6)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = oneOf(3, 4), .tilt = is(0)},
            write("2533", 54.3)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(133), .bearing = oneOf(3, 4), .tilt = other(0)},
            write("2633", 52.3)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(159), .bearing = is(2), .tilt = is(0)},
            write("2542", 62.6)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(159), .bearing = is(2), .tilt = other(0)},
            write("2642", 62.4)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(159), .bearing = oneOf(3, 4), .tilt = is(0)},
            write("2543", 63.0)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(159), .bearing = oneOf(3, 4), .tilt = other(0)},
            write("2643", 63.2)},
    SlotRow{carryingIdler, {.form = is(2)}, leaveUnset()},
    // flat sets, and any other form, whatever the bearing
    SlotRow{carryingIdler, {.form = other(3, 2), .d = is(108)}, write("1423", 40.9)},
    SlotRow{carryingIdler, {.form = other(3, 2), .d = is(133)}, write("1433", 52.1)},
    SlotRow{carryingIdler, {.form = other(3, 2), .d = is(159)}, write("1443", 56.7)},
    SlotRow{carryingIdler, {}, leaveUnset()},
};

// The 159 mm impact sets are heavier on 4G306 bearings.
constexpr std::array impactIdlerRows{
    SlotRow{impactIdler, {.form = other(3)}, emptyCode()},
    SlotRow{impactIdler, {.d = other(108, 133, 159)}, emptyAfter(noImpactIdlerMessage)},
    SlotRow{impactIdler, {.trough = is(0)}, emptyCode()},
    SlotRow{impactIdler, {.d = is(108), .trough = is(35)}, write("0723", 66.4)},
    SlotRow{impactIdler, {.d = is(108), .trough = is(45)}, write("0823", 70.4)},
    SlotRow{impactIdler, {.d = is(133), .trough = is(35)}, write("0734", 77.1)},
    SlotRow{impactIdler, {.d = is(133), .trough = is(45)}, write("0834", 81.8)},
    SlotRow{impactIdler, {.d = is(159), .bearing = is(4), .trough = is(35)}, write("0711", 99.6)},
    SlotRow{impactIdler, {.d = is(159), .bearing = is(4), .trough = is(45)}, write("0846", 104.9)},
    SlotRow{impactIdler, {.d = is(159), .trough = is(35)}, write("0711", 88.5)},
    SlotRow{impactIdler, {.d = is(159), .trough = is(45)}, write("0844", 93.3)},
    SlotRow{impactIdler, {}, emptyAfter(noImpactIdlerMessage)},
};

// Codes and weights for 10, 20 and 30 degrees.
constexpr std::array transitionIdlerRows{
    TransitionRow{{.d = is(108), .bearing = is(2)},
                  writeListed(),
                  {"0422", "0522", "0622"},
                  {49.7, 49.8, 49.9}},
    TransitionRow{{.d = is(108), .bearing = is(3)},
                  writeListed(),
                  {"0423", "0523", "0623"},
                  {50.8, 50.9, 51.0}},
    TransitionRow{{.d = is(108), .bearing = is(4)},
                  writeListed(),
                  {"0424", "0524", "0624"},
                  {54.8, 54.8, 54.9}},
    TransitionRow{{.d = is(108)}, unsetAfter(noTransitionIdlerSmallRollers), {}, {}},
    TransitionRow{{.d = is(133), .bearing = is(2)},
                  writeListed(),
                  {"0432", "0532", "0632"},
                  {57.1, 57.2, 57.3}},
    TransitionRow{{.d = is(133), .bearing = is(3)},
                  writeListed(),
                  {"0433", "0533", "0633"},
                  {58.3, 58.3, 58.4}},
    TransitionRow{{.d = is(133), .bearing = is(4)},
                  writeListed(),
                  {"0434", "0534", "0634"},
                  {63.5, 63.6, 63.6}},
    TransitionRow{{.d = is(159), .bearing = is(2)},
                  writeListed(),
                  {"0442", "0542", "0642"},
                  {64.6, 64.6, 64.7}},
    TransitionRow{{.d = is(159), .bearing = is(3)},
                  writeListed(),
                  {"0443", "0543", "0643"},
                  {65.9, 66.0, 66.0}},
    TransitionRow{{.d = is(159), .bearing = is(4)},
                  writeListed(),
                  {"0444", "0544", "0644"},
                  {71.2, 71.2, 71.2}},
    TransitionRow{{.d = oneOf(133, 159)}, unsetAfter(noTransitionIdlerLargeRollers), {}, {}},
};

// An unlisted diameter ends the confirm at the bottom of the ladder.
constexpr std::array drivePulleyRows{
    SlotRow{drivePulley, {.D = is(630), .FhAtMost = 52}, write("5123Y/Z", 967)},
    SlotRow{drivePulley, {.D = is(630), .FhAtMost = 85}, write("5143Y/Z", 1156)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 80}, write("6123Y/Z", 1059)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 110}, write("6143Y/Z", 1297)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 140}, write("6163Y/Z", 1520)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 180}, write("6183Y/Z", 1928)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 230}, write("6203Y/Z", 2393)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 80}, write("7123Y/Z", 1307)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 110}, write("7143Y/Z", 1567)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 160}, write("7163Y/Z", 1780)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 210}, write("7183Y/Z", 2173)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 290}, write("7203Y/Z", 2813)},
    SlotRow{drivePulley, {.D = is(1000), .FhAtMost = 330}, write("7223Y/Z", 3234)},
    SlotRow{drivePulley, {.D = oneOf(630, 800, 1000)}, unsetAfter(noDrivePulleyMessage)},
    SlotRow{drivePulley, {}, stopAfter(drivePulleyDiameterMessage)},
};

constexpr std::array frameRows = spacingFrameRows(147.8);  // [kg]

constexpr std::array skirtRows{
    SlotRow{skirtFront, {.d = is(108)}, weightOnly(194.4)},
    SlotRow{skirtFront, {.d = is(133)}, weightOnly(195.1)},
    SlotRow{skirtFront, {.d = is(159)}, weightOnly(195.9)},
    SlotRow{skirtMiddle, {.d = is(108)}, weightOnly(187.0)},
    SlotRow{skirtMiddle, {.d = is(133)}, weightOnly(187.7)},
    SlotRow{skirtMiddle, {.d = is(159)}, weightOnly(188.5)},
    SlotRow{skirtRear, {.d = is(108)}, weightOnly(216.4)},
    SlotRow{skirtRear, {.d = is(133)}, weightOnly(217.1)},
    SlotRow{skirtRear, {.d = is(159)}, weightOnly(217.9)},
};

// Every range of this width falls by 1.38 kg per 100 mm. The 1200 and 1500 mm legs have their own
// rows, so the 133 and 159 mm ranges that span 1500 leave it out.
constexpr double legStep = 1.38;  // [kg per 100 mm]

constexpr std::array legs108{
    LegRow{heightIs(1200), "1121", 25.3, "1122", 38.6},
    LegRow{heightRange(over(1200), under(1500)), "1301", 29.5, "1302", 42.7, legStep},
    LegRow{heightIs(1500), "1221", 29.5, "1222", 47.3},
    LegRow{heightRange(over(1500), upTo(1850)), "1401", 34.3, "1402", 52.1, legStep},
};

constexpr std::array legs133{
    LegRow{heightIs(1200), "1131", 25, "1132", 38.2},
    LegRow{heightRange(from(1225), under(1525), 1500), "1301", 29.5, "1302", 42.7, legStep},
    LegRow{heightIs(1500), "1231", 29.1, "1232", 46.9},
    LegRow{heightRange(from(1525), upTo(1875)), "1401", 34.3, "1402", 52.1, legStep},
};

constexpr std::array legs159{
    LegRow{heightIs(1200), "1141", 24.5, "1142", 37.8},
    LegRow{heightRange(over(1255), under(1555), 1500), "1301", 29.5, "1302", 42.7, legStep},
    LegRow{heightIs(1500), "1241", 28.7, "1242", 47.5},
    LegRow{heightRange(from(1555), upTo(1905)), "1401", 34.3, "1402", 52.1, legStep},
};

constexpr std::array legTables{
    LegTable{108, legPrompt108, legs108},
    LegTable{133, legPrompt133, legs133},
    LegTable{159, legPrompt159, legs159},
};

constexpr std::array headChuteRows{
    HeadChuteRow{is(630), SpeedBand::upToLimit, "251", 1334, 1100, 925},
    HeadChuteRow{is(630), SpeedBand::aboveLimit, "252", 1432, 1400, 1226},
    HeadChuteRow{is(800), SpeedBand::upToLimit, "261", 1484, 1100, 950},
    HeadChuteRow{is(800), SpeedBand::aboveLimit, "262", 1612, 1400, 1248},
    HeadChuteRow{is(1000), SpeedBand::upToLimit, "271", 1512, 1150, 1272},
    HeadChuteRow{is(1000), SpeedBand::aboveLimit, "272", 1660, 1500, 1622},
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

constexpr WidthRules width1200Rules{stages};

}  // namespace dtii

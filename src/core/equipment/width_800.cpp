// The equipment tables of 800 mm belts: two carrying roller diameters (89, 108 mm), three
// drive-pulley diameters with a load ladder each, transition idlers and two leg tables.
#include <array>

#include "core/equipment/width_tables.h"

namespace dtii {

namespace {

using enum SlotId;

constexpr std::array cleaners{
    SlotRow{headCleaner, {}, weightOnly(64.8)},
    SlotRow{emptySectionCleaner, {}, weightOnly(22.3)},
};

constexpr std::array carryingIdlerRows{
    // trough sets on 89 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(89), .bearing = is(1), .trough = is(35), .tilt = is(0)},
            write("0111", 21.5)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(89), .bearing = is(1), .trough = is(35), .tilt = other(0)},
            write("0311", 21.5)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(89), .bearing = is(1), .trough = is(45)},
            write("0211", 22.6)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(89), .bearing = is(1)},
            unsetAfter(troughAngleMessage)},
    SlotRow{carryingIdler, {.form = is(3), .d = is(89)}, leaveUnset()},
    // trough sets on 108 mm rollers
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(1), .trough = is(35), .tilt = is(0)},
            write("0121", 24.3)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(1), .trough = is(35), .tilt = other(0)},
            write("0321", 24.3)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(2), .trough = is(35), .tilt = is(0)},
            write("0122", 26.2)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = is(2), .trough = is(35), .tilt = other(0)},
            write("0322", 26.1)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = oneOf(1, 2), .trough = is(45)},
            write("0222", 27.3)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(108), .bearing = oneOf(1, 2)},
            unsetAfter(troughAngleMessage)},
    SlotRow{carryingIdler, {.form = is(3), .d = is(108)}, leaveUnset()},
    SlotRow{carryingIdler, {.form = is(3)}, leaveUnset()},
    // V sets
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(89), .bearing = is(1), .tilt = is(0)},
            write("2511", 24.4)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(89), .bearing = is(1), .tilt = other(0)},
            write("2611", 24.4)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(1), .tilt = is(0)},
            write("2522", 27.7)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(1), .tilt = other(0)},
            write("2622", 27.8)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(2), .tilt = is(0)},
            write("2523", 28.4)},
    SlotRow{carryingIdler,
            {.form = is(2), .d = is(108), .bearing = is(2), .tilt = other(0)},
            write("2623", 28.4)},
    SlotRow{carryingIdler, {.form = is(2)}, leaveUnset()},
    // flat sets
    SlotRow{carryingIdler, {.form = is(1), .d = is(89)}, write("1412", 19)},
    SlotRow{carryingIdler, {.form = is(1), .d = is(108)}, write("1423", 20.9)},
    SlotRow{carryingIdler, {.form = is(1)}, leaveUnset()},
};

constexpr std::array impactIdlerRows{
    SlotRow{impactIdler, {.form = other(3)}, emptyCode()},
    SlotRow{impactIdler, {.form = is(3), .d = oneOf(89, 108), .trough = is(0)}, emptyCode()},
    SlotRow{impactIdler, {.form = is(3), .d = is(89), .trough = is(35)}, write("0711", 27.7)},
    SlotRow{impactIdler, {.form = is(3), .d = is(89), .trough = is(45)}, write("0811", 28.8)},
    SlotRow{impactIdler, {.form = is(3), .d = is(108), .trough = is(35)}, write("0722", 35.3)},
    SlotRow{impactIdler, {.form = is(3), .d = is(108), .trough = is(45)}, write("0822", 36.4)},
    SlotRow{impactIdler, {.form = is(3), .d = oneOf(89, 108)}, emptyAfter(noImpactIdlerMessage)},
    SlotRow{impactIdler, {.form = is(3)}, emptyAfter(noImpactIdlerMessage)},
};

// Codes and weights for 10, 20 and 30 degrees.
constexpr std::array transitionIdlerRows{
    TransitionRow{{.d = is(89), .bearing = is(1)},
                  writeListed(),
                  {"0411", "0511", "0611"},
                  {21.3, 21.4, 21.5}},
    TransitionRow{{.d = is(108), .bearing = is(1)},
                  writeListed(),
                  {"0421", "0521", "0621"},
                  {24.1, 24.2, 24.3}},
    TransitionRow{{.d = is(108), .bearing = is(2)},
                  writeListed(),
                  {"0422", "0522", "0622"},
                  {25.9, 26, 26.1}},
    TransitionRow{{.d = is(89)}, unsetAfter(noTransitionIdlerSmallRollers), {}, {}},
    TransitionRow{{.d = is(108)}, unsetAfter(noTransitionIdlerLargeRollers), {}, {}},
};

constexpr std::array drivePulleyDiameterCheck{
    CheckRow{{.D = other(500, 630, 800)},
             {"您输入的传动滚筒直径不合适，推荐选用直径：500,630,800。请重新输入！",
              equipmentMessageCaption},
             0},
};

constexpr std::array drivePulleyRows{
    SlotRow{drivePulley, {.D = is(500), .FhAtMost = 40}, write("4103Y/Z", 453)},
    SlotRow{drivePulley, {.D = is(630), .FhAtMost = 50}, write("5103Y/Z", 521)},
    SlotRow{drivePulley, {.D = is(630), .FhAtMost = 80}, write("5123Y/Z", 776)},
    SlotRow{drivePulley, {.D = is(630), .FhAtMost = 100}, write("5143Y/Z", 920)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 50}, write("6103Y/Z", 782)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 80}, write("6123Y/Z", 887)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 110}, write("6143Y/Z", 1095)},
    SlotRow{drivePulley, {.D = is(800), .FhAtMost = 160}, write("6163Y/Z", 1253)},
    SlotRow{drivePulley, {}, unsetAfter(noDrivePulleyMessage)},
};

constexpr std::array frameRows = spacingFrameRows(121.7);  // [kg]

constexpr std::array skirtRows{
    SlotRow{skirtFront, {.d = is(89)}, weightOnly(137.4)},
    SlotRow{skirtFront, {.d = is(108)}, weightOnly(137.7)},
    SlotRow{skirtMiddle, {.d = is(89)}, weightOnly(133.2)},
    SlotRow{skirtMiddle, {.d = is(108)}, weightOnly(133.5)},
    SlotRow{skirtRear, {.d = is(89)}, weightOnly(151.6)},
    SlotRow{skirtRear, {.d = is(108)}, weightOnly(151.9)},
};

// The upper range is 1225 < hLeg <= 1525 for both diameters, although the 89 mm prompt offers
// 1200~1500.
constexpr std::array legs89{
    LegRow{heightIs(1000), "1111", 16.2, "1112", 23.8},
    LegRow{heightRange(over(1000), under(1200)), "1301", 18.5, "1302", 26.1, 1.14},
    LegRow{heightIs(1200), "1211", 18.4, "1212", 28.2},
    LegRow{heightRange(over(1225), upTo(1525)), "1401", 21.9, "1402", 29.5, 1.14},
};

constexpr std::array legs108{
    LegRow{heightIs(1000), "1121", 15.9, "1122", 23.5},
    LegRow{heightRange(over(1000), under(1200)), "1301", 18.5, "1302", 26.1, 1.14},
    LegRow{heightIs(1200), "1221", 18.2, "1222", 28},
    LegRow{heightRange(over(1225), upTo(1525)), "1401", 21.9, "1402", 29.5, 1.14},
};

constexpr std::array legTables{
    LegTable{89,
             "支腿底端距输送带支承面的高度有以下值可供选择：1000、1000~1200、1200、1200~1500，"
             "请输入具体值：",
             legs89},
    LegTable{108,
             "支腿底端距输送带支承面的高度有以下值可供选择：1000、1000~1200、1200、1225~1525，"
             "请输入具体值：",
             legs108},
};

constexpr std::array headChuteRows{
    HeadChuteRow{is(500), SpeedBand::upToLimit, "241", 805, 1000, 804},
    HeadChuteRow{is(500), SpeedBand::aboveLimit, "242", 889, 1300, 1107},
    HeadChuteRow{is(630), SpeedBand::upToLimit, "251", 913, 1050, 916},
    HeadChuteRow{is(630), SpeedBand::aboveLimit, "252", 984, 1400, 1266},
    HeadChuteRow{is(800), SpeedBand::upToLimit, "261", 992, 1050, 935},
    HeadChuteRow{is(800), SpeedBand::aboveLimit, "262", 1043, 1400, 1285},
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

constexpr WidthRules width800Rules{stages};

}  // namespace dtii

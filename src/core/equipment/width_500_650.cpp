// The equipment tables of 500 mm belts (one drive-pulley and one snub-pulley diameter, 89 mm
// rollers only, one leg table) and of 650 mm belts, which have no tables and always stop.
#include <array>

#include "core/equipment/width_tables.h"

namespace dtii {

namespace {

using enum SlotId;

// Entry boxes that take the focus after a stop.
constexpr int drivePulleyBox = 1;  // Text1
constexpr int snubPulleyBox = 5;   // Text5

constexpr Message vSetMessage{"在该带宽下，选用V形托辊不合适！", {}};

// ---------------------------------------------------------------------------------------------
// 500 mm

constexpr std::array entryChecks500{
    CheckRow{{.D = other(500)},
             {"此带宽值下推荐选用传动滚筒直径为：500，请重新输入。", {}},
             drivePulleyBox},
    CheckRow{{.Ds = other(315)},
             {"此带宽值下推荐选用增面轮直径为：315，请重新输入。", {}},
             snubPulleyBox},
};

constexpr std::array carryingIdlerRows500{
    // trough sets
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(89), .bearing = is(1), .trough = is(35), .tilt = is(0)},
            write("0111", 15.3)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(89), .bearing = is(1), .trough = is(35), .tilt = other(0)},
            write("0311", 15.3)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(89), .bearing = is(1), .trough = is(45)},
            write("0211", 16.2)},
    SlotRow{carryingIdler,
            {.form = is(3), .d = is(89), .bearing = is(1)},
            unsetAfter(troughAngleMessage)},
    SlotRow{carryingIdler, {.form = is(3)}, leaveUnset()},
    // V sets do not suit this width
    SlotRow{carryingIdler, {.form = is(2)}, emptyAfter(vSetMessage)},
    // flat sets
    SlotRow{carryingIdler, {.form = is(1), .d = is(89), .bearing = is(1)}, write("1411", 11.6)},
    SlotRow{carryingIdler, {.form = is(1)}, leaveUnset()},
};

// The bearing plays no part in the impact idler.
constexpr std::array impactIdlerRows500{
    SlotRow{impactIdler, {.form = other(3)}, emptyCode()},
    SlotRow{impactIdler, {.form = is(3), .d = is(89), .trough = is(0)}, emptyCode()},
    SlotRow{impactIdler, {.form = is(3), .d = is(89), .trough = is(35)}, write("0711", 17.5)},
    SlotRow{impactIdler, {.form = is(3), .d = is(89), .trough = is(45)}, write("0811", 18.4)},
    SlotRow{impactIdler, {.form = is(3), .d = is(89)}, emptyAfter(noImpactIdlerMessage)},
    SlotRow{impactIdler, {.form = is(3)}, emptyAfter(noImpactIdlerMessage)},
};

constexpr std::array drivePulleyRows500{
    SlotRow{drivePulley, {.FhAtMost = 49}, write("4083Y/Z", 264)},
    SlotRow{drivePulley, {}, unsetAfter(noDrivePulleyMessage)},
};

// The R120000 concave frame has no designation at this width: it prints "None" at 0 kg.
constexpr std::array frameRows500{
    SlotRow{intermediateFrame, {.a0 = is(1)}, write("111", 121.7)},
    SlotRow{intermediateFrame, {.a0 = is(1.2)}, write("121", 121.7)},
    SlotRow{convexFrame, {.a0 = is(1)}, write("112", 121.7)},
    SlotRow{convexFrame, {.a0 = is(1.2)}, write("122", 121.7)},
    SlotRow{concaveFrameR80000, {.a0 = is(1)}, write("113", 121.7)},
    SlotRow{concaveFrameR80000, {.a0 = is(1.2)}, write("123", 121.7)},
    SlotRow{concaveFrameR120000, {.a0 = oneOf(1, 1.2)}, write("None", 0)},
};

constexpr std::array skirtRows500{
    SlotRow{skirtFront, {.d = is(89)}, weightOnly(106.6)},
    SlotRow{skirtMiddle, {.d = is(89)}, weightOnly(104.2)},
    SlotRow{skirtRear, {.d = is(89)}, weightOnly(115.2)},
};

constexpr std::array cleanerRows500{
    SlotRow{headCleaner, {}, weightOnly(61.2)},
    SlotRow{emptySectionCleaner, {}, weightOnly(15.2)},
};

constexpr std::array legs89{
    LegRow{heightIs(1000), "1111", 15.1, "1112", 22.8},
    LegRow{heightRange(over(1000), upTo(1200)), "1301", 17.4, "1302", 25, 1.14},
};

constexpr std::array legTables500{
    LegTable{89, "支腿底端距输送带支承面的高度有以下值可供选择：1000、1000~1200，请输入具体值：",
             legs89},
};

// Both speeds share the chute length constants: 900 - 795 / 2 = 502.5 mm.
constexpr std::array headChuteRows500{
    HeadChuteRow{{}, SpeedBand::upToLimit, "141", 302, 900, 795},
    HeadChuteRow{{}, SpeedBand::aboveLimit, "241", 400, 900, 795},
};

constexpr double headChuteSpeedLimit500 = 2.5;  // [m/s]

// The diameter checks come before the width code: a stopped confirm keeps the earlier code.
constexpr std::array stages500{
    checkStage(entryChecks500),      setWidthCode(),
    slotStage(carryingIdlerRows500), slotStage(impactIdlerRows500),
    slotStage(drivePulleyRows500),   slotStage(frameRows500),
    slotStage(skirtRows500),         slotStage(cleanerRows500),
    legStage(legTables500),          headChuteStage(headChuteSpeedLimit500, headChuteRows500),
};

// ---------------------------------------------------------------------------------------------
// 650 mm: no tables; every confirm stops, whatever the drive-pulley diameter.

constexpr std::array entryChecks650{
    CheckRow{{}, {"此带宽值下推荐选用传动滚筒直径为：500或630，请重新输入。", {}}, drivePulleyBox},
};

constexpr std::array stages650{
    setWidthCode(),
    checkStage(entryChecks650),
};

}  // namespace

constexpr WidthRules width500Rules{stages500};
constexpr WidthRules width650Rules{stages650};

}  // namespace dtii

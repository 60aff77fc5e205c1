// The language a belt width's equipment tables are written in, and the evaluator that runs them.
// A width is data only: an ordered list of stages, each a table of rows tried top to bottom.
//
// How to add a width:
//   1. Write src/core/equipment/width_<B>.cpp holding constexpr arrays of rows, one row per
//      printed table row, in the order the rows are tried (see width_800.cpp).
//   2. List the stages in the width's own order in a constexpr array of Stage, built with
//      setWidthCode(), checkStage(), slotStage(), transitionStage(), legStage(), headChuteStage().
//   3. Define `constexpr WidthRules width<B>Rules{stages};` after declaring it in width_tables.h,
//      and add one line {B, "code", &width<B>Rules} to the table in width_dispatch.cpp.
//
// Conditions: a When names the values a row needs; a field left out accepts every value. is(x)
// and oneOf(x, y, ...) accept the listed values, other(x, ...) every value but those. All
// comparisons are exact, on the values as computed. FhAtMost is the drive-pulley load ladder:
// Fh <= limit [kN], inclusive.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/dialogs.h"
#include "core/equipment/equipment_selection.h"

namespace dtii {

// ---------------------------------------------------------------------------------------------
// Conditions

// A set of accepted values; with no values it accepts everything. `except` turns it into "any
// value but these".
struct Values {
    std::array<double, 4> list{};
    std::size_t count = 0;
    bool except = false;
};

constexpr Values is(double value) {
    return {{value}, 1, false};
}
constexpr Values oneOf(double a, double b) {
    return {{a, b}, 2, false};
}
constexpr Values oneOf(double a, double b, double c) {
    return {{a, b, c}, 3, false};
}
constexpr Values oneOf(double a, double b, double c, double e) {
    return {{a, b, c, e}, 4, false};
}
constexpr Values other(double value) {
    return {{value}, 1, true};
}
constexpr Values other(double a, double b) {
    return {{a, b}, 2, true};
}
constexpr Values other(double a, double b, double c) {
    return {{a, b, c}, 3, true};
}

// The values the rules look at, gathered once per confirm.
struct SelectionInputs {
    double form = 0;     // carrying idler form: 3 trough, 2 V, 1 flat, 0 none
    double d = 0;        // carrying roller diameter [mm]
    double bearing = 0;  // carrying bearing code 1..5
    double trough = 0;   // lambda, carrying trough angle [degrees]
    double tilt = 0;     // epsilon, carrying forward tilt [degrees]
    double a0 = 0;       // carrying idler spacing [m]
    double V = 0;        // belt speed [m/s]
    double D = 0;        // drive-pulley diameter [mm]; 0 when the entry does not fit 16 bits
    double Ds = 0;       // snub-pulley diameter [mm]
    double Fh = 0;       // drive-pulley load [kN]
};

// The condition of one row. Fields must be given in this order in designated initialisers.
struct When {
    Values form{};
    Values d{};
    Values bearing{};
    Values trough{};  // lambda
    Values tilt{};    // epsilon
    Values a0{};
    Values D{};
    Values Ds{};
    std::optional<double> FhAtMost{};  // [kN]
};

// ---------------------------------------------------------------------------------------------
// What a row does

struct Message {
    std::string_view text{};
    std::string_view caption{};  // empty: the box carries the program's title
};

enum class Outcome {
    write,       // code and weight
    codeOnly,    // code, weight left as it is
    weightOnly,  // weight, code left as it is (the default codes)
    empty,       // empty code and weight 0
    unset,       // the slot is not touched
    stop,        // the confirm ends without a report
};

struct Then {
    Outcome outcome = Outcome::unset;
    std::string_view code{};
    double weight = 0;                 // [kg]
    std::optional<Message> message{};  // shown before the outcome takes effect
    int focusBox = 0;                  // stop only: entry box to focus, 0 for none
};

constexpr Then write(std::string_view code, double weight) {
    return {Outcome::write, code, weight, {}, 0};
}
// Transition rows: write the codes and weights the row lists for 10, 20 and 30 degrees.
constexpr Then writeListed() {
    return {Outcome::write, {}, 0, {}, 0};
}
constexpr Then codeOnly(std::string_view code) {
    return {Outcome::codeOnly, code, 0, {}, 0};
}
constexpr Then weightOnly(double weight) {
    return {Outcome::weightOnly, {}, weight, {}, 0};
}
constexpr Then emptyCode() {
    return {Outcome::empty, {}, 0, {}, 0};
}
constexpr Then emptyAfter(Message message) {
    return {Outcome::empty, {}, 0, message, 0};
}
constexpr Then leaveUnset() {
    return {Outcome::unset, {}, 0, {}, 0};
}
constexpr Then unsetAfter(Message message) {
    return {Outcome::unset, {}, 0, message, 0};
}
constexpr Then stopAfter(Message message, int focusBox = 0) {
    return {Outcome::stop, {}, 0, message, focusBox};
}

// ---------------------------------------------------------------------------------------------
// Row types

// Entry checks: the first row whose condition holds shows its message and stops the confirm.
struct CheckRow {
    When when{};
    Message message{};
    int focusBox = 0;  // entry box (1..5) that gets the focus with its text selected; 0 for none
};

// One row of a slot table. Rows of several slots may share one table; for each slot, in the order
// the slots first appear, the first of its rows whose condition holds decides it.
struct SlotRow {
    SlotId slot{};
    When when{};
    Then then{};
};

// The four L6000 frames by carrying idler spacing, all of one weight per width: "111" to "114" at
// a0 = 1 and "121" to "124" at a0 = 1.2; any other spacing leaves them unset.
constexpr std::array<SlotRow, 8> spacingFrameRows(double weight) {
    using enum SlotId;
    return {{
        {intermediateFrame, {.a0 = is(1)}, write("111", weight)},
        {intermediateFrame, {.a0 = is(1.2)}, write("121", weight)},
        {convexFrame, {.a0 = is(1)}, write("112", weight)},
        {convexFrame, {.a0 = is(1.2)}, write("122", weight)},
        {concaveFrameR80000, {.a0 = is(1)}, write("113", weight)},
        {concaveFrameR80000, {.a0 = is(1.2)}, write("123", weight)},
        {concaveFrameR120000, {.a0 = is(1)}, write("114", weight)},
        {concaveFrameR120000, {.a0 = is(1.2)}, write("124", weight)},
    }};
}

// Transition idlers: one row sets the 10, 20 and 30 degree slots together.
struct TransitionRow {
    When when{};
    Then then{};  // write: the codes and weights below; otherwise as said
    std::array<std::string_view, 3> codes{};
    std::array<double, 3> weights{};  // [kg]
};

// A leg height test: an exact height, or a range with open or closed bounds and possibly one
// height left out of it (that height has its own row further down).
struct HeightBound {
    double value = 0;  // [mm]
    bool included = false;
};
constexpr HeightBound over(double h) {
    return {h, false};
}
constexpr HeightBound from(double h) {
    return {h, true};
}
constexpr HeightBound under(double h) {
    return {h, false};
}
constexpr HeightBound upTo(double h) {
    return {h, true};
}

struct HeightTest {
    HeightBound lower{};
    HeightBound upper{};
    std::optional<double> except{};
};
constexpr HeightTest heightIs(double h) {
    return {from(h), upTo(h), {}};
}
constexpr HeightTest heightRange(HeightBound lower, HeightBound upper) {
    return {lower, upper, {}};
}
constexpr HeightTest heightRange(HeightBound lower, HeightBound upper, double except) {
    return {lower, upper, except};
}

// Within a range the weight falls linearly towards the lower bound:
// weight = base - (upper - hLeg) / 100 * step. Exact heights have step 0.
struct LegRow {
    HeightTest height{};
    std::string_view codeI{};
    double baseI = 0;  // [kg]
    std::string_view codeII{};
    double baseII = 0;  // [kg]
    double step = 0;    // [kg per 100 mm]
};

// The legs offered for one carrying roller diameter, with the input box prompt.
struct LegTable {
    double d = 0;  // [mm]
    std::string_view prompt{};
    std::span<const LegRow> rows{};
};

enum class SpeedBand { upToLimit, aboveLimit };

struct HeadChuteRow {
    Values D{};
    SpeedBand speed{};
    std::string_view code{};
    double weight = 0;           // [kg]
    double lengthBase = 0;       // [mm]
    double lengthDeduction = 0;  // [mm]
};

// ---------------------------------------------------------------------------------------------
// Stages and widths

enum class StageKind { widthCode, checks, slots, transitionIdlers, legs, headChute };

struct Stage {
    StageKind kind = StageKind::widthCode;
    std::span<const CheckRow> checks{};
    std::span<const SlotRow> slots{};
    std::span<const TransitionRow> transitions{};
    std::span<const LegTable> legs{};
    std::span<const HeadChuteRow> chute{};
    double chuteSpeedLimit = 0;  // [m/s]
};

constexpr Stage setWidthCode() {
    return {StageKind::widthCode, {}, {}, {}, {}, {}, 0};
}
constexpr Stage checkStage(std::span<const CheckRow> rows) {
    return {StageKind::checks, rows, {}, {}, {}, {}, 0};
}
constexpr Stage slotStage(std::span<const SlotRow> rows) {
    return {StageKind::slots, {}, rows, {}, {}, {}, 0};
}
constexpr Stage transitionStage(std::span<const TransitionRow> rows) {
    return {StageKind::transitionIdlers, {}, {}, rows, {}, {}, 0};
}
constexpr Stage legStage(std::span<const LegTable> tables) {
    return {StageKind::legs, {}, {}, {}, tables, {}, 0};
}
constexpr Stage headChuteStage(double speedLimit, std::span<const HeadChuteRow> rows) {
    return {StageKind::headChute, {}, {}, {}, {}, rows, speedLimit};
}

struct WidthRules {
    std::span<const Stage> stages{};  // in the order the width runs them
};

// ---------------------------------------------------------------------------------------------
// Messages shared by several widths

inline constexpr Message troughAngleMessage{
    "输入的槽形托辊的槽形角不是标准值，建议重新输入。推荐值：35，45。", {}};
inline constexpr Message noImpactIdlerMessage{"没有合适的缓冲托辊可选！", {}};
inline constexpr Message noDrivePulleyMessage{"没有适合的传动滚筒可选！", equipmentMessageCaption};
// The two transition-idler wordings differ in one word ("适合" / "合适"): a width raises the
// first for its smallest listed roller diameter and the second for the larger ones.
inline constexpr Message noTransitionIdlerSmallRollers{"没有适合的过渡托辊可选！",
                                                       equipmentMessageCaption};
inline constexpr Message noTransitionIdlerLargeRollers{"没有合适的过渡托辊可选！",
                                                       equipmentMessageCaption};
inline constexpr Message invalidLegHeightMessage{"您输入的数值不合法！", {}};

// ---------------------------------------------------------------------------------------------
// Evaluation

bool holds(const Values& values, double value);
bool holds(const When& when, const SelectionInputs& inputs);
bool holds(const HeightTest& test, double height);

// Weight of a leg for the answered height [kg].
double legWeight(double base, const LegRow& row, double height);

struct WidthRunResult {
    bool stopped = false;
    int focusBox = 0;  // entry box to focus after a stop; 0 for none
};

// Runs the stages of one width into the selection; the width code is written by the widthCode
// stage. Talks to the person only through the messages and the leg-height input box.
WidthRunResult runWidthRules(const WidthRules& rules, std::string_view widthCode,
                             const SelectionInputs& inputs, EquipmentSelection& selection,
                             UserDialogs& dialogs);

}  // namespace dtii

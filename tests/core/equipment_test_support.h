// Shared setup of the equipment-selection tests: a base design set directly rather than through the
// drive calculation, a filled equipment window, one confirm or one width's tables run with scripted
// answers, what slots and legs must hold, the messages the tables raise, and the report by lines.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/design/conveyor_design.h"
#include "core/design/roller_tables.h"
#include "core/design/selection_lists.h"
#include "core/equipment/width_rules.h"
#include "core/windows/equipment_window.h"
#include "support/report_lines.h"
#include "support/scripted_dialogs.h"

namespace dtii::testing {

inline constexpr const char* troughAngleText =
    "输入的槽形托辊的槽形角不是标准值，建议重新输入。推荐值：35，45。";
inline constexpr const char* vSetUnsuitableText = "在该带宽下，选用V形托辊不合适！";
inline constexpr const char* noImpactText = "没有合适的缓冲托辊可选！";
inline constexpr const char* noTransitionSmallText = "没有适合的过渡托辊可选！";
inline constexpr const char* noTransitionLargeText = "没有合适的过渡托辊可选！";
inline constexpr const char* noDrivePulleyText = "没有适合的传动滚筒可选！";
inline constexpr const char* invalidLegText = "您输入的数值不合法！";

// A belt of width B with troughed 108 mm carrying idlers on 4G205 at 35 degrees tilted 1.5,
// a0 1.2 m, V 2 m/s, and made-up results whose tensions give Fh = 60.500825 kN.
inline ConveyorDesign baseDesign(std::int16_t B = 800) {
    ConveyorDesign design;
    SharedDesign& s = design.shared;
    s.B = B;
    s.V = 2;
    s.r = 1000;
    s.Q = 500;
    s.Lh = 100;
    s.H = 5;
    s.a0 = 1.2;
    s.carryingIdlerForm = 3;
    s.carryingRollerDiameter = 108;
    s.carryingBearing = 2;
    s.carryingTroughAngle = 35;
    s.carryingTiltAngle = 1.5;
    s.Fu = 12345.678;
    s.Pa = 24.691356;
    s.Pm = 30.1234567;
    s.T1 = 40000.5;
    s.T2 = 15000.25;
    s.T3 = 16000;
    s.T4 = 17250.75;
    s.Fw = 8765.4321;
    s.Fk = 1234.5678;
    return design;
}

// A test name that says what an equipment selection case selects for: belt width, carrying idler
// form, roller diameter and bearing, trough and tilt angles, spacing a0 and drive pulley D, as in
// 800_trough_108_4G205_35deg_tilt1p5_a0_1p2_D630 (test names allow letters, digits and _ only).
inline std::string selectionCaseName(const SharedDesign& s, std::string_view D) {
    const auto number = [](double value) {
        std::ostringstream text;
        text << value;
        std::string name = text.str();
        std::replace(name.begin(), name.end(), '.', 'p');
        std::replace(name.begin(), name.end(), '-', 'm');
        return name;
    };
    const auto form = [](std::int16_t code) -> std::string {
        switch (code) {
            case troughIdler:
                return "trough";
            case vIdler:
                return "V";
            case flatIdler:
                return "flat";
            default:
                return "form" + std::to_string(code);
        }
    };
    const auto bearing = [](std::int16_t code) {
        for (const CodedItem& item : bearings) {
            if (item.code == code) {
                return std::string(item.text);
            }
        }
        return "bearing" + std::to_string(code);
    };
    return std::to_string(s.B) + "_" + form(s.carryingIdlerForm) + "_" +
           std::to_string(s.carryingRollerDiameter) + "_" + bearing(s.carryingBearing) + "_" +
           number(s.carryingTroughAngle) + "deg_tilt" + number(s.carryingTiltAngle) + "_a0_" +
           number(s.a0) + "_D" + std::string(D);
}

// The first two report sections of baseDesign(), as printed, up to the empty line before the
// equipment list; B, V, T1 and T2 are the texts the test's changes print.
inline std::vector<std::string> baseReportOpening(const std::string& B, const std::string& V = "2",
                                                  const std::string& T1 = "40000.5",
                                                  const std::string& T2 = "15000.25") {
    return {
        "一.初始条件",
        "  1.输送带宽度B= " + B + "mm",
        "  2.输送速度V= " + V + "m/s",
        "  3.物料密度r= 1000kg/m^3",
        "  4.输送能力Q= 500t/h",
        "  5.输送机水平投影长度Lh= 100m",
        "  6.物料提升高度H= 5m",
        "",
        "二.计算结果列表",
        "  1.圆周驱动力Fu= 12345.68N",
        "  2.传动滚筒圆周驱动功率Pa= 24.69136kw",
        "  3.驱动电机所需功率Pm= 30.12346kw",
        "  4.T1= " + T1 + "N",
        "  5.T2= " + T2 + "N",
        "  6.T3= 16000N",
        "  7.T4= 17250.75N",
        "8.承载面阻力Fw： 8765.432N",
        "9.回程面阻力Fk： 1234.568N",
        "",
    };
}

// Compares a report line by line: `opening` and then `rest`.
inline void expectReportLines(const std::string& report, const std::vector<std::string>& opening,
                              const std::vector<std::string>& rest = {}) {
    std::vector<std::string> expected = opening;
    expected.insert(expected.end(), rest.begin(), rest.end());
    const std::vector<std::string> lines = splitLines(report);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

// A loaded window with every entry filled; D and Ds are the drive- and snub-pulley diameter texts.
inline EquipmentWindow filledWindow(const std::string& D = "630", const std::string& Ds = "") {
    EquipmentWindow window;
    loadEquipmentWindow(window);
    window.takeUpList.text = "垂直重锤拉紧";
    window.boxes[1] = D;
    window.boxes[2] = "500";
    window.boxes[3] = "1000";
    window.boxes[4] = "800";
    window.boxes[5] = Ds;
    return window;
}

// One confirm of the equipment window and everything it touched.
struct ConfirmedWindow {
    EquipmentWindow window;
    EquipmentWindowValues values;
    ScriptedDialogs dialogs;
    ConfirmResult result;
};

// Confirms `window` for `design`; `answers` answer the input boxes in order (the leg height), and
// `values` are what an earlier confirm left.
inline ConfirmedWindow confirmWindow(const ConveyorDesign& design, EquipmentWindow window,
                                     const std::vector<std::string>& answers = {},
                                     EquipmentWindowValues values = {}) {
    ConfirmedWindow run;
    run.window = std::move(window);
    run.values = std::move(values);
    run.dialogs.textAnswers.assign(answers.begin(), answers.end());
    run.result = confirmEquipment(run.window, design, run.values, run.dialogs);
    return run;
}

struct WidthRun {
    WidthRunResult result;
    EquipmentSelection selection;
    ScriptedDialogs dialogs;
};

// Runs the tables of one width; the leg-height box, if asked, gets `legAnswer`.
inline WidthRun runWidth(const WidthRules& rules, std::string_view widthCode,
                         const SelectionInputs& inputs, const std::string& legAnswer = "") {
    WidthRun run;
    run.dialogs.textAnswers.push_back(legAnswer);
    run.result = runWidthRules(rules, widthCode, inputs, run.selection, run.dialogs);
    return run;
}

// Trough, V or flat carrying idlers with a drive pulley whose ladder is not in the way.
inline SelectionInputs carrying(double form, double d, double bearing, double trough, double tilt,
                                double D) {
    return {.form = form,
            .d = d,
            .bearing = bearing,
            .trough = trough,
            .tilt = tilt,
            .a0 = 1.2,
            .V = 2,
            .D = D,
            .Fh = 50};
}

// What a slot must hold after the rules ran; nullopt means unset.
struct SlotExpectation {
    SlotId slot;
    std::optional<std::string> code;
    std::optional<double> weight;  // [kg]
};

// Weights are compared to a few ulps: leg weights come out of a subtraction.
inline void expectSlots(const EquipmentSelection& selection,
                        const std::vector<SlotExpectation>& expected, const std::string& context) {
    for (const SlotExpectation& e : expected) {
        const Slot& slot = selection[e.slot];
        const std::string where = context + ", slot " + std::to_string(static_cast<int>(e.slot));
        EXPECT_EQ(slot.code, e.code) << where;
        ASSERT_EQ(slot.unitWeight.has_value(), e.weight.has_value()) << where;
        if (e.weight) {
            EXPECT_DOUBLE_EQ(*slot.unitWeight, *e.weight) << where;
        }
    }
}

// The input boxes asked during a run.
inline std::size_t inputBoxCount(const ScriptedDialogs& dialogs) {
    std::size_t count = 0;
    for (const ShownBox& box : dialogs.shown) {
        count += box.kind == ShownBox::Kind::input ? 1 : 0;
    }
    return count;
}

// One choice of carrying idlers through a width's tables, which go on to the end.
struct IdlerCase {
    const char* name;
    SelectionInputs inputs;
    std::vector<std::string> messages;  // in order
    std::vector<SlotExpectation> slots;
};

// Runs each case with a leg height of 1200: the messages in order, each with its caption (the
// transition-idler and drive-pulley messages carry the equipment caption, the others the
// program's title), and the slots.
inline void expectIdlerCases(const WidthRules& rules, std::string_view widthCode,
                             const std::vector<IdlerCase>& cases) {
    for (const IdlerCase& c : cases) {
        SCOPED_TRACE(c.name);
        const WidthRun run = runWidth(rules, widthCode, c.inputs, "1200");
        EXPECT_FALSE(run.result.stopped);
        EXPECT_EQ(run.selection.widthCode, widthCode);
        EXPECT_EQ(run.dialogs.messageTexts(), c.messages);
        for (const ShownBox& box : run.dialogs.shown) {
            if (box.kind != ShownBox::Kind::message) {
                continue;
            }
            const bool equipment = box.text == noTransitionSmallText ||
                                   box.text == noTransitionLargeText ||
                                   box.text == noDrivePulleyText;
            EXPECT_EQ(box.caption, equipment ? equipmentMessageCaption : programTitle) << box.text;
        }
        expectSlots(run.selection, c.slots, c.name);
    }
}

// One point of a drive-pulley ladder: the load tried and the pulley it gets; nullopt: none fits.
struct LadderCase {
    double D;   // [mm]
    double Fh;  // [kN]
    std::optional<std::string> code;
    std::optional<double> weight;  // [kg]
};

// Runs each ladder point on `inputs`: the pulley row, the message (with its caption) exactly when
// no row fits, and the stages after the pulley still run.
inline void expectLadder(const WidthRules& rules, std::string_view widthCode,
                         SelectionInputs inputs, const std::vector<LadderCase>& cases) {
    for (const LadderCase& c : cases) {
        inputs.D = c.D;
        inputs.Fh = c.Fh;
        const WidthRun run = runWidth(rules, widthCode, inputs, "1200");
        const std::string context = std::to_string(c.D) + " " + std::to_string(c.Fh);
        EXPECT_FALSE(run.result.stopped) << context;
        expectSlots(run.selection, {{SlotId::drivePulley, c.code, c.weight}}, context);
        const std::vector<std::string> expected =
            c.code ? std::vector<std::string>{} : std::vector<std::string>{noDrivePulleyText};
        EXPECT_EQ(run.dialogs.messageTexts(), expected) << context;
        for (const ShownBox& box : run.dialogs.shown) {
            if (box.kind == ShownBox::Kind::message) {
                EXPECT_EQ(box.caption, equipmentMessageCaption) << context;
            }
        }
        EXPECT_TRUE(run.selection[SlotId::headChute].code.has_value()) << context;
    }
}

// One answer typed into the leg-height box and what both legs get.
struct LegCase {
    double d;  // carrying roller diameter [mm]
    std::string answer;
    std::optional<std::string> codeI;  // nullopt: the answer is refused
    double weightI = 0;                // [kg]
    std::string codeII;
    double weightII = 0;  // [kg]
};

// The box is asked once, first, with its caption; a refused answer shows only its message and
// leaves both legs with an empty code weighing 0.
inline void expectLegs(const WidthRun& run, const LegCase& c) {
    const std::string context = std::to_string(c.d) + " \"" + c.answer + "\"";
    ASSERT_EQ(inputBoxCount(run.dialogs), 1u) << context;
    EXPECT_EQ(run.dialogs.shown[0].kind, ShownBox::Kind::input) << context;
    EXPECT_EQ(run.dialogs.shown[0].caption, inputCaption) << context;
    if (!c.codeI) {
        EXPECT_EQ(run.dialogs.messageTexts(), std::vector<std::string>{invalidLegText}) << context;
        expectSlots(run.selection, {{SlotId::legI, "", 0}, {SlotId::legII, "", 0}}, context);
        return;
    }
    EXPECT_TRUE(run.dialogs.messageTexts().empty()) << context;
    expectSlots(run.selection,
                {{SlotId::legI, *c.codeI, c.weightI}, {SlotId::legII, c.codeII, c.weightII}},
                context);
}

}  // namespace dtii::testing

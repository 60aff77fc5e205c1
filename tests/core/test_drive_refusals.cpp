// The compute command refuses a design it cannot compute soundly: one message, nothing computed,
// nothing in the record changed.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "support/example_design.h"

namespace dtii {
namespace testing {
void PrintTo(const ShownBox& box, std::ostream* out) {
    *out << "[" << box.caption << "] " << box.text;
}
}  // namespace testing

namespace {

using testing::ExampleDesign;
using testing::ShownBox;

struct Refusal {
    const char* name;
    std::function<void(ExampleDesign&)> change;
    const char* message;
};

ShownBox titled(const char* message) {
    return {ShownBox::Kind::message, message, std::string(programTitle), MessageIcon::none, ""};
}

const ShownBox rollerMissing{ShownBox::Kind::message, "选取参数有误，请重新选取！", "提示框",
                             MessageIcon::information, ""};

// Computes the example first, so the record holds results a refusal must not touch. Returns the
// box the refusal put the focus into.
std::optional<InputBox> expectRefused(const ExampleDesign& example, const ShownBox& expected,
                                      const char* name) {
    ConveyorDesign design;
    InputWindow window;
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(testing::computeExampleDesign(design, window, dialogs), ComputeOutcome::computed);
    testing::enterExampleDesign(design, window, dialogs, example);
    dialogs.shown.clear();
    window.focusBox.reset();
    const ConveyorDesign before = design;
    EXPECT_EQ(computeDrive(window, design, dialogs), ComputeOutcome::refused) << name;
    EXPECT_EQ(dialogs.shown, std::vector<ShownBox>{expected}) << name;
    EXPECT_TRUE(design == before) << name;
    return window.focusBox;
}

TEST(ComputeRefusal, ListsMustShowOneOfTheirValueCarryingItems) {
    for (const Refusal& r : std::vector<Refusal>{
             {"typed text that is no item",
              [](ExampleDesign& e) { e.workingCondition = "按标准设计"; },
              "工作条件的选择无效，请从列表中重新选取！"},
             {"prompt with one more character",
              [](ExampleDesign& e) { e.runningCondition = "运行条件（请选择）x"; },
              "运行条件的选择无效，请从列表中重新选取！"},
             {"item text with a trailing blank",
              [](ExampleDesign& e) { e.drumSurface = "人字胶面滚筒 "; },
              "滚筒覆盖面形式的选择无效，请从列表中重新选取！"},
             {"diameter the list does not offer",
              [](ExampleDesign& e) { e.carryingRollerDiameter = "D=133"; },
              "上托辊的辊子直径的选择无效，请从列表中重新选取！"},
             {"return diameter typed in", [](ExampleDesign& e) { e.returnRollerDiameter = "108"; },
              "下托辊的辊子直径的选择无效，请从列表中重新选取！"},
             {"return bearing not offered", [](ExampleDesign& e) { e.returnBearing = "4G306"; },
              "下托辊的辊子轴承的选择无效，请从列表中重新选取！"},
             {"placeholder items: the bearing list comes first",
              [](ExampleDesign& e) {
                  e.B = "500";
                  e.carryingIdlerButton = IdlerButton::carryingV;
                  e.carryingRollerDiameter = "D=";
                  e.carryingBearing = "";
              },
              "上托辊的辊子轴承的选择无效，请从列表中重新选取！"},
             {"covers typed in", [](ExampleDesign& e) { e.covers = "4.5+1.0"; },
              "胶带上/下胶厚度的选择无效，请从列表中重新选取！"},
             {"belt type in the wrong case", [](ExampleDesign& e) { e.beltType = "ST1600"; },
              "输送带型号的选择无效，请从列表中重新选取！"},
             {"no idler form chosen leaves the roller lists empty",
              [](ExampleDesign& e) { e.carryingIdlerButton.reset(); },
              "上托辊的辊子轴承的选择无效，请从列表中重新选取！"},
         }) {
        ExampleDesign example;
        r.change(example);
        expectRefused(example, titled(r.message), r.name);
    }
}

TEST(ComputeRefusal, EntriesOutsideTheirRangeAreRefusedInCheckOrder) {
    const char* const speed = "带速V必须大于0，请重新输入！";
    for (const Refusal& r : std::vector<Refusal>{
             {"V zero", [](ExampleDesign& e) { e.V = "0"; }, speed},
             {"V not a number", [](ExampleDesign& e) { e.V = "fast"; }, speed},
             {"V infinite", [](ExampleDesign& e) { e.V = "1e999"; }, speed},
             {"r negative", [](ExampleDesign& e) { e.r = "-1000"; },
              "物料密度r必须大于0，请重新输入！"},
             {"a0 zero", [](ExampleDesign& e) { e.a0 = "0"; },
              "承载分支托辊间距a0必须大于0，请重新输入！"},
             {"au zero", [](ExampleDesign& e) { e.au = "abc"; },
              "回程分支托辊间距au必须大于0，请重新输入！"},
             {"L zero", [](ExampleDesign& e) { e.L = "0"; },
              "输送机长度L必须大于0且不超过5000米，请重新输入！"},
             {"L beyond the table", [](ExampleDesign& e) { e.L = "5000.001"; },
              "输送机长度L必须大于0且不超过5000米，请重新输入！"},
             {"Q negative", [](ExampleDesign& e) { e.Q = "-1"; },
              "每小时输送量Q不能小于0，请重新输入！"},
             {"Lh negative", [](ExampleDesign& e) { e.Lh = "-0.1"; },
              "输送机水平投影长度L0不能小于0，请重新输入！"},
             {"wrap angle zero", [](ExampleDesign& e) { e.wrapAngle = "0"; },
              "胶带在传动滚筒上的包角必须大于0，请重新输入！"},
             {"negative plies", [](ExampleDesign& e) { e.plies = "-1"; },
              "输送带层数必须在0到32767之间，请重新输入！"},
             {"plies beyond 16 bits", [](ExampleDesign& e) { e.plies = "32767.5"; },
              "输送带层数必须在0到32767之间，请重新输入！"},
             {"first failing entry wins",
              [](ExampleDesign& e) {
                  e.plies = "-1";
                  e.L = "0";
                  e.r = "0";
                  e.V = "0";
              },
              speed},
             {"lists are checked before entries",
              [](ExampleDesign& e) {
                  e.V = "0";
                  e.beltType = "x";
              },
              "输送带型号的选择无效，请从列表中重新选取！"},
         }) {
        ExampleDesign example;
        r.change(example);
        expectRefused(example, titled(r.message), r.name);
    }
}

TEST(ComputeRefusal, TheBeltWidthMustBeOneWithSkirtBoards) {
    // The idler buttons are unselected before the width changes, so the roller lists keep the
    // picks of 800 mm and only the width itself is wrong; a width beyond 16 bits is refused when
    // the box loses focus and again at compute.
    for (const char* width : {"1600", "700", "abc", "99999"}) {
        ConveyorDesign design;
        InputWindow window;
        testing::ScriptedDialogs dialogs;
        testing::enterExampleDesign(design, window, dialogs);
        window.carryingIdlerButton.reset();
        window.returnIdlerButton.reset();
        window.boxes[InputBox::beltWidth] = width;
        beltWidthLostFocus(window, design, dialogs);
        dialogs.shown.clear();
        window.focusBox.reset();
        const ConveyorDesign before = design;
        EXPECT_EQ(computeDrive(window, design, dialogs), ComputeOutcome::refused) << width;
        EXPECT_EQ(dialogs.shown,
                  std::vector<ShownBox>{
                      titled("输送带宽度B只能是500，650，800，1000，1200或1400毫米，请重新输入！")})
            << width;
        EXPECT_EQ(window.focusBox, InputBox::beltWidth);
        EXPECT_TRUE(design == before) << width;
    }
}

TEST(ComputeRefusal, EveryMissingRollerMassStopsAtTheFirstMiss) {
    for (const Refusal& r : std::vector<Refusal>{
             {"carrying length not in its row",
              [](ExampleDesign& e) { e.carryingRollerDiameter = "D=89"; }, ""},
             {"return bearing without a row (formerly silent)",
              [](ExampleDesign& e) {
                  e.returnRollerDiameter = "D=89";
                  e.returnBearing = "4G305";
              },
              ""},
             {"both sides miss: one message",
              [](ExampleDesign& e) {
                  e.carryingRollerDiameter = "D=89";
                  e.returnRollerDiameter = "D=89";
                  e.returnBearing = "4G305";
              },
              ""},
             {"return V at 800 with 89 and 4G305 (formerly silent)",
              [](ExampleDesign& e) {
                  e.returnIdlerButton = IdlerButton::returnV;
                  e.returnRollerDiameter = "D=89";
                  e.returnBearing = "4G305";
              },
              ""},
         }) {
        ExampleDesign example;
        r.change(example);
        expectRefused(example, rollerMissing, r.name);
    }
}

TEST(ComputeRefusal, ResultsThatAreNotFiniteOrOverflowSinglePrecisionAreRefused) {
    const char* const message = "计算结果超出数值范围（例如包角过小），请检查输入的数据！";
    for (const Refusal& r : std::vector<Refusal>{
             {"wrap factor rounds to 1", [](ExampleDesign& e) { e.wrapAngle = "1e-300"; }, message},
             {"skirt friction overflows a double", [](ExampleDesign& e) { e.r = "1e-306"; },
              message},
             {"capacity infinite", [](ExampleDesign& e) { e.Q = "1e999"; }, message},
             {"listed value beyond single precision", [](ExampleDesign& e) { e.Q = "1e40"; },
              message},
             {"plough count infinite", [](ExampleDesign& e) { e.ploughTrippers = "1e999"; },
              message},
         }) {
        ExampleDesign example;
        r.change(example);
        expectRefused(example, titled(r.message), r.name);
    }
}

// Designs that cannot run: checked after the entry checks, first failure only, the focus on the
// box to mend; the tensions only once the results are computed and in range.
TEST(ComputeRefusal, ImpossibleDesignsAreRefusedInRuleOrder) {
    struct LimitRefusal {
        const char* name;
        std::function<void(ExampleDesign&)> change;
        const char* message;
        std::optional<InputBox> focus;
    };
    const char* const carryingTilt = "上托辊前倾角必须不小于0且小于90度，请重新输入！";
    const char* const lift = "物料提升高度H的绝对值不能大于输送机长度L，请重新输入！";
    const char* const trippers = "犁式卸料器的个数必须是不小于0的整数，请重新输入！";
    for (const LimitRefusal& r : std::vector<LimitRefusal>{
             {"carrying trough at 90", [](ExampleDesign& e) { e.carryingTroughAngle = "90"; },
              "上托辊槽角必须不小于0且小于90度，请重新输入！", InputBox::carryingTroughAngle},
             {"negative forward tilt (an uphill belt with negative power)",
              [](ExampleDesign& e) { e.carryingTiltAngle = "-1.5"; }, carryingTilt,
              InputBox::carryingTiltAngle},
             {"return trough negative", [](ExampleDesign& e) { e.returnTroughAngle = "-0.1"; },
              "下托辊槽角必须不小于0且小于90度，请重新输入！", InputBox::returnTroughAngle},
             {"return tilt at 90", [](ExampleDesign& e) { e.returnTiltAngle = "90"; },
              "下托辊前倾角必须不小于0且小于90度，请重新输入！", InputBox::returnTiltAngle},
             {"the angles in their order",
              [](ExampleDesign& e) {
                  e.returnTiltAngle = "-1";
                  e.carryingTiltAngle = "-1";
              },
              carryingTilt, InputBox::carryingTiltAngle},
             {"lift beyond the belt", [](ExampleDesign& e) { e.H = "100.5"; }, lift,
              InputBox::lift},
             {"lift beyond a double's range", [](ExampleDesign& e) { e.H = "1e308"; }, lift,
              InputBox::lift},
             {"horizontal length beyond the belt", [](ExampleDesign& e) { e.Lh = "100.1"; },
              "输送机水平投影长度L0不能大于输送机长度L，请重新输入！", InputBox::horizontalLength},
             {"lift before horizontal length",
              [](ExampleDesign& e) {
                  e.Lh = "200";
                  e.H = "200";
              },
              lift, InputBox::lift},
             {"angles before lift",
              [](ExampleDesign& e) {
                  e.H = "200";
                  e.carryingTiltAngle = "-1";
              },
              carryingTilt, InputBox::carryingTiltAngle},
             {"a negative tripper count", [](ExampleDesign& e) { e.ploughTrippers = "-1"; },
              trippers, std::nullopt},
             {"half a tripper", [](ExampleDesign& e) { e.ploughTrippers = "1.5"; }, trippers,
              std::nullopt},
             {"the entry checks come first",
              [](ExampleDesign& e) {
                  e.V = "0";
                  e.carryingTiltAngle = "-1";
              },
              "带速V必须大于0，请重新输入！", InputBox::beltSpeed},
             {"a return tension below zero (a steep fast lift without horizontal length)",
              [](ExampleDesign& e) {
                  e.H = "50";
                  e.Lh = "0";
                  e.V = "8";
              },
              "输送带张力T3必须大于0，本设计的计算结果不满足，请检查输入的数据！", std::nullopt},
         }) {
        ExampleDesign example;
        r.change(example);
        EXPECT_EQ(expectRefused(example, titled(r.message), r.name), r.focus) << r.name;
    }
}

}  // namespace
}  // namespace dtii

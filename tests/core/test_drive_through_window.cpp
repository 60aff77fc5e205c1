// Variations of the example design computed through the window: what each choice changes.
#include <gtest/gtest.h>

#include <cmath>

#include "support/example_design.h"

namespace dtii {
namespace {

using testing::ExampleDesign;

struct Computed {
    ConveyorDesign design;
    InputWindow window;
    testing::ScriptedDialogs dialogs;

    explicit Computed(const ExampleDesign& example = {}) {
        const ComputeOutcome outcome =
            testing::computeExampleDesign(design, window, dialogs, example);
        EXPECT_EQ(outcome, ComputeOutcome::computed);
        EXPECT_TRUE(dialogs.messageTexts().empty());
    }
    ComputeOutcome recompute() { return computeDrive(window, design, dialogs); }
};

TEST(DriveThroughWindow, ASteelCordBeltTakesItsMassPerSquareMetreWhateverThePlies) {
    for (const char* plies : {"5", "0", "99999", "-3"}) {
        ExampleDesign example;
        example.beltType = "st1600";
        example.plies = plies;
        const Computed run(example);
        EXPECT_DOUBLE_EQ(run.design.input.qB, 800 * 27 / 1000.0) << plies;
    }
}

TEST(DriveThroughWindow, AFabricBeltAfterASteelCordOneUsesPliesAndCoversAgain) {
    ExampleDesign example;
    example.beltType = "st1600";
    Computed run(example);
    run.window.lists[InputList::beltType].text = "尼龙帆布NN-200";
    pickListItem(run.window, run.design, InputList::beltType);
    ASSERT_EQ(run.recompute(), ComputeOutcome::computed);
    EXPECT_DOUBLE_EQ(run.design.input.qB, (5 * 1.25 + 6 * 1.19) * 800 / 1000);
}

TEST(DriveThroughWindow, ADownhillConveyorLowersFwAndRaisesFk) {
    ExampleDesign downhill;
    downhill.H = "-5";
    const Computed up;
    const Computed down(downhill);
    EXPECT_DOUBLE_EQ(down.design.working.slopeResistance, -up.design.working.slopeResistance);
    EXPECT_LT(down.design.shared.Fw, up.design.shared.Fw);
    EXPECT_GT(down.design.shared.Fk, up.design.shared.Fk);
}

TEST(DriveThroughWindow, PloughTrippersLoadTheCarryingStrandOnlyWhileTheBoxIsChecked) {
    const Computed without;
    ExampleDesign example;
    example.ploughTrippers = "2";
    Computed with(example);
    EXPECT_DOUBLE_EQ(with.design.input.ploughResistance, 2 * 800 * 1.5);
    EXPECT_NEAR(with.design.shared.Fu - without.design.shared.Fu, 2400, 1e-9);
    EXPECT_NEAR(with.design.shared.Fw - without.design.shared.Fw, 2400, 1e-9);
    EXPECT_DOUBLE_EQ(with.design.shared.Fk, without.design.shared.Fk);

    // The resistance follows the width of the calculation.
    with.window.boxes[InputBox::beltWidth] = "1000";
    beltWidthLostFocus(with.window, with.design, with.dialogs);
    ASSERT_EQ(with.recompute(), ComputeOutcome::computed);
    EXPECT_DOUBLE_EQ(with.design.input.ploughResistance, 2 * 1000 * 1.5);

    // Unchecked means no trippers, although the count stays stored.
    with.window.ploughTrippers = false;
    ploughTrippersChanged(with.window, with.design, with.dialogs, false);
    ASSERT_EQ(with.recompute(), ComputeOutcome::computed);
    EXPECT_EQ(with.design.input.ploughResistance, 0);
    EXPECT_EQ(with.design.input.ploughCount, 2);
}

TEST(DriveThroughWindow, RollerLengthsFollowTheBeltWidthOfTheCalculation) {
    Computed run;
    run.window.boxes[InputBox::beltWidth] = "1000";
    beltWidthLostFocus(run.window, run.design, run.dialogs);
    ASSERT_EQ(run.recompute(), ComputeOutcome::computed);
    EXPECT_EQ(run.design.input.carryingRollerLength, 380);
    EXPECT_EQ(run.design.input.returnRollerLength, 1150);
    EXPECT_EQ(run.design.input.carryingRollerMass, 4.07);  // D=108, 4G205
    EXPECT_EQ(run.design.input.returnRollerMass, 8.40);
    EXPECT_DOUBLE_EQ(run.design.input.qRO, 3 * 4.07 / 1.2);
}

TEST(DriveThroughWindow, ReturnTiltLoadsTheReturnStrandAndTheDrive) {
    ExampleDesign tilted;
    tilted.returnTiltAngle = "2";
    tilted.returnTroughAngle = "10";
    const Computed plain;
    const Computed run(tilted);
    const double expected = 0.4 * 100 * run.design.input.qB * 9.81 * std::sin(2 * 3.1415926 / 180) *
                            std::cos(10 * 3.1415926 / 180);
    EXPECT_NEAR(run.design.working.returnTiltResistance, expected, 1e-9);
    EXPECT_NEAR(run.design.shared.Fk - plain.design.shared.Fk, expected, 1e-9);
    EXPECT_NEAR(run.design.shared.Fu - plain.design.shared.Fu, expected, 1e-9);
}

TEST(DriveThroughWindow, ATextTypedIntoAListCountsAsTheItemItEquals) {
    Computed run;
    // Typed, not picked: the record still holds the earlier choice until compute reads the text.
    run.window.lists[InputList::runningCondition].text = "污浊的潮湿（泥浆，粘土）运行";
    run.window.lists[InputList::drumSurface].text = "平的光面钢滚筒";
    ASSERT_EQ(run.recompute(), ComputeOutcome::computed);
    EXPECT_EQ(run.design.working.driveFriction, 0.08);
    EXPECT_EQ(run.design.input.runningCondition, 3);
    EXPECT_EQ(run.design.input.drumSurface, 1);
}

}  // namespace
}  // namespace dtii

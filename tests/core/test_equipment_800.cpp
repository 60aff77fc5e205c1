// The 800 mm tables through the confirm: which messages appear in which order, what each slot
// holds, the load ladder on its limits and the leg heights on and around every bound.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/equipment/width_tables.h"
#include "equipment_test_support.h"

namespace dtii {
namespace {

using namespace testing;

constexpr const char* badDiameter =
    "您输入的传动滚筒直径不合适，推荐选用直径：500,630,800。请重新输入！";

struct SelectionCase {
    const char* name;
    std::function<void(SharedDesign&)> change;
    std::string D;
    std::vector<std::string> messages;
    SelectionOutcome outcome;
    std::vector<SlotExpectation> slots;
};

// ctest lists a case by its name (what it shows) rather than by a byte dump of the struct.
void PrintTo(const SelectionCase& c, std::ostream* out) {
    *out << c.name;
}

class Width800Selection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(Width800Selection, ShowsTheMessagesInOrderAndFillsTheSlots) {
    const SelectionCase& c = GetParam();
    ConveyorDesign design = baseDesign();
    c.change(design.shared);
    const ConfirmedWindow run = confirmWindow(design, filledWindow(c.D), {"1100"});
    EXPECT_EQ(run.dialogs.messageTexts(), c.messages);
    ASSERT_EQ(run.result.outcome, c.outcome);
    EXPECT_FALSE(run.window.focusBox.has_value()) << "800 mm stops never move the focus";
    expectSlots(run.result.selection, c.slots, c.name);
}

void troughed(SharedDesign& s, std::int16_t d, std::int16_t bearing, double lambda, double eps) {
    s.carryingIdlerForm = 3;
    s.carryingRollerDiameter = d;
    s.carryingBearing = bearing;
    s.carryingTroughAngle = lambda;
    s.carryingTiltAngle = eps;
}

using enum SlotId;

INSTANTIATE_TEST_SUITE_P(
    Cases, Width800Selection,
    ::testing::Values(SelectionCase{"TroughSet108Bearing2Tilted",
                                    [](SharedDesign& s) { troughed(s, 108, 2, 35, 1.5); },
                                    "630",
                                    {},
                                    SelectionOutcome::completed,
                                    {{carryingIdler, "0322", 26.1},
                                     {impactIdler, "0722", 35.3},
                                     {transitionIdler10, "0422", 25.9},
                                     {transitionIdler20, "0522", 26},
                                     {transitionIdler30, "0622", 26.1},
                                     {drivePulley, "5123Y/Z", 776},
                                     {headCleaner, "1", 64.8},
                                     {emptySectionCleaner, "2", 22.3},
                                     {skirtFront, "111", 137.7},
                                     {skirtMiddle, "121", 133.5},
                                     {skirtRear, "131", 151.9}}},
                      SelectionCase{"TroughSet89NoTilt",
                                    [](SharedDesign& s) { troughed(s, 89, 1, 35, 0); },
                                    "630",
                                    {},
                                    SelectionOutcome::completed,
                                    {{carryingIdler, "0111", 21.5},
                                     {impactIdler, "0711", 27.7},
                                     {transitionIdler10, "0411", 21.3},
                                     {transitionIdler30, "0611", 21.5},
                                     {skirtFront, "111", 137.4},
                                     {skirtRear, "131", 151.6}}},
                      SelectionCase{"FortyFiveDegreesOn108TakesTheBearing2Code",
                                    [](SharedDesign& s) { troughed(s, 108, 1, 45, 2); },
                                    "630",
                                    {},
                                    SelectionOutcome::completed,
                                    {{carryingIdler, "0222", 27.3},
                                     {impactIdler, "0822", 36.4},
                                     {transitionIdler20, "0521", 24.2}}},
                      SelectionCase{"OffStandardTroughAngleThenWrongDiameterStops",
                                    [](SharedDesign& s) { troughed(s, 89, 1, 40, 0); },
                                    "1000",
                                    {troughAngleText, noImpactText, badDiameter},
                                    SelectionOutcome::stopped,
                                    {}},
                      SelectionCase{"Rollers89WithBearing2",
                                    [](SharedDesign& s) { troughed(s, 89, 2, 35, 0); },
                                    "630",
                                    {noTransitionSmallText},
                                    SelectionOutcome::completed,
                                    {{carryingIdler, std::nullopt, std::nullopt},
                                     {impactIdler, "0711", 27.7},
                                     {transitionIdler10, std::nullopt, std::nullopt}}},
                      SelectionCase{"Rollers108WithBearing3",
                                    [](SharedDesign& s) { troughed(s, 108, 3, 35, 0); },
                                    "800",
                                    {noTransitionLargeText},
                                    SelectionOutcome::completed,
                                    {{carryingIdler, std::nullopt, std::nullopt},
                                     {transitionIdler30, std::nullopt, std::nullopt},
                                     {drivePulley, "6123Y/Z", 887}}},
                      SelectionCase{"FlatSetIgnoresTheBearing",
                                    [](SharedDesign& s) {
                                        s.carryingIdlerForm = 1;
                                        s.carryingRollerDiameter = 89;
                                        s.carryingBearing = 4;
                                    },
                                    "500",
                                    {noTransitionSmallText, noDrivePulleyText},
                                    SelectionOutcome::completed,
                                    {{carryingIdler, "1412", 19},
                                     {impactIdler, "", 0},
                                     {drivePulley, std::nullopt, std::nullopt}}},
                      SelectionCase{"VSetWithTilt",
                                    [](SharedDesign& s) {
                                        s.carryingIdlerForm = 2;
                                        s.carryingRollerDiameter = 108;
                                        s.carryingBearing = 1;
                                        s.carryingTiltAngle = 2;
                                    },
                                    "630",
                                    {},
                                    SelectionOutcome::completed,
                                    {{carryingIdler, "2622", 27.8}, {impactIdler, "", 0}}},
                      SelectionCase{
                          "TroughAtZeroDegreesHasNoImpactIdler",
                          [](SharedDesign& s) { troughed(s, 108, 2, 0, 0); },
                          "630",
                          {troughAngleText},
                          SelectionOutcome::completed,
                          {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "", 0}}},
                      SelectionCase{"Rollers133HaveNoTablesButTheImpactMessage",
                                    [](SharedDesign& s) { troughed(s, 133, 2, 35, 0); },
                                    "630",
                                    {noImpactText},
                                    SelectionOutcome::completed,
                                    {{carryingIdler, std::nullopt, std::nullopt},
                                     {impactIdler, "", 0},
                                     {transitionIdler10, std::nullopt, std::nullopt},
                                     {legI, std::nullopt, std::nullopt},
                                     {skirtFront, "111", std::nullopt}}},
                      SelectionCase{"SpacingOtherThan1Or1point2LeavesTheFramesUnset",
                                    [](SharedDesign& s) { s.a0 = 1.1; },
                                    "630",
                                    {},
                                    SelectionOutcome::completed,
                                    {{intermediateFrame, std::nullopt, std::nullopt},
                                     {concaveFrameR120000, std::nullopt, std::nullopt},
                                     {intermediateFrameShort, "101", std::nullopt}}},
                      SelectionCase{"Spacing1GivesTheFirstFrameCodes",
                                    [](SharedDesign& s) { s.a0 = 1; },
                                    "630",
                                    {},
                                    SelectionOutcome::completed,
                                    {{intermediateFrame, "111", 121.7},
                                     {convexFrame, "112", 121.7},
                                     {concaveFrameR80000, "113", 121.7},
                                     {concaveFrameR120000, "114", 121.7}}}),
    [](const auto& info) {
        ConveyorDesign design = baseDesign();
        info.param.change(design.shared);
        return selectionCaseName(design.shared, info.param.D);
    });

// The ladder is tried with Fh exactly on and just past each limit.
TEST(Width800DrivePulley, LimitsAreInclusiveAndTheLastLimitRaisesTheMessage) {
    // Flat 133 mm rollers raise no other message and ask no leg height.
    expectLadder(width800Rules, "03", {.form = 1, .d = 133, .a0 = 1.2, .V = 2},
                 {
                     {500, 40, "4103Y/Z", 453},
                     {500, 40.001, std::nullopt, std::nullopt},
                     {630, 50, "5103Y/Z", 521},
                     {630, 50.001, "5123Y/Z", 776},
                     {630, 80, "5123Y/Z", 776},
                     {630, 100, "5143Y/Z", 920},
                     {630, 100.5, std::nullopt, std::nullopt},
                     {800, 50, "6103Y/Z", 782},
                     {800, 80, "6123Y/Z", 887},
                     {800, 110, "6143Y/Z", 1095},
                     {800, 160, "6163Y/Z", 1253},
                     {800, 161, std::nullopt, std::nullopt},
                 });
}

TEST(Width800Legs, HeightsOnAndAroundEveryBound) {
    const std::vector<LegCase> cases{
        {89, "999.9", std::nullopt, 0, "", 0},
        {89, "1000", "1111", 16.2, "1112", 23.8},
        {89, "1000.0", "1111", 16.2, "1112", 23.8},
        {89, "1000.5", "1301", 18.5 - 199.5 / 100 * 1.14, "1302", 26.1 - 199.5 / 100 * 1.14},
        {89, "1199.99", "1301", 18.5 - (1200 - 1199.99) / 100 * 1.14, "1302",
         26.1 - (1200 - 1199.99) / 100 * 1.14},
        {89, "1200", "1211", 18.4, "1212", 28.2},
        {89, "1201", std::nullopt, 0, "", 0},
        {89, "1225", std::nullopt, 0, "", 0},
        {89, "1226", "1401", 21.9 - 299.0 / 100 * 1.14, "1402", 29.5 - 299.0 / 100 * 1.14},
        {89, "1525", "1401", 21.9, "1402", 29.5},
        {89, "1525.01", std::nullopt, 0, "", 0},
        {108, "1000", "1121", 15.9, "1122", 23.5},
        {108, "1100", "1301", 17.36, "1302", 24.96},
        {108, "1200", "1221", 18.2, "1222", 28},
        {108, "1225", std::nullopt, 0, "", 0},
        {108, "1300", "1401", 19.335, "1402", 26.935},
        {108, "1525", "1401", 21.9, "1402", 29.5},
        // Typed numbers are read by their leading number; anything else reads as 0 and is refused.
        {108, " 1 1 0 0 mm", "1301", 17.36, "1302", 24.96},
        {108, "", std::nullopt, 0, "", 0},
        {108, "abc", std::nullopt, 0, "", 0},
        {108, "-1100", std::nullopt, 0, "", 0},
    };
    for (const LegCase& c : cases) {
        expectLegs(
            runWidth(width800Rules, "03",
                     {.form = 1, .d = c.d, .bearing = 1, .a0 = 1.2, .V = 2, .D = 630}, c.answer),
            c);
    }
}

TEST(Width800Legs, PromptNamesTheHeightsOfTheRollerDiameter) {
    const std::vector<std::pair<double, std::string>> prompts{
        {89,
         "支腿底端距输送带支承面的高度有以下值可供选择：1000、1000~1200、1200、1200~1500，"
         "请输入具体值："},
        {108,
         "支腿底端距输送带支承面的高度有以下值可供选择：1000、1000~1200、1200、1225~1525，"
         "请输入具体值："},
    };
    for (const auto& [d, prompt] : prompts) {
        const WidthRun run =
            runWidth(width800Rules, "03", {.form = 1, .d = d, .bearing = 1, .D = 630}, "1000");
        ASSERT_EQ(run.dialogs.shown.size(), 1u);
        EXPECT_EQ(run.dialogs.shown[0].text, prompt);
        EXPECT_EQ(run.dialogs.shown[0].defaultText, "");
    }
}

TEST(Width800HeadChute, CodeAndLengthConstantsFollowDiameterAndSpeedLimit) {
    struct ChuteCase {
        double D, V;
        const char* code;
        double weight, base, deduction;
    };
    const std::vector<ChuteCase> cases{
        {500, 1.5, "241", 805, 1000, 804}, {500, 1.6, "242", 889, 1300, 1107},
        {630, 1.5, "251", 913, 1050, 916}, {630, 2, "252", 984, 1400, 1266},
        {800, 0.8, "261", 992, 1050, 935}, {800, 1.5000001, "262", 1043, 1400, 1285},
    };
    for (const ChuteCase& c : cases) {
        const WidthRun run =
            runWidth(width800Rules, "03", {.form = 1, .d = 133, .V = c.V, .D = c.D});
        const std::string context = std::to_string(c.D) + " " + std::to_string(c.V);
        expectSlots(run.selection, {{SlotId::headChute, c.code, c.weight}}, context);
        EXPECT_EQ(run.selection.chuteLengthBase, c.base) << context;
        EXPECT_EQ(run.selection.chuteLengthDeduction, c.deduction) << context;
    }
}

}  // namespace
}  // namespace dtii

// The 1000 mm tables: idler rows and their messages in order, the 45 degree designations shared
// by both bearings, the diameter check and load ladder on their limits, the leg heights on and
// around every bound, the head chute by speed and one whole report.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/equipment/width_tables.h"
#include "equipment_test_support.h"

namespace dtii {
namespace {

using namespace testing;
using enum SlotId;

constexpr const char* badDiameter =
    "您输入的传动滚筒直径不合适，推荐选用直径：630,800,1000。请重新输入！";

constexpr SelectionInputs base1000{.form = 3,
                                   .d = 108,
                                   .bearing = 2,
                                   .trough = 35,
                                   .tilt = 0,
                                   .a0 = 1.2,
                                   .V = 2,
                                   .D = 800,
                                   .Fh = 60};

SelectionInputs with(auto change) {
    SelectionInputs inputs = base1000;
    change(inputs);
    return inputs;
}

struct SelectionCase {
    const char* name;
    SelectionInputs inputs;
    std::vector<std::string> messages;
    bool stopped;
    std::vector<SlotExpectation> slots;
};

TEST(Width1000Selection, MessagesInOrderAndTheSlotsEachRowFills) {
    const std::vector<SelectionCase> cases{
        {"108 mm trough set on bearing 2",
         base1000,
         {},
         false,
         {{carryingIdler, "0122", 37.6},
          {impactIdler, "0723", 49.4},
          {transitionIdler10, "0422", 37.1},
          {transitionIdler20, "0522", 37.3},
          {transitionIdler30, "0622", 37.4},
          {drivePulley, "6123Y/Z", 964},
          {headCleaner, std::nullopt, 72.9},
          {emptySectionCleaner, std::nullopt, 24},
          {intermediateFrame, "121", 147.8},
          {convexFrame, "122", 147.8},
          {concaveFrameR80000, "123", 147.8},
          {concaveFrameR120000, "124", 147.8},
          {skirtFront, std::nullopt, 175.2},
          {skirtMiddle, std::nullopt, 169.4},
          {skirtRear, std::nullopt, 193.1},
          {headChute, "262", 1464}}},
        {"tilted 108 mm set on bearing 3",
         with([](SelectionInputs& i) {
             i.bearing = 3;
             i.tilt = 1.5;
         }),
         {},
         false,
         {{carryingIdler, "0323", 38.7},
          {transitionIdler10, "0423", 38.2},
          {transitionIdler30, "0623", 38.5}}},
        {"45 degrees on bearing 2 takes the bearing-3 designation",
         with([](SelectionInputs& i) { i.trough = 45; }),
         {},
         false,
         {{carryingIdler, "0223", 41.6}, {impactIdler, "0823", 52.9}}},
        {"133 mm tilted set on bearing 2 weighs more than the untilted one",
         with([](SelectionInputs& i) {
             i.d = 133;
             i.tilt = 1.5;
         }),
         {},
         false,
         {{carryingIdler, "0332", 43.9},
          {impactIdler, "0734", 61.1},
          {transitionIdler20, "0532", 43.6},
          {skirtFront, std::nullopt, 175.9},
          {skirtMiddle, std::nullopt, 170.1},
          {skirtRear, std::nullopt, 193.8}}},
        {"133 mm at 45 degrees on bearing 2 takes the bearing-3 designation",
         with([](SelectionInputs& i) {
             i.d = 133;
             i.trough = 45;
         }),
         {},
         false,
         {{carryingIdler, "0233", 48.2}, {impactIdler, "0834", 65.3}}},
        {"bearing 1 on 108 mm: no carrying idler, the smaller-roller transition message",
         with([](SelectionInputs& i) {
             i.bearing = 1;
             i.trough = 45;
         }),
         {noTransitionSmallText},
         false,
         {{carryingIdler, std::nullopt, std::nullopt},
          {impactIdler, "0823", 52.9},
          {transitionIdler10, std::nullopt, std::nullopt},
          {transitionIdler30, std::nullopt, std::nullopt}}},
        {"bearing 4 on 133 mm: the larger-roller transition message",
         with([](SelectionInputs& i) {
             i.d = 133;
             i.bearing = 4;
         }),
         {noTransitionLargeText},
         false,
         {{carryingIdler, std::nullopt, std::nullopt},
          {transitionIdler20, std::nullopt, std::nullopt}}},
        {"40 degrees: trough, then impact message",
         with([](SelectionInputs& i) { i.trough = 40; }),
         {troughAngleText, noImpactText},
         false,
         {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "", 0}}},
        {"0 degrees: trough message only",
         with([](SelectionInputs& i) { i.trough = 0; }),
         {troughAngleText},
         false,
         {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "", 0}}},
        {"89 mm rollers: only the impact message, no legs, no skirt weights",
         with([](SelectionInputs& i) {
             i.d = 89;
             i.bearing = 1;
         }),
         {noImpactText},
         false,
         {{carryingIdler, std::nullopt, std::nullopt},
          {impactIdler, "", 0},
          {transitionIdler10, std::nullopt, std::nullopt},
          {legI, std::nullopt, std::nullopt},
          {legII, std::nullopt, std::nullopt},
          {skirtFront, std::nullopt, std::nullopt},
          {drivePulley, "6123Y/Z", 964}}},
        {"V sets",
         with([](SelectionInputs& i) {
             i.form = 2;
             i.d = 133;
             i.bearing = 3;
             i.tilt = 1.5;
         }),
         {},
         false,
         {{carryingIdler, "2633", 43.6}, {impactIdler, "", 0}, {transitionIdler10, "0433", 44.5}}},
        {"V set on an unlisted bearing: unset without a message of its own",
         with([](SelectionInputs& i) {
             i.form = 2;
             i.bearing = 5;
         }),
         {noTransitionSmallText},
         false,
         {{carryingIdler, std::nullopt, std::nullopt}}},
        {"flat sets ignore the bearing",
         with([](SelectionInputs& i) {
             i.form = 1;
             i.d = 133;
             i.bearing = 3;
         }),
         {},
         false,
         {{carryingIdler, "1433", 37.2}, {impactIdler, "", 0}}},
        {"other spacing leaves the frames unset",
         with([](SelectionInputs& i) { i.a0 = 1.5; }),
         {},
         false,
         {{intermediateFrame, std::nullopt, std::nullopt},
          {concaveFrameR120000, std::nullopt, std::nullopt}}},
        {"wrong diameter stops after the idler messages",
         with([](SelectionInputs& i) {
             i.d = 108;
             i.bearing = 1;
             i.trough = 40;
             i.D = 500;
         }),
         {noImpactText, noTransitionSmallText, badDiameter},
         true,
         {}},
    };
    for (const SelectionCase& c : cases) {
        const WidthRun run = runWidth(width1000Rules, "04", c.inputs, "1200");
        EXPECT_EQ(run.result.stopped, c.stopped) << c.name;
        EXPECT_EQ(run.result.focusBox, 0) << c.name << ": 1000 mm stops never move the focus";
        EXPECT_EQ(run.selection.widthCode, "04") << c.name;
        EXPECT_EQ(run.dialogs.messageTexts(), c.messages) << c.name;
        expectSlots(run.selection, c.slots, c.name);
    }
}

TEST(Width1000DrivePulley, LimitsAreInclusiveAndTheLastLimitRaisesTheMessage) {
    // Flat 89 mm rollers raise no other message and ask no leg height.
    expectLadder(width1000Rules, "04", {.form = 1, .d = 89, .a0 = 1.2, .V = 2},
                 {
                     {630, 0, "5103Y/Z", 585},
                     {630, 40, "5103Y/Z", 585},
                     {630, 40.001, "5123Y/Z", 857},
                     {630, 73, "5123Y/Z", 857},
                     {630, 74, std::nullopt, std::nullopt},
                     {800, 73, "6123Y/Z", 964},
                     {800, 110, "6143Y/Z", 1168},
                     {800, 160, "6163Y/Z", 1376},
                     {800, 190, "6183Y/Z", 1691},
                     {800, 190.001, std::nullopt, std::nullopt},
                     {1000, 80, "7123Y/Z", 1162},
                     {1000, 110, "7143Y/Z", 1408},
                     {1000, 170, "7163Y/Z", 1617},
                     {1000, 210, "7183Y/Z", 1928},
                     {1000, 330, "7203Y/Z", 2585},
                     {1000, 330.5, std::nullopt, std::nullopt},
                 });
}

TEST(Width1000Legs, HeightsOnAndAroundEveryBound) {
    const std::vector<LegCase> cases{
        // 108 mm rollers
        {108, "1199", std::nullopt, 0, "", 0},
        {108, "1200", "1121", 24.4, "1122", 38.8},
        {108, "1200.0", "1121", 24.4, "1122", 38.8},
        {108, "1201", "1301", 28.6 - 299.0 / 100 * 1.38, "1302", 43 - 299.0 / 100 * 1.38},
        {108, "1400", "1301", 27.22, "1302", 41.62},
        {108, "1499.9", "1301", 28.6 - 0.1 / 100 * 1.38, "1302", 43 - 0.1 / 100 * 1.38},
        {108, "1500", "1221", 28.5, "1222", 47.5},
        {108, "1501", "1401", 33.3 - 349.0 / 100 * 1.38, "1402", 52.2 - 349.0 / 100 * 1.38},
        {108, "1850", "1401", 33.3, "1402", 52.2},
        {108, "1851", std::nullopt, 0, "", 0},
        {108, "1875", std::nullopt, 0, "", 0},
        // 133 mm rollers: the ranges start at 1225 and 1525, both included
        {133, "1200", "1131", 24, "1132", 38.5},
        {133, "1210", std::nullopt, 0, "", 0},
        {133, "1224.9", std::nullopt, 0, "", 0},
        {133, "1225", "1301", 24.46, "1302", 38.86},
        {133, "1499", "1301", 28.6 - 26.0 / 100 * 1.38, "1302", 43 - 26.0 / 100 * 1.38},
        {133, "1500", "1231", 28.2, "1232", 47.1},
        {133, "1510", "1301", 28.393, "1302", 42.793},
        {133, "1525", "1401", 28.47, "1402", 47.37},
        {133, "1555", "1401", 33.3 - 320.0 / 100 * 1.38, "1402", 52.2 - 320.0 / 100 * 1.38},
        {133, "1850", "1401", 33.3 - 25.0 / 100 * 1.38, "1402", 52.2 - 25.0 / 100 * 1.38},
        {133, "1875", "1401", 33.3, "1402", 52.2},
        {133, "1875.01", std::nullopt, 0, "", 0},
        {133, "1905", std::nullopt, 0, "", 0},
        {133, "", std::nullopt, 0, "", 0},
    };
    const std::vector<std::pair<double, std::string>> prompts{
        {108,
         "支腿底端距输送带支承面的高度有以下值可供选择：1200、1200~1500、1500、1500~1850，"
         "请输入具体值："},
        {133,
         "支腿底端距输送带支承面的高度有以下值可供选择：1200、1225~1525、1500、1525~1875，"
         "请输入具体值："},
    };
    for (const LegCase& c : cases) {
        const WidthRun run = runWidth(
            width1000Rules, "04",
            {.form = 1, .d = c.d, .bearing = 2, .a0 = 1.2, .V = 2, .D = 800, .Fh = 60}, c.answer);
        expectLegs(run, c);
        EXPECT_EQ(run.dialogs.shown[0].text, (c.d == 108 ? prompts[0] : prompts[1]).second);
    }
}

TEST(Width1000HeadChute, CodeAndLengthConstantsFollowDiameterAndSpeedLimit) {
    struct ChuteCase {
        double D, V;
        const char* code;
        double weight, base, deduction;
    };
    const std::vector<ChuteCase> cases{
        {630, 1.5, "251", 1140, 1050, 880},   {630, 1.51, "252", 1272, 1400, 1230},
        {800, 1, "261", 1356, 1100, 960},     {800, 1.5000001, "262", 1464, 1400, 1260},
        {1000, 1.5, "271", 1380, 1150, 1260}, {1000, 2, "272", 1536, 1500, 1610},
    };
    for (const ChuteCase& c : cases) {
        const WidthRun run =
            runWidth(width1000Rules, "04", {.form = 1, .d = 89, .V = c.V, .D = c.D});
        const std::string context = std::to_string(c.D) + " " + std::to_string(c.V);
        expectSlots(run.selection, {{headChute, c.code, c.weight}}, context);
        EXPECT_EQ(run.selection.chuteLengthBase, c.base) << context;
        EXPECT_EQ(run.selection.chuteLengthDeduction, c.deduction) << context;
    }
}

TEST(Width1000Report, WholeReportOfOneDesign) {
    ConveyorDesign design = baseDesign(1000);
    SharedDesign& s = design.shared;
    s.a0 = 1;
    s.carryingRollerDiameter = 133;
    s.carryingBearing = 3;
    s.carryingTroughAngle = 45;
    s.carryingTiltAngle = 1.5;  // Fh = 60.500825 kN
    const ConfirmedWindow run = confirmWindow(design, filledWindow("1000"), {"1510"});
    ASSERT_EQ(run.result.outcome, SelectionOutcome::completed);
    EXPECT_TRUE(run.dialogs.messageTexts().empty());
    expectReportLines(run.result.reportText, baseReportOpening("1000"),
                      {
                          "三.设备列表（名称/型号/单重(kg)）",
                          "  1.传动滚筒         DTⅡ04A7123Y/Z      1162",
                          "  2.过渡托辊10度     DTⅡ04C0433         44.5",
                          "  3.过渡托辊20度     DTⅡ04C0533         44.7",
                          "  4.过渡托辊30度     DTⅡ04C0633         44.8",
                          "  5.缓冲托辊         DTⅡ04C0834         65.3",
                          "  6.上托辊           DTⅡ04C0233         48.2",
                          "  7.上调心托辊       DTⅡ04C      0",
                          "  8.尾部改向滚筒     DTⅡ04B      0",
                          "  9.下托辊           DTⅡ04C      0",
                          "  10.下调心托辊      DTⅡ04C      0",
                          "  11.头部清扫器      DTⅡ04E1      72.9",
                          "  12.空段清扫器      DTⅡ04E2      24",
                          "  13.拉紧装置        DTⅡ04D      0",
                          "  14.增面轮          DTⅡ04B      0",
                          "",
                          "四.结构件清单",
                          "  1.头部支架                              DTⅡ04J01         0",
                          "  2.头部漏斗L= 695                        DTⅡ04J22272      1536",
                          "  3.中间架L6000                           DTⅡ04J07111      147.8",
                          "  4.中间架L3000~6000                      DTⅡ04J07101      0",
                          "  5.凸弧段中间架L6000                     DTⅡ04J07112      147.8",
                          "  6.凸弧段中间架L3000~6000                DTⅡ04J07102      0",
                          "  7.凹弧段中间架（R80000）L6000           DTⅡ04J07113      147.8",
                          "  8.凹弧段中间架（R120000）L6000          DTⅡ04J07114      147.8",
                          "  9.凹弧段中间架（R80000）L3000~6000      DTⅡ04J07103      0",
                          "  10.凹弧段中间架（R120000）L3000~6000    DTⅡ04J07104      0",
                          "  11.落料段中间架                         DTⅡ04J07105      0",
                          "  12.支腿Ⅰ                               DTⅡ04J081301      28.393",
                          "  13.支腿Ⅱ                               DTⅡ04J081302      42.793",
                          "  14.拉紧装置架                           DTⅡ",
                          "  16.导料槽前段                           DTⅡ04J21111      175.9",
                          "  17.导料槽中段                           DTⅡ04J21121      170.1",
                          "  18.导料槽后段                           DTⅡ04J21131      193.8",
                      });
}

}  // namespace
}  // namespace dtii

// The 1400 mm tables: only 4G305 and 4G306 bearings, weights that differ by tilt and by bearing,
// drive pulleys of 800 and 1000 mm with the message that names 800 and 1200, legs with two slopes,
// the head chute and one whole report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/equipment/width_tables.h"
#include "core/report/report_text.h"
#include "equipment_test_support.h"

namespace dtii {
namespace {

using namespace testing;
using enum SlotId;

constexpr const char* badDiameter =
    "您输入的传动滚筒直径不合适，推荐选用直径：800,1200。请重新输入！";

TEST(Width1400Idlers, MessagesInOrderAndTheSlotsTheyLeave) {
    expectIdlerCases(
        width1400Rules, "06",
        {
            {"level and tilted 108 mm sets differ by a tenth",
             carrying(3, 108, 3, 35, 0, 800),
             {},
             {{carryingIdler, "0123", 56.6},
              {impactIdler, "0711", 76.1},
              {transitionIdler10, "0423", 55.0},
              {transitionIdler20, "0523", 56.1}}},
            {"tilted 108 mm set",
             carrying(3, 108, 3, 35, 2, 800),
             {},
             {{carryingIdler, "0323", 56.5}}},
            {"tilted 133 mm set on 4G305 is heavier than the level one",
             carrying(3, 133, 3, 35, 1.5, 800),
             {},
             {{carryingIdler, "0333", 73.9}, {impactIdler, "0711", 96.2}}},
            {"0234 on 4G305", carrying(3, 133, 3, 45, 0, 800), {}, {{carryingIdler, "0234", 82.6}}},
            {"0234 on 4G306",
             carrying(3, 133, 4, 45, 0, 800),
             {},
             {{carryingIdler, "0234", 82.4},
              {impactIdler, "0834", 101.2},
              {transitionIdler30, "0634", 78.0}}},
            {"159 mm impact set on 4G306",
             carrying(3, 159, 4, 35, 0, 800),
             {},
             {{carryingIdler, "0144", 86.9},
              {impactIdler, "0711", 111.1},
              {transitionIdler10, "0444", 82.3},
              {transitionIdler20, "0544", 86.4},
              {transitionIdler30, "0644", 86.5}}},
            {"159 mm impact set on 4G305",
             carrying(3, 159, 3, 45, 0, 800),
             {},
             {{carryingIdler, "0244", 90.9}, {impactIdler, "0844", 112.9}}},
            {"4G205 on 133 mm: no carrying set, no trough message, transitions say 合适",
             carrying(3, 133, 2, 40, 0, 800),
             {noImpactText, noTransitionLargeText},
             {{carryingIdler, std::nullopt, std::nullopt},
              {impactIdler, "", 0},
              {transitionIdler10, std::nullopt, std::nullopt}}},
            {"4G205 on 108 mm: transitions say 适合",
             carrying(3, 108, 2, 35, 0, 800),
             {noTransitionSmallText},
             {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "0711", 76.1}}},
            {"off-standard trough angle on a listed bearing",
             carrying(3, 159, 4, 30, 0, 800),
             {troughAngleText, noImpactText},
             {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "", 0}}},
            {"tilted V set on 159 mm",
             carrying(2, 159, 4, 0, 1.5, 800),
             {},
             {{carryingIdler, "2644", 74.8}}},
            {"level V set on 108 mm",
             carrying(2, 108, 4, 0, 0, 800),
             {},
             {{carryingIdler, "2524", 57.6}}},
            {"flat set ignores the bearing",
             carrying(1, 108, 1, 35, 0, 800),
             {noTransitionSmallText},
             {{carryingIdler, "1423", 52.7},
              {impactIdler, "", 0},
              {intermediateFrame, "121", 177.9},
              {concaveFrameR120000, "124", 177.9},
              {skirtFront, std::nullopt, 216.7},
              {skirtRear, std::nullopt, 242.7}}},
            {"194 mm rollers are unknown here",
             carrying(1, 194, 3, 0, 0, 800),
             {},
             {{carryingIdler, std::nullopt, std::nullopt},
              {legI, std::nullopt, std::nullopt},
              {skirtMiddle, std::nullopt, std::nullopt}}},
        });
}

// The message recommends 1200, which is itself refused; 1000 is accepted without being named.
TEST(Width1400DrivePulley, OnlyDiameters800And1000AreAccepted) {
    for (const double D : {1200.0, 630.0, 500.0, 0.0}) {
        const WidthRun run = runWidth(width1400Rules, "06", carrying(1, 108, 3, 0, 0, D));
        EXPECT_TRUE(run.result.stopped) << D;
        ASSERT_EQ(run.dialogs.shown.size(), 1u) << "no leg box after the stop";
        EXPECT_EQ(run.dialogs.shown[0].text, badDiameter);
        EXPECT_EQ(run.dialogs.shown[0].caption, equipmentMessageCaption);
    }
    for (const double D : {800.0, 1000.0}) {
        const WidthRun run = runWidth(width1400Rules, "06", carrying(1, 108, 3, 0, 0, D), "1200");
        EXPECT_FALSE(run.result.stopped) << D;
        EXPECT_TRUE(run.dialogs.messageTexts().empty()) << D;
    }
}

TEST(Width1400DrivePulley, LimitsAreInclusiveUpTo7223) {
    expectLadder(width1400Rules, "06", carrying(1, 108, 3, 0, 0, 0),
                 {
                     {800, 100, "6143Y/Z", 1417},
                     {800, 100.01, "6163Y/Z", 1530},
                     {800, 170, "6183Y/Z", 2004},
                     {800, 210, "6203Y/Z", 2553},
                     {800, 210.01, std::nullopt, {}},
                     {1000, 100, "7143Y/Z", 1720},
                     {1000, 160, "7163Y/Z", 1919},
                     {1000, 260, "7203Y/Z", 2994},
                     {1000, 300, "7223Y/Z", 3456},
                     {1000, 300.5, std::nullopt, std::nullopt},
                 });
}

// The 108 mm range below 1500 falls by 1.38 kg per 100 mm, every other range by 1.93; the 159 mm
// range includes 1255 here.
TEST(Width1400Legs, HeightsOnAndAroundEveryBoundWithBothSlopes) {
    const std::vector<LegCase> cases{
        {108, "1200", "1121", 31.5, "1122", 44.3},
        {108, "1400", "1301", 36.02, "1302", 48.82},
        {108, "1500", "1221", 37.3, "1222", 54.6},
        {108, "1501", "1401", 37.4643, "1402", 54.2643},
        {108, "1850", "1401", 44.2, "1402", 61},
        {108, "1851", std::nullopt, 0, "", 0},
        {133, "1200", "1131", 31, "1132", 42.8},
        {133, "1224", std::nullopt, 0, "", 0},
        {133, "1225", "1301", 31.61, "1302", 44.41},
        {133, "1400", "1301", 34.9875, "1302", 47.7875},
        {133, "1500", "1231", 36.7, "1232", 54.1},
        {133, "1525", "1401", 37.445, "1402", 54.245},
        {133, "1875", "1401", 44.2, "1402", 61},
        {133, "1875.1", std::nullopt, 0, "", 0},
        {159, "1200", "1141", 30.4, "1142", 43.2},
        {159, "1254.9", std::nullopt, 0, "", 0},
        {159, "1255", "1301", 31.61, "1302", 44.41},
        {159, "1500", "1241", 36.4, "1242", 53.5},
        {159, "1555", "1401", 37.445, "1402", 54.245},
        {159, "1905", "1401", 44.2, "1402", 61},
        {159, "1906", std::nullopt, 0, "", 0},
    };
    for (const LegCase& c : cases) {
        expectLegs(runWidth(width1400Rules, "06", carrying(1, c.d, 4, 0, 0, 1000), c.answer), c);
    }
}

TEST(Width1400HeadChute, CodeAndLengthFollowDiameterAndSpeed) {
    struct ChuteCase {
        double D, V;
        const char* code;
        double weight, length;  // [kg], [mm]
    };
    const std::vector<ChuteCase> cases{
        {800, 1.5, "261", 1575, 623.5},
        {800, 1.6, "262", 1748, 773},
        {1000, 1.5, "271", 1635, 516},
        {1000, 2, "272", 1891, 690},
    };
    for (const ChuteCase& c : cases) {
        SelectionInputs inputs = carrying(1, 108, 3, 0, 0, c.D);
        inputs.V = c.V;
        const WidthRun run = runWidth(width1400Rules, "06", inputs, "1200");
        EXPECT_EQ(run.selection[headChute], (Slot{c.code, c.weight})) << c.D << " " << c.V;
        EXPECT_EQ(headChuteLength(run.selection), c.length) << c.D << " " << c.V;
    }
}

TEST(Width1400Report, WholeReportForA159mmBeltAt45Degrees) {
    ConveyorDesign design = baseDesign(1400);
    SharedDesign& s = design.shared;
    s.V = 1.5;
    s.a0 = 1;
    s.carryingRollerDiameter = 159;
    s.carryingBearing = 4;  // 4G306
    s.carryingTroughAngle = 45;
    s.carryingTiltAngle = 0;
    const ConfirmedWindow run = confirmWindow(design, filledWindow("1000"), {"1600"});
    ASSERT_EQ(run.result.outcome, SelectionOutcome::completed);
    EXPECT_TRUE(run.dialogs.messageTexts().empty());
    expectReportLines(run.result.reportText, baseReportOpening("1400", "1.5"),
                      {
                          "三.设备列表（名称/型号/单重(kg)）",
                          "  1.传动滚筒         DTⅡ06A7143Y/Z      1720",
                          "  2.过渡托辊10度     DTⅡ06C0444         82.3",
                          "  3.过渡托辊20度     DTⅡ06C0544         86.4",
                          "  4.过渡托辊30度     DTⅡ06C0644         86.5",
                          "  5.缓冲托辊         DTⅡ06C0846         121.4",
                          "  6.上托辊           DTⅡ06C0244         90.9",
                          "  7.上调心托辊       DTⅡ06C      0",
                          "  8.尾部改向滚筒     DTⅡ06B      0",
                          "  9.下托辊           DTⅡ06C      0",
                          "  10.下调心托辊      DTⅡ06C      0",
                          "  11.头部清扫器      DTⅡ06E1      82.6",
                          "  12.空段清扫器      DTⅡ06E2      30.9",
                          "  13.拉紧装置        DTⅡ06D      0",
                          "  14.增面轮          DTⅡ06B      0",
                          "",
                          "四.结构件清单",
                          "  1.头部支架                              DTⅡ06J01         0",
                          "  2.头部漏斗L= 516                        DTⅡ06J22271      1635",
                          "  3.中间架L6000                           DTⅡ06J07111      177.9",
                          "  4.中间架L3000~6000                      DTⅡ06J07101      0",
                          "  5.凸弧段中间架L6000                     DTⅡ06J07112      177.9",
                          "  6.凸弧段中间架L3000~6000                DTⅡ06J07102      0",
                          "  7.凹弧段中间架（R80000）L6000           DTⅡ06J07113      177.9",
                          "  8.凹弧段中间架（R120000）L6000          DTⅡ06J07114      177.9",
                          "  9.凹弧段中间架（R80000）L3000~6000      DTⅡ06J07103      0",
                          "  10.凹弧段中间架（R120000）L3000~6000    DTⅡ06J07104      0",
                          "  11.落料段中间架                         DTⅡ06J07105      0",
                          "  12.支腿Ⅰ                               DTⅡ06J081401      38.3135",
                          "  13.支腿Ⅱ                               DTⅡ06J081402      55.1135",
                          "  14.拉紧装置架                           DTⅡ",
                          "  16.导料槽前段                           DTⅡ06J21111      217.3",
                          "  17.导料槽中段                           DTⅡ06J21121      208.2",
                          "  18.导料槽后段                           DTⅡ06J21131      243.3",
                      });
}

}  // namespace
}  // namespace dtii

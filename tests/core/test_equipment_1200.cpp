// The 1200 mm tables: idler choices with their messages in order, the diameter stop at the foot of
// the drive-pulley ladder, the ladder limits, legs on and around every bound, the head chute and
// one whole report.
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
    "您输入的传动滚筒直径不合适，推荐选用直径：630,800,1000。请重新输入！";

SelectionInputs withSpacing(SelectionInputs inputs, double a0) {
    inputs.a0 = a0;
    return inputs;
}

TEST(Width1200Idlers, MessagesInOrderAndTheSlotsTheyLeave) {
    expectIdlerCases(
        width1200Rules, "05",
        {
            {"level trough set",
             carrying(3, 108, 2, 35, 0, 800),
             {},
             {{carryingIdler, "0122", 50.1},
              {impactIdler, "0723", 66.4},
              {transitionIdler10, "0422", 49.7},
              {transitionIdler30, "0622", 49.9}}},
            {"tilted trough set keeps the weight",
             carrying(3, 108, 2, 35, 1.5, 800),
             {},
             {{carryingIdler, "0322", 50.1}}},
            {"45 degrees on 108 mm is one code for every bearing",
             carrying(3, 108, 4, 45, 1.5, 800),
             {},
             {{carryingIdler, "0223", 54.6},
              {impactIdler, "0823", 70.4},
              {transitionIdler10, "0424", 54.8},
              {transitionIdler20, "0524", 54.8},
              {transitionIdler30, "0624", 54.9}}},
            {"159 mm impact set on 4G306 is the heavy one",
             carrying(3, 159, 4, 35, 0, 800),
             {},
             {{carryingIdler, "0144", 71.6}, {impactIdler, "0711", 99.6}}},
            {"159 mm impact set on 4G305 has the same code and less weight",
             carrying(3, 159, 3, 35, 1, 800),
             {},
             {{carryingIdler, "0343", 66.4}, {impactIdler, "0711", 88.5}}},
            {"159 mm 45 degree impact set on 4G306",
             carrying(3, 159, 4, 45, 0, 800),
             {},
             {{carryingIdler, "0244", 75.3}, {impactIdler, "0846", 104.9}}},
            {"159 mm 45 degree impact set on 4G205",
             carrying(3, 159, 2, 45, 0, 800),
             {},
             {{impactIdler, "0844", 93.3}, {transitionIdler20, "0542", 64.6}}},
            {"off-standard trough angle warns twice and still sets the transitions",
             carrying(3, 133, 3, 40, 0, 800),
             {troughAngleText, noImpactText},
             {{carryingIdler, std::nullopt, std::nullopt},
              {impactIdler, "", 0},
              {transitionIdler10, "0433", 58.3}}},
            {"level trough at 0 degrees has no impact set and no impact message",
             carrying(3, 108, 2, 0, 0, 800),
             {troughAngleText},
             {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "", 0}}},
            {"4G204 has no carrying set, and 108 mm transitions say 适合",
             carrying(3, 108, 1, 35, 0, 800),
             {noTransitionSmallText},
             {{carryingIdler, std::nullopt, std::nullopt},
              {impactIdler, "0723", 66.4},
              {transitionIdler10, std::nullopt, std::nullopt},
              {transitionIdler30, std::nullopt, std::nullopt}}},
            {"310KA on 159 mm transitions say 合适",
             carrying(3, 159, 5, 35, 0, 800),
             {noTransitionLargeText},
             {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "0711", 88.5}}},
            {"89 mm rollers are unknown here",
             carrying(3, 89, 1, 35, 0, 800),
             {noImpactText},
             {{carryingIdler, std::nullopt, std::nullopt},
              {impactIdler, "", 0},
              {transitionIdler10, std::nullopt, std::nullopt},
              {legI, std::nullopt, std::nullopt},
              {skirtFront, std::nullopt, std::nullopt}}},
            {"level V set on 133 mm",
             carrying(2, 133, 2, 35, 0, 800),
             {},
             {{carryingIdler, "2532", 53.6}, {impactIdler, "", 0}}},
            {"tilted V set on 133 mm is lighter",
             carrying(2, 133, 2, 35, 1.5, 800),
             {},
             {{carryingIdler, "2632", 51.6}}},
            {"V set on 108 mm with 4G306 takes the 4G305 code",
             carrying(2, 108, 4, 0, 2, 800),
             {},
             {{carryingIdler, "2623", 47.4}}},
            {"V set on 4G204 is unset without a message",
             carrying(2, 108, 1, 0, 0, 800),
             {noTransitionSmallText},
             {{carryingIdler, std::nullopt, std::nullopt}}},
            {"flat set ignores the bearing",
             carrying(1, 133, 5, 0, 0, 800),
             {noTransitionLargeText},
             {{carryingIdler, "1433", 52.1},
              {impactIdler, "", 0},
              {skirtFront, std::nullopt, 195.1},
              {skirtMiddle, std::nullopt, 187.7},
              {skirtRear, std::nullopt, 217.1}}},
            {"spacing 1 gives the first frame codes",
             withSpacing(carrying(1, 159, 3, 0, 0, 800), 1),
             {},
             {{intermediateFrame, "111", 147.8},
              {convexFrame, "112", 147.8},
              {concaveFrameR80000, "113", 147.8},
              {concaveFrameR120000, "114", 147.8}}},
            {"spacing 1.1 leaves the frames unset",
             withSpacing(carrying(1, 159, 3, 0, 0, 800), 1.1),
             {},
             {{intermediateFrame, std::nullopt, std::nullopt},
              {concaveFrameR120000, std::nullopt, std::nullopt}}},
        });
}

TEST(Width1200DrivePulley, AnUnlistedDiameterStopsAfterTheIdlerMessages) {
    for (const double D : {710.0, 0.0, 500.0, 1200.0}) {
        const WidthRun run = runWidth(width1200Rules, "05", carrying(3, 108, 2, 40, 0, D));
        EXPECT_TRUE(run.result.stopped) << D;
        EXPECT_EQ(run.result.focusBox, 0) << D;
        EXPECT_EQ(run.dialogs.messageTexts(),
                  (std::vector<std::string>{troughAngleText, noImpactText, badDiameter}))
            << D;
        EXPECT_EQ(run.dialogs.shown.back().caption, equipmentMessageCaption);
        EXPECT_FALSE(run.selection[intermediateFrame].code.has_value()) << "no stage after it";
    }
}

TEST(Width1200DrivePulley, LimitsAreInclusiveUpTo7223) {
    expectLadder(width1200Rules, "05", carrying(1, 108, 2, 0, 0, 0),
                 {
                     {630, 52, "5123Y/Z", 967},
                     {630, 52.01, "5143Y/Z", 1156},
                     {630, 85, "5143Y/Z", 1156},
                     {630, 85.01, std::nullopt, std::nullopt},
                     {800, 80, "6123Y/Z", 1059},
                     {800, 140, "6163Y/Z", 1520},
                     {800, 180, "6183Y/Z", 1928},
                     {800, 230, "6203Y/Z", 2393},
                     {800, 230.01, std::nullopt, {}},
                     {1000, 0, "7123Y/Z", 1307},
                     {1000, 210, "7183Y/Z", 2173},
                     {1000, 210.5, "7203Y/Z", 2813},
                     {1000, 330, "7223Y/Z", 3234},
                     {1000, 330.01, std::nullopt, std::nullopt},
                 });
}

TEST(Width1200Legs, HeightsOnAndAroundEveryBound) {
    const std::vector<LegCase> cases{
        {108, "1199.99", std::nullopt, 0, "", 0},
        {108, "1200", "1121", 25.3, "1122", 38.6},
        {108, "1350", "1301", 27.43, "1302", 40.63},
        {108, "1499", "1301", 29.4862, "1302", 42.6862},
        {108, "1500", "1221", 29.5, "1222", 47.3},
        {108, "1501", "1401", 29.4838, "1402", 47.2838},
        {108, "1850", "1401", 34.3, "1402", 52.1},
        {108, "1850.5", std::nullopt, 0, "", 0},
        {133, "1200", "1131", 25, "1132", 38.2},
        {133, "1224", std::nullopt, 0, "", 0},
        {133, "1225", "1301", 25.36, "1302", 38.56},
        {133, "1300", "1301", 26.395, "1302", 39.595},
        {133, "1500", "1231", 29.1, "1232", 46.9},
        {133, "1524", "1301", 29.4862, "1302", 42.6862},
        {133, "1525", "1401", 29.47, "1402", 47.27},
        {133, "1875", "1401", 34.3, "1402", 52.1},
        {133, "1876", std::nullopt, 0, "", 0},
        {159, "1200", "1141", 24.5, "1142", 37.8},
        {159, "1255", std::nullopt, 0, "", 0},
        {159, "1256", "1301", 25.3738, "1302", 38.5738},
        {159, "1500", "1241", 28.7, "1242", 47.5},
        {159, "1554", "1301", 29.4862, "1302", 42.6862},
        {159, "1555", "1401", 29.47, "1402", 47.27},
        {159, "1905", "1401", 34.3, "1402", 52.1},
        {159, "1905.5", std::nullopt, 0, "", 0},
    };
    for (const LegCase& c : cases) {
        expectLegs(runWidth(width1200Rules, "05", carrying(1, c.d, 3, 0, 0, 800), c.answer), c);
    }
}

TEST(Width1200Legs, ThePromptListsTheHeightsOfTheRollerDiameter) {
    const std::vector<std::pair<double, std::string>> prompts{
        {108,
         "支腿底端距输送带支承面的高度有以下值可供选择：1200、1200~1500、1500、1500~1850，"
         "请输入具体值："},
        {133,
         "支腿底端距输送带支承面的高度有以下值可供选择：1200、1225~1525、1500、1525~1875，"
         "请输入具体值："},
        {159,
         "支腿底端距输送带支承面的高度有以下值可供选择：1200、1255~1555、1500、1555~1905，"
         "请输入具体值："},
    };
    for (const auto& [d, prompt] : prompts) {
        const WidthRun run = runWidth(width1200Rules, "05", carrying(1, d, 3, 0, 0, 800), "1200");
        ASSERT_EQ(run.dialogs.shown.size(), 1u) << d;
        EXPECT_EQ(run.dialogs.shown[0].kind, ShownBox::Kind::input);
        EXPECT_EQ(run.dialogs.shown[0].text, prompt);
        EXPECT_EQ(run.dialogs.shown[0].caption, inputCaption);
    }
}

TEST(Width1200HeadChute, CodeAndLengthFollowDiameterAndSpeed) {
    struct ChuteCase {
        double D, V;
        const char* code;
        double weight, length;  // [kg], [mm]
    };
    const std::vector<ChuteCase> cases{
        {630, 1.5, "251", 1334, 637.5}, {630, 1.500001, "252", 1432, 787},
        {800, 1, "261", 1484, 625},     {800, 2, "262", 1612, 776},
        {1000, 1.5, "271", 1512, 514},  {1000, 3, "272", 1660, 689},
    };
    for (const ChuteCase& c : cases) {
        SelectionInputs inputs = carrying(1, 108, 2, 0, 0, c.D);
        inputs.V = c.V;
        const WidthRun run = runWidth(width1200Rules, "05", inputs, "1200");
        EXPECT_EQ(run.selection[headChute], (Slot{c.code, c.weight})) << c.D << " " << c.V;
        EXPECT_EQ(headChuteLength(run.selection), c.length) << c.D << " " << c.V;
    }
}

TEST(Width1200Report, WholeReportForA133mmTroughedBelt) {
    ConveyorDesign design = baseDesign(1200);
    design.shared.carryingRollerDiameter = 133;
    design.shared.carryingBearing = 3;  // 4G305
    const ConfirmedWindow run = confirmWindow(design, filledWindow("800"), {"1300"});
    ASSERT_EQ(run.result.outcome, SelectionOutcome::completed);
    EXPECT_TRUE(run.dialogs.messageTexts().empty());
    expectReportLines(run.result.reportText, baseReportOpening("1200"),
                      {
                          "三.设备列表（名称/型号/单重(kg)）",
                          "  1.传动滚筒         DTⅡ05A6123Y/Z      1059",
                          "  2.过渡托辊10度     DTⅡ05C0433         58.3",
                          "  3.过渡托辊20度     DTⅡ05C0533         58.3",
                          "  4.过渡托辊30度     DTⅡ05C0633         58.4",
                          "  5.缓冲托辊         DTⅡ05C0734         77.1",
                          "  6.上托辊           DTⅡ05C0333         58.6",
                          "  7.上调心托辊       DTⅡ05C      0",
                          "  8.尾部改向滚筒     DTⅡ05B      0",
                          "  9.下托辊           DTⅡ05C      0",
                          "  10.下调心托辊      DTⅡ05C      0",
                          "  11.头部清扫器      DTⅡ05E1      78",
                          "  12.空段清扫器      DTⅡ05E2      27.8",
                          "  13.拉紧装置        DTⅡ05D      0",
                          "  14.增面轮          DTⅡ05B      0",
                          "",
                          "四.结构件清单",
                          "  1.头部支架                              DTⅡ05J01         0",
                          "  2.头部漏斗L= 776                        DTⅡ05J22262      1612",
                          "  3.中间架L6000                           DTⅡ05J07121      147.8",
                          "  4.中间架L3000~6000                      DTⅡ05J07101      0",
                          "  5.凸弧段中间架L6000                     DTⅡ05J07122      147.8",
                          "  6.凸弧段中间架L3000~6000                DTⅡ05J07102      0",
                          "  7.凹弧段中间架（R80000）L6000           DTⅡ05J07123      147.8",
                          "  8.凹弧段中间架（R120000）L6000          DTⅡ05J07124      147.8",
                          "  9.凹弧段中间架（R80000）L3000~6000      DTⅡ05J07103      0",
                          "  10.凹弧段中间架（R120000）L3000~6000    DTⅡ05J07104      0",
                          "  11.落料段中间架                         DTⅡ05J07105      0",
                          "  12.支腿Ⅰ                               DTⅡ05J081301      26.395",
                          "  13.支腿Ⅱ                               DTⅡ05J081302      39.595",
                          "  14.拉紧装置架                           DTⅡ",
                          "  16.导料槽前段                           DTⅡ05J21111      195.1",
                          "  17.导料槽中段                           DTⅡ05J21121      187.7",
                          "  18.导料槽后段                           DTⅡ05J21131      217.1",
                      });
}

}  // namespace
}  // namespace dtii

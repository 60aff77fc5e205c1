// The widest belts, 1600 to 2400 mm: the width code of each, the frames chosen by the idler
// spacing with the concave frames left without weight, nothing asked or shown, and one whole
// report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/equipment/width_tables.h"
#include "equipment_test_support.h"

namespace dtii {
namespace {

using namespace testing;
using enum SlotId;

ConfirmedWindow confirmWide(std::int16_t B) {
    // No diameter is checked at these widths.
    return confirmWindow(baseDesign(B), filledWindow("12345"));
}

TEST(WideBelts, EachWidthPrintsItsCodeWithoutAskingOrWarning) {
    const std::vector<std::pair<std::int16_t, std::string>> widths{
        {1600, "07"}, {1800, "08"}, {2000, "09"}, {2200, "10"}, {2400, "11"}};
    for (const auto& [B, code] : widths) {
        const ConfirmedWindow run = confirmWide(B);
        ASSERT_EQ(run.result.outcome, SelectionOutcome::completed) << B;
        EXPECT_TRUE(run.dialogs.shown.empty()) << B;
        EXPECT_EQ(run.values.widthCode, code);
        EXPECT_NE(run.result.reportText.find("  1.传动滚筒         DTⅡ" + code + "A      0"),
                  std::string::npos)
            << B;
    }
}

TEST(WideBelts, FramesFollowTheSpacingAndConcaveFramesHaveNoWeight) {
    struct SpacingCase {
        double a0;
        std::vector<SlotExpectation> slots;
    };
    const std::vector<SpacingCase> cases{
        {1,
         {{intermediateFrame, "111", 121.7},
          {convexFrame, "112", 121.7},
          {concaveFrameR80000, "113", std::nullopt},
          {concaveFrameR120000, "114", std::nullopt},
          {concaveFrameR80000Short, "103", std::nullopt},
          {concaveFrameR120000Short, "104", std::nullopt},
          {intermediateFrameShort, std::nullopt, std::nullopt},
          {convexFrameShort, std::nullopt, std::nullopt},
          {loadingFrame, std::nullopt, std::nullopt}}},
        {1.2,
         {{intermediateFrame, "121", 121.7},
          {convexFrame, "122", 121.7},
          {concaveFrameR80000, "123", std::nullopt},
          {concaveFrameR120000, "124", std::nullopt},
          {concaveFrameR80000Short, "103", std::nullopt},
          {intermediateFrameShort, "101", std::nullopt},
          {convexFrameShort, "102", std::nullopt},
          {loadingFrame, "105", std::nullopt}}},
        {1.1,
         {{intermediateFrame, std::nullopt, std::nullopt},
          {concaveFrameR80000, std::nullopt, std::nullopt},
          {concaveFrameR80000Short, std::nullopt, std::nullopt},
          {loadingFrame, std::nullopt, std::nullopt}}},
    };
    for (const SpacingCase& c : cases) {
        // Troughed idlers at an off-standard angle and an unlisted pulley: nothing here looks.
        SelectionInputs inputs = carrying(3, 89, 1, 40, 0, 0);
        inputs.a0 = c.a0;
        const WidthRun run = runWidth(width1600To2400Rules, "09", inputs);
        EXPECT_FALSE(run.result.stopped);
        EXPECT_TRUE(run.dialogs.shown.empty());
        EXPECT_EQ(run.selection.widthCode, "09");
        expectSlots(run.selection, c.slots, "a0 " + std::to_string(c.a0));
        for (const SlotId untouched : {drivePulley, carryingIdler, impactIdler, transitionIdler10,
                                       headCleaner, legI, skirtFront, headChute}) {
            EXPECT_EQ(run.selection[untouched], Slot{}) << static_cast<int>(untouched);
        }
        EXPECT_FALSE(run.selection.chuteLengthBase.has_value());
    }
}

TEST(WideBelts, WholeReportFor2000mmAtSpacing1point2) {
    const ConfirmedWindow run = confirmWide(2000);
    ASSERT_EQ(run.result.outcome, SelectionOutcome::completed);
    expectReportLines(run.result.reportText, baseReportOpening("2000"),
                      {
                          "三.设备列表（名称/型号/单重(kg)）",
                          "  1.传动滚筒         DTⅡ09A      0",
                          "  2.过渡托辊10度     DTⅡ09C         0",
                          "  3.过渡托辊20度     DTⅡ09C         0",
                          "  4.过渡托辊30度     DTⅡ09C         0",
                          "  5.缓冲托辊         DTⅡ09C         0",
                          "  6.上托辊           DTⅡ09C         0",
                          "  7.上调心托辊       DTⅡ09C      0",
                          "  8.尾部改向滚筒     DTⅡ09B      0",
                          "  9.下托辊           DTⅡ09C      0",
                          "  10.下调心托辊      DTⅡ09C      0",
                          "  11.头部清扫器      DTⅡ09E1      0",
                          "  12.空段清扫器      DTⅡ09E2      0",
                          "  13.拉紧装置        DTⅡ09D      0",
                          "  14.增面轮          DTⅡ09B      0",
                          "",
                          "四.结构件清单",
                          "  1.头部支架                              DTⅡ09J01         0",
                          "  2.头部漏斗L= 0                        DTⅡ09J22      0",
                          "  3.中间架L6000                           DTⅡ09J07121      121.7",
                          "  4.中间架L3000~6000                      DTⅡ09J07101      0",
                          "  5.凸弧段中间架L6000                     DTⅡ09J07122      121.7",
                          "  6.凸弧段中间架L3000~6000                DTⅡ09J07102      0",
                          "  7.凹弧段中间架（R80000）L6000           DTⅡ09J07123      0",
                          "  8.凹弧段中间架（R120000）L6000          DTⅡ09J07124      0",
                          "  9.凹弧段中间架（R80000）L3000~6000      DTⅡ09J07103      0",
                          "  10.凹弧段中间架（R120000）L3000~6000    DTⅡ09J07104      0",
                          "  11.落料段中间架                         DTⅡ09J07105      0",
                          "  12.支腿Ⅰ                               DTⅡ09J08      0",
                          "  13.支腿Ⅱ                               DTⅡ09J08      0",
                          "  14.拉紧装置架                           DTⅡ",
                          "  16.导料槽前段                           DTⅡ09J21111      0",
                          "  17.导料槽中段                           DTⅡ09J21121      0",
                          "  18.导料槽后段                           DTⅡ09J21131      0",
                      });
}

}  // namespace
}  // namespace dtii

// The widest belts, 1600 to 2400 mm: the width code of each, the frames chosen by the idler
// spacing with the concave frames left without weight, nothing asked or shown, and one whole
// report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/equipment/width_tables.h"
#include "test_equipment_design.h"
#include "test_wide_belts.h"

namespace dtii {
namespace {

using namespace testing;
using enum SlotId;

ConfirmResult confirmWide(std::int16_t B, double a0, EquipmentWindowValues& values,
                          ScriptedDialogs& dialogs) {
    ConveyorDesign design = design800();
    design.shared.B = B;
    design.shared.a0 = a0;
    EquipmentWindow window = filledWindow("12345");  // no diameter is checked at these widths
    return confirmEquipment(window, design, values, dialogs);
}

TEST(WideBelts, EachWidthPrintsItsCodeWithoutAskingOrWarning) {
    const std::vector<std::pair<std::int16_t, std::string>> widths{
        {1600, "07"}, {1800, "08"}, {2000, "09"}, {2200, "10"}, {2400, "11"}};
    for (const auto& [B, code] : widths) {
        EquipmentWindowValues values;
        ScriptedDialogs dialogs;
        const ConfirmResult result = confirmWide(B, 1.2, values, dialogs);
        ASSERT_EQ(result.outcome, SelectionOutcome::completed) << B;
        EXPECT_TRUE(dialogs.shown.empty()) << B;
        EXPECT_EQ(values.widthCode, code);
        EXPECT_NE(result.reportText.find("  1.传动滚筒         DTⅡ" + code + "A      0"),
                  std::string::npos)
            << B;
    }
}

TEST(WideBelts, FramesFollowTheSpacingAndConcaveFramesHaveNoWeight) {
    struct SpacingCase {
        double a0;
        std::vector<SlotHolds> slots;
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
        for (const SlotHolds& e : c.slots) {
            EXPECT_EQ(run.selection[e.slot].code, e.code)
                << c.a0 << " " << static_cast<int>(e.slot);
            EXPECT_EQ(run.selection[e.slot].unitWeight, e.weight)
                << c.a0 << " " << static_cast<int>(e.slot);
        }
        for (const SlotId untouched : {drivePulley, carryingIdler, impactIdler, transitionIdler10,
                                       headCleaner, legI, skirtFront, headChute}) {
            EXPECT_EQ(run.selection[untouched], Slot{}) << static_cast<int>(untouched);
        }
        EXPECT_FALSE(run.selection.chuteLengthBase.has_value());
    }
}

TEST(WideBelts, WholeReportFor2000mmAtSpacing1point2) {
    EquipmentWindowValues values;
    ScriptedDialogs dialogs;
    const ConfirmResult result = confirmWide(2000, 1.2, values, dialogs);
    ASSERT_EQ(result.outcome, SelectionOutcome::completed);

    const std::vector<std::string> expected{
        "一.初始条件",
        "  1.输送带宽度B= 2000mm",
        "  2.输送速度V= 2m/s",
        "  3.物料密度r= 1000kg/m^3",
        "  4.输送能力Q= 500t/h",
        "  5.输送机水平投影长度Lh= 100m",
        "  6.物料提升高度H= 5m",
        "",
        "二.计算结果列表",
        "  1.圆周驱动力Fu= 12345.68N",
        "  2.传动滚筒圆周驱动功率Pa= 24.69136kw",
        "  3.驱动电机所需功率Pm= 30.12346kw",
        "  4.T1= 40000.5N",
        "  5.T2= 15000.25N",
        "  6.T3= 16000N",
        "  7.T4= 17250.75N",
        "8.承载面阻力Fw： 8765.432N",
        "9.回程面阻力Fk： 1234.568N",
        "",
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
    };
    const std::vector<std::string> lines = reportLines(result.reportText);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

}  // namespace
}  // namespace dtii

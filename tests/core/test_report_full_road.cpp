// The whole road for the example 800 mm design: entries through the input window, the drive
// calculation, the equipment-list confirm and the report, compared line by line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/windows/equipment_window.h"
#include "support/example_design.h"

namespace dtii {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The number the results listing shows after `label` (both are written in single precision).
std::string listedNumber(const std::string& listing, const std::string& label,
                         const std::string& unit) {
    const std::size_t at = listing.find(label);
    if (at == std::string::npos) {
        return "<missing " + label + ">";
    }
    const std::size_t from = at + label.size();
    return listing.substr(from, listing.find(unit, from) - from);
}

TEST(ReportFullRoad, Example800mmDesignFromEntriesToReport) {
    ConveyorDesign design;
    InputWindow input;
    testing::ScriptedDialogs dialogs;
    ASSERT_EQ(testing::computeExampleDesign(design, input, dialogs), ComputeOutcome::computed);
    // Troughed 108 mm rollers on 4G205 at 35 degrees tilted 1.5 degrees, a0 1.2 m, V 2 m/s; the
    // example's tensions give Fh of about 27 kN, under the first limit of the 800 mm pulley.
    ASSERT_LT(drivePulleyLoad(design.shared.T1, design.shared.T2), 50.0);

    EquipmentWindow window;
    loadEquipmentWindow(window);
    window.takeUpList.text = "垂直重锤拉紧";
    window.boxes = {"", "800", "500", "1000", "800", ""};
    EquipmentWindowValues values;
    testing::ScriptedDialogs equipmentDialogs;
    equipmentDialogs.textAnswers.push_back("1300");
    const ConfirmResult result = confirmEquipment(window, design, values, equipmentDialogs);
    ASSERT_EQ(result.outcome, SelectionOutcome::completed);
    EXPECT_TRUE(equipmentDialogs.messageTexts().empty());

    const std::string& listing = design.shared.resultsText;
    const auto result2 = [&](const char* reportLabel, const char* listLabel, const char* unit) {
        return reportLabel + listedNumber(listing, listLabel, unit) + unit;
    };
    const std::vector<std::string> expected{
        "一.初始条件",
        "  1.输送带宽度B= 800mm",
        "  2.输送速度V= 2m/s",
        "  3.物料密度r= 1000kg/m^3",
        "  4.输送能力Q= 500t/h",
        "  5.输送机水平投影长度Lh= 100m",
        "  6.物料提升高度H= 5m",
        "",
        "二.计算结果列表",
        result2("  1.圆周驱动力Fu=", "圆周驱动力Fu=", "N"),
        result2("  2.传动滚筒圆周驱动功率Pa=", "传动滚筒圆周驱动功率Pa=", "kw"),
        result2("  3.驱动电机所需功率Pm=", "驱动电机所需功率Pm=", "kw"),
        result2("  4.T1=", "T1=", "N"),
        result2("  5.T2=", "T2=", "N"),
        result2("  6.T3=", "T3=", "N"),
        result2("  7.T4=", "T4=", "N"),
        result2("8.承载面阻力Fw：", "承载面阻力Fw：", "N"),
        result2("9.回程面阻力Fk：", "回程面阻力Fk：", "N"),
        "",
        "三.设备列表（名称/型号/单重(kg)）",
        "  1.传动滚筒         DTⅡ03A6103Y/Z      782",
        "  2.过渡托辊10度     DTⅡ03C0422         25.9",
        "  3.过渡托辊20度     DTⅡ03C0522         26",
        "  4.过渡托辊30度     DTⅡ03C0622         26.1",
        "  5.缓冲托辊         DTⅡ03C0722         35.3",
        "  6.上托辊           DTⅡ03C0322         26.1",
        "  7.上调心托辊       DTⅡ03C      0",
        "  8.尾部改向滚筒     DTⅡ03B      0",
        "  9.下托辊           DTⅡ03C      0",
        "  10.下调心托辊      DTⅡ03C      0",
        "  11.头部清扫器      DTⅡ03E1      64.8",
        "  12.空段清扫器      DTⅡ03E2      22.3",
        "  13.拉紧装置        DTⅡ03D      0",
        "  14.增面轮          DTⅡ03B      0",
        "",
        "四.结构件清单",
        "  1.头部支架                              DTⅡ03J01         0",
        "  2.头部漏斗L= 757.5                        DTⅡ03J22262      1043",
        "  3.中间架L6000                           DTⅡ03J07121      121.7",
        "  4.中间架L3000~6000                      DTⅡ03J07101      0",
        "  5.凸弧段中间架L6000                     DTⅡ03J07122      121.7",
        "  6.凸弧段中间架L3000~6000                DTⅡ03J07102      0",
        "  7.凹弧段中间架（R80000）L6000           DTⅡ03J07123      121.7",
        "  8.凹弧段中间架（R120000）L6000          DTⅡ03J07124      121.7",
        "  9.凹弧段中间架（R80000）L3000~6000      DTⅡ03J07103      0",
        "  10.凹弧段中间架（R120000）L3000~6000    DTⅡ03J07104      0",
        "  11.落料段中间架                         DTⅡ03J07105      0",
        "  12.支腿Ⅰ                               DTⅡ03J081401      19.335",
        "  13.支腿Ⅱ                               DTⅡ03J081402      26.935",
        "  14.拉紧装置架                           DTⅡ",
        "  16.导料槽前段                           DTⅡ03J21111      137.7",
        "  17.导料槽中段                           DTⅡ03J21121      133.5",
        "  18.导料槽后段                           DTⅡ03J21131      151.9",
    };
    const std::vector<std::string> lines = splitLines(result.reportText);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

}  // namespace
}  // namespace dtii

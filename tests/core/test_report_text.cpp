// The report: the whole road for an 800 mm belt line by line, and the layout invariants that hold
// for every selection.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/report/report_text.h"
#include "support/scripted_dialogs.h"
#include "test_equipment_design.h"

namespace dtii {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

// Display columns of a UTF-8 text: CJK characters, full-width forms and the Roman numerals take
// two columns, everything else one.
std::size_t columns(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        const bool wide = (code >= 0x2160 && code <= 0x217F) ||
                          (code >= 0x3000 && code <= 0x9FFF) || (code >= 0xFF00 && code <= 0xFF60);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

ConfirmResult confirm800(const ConveyorDesign& design, const std::string& legAnswer) {
    EquipmentWindow window = testing::filledWindow("630");
    EquipmentWindowValues values;
    testing::ScriptedDialogs dialogs;
    dialogs.textAnswers.push_back(legAnswer);
    return confirmEquipment(window, design, values, dialogs);
}

TEST(ReportText, FullRoadFor800mmBelt) {
    const ConfirmResult result = confirm800(testing::design800(), "1100");
    ASSERT_EQ(result.outcome, SelectionOutcome::completed);
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
        "  1.传动滚筒         DTⅡ03A5123Y/Z      776",
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
        "  2.头部漏斗L= 767                        DTⅡ03J22252      984",
        "  3.中间架L6000                           DTⅡ03J07121      121.7",
        "  4.中间架L3000~6000                      DTⅡ03J07101      0",
        "  5.凸弧段中间架L6000                     DTⅡ03J07122      121.7",
        "  6.凸弧段中间架L3000~6000                DTⅡ03J07102      0",
        "  7.凹弧段中间架（R80000）L6000           DTⅡ03J07123      121.7",
        "  8.凹弧段中间架（R120000）L6000          DTⅡ03J07124      121.7",
        "  9.凹弧段中间架（R80000）L3000~6000      DTⅡ03J07103      0",
        "  10.凹弧段中间架（R120000）L3000~6000    DTⅡ03J07104      0",
        "  11.落料段中间架                         DTⅡ03J07105      0",
        "  12.支腿Ⅰ                               DTⅡ03J081301      17.36",
        "  13.支腿Ⅱ                               DTⅡ03J081302      24.96",
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

TEST(ReportText, LayoutInvariantsHoldForFullAndEmptySelections) {
    ConveyorDesign design = testing::design800();
    design.shared.H = -12.5;
    design.shared.V = 0.8;
    const std::vector<std::string> reports{
        confirm800(testing::design800(), "1100").reportText,
        confirm800(design, "").reportText,
        buildReport(ConveyorDesign{}, EquipmentSelection{}),
    };
    for (const std::string& report : reports) {
        ASSERT_FALSE(report.empty());
        EXPECT_NE(report.substr(report.size() - 2), "\r\n") << "no break after the last line";
        EXPECT_EQ(report.find('\n'), report.find("\r\n") + 1);
        const std::vector<std::string> lines = splitLines(report);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 3);

        const auto equipmentHeading =
            std::find(lines.begin(), lines.end(), "三.设备列表（名称/型号/单重(kg)）");
        const auto structureHeading = std::find(lines.begin(), lines.end(), "四.结构件清单");
        ASSERT_NE(structureHeading, lines.end());
        EXPECT_EQ(structureHeading - equipmentHeading, 16);  // 14 items and the empty line
        EXPECT_EQ(lines.end() - structureHeading - 1, 17);
        for (auto line = equipmentHeading + 1; line != equipmentHeading + 15; ++line) {
            EXPECT_EQ(columns(line->substr(0, line->find("DTⅡ"))), 21u) << *line;
        }
        for (auto line = structureHeading + 1; line != lines.end(); ++line) {
            if (line->starts_with("  2.头部漏斗L=")) {
                continue;
            }
            EXPECT_EQ(columns(line->substr(0, line->find("DTⅡ"))), 42u) << *line;
        }
        EXPECT_TRUE(structureHeading[14].ends_with("拉紧装置架                           DTⅡ"));
        EXPECT_TRUE(structureHeading[15].starts_with("  16."));
    }
    const std::vector<std::string> lines = splitLines(reports[1]);
    EXPECT_EQ(lines[2], "  2.输送速度V= .8m/s");
    EXPECT_EQ(lines[6], "  6.物料提升高度H=-12.5m");
    // An empty selection: no chute constants, no width code.
    const std::vector<std::string> empty = splitLines(reports[2]);
    EXPECT_EQ(empty[37], "  2.头部漏斗L= 0                        DTⅡJ22      0");
}

TEST(ReportText, ResultsAreWrittenInSinglePrecisionAndInputsInDouble) {
    ConveyorDesign design;
    design.shared.T1 = 123456.789;
    design.shared.Pa = 12.3456789;
    design.shared.Q = 123456.789;
    const std::vector<std::string> lines = splitLines(buildReport(design, EquipmentSelection{}));
    EXPECT_EQ(lines[4], "  4.输送能力Q= 123456.789t/h");
    EXPECT_EQ(lines[10], "  2.传动滚筒圆周驱动功率Pa= 12.34568kw");
    EXPECT_EQ(lines[12], "  4.T1= 123456.8N");
}

TEST(ReportText, HeadChuteLengthIsBaseLessHalfTheDeduction) {
    EquipmentSelection selection;
    EXPECT_EQ(headChuteLength(selection), 0.0);
    selection.chuteLengthBase = 1300;
    selection.chuteLengthDeduction = 1107;
    EXPECT_EQ(headChuteLength(selection), 746.5);
}

}  // namespace
}  // namespace dtii

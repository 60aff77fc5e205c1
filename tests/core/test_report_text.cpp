// The report layout: the invariants that hold for every selection, and how inputs and results
// are written as numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/report/report_text.h"
#include "equipment_test_support.h"

namespace dtii {
namespace {

using testing::splitLines;

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

TEST(ReportText, LayoutInvariantsHoldForFullAndEmptySelections) {
    ConveyorDesign design = testing::baseDesign();
    design.shared.H = -12.5;
    design.shared.V = 0.8;
    const std::vector<std::string> reports{
        testing::confirmWindow(testing::baseDesign(), testing::filledWindow(), {"1100"})
            .result.reportText,
        testing::confirmWindow(design, testing::filledWindow()).result.reportText,
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

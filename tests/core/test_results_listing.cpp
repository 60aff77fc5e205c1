// The fourteen-line results listing, byte for byte.
#include <gtest/gtest.h>

#include "core/calc/results_listing.h"
#include "support/example_design.h"

namespace dtii {
namespace {

TEST(ResultsListing, WritesEveryLineWithLabelSingleValueAndUnit) {
    ConveyorDesign design;
    design.shared.Fu = 12345.678;
    design.working.FA = 12345678;
    design.shared.Pa = 0;
    design.shared.Pm = 21.668171;
    design.shared.T1 = 20109.99;
    design.shared.T2 = 0.00001;
    design.shared.T3 = 1e-3;
    design.shared.T4 = -250.5;
    design.shared.Fw = 654322.25;
    design.shared.Fk = -0.25;
    design.input.qRO = 0.5;
    design.input.qRU = 2.9133333333;
    design.input.qG = 500 / 7.2;
    design.input.qB = 10.712;
    EXPECT_EQ(resultsText(design),
              "1.圆周驱动力Fu= 12345.68N\r\n"
              "2.起动时的圆周驱动力FA= 1.234568E+07N\r\n"
              "3.传动滚筒圆周驱动功率Pa= 0kw\r\n"
              "4.驱动电机所需功率Pm= 21.66817kw\r\n"
              "5.T1= 20109.99N\r\n"
              "6.T2= 1E-05N\r\n"
              "7.T3= .001N\r\n"
              "8.T4=-250.5N\r\n"
              "9.承载面阻力Fw： 654322.3N\r\n"
              "10.回程面阻力Fk：-.25N\r\n"
              "11.承载分支托辊旋转部分质量qRO： .5kg/m\r\n"
              "12.回程分支托辊旋转部分质量qRU： 2.913333kg/m\r\n"
              "13.每米物料质量qG： 69.44444kg/m\r\n"
              "14.每米输送带质量qB： 10.712kg/m");
}

TEST(ResultsListing, OfTheExampleRunHasFourteenLinesAndTheWorkedValues) {
    ConveyorDesign design;
    InputWindow window;
    testing::ScriptedDialogs dialogs;
    ASSERT_EQ(testing::computeExampleDesign(design, window, dialogs), ComputeOutcome::computed);
    const std::string& text = design.shared.resultsText;
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "1.圆周驱动力Fu= 9208.972N");
    EXPECT_EQ(lines[1], "2.起动时的圆周驱动力FA= 13813.46N");
    EXPECT_EQ(lines[2], "3.传动滚筒圆周驱动功率Pa= 18.41794kw");
    EXPECT_EQ(lines[3], "4.驱动电机所需功率Pm= 21.66817kw");
    EXPECT_EQ(lines[4], "5.T1= 20109.99N");
    // T2 is 4180.45537... N; its nearest single is 4180.4556, so the listing shows ...456.
    EXPECT_EQ(lines[5], "6.T2= 4180.456N");
    EXPECT_EQ(lines[6], "7.T3= 11341.37N");
    EXPECT_EQ(lines[7], "8.T4= 11795.02N");
    EXPECT_EQ(lines[8], "9.承载面阻力Fw： 8314.965N");
    EXPECT_EQ(lines[9], "10.回程面阻力Fk： 894.0067N");
    EXPECT_EQ(lines[10], "11.承载分支托辊旋转部分质量qRO： 8.825kg/m");
    EXPECT_EQ(lines[11], "12.回程分支托辊旋转部分质量qRU： 2.913333kg/m");
    EXPECT_EQ(lines[12], "13.每米物料质量qG： 69.44444kg/m");
    EXPECT_EQ(lines[13], "14.每米输送带质量qB： 10.712kg/m");
    EXPECT_EQ(text.find('\n', text.size() - 5), std::string::npos);
}

TEST(ResultsListing, KnowsWhenAValueDoesNotFitSinglePrecision) {
    ConveyorDesign design;
    EXPECT_TRUE(listedValuesFitSinglePrecision(design));
    design.shared.T3 = 3.5e38;
    EXPECT_FALSE(listedValuesFitSinglePrecision(design));
    design.shared.T3 = -3.5e38;
    EXPECT_FALSE(listedValuesFitSinglePrecision(design));
    design.shared.T3 = 3.4e38;
    EXPECT_TRUE(listedValuesFitSinglePrecision(design));
}

}  // namespace
}  // namespace dtii

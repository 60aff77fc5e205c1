// The complete example run through the window's handlers, to the digits of the worked example.
#include <gtest/gtest.h>

#include "support/example_design.h"

namespace dtii {
namespace {

TEST(CompleteRun, GivesTheWorkedExampleToItsDigits) {
    ConveyorDesign design;
    InputWindow window;
    testing::ScriptedDialogs dialogs;
    ASSERT_EQ(testing::computeExampleDesign(design, window, dialogs), ComputeOutcome::computed);
    EXPECT_TRUE(dialogs.shown.empty());

    struct Expected {
        const char* name;
        double actual;
        double value;
        double tolerance;
    };
    const SharedDesign& s = design.shared;
    const InputDesign& in = design.input;
    const DriveWorkingValues& w = design.working;
    for (const Expected& e : {
             Expected{"qG", in.qG, 69.44444, 5e-6},
             Expected{"wrapFactor", w.wrapFactor, 4.810477, 5e-7},
             Expected{"qB", in.qB, 10.712, 5e-7},
             Expected{"qRO", in.qRO, 8.825, 5e-7},
             Expected{"qRU", in.qRU, 2.913333, 5e-7},
             Expected{"slopeResistance", w.slopeResistance, 3406.25, 5e-5},
             Expected{"troughFactor", w.troughFactor, 0.4333333, 5e-8},
             Expected{"tiltResistance", w.tiltResistance, 356.7866, 5e-5},
             Expected{"skirtResistance", w.skirtResistance, 608.1969, 5e-5},
             Expected{"FS1", w.specialMainResistance, 964.9835, 5e-5},
             Expected{"FS2", w.specialSecondaryResistance, 896, 5e-9},
             Expected{"C", w.secondaryFactor, 1.78, 0},
             Expected{"CFH", w.mainAndSecondaryResistance, 3941.738, 5e-4},
             Expected{"Fu", s.Fu, 9208.971, 5e-4},
             Expected{"Pa", s.Pa, 18.41794, 5e-6},
             Expected{"Pm", s.Pm, 21.66817, 5e-6},
             Expected{"Fk", s.Fk, 894.0067, 5e-5},
             Expected{"Fw", s.Fw, 8314.965, 5e-4},
             Expected{"returnSagTension", w.returnSagTension, 3940.677, 5e-4},
             Expected{"noSlipTension", w.noSlipTension, 3625.125, 5e-4},
             Expected{"carryingSagTension", w.carryingSagTension, 11795.02, 5e-3},
             Expected{"T4", s.T4, 11795.02, 5e-3},
             Expected{"T1", s.T1, 20109.99, 5e-3},
             Expected{"T2", s.T2, 4180.455, 5e-4},
             Expected{"T3", s.T3, 11341.37, 5e-3},
             Expected{"FA", w.FA, 13813.46, 5e-3},
         }) {
        EXPECT_NEAR(e.actual, e.value, e.tolerance) << e.name;
    }
    EXPECT_EQ(s.resultsText.substr(0, s.resultsText.find("\r\n")), "1.圆周驱动力Fu= 9208.972N");
    EXPECT_NE(s.resultsText.find("\r\n7.T3= 11341.37N\r\n"), std::string::npos);
    EXPECT_NE(s.resultsText.find("\r\n13.每米物料质量qG： 69.44444kg/m\r\n"), std::string::npos);
}

}  // namespace
}  // namespace dtii

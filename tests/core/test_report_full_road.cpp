// The whole road for the example 800 mm design: entries through the input window, the drive
// calculation, the equipment-list confirm and the report, compared line by line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "equipment_test_support.h"
#include "support/example_design.h"
#include "support/example_report.h"

namespace dtii {
namespace {

using namespace testing;

TEST(ReportFullRoad, Example800mmDesignFromEntriesToReport) {
    ConveyorDesign design;
    InputWindow input;
    ScriptedDialogs dialogs;
    ASSERT_EQ(computeExampleDesign(design, input, dialogs), ComputeOutcome::computed);
    // Troughed 108 mm rollers on 4G205 at 35 degrees tilted 1.5 degrees, a0 1.2 m, V 2 m/s; the
    // example's tensions give Fh of about 27 kN, under the first limit of the 800 mm pulley.
    ASSERT_LT(drivePulleyLoad(design.shared.T1, design.shared.T2), 50.0);
    EXPECT_EQ(splitLines(design.shared.resultsText), exampleListingLines);

    const ConfirmedWindow run = confirmWindow(design, filledWindow("800"), {"1100"});
    ASSERT_EQ(run.result.outcome, SelectionOutcome::completed);
    EXPECT_TRUE(run.dialogs.messageTexts().empty());
    expectReportLines(run.result.reportText, exampleReportLines);
}

}  // namespace
}  // namespace dtii

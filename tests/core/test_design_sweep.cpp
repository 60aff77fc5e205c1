// Sweeps: how the values of a varied key are written out, and that a variant run inside a sweep
// gives the very row a sweep of that variant alone gives, whatever ran before it.
#include <gtest/gtest.h>

#include "core/file/design_sweep.h"
#include "core/file/sweep_values.h"

namespace dtii {
namespace {

TEST(SweepValues, ListsKeepTheirTextsAndRangesComputeEachStep) {
    const struct {
        const char* text;
        std::vector<std::string> values;
    } cases[] = {
        {"800,1000,1200", {"800", "1000", "1200"}},
        {"尼龙帆布NN-100,,st1000", {"尼龙帆布NN-100", "", "st1000"}},
        {"1:2:0.5", {"1", "1.5", "2"}},
        {"1:2.2:0.5", {"1", "1.5", "2"}},  // STOP off the steps is not reached
        {"5:1:-2", {"5", "3", "1"}},
        {"+1:1:3", {"1"}},
        // 0.3 / 0.1 falls a hair short of 3 steps; the step is computed, not accumulated.
        {"0:0.3:0.1", {"0", "0.1", "0.2", "0.30000000000000004"}},
        {"1e3:3e3:1e3", {"1000", "2000", "3000"}},
    };
    for (const auto& c : cases) {
        const SweepValuesResult result = sweepValues(c.text);
        EXPECT_EQ(result.error, "") << c.text;
        EXPECT_EQ(result.values, c.values) << c.text;
    }
}

TEST(SweepValues, MalformedAndEmptyRangesAreRefused) {
    for (const char* text : {"", "1:2", "1:2:3:4", "a:2:1", "1:2:0", "2:1:1", "1:2:-1", "1::1",
                             "1:inf:1", "0:1e7:1", "1:nan:1"}) {
        const SweepValuesResult result = sweepValues(text);
        EXPECT_NE(result.error, "") << text;
        EXPECT_TRUE(result.values.empty()) << text;
    }
}

// The complete 800 mm example, with a drive-pulley diameter that the sweep does not use.
DesignFile exampleDesign() {
    const DesignFileResult read = parseDesignFile(R"({
      "format": "dtii-conveyor-design", "version": 1,
      "input": {"B": "800", "a0": "1.2", "au": "3", "r": "1000", "V": "2", "Q": "500",
        "L": "100", "H": "5", "wrapAngle": "200", "Lh": "100", "plies": "5",
        "carryingTroughAngle": "35", "carryingTiltAngle": "1.5", "returnTroughAngle": "0",
        "returnTiltAngle": "0", "workingCondition": "按标准设计，制造、调整好，物料内摩擦系数中等",
        "runningCondition": "干态运行", "drumSurface": "人字胶面滚筒",
        "beltType": "尼龙帆布NN-200", "covers": "4.5+1.5", "carryingIdlerForm": "槽形托辊",
        "carryingRollerDiameter": "D=108", "carryingBearing": "4G205",
        "returnIdlerForm": "平行托辊", "returnRollerDiameter": "D=108", "returnBearing": "4G205"},
      "equipment": {"D": "800"}})",
                                                  "example.json");
    return *read.design;
}

std::vector<std::string> rowsOf(DesignSweep& sweep) {
    std::vector<std::string> rows;
    std::string row;
    while (sweep.appendNextRow(row)) {
        rows.push_back(row);
        row.clear();
    }
    return rows;
}

// The one row of a sweep whose every key has one value: the design typed in from scratch.
std::string aloneRow(const std::vector<SweepAxis>& axes, const std::vector<std::size_t>& picks) {
    std::vector<SweepAxis> single;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        single.push_back({axes[i].key, {axes[i].values[picks[i]]}});
    }
    DesignSweep sweep(exampleDesign(), single);
    const std::vector<std::string> rows = rowsOf(sweep);
    return rows.size() == 1 ? rows.front() : "";
}

TEST(DesignSweep, EveryVariantGivesTheRowItGivesAloneInOdometerOrder) {
    const std::vector<std::vector<SweepAxis>> sweeps = {
        // plain boxes, a refused speed and a list that fails on some widths
        {{"B", {"800", "650", "1000"}}, {"V", {"0", "2", "3.5"}}, {"Q", {"300", "700"}}},
        // lists, including a belt that is not in the list and one the carcass change empties
        {{"beltType", {"st1000", "棉帆布CC-56", "no belt"}},
         {"plies", {"", "4"}},
         {"carryingBearing", {"4G204", "4G205"}}},
        // handlers of their own, and the check parameters
        {{"carryingIdlerForm", {"V形托辊", "槽形托辊", ""}},
         {"ploughTrippers", {"1", "3"}},
         {"requiredSafetyFactor", {"", "40"}},
         {"surchargeAngle", {"10", "30"}}},
    };
    for (const std::vector<SweepAxis>& axes : sweeps) {
        SCOPED_TRACE(axes.front().key);
        DesignSweep sweep(exampleDesign(), axes);
        ASSERT_EQ(sweep.error(), "");
        const std::vector<std::string> rows = rowsOf(sweep);
        std::vector<std::size_t> picks(axes.size(), 0);
        std::size_t expectedCount = 1;
        for (const SweepAxis& axis : axes) {
            expectedCount *= axis.values.size();
        }
        ASSERT_EQ(rows.size(), expectedCount);
        EXPECT_EQ(sweep.variantCount(), expectedCount);
        bool anyRefused = false, anyComputed = false;
        for (const std::string& row : rows) {
            EXPECT_EQ(row, aloneRow(axes, picks));
            anyRefused = anyRefused || row.find(",refused,") != std::string::npos;
            anyComputed = anyComputed || row.find(",ok,") != std::string::npos;
            // The last key turns fastest.
            for (std::size_t i = axes.size(); i-- > 0;) {
                if (++picks[i] < axes[i].values.size()) {
                    break;
                }
                picks[i] = 0;
            }
        }
        EXPECT_TRUE(anyRefused && anyComputed);
    }
}

TEST(DesignSweep, RowsCarryTheVariantResultsOrTheRefusal) {
    DesignSweep sweep(exampleDesign(), {{"V", {"2", "-1"}}, {"covers", {"4.5+1.5", "x\"y"}}});
    EXPECT_EQ(sweep.header(),
              "V,covers,status,Fu,Pm,T1,T2,T3,T4,safetyFactor,beltStrengthOk,minPlies,"
              "maxCapacity,fillRatio,capacityOk,ratedMotor,message\r\n");
    const std::vector<std::string> rows = rowsOf(sweep);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].rfind("2,4.5+1.5,ok,9208.97", 0), 0u) << rows[0];
    EXPECT_NE(rows[0].find(",true,2,496.05405660978516,"), std::string::npos) << rows[0];
    EXPECT_NE(rows[0].find(",false,22,\r\n"), std::string::npos) << rows[0];
    EXPECT_EQ(rows[1].rfind("2,\"x\"\"y\",refused,,,,,,,,,,,,,,", 0), 0u) << rows[1];
    EXPECT_NE(rows[1].find("请从列表中重新选取"), std::string::npos) << rows[1];
    EXPECT_EQ(rows[2].rfind("-1,4.5+1.5,refused,", 0), 0u) << rows[2];

    DesignSweep designAlone(exampleDesign(), {});
    EXPECT_EQ(rowsOf(designAlone).size(), 1u);
}

TEST(DesignSweep, KeysAndValuesTheDesignFileWouldRefuseAreRefused) {
    const struct {
        std::vector<SweepAxis> axes;
        const char* problem;
    } cases[] = {
        {{{"width", {"800"}}}, "未知的键“width”"},
        {{{"D", {"800"}}}, "未知的键“D”"},
        {{{"B", {"800"}}, {"B", {"650"}}}, "键“B”只能变化一次"},
        {{{"returnIdlerForm", {"平行托辊", "U形托辊"}}}, "键“returnIdlerForm”的值“U形托辊”应为"},
        {{{"motorSpeed", {"1500", "1450"}}}, "键“motorSpeed”的值“1450”应为 3000"},
    };
    for (const auto& c : cases) {
        DesignSweep sweep(exampleDesign(), c.axes);
        EXPECT_EQ(sweep.error().rfind(c.problem, 0), 0u) << sweep.error();
        std::string csv;
        EXPECT_FALSE(sweep.appendNextRow(csv));
        EXPECT_EQ(csv, "");
    }
}

}  // namespace
}  // namespace dtii

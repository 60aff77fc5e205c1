// The calculation sheet's contents: its date, the inputs as typed and picked, the results as the
// listing writes them, and default file names from the project.
#include <gtest/gtest.h>

#include "core/calc/results_listing.h"
#include "core/report/calculation_sheet.h"
#include "support/example_report.h"

namespace dtii {
namespace {

TEST(SheetDate, TheProjectsDateElseTheFixedDayElseToday) {
    const std::time_t now = 1765180800;  // 2025-12-08 08:00 UTC
    std::tm local = *std::localtime(&now);
    const std::string today = std::to_string(local.tm_year + 1900) + "年" +
                              std::to_string(local.tm_mon + 1) + "月" +
                              std::to_string(local.tm_mday) + "日";
    struct Case {
        const char* projectDate;
        const char* epoch;
        std::string date;
    };
    const Case cases[] = {
        {"2024-05-06", "0", "2024-05-06"},
        {"", "0", "1970年1月1日"},
        {"", "1700000000", "2023年11月14日"},
        {"", "17e8", today},  // not a whole number of seconds: ignored
        {"", "", today},
        {"", nullptr, today},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sheetDate(c.projectDate, c.epoch, now), c.date) << (c.epoch ? c.epoch : "null");
    }
}

TEST(CalculationSheet, InputsAreTheTypedTextsAndResultsSplitTheListingLines) {
    SheetSource source;
    source.typed.boxes[InputBox::beltWidth] = "800";
    source.typed.lists[InputList::beltType] = "尼龙帆布NN-200";
    source.typed.carryingIdlerForm = "槽形托辊";
    source.record.shared.Fu = 9208.972;
    source.record.shared.T4 = -250.5;
    source.record.input.L = 100;
    const CalculationSheet sheet = calculationSheet(source, "2026年1月2日");
    const auto input = [&sheet](const std::string& label) {
        for (const SheetField& field : sheet.inputs) {
            if (field.label == label) {
                return field.value + "|" + field.unit;
            }
        }
        return std::string("missing");
    };
    EXPECT_EQ(input("输送带宽度 B"), "800|mm");
    EXPECT_EQ(input("输送带类型"), "尼龙帆布NN-200|");
    EXPECT_EQ(input("上托辊形式"), "槽形托辊|");
    EXPECT_EQ(input("下托辊形式"), "|");
    EXPECT_EQ(input("犁式卸料器"), "无|台");
    EXPECT_EQ(sheet.project.date, "2026年1月2日");

    const std::vector<ListedResult> listing = listedResults(source.record);
    ASSERT_EQ(sheet.results.size(), listing.size());
    for (std::size_t i = 0; i < listing.size(); ++i) {
        const std::string line =
            std::string(listing[i].label) + listing[i].value + "" + std::string(listing[i].unit);
        EXPECT_NE(line.find(sheet.results[i].label), std::string::npos) << line;
        EXPECT_NE(line.find(sheet.results[i].value + sheet.results[i].unit), std::string::npos);
    }
    EXPECT_EQ(sheet.results[0].value, "9208.972");
    EXPECT_EQ(sheet.results[7].label, "T4");
    EXPECT_EQ(sheet.results[7].value, "-250.5");
    EXPECT_DOUBLE_EQ(sheet.tensions.T4, -250.5);
    EXPECT_DOUBLE_EQ(sheet.tensions.length, 100);
}

TEST(ProjectFileName, TheProjectNameMadeSafeElseTheFallback) {
    struct Case {
        const char* name;
        const char* fileName;
    };
    const Case cases[] = {
        {"", "带式输送机计算书.pdf"},
        {"某矿主井", "某矿主井.pdf"},
        {"A/B:C*?", "A_B_C__.pdf"},
    };
    for (const Case& c : cases) {
        ProjectInfo project;
        project.name = c.name;
        EXPECT_EQ(projectFileName(project, "带式输送机计算书", ".pdf"), c.fileName);
    }
}

}  // namespace
}  // namespace dtii

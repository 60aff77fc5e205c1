// The calculation sheet's data as a design command builds it: the equipment entries, the check
// parameters and coefficients in use, the working with its values, and the notes of a run.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/command_line.h"
#include "core/report/calculation_sheet.h"
#include "core/report/sheet_figures.h"

namespace dtii {
namespace {

std::string exampleText(const std::string& name) {
    std::ifstream file(std::string(DTII_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The sheet `sheet -` makes of `design`, through a writer that keeps what it is given.
CalculationSheet sheetOf(const std::string& design) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("dtii-sheet-data-" + std::to_string(::getpid()));
    std::ofstream(path, std::ios::binary) << design;
    std::optional<CalculationSheet> sheet;
    OutputWriters writers;
    writers.sheetPdf = [&sheet](const SheetSource& source, const std::filesystem::path&) {
        sheet = calculationSheet(source, "2026年1月2日");
        return std::optional<std::string>();
    };
    std::ostringstream out, err;
    EXPECT_EQ(runCommandLine({"sheet", path.string(), "-o", "x.pdf"}, out, err, writers),
              ExitStatus::produced)
        << err.str();
    std::filesystem::remove(path);
    return sheet.value_or(CalculationSheet{});
}

std::string fieldText(const std::vector<SheetField>& fields, const std::string& label) {
    for (const SheetField& field : fields) {
        if (field.label == label) {
            return field.value + "|" + field.unit;
        }
    }
    return "missing " + label;
}

const WorkingStep* stepOf(const CalculationSheet& sheet, std::string_view symbol) {
    for (const WorkingStep& step : sheet.working) {
        if (step.formula.starts_with(std::string(symbol) + " =")) {
            return &step;
        }
    }
    return nullptr;
}

TEST(SheetData, EntriesParametersAndCoefficientsOfTheExample) {
    const CalculationSheet sheet = sheetOf(exampleText("belt1200-trough.json"));
    struct Case {
        const std::vector<SheetField>& fields;
        const char* label;
        const char* text;
    };
    const Case cases[] = {
        {sheet.equipmentEntries, "拉紧装置形式", "垂直重锤拉紧|"},
        {sheet.equipmentEntries, "头轮或传动滚筒直径 D", "1000|mm"},
        {sheet.equipmentEntries, "增面轮直径 Ds", "|mm"},
        {sheet.equipmentEntries, "尾轮直径 Dt", "800|mm"},
        {sheet.equipmentEntries, "传动滚筒中心距头架下端 hH", "1000|mm"},
        {sheet.equipmentEntries, "尾轮中心距尾架下端 hT", "800|mm"},
        {sheet.equipmentEntries, "支腿高度", "1300|mm"},
        {sheet.checkParameters, "要求的安全系数", "10（默认）|"},
        {sheet.checkParameters, "动堆积角 θ", "20（默认）|°"},
        {sheet.checkParameters, "电动机同步转速", "1500（默认）|r/min"},
        {sheet.coefficients, "模拟摩擦系数 f", "0.022|"},
        {sheet.coefficients, "附加阻力系数 C", "1.25|"},
        {sheet.coefficients, "传动滚筒与输送带间的摩擦系数 μ", "0.45|"},
        {sheet.coefficients, "欧拉系数 e^(μα)", "4.8105|"},
        {sheet.coefficients, "传动效率 η", "0.85|"},
        {sheet.coefficients, "启动系数 K_A", "1.5|"},
        {sheet.coefficients, "允许垂度 (h/a)adm", "0.01|"},
        {sheet.coefficients, "重力加速度 g", "9.81|m/s²"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fieldText(c.fields, c.label), c.text);
    }
    // Every entry reads as typed and no box was shown: the one note is the rows the tables leave.
    ASSERT_EQ(sheet.notes.size(), 1u);
    EXPECT_TRUE(sheet.notes[0].starts_with("设备表第 7 项“上调心托辊”、第 8 项“尾部改向滚筒”、"))
        << sheet.notes[0];
}

TEST(SheetData, TheWorkingPutsInTheValuesTheResultsUse) {
    struct Case {
        const char* example;
        const char* symbol;
        const char* formula;
        const char* substituted;
        const char* result;
    };
    const Case cases[] = {
        // The drive sets T2 and the carrying strand's sag is met.
        {"belt1200-trough.json", "Fu", "Fu = C·F_H + F_S1 + F_S2 + F_St + F_εu",
         "1.25 × 19664.1 + 4893.4 + 1344.0 + 49050.0 + 0.0", "79867.5 N"},
        {"belt1200-trough.json", "T1", "T1 = e^(μα)·T2", "4.8105 × 31440.0", "151241.3 N"},
        // The carrying strand's sag raises the loop.
        {"belt800-trough.json", "Fu", "Fu = C·F_H + F_S1 + F_S2 + F_St + F_εu",
         "1.78 × 2214.5 + 964.98 + 896.0 + 3406.2 + 0.0", "9209.0 N"},
        {"belt800-trough.json", "T1", "T1 = T4 + Fw", "11795.0 + 8315.0", "20110.0 N"},
    };
    for (const Case& c : cases) {
        const CalculationSheet sheet = sheetOf(exampleText(c.example));
        const WorkingStep* step = stepOf(sheet, c.symbol);
        ASSERT_NE(step, nullptr) << c.symbol;
        EXPECT_EQ(step->formula, c.formula);
        EXPECT_EQ(step->substituted, c.substituted);
        EXPECT_EQ(step->result, c.result);
    }
    EXPECT_NE(stepOf(sheetOf(exampleText("belt800-trough.json")), "T4")->reason.find("提高张力"),
              std::string::npos);
}

TEST(SheetData, NotesNameMisreadEntriesTheRunsMessagesAndUnfilledRows) {
    std::string design = exampleText("belt800-trough.json");
    design.replace(design.find(R"("Q": "500")"), 10, R"("Q": "abc")");
    design.replace(design.find(R"("legHeight": "1100")"), 19, R"("legHeight": "900")");
    const CalculationSheet sheet = sheetOf(design);
    ASSERT_EQ(sheet.notes.size(), 3u);
    EXPECT_EQ(sheet.notes[0], "输入键“input.Q”的值“abc”开头不是数字，按 0 读取。");
    EXPECT_NE(sheet.notes[1].find("计算时的提示："), std::string::npos);
    EXPECT_EQ(sheet.notes[1], "计算时的提示：您输入的数值不合法！");
    std::string rows;
    for (const EquipmentListRow& row : sheet.equipment) {
        if (row.name.starts_with("支腿")) {
            rows += row.designation + row.unitWeightText + ";";
        }
    }
    EXPECT_EQ(rows, "——;——;");
    const std::string all = [&] {
        std::string text;
        for (const std::string& note : sheet.notes) {
            text += note + "\n";
        }
        return text;
    }();
    EXPECT_NE(all.find("第 26 项“支腿Ⅰ”、第 27 项“支腿Ⅱ”"), std::string::npos) << all;
}

}  // namespace
}  // namespace dtii

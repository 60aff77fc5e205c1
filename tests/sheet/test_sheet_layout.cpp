// The sheet's pages: text wrapped to its cell, tables continued with their heading row, every
// page footed with its number, nothing outside the margins.
#include <gtest/gtest.h>

#include <algorithm>

#include "sheet/sheet_layout.h"

namespace dtii {
namespace {

// Every character 2 mm wide, whatever the font.
class EvenMeasure : public TextMeasure {
public:
    double width(const QString& text, FontRole) const override {
        return 2.0 * static_cast<double>(text.size());
    }
};

struct WrapCase {
    const char* text;
    double width;
    QStringList lines;
};

TEST(WrapText, BreaksAtBlanksWhereThereAreAnyElseBetweenCharacters) {
    const WrapCase cases[] = {
        {"abc def", 9, {"abc", "def"}},
        {"带式输送机设计", 6, {"带式输", "送机设", "计"}},
        {"D=108", 20, {"D=108"}},
        {"", 10, {""}},
        {"第一行\n第二行", 20, {"第一行", "第二行"}},
        {"ab cdefgh", 8, {"ab", "cdef", "gh"}},
        // A number stays with its unit; the break goes to the blank before the number.
        {"力 9209.0 N", 16, {"力", "9209.0 N"}},
        {"P 75 kW", 10, {"P", "75 kW"}},
        {"1.78 × 2214.5", 16, {"1.78 ×", "2214.5"}},
        // Chinese text breaks between characters, not back at a blank before a number, and
        // never before a closing or after an opening mark.
        {"设备表第 18 项“支架”", 18, {"设备表第 18 项", "“支架”"}},
        {"GB 50431 输送带", 20, {"GB 50431 输", "送带"}},
        {"须另行确定。", 10, {"须另行确", "定。"}},
    };
    const EvenMeasure measure;
    for (const WrapCase& c : cases) {
        EXPECT_EQ(wrapText(QString::fromUtf8(c.text), c.width, FontRole::body, measure), c.lines)
            << c.text;
    }
}

struct ColumnCase {
    std::vector<double> natural;
    double total;
    std::vector<double> widths;
};

TEST(FitColumnWidths, SpareRoomByContentsAndNarrowColumnsKeptWhenShort) {
    const ColumnCase cases[] = {
        {{10, 20, 30}, 120, {20, 40, 60}},
        {{10, 100, 100}, 110, {10, 50, 50}},
        {{10, 20, 200}, 100, {10, 20, 70}},
        {{60, 60}, 100, {50, 50}},
    };
    for (const ColumnCase& c : cases) {
        const std::vector<double> widths = fitColumnWidths(c.natural, c.total);
        ASSERT_EQ(widths.size(), c.widths.size());
        for (std::size_t i = 0; i < widths.size(); ++i) {
            EXPECT_NEAR(widths[i], c.widths[i], 1e-9) << c.total << " column " << i;
        }
    }
}

TEST(SheetUnits, KilowattsAreWrittenKW) {
    const std::pair<const char*, const char*> cases[] = {
        {"kw", "kW"}, {"75 kw", "75 kW"}, {"kwh", "kwh"}, {"kN", "kN"}, {"Pm=kw；", "Pm=kW；"}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(sheetUnits(QString::fromUtf8(text)), QString::fromUtf8(expected)) << text;
    }
}

CalculationSheet longSheet(int equipmentRows) {
    CalculationSheet sheet;
    sheet.project.date = "2026年1月2日";
    for (int i = 0; i < 27; ++i) {
        sheet.inputs.push_back({"输入" + std::to_string(i), "1", "m"});
    }
    for (int i = 0; i < 14; ++i) {
        sheet.results.push_back({"结果" + std::to_string(i), "2", "N"});
    }
    sheet.project.name = std::string(120, 'N');
    sheet.project.number = "JS-2026-018";
    sheet.project.company = std::string(100, 'C');
    sheet.equipmentEntries.push_back({"拉紧装置形式", "垂直重锤式", ""});
    sheet.checkParameters.push_back({"输送带安全系数下限", "10（默认）", ""});
    sheet.coefficients.push_back({"模拟摩擦系数 f", "0.025", ""});
    sheet.working.push_back(
        {"Fu = C·F_H + F_S1", "1.78 × 2214.5 + 965.0", "4906.8 N", "头部驱动，按不打滑条件"});
    sheet.tensions = {100, 20000, 4000, 11000, 11500, 12000, 4000};
    sheet.checks.push_back({"输送带强度", "安全系数 39.78", "≥ 10", true, ""});
    sheet.checks.push_back({"电动机", "75 kw", "≥ 80 kw", false, "选用更大的电机"});
    for (int i = 1; i <= equipmentRows; ++i) {
        sheet.equipment.push_back(
            {i, "设备", "名称" + std::to_string(i), "DTⅡ03A" + std::to_string(i), 1.5, "1.5"});
    }
    return sheet;
}

bool holds(const SheetPage& page, const QString& text, FontRole role) {
    return std::any_of(page.texts.begin(), page.texts.end(), [&](const SheetText& item) {
        return item.text == text && item.role == role;
    });
}

TEST(SheetLayout, TheSectionsTitleBlockAndNotesShowWhatTheSheetHolds) {
    CalculationSheet sheet = longSheet(3);
    const std::vector<SheetPage> pages = layOutSheet(sheet, EvenMeasure());
    QStringList all;
    for (const SheetPage& page : pages) {
        for (const SheetText& text : page.texts) {
            all.push_back(text.text);
        }
    }
    const QString joined = all.join(u'|');
    for (const char* expected : {"设计|", "校核|", "审核|", "审定|", "计算书编号|JS-2026-018",
                                 "垂直重锤式", "10（默认）", "模拟摩擦系数 f", "计算过程",
                                 "|GB 50431 输送带安全系数|", "头部驱动，按不打滑条件", "kW|"}) {
        EXPECT_TRUE(joined.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_FALSE(joined.contains(QStringLiteral("kw")));
    EXPECT_FALSE(joined.contains(QStringLiteral("说明与警告")));  // nothing to say
    EXPECT_TRUE(std::any_of(pages.begin(), pages.end(), [](const SheetPage& page) {
        return holds(page, QStringLiteral("× 不合格"), FontRole::bold);
    }));

    sheet.notes = {"每小时输送量 Q 的“abc”按 0 计算"};
    const std::vector<SheetPage> noted = layOutSheet(sheet, EvenMeasure());
    EXPECT_TRUE(holds(noted.back(), QStringLiteral("七、说明与警告"), FontRole::heading));
    EXPECT_TRUE(
        holds(noted.back(), QStringLiteral("1. 每小时输送量 Q 的“abc”按 0 计算"), FontRole::body));
}

TEST(SheetLayout, LongTablesContinueWithTheirHeadingRowAndEveryPageIsNumbered) {
    for (const int rows : {31, 120, 300}) {
        SCOPED_TRACE(rows);
        const std::vector<SheetPage> pages = layOutSheet(longSheet(rows), EvenMeasure());
        const int total = static_cast<int>(pages.size());
        int nextNumber = 1;  // equipment rows must come in order, each once
        for (int n = 1; n <= total; ++n) {
            const SheetPage& page = pages[static_cast<std::size_t>(n - 1)];
            const int firstRow = nextNumber;
            int footers = 0;
            int headerNumbers = 0;
            bool heading = false;
            bool row = false;
            for (const SheetText& text : page.texts) {
                if (text.text == QStringLiteral("第 %1 页 共 %2 页").arg(n).arg(total)) {
                    ++footers;
                    continue;
                }
                EXPECT_GE(text.box.top(), contentTop - 1e-9);
                EXPECT_LE(text.box.bottom(), contentBottom + 1e-9) << text.text.toStdString();
                EXPECT_GE(text.box.left(), contentLeft - 1e-9);
                EXPECT_LE(text.box.right(), contentLeft + contentWidth + 1e-9);
                headerNumbers += text.text == QStringLiteral("计算书编号：JS-2026-018") ? 1 : 0;
                if (text.text == QStringLiteral("型号")) {
                    heading = true;
                    EXPECT_FALSE(row) << "heading row below an equipment row on page " << n;
                }
                if (text.text == QStringLiteral("DTⅡ03A%1").arg(nextNumber)) {
                    row = true;
                    ++nextNumber;
                }
            }
            EXPECT_EQ(footers, 1) << "page " << n;
            EXPECT_EQ(headerNumbers, 1) << "page " << n;
            // The page header's project name, wrapped: "NNN…" from the page's first line.
            EXPECT_TRUE(page.texts.front().text.startsWith(QStringLiteral("NNN"))) << n;
            if (row && firstRow > 1) {
                EXPECT_TRUE(
                    holds(page, QStringLiteral("六、设备及结构件（续表）"), FontRole::small))
                    << "page " << n;
            }
            EXPECT_EQ(heading, row) << "page " << n;  // a page with rows has the heading row
        }
        EXPECT_EQ(nextNumber, rows + 1);
    }
}

}  // namespace
}  // namespace dtii

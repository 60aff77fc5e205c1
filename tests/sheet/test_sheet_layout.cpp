// The sheet's pages: text wrapped to its cell, tables continued with their heading row, every
// page footed with its number, nothing outside the margins.
#include <gtest/gtest.h>

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
    };
    const EvenMeasure measure;
    for (const WrapCase& c : cases) {
        EXPECT_EQ(wrapText(QString::fromUtf8(c.text), c.width, FontRole::body, measure), c.lines)
            << c.text;
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
    sheet.tensions = {100, 20000, 4000, 11000, 11500, 12000, 4000};
    sheet.checks.push_back({"输送带强度", "安全系数 39.78", "≥ 10", true, ""});
    for (int i = 1; i <= equipmentRows; ++i) {
        sheet.equipment.push_back(
            {i, "设备", "名称" + std::to_string(i), "DTⅡ03A" + std::to_string(i), 1.5, "1.5"});
    }
    return sheet;
}

TEST(SheetLayout, LongTablesContinueWithTheirHeadingRowAndEveryPageIsNumbered) {
    for (const int rows : {31, 120, 300}) {
        SCOPED_TRACE(rows);
        const std::vector<SheetPage> pages = layOutSheet(longSheet(rows), EvenMeasure());
        const int total = static_cast<int>(pages.size());
        int nextNumber = 1;  // equipment rows must come in order, each once
        for (int n = 1; n <= total; ++n) {
            const SheetPage& page = pages[static_cast<std::size_t>(n - 1)];
            int footers = 0;
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
            EXPECT_EQ(heading, row) << "page " << n;  // a page with rows has the heading row
        }
        EXPECT_EQ(nextNumber, rows + 1);
    }
}

}  // namespace
}  // namespace dtii

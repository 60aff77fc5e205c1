// Entries read other than typed, and the figures of the sheet's working.
#include <gtest/gtest.h>

#include "core/file/entry_reading.h"
#include "core/report/sheet_figures.h"

namespace dtii {
namespace {

TEST(EntryMisreading, OnlyANumberAndNothingElseReadsAsTyped) {
    struct Case {
        const char* text;
        std::optional<double> value;  // absent: read as typed
        const char* reason;
    };
    const Case cases[] = {
        {"", std::nullopt, ""},
        {"1500", std::nullopt, ""},
        {" 1 500 ", std::nullopt, ""},  // blanks are ignored by the reading itself
        {"-2.5e3", std::nullopt, ""},
        {"abc", 0, "开头不是数字"},
        {"５００", 0, "含全角数字"},
        {"5０0", 5, "含全角数字"},
        {"12abc", 12, "数字后还有其他字符"},
        {"800mm", 800, "数字后还有其他字符"},
        {"1,2", 1, "数字后还有其他字符"},
        {"5E", 5, "数字后还有其他字符"},
    };
    for (const Case& c : cases) {
        const std::optional<EntryMisreading> reading = entryMisreading(c.text);
        ASSERT_EQ(reading.has_value(), c.value.has_value()) << c.text;
        if (reading) {
            EXPECT_EQ(reading->value, *c.value) << c.text;
            EXPECT_EQ(reading->reason, c.reason) << c.text;
        }
    }
}

TEST(EntryMisreading, TheStrictErrorNamesTheFileKeyTextAndValue) {
    DesignFile design;
    design.boxes[InputBox::beltWidth] = "800";
    EXPECT_EQ(strictReadingError(design, "a.json"), std::nullopt);
    design.equipment = EquipmentEntries{};
    design.equipment->legHeight = "1300 mm";
    design.boxes[InputBox::capacity] = "abc";
    const std::vector<MisreadEntry> entries = misreadEntries(design);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(misreadEntryText(entries[1]),
              "键“equipment.legHeight”的值“1300 mm”数字后还有其他字符，按 1300 读取");
    EXPECT_EQ(strictReadingError(design, "a.json"),
              "设计文件 a.json：键“input.Q”的值“abc”开头不是数字，按 0 读取"
              "（--strict 只接受按原样读取的数字）");
}

TEST(WorkingFigure, FiveSignificantFiguresAtLeastOneDecimal) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {2214.5, "2214.5"},   {965, "965.0"},          {1.78, "1.78"}, {0.0123456, "0.012346"},
        {-38.444, "-38.444"}, {123456.78, "123456.8"}, {0, "0.0"},     {-0.00001, "-0.00001"},
        {9208.972, "9209.0"}, {1e300 * 1e300, "—"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(workingFigure(c.value), c.text) << c.value;
    }
}

}  // namespace
}  // namespace dtii

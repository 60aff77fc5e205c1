// Warnings for boxes the leading-number rule reads otherwise than typed, and the leg-height
// answer kept from one confirm to the next.
#include <gtest/gtest.h>

#include "core/numbers.h"
#include "core/windows/box_reading.h"
#include "core/windows/leg_height_memory.h"
#include "support/scripted_dialogs.h"

namespace dtii {
namespace {

TEST(InspectTypedNumber, FlagsATextWithoutNumberOrWithDigitsAfterIt) {
    struct Case {
        const char* text;
        double value;
        bool noNumber;
        bool digitAfter;
    };
    for (const Case& c : {
             Case{"800", 800, false, false},
             Case{"800mm", 800, false, false},
             Case{"", 0, false, false},
             Case{"  ", 0, false, false},
             Case{"abc", 0, true, false},
             Case{"-", 0, true, false},
             Case{".", 0, true, false},
             Case{"abc5", 0, true, false},
             Case{"1,2", 1, false, true},
             Case{"1.2.3", 1.2, false, true},
             Case{"12-3", 12, false, true},
             Case{"1 2", 12, false, false},  // blanks are ignored: one number
             Case{"5E", 5, false, false},
             Case{"5E+3", 5000, false, false},
             Case{"5Ex1", 5, false, true},
             Case{"2.5d1m", 25, false, false},
         }) {
        const TypedNumberReading reading = inspectTypedNumber(c.text);
        EXPECT_EQ(reading.value, c.value) << c.text;
        EXPECT_EQ(reading.value, readLeadingNumber(c.text)) << c.text;
        EXPECT_EQ(reading.noNumber, c.noNumber) << c.text;
        EXPECT_EQ(reading.digitAfterNumber, c.digitAfter) << c.text;
    }
}

TEST(BoxReadingWarning, SaysTheValueTheBoxWillBeReadAs) {
    struct Case {
        const char* text;
        std::optional<std::string> warning;
    };
    for (const Case& c : {
             Case{"800mm", std::nullopt},
             Case{"", std::nullopt},
             Case{"abc", "开头不是数字，计算时将按 0 读取"},
             Case{"1,2", "只读取开头的数字，计算时将按 1 读取"},
             Case{"0.5;7", "只读取开头的数字，计算时将按 0.5 读取"},
         }) {
        EXPECT_EQ(boxReadingWarning(c.text), c.warning) << c.text;
    }
}

TEST(LegHeightMemory, OffersTheLastAnswerAndKeepsTheNewOne) {
    struct Case {
        std::optional<std::string> last;
        std::string answer;
        std::string offered;
        std::optional<std::string> kept;
    };
    for (const Case& c : {
             Case{std::nullopt, "1100", "", "1100"}, Case{"1100", "1225", "1100", "1225"},
             Case{"1100", "", "1100", std::nullopt},  // cancelled
         }) {
        testing::ScriptedDialogs person;
        person.textAnswers.push_back(c.answer);
        std::optional<std::string> last = c.last;
        LegHeightMemory memory(person, last);
        EXPECT_EQ(memory.askText("高度？", "输入框", ""), c.answer);
        ASSERT_EQ(person.shown.size(), 1u);
        EXPECT_EQ(person.shown[0].defaultText, c.offered);
        EXPECT_EQ(last, c.kept);
    }
}

}  // namespace
}  // namespace dtii

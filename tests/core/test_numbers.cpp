// Reading typed numbers, rounding to 16 bits and writing numbers as the program displays them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/numbers.h"

namespace dtii {
namespace {

TEST(ReadLeadingNumber, TakesTheLongestLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : {
             Case{"800", 800},
             Case{"800mm", 800},
             Case{"", 0},
             Case{"abc", 0},
             Case{"-", 0},
             Case{".", 0},
             Case{".5", 0.5},
             Case{"-.25", -0.25},
             Case{"+7", 7},
             Case{"5.", 5},
             Case{"1.5e3", 1500},
             Case{"1.5E+3", 1500},
             Case{"25D-1", 2.5},
             Case{"25d1", 250},
             Case{"5E", 5},
             Case{"5E+", 5},
             Case{"5Ex", 5},
             Case{"1,5", 1},
             Case{" 1 2 . 5 ", 12.5},
             Case{"\t-\n3", -3},
             Case{"1\r2", 1},  // only blank, tab and line feed are ignored
             Case{"12-3", 12},
             Case{"0.1", 0.1},
             Case{"1e-400", 0},
             Case{"00000000000000000000000000000000001e-3", 0.001},
         }) {
        EXPECT_EQ(readLeadingNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ReadLeadingNumber, ReadsValuesTooLargeForADoubleAsInfinite) {
    EXPECT_EQ(readLeadingNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readLeadingNumber("-1D99999999999999999999"),
              -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readLeadingNumber("0.0000001e400"), std::numeric_limits<double>::infinity());
}

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
             Case{"abc", 0, true, false},
             Case{".", 0, true, false},
             Case{"1,2", 1, false, true},
             Case{"1.2.3", 1.2, false, true},
             Case{"12-3", 12, false, true},
             Case{"1 2", 12, false, false},  // blanks are ignored: one number
             Case{"5E+3", 5000, false, false},
             Case{"5Ex1", 5, false, true},
         }) {
        const TypedNumberReading reading = inspectTypedNumber(c.text);
        EXPECT_EQ(reading.value, c.value) << c.text;
        EXPECT_EQ(reading.value, readLeadingNumber(c.text)) << c.text;
        EXPECT_EQ(reading.noNumber, c.noNumber) << c.text;
        EXPECT_EQ(reading.digitAfterNumber, c.digitAfter) << c.text;
    }
}

TEST(RoundToInt16, RoundsHalvesToEvenAndReportsWhatDoesNotFit) {
    struct Case {
        double value;
        std::optional<std::int16_t> rounded;
    };
    for (const Case& c : {
             Case{650.5, 650},
             Case{651.5, 652},
             Case{650.4999, 650},
             Case{650.5001, 651},
             Case{-0.5, 0},
             Case{-1.5, -2},
             Case{2.5, 2},
             Case{32767.4, 32767},
             Case{32767.5, std::nullopt},
             Case{-32768.5, -32768},
             Case{-32769, std::nullopt},
             Case{1e300, std::nullopt},
             Case{std::numeric_limits<double>::infinity(), std::nullopt},
             Case{std::nan(""), std::nullopt},
         }) {
        EXPECT_EQ(roundToInt16(c.value), c.rounded) << c.value;
    }
}

TEST(NumberText, WritesDoublesWithFifteenDigits) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c : {
             Case{1200, " 1200"},
             Case{0.5, " .5"},
             Case{-0.25, "-.25"},
             Case{0, " 0"},
             Case{-0.0, " 0"},
             Case{0.1, " .1"},
             Case{1.0 / 3, " .333333333333333"},
             Case{2.0 / 3, " .666666666666667"},
             Case{123456789012345, " 123456789012345"},
             Case{999999999999999, " 999999999999999"},
             Case{1e15, " 1E+15"},
             Case{9999999999999999.0, " 1E+16"},
             Case{1234567890123456, " 1.23456789012346E+15"},
             Case{0.0001, " .0001"},
             Case{0.00001, " 1E-05"},
             Case{-0.000012345, "-1.2345E-05"},
             Case{1e100, " 1E+100"},
             Case{1e-300, " 1E-300"},
             // Ties of the exact binary value go away from zero.
             Case{1000000000000005.0, " 1.00000000000001E+15"},
             Case{1000000000000025.0, " 1.00000000000003E+15"},
             Case{123456789012344.5, " 123456789012345"},
             Case{-123456789012344.5, "-123456789012345"},
             Case{99999999999999.95, " 100000000000000"},  // carries into a new digit
             Case{1.25e-10, " 1.25E-10"},
         }) {
        EXPECT_EQ(numberText(c.value), c.text) << c.value;
    }
}

TEST(NumberText, WritesSinglesWithSevenDigitsRoundingExactTiesAwayFromZero) {
    struct Case {
        float value;
        const char* text;
    };
    for (const Case& c : {
             Case{654322.25f, " 654322.3"},  // exact tie, printf gives 654322.2
             Case{-654322.25f, "-654322.3"},
             Case{654322.75f, " 654322.8"},
             Case{1234567.5f, " 1234568"},  // tie on the last whole digit
             Case{1234568.5f, " 1234569"},
             Case{12345.125f, " 12345.13"},
             Case{1.0000005f, " 1"},      // the binary value lies just below the tie
             Case{9999999.5f, " 1E+07"},  // a tie that carries into a new digit
             Case{0.5f, " .5"},
             Case{9999999.0f, " 9999999"},
             Case{12345678.0f, " 1.234568E+07"},
             Case{10000000.0f, " 1E+07"},
             Case{12345.678f, " 12345.68"},
             Case{0.0001f, " .0001"},
             Case{0.00001f, " 1E-05"},
             Case{9208.9715f, " 9208.972"},
             Case{-250.5f, "-250.5"},
             Case{0.1f, " .1"},  // not the 0.100000001 of the exact value
             Case{3.4e38f, " 3.4E+38"},
             Case{1e-45f, " 1.401298E-45"},
         }) {
        EXPECT_EQ(numberText(c.value), c.text) << c.value;
    }
}

TEST(NumberText, DoesNotFailOnValuesThatAreNotNumbers) {
    EXPECT_FALSE(numberText(std::numeric_limits<double>::infinity()).empty());
    EXPECT_FALSE(numberText(std::nanf("")).empty());
}

}  // namespace
}  // namespace dtii

// The coefficient tables of the resistances and the choice of the governing belt tension.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/calc/belt_tensions.h"
#include "core/calc/resistance_tables.h"

namespace dtii {
namespace {

struct Tabulated {
    double L;  // [m]
    double C;
};

// The printed values at the tabulated lengths from 80 m on; between them C falls linearly.
const std::vector<Tabulated> tabulatedLengths{
    {80, 1.92},   {100, 1.78},  {150, 1.58},  {200, 1.45},  {300, 1.31}, {400, 1.25},
    {500, 1.2},   {600, 1.17},  {700, 1.14},  {800, 1.12},  {900, 1.1},  {1000, 1.09},
    {1500, 1.06}, {2000, 1.05}, {2500, 1.04}, {5000, 1.03},
};

TEST(SecondaryResistanceFactor, IsExactAtEveryTabulatedLengthAndLinearBetween) {
    for (std::size_t i = 0; i < tabulatedLengths.size(); ++i) {
        const Tabulated& at = tabulatedLengths[i];
        EXPECT_EQ(secondaryResistanceFactor(at.L), at.C) << at.L;
        if (i + 1 == tabulatedLengths.size()) {
            break;
        }
        const Tabulated& next = tabulatedLengths[i + 1];
        const double span = next.L - at.L;
        for (const double share : {1e-9, 0.25, 0.5, 0.75, 1 - 1e-9}) {
            const double L = at.L + share * span;
            const double expected = at.C + share * (next.C - at.C);
            EXPECT_NEAR(*secondaryResistanceFactor(L), expected, 1e-12) << L;
        }
    }
}

TEST(SecondaryResistanceFactor, StepsBelowEightyMetresAndEndsAtFiveThousand) {
    struct Case {
        double L;
        std::optional<double> C;
    };
    for (const Case& c : {
             Case{0.001, 3.4},
             Case{18, 3.4},
             Case{18.5, 2.5},
             Case{50, 2.5},
             Case{50.001, 2.0},
             Case{79.9, 2.0},
             Case{90, (38.4 - 1.4) / 20},
             Case{5000.001, std::nullopt},
             Case{1e9, std::nullopt},
             Case{std::nan(""), std::nullopt},
         }) {
        const std::optional<double> C = secondaryResistanceFactor(c.L);
        ASSERT_EQ(C.has_value(), c.C.has_value()) << c.L;
        if (C) {
            EXPECT_DOUBLE_EQ(*C, *c.C) << c.L;
        }
    }
}

TEST(TroughFactor, StartsAtThirtyDegrees) {
    struct Case {
        double angle;  // [degrees]
        double factor;
    };
    for (const Case& c :
         {Case{0, 0}, Case{29.9, 0}, Case{30, 0.4}, Case{35, 0.4333333333333333}, Case{45, 0.5}}) {
        EXPECT_DOUBLE_EQ(troughFactor(c.angle), c.factor) << c.angle;
    }
}

TEST(SkirtWidth, IsTabulatedForSixBeltWidths) {
    struct Case {
        std::int16_t B;
        std::optional<double> width;
    };
    for (const Case& c :
         {Case{500, 0.315}, Case{650, 0.4}, Case{800, 0.495}, Case{1000, 0.61}, Case{1200, 0.73},
          Case{1400, 0.85}, Case{1600, std::nullopt}, Case{0, std::nullopt}}) {
        EXPECT_EQ(skirtWidth(c.B), c.width) << c.B;
    }
}

TEST(BeltTensions, FollowTheGoverningMinimumTension) {
    // Wrap factor 3, Fu 10000 N so that the no-slip tension is 1.5 * 10000 / 2 = 7500 N.
    struct Case {
        const char* name;
        double returnSag;
        double carryingSag;
        BeltTensions expected;
    };
    for (const Case& c : {
             Case{"drive governs", 100, 100, {22500, 7500, 16500 / 1.04, 16500}},
             Case{"equal sag still lets the drive govern",
                  7500,
                  100,
                  {22500, 7500, 16500 / 1.04, 16500}},
             Case{"return-strand sag governs", 9000, 100, {27000, 9000, 11000, 21000}},
             Case{"carrying sag raises a drive-governed loop",
                  100,
                  20000,
                  {26000, 26000.0 / 3, 20000 / 1.04, 20000}},
             Case{"carrying sag raises a return-governed loop",
                  9000,
                  25000,
                  {31000, 31000.0 / 3, 25000 / 1.04, 25000}},
             Case{
                 "carrying sag met exactly passes", 100, 16500, {22500, 7500, 16500 / 1.04, 16500}},
         }) {
        const BeltTensions t = beltTensions({3, 6000, 2000, 7500, c.returnSag, c.carryingSag});
        EXPECT_DOUBLE_EQ(t.T1, c.expected.T1) << c.name;
        EXPECT_DOUBLE_EQ(t.T2, c.expected.T2) << c.name;
        EXPECT_DOUBLE_EQ(t.T3, c.expected.T3) << c.name;
        EXPECT_DOUBLE_EQ(t.T4, c.expected.T4) << c.name;
    }
}

}  // namespace
}  // namespace dtii

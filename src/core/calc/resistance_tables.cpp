// The coefficient tables of the resistance calculation as data.
#include "core/calc/resistance_tables.h"

#include <array>

namespace dtii {
namespace {

enum class LengthTest { atMost, below, equal };

// C = (a - (L - L1) * s) / d when the row's test on L against `limit` holds. A constant row has
// s = 0 and d = 1, which gives a itself exactly.
struct SecondaryFactorRow {
    LengthTest test;
    double limit;  // [m]
    double L1;     // [m] tabulated length the interpolation starts from
    double a;
    double s;
    double d;
};

constexpr SecondaryFactorRow constant(LengthTest test, double limit, double C) {
    return {test, limit, 0.0, C, 0.0, 1.0};
}

constexpr SecondaryFactorRow between(double L1, double L2, double a, double s, double d) {
    return {LengthTest::below, L2, L1, a, s, d};
}

// Tried from the top down, so each row's lower bound is the failed test of the row above; the
// rows for a single length apply on exact equality only. Between tabulated lengths from 80 m on,
// the coefficient falls linearly.
constexpr std::array<SecondaryFactorRow, 34> secondaryFactorRows{{
    constant(LengthTest::atMost, 18, 3.4), constant(LengthTest::atMost, 50, 2.5),
    constant(LengthTest::below, 80, 2.0),  constant(LengthTest::equal, 80, 1.92),
    between(80, 100, 38.4, 0.14, 20),      constant(LengthTest::equal, 100, 1.78),
    between(100, 150, 89, 0.2, 50),        constant(LengthTest::equal, 150, 1.58),
    between(150, 200, 79, 0.13, 50),       constant(LengthTest::equal, 200, 1.45),
    between(200, 300, 145, 0.14, 100),     constant(LengthTest::equal, 300, 1.31),
    between(300, 400, 131, 0.06, 100),     constant(LengthTest::equal, 400, 1.25),
    between(400, 500, 125, 0.05, 100),     constant(LengthTest::equal, 500, 1.2),
    between(500, 600, 120, 0.03, 100),     constant(LengthTest::equal, 600, 1.17),
    between(600, 700, 117, 0.03, 100),     constant(LengthTest::equal, 700, 1.14),
    between(700, 800, 114, 0.02, 100),     constant(LengthTest::equal, 800, 1.12),
    between(800, 900, 112, 0.02, 100),     constant(LengthTest::equal, 900, 1.1),
    between(900, 1000, 110, 0.01, 100),    constant(LengthTest::equal, 1000, 1.09),
    between(1000, 1500, 545, 0.03, 500),   constant(LengthTest::equal, 1500, 1.06),
    between(1500, 2000, 530, 0.01, 500),   constant(LengthTest::equal, 2000, 1.05),
    between(2000, 2500, 525, 0.01, 500),   constant(LengthTest::equal, 2500, 1.04),
    between(2500, 5000, 2600, 0.01, 2500), constant(LengthTest::equal, 5000, 1.03),
    // Nothing beyond 5000 m.
}};

bool holds(const SecondaryFactorRow& row, double L) {
    switch (row.test) {
        case LengthTest::atMost:
            return L <= row.limit;
        case LengthTest::below:
            return L < row.limit;
        case LengthTest::equal:
            return L == row.limit;
    }
    return false;
}

struct SkirtWidthRow {
    std::int16_t B;     // belt width [mm]
    double skirtWidth;  // b1 [m]
};

constexpr std::array<SkirtWidthRow, 6> skirtWidths{{
    {500, 0.315},
    {650, 0.4},
    {800, 0.495},
    {1000, 0.61},
    {1200, 0.73},
    {1400, 0.85},
}};

}  // namespace

std::optional<double> secondaryResistanceFactor(double L) {
    for (const SecondaryFactorRow& row : secondaryFactorRows) {
        if (holds(row, L)) {
            return (row.a - (L - row.L1) * row.s) / row.d;
        }
    }
    return std::nullopt;
}

double troughFactor(double carryingTroughAngle) {
    if (carryingTroughAngle < 30) {
        return 0.0;
    }
    return (6 + 0.1 * (carryingTroughAngle - 30)) / 15;
}

double ploughResistance(double ploughCount, std::int16_t B) {
    constexpr double perMillimetre = 1.5;  // [N per mm of belt width and tripper]
    return ploughCount * B * perMillimetre;
}

std::optional<double> skirtWidth(std::int16_t B) {
    for (const SkirtWidthRow& row : skirtWidths) {
        if (row.B == B) {
            return row.skirtWidth;
        }
    }
    return std::nullopt;
}

std::vector<std::int16_t> calculableBeltWidths() {
    std::vector<std::int16_t> widths;
    for (const SkirtWidthRow& row : skirtWidths) {
        widths.push_back(row.B);
    }
    return widths;
}

std::string calculableBeltWidthsText(std::string_view lastJoin) {
    const std::vector<std::int16_t> widths = calculableBeltWidths();
    std::string text;
    for (std::size_t index = 0; index < widths.size(); ++index) {
        if (index > 0) {
            text += index + 1 == widths.size() ? lastJoin : std::string_view("，");
        }
        text += std::to_string(widths[index]);
    }
    return text;
}

}  // namespace dtii

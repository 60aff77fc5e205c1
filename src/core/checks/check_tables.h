// The fixed tables of the design checks: the standard motor powers, the steel-cord belt grades,
// the required safety factors by belt material and the synchronous motor speeds.
#pragma once

#include <array>
#include <string_view>

#include "core/design/selection_lists.h"

namespace dtii {

// Standard motor ratings [kW], smallest first; the first one at least the required power is chosen.
inline constexpr std::array<double, 46> standardMotorPowers{
    0.55, 0.75, 1.1, 1.5, 2.2, 3,    4,    5.5,  7.5,  11,   15,   18.5, 22,   30,   37,  45,
    55,   75,   90,  110, 132, 160,  185,  200,  220,  250,  280,  315,  355,  400,  450, 500,
    560,  630,  710, 800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500,
};

struct SteelCordGrade {
    std::string_view text;
    double strengthPerWidth;  // [N/mm]
};

// Steel-cord belts, weakest first; the first one strong enough is advised.
inline constexpr std::array<SteelCordGrade, 11> steelCordGrades{{
    {"st630", 630},
    {"st800", 800},
    {"st1000", 1000},
    {"st1250", 1250},
    {"st1600", 1600},
    {"st2000", 2000},
    {"st2500", 2500},
    {"st3150", 3150},
    {"st4000", 4000},
    {"st4500", 4500},
    {"st5000", 5000},
}};

// The required safety factor of a belt: the first row whose kind matches and whose text the belt
// type begins with. Cotton carcasses age and lose strength faster than synthetic ones but run at
// lower tension, steel cord has the least scatter of strength.
struct DefaultSafetyFactor {
    BeltKind kind;
    std::string_view prefix;
    double factor;
};

inline constexpr std::array<DefaultSafetyFactor, 3> defaultSafetyFactors{{
    {BeltKind::fabric, "棉帆布", 8},
    {BeltKind::fabric, "", 10},
    {BeltKind::steelCord, "", 7},
}};

// Synchronous speeds of the motors the reducer check may assume [r/min].
inline constexpr std::array<int, 4> motorSpeeds{3000, 1500, 1000, 750};

inline constexpr double defaultSurchargeAngle = 20;  // [degrees]
inline constexpr double largestSurchargeAngle = 45;  // [degrees]
inline constexpr int defaultMotorSpeed = 1500;       // [r/min]

}  // namespace dtii

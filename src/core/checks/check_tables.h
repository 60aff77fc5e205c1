// The fixed tables of the design checks: the standard motor powers, the steel-cord belt grades,
// the required safety factors by belt material, the synchronous motor speeds, the belt
// elongations and installation allowances of the take-up travel, and the idler load factors and
// bearing ratings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/calc/drive_constants.h"
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

inline constexpr double defaultSurchargeAngle = 20;     // [degrees]
inline constexpr double largestSurchargeAngle = 45;     // [degrees]
inline constexpr int defaultMotorSpeed = 1500;          // [r/min]
inline constexpr double defaultIdlerLifeHours = 30000;  // [h]

// The permanent elongation of a belt in service: the first row whose kind matches and whose
// type text contains the word (an empty word matches every text).
struct BeltElongation {
    BeltKind kind;
    std::string_view word;
    double elongation;
};

inline constexpr std::array<BeltElongation, 4> beltElongations{{
    {BeltKind::steelCord, "", 0.002},
    {BeltKind::fabric, "聚酯", 0.015},
    {BeltKind::fabric, "涤纶", 0.015},
    {BeltKind::fabric, "", 0.020},
}};

inline constexpr double idlerFlexure = 0.001;  // elongation from the sag between idlers

// Installation allowance of the take-up travel when the engineer sets none [m].
inline constexpr double screwTakeUpAllowance = 0;
inline constexpr double steelCordAllowance = 3.0;
inline constexpr double fabricAllowance = 1.5;

// A screw take-up serves conveyors up to this length [m].
inline constexpr double longestScrewTakeUpConveyor = 50;

// The share of the load on the most loaded roll of an idler set, by rolls per set.
struct IdlerLoadFactor {
    std::int16_t rolls;
    double factor;
};

inline constexpr std::array<IdlerLoadFactor, 3> idlerLoadFactors{{
    {1, 1.0},
    {2, 0.5},
    {3, 0.8},
}};

// Service factors on the static roll load: operating, impact (carrying side only), environment.
inline constexpr double idlerOperatingFactor = 1.1;
inline constexpr double idlerImpactFactor = 1.14;
inline constexpr double idlerEnvironmentFactor = 1.15;

// The rolling bearing of each idler bearing code and its basic dynamic load rating C [N].
struct IdlerBearing {
    std::int16_t code;  // as the bearing list stores it
    std::optional<std::string_view> bearing;
    std::optional<double> rating;
};

inline constexpr std::array<IdlerBearing, 5> idlerBearings{{
    {1, "6204", 12800},
    {2, "6205", 14000},
    {3, "6305", 22200},
    {4, "6306", 27000},
    {5, std::nullopt, std::nullopt},
}};

inline constexpr double fastestIdlerSpeed = 600;  // [r/min]

// Starting and running away.
inline constexpr double acceleratedRollShare = 0.9;   // of a roll's mass, accelerated at start
inline constexpr double leastFrictionFactor = 0.012;  // f for the least main resistance
inline constexpr double holdbackRatingMargin = 1.5;   // rated torque over the torque found

}  // namespace dtii

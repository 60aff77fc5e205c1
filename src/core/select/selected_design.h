// One candidate of the automatic selection that passed: the four values it put into the design,
// the figures it computed, and its place in the order of the list.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/checks/check_verdicts.h"

namespace dtii {

struct SelectedDesign {
    // The texts put into the design, as its boxes and the belt-type list then show them.
    std::string B;
    std::string V;
    std::string beltType;
    std::string plies;
    // The same values for the order.
    double width = 0;               // [mm]
    double speed = 0;               // [m/s]
    std::size_t beltTypeIndex = 0;  // the position in the belt-type list
    double plyCount = 0;            // fabric belts; a steel-cord belt keeps the design's text
    // The figures of its calculation and checks.
    double Fu = 0;                // [N]
    double Pm = 0;                // [kW]
    double ratedMotor = 0;        // [kW]
    double T1 = 0;                // [N]
    double safetyFactor = 0;      // of the belt
    double fillRatio = 0;         // Q / the largest capacity
    double strengthPerWidth = 0;  // of the belt [N/mm]
    std::vector<CheckVerdict> verdicts;
};

// The order of the list, best first: the narrower belt, then the smaller rated motor, then the
// weaker (cheaper) belt per millimetre, then the lower speed, then the belt type earlier in its
// list, then fewer plies.
bool ranksBefore(const SelectedDesign& a, const SelectedDesign& b);

}  // namespace dtii

// The checks that finish a design: starting, holdback or brake, take-up travel and idler bearing
// life. runDesignChecks gathers them with the others.
#pragma once

#include <optional>
#include <string_view>

#include "core/checks/design_checks.h"

namespace dtii {

// The angle of the conveyor from the lift over the length [radians]; a lift without length
// counts as level.
double inclination(const ConveyorDesign& record);

// Absent when the drive generates (Fu <= 0); `breakingForce` is the belt's [N].
std::optional<StartingCheck> startingCheck(const ConveyorDesign& record, double breakingForce);

HoldbackCheck holdbackCheck(const ConveyorDesign& record, std::optional<double> pulleyDiameter);

TakeUpTravelCheck takeUpTravelCheck(const ConveyorDesign& record, std::string_view beltTypeText,
                                    const CheckParameters& parameters, std::string_view takeUpType);

IdlerChecks idlerChecks(const ConveyorDesign& record, const CheckParameters& parameters);

}  // namespace dtii

// The shown working of the main results: each formula in symbols, with the values put in, and the
// result with its unit.
#pragma once

#include <vector>

#include "core/design/conveyor_design.h"
#include "core/report/calculation_sheet.h"

namespace dtii {

// qG, qB, qRO, qRU, the resistances, Fu, the powers, the minimum tensions and T1 ... T4 of a
// computed design, in the order the calculation takes them.
std::vector<WorkingStep> workingSteps(const ConveyorDesign& record);

}  // namespace dtii

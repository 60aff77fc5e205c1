// The fourteen-line results listing shown after a drive calculation.
#pragma once

#include <string>

#include "core/design/conveyor_design.h"

namespace dtii {

// The listing of the design's results, lines joined by CR LF, none after the last. Each value is
// converted to single precision and written with numberText.
std::string resultsText(const ConveyorDesign& design);

// True when every listed value is finite and stays finite in single precision.
bool listedValuesFitSinglePrecision(const ConveyorDesign& design);

}  // namespace dtii

// The fourteen-line results listing shown after a drive calculation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/design/conveyor_design.h"

namespace dtii {

// The listing of the design's results, lines joined by CR LF, none after the last. Each value is
// converted to single precision and written with numberText.
std::string resultsText(const ConveyorDesign& design);

// One line of the listing in its three parts: label ("5.T1="), number text (" 12345.68"), unit.
struct ListedResult {
    std::string_view label;
    std::string value;
    std::string_view unit;
};

// The fourteen lines of the listing, in listing order.
std::vector<ListedResult> listedResults(const ConveyorDesign& design);

// True when every listed value is finite and stays finite in single precision.
bool listedValuesFitSinglePrecision(const ConveyorDesign& design);

}  // namespace dtii

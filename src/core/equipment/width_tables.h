// The equipment tables of each belt width, defined one width (or group of widths) per file and
// looked up by belt width in width_dispatch.cpp.
#pragma once

#include "core/equipment/width_rules.h"

namespace dtii {

extern const WidthRules width500Rules;
extern const WidthRules width650Rules;
extern const WidthRules width800Rules;
extern const WidthRules width1000Rules;
extern const WidthRules width1200Rules;
extern const WidthRules width1400Rules;
extern const WidthRules width1600To2400Rules;  // 1600, 1800, 2000, 2200 and 2400 mm

}  // namespace dtii

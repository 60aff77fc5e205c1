// The equipment tables of each belt width, defined one width (or group of widths) per file and
// looked up by belt width in width_dispatch.cpp.
#pragma once

#include "core/equipment/width_rules.h"

namespace dtii {

extern const WidthRules width800Rules;

}  // namespace dtii

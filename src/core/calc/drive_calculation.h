// The drive calculation: masses per metre, resistances, drive force, powers, belt tensions and
// the results listing, from the entries and choices already stored in the design record.
#pragma once

#include "core/design/conveyor_design.h"

namespace dtii {

enum class DriveOutcome {
    computed,
    carryingRollerMissing,  // no roller mass for the carrying diameter, bearing and length
    returnRollerMissing,    // the same on the return side
    outsideTables,          // belt width, length or a code the tables do not cover
    notFinite,  // a result or working value is not a finite number, or a listed one overflows
};

// Expects the entries (V, Q, r, L, Lh, H, a0, au, angles, wrap angle, plies), B, the list
// values, both roller lengths and the plough resistance in `design`. Writes every result and
// resultsText on `computed`; on any other outcome `design` is left exactly as it was.
DriveOutcome runDriveCalculation(ConveyorDesign& design);

}  // namespace dtii

// The sheet's tables of what the calculation started from beyond the input window: the equipment
// entries, the check parameters and the fixed coefficients.
#pragma once

#include <vector>

#include "core/report/calculation_sheet.h"

namespace dtii {

// The equipment window's entries as typed: take-up type, D, Ds, Dt, hH, hT and the leg height.
std::vector<SheetField> equipmentEntryFields(const DesignFile& typed);

// The check parameters in use; a default says so: "8（默认）".
std::vector<SheetField> checkParameterFields(const DesignFile& typed);

// The coefficients the drive calculation used: f, C, μ, e^(μα), η, K_A, the sag limit and g.
std::vector<SheetField> coefficientFields(const ConveyorDesign& record);

}  // namespace dtii

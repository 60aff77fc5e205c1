// The report: initial conditions, calculation results, equipment list and structure list laid
// out as one text with CR LF line breaks and no break after the last line.
#pragma once

#include <string>

#include "core/design/conveyor_design.h"
#include "core/equipment/equipment_selection.h"
#include "core/report/report_list_lines.h"

namespace dtii {

std::string buildReport(const ConveyorDesign& design, const EquipmentSelection& selection);

}  // namespace dtii

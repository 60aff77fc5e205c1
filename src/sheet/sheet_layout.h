// The calculation sheet laid out on A4 pages: the title block with its signature lines, a
// heading per section, tables of the inputs, entries, parameters, coefficients and results, the
// working, the tension diagram, the checks, the equipment list and the notes. Pure geometry:
// widths come from a TextMeasure, nothing is painted here.
#pragma once

#include <vector>

#include "core/report/calculation_sheet.h"
#include "sheet/sheet_flow.h"
#include "sheet/sheet_page.h"
#include "sheet/sheet_text_fit.h"

namespace dtii {

inline constexpr double diagramHeight = 105;  // the tension diagram's frame [mm]

// Every page of the sheet, each headed with the project name and document number and footed
// with "第 n 页 共 m 页".
std::vector<SheetPage> layOutSheet(const CalculationSheet& sheet, const TextMeasure& measure);

}  // namespace dtii

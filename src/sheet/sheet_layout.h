// The calculation sheet laid out on A4 pages: the title block, a heading per section, ruled
// tables that continue on the next page with their heading row repeated, the tension diagram and
// the page footer. Pure geometry: widths come from a TextMeasure, nothing is painted here.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/report/calculation_sheet.h"
#include "sheet/sheet_page.h"

namespace dtii {

// Where content may go: the page inside its margins, less the footer line at the bottom [mm].
inline constexpr double contentTop = pageMargin;
inline constexpr double contentLeft = pageMargin;
inline constexpr double contentWidth = pageWidth - 2 * pageMargin;
inline constexpr double footerHeight = 6;
inline constexpr double contentBottom = pageHeight - pageMargin - footerHeight;
inline constexpr double tableLineHeight = 4.6;  // one line of body text in a table cell [mm]
inline constexpr double cellPadding = 1.0;      // above, below and beside the text of a cell [mm]
inline constexpr double diagramHeight = 105;    // the tension diagram's frame [mm]

// The text broken into lines no wider than `width` [mm]: at blanks where a line has one, else
// between any two characters (Chinese text has no blanks).
QStringList wrapText(const QString& text, double width, FontRole role, const TextMeasure& measure);

// Every page of the sheet, each with its footer "第 n 页 共 m 页".
std::vector<SheetPage> layOutSheet(const CalculationSheet& sheet, const TextMeasure& measure);

}  // namespace dtii

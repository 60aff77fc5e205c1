// Fitting texts into the sheet's cells: lines broken to a width, a number kept with its unit, and
// table columns given widths from what they hold.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "sheet/sheet_page.h"

namespace dtii {

// The text broken into lines no wider than `width` [mm]: at blanks where a line has one, else
// between any two characters (Chinese text has no blanks). The blank between a number and its
// unit ("9209.0 N", "75 kW") is not a place to break.
QStringList wrapText(const QString& text, double width, FontRole role, const TextMeasure& measure);

// Widths of columns that would hold their widest texts in `natural` [mm], together exactly
// `total` wide: room to spare goes to every column by its natural width; when they do not fit,
// the narrow columns keep their width and the wide ones share what is left equally, so only
// they wrap.
std::vector<double> fitColumnWidths(const std::vector<double>& natural, double total);

// The unit of power as the sheet writes it: "kw" becomes "kW".
QString sheetUnits(const QString& text);

}  // namespace dtii

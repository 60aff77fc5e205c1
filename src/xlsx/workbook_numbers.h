// The number texts of a finished workbook: the writing library keeps 16 significant digits, so
// 77.1 would be stored as "77.09999999999999"; this rewrites each value of the worksheets as the
// shortest text that reads back to the same number.
#pragma once

#include <optional>
#include <string>

namespace dtii {

// `workbook` holds the bytes of an .xlsx file (a ZIP archive of stored or deflated parts, without
// ZIP64); on success it holds the same archive with the worksheets' values shortened, else the
// reason it could not be read.
std::optional<std::string> shortenWorkbookNumbers(std::string& workbook);

// "<v>77.09999999999999</v>" -> "<v>77.1</v>" in worksheet XML; other text is left as it is.
std::string shortenedValues(std::string_view worksheetXml);

}  // namespace dtii

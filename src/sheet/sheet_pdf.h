// The calculation sheet as a PDF file, written whole or not at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/report/calculation_sheet.h"

namespace dtii {

// "<工程名称> 带式输送机设计计算书", the title of the sheet's PDF.
std::string sheetPdfTitle(const ProjectInfo& project);

// Writes the sheet to `path`; on failure returns a message naming the path and the reason.
// Needs a QGuiApplication (fonts).
std::optional<std::string> writeSheetPdf(const CalculationSheet& sheet,
                                         const std::filesystem::path& path);

// The sheet of `source` as printed now (calculationSheetNow) to `path`.
std::optional<std::string> writeSheetPdfNow(const SheetSource& source,
                                            const std::filesystem::path& path);

}  // namespace dtii

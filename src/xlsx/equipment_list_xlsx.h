// The equipment list as an Excel workbook: one sheet, the heading row bold and frozen, the
// columns as wide as their widest cell, the unit weight a number cell.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/report/equipment_list.h"

namespace dtii {

// Writes the workbook to `path`, whole or not at all; on failure returns a message naming the
// path and the reason.
std::optional<std::string> writeEquipmentListXlsx(const std::vector<EquipmentListRow>& rows,
                                                  const std::filesystem::path& path);

// The width of a column holding `text`, in the spreadsheet's character units: a Chinese
// character takes two, any other character one.
double columnWidthFor(const std::string& text);

}  // namespace dtii

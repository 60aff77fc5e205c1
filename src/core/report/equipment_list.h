// The equipment list for purchasing: the rows of the report's equipment and structure lists as
// table cells, and their CSV text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/equipment/equipment_selection.h"

namespace dtii {

// What a cell the tables do not fill shows, in place of the report's "0", "None" or bare "DTⅡ".
inline constexpr std::string_view unfilledCell = "—";

struct EquipmentListRow {
    int number = 0;                    // 序号, counted across both lists from 1
    std::string_view category;         // "设备" or "结构件"
    std::string name;                  // the report's label without its number and padding
    std::string designation;           // as the report writes it; unfilledCell where unfilled
    std::optional<double> unitWeight;  // [kg]; absent where the tables give no weight
    std::string unitWeightText;        // the report's number text without its sign blank, or
                                       // unfilledCell
};

// The column headings: 序号, 类别, 名称, 型号, 单重(kg).
inline constexpr std::string_view equipmentListHeadings[] = {"序号", "类别", "名称", "型号",
                                                             "单重(kg)"};

// Every line of the report's equipment list, then of its structure list, in report order. Where
// the tables give a line no weight (nothing selected) its weight is unfilledCell; where they give
// it no designation ("None", a refused leg height, a line the report names only by its series)
// both cells are.
std::vector<EquipmentListRow> equipmentListRows(const EquipmentSelection& selection);

// The rows as CSV: a UTF-8 byte-order mark, the heading row, then one record per row; fields
// quoted where they hold a comma, a quote or a line break (quotes doubled), records ended by CR LF.
std::string equipmentListCsv(const std::vector<EquipmentListRow>& rows);

}  // namespace dtii

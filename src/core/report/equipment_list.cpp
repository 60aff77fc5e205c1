// The equipment list built from the same list lines as the report.
#include "core/report/equipment_list.h"

#include <span>

#include "core/numbers.h"
#include "core/report/report_list_lines.h"

namespace dtii {
namespace {

constexpr std::string_view equipmentCategory = "设备";
constexpr std::string_view structureCategory = "结构件";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// numberText leaves a blank where a minus sign would go; a table cell has no use for it.
std::string withoutSignBlank(std::string text) {
    if (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    return text;
}

// "  12.支腿Ⅰ" -> "支腿Ⅰ": the leading blanks and the item number with its point go.
std::string labelName(std::string_view label) {
    const std::size_t start = label.find_first_not_of(' ');
    const std::size_t point = label.find('.', start);
    return std::string(label.substr(point + 1));
}

// What the tables gave a line: a designation of its own and a weight. A line the report names
// only by its series has neither; "None" and a refused leg height ("") give neither.
struct LineFill {
    bool designation = false;
    bool weight = false;
};

LineFill tablesFill(const ListLine& line, const EquipmentSelection& selection) {
    if (line.form == LineForm::labelOnly) {
        return {};
    }
    const Slot& slot = selection[*line.slot];
    if (slot.code && (slot.code->empty() || *slot.code == "None")) {
        return {};
    }
    return {true, slot.unitWeight.has_value()};
}

void appendRows(std::vector<EquipmentListRow>& rows, std::span<const ListLine> lines,
                std::string_view category, const EquipmentSelection& selection) {
    for (const ListLine& line : lines) {
        EquipmentListRow row;
        row.number = static_cast<int>(rows.size()) + 1;
        row.category = category;
        row.name = labelName(line.label);
        if (line.form == LineForm::headChute) {
            row.name += withoutSignBlank(numberText(headChuteLength(selection)));
        }
        const LineFill fill = tablesFill(line, selection);
        row.designation =
            fill.designation ? lineDesignation(line, selection) : std::string(unfilledCell);
        if (fill.weight) {
            row.unitWeight = lineUnitWeight(line, selection);
            row.unitWeightText = withoutSignBlank(numberText(*row.unitWeight));
        } else {
            row.unitWeightText = unfilledCell;
        }
        rows.push_back(std::move(row));
    }
}

void appendField(std::string& csv, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        csv += field;
        return;
    }
    csv += '"';
    for (const char c : field) {
        csv += c;
        if (c == '"') {
            csv += '"';
        }
    }
    csv += '"';
}

void appendRecord(std::string& csv, std::span<const std::string_view> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            csv += ',';
        }
        appendField(csv, fields[i]);
    }
    csv += "\r\n";
}

}  // namespace

std::vector<EquipmentListRow> equipmentListRows(const EquipmentSelection& selection) {
    std::vector<EquipmentListRow> rows;
    rows.reserve(equipmentLines.size() + structureLines.size());
    appendRows(rows, equipmentLines, equipmentCategory, selection);
    appendRows(rows, structureLines, structureCategory, selection);
    return rows;
}

std::string equipmentListCsv(const std::vector<EquipmentListRow>& rows) {
    std::string csv(byteOrderMark);
    appendRecord(csv, equipmentListHeadings);
    for (const EquipmentListRow& row : rows) {
        const std::string number = std::to_string(row.number);
        const std::string_view fields[] = {number, row.category, row.name, row.designation,
                                           row.unitWeightText};
        appendRecord(csv, fields);
    }
    return csv;
}

}  // namespace dtii

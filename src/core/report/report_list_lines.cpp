// The parts of a report list line that the report and the equipment list both show.
#include "core/report/report_list_lines.h"

namespace dtii {

namespace {
constexpr std::string_view seriesName = "DTⅡ";
}  // namespace

double headChuteLength(const EquipmentSelection& selection) {
    return selection.chuteLengthBase.value_or(0.0) -
           selection.chuteLengthDeduction.value_or(0.0) / 2;  // [mm]
}

std::string lineDesignation(const ListLine& line, const EquipmentSelection& selection) {
    std::string designation(seriesName);
    if (line.form != LineForm::labelOnly) {
        designation += selection.widthCode;
        designation += line.letters;
        designation += selection[*line.slot].code.value_or(std::string());
    }
    return designation;
}

std::optional<double> lineUnitWeight(const ListLine& line, const EquipmentSelection& selection) {
    if (line.form == LineForm::labelOnly) {
        return std::nullopt;
    }
    return selection[*line.slot].unitWeight.value_or(0.0);
}

}  // namespace dtii

// Equipment entries, check parameters and coefficients as sheet fields.
#include "core/report/sheet_entries.h"

#include <array>

#include "core/calc/drive_constants.h"
#include "core/checks/check_parameters.h"
#include "core/report/sheet_figures.h"

namespace dtii {
namespace {

struct EquipmentBoxLine {
    std::string_view label;
    std::size_t box;  // Text<box>
};

constexpr std::array<EquipmentBoxLine, 5> equipmentBoxLines{{
    {"头轮或传动滚筒直径 D", 1},
    {"增面轮直径 Ds", 5},
    {"尾轮直径 Dt", 2},
    {"传动滚筒中心距头架下端 hH", 3},
    {"尾轮中心距尾架下端 hT", 4},
}};

constexpr std::string_view defaultMark = "（默认）";

// The text a parameter was typed as, or its default value marked as such.
std::string parameterText(const std::optional<std::string>& typed, double inUse) {
    if (typed && !typed->empty()) {
        return *typed;
    }
    return typedNumberText(inUse) + std::string(defaultMark);
}

}  // namespace

std::vector<SheetField> equipmentEntryFields(const DesignFile& typed) {
    const EquipmentEntries entries = typed.equipment.value_or(EquipmentEntries{});
    std::vector<SheetField> fields;
    fields.push_back({"拉紧装置形式", entries.takeUpType.value_or(std::string()), ""});
    for (const EquipmentBoxLine& line : equipmentBoxLines) {
        fields.push_back({std::string(line.label), entries.boxes[line.box], "mm"});
    }
    fields.push_back({"支腿高度", entries.legHeight.value_or(std::string()), "mm"});
    return fields;
}

std::vector<SheetField> checkParameterFields(const DesignFile& typed) {
    const CheckTexts texts = typed.checks.value_or(CheckTexts{});
    const CheckParameters inUse = usableCheckParameters(typed.checks);
    const std::string beltType = typed.lists[InputList::beltType].value_or(std::string());
    return {
        {"要求的安全系数",
         parameterText(texts.requiredSafetyFactor,
                       inUse.requiredSafetyFactor.value_or(defaultSafetyFactor(beltType))),
         ""},
        {"动堆积角 θ", parameterText(texts.surchargeAngle, inUse.surchargeAngle), "°"},
        {"电动机同步转速", parameterText(texts.motorSpeed, inUse.motorSpeed), "r/min"},
    };
}

std::vector<SheetField> coefficientFields(const ConveyorDesign& record) {
    const DriveWorkingValues& w = record.working;
    return {
        {"模拟摩擦系数 f", typedNumberText(record.input.frictionFactor), ""},
        {"附加阻力系数 C", typedNumberText(w.secondaryFactor), ""},
        {"传动滚筒与输送带间的摩擦系数 μ", typedNumberText(w.driveFriction), ""},
        {"欧拉系数 e^(μα)", workingFigure(w.wrapFactor), ""},
        {"传动效率 η", typedNumberText(motorEfficiency), ""},
        {"启动系数 K_A", typedNumberText(startingFactor), ""},
        {"允许垂度 (h/a)adm", typedNumberText(permittedSag), ""},
        {"重力加速度 g", typedNumberText(gravity), "m/s²"},
    };
}

}  // namespace dtii

// The lines of the report's equipment and structure lists: one table row per line, shared by the
// report text and the equipment list exported for purchasing.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/equipment/equipment_selection.h"

namespace dtii {

enum class LineForm { designation, headChute, labelOnly };

struct ListLine {
    std::string_view label;  // with its number, without its trailing blanks
    std::size_t blanks = 0;  // trailing blanks of the label
    std::optional<SlotId> slot;
    std::string_view letters;
    std::size_t gap = 0;  // blanks between the code and the weight
    LineForm form = LineForm::designation;
};

inline constexpr std::size_t headChuteBlanks = 24;

inline constexpr std::array<ListLine, 14> equipmentLines{{
    {"  1.传动滚筒", 9, SlotId::drivePulley, "A", 5},
    {"  2.过渡托辊10度", 5, SlotId::transitionIdler10, "C", 8},
    {"  3.过渡托辊20度", 5, SlotId::transitionIdler20, "C", 8},
    {"  4.过渡托辊30度", 5, SlotId::transitionIdler30, "C", 8},
    {"  5.缓冲托辊", 9, SlotId::impactIdler, "C", 8},
    {"  6.上托辊", 11, SlotId::carryingIdler, "C", 8},
    {"  7.上调心托辊", 7, SlotId::carryingTrainingIdler, "C", 5},
    {"  8.尾部改向滚筒", 5, SlotId::tailBendPulley, "B", 5},
    {"  9.下托辊", 11, SlotId::returnIdler, "C", 5},
    {"  10.下调心托辊", 6, SlotId::returnTrainingIdler, "C", 5},
    {"  11.头部清扫器", 6, SlotId::headCleaner, "E", 5},
    {"  12.空段清扫器", 6, SlotId::emptySectionCleaner, "E", 5},
    {"  13.拉紧装置", 8, SlotId::takeUp, "D", 5},
    {"  14.增面轮", 10, SlotId::snubPulley, "B", 5},
}};

// There is no item 15; the take-up frame (item 14) has no designation of its own.
inline constexpr std::array<ListLine, 17> structureLines{{
    {"  1.头部支架", 30, SlotId::headFrame, "J01", 8},
    {"  2.头部漏斗L=", 0, SlotId::headChute, "J22", 5, LineForm::headChute},
    {"  3.中间架L6000", 27, SlotId::intermediateFrame, "J07", 5},
    {"  4.中间架L3000~6000", 22, SlotId::intermediateFrameShort, "J07", 5},
    {"  5.凸弧段中间架L6000", 21, SlotId::convexFrame, "J07", 5},
    {"  6.凸弧段中间架L3000~6000", 16, SlotId::convexFrameShort, "J07", 5},
    {"  7.凹弧段中间架（R80000）L6000", 11, SlotId::concaveFrameR80000, "J07", 5},
    {"  8.凹弧段中间架（R120000）L6000", 10, SlotId::concaveFrameR120000, "J07", 5},
    {"  9.凹弧段中间架（R80000）L3000~6000", 6, SlotId::concaveFrameR80000Short, "J07", 5},
    {"  10.凹弧段中间架（R120000）L3000~6000", 4, SlotId::concaveFrameR120000Short, "J07", 5},
    {"  11.落料段中间架", 25, SlotId::loadingFrame, "J07", 5},
    {"  12.支腿Ⅰ", 31, SlotId::legI, "J08", 5},
    {"  13.支腿Ⅱ", 31, SlotId::legII, "J08", 5},
    {"  14.拉紧装置架", 27, std::nullopt, "", 0, LineForm::labelOnly},
    {"  16.导料槽前段", 27, SlotId::skirtFront, "J21", 5},
    {"  17.导料槽中段", 27, SlotId::skirtMiddle, "J21", 5},
    {"  18.导料槽后段", 27, SlotId::skirtRear, "J21", 5},
}};

// Length of the head chute [mm]: base - deduction / 2, unset constants counting as 0.
double headChuteLength(const EquipmentSelection& selection);

// The designation as the report writes it: "DTⅡ", width code, part letters and code; only "DTⅡ"
// for a line without a designation of its own.
std::string lineDesignation(const ListLine& line, const EquipmentSelection& selection);

// The unit weight the report writes for the line [kg]; unset weights count as 0, and a line
// without a designation has none.
std::optional<double> lineUnitWeight(const ListLine& line, const EquipmentSelection& selection);

}  // namespace dtii

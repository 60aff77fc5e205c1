// Helpers of the 1200 mm, 1400 mm and widest-belt equipment tests: one run of a width's tables with
// scripted answers, the messages it raised, and a report cut into its lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/equipment/width_rules.h"
#include "support/scripted_dialogs.h"

namespace dtii::testing {

inline constexpr const char* troughAngleText =
    "输入的槽形托辊的槽形角不是标准值，建议重新输入。推荐值：35，45。";
inline constexpr const char* noImpactText = "没有合适的缓冲托辊可选！";
inline constexpr const char* noTransitionSmallText = "没有适合的过渡托辊可选！";
inline constexpr const char* noTransitionLargeText = "没有合适的过渡托辊可选！";
inline constexpr const char* noDrivePulleyText = "没有适合的传动滚筒可选！";
inline constexpr const char* invalidLegText = "您输入的数值不合法！";

struct WidthRun {
    WidthRunResult result;
    EquipmentSelection selection;
    ScriptedDialogs dialogs;
};

// Runs one width's tables; legAnswer answers the leg-height box if it is asked.
inline WidthRun runWidth(const WidthRules& rules, const char* widthCode,
                         const SelectionInputs& inputs, const std::string& legAnswer = "") {
    WidthRun run;
    run.dialogs.textAnswers.push_back(legAnswer);
    run.result = runWidthRules(rules, widthCode, inputs, run.selection, run.dialogs);
    return run;
}

// Trough, V or flat carrying idlers with a drive pulley whose ladder is not in the way.
inline SelectionInputs carrying(double form, double d, double bearing, double trough, double tilt,
                                double D) {
    return {.form = form,
            .d = d,
            .bearing = bearing,
            .trough = trough,
            .tilt = tilt,
            .a0 = 1.2,
            .V = 2,
            .D = D,
            .Fh = 50};
}

inline std::vector<std::string> reportLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

// What a slot must hold; nullopt means unset.
struct SlotHolds {
    SlotId slot;
    std::optional<std::string> code;
    std::optional<double> weight;  // [kg]
};

}  // namespace dtii::testing

// Helpers shared by the width-table tests: running one width's rules on given inputs, checking the
// slots it leaves, and splitting a report into its lines.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/equipment/width_rules.h"
#include "support/scripted_dialogs.h"

namespace dtii::testing {

// What a slot must hold after the rules ran; nullopt means unset.
struct SlotExpectation {
    SlotId slot;
    std::optional<std::string> code;
    std::optional<double> weight;  // [kg]
};

struct WidthRun {
    WidthRunResult result;
    EquipmentSelection selection;
    ScriptedDialogs dialogs;
};

// Runs the rules of one width; the leg-height box, if asked, gets `legAnswer`.
inline WidthRun runWidth(const WidthRules& rules, std::string_view widthCode,
                         const SelectionInputs& inputs, const std::string& legAnswer = "") {
    WidthRun run;
    run.dialogs.textAnswers.push_back(legAnswer);
    run.result = runWidthRules(rules, widthCode, inputs, run.selection, run.dialogs);
    return run;
}

// Weights are compared to a few ulps: leg weights come out of a subtraction.
inline void expectSlots(const EquipmentSelection& selection,
                        const std::vector<SlotExpectation>& expected, const std::string& context) {
    for (const SlotExpectation& e : expected) {
        const Slot& slot = selection[e.slot];
        const std::string where = context + ", slot " + std::to_string(static_cast<int>(e.slot));
        EXPECT_EQ(slot.code, e.code) << where;
        ASSERT_EQ(slot.unitWeight.has_value(), e.weight.has_value()) << where;
        if (e.weight) {
            EXPECT_DOUBLE_EQ(*slot.unitWeight, *e.weight) << where;
        }
    }
}

// The input boxes asked during a run.
inline std::size_t inputBoxCount(const ScriptedDialogs& dialogs) {
    std::size_t count = 0;
    for (const ShownBox& box : dialogs.shown) {
        count += box.kind == ShownBox::Kind::input ? 1 : 0;
    }
    return count;
}

inline std::vector<std::string> splitLines(const std::string& text) {
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

inline void expectReportLines(const std::string& report, const std::vector<std::string>& expected) {
    const std::vector<std::string> lines = splitLines(report);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

}  // namespace dtii::testing

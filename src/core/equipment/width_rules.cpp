// The evaluator of the width tables: first matching row wins, messages before outcomes, and the
// leg-height question with its linear weight rule.
#include "core/equipment/width_rules.h"

#include <algorithm>
#include <string>

#include "core/numbers.h"

namespace dtii {

namespace {

void show(const Message& message, UserDialogs& dialogs) {
    const std::string_view caption = message.caption.empty() ? programTitle : message.caption;
    dialogs.showMessage(message.text, caption, MessageIcon::none);
}

// Applies the outcome of a row to one slot; returns true when the confirm must stop.
bool apply(const Then& then, Slot& slot, UserDialogs& dialogs) {
    if (then.message) {
        show(*then.message, dialogs);
    }
    switch (then.outcome) {
        case Outcome::write:
            slot.code = std::string(then.code);
            slot.unitWeight = then.weight;
            break;
        case Outcome::codeOnly:
            slot.code = std::string(then.code);
            break;
        case Outcome::weightOnly:
            slot.unitWeight = then.weight;
            break;
        case Outcome::empty:
            slot.code = std::string();
            slot.unitWeight = 0.0;
            break;
        case Outcome::unset:
            break;
        case Outcome::stop:
            return true;
    }
    return false;
}

WidthRunResult runChecks(std::span<const CheckRow> rows, const SelectionInputs& inputs,
                         UserDialogs& dialogs) {
    const auto row = std::ranges::find_if(
        rows, [&](const CheckRow& candidate) { return holds(candidate.when, inputs); });
    if (row == rows.end()) {
        return {};
    }
    show(row->message, dialogs);
    return {true, row->focusBox};
}

WidthRunResult runSlots(std::span<const SlotRow> rows, const SelectionInputs& inputs,
                        EquipmentSelection& selection, UserDialogs& dialogs) {
    for (std::size_t first = 0; first < rows.size(); ++first) {
        const SlotId slot = rows[first].slot;
        const bool seenBefore = std::ranges::any_of(
            rows.first(first), [&](const SlotRow& earlier) { return earlier.slot == slot; });
        if (seenBefore) {
            continue;
        }
        const auto taken = std::ranges::find_if(rows.subspan(first), [&](const SlotRow& candidate) {
            return candidate.slot == slot && holds(candidate.when, inputs);
        });
        if (taken == rows.end()) {
            continue;
        }
        if (apply(taken->then, selection[slot], dialogs)) {
            return {true, taken->then.focusBox};
        }
    }
    return {};
}

WidthRunResult runTransitions(std::span<const TransitionRow> rows, const SelectionInputs& inputs,
                              EquipmentSelection& selection, UserDialogs& dialogs) {
    const auto row = std::ranges::find_if(
        rows, [&](const TransitionRow& candidate) { return holds(candidate.when, inputs); });
    if (row == rows.end()) {
        return {};
    }
    constexpr std::array<SlotId, 3> slots{SlotId::transitionIdler10, SlotId::transitionIdler20,
                                          SlotId::transitionIdler30};
    if (row->then.message) {
        show(*row->then.message, dialogs);
    }
    if (row->then.outcome == Outcome::stop) {
        return {true, row->then.focusBox};
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        Then each = row->then;
        each.message.reset();
        if (each.outcome == Outcome::write || each.outcome == Outcome::codeOnly) {
            each.code = row->codes[i];
        }
        if (each.outcome == Outcome::write || each.outcome == Outcome::weightOnly) {
            each.weight = row->weights[i];
        }
        apply(each, selection[slots[i]], dialogs);
    }
    return {};
}

void runLegs(std::span<const LegTable> tables, const SelectionInputs& inputs,
             EquipmentSelection& selection, UserDialogs& dialogs) {
    const auto table =
        std::ranges::find_if(tables, [&](const LegTable& t) { return t.d == inputs.d; });
    if (table == tables.end()) {
        return;  // no legs for this roller diameter: no question, both slots unset
    }
    // The answer is read like every typed number; an empty, cancelled or non-numeric answer
    // reads as 0, which no table offers, and so gets the invalid-value message.
    const std::string answer = dialogs.askText(table->prompt, inputCaption, "");
    const double height = readLeadingNumber(answer);  // [mm]
    const auto row = std::ranges::find_if(
        table->rows, [&](const LegRow& candidate) { return holds(candidate.height, height); });
    Slot& legI = selection[SlotId::legI];
    Slot& legII = selection[SlotId::legII];
    if (row == table->rows.end()) {
        show(invalidLegHeightMessage, dialogs);
        legI = {std::string(), 0.0};
        legII = {std::string(), 0.0};
        return;
    }
    legI = {std::string(row->codeI), legWeight(row->baseI, *row, height)};
    legII = {std::string(row->codeII), legWeight(row->baseII, *row, height)};
}

void runHeadChute(std::span<const HeadChuteRow> rows, double speedLimit,
                  const SelectionInputs& inputs, EquipmentSelection& selection) {
    const bool slow = inputs.V <= speedLimit;
    const auto row = std::ranges::find_if(rows, [&](const HeadChuteRow& candidate) {
        const bool bandHolds = candidate.speed == SpeedBand::upToLimit ? slow : !slow;
        return bandHolds && holds(candidate.D, inputs.D);
    });
    if (row == rows.end()) {
        return;
    }
    selection[SlotId::headChute] = {std::string(row->code), row->weight};
    selection.chuteLengthBase = row->lengthBase;
    selection.chuteLengthDeduction = row->lengthDeduction;
}

}  // namespace

bool holds(const Values& values, double value) {
    if (values.count == 0) {
        return true;
    }
    const auto listed = std::span(values.list).first(values.count);
    const bool found = std::ranges::find(listed, value) != listed.end();
    return found != values.except;
}

bool holds(const When& when, const SelectionInputs& inputs) {
    return holds(when.form, inputs.form) && holds(when.d, inputs.d) &&
           holds(when.bearing, inputs.bearing) && holds(when.trough, inputs.trough) &&
           holds(when.tilt, inputs.tilt) && holds(when.a0, inputs.a0) && holds(when.D, inputs.D) &&
           holds(when.Ds, inputs.Ds) && (!when.FhAtMost || inputs.Fh <= *when.FhAtMost);
}

bool holds(const HeightTest& test, double height) {
    const bool aboveLower =
        test.lower.included ? height >= test.lower.value : height > test.lower.value;
    const bool belowUpper =
        test.upper.included ? height <= test.upper.value : height < test.upper.value;
    return aboveLower && belowUpper && !(test.except && height == *test.except);
}

double legWeight(double base, const LegRow& row, double height) {
    if (row.step == 0) {
        return base;
    }
    return base - (row.height.upper.value - height) / 100 * row.step;
}

WidthRunResult runWidthRules(const WidthRules& rules, std::string_view widthCode,
                             const SelectionInputs& inputs, EquipmentSelection& selection,
                             UserDialogs& dialogs) {
    for (const Stage& stage : rules.stages) {
        WidthRunResult result;
        switch (stage.kind) {
            case StageKind::widthCode:
                selection.widthCode = std::string(widthCode);
                break;
            case StageKind::checks:
                result = runChecks(stage.checks, inputs, dialogs);
                break;
            case StageKind::slots:
                result = runSlots(stage.slots, inputs, selection, dialogs);
                break;
            case StageKind::transitionIdlers:
                result = runTransitions(stage.transitions, inputs, selection, dialogs);
                break;
            case StageKind::legs:
                runLegs(stage.legs, inputs, selection, dialogs);
                break;
            case StageKind::headChute:
                runHeadChute(stage.chute, stage.chuteSpeedLimit, inputs, selection);
                break;
        }
        if (result.stopped) {
            return result;
        }
    }
    return {};
}

}  // namespace dtii

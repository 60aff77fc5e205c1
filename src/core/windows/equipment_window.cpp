// The equipment-list window's handlers: loading the take-up list, and the confirm that checks the
// entries, selects the equipment by belt width and lays out the report.
#include "core/windows/equipment_window.h"

#include <algorithm>

#include "core/design/take_up_types.h"
#include "core/equipment/width_dispatch.h"
#include "core/numbers.h"
#include "core/report/report_text.h"

namespace dtii {

namespace {

constexpr std::string_view incompleteMessage = "请检查您是否已经完整地输入了各项数据！";

// The entry boxes, numbered as the window numbers them.
constexpr int drivePulleyBox = 1;
constexpr int tailPulleyBox = 2;
constexpr int headDistanceBox = 3;
constexpr int tailDistanceBox = 4;
constexpr int snubPulleyBox = 5;

// The required boxes top to bottom as the window shows them; Text5 (the snub pulley) is not
// required.
constexpr std::array requiredBoxes{drivePulleyBox, tailPulleyBox, headDistanceBox, tailDistanceBox};

// Sends the focus to the first missing entry; false when nothing is missing. A take-up type typed
// instead of picked is accepted.
bool focusFirstMissing(EquipmentWindow& window) {
    if (window.takeUpList.text == takeUpPrompt) {
        window.focusTakeUpList = true;
        return true;
    }
    const auto empty = std::ranges::find_if(requiredBoxes, [&](int box) {
        return window.boxes[static_cast<std::size_t>(box)].empty();
    });
    if (empty == requiredBoxes.end()) {
        return false;
    }
    window.focusBox = *empty;
    return true;
}

// A diameter whose rounded value does not fit 16 bits is kept as 0, which no width lists, so the
// rules treat it as any other unlisted diameter.
std::int16_t readDiameter(const std::string& text) {
    return roundToInt16(readLeadingNumber(text)).value_or(0);
}

// The default codes written before any width rule runs.
EquipmentSelection selectionWithDefaults() {
    EquipmentSelection selection;
    selection[SlotId::headCleaner].code = "1";
    selection[SlotId::emptySectionCleaner].code = "2";
    selection[SlotId::intermediateFrameShort].code = "101";
    selection[SlotId::convexFrameShort].code = "102";
    selection[SlotId::concaveFrameR80000Short].code = "103";
    selection[SlotId::concaveFrameR120000Short].code = "104";
    selection[SlotId::loadingFrame].code = "105";
    selection[SlotId::skirtFront].code = "111";
    selection[SlotId::skirtMiddle].code = "121";
    selection[SlotId::skirtRear].code = "131";
    return selection;
}

}  // namespace

void loadEquipmentWindow(EquipmentWindow& window) {
    window.takeUpList.text = std::string(takeUpPrompt);
    window.takeUpList.items.assign(takeUpTypes.begin(), takeUpTypes.end());
}

double drivePulleyLoad(double T1, double T2) {
    return (T1 + T2) * 1.1 / 1000;  // [kN]; this order of operations decides the ladder's limits
}

ConfirmResult confirmEquipment(EquipmentWindow& window, const ConveyorDesign& design,
                               EquipmentWindowValues& values, UserDialogs& dialogs) {
    window.focusBox.reset();
    window.focusTakeUpList = false;
    if (focusFirstMissing(window)) {
        dialogs.showMessage(incompleteMessage, programTitle, MessageIcon::none);
        return {};
    }
    const SharedDesign& shared = design.shared;
    const double Fh = drivePulleyLoad(shared.T1, shared.T2);  // [kN]

    const auto box = [&](int index) -> const std::string& {
        return window.boxes[static_cast<std::size_t>(index)];
    };
    values.D = readDiameter(box(drivePulleyBox));
    values.Dt = readDiameter(box(tailPulleyBox));
    values.hH = readLeadingNumber(box(headDistanceBox));
    values.hT = readLeadingNumber(box(tailDistanceBox));
    values.takeUpType = window.takeUpList.text;
    const double Ds = readLeadingNumber(box(snubPulleyBox));  // [mm]

    EquipmentSelection selection = selectionWithDefaults();
    const WidthEntry* width = findWidth(shared.B);
    if (width != nullptr) {
        const SelectionInputs inputs{
            .form = static_cast<double>(shared.carryingIdlerForm),
            .d = static_cast<double>(shared.carryingRollerDiameter),
            .bearing = static_cast<double>(shared.carryingBearing),
            .trough = shared.carryingTroughAngle,
            .tilt = shared.carryingTiltAngle,
            .a0 = shared.a0,
            .V = shared.V,
            .D = static_cast<double>(values.D),
            .Ds = Ds,
            .Fh = Fh,
        };
        const WidthRunResult run =
            runWidthRules(*width->rules, width->widthCode, inputs, selection, dialogs);
        if (!selection.widthCode.empty()) {
            values.widthCode = selection.widthCode;
        }
        if (run.stopped) {
            if (run.focusBox != 0) {
                window.focusBox = run.focusBox;
            }
            return {};
        }
    } else {
        // A width without tables prints no width code rather than one left over from an earlier
        // selection.
        values.widthCode.clear();
    }
    ConfirmResult result;
    result.outcome = SelectionOutcome::completed;
    result.reportText = buildReport(design, selection);
    result.selection = std::move(selection);
    return result;
}

}  // namespace dtii

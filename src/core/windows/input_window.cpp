// The input window's handlers: loading, the belt-width box, the idler forms and roller lists, the
// plough-tripper box, reset, and the compute command with the checks that guard the calculation.
#include "core/windows/input_window.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/calc/design_limits.h"
#include "core/calc/drive_calculation.h"
#include "core/calc/resistance_tables.h"
#include "core/design/list_choices.h"
#include "core/design/roller_tables.h"
#include "core/design/selection_lists.h"
#include "core/file/design_file.h"
#include "core/numbers.h"

namespace dtii {
namespace {

constexpr std::string_view incompleteMessage = "请检查您是否已经完整地输入了各项数据！";
constexpr std::string_view rollerMissingMessage = "选取参数有误，请重新选取！";
constexpr std::string_view beltWidthOutOfRangeMessage = "输入的带宽值超出范围，请重新输入！";
constexpr std::string_view notFiniteMessage =
    "计算结果超出数值范围（例如包角过小），请检查输入的数据！";
constexpr std::string_view listInvalidMessageTail = "的选择无效，请从列表中重新选取！";

// ---- idler forms and roller lists -------------------------------------------------------------

// What an idler-form button says when the belt width has no roller length for its form.
std::string_view invalidWidthMessage(std::int16_t form) {
    return form == flatIdler ? "输入的带宽值不合法，请重新输入！"
                             : "输入的带宽值不合法！请重新输入。";
}

std::optional<IdlerButton>& selectedButton(InputWindow& window, IdlerSide side) {
    return side == IdlerSide::carrying ? window.carryingIdlerButton : window.returnIdlerButton;
}

std::int16_t& idlerFormOf(ConveyorDesign& design, IdlerSide side) {
    return side == IdlerSide::carrying ? design.shared.carryingIdlerForm
                                       : design.shared.returnIdlerForm;
}

std::int16_t& rollerLengthOf(ConveyorDesign& design, IdlerSide side) {
    return side == IdlerSide::carrying ? design.input.carryingRollerLength
                                       : design.input.returnRollerLength;
}

bool offers(const std::vector<std::string>& items, std::string_view text) {
    return std::find(items.begin(), items.end(), text) != items.end();
}

// Empties a list that holds items and puts its prompt back, unless `keepOfferedPick` and the new
// items still offer what it shows; then fills in the new items.
void refillList(InputWindow& window, InputList list, std::vector<std::string> items,
                bool keepOfferedPick) {
    ListState& state = window.lists[list];
    const bool keep = keepOfferedPick && offers(items, state.text);
    if (!state.items.empty()) {
        state.items.clear();
        if (!keep) {
            state.text = std::string(listPrompt(list));
        }
    }
    state.items = std::move(items);
}

void refillRollerLists(InputWindow& window, const ConveyorDesign& design, IdlerSide side,
                       std::int16_t form, bool keepOfferedPicks) {
    const RollerLists lists = rollerListsOf(side);
    RollerListItems items = rollerListItems(design.shared.B, form, side);
    refillList(window, lists.bearing, std::move(items.bearings), keepOfferedPicks);
    refillList(window, lists.diameter, std::move(items.diameters), keepOfferedPicks);
}

// ---- compute-time checks ----------------------------------------------------------------------

bool isMissing(const InputWindow& window, InputEntry entry) {
    if (const auto* box = std::get_if<InputBox>(&entry)) {
        return window.boxes[*box].empty();
    }
    const InputList list = std::get<InputList>(entry);
    return window.lists[list].text == listPrompt(list);
}

// The first empty box or list still at its prompt, as the person reads the window.
std::optional<InputEntry> firstMissingEntry(const InputWindow& window) {
    for (const InputEntry entry : inputReadingOrder) {
        if (isMissing(window, entry)) {
            return entry;
        }
    }
    return std::nullopt;
}

// The leading number of every box.
PerBox<double> readBoxes(const InputWindow& window) {
    PerBox<double> values;
    for (const InputBox box : inputBoxes) {
        values[box] = readLeadingNumber(window.boxes[box]);
    }
    return values;
}

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}
bool notNegative(double value) {
    return value >= 0;
}
bool lengthInTable(double value) {
    return value > 0 && value <= 5000;
}

struct EntryCheck {
    InputBox box;
    bool (*valid)(double);
    std::string_view message;
};

// In the order the checks run; the ply count and belt width follow.
constexpr std::array<EntryCheck, 8> entryChecks{{
    {InputBox::beltSpeed, positive, "带速V必须大于0，请重新输入！"},
    {InputBox::materialDensity, positive, "物料密度r必须大于0，请重新输入！"},
    {InputBox::carryingSpacing, positive, "承载分支托辊间距a0必须大于0，请重新输入！"},
    {InputBox::returnSpacing, positive, "回程分支托辊间距au必须大于0，请重新输入！"},
    {InputBox::conveyorLength, lengthInTable, "输送机长度L必须大于0且不超过5000米，请重新输入！"},
    {InputBox::capacity, notNegative, "每小时输送量Q不能小于0，请重新输入！"},
    {InputBox::horizontalLength, notNegative, "输送机水平投影长度L0不能小于0，请重新输入！"},
    {InputBox::wrapAngle, positive, "胶带在传动滚筒上的包角必须大于0，请重新输入！"},
}};

constexpr std::string_view pliesMessage = "输送带层数必须在0到32767之间，请重新输入！";

std::string beltWidthMessage() {
    return "输送带宽度B只能是" + calculableBeltWidthsText("或") + "毫米，请重新输入！";
}

void refuse(InputWindow& window, UserDialogs& dialogs, std::string_view message,
            std::optional<InputBox> focusBox = std::nullopt) {
    dialogs.showMessage(message, programTitle, MessageIcon::none);
    if (focusBox) {
        window.focusBox = focusBox;
    }
}

// Takes every list's value from the text it shows now; false (after the message) when a list
// shows something that is not one of its value-carrying items.
bool storeShownChoices(InputWindow& window, ConveyorDesign& candidate, UserDialogs& dialogs) {
    for (const InputList list : inputLists) {
        const ListState& state = window.lists[list];
        if (!offers(state.items, state.text) || !storeListChoice(candidate, list, state.text)) {
            refuse(window, dialogs,
                   std::string(listSubject(list)) + std::string(listInvalidMessageTail));
            return false;
        }
    }
    return true;
}

// Reads and checks the entry boxes into the candidate record; false after the message.
bool storeEntries(InputWindow& window, ConveyorDesign& candidate, UserDialogs& dialogs) {
    const PerBox<double> value = readBoxes(window);
    for (const EntryCheck& check : entryChecks) {
        if (!check.valid(value[check.box])) {
            refuse(window, dialogs, check.message, check.box);
            return false;
        }
    }
    const bool fabricBelt = candidate.input.plyMass != 0 && candidate.input.coverMass != 0;
    const std::optional<std::int16_t> plies = roundToInt16(value[InputBox::plies]);
    if (fabricBelt && !(plies && *plies >= 0)) {
        refuse(window, dialogs, pliesMessage, InputBox::plies);
        return false;
    }
    const std::optional<std::int16_t> B = roundToInt16(value[InputBox::beltWidth]);
    // Only the widths with a skirt width can be calculated.
    if (!B || !skirtWidth(*B)) {
        refuse(window, dialogs, beltWidthMessage(), InputBox::beltWidth);
        return false;
    }

    SharedDesign& s = candidate.shared;
    InputDesign& in = candidate.input;
    in.L = value[InputBox::conveyorLength];
    s.H = value[InputBox::lift];
    s.a0 = value[InputBox::carryingSpacing];
    in.au = value[InputBox::returnSpacing];
    s.r = value[InputBox::materialDensity];
    s.V = value[InputBox::beltSpeed];
    s.Q = value[InputBox::capacity];
    s.carryingTroughAngle = value[InputBox::carryingTroughAngle];
    s.carryingTiltAngle = value[InputBox::carryingTiltAngle];
    in.returnTroughAngle = value[InputBox::returnTroughAngle];
    in.returnTiltAngle = value[InputBox::returnTiltAngle];
    in.wrapAngle = value[InputBox::wrapAngle];
    if (plies) {
        in.plies = *plies;  // a steel-cord belt does not use it
    }
    s.Lh = value[InputBox::horizontalLength];
    s.B = *B;
    // Roller lengths and the plough resistance follow the width of this calculation.
    for (const IdlerSide side : {IdlerSide::carrying, IdlerSide::returning}) {
        rollerLengthOf(candidate, side) =
            rollerLength(s.B, idlerFormOf(candidate, side)).value_or(0);
    }
    in.ploughResistance = window.ploughTrippers ? ploughResistance(in.ploughCount, s.B) : 0.0;
    return true;
}

}  // namespace

void loadInputWindow(InputWindow& window, ConveyorDesign& design) {
    const auto fill = [&window](InputList list, const auto& rows) {
        window.lists[list].text = std::string(listPrompt(list));
        window.lists[list].items.clear();
        for (const auto& row : rows) {
            window.lists[list].items.emplace_back(row.text);
        }
    };
    fill(InputList::workingCondition, workingConditions);
    fill(InputList::runningCondition, runningConditions);
    fill(InputList::drumSurface, drumSurfaces);
    // The roller lists are filled by the idler-form choice.
    for (const IdlerSide side : {IdlerSide::carrying, IdlerSide::returning}) {
        for (const InputList list : {rollerListsOf(side).bearing, rollerListsOf(side).diameter}) {
            window.lists[list].text = std::string(listPrompt(list));
            window.lists[list].items.clear();
        }
    }
    fill(InputList::covers, coverThicknesses);
    fill(InputList::beltType, beltTypes);
    design.input.ploughResistance = 0;
    design.input.driveFrictionTable = driveFrictionTable;
}

void beltWidthLostFocus(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs) {
    const std::optional<std::int16_t> B =
        roundToInt16(readLeadingNumber(window.boxes[InputBox::beltWidth]));
    if (!B) {
        dialogs.showMessage(beltWidthOutOfRangeMessage, programTitle, MessageIcon::none);
        window.focusBox = InputBox::beltWidth;
        return;
    }
    const bool changed = *B != design.shared.B;
    design.shared.B = *B;
    if (!changed) {
        return;
    }
    // The roller lists of a chosen idler form follow the new width.
    for (const IdlerSide side : {IdlerSide::carrying, IdlerSide::returning}) {
        if (selectedButton(window, side)) {
            refillRollerLists(window, design, side, idlerFormOf(design, side), true);
        }
    }
}

void chooseIdlerForm(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs,
                     IdlerButton button) {
    const IdlerButtonRow& row = idlerButtonRow(button);
    selectedButton(window, row.side) = button;
    idlerFormOf(design, row.side) = row.form;
    const std::optional<std::int16_t> length = rollerLength(design.shared.B, row.form);
    if (length) {
        rollerLengthOf(design, row.side) = *length;
    } else {
        dialogs.showMessage(invalidWidthMessage(row.form), programTitle, MessageIcon::none);
        window.focusBox = InputBox::beltWidth;
    }
    refillRollerLists(window, design, row.side, row.form, false);
}

void pickListItem(InputWindow& window, ConveyorDesign& design, InputList list) {
    storeListChoice(design, list, window.lists[list].text);
}

void openList(const InputWindow& window, UserDialogs& dialogs, InputList list) {
    if (!window.boxes[InputBox::beltWidth].empty()) {
        return;
    }
    if (list == InputList::carryingBearing || list == InputList::returnBearing) {
        dialogs.showMessage("请先选择托辊形式,在上面的输入框中输入带宽B的值并选择辊子直径！",
                            guidanceCaption, MessageIcon::information);
    } else if (list == InputList::carryingRollerDiameter ||
               list == InputList::returnRollerDiameter) {
        dialogs.showMessage("请先选择托辊形式，并在上面的输入框中输入带宽B的值", guidanceCaption,
                            MessageIcon::information);
    }
}

void ploughTrippersChanged(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs,
                           bool checked) {
    window.ploughTrippers = checked;
    if (!checked) {
        return;
    }
    if (window.boxes[InputBox::beltWidth].empty()) {
        dialogs.showMessage("请先在下面输入框中输入输送带宽度B的值！", guidanceCaption,
                            MessageIcon::information);
        window.focusBox = InputBox::beltWidth;
        window.ploughTrippers = false;
        return;
    }
    const std::string answer = dialogs.askText("请输入卸料器的个数：", inputCaption, "1");
    design.input.ploughCount = readLeadingNumber(answer);
    design.input.ploughResistance = ploughResistance(design.input.ploughCount, design.shared.B);
}

std::string listEmptiedByWidthNote(const InputWindow& window, const ConveyorDesign& design,
                                   InputList list) {
    for (const IdlerSide side : {IdlerSide::carrying, IdlerSide::returning}) {
        const RollerLists lists = rollerListsOf(side);
        const std::optional<IdlerButton>& chosen =
            side == IdlerSide::carrying ? window.carryingIdlerButton : window.returnIdlerButton;
        if ((list == lists.bearing || list == lists.diameter) && chosen &&
            window.lists[list].items.empty() && !skirtWidth(design.shared.B)) {
            return "输送带宽度B为" + std::to_string(design.shared.B) +
                   "毫米，不是可选的带宽（只能是" + calculableBeltWidthsText("或") +
                   "毫米），此列表没有可选项。";
        }
    }
    return {};
}

std::string ploughTripperCountText(const InputWindow& window, const ConveyorDesign& design) {
    if (!window.ploughTrippers) {
        return {};
    }
    return typedNumberText(design.input.ploughCount) + " 个";
}

void resetInputWindow(InputWindow& window) {
    for (const InputBox box : inputBoxes) {
        window.boxes[box].clear();
    }
    window.carryingIdlerButton.reset();
    window.returnIdlerButton.reset();
    for (const InputList list : inputLists) {
        window.lists[list].text = std::string(listPrompt(list));
    }
}

ComputeOutcome computeDrive(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs) {
    if (const std::optional<InputEntry> missing = firstMissingEntry(window)) {
        refuse(window, dialogs, incompleteMessage);
        if (const auto* box = std::get_if<InputBox>(&*missing)) {
            window.focusBox = *box;
        } else {
            window.focusList = std::get<InputList>(*missing);
        }
        return ComputeOutcome::refused;
    }
    ConveyorDesign candidate = design;
    if (!storeShownChoices(window, candidate, dialogs) ||
        !storeEntries(window, candidate, dialogs)) {
        return ComputeOutcome::refused;
    }
    if (const auto broken = firstBrokenEntryLimit(candidate, window.ploughTrippers)) {
        refuse(window, dialogs, broken->message, broken->focusBox);
        return ComputeOutcome::refused;
    }
    switch (runDriveCalculation(candidate)) {
        case DriveOutcome::computed:
            if (const auto broken = firstBrokenTensionLimit(candidate)) {
                refuse(window, dialogs, broken->message);
                return ComputeOutcome::refused;
            }
            design = std::move(candidate);
            return ComputeOutcome::computed;
        case DriveOutcome::carryingRollerMissing:
        case DriveOutcome::returnRollerMissing:
            dialogs.showMessage(rollerMissingMessage, guidanceCaption, MessageIcon::information);
            return ComputeOutcome::refused;
        case DriveOutcome::outsideTables:
        case DriveOutcome::notFinite:
            break;
    }
    refuse(window, dialogs, notFiniteMessage);
    return ComputeOutcome::refused;
}

}  // namespace dtii

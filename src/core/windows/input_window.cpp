// The input window's handlers: loading, the belt-width box, the idler forms and roller lists, the
// plough-tripper box, reset, and the compute command with the checks that guard the calculation.
#include "core/windows/input_window.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/calc/drive_calculation.h"
#include "core/calc/resistance_tables.h"
#include "core/design/list_choices.h"
#include "core/design/roller_tables.h"
#include "core/design/selection_lists.h"
#include "core/file/design_file.h"
#include "core/numbers.h"

namespace dtii {
namespace {

constexpr int beltWidthBox = 3;
constexpr double ploughResistancePerMillimetre = 1.5;  // [N per mm of belt width and tripper]

constexpr std::string_view incompleteMessage = "请检查您是否已经完整地输入了各项数据！";
constexpr std::string_view rollerMissingMessage = "选取参数有误，请重新选取！";
constexpr std::string_view beltWidthOutOfRangeMessage = "输入的带宽值超出范围，请重新输入！";
constexpr std::string_view notFiniteMessage =
    "计算结果超出数值范围（例如包角过小），请检查输入的数据！";
constexpr std::string_view listInvalidMessageTail = "的选择无效，请从列表中重新选取！";

// ---- idler forms and roller lists -------------------------------------------------------------

struct IdlerButton {
    int optionNumber;
    IdlerSide side;
    std::int16_t form;
    std::string_view invalidWidthMessage;
};

constexpr std::string_view invalidWidthTroughOrV = "输入的带宽值不合法！请重新输入。";
constexpr std::string_view invalidWidthFlat = "输入的带宽值不合法，请重新输入！";

constexpr std::array<IdlerButton, 6> idlerButtons{{
    {1, IdlerSide::carrying, troughIdler, invalidWidthTroughOrV},
    {2, IdlerSide::carrying, vIdler, invalidWidthTroughOrV},
    {3, IdlerSide::carrying, flatIdler, invalidWidthFlat},
    {4, IdlerSide::returning, flatIdler, invalidWidthFlat},
    {5, IdlerSide::returning, vIdler, invalidWidthTroughOrV},
    {6, IdlerSide::returning, troughIdler, invalidWidthTroughOrV},
}};

struct SideLists {
    int diameterList;
    int bearingList;
};

SideLists listsOf(IdlerSide side) {
    return side == IdlerSide::carrying ? SideLists{6, 4} : SideLists{7, 5};
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
void refillList(ListState& list, std::vector<std::string> items, int listNumber,
                bool keepOfferedPick) {
    const bool keep = keepOfferedPick && offers(items, list.text);
    if (!list.items.empty()) {
        list.items.clear();
        if (!keep) {
            list.text = std::string(listPrompt(listNumber));
        }
    }
    list.items = std::move(items);
}

void refillRollerLists(InputWindow& window, const ConveyorDesign& design, IdlerSide side,
                       std::int16_t form, bool keepOfferedPicks) {
    const SideLists lists = listsOf(side);
    RollerListItems items = rollerListItems(design.shared.B, form, side);
    refillList(window.lists[lists.bearingList], std::move(items.bearings), lists.bearingList,
               keepOfferedPicks);
    refillList(window.lists[lists.diameterList], std::move(items.diameters), lists.diameterList,
               keepOfferedPicks);
}

// ---- compute-time checks ----------------------------------------------------------------------

bool isMissing(const InputWindow& window, InputEntry entry) {
    const auto index = static_cast<std::size_t>(entry.number);
    return entry.kind == InputEntry::Kind::box
               ? window.boxes[index].empty()
               : window.lists[index].text == listPrompt(entry.number);
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

// The leading number of every box, indexed by box number.
using BoxValues = std::array<double, inputBoxCount + 1>;

BoxValues readBoxes(const InputWindow& window) {
    BoxValues values{};
    for (int box = 1; box <= inputBoxCount; ++box) {
        values[static_cast<std::size_t>(box)] = readLeadingNumber(window.boxes[box]);
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
    int box;
    bool (*valid)(double);
    std::string_view message;
};

// In the order the checks run; the ply count and belt width follow.
constexpr std::array<EntryCheck, 8> entryChecks{{
    {7, positive, "带速V必须大于0，请重新输入！"},
    {6, positive, "物料密度r必须大于0，请重新输入！"},
    {4, positive, "承载分支托辊间距a0必须大于0，请重新输入！"},
    {5, positive, "回程分支托辊间距au必须大于0，请重新输入！"},
    {1, lengthInTable, "输送机长度L必须大于0且不超过5000米，请重新输入！"},
    {8, notNegative, "每小时输送量Q不能小于0，请重新输入！"},
    {15, notNegative, "输送机水平投影长度L0不能小于0，请重新输入！"},
    {14, positive, "胶带在传动滚筒上的包角必须大于0，请重新输入！"},
}};

constexpr std::string_view pliesMessage = "输送带层数必须在0到32767之间，请重新输入！";
constexpr std::string_view beltWidthMessage =
    "输送带宽度B只能是500，650，800，1000，1200或1400毫米，请重新输入！";

void refuse(InputWindow& window, UserDialogs& dialogs, std::string_view message,
            std::optional<int> focusBox = std::nullopt) {
    dialogs.showMessage(message, programTitle, MessageIcon::none);
    if (focusBox) {
        window.focusBox = focusBox;
    }
}

// Takes every list's value from the text it shows now; false (after the message) when a list
// shows something that is not one of its value-carrying items.
bool storeShownChoices(InputWindow& window, ConveyorDesign& candidate, UserDialogs& dialogs) {
    for (int list = 1; list <= inputListCount; ++list) {
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
    const BoxValues values = readBoxes(window);
    const auto boxValue = [&values](int box) { return values[static_cast<std::size_t>(box)]; };
    for (const EntryCheck& check : entryChecks) {
        if (!check.valid(boxValue(check.box))) {
            refuse(window, dialogs, check.message, check.box);
            return false;
        }
    }
    const bool fabricBelt = candidate.input.plyMass != 0 && candidate.input.coverMass != 0;
    const std::optional<std::int16_t> plies = roundToInt16(boxValue(9));
    if (fabricBelt && !(plies && *plies >= 0)) {
        refuse(window, dialogs, pliesMessage, 9);
        return false;
    }
    const std::optional<std::int16_t> B = roundToInt16(boxValue(beltWidthBox));
    // Only the widths with a skirt width can be calculated.
    if (!B || !skirtWidth(*B)) {
        refuse(window, dialogs, beltWidthMessage, beltWidthBox);
        return false;
    }

    SharedDesign& s = candidate.shared;
    InputDesign& in = candidate.input;
    in.L = boxValue(1);
    s.H = boxValue(2);
    s.a0 = boxValue(4);
    in.au = boxValue(5);
    s.r = boxValue(6);
    s.V = boxValue(7);
    s.Q = boxValue(8);
    s.carryingTroughAngle = boxValue(10);
    s.carryingTiltAngle = boxValue(11);
    in.returnTroughAngle = boxValue(12);
    in.returnTiltAngle = boxValue(13);
    in.wrapAngle = boxValue(14);
    if (plies) {
        in.plies = *plies;  // a steel-cord belt does not use it
    }
    s.Lh = boxValue(15);
    s.B = *B;
    // Roller lengths and the plough resistance follow the width of this calculation.
    for (const IdlerSide side : {IdlerSide::carrying, IdlerSide::returning}) {
        rollerLengthOf(candidate, side) =
            rollerLength(s.B, idlerFormOf(candidate, side)).value_or(0);
    }
    in.ploughResistance =
        window.ploughTrippers ? in.ploughCount * s.B * ploughResistancePerMillimetre : 0.0;
    return true;
}

}  // namespace

void loadInputWindow(InputWindow& window, ConveyorDesign& design) {
    const auto fill = [&window](int list, const auto& rows) {
        window.lists[list].text = std::string(listPrompt(list));
        window.lists[list].items.clear();
        for (const auto& row : rows) {
            window.lists[list].items.emplace_back(row.text);
        }
    };
    fill(1, workingConditions);
    fill(2, runningConditions);
    fill(3, drumSurfaces);
    // The roller lists are filled by the idler-form choice.
    for (int list = 4; list <= 7; ++list) {
        window.lists[list].text = std::string(listPrompt(list));
        window.lists[list].items.clear();
    }
    fill(8, coverThicknesses);
    fill(9, beltTypes);
    design.input.ploughResistance = 0;
    design.input.driveFrictionTable = driveFrictionTable;
}

void beltWidthLostFocus(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs) {
    const std::optional<std::int16_t> B =
        roundToInt16(readLeadingNumber(window.boxes[beltWidthBox]));
    if (!B) {
        dialogs.showMessage(beltWidthOutOfRangeMessage, programTitle, MessageIcon::none);
        window.focusBox = beltWidthBox;
        return;
    }
    const bool changed = *B != design.shared.B;
    design.shared.B = *B;
    if (!changed) {
        return;
    }
    // The roller lists of a chosen idler form follow the new width.
    if (window.carryingOption) {
        refillRollerLists(window, design, IdlerSide::carrying, design.shared.carryingIdlerForm,
                          true);
    }
    if (window.returnOption) {
        refillRollerLists(window, design, IdlerSide::returning, design.shared.returnIdlerForm,
                          true);
    }
}

void chooseIdlerForm(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs,
                     int optionNumber) {
    if (optionNumber < 1 || optionNumber > static_cast<int>(idlerButtons.size())) {
        return;
    }
    const IdlerButton& button = idlerButtons.at(static_cast<std::size_t>(optionNumber - 1));
    (button.side == IdlerSide::carrying ? window.carryingOption : window.returnOption) =
        optionNumber;
    idlerFormOf(design, button.side) = button.form;
    const std::optional<std::int16_t> length = rollerLength(design.shared.B, button.form);
    if (length) {
        rollerLengthOf(design, button.side) = *length;
    } else {
        dialogs.showMessage(button.invalidWidthMessage, programTitle, MessageIcon::none);
        window.focusBox = beltWidthBox;
    }
    refillRollerLists(window, design, button.side, button.form, false);
}

void pickListItem(InputWindow& window, ConveyorDesign& design, int listNumber) {
    if (listNumber < 1 || listNumber > inputListCount) {
        return;
    }
    storeListChoice(design, listNumber, window.lists[listNumber].text);
}

void openList(const InputWindow& window, UserDialogs& dialogs, int listNumber) {
    if (!window.boxes[beltWidthBox].empty()) {
        return;
    }
    if (listNumber == 4 || listNumber == 5) {
        dialogs.showMessage("请先选择托辊形式,在上面的输入框中输入带宽B的值并选择辊子直径！",
                            guidanceCaption, MessageIcon::information);
    } else if (listNumber == 6 || listNumber == 7) {
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
    if (window.boxes[beltWidthBox].empty()) {
        dialogs.showMessage("请先在下面输入框中输入输送带宽度B的值！", guidanceCaption,
                            MessageIcon::information);
        window.focusBox = beltWidthBox;
        window.ploughTrippers = false;
        return;
    }
    const std::string answer = dialogs.askText("请输入卸料器的个数：", inputCaption, "1");
    design.input.ploughCount = readLeadingNumber(answer);
    design.input.ploughResistance =
        design.input.ploughCount * design.shared.B * ploughResistancePerMillimetre;
}

std::string ploughTripperCountText(const InputWindow& window, const ConveyorDesign& design) {
    if (!window.ploughTrippers) {
        return {};
    }
    return typedNumberText(design.input.ploughCount) + " 个";
}

void resetInputWindow(InputWindow& window) {
    for (int box = 1; box <= inputBoxCount; ++box) {
        window.boxes[box].clear();
    }
    window.carryingOption.reset();
    window.returnOption.reset();
    for (int list = 1; list <= inputListCount; ++list) {
        window.lists[list].text = std::string(listPrompt(list));
    }
}

ComputeOutcome computeDrive(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs) {
    if (const std::optional<InputEntry> missing = firstMissingEntry(window)) {
        refuse(window, dialogs, incompleteMessage);
        (missing->kind == InputEntry::Kind::box ? window.focusBox : window.focusList) =
            missing->number;
        return ComputeOutcome::refused;
    }
    ConveyorDesign candidate = design;
    if (!storeShownChoices(window, candidate, dialogs) ||
        !storeEntries(window, candidate, dialogs)) {
        return ComputeOutcome::refused;
    }
    switch (runDriveCalculation(candidate)) {
        case DriveOutcome::computed:
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

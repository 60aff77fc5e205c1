// Replaying a design file through the window handlers and capturing one from the window models.
#include "core/file/design_replay.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "core/checks/design_checks.h"
#include "core/design/list_choices.h"
#include "core/numbers.h"

namespace dtii {
namespace {

static_assert(std::tuple_size_v<decltype(EquipmentWindow::boxes)> ==
              std::tuple_size_v<decltype(EquipmentEntries::boxes)>);

// The button of `side` whose caption is `caption`; none for "" or any other text.
std::optional<IdlerButton> buttonWithCaption(IdlerSide side, std::string_view caption) {
    for (const IdlerButtonRow& row : idlerButtons) {
        if (row.side == side && row.caption == caption) {
            return row.button;
        }
    }
    return std::nullopt;
}

std::string captionOf(std::optional<IdlerButton> button) {
    return button ? std::string(idlerButtonRow(*button).caption) : std::string();
}

void chooseIdlerFormByCaption(IdlerSide side, const std::string& caption,
                              std::optional<IdlerButton>& selected, InputWindow& window,
                              ConveyorDesign& record, UserDialogs& dialogs) {
    const std::optional<IdlerButton> button = buttonWithCaption(side, caption);
    selected = button;
    if (button) {
        chooseIdlerForm(window, record, dialogs, *button);
    }
}

}  // namespace

void replayInputWindow(const DesignFile& design, InputWindow& window, ConveyorDesign& record,
                       UserDialogs& dialogs) {
    window.boxes = design.boxes;
    beltWidthLostFocus(window, record, dialogs);

    chooseIdlerFormByCaption(IdlerSide::carrying, design.carryingIdlerForm,
                             window.carryingIdlerButton, window, record, dialogs);
    chooseIdlerFormByCaption(IdlerSide::returning, design.returnIdlerForm, window.returnIdlerButton,
                             window, record, dialogs);

    // The lists are picked in the window's numbering; a list the design leaves out shows the
    // prompt the window loads it with.
    for (const InputList list : inputLists) {
        if (const auto& text = design.lists[list]) {
            window.lists[list].text = *text;
            pickListItem(window, record, list);
        } else {
            window.lists[list].text = std::string(listPrompt(list));
        }
    }

    // A checked box is unchecked first, so that the design's count is asked and stored anew.
    if (window.ploughTrippers) {
        window.ploughTrippers = false;
        ploughTrippersChanged(window, record, dialogs, false);
    }
    if (design.ploughTrippers) {
        window.ploughTrippers = true;
        ploughTrippersChanged(window, record, dialogs, true);
    }
}

std::optional<double> enteredPulleyDiameter(const std::optional<EquipmentEntries>& entries) {
    if (!entries) {
        return std::nullopt;
    }
    return enteredPulleyDiameter(readLeadingNumber(entries->boxes[1]));
}

std::string enteredTakeUpType(const std::optional<EquipmentEntries>& entries) {
    return entries && entries->takeUpType ? *entries->takeUpType : std::string();
}

void replayEquipmentWindow(const EquipmentEntries& entries, EquipmentWindow& window) {
    if (entries.takeUpType) {
        window.takeUpList.text = *entries.takeUpType;
    } else {
        EquipmentWindow fresh;
        loadEquipmentWindow(fresh);
        window.takeUpList.text = fresh.takeUpList.text;
    }
    for (std::size_t box = 1; box < window.boxes.size(); ++box) {
        window.boxes[box] = entries.boxes[box];
    }
}

DesignFile captureInputWindow(const InputWindow& window, const ConveyorDesign& record) {
    DesignFile design;
    design.boxes = window.boxes;
    for (const InputList list : inputLists) {
        if (window.lists[list].text != listPrompt(list)) {
            design.lists[list] = window.lists[list].text;
        }
    }
    design.carryingIdlerForm = captionOf(window.carryingIdlerButton);
    design.returnIdlerForm = captionOf(window.returnIdlerButton);
    if (window.ploughTrippers) {
        design.ploughTrippers = typedNumberText(record.input.ploughCount);
    }
    return design;
}

EquipmentEntries captureEquipmentWindow(const EquipmentWindow& window,
                                        std::optional<std::string> legHeight) {
    EquipmentEntries entries;
    EquipmentWindow fresh;
    loadEquipmentWindow(fresh);
    if (window.takeUpList.text != fresh.takeUpList.text) {
        entries.takeUpType = window.takeUpList.text;
    }
    for (std::size_t box = 1; box < window.boxes.size(); ++box) {
        entries.boxes[box] = window.boxes[box];
    }
    entries.legHeight = std::move(legHeight);
    return entries;
}

}  // namespace dtii

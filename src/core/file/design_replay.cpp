// Replaying a design file through the window handlers and capturing one from the window models.
#include "core/file/design_replay.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "core/design/list_choices.h"

namespace dtii {
namespace {

static_assert(std::tuple_size_v<decltype(InputWindow::boxes)> ==
              std::tuple_size_v<decltype(DesignFile::boxes)>);
static_assert(std::tuple_size_v<decltype(InputWindow::lists)> ==
              std::tuple_size_v<decltype(DesignFile::lists)>);
static_assert(std::tuple_size_v<decltype(EquipmentWindow::boxes)> ==
              std::tuple_size_v<decltype(EquipmentEntries::boxes)>);

// An idler-form button: its number (Option1 ... Option6) and caption.
struct IdlerButton {
    int option;
    std::string_view caption;
};

constexpr std::array<IdlerButton, 3> carryingButtons{{
    {1, troughIdlerCaption},
    {2, vIdlerCaption},
    {3, flatIdlerCaption},
}};

constexpr std::array<IdlerButton, 3> returnButtons{{
    {4, flatIdlerCaption},
    {5, vIdlerCaption},
    {6, troughIdlerCaption},
}};

std::optional<int> optionForCaption(const std::array<IdlerButton, 3>& buttons,
                                    std::string_view caption) {
    for (const IdlerButton& button : buttons) {
        if (button.caption == caption) {
            return button.option;
        }
    }
    return std::nullopt;
}

std::string captionForOption(const std::array<IdlerButton, 3>& buttons, std::optional<int> option) {
    for (const IdlerButton& button : buttons) {
        if (option == button.option) {
            return std::string(button.caption);
        }
    }
    return {};
}

void chooseIdlerFormByCaption(const std::array<IdlerButton, 3>& buttons, const std::string& caption,
                              std::optional<int>& selected, InputWindow& window,
                              ConveyorDesign& record, UserDialogs& dialogs) {
    const std::optional<int> option = optionForCaption(buttons, caption);
    selected = option;
    if (option) {
        chooseIdlerForm(window, record, dialogs, *option);
    }
}

}  // namespace

void replayInputWindow(const DesignFile& design, InputWindow& window, ConveyorDesign& record,
                       UserDialogs& dialogs) {
    for (std::size_t box = 1; box < window.boxes.size(); ++box) {
        window.boxes[box] = design.boxes[box];
    }
    beltWidthLostFocus(window, record, dialogs);

    chooseIdlerFormByCaption(carryingButtons, design.carryingIdlerForm, window.carryingOption,
                             window, record, dialogs);
    chooseIdlerFormByCaption(returnButtons, design.returnIdlerForm, window.returnOption, window,
                             record, dialogs);

    for (int list = 1; list <= inputListCount; ++list) {
        const auto index = static_cast<std::size_t>(list);
        if (const auto& text = design.lists[index]) {
            window.lists[index].text = *text;
            pickListItem(window, record, list);
        } else {
            window.lists[index].text = std::string(listPrompt(list));
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
    for (std::size_t box = 1; box < window.boxes.size(); ++box) {
        design.boxes[box] = window.boxes[box];
    }
    for (std::size_t list = 1; list < window.lists.size(); ++list) {
        if (window.lists[list].text != listPrompt(static_cast<int>(list))) {
            design.lists[list] = window.lists[list].text;
        }
    }
    design.carryingIdlerForm = captionForOption(carryingButtons, window.carryingOption);
    design.returnIdlerForm = captionForOption(returnButtons, window.returnOption);
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

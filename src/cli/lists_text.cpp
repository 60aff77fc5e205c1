// The text of dtii-calc lists: every list's item texts, so a design file can be written without
// the windows. The roller lists are shown as the idler-form buttons fill them for each width.
#include <array>
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "core/design/roller_tables.h"
#include "core/file/design_file.h"
#include "core/windows/equipment_window.h"
#include "core/windows/input_window.h"

namespace dtii {
namespace {

// The idler-form buttons of each side in the order the captions are listed.
constexpr std::array<IdlerButton, 3> carryingButtons{
    IdlerButton::carryingTrough, IdlerButton::carryingV, IdlerButton::carryingFlat};
constexpr std::array<IdlerButton, 3> returnButtons{IdlerButton::returnTrough, IdlerButton::returnV,
                                                   IdlerButton::returnFlat};

// Choosing an idler form for a listed width shows nothing; anything shown is dropped.
class SilentDialogs : public UserDialogs {
public:
    void showMessage(std::string_view, std::string_view, MessageIcon) override {}
    std::string askText(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
    bool askOkCancel(std::string_view, std::string_view) override { return true; }
};

std::string_view listKey(InputList list) {
    for (const DesignKey<InputList>& key : inputListKeys) {
        if (key.control == list) {
            return key.key;
        }
    }
    return {};
}

std::string quotedItem(std::string_view item) {
    return "\"" + std::string(item) + "\"";
}

// The items that carry a value: the bare "D=" and empty items only hold a place.
std::string valueItems(const ListState& list) {
    std::string items;
    for (const std::string& item : list.items) {
        if (!item.empty() && item != "D=") {
            items += (items.empty() ? "" : " ") + quotedItem(item);
        }
    }
    return items.empty() ? "（无可选项）" : items;
}

void addList(std::string& text, std::string_view key, const ListState& list) {
    text += std::string(key) + "（未选时显示：" + list.text + "）\n";
    for (const std::string& item : list.items) {
        text += "  " + quotedItem(item) + "\n";
    }
}

void addRollerLists(std::string& text, std::string_view sideKey,
                    const std::array<IdlerButton, 3>& buttons) {
    const RollerLists lists = rollerListsOf(idlerButtonRow(buttons.front()).side);
    text += "input." + std::string(listKey(lists.diameter)) + " / input." +
            std::string(listKey(lists.bearing)) + "（按带宽 B 与 " + std::string(sideKey) +
            " 而定）\n";
    for (const std::int16_t B : rollerListWidths()) {
        const std::string width = std::to_string(B);
        for (const IdlerButton button : buttons) {
            InputWindow window;
            ConveyorDesign record;
            SilentDialogs dialogs;
            loadInputWindow(window, record);
            window.boxes[InputBox::beltWidth] = width;
            beltWidthLostFocus(window, record, dialogs);
            chooseIdlerForm(window, record, dialogs, button);
            text += "  B=" + std::string(width) + " " +
                    std::string(idlerButtonRow(button).caption) + "：" +
                    valueItems(window.lists[lists.diameter]) + " / " +
                    valueItems(window.lists[lists.bearing]) + "\n";
        }
    }
}

}  // namespace

std::string listsText() {
    InputWindow window;
    ConveyorDesign record;
    loadInputWindow(window, record);
    std::string text;
    for (const DesignKey<InputList>& key : inputListKeys) {
        const ListState& list = window.lists[key.control];
        if (!list.items.empty()) {
            addList(text, "input." + std::string(key.key), list);
        }
    }
    text += "input.carryingIdlerForm, input.returnIdlerForm\n";
    for (const std::string_view caption : {troughIdlerCaption, vIdlerCaption, flatIdlerCaption}) {
        text += "  " + quotedItem(caption) + "\n";
    }
    addRollerLists(text, "carryingIdlerForm", carryingButtons);
    addRollerLists(text, "returnIdlerForm", returnButtons);
    EquipmentWindow equipment;
    loadEquipmentWindow(equipment);
    addList(text, "equipment.takeUpType", equipment.takeUpList);
    return text;
}

}  // namespace dtii

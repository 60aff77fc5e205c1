// The input window as plain data plus its handlers. The Qt window copies its widgets into an
// InputWindow, calls a handler, and shows what the InputWindow then holds; the command line
// drives the same handlers from a design file.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/design/conveyor_design.h"
#include "core/dialogs.h"
#include "core/windows/list_state.h"

namespace dtii {

// Entry boxes Text1 ... Text15 and lists Combo1 ... Combo9, indexed by their number.
inline constexpr int inputBoxCount = 15;
inline constexpr int inputListCount = 9;

struct InputWindow {
    std::array<std::string, inputBoxCount + 1> boxes;  // [1] .. [15]; [0] unused
    std::array<ListState, inputListCount + 1> lists;   // [1] .. [9]; [0] unused
    std::optional<int> carryingOption;                 // 1, 2 or 3 when a button is selected
    std::optional<int> returnOption;                   // 4, 5 or 6 when a button is selected
    bool ploughTrippers = false;                       // Check1
    // A box that should get the focus with its whole text selected (set by a handler, cleared by
    // the window once it has moved the focus).
    std::optional<int> focusBox;
    // Likewise a list that should get the focus (Combo<focusList>).
    std::optional<int> focusList;
};

// A box or a list of the input window.
struct InputEntry {
    enum class Kind { box, list };
    Kind kind;
    int number;  // Text<number> or Combo<number>

    bool operator==(const InputEntry&) const = default;
};

// Every box and list in the order the window shows them, as a person reads it (and the Tab key
// follows it): the condition lists, the left column, the belt frame, the carrying then the return
// idler frame.
inline constexpr std::array<InputEntry, 24> inputReadingOrder{{
    {InputEntry::Kind::list, 1}, {InputEntry::Kind::list, 2}, {InputEntry::Kind::list, 3},
    {InputEntry::Kind::box, 3},  {InputEntry::Kind::box, 4},  {InputEntry::Kind::box, 5},
    {InputEntry::Kind::box, 6},  {InputEntry::Kind::box, 7},  {InputEntry::Kind::box, 8},
    {InputEntry::Kind::box, 1},  {InputEntry::Kind::box, 2},  {InputEntry::Kind::box, 14},
    {InputEntry::Kind::box, 15}, {InputEntry::Kind::list, 9}, {InputEntry::Kind::list, 8},
    {InputEntry::Kind::box, 9},  {InputEntry::Kind::box, 10}, {InputEntry::Kind::list, 6},
    {InputEntry::Kind::box, 11}, {InputEntry::Kind::list, 4}, {InputEntry::Kind::box, 12},
    {InputEntry::Kind::list, 7}, {InputEntry::Kind::box, 13}, {InputEntry::Kind::list, 5},
}};

// Fills the lists with their prompts and items, writes the friction table and clears the plough
// resistance: what happens when the input window loads.
void loadInputWindow(InputWindow& window, ConveyorDesign& design);

// Text3 lost focus: reads the belt width into B; a width beyond 16 bits is refused with a message
// and not stored. A new width refills the roller lists of a side whose idler form is selected,
// keeping a pick the new lists still offer.
void beltWidthLostFocus(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs);

// One of the idler-form buttons Option1 ... Option6 was clicked.
void chooseIdlerForm(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs,
                     int optionNumber);

// An item was picked in Combo<listNumber>; the window has already put the item text into
// window.lists[listNumber].text.
void pickListItem(InputWindow& window, ConveyorDesign& design, int listNumber);

// Combo<listNumber> is about to open its drop-down (the roller lists check the belt width).
void openList(const InputWindow& window, UserDialogs& dialogs, int listNumber);

// Check1 changed to `checked` (the window has already stored it in ploughTrippers).
void ploughTrippersChanged(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs,
                           bool checked);

// Command3: empties the boxes, unselects the idler buttons and puts the prompts back.
void resetInputWindow(InputWindow& window);

enum class ComputeOutcome { computed, refused };

// The text beside the plough-tripper box: the count the calculation will use ("2 个") while the
// box is checked, nothing otherwise.
std::string ploughTripperCountText(const InputWindow& window, const ConveyorDesign& design);

// Command1: the drive calculation. On `computed`, design.shared.resultsText holds the listing.
// Before anything is computed it checks, showing only the first failure and then changing nothing
// in the record: every box filled and no list at its prompt (focusBox or focusList then names the
// first empty one in reading order); each list (Combo1 ... Combo9)
// showing one of the value-carrying items it offers, whose values are then taken; the entries V,
// r, a0, au, L, Q, Lh, wrap angle, plies and B in range (focusBox then names the box); a roller
// mass for both sides; and finally results that are finite numbers. Roller lengths and the plough
// resistance (0 while Check1 is unchecked) follow the belt width of this calculation.
ComputeOutcome computeDrive(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs);

}  // namespace dtii

// The input window as plain data plus its handlers. The Qt window copies its widgets into an
// InputWindow, calls a handler, and shows what the InputWindow then holds; the command line
// drives the same handlers from a design file.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "core/design/conveyor_design.h"
#include "core/design/input_fields.h"
#include "core/dialogs.h"
#include "core/windows/list_state.h"

namespace dtii {

struct InputWindow {
    PerBox<std::string> boxes;
    PerList<ListState> lists;
    std::optional<IdlerButton> carryingIdlerButton;  // a carrying-side button when one is selected
    std::optional<IdlerButton> returnIdlerButton;    // a return-side button when one is selected
    bool ploughTrippers = false;                     // the plough-tripper check box
    // A box that should get the focus with its whole text selected (set by a handler, cleared by
    // the window once it has moved the focus).
    std::optional<InputBox> focusBox;
    // Likewise a list that should get the focus.
    std::optional<InputList> focusList;
};

// A box or a list of the input window.
using InputEntry = std::variant<InputBox, InputList>;

// Every box and list in the order the window shows them, as a person reads it (and the Tab key
// follows it): the condition lists, the left column, the belt frame, the carrying then the return
// idler frame.
inline constexpr std::array<InputEntry, inputBoxCount + inputListCount> inputReadingOrder{{
    InputList::workingCondition,
    InputList::runningCondition,
    InputList::drumSurface,
    InputBox::beltWidth,
    InputBox::carryingSpacing,
    InputBox::returnSpacing,
    InputBox::materialDensity,
    InputBox::beltSpeed,
    InputBox::capacity,
    InputBox::conveyorLength,
    InputBox::lift,
    InputBox::wrapAngle,
    InputBox::horizontalLength,
    InputList::beltType,
    InputList::covers,
    InputBox::plies,
    InputBox::carryingTroughAngle,
    InputList::carryingRollerDiameter,
    InputBox::carryingTiltAngle,
    InputList::carryingBearing,
    InputBox::returnTroughAngle,
    InputList::returnRollerDiameter,
    InputBox::returnTiltAngle,
    InputList::returnBearing,
}};

// Fills the lists with their prompts and items, writes the friction table and clears the plough
// resistance: what happens when the input window loads.
void loadInputWindow(InputWindow& window, ConveyorDesign& design);

// The belt-width box lost focus: reads the belt width into B; a width beyond 16 bits is refused
// with a message and not stored. A new width refills the roller lists of a side whose idler form is
// selected, keeping a pick the new lists still offer.
void beltWidthLostFocus(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs);

// One of the idler-form buttons was clicked.
void chooseIdlerForm(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs,
                     IdlerButton button);

// An item was picked in `list`; the window has already put the item text into
// window.lists[list].text.
void pickListItem(InputWindow& window, ConveyorDesign& design, InputList list);

// `list` is about to open its drop-down (the roller lists check the belt width).
void openList(const InputWindow& window, UserDialogs& dialogs, InputList list);

// The plough-tripper check box changed to `checked` (the window has already stored it in
// ploughTrippers).
void ploughTrippersChanged(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs,
                           bool checked);

// The reset command: empties the boxes, unselects the idler buttons and puts the prompts back.
void resetInputWindow(InputWindow& window);

enum class ComputeOutcome { computed, refused };

// The text beside the plough-tripper box: the count the calculation will use ("2 个") while the
// box is checked, nothing otherwise.
std::string ploughTripperCountText(const InputWindow& window, const ConveyorDesign& design);

// Why a roller list of a chosen idler form offers nothing: the belt width is not one of the listed
// widths. Empty when the list has items or the width is not the cause.
std::string listEmptiedByWidthNote(const InputWindow& window, const ConveyorDesign& design,
                                   InputList list);

// The compute command: the drive calculation. On `computed`, design.shared.resultsText holds the
// listing. Before anything is computed it checks, showing only the first failure and then changing
// nothing in the record: every box filled and no list at its prompt (focusBox or focusList then
// names the first empty one in reading order); each list showing one of the
// value-carrying items it offers, whose values are then taken; the entries V, r, a0, au, L, Q, Lh,
// wrap angle, plies and B in range (focusBox then names the box); the limits of a design that can
// run (firstBrokenEntryLimit); a roller mass for both sides; and finally results that are finite
// numbers with every belt tension above 0. Roller lengths and the plough resistance (0 while the
// plough-tripper box is unchecked) follow the belt width of this calculation.
ComputeOutcome computeDrive(InputWindow& window, ConveyorDesign& design, UserDialogs& dialogs);

}  // namespace dtii

// Puts a design file into the window models through their own handlers, as a person would type
// and click it in, and takes a design file back out of the window models.
#pragma once

#include <optional>
#include <string>

#include "core/design/conveyor_design.h"
#include "core/dialogs.h"
#include "core/file/design_file.h"
#include "core/windows/equipment_window.h"
#include "core/windows/input_window.h"

namespace dtii {

// Enters the design into a loaded input window in the window's own order: every box typed, the
// belt-width box loses focus, the carrying then the return idler form is clicked, the lists are
// picked in number order (a pick, not an opening: no drop-down check), then the plough-tripper
// box. A list the design leaves out shows its prompt again; an idler form of "" unselects the
// buttons. The plough-tripper count is asked through `dialogs`, which answers from the design.
// Nothing is computed: the caller presses compute (computeDrive) when it wants the results.
void replayInputWindow(const DesignFile& design, InputWindow& window, ConveyorDesign& record,
                       UserDialogs& dialogs);

// Enters the equipment entries into a loaded equipment-list window (take-up type and the five
// boxes). Nothing is selected until the caller confirms (confirmEquipment).
void replayEquipmentWindow(const EquipmentEntries& entries, EquipmentWindow& window);

// The drive-pulley diameter the entries hold (their first box), the way the checks take it [mm]:
// none while none is entered.
std::optional<double> enteredPulleyDiameter(const std::optional<EquipmentEntries>& entries);

// The take-up type the entries hold, the way the checks take it: empty while none is entered.
std::string enteredTakeUpType(const std::optional<EquipmentEntries>& entries);

// The design as the input window shows it now: box texts, list texts (none for a list showing its
// prompt), the chosen idler forms and, when the plough-tripper box is checked, its count.
DesignFile captureInputWindow(const InputWindow& window, const ConveyorDesign& record);

// The equipment-list window's entries; `legHeight` is the last answer to the leg-height box.
EquipmentEntries captureEquipmentWindow(const EquipmentWindow& window,
                                        std::optional<std::string> legHeight);

}  // namespace dtii

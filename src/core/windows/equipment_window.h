// The equipment-list window as plain data plus its confirm handler, which selects the equipment
// by belt width and lays out the report.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/design/conveyor_design.h"
#include "core/dialogs.h"
#include "core/equipment/equipment_selection.h"
#include "core/windows/list_state.h"

namespace dtii {

// Values of the equipment-list window that outlive one confirm and the window itself: every
// confirm that passes the completeness check overwrites D, Dt, hH and hT, and every width rule
// overwrites widthCode. Owned beside the design record for the whole run.
struct EquipmentWindowValues {
    std::int16_t D = 0;   // drive-pulley diameter [mm]
    std::int16_t Dt = 0;  // tail-pulley diameter [mm]
    double hH = 0;        // head pulley centre to head frame base [mm]
    double hT = 0;        // tail pulley centre to tail frame base [mm]
    std::string takeUpType;
    std::string widthCode;
};

struct EquipmentWindow {
    ListState takeUpList;              // Combo1
    std::array<std::string, 6> boxes;  // Text1 ... Text5 at [1] .. [5]; [0] unused
    std::optional<int> focusBox;       // box to focus with its text selected after a stop
    bool focusTakeUpList = false;      // the take-up list to focus after a stop
};

// What happens when the window loads: the take-up list gets its prompt and four items.
void loadEquipmentWindow(EquipmentWindow& window);

enum class SelectionOutcome { completed, stopped };

struct ConfirmResult {
    SelectionOutcome outcome = SelectionOutcome::stopped;
    std::string reportText;        // the report, when completed
    EquipmentSelection selection;  // what the width rules selected, when completed
};

// Fh, the drive-pulley load [kN] from the belt tensions T1 and T2 [N]: sum, times 1.1, over 1000.
double drivePulleyLoad(double T1, double T2);

// Command1 of the equipment-list window. A stop leaves the window's entries as typed and sets
// focusBox when the width names a box to focus, or focuses the first missing entry (the take-up
// list, then the required boxes top to bottom) after the incompleteness message; nothing else of
// the run is kept.
ConfirmResult confirmEquipment(EquipmentWindow& window, const ConveyorDesign& design,
                               EquipmentWindowValues& values, UserDialogs& dialogs);

}  // namespace dtii

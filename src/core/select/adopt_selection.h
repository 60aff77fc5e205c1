// Taking a design of the automatic selection into the input window.
#pragma once

#include "core/dialogs.h"
#include "core/select/selected_design.h"
#include "core/windows/input_window.h"

namespace dtii {

// Types the chosen belt width, speed and plies into their boxes and picks the belt type, through
// the handlers a person's typing and picking would run. Nothing is computed.
void adoptSelectedDesign(const SelectedDesign& chosen, InputWindow& window, ConveyorDesign& record,
                         UserDialogs& dialogs);

}  // namespace dtii

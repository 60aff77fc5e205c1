// Saving the input window's design to a design file and opening one again, through the same
// handlers a person's typing and clicking would run.
#pragma once

#include "core/design/conveyor_design.h"
#include "core/dialogs.h"
#include "core/windows/input_window.h"
#include "ui/platform.h"

class QWidget;

namespace dtii {

// Asks where to save and writes the design as the window shows it; says why when it fails.
void saveDesignToFile(const InputWindow& window, const ConveyorDesign& design, Platform& platform,
                      UserDialogs& dialogs, QWidget* parent);

// Asks which file to open and enters its design into the window; a file that cannot be read is
// named in a message and changes nothing. True when a design was entered.
bool openDesignFile(InputWindow& window, ConveyorDesign& design, Platform& platform,
                    UserDialogs& dialogs, QWidget* parent);

}  // namespace dtii

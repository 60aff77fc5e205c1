// The input window of dtii-calc: a design file typed in through the window's handlers and
// computed, as the calc, report and check commands all begin.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/command_dialogs.h"
#include "core/design/conveyor_design.h"
#include "core/file/design_file.h"
#include "core/windows/input_window.h"

namespace dtii {

// Reads the design file a command names ("-": standard input); nothing, with the reason written
// to `err`, when it cannot be read, or when `strict` and a number entry does not read as typed.
std::optional<DesignFile> loadCommandDesign(const std::string& designPath, bool strict,
                                            std::ostream& err);

// Loads the window, enters the design and presses compute; false when a check refused it (its
// message is on the dialogs' lines).
bool computeDesign(const DesignFile& design, InputWindow& window, ConveyorDesign& record,
                   CommandDialogs& dialogs);

}  // namespace dtii

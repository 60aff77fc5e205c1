// Saving the input window's design to a design file and opening one again, through the same
// handlers a person's typing and clicking would run.
#pragma once

#include "core/design/conveyor_design.h"
#include "core/dialogs.h"
#include "core/file/design_file.h"
#include "core/windows/input_window.h"
#include "ui/platform.h"

class QWidget;

namespace dtii {

// Asks where to save and writes the design as the window shows it, with the project's title
// block when it has one; says why when it fails.
void saveDesignToFile(const InputWindow& window, const ConveyorDesign& design,
                      const ProjectInfo& project, Platform& platform, UserDialogs& dialogs,
                      QWidget* parent);

// Asks which file to open and enters its design into the window and its title block into
// `project`; a file that cannot be read is named in a message and changes nothing. True when a
// design was entered.
bool openDesignFile(InputWindow& window, ConveyorDesign& design, ProjectInfo& project,
                    Platform& platform, UserDialogs& dialogs, QWidget* parent);

}  // namespace dtii

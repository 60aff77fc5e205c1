// Saving the input window's design to a design file and opening one again, through the same
// handlers a person's typing and clicking would run.
#pragma once

#include "core/design/conveyor_design.h"
#include "core/dialogs.h"
#include "core/file/design_file.h"
#include "core/windows/input_window.h"
#include "ui/check_settings.h"
#include "ui/platform.h"

class QWidget;

namespace dtii {

// Asks where to save and writes the design as the window shows it, with the check parameters
// when any is set and the project's title block when it has one; says why when it fails.
void saveDesignToFile(const InputWindow& window, const ConveyorDesign& design,
                      const CheckSettings& checks, const ProjectInfo& project, Platform& platform,
                      UserDialogs& dialogs, QWidget* parent);

// Asks which file to open and enters its design into the window; a file that cannot be read is
// named in a message and changes nothing. The file's check parameters replace the session's, its
// title block goes into `project`. True when a design was entered.
bool openDesignFile(InputWindow& window, ConveyorDesign& design, CheckSettings& checks,
                    ProjectInfo& project, Platform& platform, UserDialogs& dialogs,
                    QWidget* parent);

}  // namespace dtii

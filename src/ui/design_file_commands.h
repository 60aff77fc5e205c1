// Saving the input window's design to a design file and opening one again, through the same
// handlers a person's typing and clicking would run.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>

#include "core/design/conveyor_design.h"
#include "core/dialogs.h"
#include "core/file/design_file.h"
#include "core/windows/input_window.h"
#include "ui/platform.h"

class QWidget;

namespace dtii {

// Asks where to save a design file; empty when cancelled. A name without an extension gets
// ".json".
QString chooseDesignFileToSave(Platform& platform, QWidget* parent);

// Asks which design file to open; empty when cancelled.
QString chooseDesignFileToOpen(Platform& platform, QWidget* parent);

// Writes the design to `path`; says why when it fails. True when it was written.
bool writeDesignFile(const DesignFile& design, const QString& path, UserDialogs& dialogs);

// Reads a design file; one that cannot be read is named in a message and nothing is returned.
std::optional<DesignFile> readDesignFile(const QString& path, UserDialogs& dialogs);

// Enters a design read from a file into the input window; the plough-tripper count is answered
// from the file.
void enterDesignIntoWindow(const DesignFile& design, InputWindow& window, ConveyorDesign& record,
                           UserDialogs& dialogs);

}  // namespace dtii

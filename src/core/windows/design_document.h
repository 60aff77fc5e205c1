// The design file the input window is editing: its path, what it held when last opened or saved,
// the question before unsaved edits would be lost, and the list of recently opened files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/file/design_file.h"

namespace dtii {

struct DesignDocument {
    std::filesystem::path path;  // empty for a design never saved or opened
    DesignFile saved;            // the design as last opened, saved or started afresh
};

// True when the design the windows show differs from the one last opened or saved.
bool hasUnsavedEdits(const DesignDocument& document, const DesignFile& shown);

// The input window's title: the file name and Qt's modified mark "[*]" before the program's
// title, or the program's title alone (with the mark) for a design without a file.
std::string documentWindowTitle(const DesignDocument& document);

enum class LeaveDecision { proceed, saveFirst, stay };

// Asked before the shown design is closed, replaced or cleared: with no unsaved edits it goes on
// without a question; otherwise 保存 / 不保存 / 取消 decide.
LeaveDecision askBeforeLeaving(const DesignDocument& document, const DesignFile& shown,
                               UserDialogs& dialogs);

// A file name typed without an extension gets ".json"; any other name is kept as it is.
std::filesystem::path withDesignExtension(std::filesystem::path path);
// The same for any file kind: `extension` (".pdf") is added to a name without one.
std::filesystem::path withExtension(std::filesystem::path path, std::string_view extension);

inline constexpr std::size_t recentFileLimit = 5;

// The recently opened files after `path` was opened or saved: it moves to the front, once, and
// the list keeps the newest recentFileLimit.
std::vector<std::string> recentFilesAfterUse(std::vector<std::string> recent,
                                             const std::string& path);

}  // namespace dtii

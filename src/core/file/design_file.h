// The design file: a saved design as JSON texts, read from and written to disk. One format serves
// saving and opening a design in the windows and the dtii-calc command.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/checks/check_parameters.h"

namespace dtii {

// A JSON key of the "input" section and the number of the box or list of the input window that
// it stands for.
struct DesignKey {
    std::string_view key;
    int number;
};

// The entry boxes Text1 ... Text15, in the order the file lists them.
inline constexpr std::array<DesignKey, 15> inputBoxKeys{{
    {"B", 3},
    {"a0", 4},
    {"au", 5},
    {"r", 6},
    {"V", 7},
    {"Q", 8},
    {"L", 1},
    {"H", 2},
    {"wrapAngle", 14},
    {"Lh", 15},
    {"plies", 9},
    {"carryingTroughAngle", 10},
    {"carryingTiltAngle", 11},
    {"returnTroughAngle", 12},
    {"returnTiltAngle", 13},
}};

// The lists Combo1 ... Combo9, in the order the file lists them.
inline constexpr std::array<DesignKey, 9> inputListKeys{{
    {"workingCondition", 1},
    {"runningCondition", 2},
    {"drumSurface", 3},
    {"beltType", 9},
    {"covers", 8},
    {"carryingRollerDiameter", 6},
    {"carryingBearing", 4},
    {"returnRollerDiameter", 7},
    {"returnBearing", 5},
}};

// The entry boxes Text1 ... Text5 of the equipment-list window.
inline constexpr std::array<DesignKey, 5> equipmentBoxKeys{{
    {"D", 1},
    {"Ds", 5},
    {"Dt", 2},
    {"hH", 3},
    {"hT", 4},
}};

// The captions of the idler-form buttons; "" means no button chosen.
inline constexpr std::string_view troughIdlerCaption = "槽形托辊";
inline constexpr std::string_view vIdlerCaption = "V形托辊";
inline constexpr std::string_view flatIdlerCaption = "平行托辊";

// The equipment-list window of a design.
struct EquipmentEntries {
    std::optional<std::string> takeUpType;  // absent: the list still shows its prompt
    std::array<std::string, 6> boxes;       // Text1 ... Text5 at [1] .. [5]; [0] unused
    std::optional<std::string> legHeight;   // absent: the leg-height box is cancelled

    bool operator==(const EquipmentEntries&) const = default;
};

// The title block of the calculation sheet: 工程名称, 设计, 校核, 日期 (every text may be empty).
struct ProjectInfo {
    std::string name;
    std::string designer;
    std::string checker;
    std::string date;

    bool operator==(const ProjectInfo&) const = default;
};

// Everything a design file holds, as the texts typed or picked in the windows.
struct DesignFile {
    std::array<std::string, 16> boxes;                 // Text1 ... Text15 at [1] .. [15]
    std::array<std::optional<std::string>, 10> lists;  // Combo1 ... Combo9; absent: prompt
    std::string carryingIdlerForm;                     // a button caption, or "" for none
    std::string returnIdlerForm;
    std::optional<std::string> ploughTrippers;  // present: box checked, the tripper count answer
    std::optional<EquipmentEntries> equipment;  // absent: the file has no "equipment" section
    std::optional<ProjectInfo> project;         // absent: the file has no "project" section
    std::optional<CheckTexts> checks;           // absent: the file has no "checks" section

    bool operator==(const DesignFile&) const = default;
};

// Either the design or a message that names the file, the key and what is wrong.
struct DesignFileResult {
    std::optional<DesignFile> design;
    std::string error;
};

// Reads a design from JSON text; `fileName` names the source in error messages.
DesignFileResult parseDesignFile(std::string_view json, std::string_view fileName);

// Reads a design from a file, or from standard input when `path` is "-".
DesignFileResult loadDesignFile(const std::filesystem::path& path);

// The JSON text of a design: every key of the format, two-space indented, ending in a line feed.
std::string designFileText(const DesignFile& design);

// Writes designFileText to `path`, replacing the file; returns a reason when it fails.
std::optional<std::string> saveDesignFile(const DesignFile& design,
                                          const std::filesystem::path& path);

// The text a JSON number stands for, written as a person would type it: the shortest text that
// reads back to the same double ("800", "1.2", "-0.5", "1e+30").
std::string typedNumberText(double value);

}  // namespace dtii

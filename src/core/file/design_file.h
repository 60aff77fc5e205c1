// The design file: a saved design as JSON texts, read from and written to disk. One format serves
// saving and opening a design in the windows and the dtii-calc command.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/checks/check_parameters.h"
#include "core/design/input_fields.h"

namespace dtii {

// A JSON key of a section and the control of its window that it stands for.
template <class Control>
struct DesignKey {
    std::string_view key;
    Control control;
};

// The entry boxes of the input window, in the order the file lists them.
inline constexpr std::array<DesignKey<InputBox>, inputBoxCount> inputBoxKeys{{
    {"B", InputBox::beltWidth},
    {"a0", InputBox::carryingSpacing},
    {"au", InputBox::returnSpacing},
    {"r", InputBox::materialDensity},
    {"V", InputBox::beltSpeed},
    {"Q", InputBox::capacity},
    {"L", InputBox::conveyorLength},
    {"H", InputBox::lift},
    {"wrapAngle", InputBox::wrapAngle},
    {"Lh", InputBox::horizontalLength},
    {"plies", InputBox::plies},
    {"carryingTroughAngle", InputBox::carryingTroughAngle},
    {"carryingTiltAngle", InputBox::carryingTiltAngle},
    {"returnTroughAngle", InputBox::returnTroughAngle},
    {"returnTiltAngle", InputBox::returnTiltAngle},
}};

// The lists of the input window, in the order the file lists them.
inline constexpr std::array<DesignKey<InputList>, inputListCount> inputListKeys{{
    {"workingCondition", InputList::workingCondition},
    {"runningCondition", InputList::runningCondition},
    {"drumSurface", InputList::drumSurface},
    {"beltType", InputList::beltType},
    {"covers", InputList::covers},
    {"carryingRollerDiameter", InputList::carryingRollerDiameter},
    {"carryingBearing", InputList::carryingBearing},
    {"returnRollerDiameter", InputList::returnRollerDiameter},
    {"returnBearing", InputList::returnBearing},
}};

// The entry boxes Text1 ... Text5 of the equipment-list window, by number.
inline constexpr std::array<DesignKey<int>, 5> equipmentBoxKeys{{
    {"D", 1},
    {"Ds", 5},
    {"Dt", 2},
    {"hH", 3},
    {"hT", 4},
}};

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
    std::string number;    // 计算书编号
    std::string revision;  // 版次
    std::string stage;     // 设计阶段
    std::string company;
    std::string reviewer;  // 审核
    std::string approver;  // 审定

    bool operator==(const ProjectInfo&) const = default;
};

// Everything a design file holds, as the texts typed or picked in the windows.
struct DesignFile {
    PerBox<std::string> boxes;
    PerList<std::optional<std::string>> lists;  // absent: the list shows its prompt
    std::string carryingIdlerForm;              // a button caption, or "" for none
    std::string returnIdlerForm;
    std::optional<std::string> ploughTrippers;  // present: box checked, the tripper count answer
    std::optional<EquipmentEntries> equipment;  // absent: the file has no "equipment" section
    std::optional<ProjectInfo> project;         // absent: the file has no "project" section
    std::optional<CheckTexts> checks;           // absent: the file has no "checks" section

    bool operator==(const DesignFile&) const = default;
};

// A design file is a few kilobytes and a few levels deep; a file beyond either limit is refused
// before it can cost time or memory.
inline constexpr std::size_t designFileByteLimit = 1024 * 1024;  // [bytes]
inline constexpr std::size_t designFileNestingLimit = 64;  // objects and arrays, one in another

// Either the design or a message that names the file, the key and what is wrong.
struct DesignFileResult {
    std::optional<DesignFile> design;
    std::string error;
};

// Reads a design from JSON text; `fileName` names the source in error messages.
DesignFileResult parseDesignFile(std::string_view json, std::string_view fileName);

// Reads a design from a file, or from standard input when `path` is "-"; never more than one
// byte past designFileByteLimit.
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

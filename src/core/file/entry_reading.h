// Whether a typed number entry reads as typed: the one rule behind the sheet's notes and the
// command line's strict reading.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file/design_file.h"

namespace dtii {

// How an entry is read when it is not read as typed: the value the leading-number rule makes of
// it and why that differs from the text.
struct EntryMisreading {
    double value = 0;
    std::string_view reason;  // "开头不是数字", "含全角数字", "数字后还有其他字符"
};

// Nothing for an empty text or one that is a number and nothing else (blanks are ignored, as the
// leading-number rule ignores them); else how it is read ("abc", "５００", "12abc").
std::optional<EntryMisreading> entryMisreading(std::string_view text);

// One entry of a design that is not read as typed.
struct MisreadEntry {
    std::string key;  // the design-file key: "input.Q", "equipment.legHeight"
    std::string text;
    EntryMisreading reading;
};

// Every number entry of `design` (the input boxes, the plough-tripper count, the equipment boxes
// and the leg height) not read as typed, in the order the file lists them.
std::vector<MisreadEntry> misreadEntries(const DesignFile& design);

// "键“input.Q”的值“abc”开头不是数字，按 0 读取"
std::string misreadEntryText(const MisreadEntry& entry);

// The design-file error of the strict reading for the first misread entry of `design`, naming the
// file; nothing when every entry reads as typed.
std::optional<std::string> strictReadingError(const DesignFile& design, std::string_view fileName);

}  // namespace dtii

// Which equipment tables a belt width runs, and the width code it prints.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/equipment/width_rules.h"

namespace dtii {

struct WidthEntry {
    std::int16_t B = 0;  // belt width [mm]
    std::string_view widthCode;
    const WidthRules* rules = nullptr;
};

// The entry of belt width B, or nothing for a width without tables.
const WidthEntry* findWidth(std::int16_t B);

// Every width with tables, in the order of the dispatch table.
std::span<const WidthEntry> widthEntries();

}  // namespace dtii

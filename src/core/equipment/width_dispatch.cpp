// The belt widths that have equipment tables: one row per width, with its width code.
#include "core/equipment/width_dispatch.h"

#include <algorithm>
#include <array>

#include "core/equipment/width_tables.h"

namespace dtii {

namespace {

// Add a width here with one line once its tables exist (one row per line, as printed).
// clang-format off
constexpr std::array widths{
    WidthEntry{500, "01", &width500Rules},
    WidthEntry{650, "02", &width650Rules},
    WidthEntry{800, "03", &width800Rules},
    WidthEntry{1000, "04", &width1000Rules},
    WidthEntry{1200, "05", &width1200Rules},
    WidthEntry{1400, "06", &width1400Rules},
    WidthEntry{1600, "07", &width1600To2400Rules},
    WidthEntry{1800, "08", &width1600To2400Rules},
    WidthEntry{2000, "09", &width1600To2400Rules},
    WidthEntry{2200, "10", &width1600To2400Rules},
    WidthEntry{2400, "11", &width1600To2400Rules},
};
// clang-format on

}  // namespace

const WidthEntry* findWidth(std::int16_t B) {
    const auto entry =
        std::ranges::find_if(widths, [B](const WidthEntry& candidate) { return candidate.B == B; });
    return entry == widths.end() ? nullptr : &*entry;
}

std::span<const WidthEntry> widthEntries() {
    return widths;
}

}  // namespace dtii

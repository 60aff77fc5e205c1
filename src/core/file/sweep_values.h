// The values of one varied key of a sweep: a comma-separated list of texts, or a numeric range
// START:STOP:STEP written out value by value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dtii {

// The most variants one sweep runs.
inline constexpr std::uint64_t largestSweep = 10'000'000;

// Either the values or what is wrong with the text.
struct SweepValuesResult {
    std::vector<std::string> values;
    std::string error;
};

// A text with ":" and no "," is a range: START + k x STEP for k = 0, 1, ... (each computed, never
// accumulated) as long as it does not pass STOP, STOP itself included when it falls on a step
// within rounding; each value written as the shortest text that reads back the same double. A
// zero or non-finite step, a step away from STOP, or more than largestSweep values are refused.
// Any other text is a list: the texts between the commas, as they stand.
SweepValuesResult sweepValues(std::string_view text);

}  // namespace dtii

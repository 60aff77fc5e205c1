// Idler rollers: the roller length by belt width and idler form, the items the roller lists offer
// by width and form, and the rotating mass of one roller.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dtii {

enum class IdlerSide { carrying, returning };

// Idler forms are coded as the number of rollers in one idler set.
inline constexpr std::int16_t troughIdler = 3;
inline constexpr std::int16_t vIdler = 2;
inline constexpr std::int16_t flatIdler = 1;

// Length of one roller [mm], or empty when the belt width is not tabulated.
std::optional<std::int16_t> rollerLength(std::int16_t B, std::int16_t idlerForm);

// Item texts put into a side's diameter and bearing lists; may hold the placeholders "D=" and "".
struct RollerListItems {
    std::vector<std::string> diameters;
    std::vector<std::string> bearings;
};

// Empty lists for a width the table does not list.
RollerListItems rollerListItems(std::int16_t B, std::int16_t idlerForm, IdlerSide side);

// The belt widths [mm] for which the idler-form buttons fill the roller lists, ascending.
std::vector<std::int16_t> rollerListWidths();

// Rotating mass of one roller [kg] by diameter [mm], bearing code and roller length [mm]; empty
// when the table has no entry.
std::optional<double> rollerMass(std::int16_t diameter, std::int16_t bearing, std::int16_t length);

}  // namespace dtii

// Coefficients of the resistance calculation that come from tables: the secondary-resistance
// coefficient C by conveyor length, the trough factor and the skirt-board width by belt width.
#pragma once

#include <cstdint>
#include <optional>

namespace dtii {

// C by conveyor length L [m]; empty above 5000 m (and for a length that is not a number).
std::optional<double> secondaryResistanceFactor(double L);

// C epsilon by carrying trough angle [degrees]: 0 below 30 degrees.
double troughFactor(double carryingTroughAngle);

// Resistance of `ploughCount` plough trippers on a belt of width B [mm], in [N].
double ploughResistance(double ploughCount, std::int16_t B);

// Inner width of the skirt boards b1 [m] by belt width [mm]; empty for an untabulated width.
std::optional<double> skirtWidth(std::int16_t B);

}  // namespace dtii

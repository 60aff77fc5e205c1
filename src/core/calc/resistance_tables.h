// Coefficients of the resistance calculation that come from tables: the secondary-resistance
// coefficient C by conveyor length, the trough factor and the skirt-board width by belt width.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dtii {

// C by conveyor length L [m]; empty above 5000 m (and for a length that is not a number).
std::optional<double> secondaryResistanceFactor(double L);

// C epsilon by carrying trough angle [degrees]: 0 below 30 degrees.
double troughFactor(double carryingTroughAngle);

// Resistance of `ploughCount` plough trippers on a belt of width B [mm], in [N].
double ploughResistance(double ploughCount, std::int16_t B);

// Inner width of the skirt boards b1 [m] by belt width [mm]; empty for an untabulated width.
std::optional<double> skirtWidth(std::int16_t B);

// The belt widths [mm] the drive calculation takes, those with a skirt width, in ascending order.
std::vector<std::int16_t> calculableBeltWidths();

// Those widths for a label or message: "500，650，…，1400", the last one joined by `lastJoin`.
std::string calculableBeltWidthsText(std::string_view lastJoin);

}  // namespace dtii

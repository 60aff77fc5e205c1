// The fixed coefficients of the drive calculation, shared by the calculation and by the sheet
// that shows what it used.
#pragma once

namespace dtii {

inline constexpr double gravity = 9.81;           // g [m/s^2]
inline constexpr double motorEfficiency = 0.85;   // η, drive-pulley to motor
inline constexpr double startingFactor = 1.5;     // K_A, starting over steady drive force
inline constexpr double permittedSag = 0.01;      // (h/a)adm, sag over idler spacing
inline constexpr double tailPulleyFactor = 1.04;  // tail-pulley tension loss
inline constexpr double tonnesPerHourToKgPerSecond = 3.6;

}  // namespace dtii

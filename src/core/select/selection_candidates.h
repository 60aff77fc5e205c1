// The candidates of the automatic selection: the design with its belt width, belt speed, belt
// type and plies replaced, every other entry as the design has it.
#pragma once

#include <array>
#include <vector>

#include "core/file/design_file.h"
#include "core/file/design_sweep.h"

namespace dtii {

// The standard belt speeds [m/s], ascending.
inline constexpr std::array<double, 9> standardBeltSpeeds{0.8, 1, 1.25, 1.6, 2, 2.5, 3.15, 4, 5};
inline constexpr double defaultMaxSpeed = 4;  // [m/s]
inline constexpr int fewestFabricPlies = 3;
inline constexpr int mostFabricPlies = 10;

// The sweeps whose variants together are every candidate: each width the input window accepts,
// each standard speed not above `maxSpeed`, each belt type of the list; a fabric belt with 3 to
// 10 plies, a steel-cord belt with the design's ply text (which it does not use; "0" when the
// design leaves the box empty, which the calculation would refuse). Axes: B, V, beltType, plies.
std::vector<std::vector<SweepAxis>> candidateSweeps(const DesignFile& base, double maxSpeed);

// The number of candidates of those sweeps.
std::size_t candidateCount(const std::vector<std::vector<SweepAxis>>& sweeps);

}  // namespace dtii

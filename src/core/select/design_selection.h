// The automatic selection: every candidate of a design computed and checked exactly as the design
// file with those values would be, and the ones that pass every check with a verdict, best first.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file/design_file.h"
#include "core/select/selected_design.h"
#include "core/select/selection_candidates.h"

namespace dtii {

struct SelectionOptions {
    double maxSpeed = defaultMaxSpeed;  // [m/s]
    std::size_t top = 10;               // how many of the passing candidates to keep
};

// How many candidates one check with a verdict failed.
struct CheckFailures {
    std::string_view check;
    std::uint64_t count = 0;
};

struct SelectionResult {
    std::uint64_t candidates = 0;       // how many ran
    std::uint64_t passing = 0;          // how many of them passed
    std::vector<SelectedDesign> best;   // the first `top` passing ones, best first
    std::uint64_t refused = 0;          // refused, or computed after a message box
    std::string firstRefusal;           // the message boxes of the first of those
    std::vector<CheckFailures> failed;  // per check, in the order of the verdicts
    bool stopped = false;               // the progress callback stopped the search
};

// Told after each batch of candidates how many have run of how many; returns false to stop.
using SelectionProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

SelectionResult selectDesigns(const DesignFile& base, const SelectionOptions& options,
                              const SelectionProgress& progress = {});

// Why no candidate passed: the check most of them failed, or, when more of them were refused
// than failed any check, the refusal.
std::string noPassingDesignMessage(const SelectionResult& result);

}  // namespace dtii

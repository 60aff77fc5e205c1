// Variants of one design: every combination of the values of a few keys, each run through the
// drive calculation and the checks, written as CSV rows. The design is typed into the window once;
// a variant then changes only what its keys touch, and types the whole design in again only when
// a key with its own handler (belt width, idler forms, plough trippers) changes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/checks/design_checks.h"
#include "core/design/conveyor_design.h"
#include "core/file/design_file.h"

namespace dtii {

// One varied key and its values in the order they are tried.
struct SweepAxis {
    std::string key;  // a key of the "input" or "checks" section
    std::vector<std::string> values;
};

// One variant as it ran: the position of its value on each axis, and what its calculation gave.
struct SweepVariant {
    std::vector<std::size_t> positions;
    bool computed = false;
    // Every message box the variant showed while its design was typed in; a fresh run of its
    // design file shows the same ones.
    std::string typingMessages;
    std::string computeMessages;  // the message boxes of the calculation
    ConveyorDesign record;        // computed: the record of the calculation
    DesignChecks checks;          // computed: its checks
};

class DesignSweep {
public:
    // Throws nothing; check `error()` before running: an unknown key, a key given twice, or a
    // value the design file would refuse.
    DesignSweep(const DesignFile& base, std::vector<SweepAxis> axes);
    ~DesignSweep();
    DesignSweep(const DesignSweep&) = delete;
    DesignSweep& operator=(const DesignSweep&) = delete;

    const std::string& error() const;

    // The number of variants; saturates beyond largestSweep.
    std::uint64_t variantCount() const;

    // The header line: the varied keys, then the result columns; CR LF at its end.
    std::string header() const;

    // Runs the next variant (the last key's values change fastest) and appends its row; false
    // when every variant has run.
    bool appendNextRow(std::string& csv);

    // Runs the next variant into `variant`; false when every variant has run.
    bool runNextVariant(SweepVariant& variant);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace dtii

// What makes a design impossible rather than merely unusual: angles that turn resistances
// negative, a lift or horizontal length beyond the belt, a tripper count that is no count, and
// belt tensions at or below zero. Such a design is refused, never computed into an order.
#pragma once

#include <optional>
#include <string_view>

#include "core/design/conveyor_design.h"
#include "core/design/input_fields.h"

namespace dtii {

// The broken rule: the message to show, and the input window's box to put the focus into.
struct BrokenLimit {
    std::string_view message;
    std::optional<InputBox> focusBox;

    bool operator==(const BrokenLimit&) const = default;
};

// The first rule the entries of `design` break, in this order: the carrying trough and tilt
// angles and the return trough and tilt angles each at least 0 and below 90 degrees; |H| not
// beyond L, then Lh not beyond L; with the plough-tripper box checked, a whole tripper count of
// at least 0.
std::optional<BrokenLimit> firstBrokenEntryLimit(const ConveyorDesign& design,
                                                 bool ploughTrippersChecked);

// The first of the tensions T1 ... T4 of a computed design that is at or below 0 N.
std::optional<BrokenLimit> firstBrokenTensionLimit(const ConveyorDesign& design);

}  // namespace dtii

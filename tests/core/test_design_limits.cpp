// The limits of a design that can run, at their boundaries: what is just allowed passes, what is
// just beyond is refused, and an unchecked plough-tripper box means no trippers.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "core/calc/design_limits.h"

namespace dtii {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(DesignLimits, EntriesPassUpToTheirBoundsAndAreRefusedJustBeyond) {
    using enum InputBox;
    constexpr bool refused = true;
    constexpr bool accepted = false;
    struct Case {
        const char* name;
        std::function<void(ConveyorDesign&)> change;
        bool trippersChecked;
        bool refusal;
        std::optional<InputBox> box;
    };
    const Case cases[] = {
        {"flat idlers", [](ConveyorDesign& d) { d.shared.carryingTroughAngle = 0; }, false,
         accepted, std::nullopt},
        {"trough below 90", [](ConveyorDesign& d) { d.shared.carryingTroughAngle = 89.9; }, false,
         accepted, std::nullopt},
        {"trough 90", [](ConveyorDesign& d) { d.shared.carryingTroughAngle = 90; }, false, refused,
         carryingTroughAngle},
        {"tilt below 0", [](ConveyorDesign& d) { d.shared.carryingTiltAngle = -1e-9; }, false,
         refused, carryingTiltAngle},
        {"return trough NaN", [](ConveyorDesign& d) { d.input.returnTroughAngle = nan; }, false,
         refused, returnTroughAngle},
        {"return tilt 90", [](ConveyorDesign& d) { d.input.returnTiltAngle = 90; }, false, refused,
         returnTiltAngle},
        {"vertical fall", [](ConveyorDesign& d) { d.shared.H = -100; }, false, accepted,
         std::nullopt},
        {"fall beyond", [](ConveyorDesign& d) { d.shared.H = -100.000001; }, false, refused, lift},
        {"lift NaN", [](ConveyorDesign& d) { d.shared.H = nan; }, false, refused, lift},
        {"horizontal beyond", [](ConveyorDesign& d) { d.shared.Lh = 100.000001; }, false, refused,
         horizontalLength},
        {"three trippers", [](ConveyorDesign& d) { d.input.ploughCount = 3; }, true, accepted,
         std::nullopt},
        {"minus one tripper", [](ConveyorDesign& d) { d.input.ploughCount = -1; }, true, refused,
         std::nullopt},
        {"a third of a tripper", [](ConveyorDesign& d) { d.input.ploughCount = 1.0 / 3; }, true,
         refused, std::nullopt},
        {"unchecked box", [](ConveyorDesign& d) { d.input.ploughCount = -1.5; }, false, accepted,
         std::nullopt},
    };
    for (const Case& c : cases) {
        ConveyorDesign design;  // 100 m of belt, 5 m lift, 100 m horizontal
        design.input.L = 100;
        design.shared.H = 5;
        design.shared.Lh = 100;
        c.change(design);
        const auto broken = firstBrokenEntryLimit(design, c.trippersChecked);
        ASSERT_EQ(broken.has_value(), c.refusal) << c.name;
        EXPECT_EQ(broken ? broken->focusBox : std::nullopt, c.box) << c.name;
    }
}

TEST(DesignLimits, TheFirstTensionAtOrBelowZeroIsNamed) {
    struct Case {
        double T1, T2, T3, T4;
        const char* named;  // "": accepted
    };
    const Case cases[] = {
        {1e-9, 1e-9, 1e-9, 1e-9, ""}, {0, 1, 1, 1, "T1"}, {1, -1, 1, 1, "T2"},
        {1, 1, -5000, 1, "T3"},       {1, 1, 1, 0, "T4"}, {1, nan, -1, 1, "T2"},
    };
    for (const Case& c : cases) {
        ConveyorDesign design;
        design.shared.T1 = c.T1;
        design.shared.T2 = c.T2;
        design.shared.T3 = c.T3;
        design.shared.T4 = c.T4;
        const auto broken = firstBrokenTensionLimit(design);
        EXPECT_EQ(broken ? std::string(broken->message).substr(15, 2) : "", c.named) << c.named;
    }
}

}  // namespace
}  // namespace dtii

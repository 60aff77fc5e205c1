// The limits of a design that can run, at their boundaries: what is just allowed passes, what is
// just beyond is refused, and an unchecked plough-tripper box means no trippers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "core/calc/design_limits.h"

namespace dtii {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// A design inside every limit: 100 m of belt, 5 m lift, 100 m horizontal, ordinary angles.
ConveyorDesign sound() {
    ConveyorDesign design;
    design.input.L = 100;
    design.shared.H = 5;
    design.shared.Lh = 100;
    design.shared.carryingTroughAngle = 35;
    design.shared.carryingTiltAngle = 1.5;
    design.shared.T1 = design.shared.T2 = design.shared.T3 = design.shared.T4 = 1000;
    return design;
}

TEST(DesignLimits, EntriesPassUpToTheirBoundsAndAreRefusedJustBeyond) {
    struct Case {
        const char* name;
        std::function<void(ConveyorDesign&)> change;
        bool trippersChecked;
        std::optional<int> refusedBox;  // absent: accepted; 0: refused without a box
    };
    const Case cases[] = {
        {"sound design", [](ConveyorDesign&) {}, false, std::nullopt},
        {"flat carrying idlers", [](ConveyorDesign& d) { d.shared.carryingTroughAngle = 0; }, false,
         std::nullopt},
        {"trough just below 90", [](ConveyorDesign& d) { d.shared.carryingTroughAngle = 89.999; },
         false, std::nullopt},
        {"trough 90", [](ConveyorDesign& d) { d.shared.carryingTroughAngle = 90; }, false, 10},
        {"tilt just below 0", [](ConveyorDesign& d) { d.shared.carryingTiltAngle = -1e-9; }, false,
         11},
        {"return trough NaN", [](ConveyorDesign& d) { d.input.returnTroughAngle = nan; }, false,
         12},
        {"return tilt infinite",
         [](ConveyorDesign& d) {
             d.input.returnTiltAngle = std::numeric_limits<double>::infinity();
         },
         false, 13},
        {"vertical lift", [](ConveyorDesign& d) { d.shared.H = 100; }, false, std::nullopt},
        {"vertical fall", [](ConveyorDesign& d) { d.shared.H = -100; }, false, std::nullopt},
        {"fall just beyond", [](ConveyorDesign& d) { d.shared.H = -100.000001; }, false, 2},
        {"lift NaN", [](ConveyorDesign& d) { d.shared.H = nan; }, false, 2},
        {"horizontal equal to the belt", [](ConveyorDesign& d) { d.shared.Lh = 100; }, false,
         std::nullopt},
        {"horizontal just beyond", [](ConveyorDesign& d) { d.shared.Lh = 100.000001; }, false, 15},
        {"no trippers", [](ConveyorDesign& d) { d.input.ploughCount = 0; }, true, std::nullopt},
        {"three trippers", [](ConveyorDesign& d) { d.input.ploughCount = 3; }, true, std::nullopt},
        {"minus one tripper", [](ConveyorDesign& d) { d.input.ploughCount = -1; }, true, 0},
        {"a third of a tripper", [](ConveyorDesign& d) { d.input.ploughCount = 1.0 / 3; }, true, 0},
        {"an unchecked box ignores the count",
         [](ConveyorDesign& d) { d.input.ploughCount = -1.5; }, false, std::nullopt},
    };
    for (const Case& c : cases) {
        ConveyorDesign design = sound();
        c.change(design);
        const auto broken = firstBrokenEntryLimit(design, c.trippersChecked);
        ASSERT_EQ(broken.has_value(), c.refusedBox.has_value()) << c.name;
        if (broken) {
            EXPECT_EQ(broken->focusBox ? static_cast<int>(*broken->focusBox) : 0, *c.refusedBox)
                << c.name;
            EXPECT_TRUE(std::string(broken->message).ends_with("请重新输入！")) << c.name;
        }
    }
}

TEST(DesignLimits, TheFirstTensionAtOrBelowZeroIsNamed) {
    struct Case {
        double T1, T2, T3, T4;
        const char* named;  // nullptr: accepted
    };
    const Case cases[] = {
        {1000, 1000, 1000, 1000, nullptr}, {1e-9, 1e-9, 1e-9, 1e-9, nullptr},
        {0, 1000, 1000, 1000, "T1"},       {1000, -1, 1000, 1000, "T2"},
        {1000, 1000, -5000, 1000, "T3"},   {1000, 1000, 1000, 0, "T4"},
        {1000, nan, -1, 1000, "T2"},       {-1, -1, -1, -1, "T1"},
    };
    for (const Case& c : cases) {
        ConveyorDesign design = sound();
        design.shared.T1 = c.T1;
        design.shared.T2 = c.T2;
        design.shared.T3 = c.T3;
        design.shared.T4 = c.T4;
        const auto broken = firstBrokenTensionLimit(design);
        ASSERT_EQ(broken.has_value(), c.named != nullptr) << c.T1 << " " << c.T2 << " " << c.T3;
        if (broken) {
            EXPECT_EQ(broken->message, "输送带张力" + std::string(c.named) +
                                           "必须大于0，本设计的计算结果不满足，请检查输入的数据！");
            EXPECT_FALSE(broken->focusBox);
        }
    }
}

}  // namespace
}  // namespace dtii

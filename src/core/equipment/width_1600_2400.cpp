// The equipment tables of the widest belts, 1600 to 2400 mm: only the width code and the frames,
// chosen by the carrying idler spacing; every other slot keeps what the confirm put there.
#include <array>

#include "core/equipment/width_tables.h"

namespace dtii {

namespace {

using enum SlotId;

// The concave L6000 frames get their codes but no weight at these widths, and the short frames
// get again the codes the confirm already wrote.
constexpr std::array frameRows{
    SlotRow{intermediateFrame, {.a0 = is(1)}, write("111", 121.7)},
    SlotRow{intermediateFrame, {.a0 = is(1.2)}, write("121", 121.7)},
    SlotRow{convexFrame, {.a0 = is(1)}, write("112", 121.7)},
    SlotRow{convexFrame, {.a0 = is(1.2)}, write("122", 121.7)},
    SlotRow{concaveFrameR80000, {.a0 = is(1)}, codeOnly("113")},
    SlotRow{concaveFrameR80000, {.a0 = is(1.2)}, codeOnly("123")},
    SlotRow{concaveFrameR120000, {.a0 = is(1)}, codeOnly("114")},
    SlotRow{concaveFrameR120000, {.a0 = is(1.2)}, codeOnly("124")},
    SlotRow{concaveFrameR80000Short, {.a0 = oneOf(1, 1.2)}, codeOnly("103")},
    SlotRow{concaveFrameR120000Short, {.a0 = oneOf(1, 1.2)}, codeOnly("104")},
    SlotRow{intermediateFrameShort, {.a0 = is(1.2)}, codeOnly("101")},
    SlotRow{convexFrameShort, {.a0 = is(1.2)}, codeOnly("102")},
    SlotRow{loadingFrame, {.a0 = is(1.2)}, codeOnly("105")},
};

constexpr std::array stages{
    setWidthCode(),
    slotStage(frameRows),
};

}  // namespace

constexpr WidthRules width1600To2400Rules{stages};

}  // namespace dtii

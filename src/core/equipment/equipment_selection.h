// The equipment selection record: one designation code and unit weight per line of the report's
// equipment and structure lists, each unset until a rule writes it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace dtii {

enum class SlotId : std::size_t {
    // equipment list
    drivePulley,
    transitionIdler10,
    transitionIdler20,
    transitionIdler30,
    impactIdler,
    carryingIdler,
    carryingTrainingIdler,
    tailBendPulley,
    returnIdler,
    returnTrainingIdler,
    headCleaner,
    emptySectionCleaner,
    takeUp,
    snubPulley,
    // structure list
    headFrame,
    headChute,
    intermediateFrame,
    intermediateFrameShort,
    convexFrame,
    convexFrameShort,
    concaveFrameR80000,
    concaveFrameR120000,
    concaveFrameR80000Short,
    concaveFrameR120000Short,
    loadingFrame,
    legI,
    legII,
    skirtFront,
    skirtMiddle,
    skirtRear,
};
inline constexpr std::size_t slotCount = static_cast<std::size_t>(SlotId::skirtRear) + 1;

// Code and weight are written independently: the default codes come first, and some rules write
// only a weight.
struct Slot {
    std::optional<std::string> code;
    std::optional<double> unitWeight;  // [kg]

    bool operator==(const Slot&) const = default;
};

struct EquipmentSelection {
    std::string widthCode;  // "01" ... "11", or empty / kept from an earlier selection
    std::array<Slot, slotCount> slots{};
    std::optional<double> chuteLengthBase;       // [mm]
    std::optional<double> chuteLengthDeduction;  // [mm]

    Slot& operator[](SlotId id) { return slots[static_cast<std::size_t>(id)]; }
    const Slot& operator[](SlotId id) const { return slots[static_cast<std::size_t>(id)]; }
};

}  // namespace dtii

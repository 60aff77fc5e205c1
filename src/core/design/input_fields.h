// The entry boxes, drop-down lists and idler-form buttons of the input window, named after the
// design values they feed. Each enumerator's value is the control's number in the window (the 3 of
// the Qt object name Text3); only the Qt window and the replay order of a design file use it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/design/roller_tables.h"

namespace dtii {

enum class InputBox {
    conveyorLength = 1,  // L [m]
    lift,                // H [m]
    beltWidth,           // B [mm]
    carryingSpacing,     // a0 [m]
    returnSpacing,       // au [m]
    materialDensity,     // r [kg/m^3]
    beltSpeed,           // V [m/s]
    capacity,            // Q [t/h]
    plies,
    carryingTroughAngle,  // [degrees]
    carryingTiltAngle,
    returnTroughAngle,
    returnTiltAngle,
    wrapAngle,
    horizontalLength,  // Lh [m]
};

enum class InputList {
    workingCondition = 1,
    runningCondition,
    drumSurface,
    carryingBearing,
    returnBearing,
    carryingRollerDiameter,
    returnRollerDiameter,
    covers,
    beltType,
};

enum class IdlerButton {
    carryingTrough = 1,
    carryingV,
    carryingFlat,
    returnFlat,
    returnV,
    returnTrough,
};

inline constexpr std::size_t inputBoxCount = 15;
inline constexpr std::size_t inputListCount = 9;

// Every box and every list in the window's numbering, which is also the order a design file is
// replayed in.
inline constexpr std::array<InputBox, inputBoxCount> inputBoxes{
    InputBox::conveyorLength,
    InputBox::lift,
    InputBox::beltWidth,
    InputBox::carryingSpacing,
    InputBox::returnSpacing,
    InputBox::materialDensity,
    InputBox::beltSpeed,
    InputBox::capacity,
    InputBox::plies,
    InputBox::carryingTroughAngle,
    InputBox::carryingTiltAngle,
    InputBox::returnTroughAngle,
    InputBox::returnTiltAngle,
    InputBox::wrapAngle,
    InputBox::horizontalLength,
};
inline constexpr std::array<InputList, inputListCount> inputLists{
    InputList::workingCondition,     InputList::runningCondition, InputList::drumSurface,
    InputList::carryingBearing,      InputList::returnBearing,    InputList::carryingRollerDiameter,
    InputList::returnRollerDiameter, InputList::covers,           InputList::beltType,
};

// The number of a control in the window: Text<n>, Combo<n>, Option<n>.
template <class Control>
constexpr int controlNumber(Control control) {
    return static_cast<int>(control);
}

// One value for each control of a kind, looked up by the control.
template <class Control, class Value, std::size_t Count>
struct PerControl {
    std::array<Value, Count> values{};

    constexpr Value& operator[](Control control) { return values[indexOf(control)]; }
    constexpr const Value& operator[](Control control) const { return values[indexOf(control)]; }
    bool operator==(const PerControl&) const = default;

private:
    static constexpr std::size_t indexOf(Control control) {
        return static_cast<std::size_t>(controlNumber(control) - 1);
    }
};

template <class Value>
using PerBox = PerControl<InputBox, Value, inputBoxCount>;
template <class Value>
using PerList = PerControl<InputList, Value, inputListCount>;

// The captions of the idler-form buttons; a design file names a chosen form by its caption.
inline constexpr std::string_view troughIdlerCaption = "槽形托辊";
inline constexpr std::string_view vIdlerCaption = "V形托辊";
inline constexpr std::string_view flatIdlerCaption = "平行托辊";

struct IdlerButtonRow {
    IdlerButton button;
    IdlerSide side;
    std::int16_t form;
    std::string_view caption;
};

// The idler-form buttons of both sides, carrying first.
inline constexpr std::array<IdlerButtonRow, 6> idlerButtons{{
    {IdlerButton::carryingTrough, IdlerSide::carrying, troughIdler, troughIdlerCaption},
    {IdlerButton::carryingV, IdlerSide::carrying, vIdler, vIdlerCaption},
    {IdlerButton::carryingFlat, IdlerSide::carrying, flatIdler, flatIdlerCaption},
    {IdlerButton::returnFlat, IdlerSide::returning, flatIdler, flatIdlerCaption},
    {IdlerButton::returnV, IdlerSide::returning, vIdler, vIdlerCaption},
    {IdlerButton::returnTrough, IdlerSide::returning, troughIdler, troughIdlerCaption},
}};

static_assert(
    [] {
        for (std::size_t row = 0; row < idlerButtons.size(); ++row) {
            if (controlNumber(idlerButtons[row].button) != static_cast<int>(row) + 1) {
                return false;
            }
        }
        return true;
    }(),
    "idlerButtons is looked up by button number");

constexpr const IdlerButtonRow& idlerButtonRow(IdlerButton button) {
    return idlerButtons[static_cast<std::size_t>(controlNumber(button) - 1)];
}

// The two roller lists of one side, which its idler-form buttons fill.
struct RollerLists {
    InputList diameter;
    InputList bearing;
};

constexpr RollerLists rollerListsOf(IdlerSide side) {
    return side == IdlerSide::carrying
               ? RollerLists{InputList::carryingRollerDiameter, InputList::carryingBearing}
               : RollerLists{InputList::returnRollerDiameter, InputList::returnBearing};
}

}  // namespace dtii

// The design checks of a computed design: belt strength, carrying capacity, motor, reducer ratio,
// take-up, starting, holdback or brake, take-up travel and idler bearing life. They read the record
// of the last successful drive calculation and never change it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/design/conveyor_design.h"

namespace dtii {

// What the engineer may set; an absent value takes its default.
struct CheckParameters {
    std::optional<double> requiredSafetyFactor;  // absent: 8 cotton, 10 other fabric, 7 steel cord
    double surchargeAngle = 20;                  // dynamic surcharge angle theta [degrees]
    int motorSpeed = 1500;                       // synchronous motor speed [r/min]
    double idlerLifeHours = 30000;               // least bearing life of an idler roll [h]
    std::optional<double> takeUpAllowance = std::nullopt;  // absent: by take-up type, belt [m]

    bool operator==(const CheckParameters&) const = default;
};

struct BeltStrengthCheck {
    double maxTension = 0;                    // the largest of T1 ... T4 [N]
    double strengthPerWidth = 0;              // S [N/mm]
    double breakingForce = 0;                 // S x B [N]
    double safetyFactor = 0;                  // breaking force / largest tension
    double required = 0;                      // required safety factor
    std::optional<int> minPlies;              // fabric belts: the least ply count that passes
    std::optional<std::string> minSteelCord;  // steel cord: the lightest type that passes
    bool ok = false;
};

struct CapacityCheck {
    double usableWidth = 0;        // b [m]
    double area = 0;               // A = A1 + A2 [m^2]
    double inclinationFactor = 0;  // k
    double maxCapacity = 0;        // [t/h]
    double fillRatio = 0;          // Q / maxCapacity
    bool ok = false;
};

struct MotorCheck {
    double required = 0;          // |Pm| [kW]
    std::optional<double> rated;  // the standard motor; absent beyond the largest one [kW]
    bool generating = false;      // Fu < 0: the drive brakes the belt
};

struct ReducerCheck {
    double pulleyDiameter = 0;  // D [mm]
    double pulleySpeed = 0;     // [r/min]
    double motorSpeed = 0;      // [r/min]
    double ratio = 0;
};

struct TakeUpCheck {
    double force = 0;          // T3 + T4 [N]
    double counterweight = 0;  // [kg]
};

// Starting with the drive force FA: what the belt, the load and the idler rolls need to reach
// speed. Pulleys and the drive are not in the moving mass.
struct StartingCheck {
    double movingMass = 0;    // m [kg]
    double acceleration = 0;  // a [m/s^2]
    double time = 0;          // t [s]
    double peakTension = 0;   // T1 + FA - Fu [N]
    double safetyFactor = 0;  // breaking force / peak tension
};

enum class RunawayDevice { none, holdback, brake };

// Whether the loaded belt runs back (uphill) or away (downhill) when the drive stops.
struct HoldbackCheck {
    double liftForce = 0;        // F_St, signed [N]
    double leastResistance = 0;  // F_Hmin with f = 0.012 [N]
    double runawayForce = 0;     // |F_St| - F_Hmin [N]
    RunawayDevice device = RunawayDevice::none;
    std::optional<double> torque;       // at the drive pulley, when a device is needed and D known
    std::optional<double> ratedTorque;  // the rating to choose [N m]
};

struct TakeUpTravelCheck {
    double elongation = 0;            // epsilon0 of the belt
    double flexure = 0;               // epsilon1 between idlers
    double allowance = 0;             // l_N, installation allowance [m]
    double travel = 0;                // l [m]
    std::optional<std::string> type;  // the take-up type entered
    std::optional<bool> ok;           // absent until a take-up type is entered
};

// The most loaded roll of one idler side and the life of its bearings.
struct IdlerCheck {
    int rolls = 0;                       // rolls per idler set
    double loadFactor = 0;               // e
    double staticLoad = 0;               // P [N]
    double dynamicLoad = 0;              // P' [N]
    std::string bearingText;             // the bearing as picked, e.g. "4G205"
    std::optional<std::string> bearing;  // the rolling bearing, e.g. "6205"; absent: no rating
    std::optional<double> rating;        // basic dynamic load rating C [N]
    double bearingLoad = 0;              // P_b on one of the roll's two bearings [N]
    double speed = 0;                    // roll speed [r/min]
    std::optional<double> life;          // L10h [h]
    double required = 0;                 // [h]
    std::optional<bool> ok;              // absent without a rating
};

struct IdlerChecks {
    IdlerCheck carrying;
    IdlerCheck returnSide;
};

// Both sides' verdicts as one: fails when a side fails, passes when every side that has a
// verdict passes, none when neither side has one.
std::optional<bool> idlersVerdict(const IdlerChecks& idlers);

struct DesignChecks {
    BeltStrengthCheck beltStrength;
    CapacityCheck capacity;
    MotorCheck motor;
    std::optional<ReducerCheck> reducer;  // absent until a drive-pulley diameter is entered
    TakeUpCheck takeUp;
    std::optional<StartingCheck> starting;  // absent when the drive generates (Fu <= 0)
    HoldbackCheck holdback;
    TakeUpTravelCheck takeUpTravel;
    IdlerChecks idlers;
};

// The drive-pulley diameter the checks take: the one entered [mm], none while none is.
inline std::optional<double> enteredPulleyDiameter(double D) {
    return D > 0 ? std::optional<double>(D) : std::nullopt;
}

// The checks of `record` (computed) for the belt type picked, the parameters and, when the
// equipment window holds them, the drive-pulley diameter [mm] and the take-up type (empty or the
// list's prompt: none entered yet).
DesignChecks runDesignChecks(const ConveyorDesign& record, std::string_view beltTypeText,
                             const CheckParameters& parameters,
                             std::optional<double> pulleyDiameter,
                             std::string_view takeUpType = {});

// One check as a person reads it: the same rows serve the checks panel, `dtii-calc check` and the
// calculation sheet.
struct CheckRow {
    std::string name;         // e.g. "输送带强度"
    std::string value;        // the value found, with its unit
    std::string requirement;  // what it must meet
    std::optional<bool> ok;   // 合格 / 不合格; absent for a row that only informs
    std::string advice;       // what to change when it fails (may be empty)
};

std::vector<CheckRow> checkRows(const DesignChecks& checks);

// The rule a check row follows ("GB 50431 输送带安全系数"), found by its name; empty for a name
// that is not one of checkRows'.
std::string_view checkRule(std::string_view checkName);

}  // namespace dtii

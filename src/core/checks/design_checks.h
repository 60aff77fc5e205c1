// The design checks of a computed design: belt strength, carrying capacity, motor, reducer ratio
// and take-up. They read the record of the last successful drive calculation and never change it.
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

struct DesignChecks {
    BeltStrengthCheck beltStrength;
    CapacityCheck capacity;
    MotorCheck motor;
    std::optional<ReducerCheck> reducer;  // absent until a drive-pulley diameter is entered
    TakeUpCheck takeUp;
};

// The drive-pulley diameter the checks take: the one entered [mm], none while none is.
inline std::optional<double> enteredPulleyDiameter(double D) {
    return D > 0 ? std::optional<double>(D) : std::nullopt;
}

// The checks of `record` (computed) for the belt type picked, the parameters and, when the
// equipment window holds one, the drive-pulley diameter [mm].
DesignChecks runDesignChecks(const ConveyorDesign& record, std::string_view beltTypeText,
                             const CheckParameters& parameters,
                             std::optional<double> pulleyDiameter);

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

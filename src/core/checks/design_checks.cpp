// The design checks, each a few lines of arithmetic on the computed record in double precision.
#include "core/checks/design_checks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "core/calc/drive_constants.h"
#include "core/checks/check_parameters.h"
#include "core/checks/check_tables.h"
#include "core/numbers.h"

namespace dtii {
namespace {

constexpr double g = gravity;
constexpr double widestBeltOfNarrowEdges = 2000;  // [mm] wider belts keep a fixed edge

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// S: for a fabric belt the ply strength (the number after the last "-") times the plies, for a
// steel-cord belt the number after "st" [N/mm].
double plyStrength(std::string_view beltTypeText) {
    const std::size_t dash = beltTypeText.rfind('-');
    return dash == std::string_view::npos ? 0 : readLeadingNumber(beltTypeText.substr(dash + 1));
}

std::optional<int> leastPlies(double requiredForce, double plyForce) {
    const double plies = std::ceil(requiredForce / plyForce);
    if (!(std::isfinite(plies) && plies <= std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(plies);
}

BeltStrengthCheck beltStrength(const ConveyorDesign& record, std::string_view beltTypeText,
                               const CheckParameters& parameters) {
    const SharedDesign& s = record.shared;
    BeltStrengthCheck check;
    check.maxTension = std::max({s.T1, s.T2, s.T3, s.T4});
    check.required = parameters.requiredSafetyFactor.value_or(defaultSafetyFactor(beltTypeText));
    const double requiredForce = check.required * check.maxTension;  // [N]
    if (beltKindOf(beltTypeText) == BeltKind::steelCord) {
        check.strengthPerWidth = readLeadingNumber(beltTypeText.substr(2));
        for (const SteelCordGrade& grade : steelCordGrades) {
            if (grade.strengthPerWidth * s.B >= requiredForce) {
                check.minSteelCord = std::string(grade.text);
                break;
            }
        }
    } else {
        const double ply = plyStrength(beltTypeText);
        check.strengthPerWidth = ply * record.input.plies;
        check.minPlies = leastPlies(requiredForce, ply * s.B);
    }
    check.breakingForce = check.strengthPerWidth * s.B;
    check.safetyFactor = check.breakingForce / check.maxTension;
    check.ok = check.safetyFactor >= check.required;
    return check;
}

// Cross-section of the material on the belt, with the surcharge of the heap and the loss of
// section on an incline.
CapacityCheck capacity(const ConveyorDesign& record, const CheckParameters& parameters) {
    const SharedDesign& s = record.shared;
    CapacityCheck check;
    const double widthMetres = s.B / 1000.0;
    check.usableWidth =
        s.B <= widestBeltOfNarrowEdges ? 0.9 * widthMetres - 0.05 : widthMetres - 0.25;
    const double b = check.usableWidth;
    double middle = 0;  // l: the flat middle of the trough [m]
    double trough = 0;  // lambda [radians]
    if (s.carryingIdlerForm == 3) {
        middle = std::min(record.input.carryingRollerLength / 1000.0, b);
        trough = radians(s.carryingTroughAngle);
    } else if (s.carryingIdlerForm == 2) {
        trough = radians(s.carryingTroughAngle);
    }
    const double theta = radians(parameters.surchargeAngle);
    const double side = b - middle;
    const double top = middle + side * std::cos(trough);
    const double A1 = top * top * std::tan(theta) / 6;
    const double A2 = (middle + side / 2 * std::cos(trough)) * (side / 2 * std::sin(trough));
    check.area = A1 + A2;

    // A lift without length (0 / 0) counts as level.
    const double slope = std::clamp(s.H / record.input.L, -1.0, 1.0);
    const double delta = std::isnan(slope) ? 0 : std::asin(slope);
    double k1 = 0;
    if (std::abs(delta) < theta) {
        const double cosDelta = std::cos(delta);
        const double cosTheta = std::cos(theta);
        k1 = std::sqrt((cosDelta * cosDelta - cosTheta * cosTheta) / (1 - cosTheta * cosTheta));
    }
    check.inclinationFactor = check.area > 0 ? 1 - (A1 / check.area) * (1 - k1) : 0;
    check.maxCapacity = 3.6 * check.area * s.V * check.inclinationFactor * s.r;
    check.fillRatio = s.Q / check.maxCapacity;
    check.ok = s.Q <= check.maxCapacity;
    return check;
}

MotorCheck motor(const SharedDesign& s) {
    MotorCheck check;
    check.required = std::abs(s.Pm);
    const auto rated = std::find_if(standardMotorPowers.begin(), standardMotorPowers.end(),
                                    [&](double power) { return power >= check.required; });
    if (rated != standardMotorPowers.end()) {
        check.rated = *rated;
    }
    check.generating = s.Fu < 0;
    return check;
}

ReducerCheck reducer(const SharedDesign& s, double pulleyDiameter, int motorSpeed) {
    ReducerCheck check;
    check.pulleyDiameter = pulleyDiameter;
    check.pulleySpeed = 60 * 1000 * s.V / (std::numbers::pi * pulleyDiameter);
    check.motorSpeed = motorSpeed;
    check.ratio = check.motorSpeed / check.pulleySpeed;
    return check;
}

}  // namespace

DesignChecks runDesignChecks(const ConveyorDesign& record, std::string_view beltTypeText,
                             const CheckParameters& parameters,
                             std::optional<double> pulleyDiameter) {
    DesignChecks checks;
    checks.beltStrength = beltStrength(record, beltTypeText, parameters);
    checks.capacity = capacity(record, parameters);
    checks.motor = motor(record.shared);
    if (pulleyDiameter && *pulleyDiameter > 0) {
        checks.reducer = reducer(record.shared, *pulleyDiameter, parameters.motorSpeed);
    }
    checks.takeUp.force = record.shared.T3 + record.shared.T4;
    checks.takeUp.counterweight = checks.takeUp.force / g;
    return checks;
}

}  // namespace dtii

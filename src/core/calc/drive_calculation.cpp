// The drive calculation in its fixed order of steps, all in double precision.
#include "core/calc/drive_calculation.h"

#include <cmath>
#include <optional>

#include "core/calc/belt_tensions.h"
#include "core/calc/drive_constants.h"
#include "core/calc/resistance_tables.h"
#include "core/calc/results_listing.h"
#include "core/design/roller_tables.h"

namespace dtii {
namespace {

constexpr double g = gravity;
constexpr double pi = 3.1415926;             // as the published method rounds it
constexpr double tiltedIdlerFriction = 0.4;  // mu0
constexpr double skirtFriction = 0.7;
constexpr double skirtLength = 4.5;                // [m]
constexpr double cleanerPressureFriction = 56000;  // [N/m^2]
constexpr double cleanerContactWidth = 0.01;       // [m]
constexpr double cleanerCount = 2;

double radians(double degrees) {
    return degrees * pi / 180;
}

bool codesInTable(const InputDesign& input) {
    return input.runningCondition >= 1 && input.runningCondition <= 3 && input.drumSurface >= 1 &&
           input.drumSurface <= 4;
}

bool allFinite(std::initializer_list<double> values) {
    for (const double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

bool everythingFinite(const ConveyorDesign& d) {
    const SharedDesign& s = d.shared;
    const InputDesign& i = d.input;
    const DriveWorkingValues& w = d.working;
    return allFinite({s.Fu,
                      s.Pa,
                      s.Pm,
                      s.T1,
                      s.T2,
                      s.T3,
                      s.T4,
                      s.Fw,
                      s.Fk,
                      i.qG,
                      i.qB,
                      i.qRO,
                      i.qRU,
                      i.carryingRollerMass,
                      i.returnRollerMass,
                      w.driveFriction,
                      w.wrapFactor,
                      w.slopeResistance,
                      w.volumeFlow,
                      w.troughFactor,
                      w.skirtWidth,
                      w.tiltResistance,
                      w.skirtResistance,
                      w.specialMainResistance,
                      w.returnTiltResistance,
                      w.cleanerResistance,
                      w.specialSecondaryResistance,
                      w.secondaryFactor,
                      w.mainAndSecondaryResistance,
                      w.FA,
                      w.noSlipTension,
                      w.returnSagTension,
                      w.carryingSagTension}) &&
           listedValuesFitSinglePrecision(d);
}

}  // namespace

DriveOutcome runDriveCalculation(ConveyorDesign& design) {
    const std::optional<double> C = secondaryResistanceFactor(design.input.L);
    const std::optional<double> b1 = skirtWidth(design.shared.B);
    if (!C || !b1 || !codesInTable(design.input)) {
        return DriveOutcome::outsideTables;
    }
    const std::optional<double> carryingMass =
        rollerMass(design.shared.carryingRollerDiameter, design.shared.carryingBearing,
                   design.input.carryingRollerLength);
    if (!carryingMass) {
        return DriveOutcome::carryingRollerMissing;
    }
    const std::optional<double> returnMass =
        rollerMass(design.shared.returnRollerDiameter, design.input.returnBearing,
                   design.input.returnRollerLength);
    if (!returnMass) {
        return DriveOutcome::returnRollerMissing;
    }

    ConveyorDesign d = design;
    SharedDesign& s = d.shared;
    InputDesign& in = d.input;
    DriveWorkingValues& w = d.working;
    const double f = in.frictionFactor;

    // Masses per metre [kg/m] and the wrap factor.
    in.qG = s.Q / (tonnesPerHourToKgPerSecond * s.V);
    w.driveFriction = in.driveFrictionTable[static_cast<std::size_t>(in.runningCondition - 1)]
                                           [static_cast<std::size_t>(in.drumSurface - 1)];
    w.wrapFactor = std::exp(w.driveFriction * in.wrapAngle * pi / 180);
    if (in.plyMass != 0 && in.coverMass != 0) {
        in.qB =
            (in.plies * in.plyMass + (in.topCover + in.bottomCover) * in.coverMass) * s.B / 1000;
    } else {
        in.qB = s.B * in.steelCordMass / 1000;
    }
    in.carryingRollerMass = *carryingMass;
    in.returnRollerMass = *returnMass;
    in.qRO = s.carryingIdlerForm * in.carryingRollerMass / s.a0;
    in.qRU = s.returnIdlerForm * in.returnRollerMass / in.au;

    // Resistances [N].
    w.slopeResistance = g * s.H * in.qG;
    w.volumeFlow = s.Q / (tonnesPerHourToKgPerSecond * s.r);
    w.troughFactor = troughFactor(s.carryingTroughAngle);
    w.skirtWidth = *b1;
    w.tiltResistance = w.troughFactor * tiltedIdlerFriction * s.Lh * (in.qB + in.qG) * g *
                       std::sin(radians(s.carryingTiltAngle));
    w.skirtResistance = skirtFriction * (w.volumeFlow * w.volumeFlow) * s.r * g * skirtLength /
                        ((s.V * s.V) * (w.skirtWidth * w.skirtWidth));
    w.specialMainResistance = w.tiltResistance + w.skirtResistance;
    w.returnTiltResistance = tiltedIdlerFriction * s.Lh * in.qB * g *
                             std::sin(radians(in.returnTiltAngle)) *
                             std::cos(radians(in.returnTroughAngle));
    w.cleanerResistance = s.B * cleanerPressureFriction * cleanerContactWidth * cleanerCount / 1000;
    w.specialSecondaryResistance = w.cleanerResistance + in.ploughResistance;
    w.secondaryFactor = *C;
    const double CfG = w.secondaryFactor * f * g;
    w.mainAndSecondaryResistance = CfG * (in.L * (in.qRO + in.qRU) + s.Lh * (in.qG + 2 * in.qB));

    // Drive force [N] and powers [kW].
    s.Fu = w.mainAndSecondaryResistance + w.slopeResistance + w.specialMainResistance +
           w.specialSecondaryResistance + w.returnTiltResistance;
    s.Pa = s.Fu * s.V / 1000;
    s.Pm = s.Pa / motorEfficiency;
    s.Fk = CfG * (s.Lh * in.qB + in.L * in.qRU) - s.H * in.qB * g + w.cleanerResistance +
           w.returnTiltResistance;
    s.Fw = CfG * s.Lh * (in.qB + in.qG) + in.ploughResistance + w.specialMainResistance +
           CfG * in.L * in.qRO + s.H * g * (in.qB + in.qG);

    // Minimum tensions and the belt tensions [N]; the sag limit (a permitted sag of one
    // hundredth of the idler spacing) enters as * 100 / 8.
    constexpr double sagDivisor = 1 / permittedSag;
    w.returnSagTension = in.au * in.qB * g * sagDivisor / 8;
    w.FA = startingFactor * s.Fu;
    w.noSlipTension = startingFactor * s.Fu / (w.wrapFactor - 1);
    w.carryingSagTension = (in.qB + in.qG) * s.a0 * g * sagDivisor / 8;
    const BeltTensions t = beltTensions(
        {w.wrapFactor, s.Fw, s.Fk, w.noSlipTension, w.returnSagTension, w.carryingSagTension});
    s.T1 = t.T1;
    s.T2 = t.T2;
    s.T3 = t.T3;
    s.T4 = t.T4;

    if (!everythingFinite(d)) {
        return DriveOutcome::notFinite;
    }
    s.resultsText = resultsText(d);
    design = std::move(d);
    return DriveOutcome::computed;
}

}  // namespace dtii

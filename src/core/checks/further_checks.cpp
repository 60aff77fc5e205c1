// Starting, holdback or brake, take-up travel and idler bearing life: arithmetic on the computed
// record in double precision, with the constants of the check tables.
#include "core/checks/further_checks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/checks/check_parameters.h"
#include "core/checks/check_tables.h"
#include "core/design/take_up_types.h"

namespace dtii {
namespace {

// The length of the conveyor [m].
double lengthOf(const ConveyorDesign& record) {
    return record.input.L;
}

double elongationOf(std::string_view beltTypeText) {
    const BeltKind kind = beltKindOf(beltTypeText);
    const auto row =
        std::find_if(beltElongations.begin(), beltElongations.end(), [&](const auto& r) {
            return r.kind == kind && beltTypeText.find(r.word) != std::string_view::npos;
        });
    return row != beltElongations.end() ? row->elongation : beltElongations.back().elongation;
}

double loadFactorOf(std::int16_t rolls) {
    const auto row = std::find_if(idlerLoadFactors.begin(), idlerLoadFactors.end(),
                                  [rolls](const IdlerLoadFactor& r) { return r.rolls == rolls; });
    // A set of unknown form counts as one roll carrying the whole load.
    return row != idlerLoadFactors.end() ? row->factor : idlerLoadFactors.front().factor;
}

std::string_view bearingTextOf(std::int16_t code) {
    const auto item = std::find_if(bearings.begin(), bearings.end(),
                                   [code](const CodedItem& i) { return i.code == code; });
    return item != bearings.end() ? item->text : std::string_view();
}

// One idler side: its rolls per set, spacing [m], mass per metre it carries [kg/m], whether the
// load falls onto it, roll diameter [mm], bearing code and roll mass [kg].
struct IdlerSide {
    std::int16_t rolls;
    double spacing;
    double carriedMass;
    bool impact;
    double rollDiameter;
    std::int16_t bearingCode;
    double rollMass;
};

IdlerCheck idlerCheck(const IdlerSide& side, double V, double requiredLife) {
    IdlerCheck check;
    check.rolls = side.rolls;
    check.loadFactor = loadFactorOf(side.rolls);
    check.staticLoad = check.loadFactor * side.spacing * gravity * side.carriedMass;
    check.dynamicLoad = check.staticLoad * idlerOperatingFactor;
    if (side.impact) {
        check.dynamicLoad *= idlerImpactFactor;
    }
    check.dynamicLoad *= idlerEnvironmentFactor;
    check.bearingLoad = (check.dynamicLoad + side.rollMass * gravity) / 2;
    check.speed = 60000 * V / (std::numbers::pi * side.rollDiameter);
    check.required = requiredLife;
    check.bearingText = std::string(bearingTextOf(side.bearingCode));
    const auto row =
        std::find_if(idlerBearings.begin(), idlerBearings.end(),
                     [&](const IdlerBearing& b) { return b.code == side.bearingCode; });
    if (row == idlerBearings.end() || !row->rating) {
        return check;
    }
    check.bearing = std::string(*row->bearing);
    check.rating = row->rating;
    const double ratio = *check.rating / check.bearingLoad;
    check.life = 1e6 / (60 * check.speed) * (ratio * ratio * ratio);
    check.ok = *check.life >= requiredLife && check.speed <= fastestIdlerSpeed;
    return check;
}

}  // namespace

double inclination(const ConveyorDesign& record) {
    const double slope = std::clamp(record.shared.H / lengthOf(record), -1.0, 1.0);
    return std::isnan(slope) ? 0 : std::asin(slope);
}

std::optional<StartingCheck> startingCheck(const ConveyorDesign& record, double breakingForce) {
    const SharedDesign& s = record.shared;
    const InputDesign& in = record.input;
    if (!(s.Fu > 0)) {
        return std::nullopt;
    }
    StartingCheck check;
    const double L = lengthOf(record);
    check.movingMass = L * (2 * in.qB + in.qG) + acceleratedRollShare * L * (in.qRO + in.qRU);
    const double surplus = record.working.FA - s.Fu;  // [N]
    check.acceleration = surplus / check.movingMass;
    check.time = s.V / check.acceleration;
    check.peakTension = s.T1 + surplus;
    check.safetyFactor = breakingForce / check.peakTension;
    return check;
}

HoldbackCheck holdbackCheck(const ConveyorDesign& record, std::optional<double> pulleyDiameter) {
    const SharedDesign& s = record.shared;
    const InputDesign& in = record.input;
    HoldbackCheck check;
    const double L = lengthOf(record);
    check.liftForce = in.qG * gravity * s.H;
    check.leastResistance = leastFrictionFactor * gravity * L *
                            (in.qRO + in.qRU + (2 * in.qB + in.qG) * std::cos(inclination(record)));
    check.runawayForce = std::abs(check.liftForce) - check.leastResistance;
    if (check.runawayForce > 0 && s.H != 0) {
        check.device = s.H > 0 ? RunawayDevice::holdback : RunawayDevice::brake;
    }
    if (check.device != RunawayDevice::none && pulleyDiameter) {
        check.torque = check.runawayForce * *pulleyDiameter / 2000;
        check.ratedTorque = holdbackRatingMargin * *check.torque;
    }
    return check;
}

TakeUpTravelCheck takeUpTravelCheck(const ConveyorDesign& record, std::string_view beltTypeText,
                                    const CheckParameters& parameters,
                                    std::string_view takeUpType) {
    TakeUpTravelCheck check;
    const bool screw = takeUpType == screwTakeUp;
    const bool steelCord = beltKindOf(beltTypeText) == BeltKind::steelCord;
    check.elongation = elongationOf(beltTypeText);
    check.flexure = idlerFlexure;
    check.allowance = parameters.takeUpAllowance.value_or(screw       ? screwTakeUpAllowance
                                                          : steelCord ? steelCordAllowance
                                                                      : fabricAllowance);
    const double L = lengthOf(record);
    check.travel = L * (check.elongation + check.flexure) + check.allowance;
    if (!takeUpType.empty() && takeUpType != takeUpPrompt) {
        check.type = std::string(takeUpType);
        check.ok = !(screw && L > longestScrewTakeUpConveyor);
    }
    return check;
}

IdlerChecks idlerChecks(const ConveyorDesign& record, const CheckParameters& parameters) {
    const SharedDesign& s = record.shared;
    const InputDesign& in = record.input;
    const IdlerSide carrying{s.carryingIdlerForm,
                             s.a0,
                             in.qB + in.qG,
                             true,
                             static_cast<double>(s.carryingRollerDiameter),
                             s.carryingBearing,
                             in.carryingRollerMass};
    const IdlerSide returnSide{s.returnIdlerForm,
                               in.au,
                               in.qB,
                               false,
                               static_cast<double>(s.returnRollerDiameter),
                               in.returnBearing,
                               in.returnRollerMass};
    return {idlerCheck(carrying, s.V, parameters.idlerLifeHours),
            idlerCheck(returnSide, s.V, parameters.idlerLifeHours)};
}

std::optional<bool> idlersVerdict(const IdlerChecks& idlers) {
    std::optional<bool> ok;
    for (const std::optional<bool>& side : {idlers.carrying.ok, idlers.returnSide.ok}) {
        if (side) {
            ok = ok.value_or(true) && *side;
        }
    }
    return ok;
}

}  // namespace dtii

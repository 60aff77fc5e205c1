// The check command: runs the design like calc, then writes the checks instead of the listing.
#include "cli/check_command.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "cli/command_dialogs.h"
#include "cli/design_arguments.h"
#include "cli/design_compute.h"
#include "core/checks/check_parameters.h"
#include "core/file/design_file.h"
#include "core/file/design_replay.h"
#include "core/numbers.h"

namespace dtii {
namespace {

using Json = nlohmann::ordered_json;

struct CheckArguments {
    bool json = false;
    std::string designPath;
    bool strict = false;
};

std::optional<CheckArguments> parseCheckArguments(const std::vector<std::string>& arguments,
                                                  std::ostream& err) {
    CheckArguments parsed;
    const DesignArguments read =
        readDesignArguments(arguments, [&parsed](const std::string& option, const NextArgument&) {
            std::optional<std::string> problem;
            if (option == "--json") {
                problem = parsed.json ? "--json 只能给一次" : "";
                parsed.json = true;
            }
            return problem;
        });
    if (!read.problem.empty()) {
        err << usageMessage(read.problem) << '\n';
        return std::nullopt;
    }
    parsed.designPath = read.designPath;
    parsed.strict = read.strict;
    return parsed;
}

template <typename T>
Json orNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json resultsObject(const ConveyorDesign& record) {
    const SharedDesign& s = record.shared;
    const InputDesign& in = record.input;
    return Json{{"qG", in.qG},   {"qB", in.qB}, {"qRO", in.qRO},
                {"qRU", in.qRU}, {"Fu", s.Fu},  {"FA", record.working.FA},
                {"Pa", s.Pa},    {"Pm", s.Pm},  {"Fw", s.Fw},
                {"Fk", s.Fk},    {"T1", s.T1},  {"T2", s.T2},
                {"T3", s.T3},    {"T4", s.T4}};
}

Json startingObject(const std::optional<StartingCheck>& c) {
    if (!c) {
        return nullptr;
    }
    return Json{{"movingMass", c->movingMass},
                {"acceleration", c->acceleration},
                {"time", c->time},
                {"peakTension", c->peakTension},
                {"safetyFactor", c->safetyFactor}};
}

Json holdbackObject(const HoldbackCheck& c) {
    const char* device = c.device == RunawayDevice::holdback ? "holdback"
                         : c.device == RunawayDevice::brake  ? "brake"
                                                             : "none";
    return Json{{"liftForce", c.liftForce},       {"leastResistance", c.leastResistance},
                {"runawayForce", c.runawayForce}, {"device", device},
                {"torque", orNull(c.torque)},     {"ratedTorque", orNull(c.ratedTorque)}};
}

Json idlerObject(const IdlerCheck& c) {
    return Json{{"rolls", c.rolls},
                {"loadFactor", c.loadFactor},
                {"staticLoad", c.staticLoad},
                {"dynamicLoad", c.dynamicLoad},
                {"bearing", orNull(c.bearing)},
                {"rating", orNull(c.rating)},
                {"bearingLoad", c.bearingLoad},
                {"speed", c.speed},
                {"life", orNull(c.life)},
                {"required", c.required},
                {"ok", orNull(c.ok)}};
}

Json checksObject(const DesignChecks& c) {
    const BeltStrengthCheck& belt = c.beltStrength;
    const CapacityCheck& capacity = c.capacity;
    Json reducer = nullptr;
    if (c.reducer) {
        reducer = Json{{"pulleyDiameter", c.reducer->pulleyDiameter},
                       {"pulleySpeed", c.reducer->pulleySpeed},
                       {"motorSpeed", c.reducer->motorSpeed},
                       {"ratio", c.reducer->ratio}};
    }
    return Json{
        {"beltStrength",
         {{"maxTension", belt.maxTension},
          {"strengthPerWidth", belt.strengthPerWidth},
          {"breakingForce", belt.breakingForce},
          {"safetyFactor", belt.safetyFactor},
          {"required", belt.required},
          {"minPlies", orNull(belt.minPlies)},
          {"minSteelCord", orNull(belt.minSteelCord)},
          {"ok", belt.ok}}},
        {"capacity",
         {{"usableWidth", capacity.usableWidth},
          {"area", capacity.area},
          {"inclinationFactor", capacity.inclinationFactor},
          {"maxCapacity", capacity.maxCapacity},
          {"fillRatio", capacity.fillRatio},
          {"ok", capacity.ok}}},
        {"motor",
         {{"required", c.motor.required},
          {"rated", orNull(c.motor.rated)},
          {"generating", c.motor.generating}}},
        {"reducer", reducer},
        {"takeUp", {{"force", c.takeUp.force}, {"counterweight", c.takeUp.counterweight}}},
        {"starting", startingObject(c.starting)},
        {"holdback", holdbackObject(c.holdback)},
        {"takeUpTravel",
         {{"elongation", c.takeUpTravel.elongation},
          {"flexure", c.takeUpTravel.flexure},
          {"allowance", c.takeUpTravel.allowance},
          {"travel", c.takeUpTravel.travel},
          {"type", orNull(c.takeUpTravel.type)},
          {"ok", orNull(c.takeUpTravel.ok)}}},
        {"idlers",
         {{"carrying", idlerObject(c.idlers.carrying)},
          {"return", idlerObject(c.idlers.returnSide)}}},
    };
}

}  // namespace

std::string checksText(const std::vector<CheckRow>& rows) {
    std::string text;
    for (const CheckRow& row : rows) {
        text += (text.empty() ? "" : "\r\n") + row.name + "：" + row.value + "；" + row.requirement;
        if (row.ok) {
            text += *row.ok ? "；合格" : "；不合格";
        }
        if (!row.advice.empty()) {
            text += "；" + row.advice;
        }
    }
    return text;
}

std::string checksJson(const ConveyorDesign& record, const DesignChecks& checks) {
    const Json root{{"results", resultsObject(record)}, {"checks", checksObject(checks)}};
    return root.dump(2) + "\n";
}

ExitStatus runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err) {
    const std::optional<CheckArguments> parsed = parseCheckArguments(arguments, err);
    if (!parsed) {
        return ExitStatus::usage;
    }
    const std::optional<DesignFile> loaded =
        loadCommandDesign(parsed->designPath, parsed->strict, err);
    if (!loaded) {
        return ExitStatus::usage;
    }
    const DesignFile& design = *loaded;
    // Read when the file was: every parameter here is one the checks can use.
    const CheckParameters parameters = usableCheckParameters(design.checks);
    CommandDialogs dialogs(err);
    InputWindow window;
    ConveyorDesign record;
    if (!computeDesign(design, window, record, dialogs)) {
        return ExitStatus::stopped;
    }
    const DesignChecks checks = runDesignChecks(record, window.lists[InputList::beltType].text,
                                                parameters, enteredPulleyDiameter(design.equipment),
                                                enteredTakeUpType(design.equipment));
    out << (parsed->json ? checksJson(record, checks) : checksText(checkRows(checks)));
    return ExitStatus::produced;
}

}  // namespace dtii

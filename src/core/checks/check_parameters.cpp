// Reading the check parameters: a text that is not a number, or a number the checks cannot use,
// is refused with the reason, before anything is computed.
#include "core/checks/check_parameters.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/checks/check_tables.h"

namespace dtii {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The whole text as one number, or nothing.
std::optional<double> wholeNumber(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool isMotorSpeed(double value) {
    return std::any_of(motorSpeeds.begin(), motorSpeeds.end(),
                       [value](int speed) { return value == speed; });
}

// Why `value` does not serve as the parameter `key`; empty when it does.
std::string rangeProblem(std::string_view key, double value) {
    if ((key == "requiredSafetyFactor" || key == "idlerLifeHours") &&
        !(std::isfinite(value) && value > 0)) {
        return "应为大于 0 的数";
    }
    if (key == "surchargeAngle" && !(value > 0 && value <= largestSurchargeAngle)) {
        return "应大于 0 度且不超过 45 度";
    }
    if (key == "motorSpeed" && !isMotorSpeed(value)) {
        return "应为 3000、1500、1000 或 750（r/min）";
    }
    if (key == "takeUpAllowance" && !(std::isfinite(value) && value >= 0)) {
        return "应为不小于 0 的数";
    }
    return {};
}

}  // namespace

std::string checkParameterProblem(std::string_view key, std::string_view text) {
    if (trimmed(text).empty()) {
        return {};
    }
    const std::optional<double> value = wholeNumber(text);
    if (!value) {
        return "应为数字，而不是“" + std::string(text) + "”";
    }
    return rangeProblem(key, *value);
}

CheckParametersResult readCheckParameters(const CheckTexts& texts) {
    for (const CheckParameterKey& entry : checkParameterKeys) {
        if (const auto& text = texts.*entry.text) {
            if (std::string problem = checkParameterProblem(entry.key, *text); !problem.empty()) {
                return {std::nullopt, std::string(entry.key), std::move(problem)};
            }
        }
    }
    const auto valueOf = [](const std::optional<std::string>& text) {
        return text ? wholeNumber(*text) : std::nullopt;
    };
    CheckParameters parameters;
    parameters.requiredSafetyFactor = valueOf(texts.requiredSafetyFactor);
    parameters.surchargeAngle = valueOf(texts.surchargeAngle).value_or(defaultSurchargeAngle);
    parameters.motorSpeed = static_cast<int>(valueOf(texts.motorSpeed).value_or(defaultMotorSpeed));
    parameters.idlerLifeHours = valueOf(texts.idlerLifeHours).value_or(defaultIdlerLifeHours);
    parameters.takeUpAllowance = valueOf(texts.takeUpAllowance);
    return {parameters, {}, {}};
}

BeltKind beltKindOf(std::string_view beltTypeText) {
    return beltTypeText.starts_with("st") ? BeltKind::steelCord : BeltKind::fabric;
}

double defaultSafetyFactor(std::string_view beltTypeText) {
    const BeltKind kind = beltKindOf(beltTypeText);
    for (const DefaultSafetyFactor& row : defaultSafetyFactors) {
        if (row.kind == kind && beltTypeText.starts_with(row.prefix)) {
            return row.factor;
        }
    }
    return defaultSafetyFactors.back().factor;
}

CheckParameters usableCheckParameters(const std::optional<CheckTexts>& texts) {
    return readCheckParameters(texts.value_or(CheckTexts{})).parameters.value_or(CheckParameters{});
}

}  // namespace dtii

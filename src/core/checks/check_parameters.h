// The check parameters as the engineer types them, and their reading into CheckParameters.
// The texts are kept as typed so that a design opened and saved again reads the same.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/checks/design_checks.h"
#include "core/design/selection_lists.h"

namespace dtii {

// Each absent or empty text takes its default.
struct CheckTexts {
    std::optional<std::string> requiredSafetyFactor;
    std::optional<std::string> surchargeAngle;
    std::optional<std::string> motorSpeed;
    // Initialised so that the texts may still be listed as the first three only.
    std::optional<std::string> idlerLifeHours = std::nullopt;
    std::optional<std::string> takeUpAllowance = std::nullopt;

    bool operator==(const CheckTexts&) const = default;
};

// One parameter: its design-file key and the member of CheckTexts that holds it.
struct CheckParameterKey {
    std::string_view key;
    std::optional<std::string> CheckTexts::*text;
};

inline constexpr std::array<CheckParameterKey, 5> checkParameterKeys{{
    {"requiredSafetyFactor", &CheckTexts::requiredSafetyFactor},
    {"surchargeAngle", &CheckTexts::surchargeAngle},
    {"motorSpeed", &CheckTexts::motorSpeed},
    {"idlerLifeHours", &CheckTexts::idlerLifeHours},
    {"takeUpAllowance", &CheckTexts::takeUpAllowance},
}};

// Either the parameters or what is wrong: the key and why.
struct CheckParametersResult {
    std::optional<CheckParameters> parameters;
    std::string key;
    std::string problem;
};

CheckParametersResult readCheckParameters(const CheckTexts& texts);

// The parameters to check with: those of `texts` when they all read, else the defaults. Texts
// that came through the design-file reader or the checks panel have been refused already.
CheckParameters usableCheckParameters(const std::optional<CheckTexts>& texts);

// Why one parameter's text is refused; empty when it reads (an empty text reads as the default).
std::string checkParameterProblem(std::string_view key, std::string_view text);

// Steel cord when the belt type begins with "st", fabric otherwise.
BeltKind beltKindOf(std::string_view beltTypeText);

// The required safety factor when the engineer sets none.
double defaultSafetyFactor(std::string_view beltTypeText);

}  // namespace dtii
